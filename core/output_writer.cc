#include "core/output_writer.h"

#include <array>

namespace corvane {
namespace {

constexpr std::array<bool, 256> make_special_table() {
  std::array<bool, 256> table{};
  for (char c : std::string_view("\n#&;<>?[]^~@")) table[static_cast<unsigned char>(c)] = true;
  return table;
}

constexpr std::array<bool, 256> kSpecial = make_special_table();

void append_stripped(std::string& out, std::string_view text) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (kSpecial[static_cast<unsigned char>(text[i])]) {
      out.append(text, start, i - start);
      start = i + 1;
    }
  }
  out.append(text, start, text.size() - start);
}

std::string& output(TranslationContext& ctx, int target) {
  return ctx.outputs[static_cast<std::size_t>(target)];
}

}  // namespace

void write_text(TranslationContext& ctx, int target, std::string_view text, bool blank) {
  std::string& out = output(ctx, target);
  append_stripped(out, text);
  if (blank) out += ' ';
}

void write_line(TranslationContext& ctx, int target, std::string_view text) {
  std::string& out = output(ctx, target);
  append_stripped(out, text);
  out += '\n';
}

void write_comment(TranslationContext& ctx, int target, std::string_view text) {
  std::string& out = output(ctx, target);
  std::size_t p = 0;
  while (p < text.size()) {
    while (p < text.size() && text[p] == '*') ++p;
    const std::size_t start = p;
    while (p < text.size() && text[p] != '*') ++p;
    if (p > start) {
      out += '*';
      out.append(text, start, p - start);
    }
  }
}

std::string strip_special(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  append_stripped(out, text);
  return out;
}

std::string strip_dots(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c != '.') out += c;
  }
  return out;
}

std::string prefix_x(std::string_view text) {
  std::string out = "x";
  out += text;
  return out;
}

void drop_unfinished_line(TranslationContext& ctx, int target) {
  std::string& out = output(ctx, target);
  const std::size_t last_newline = out.rfind('\n');
  out.resize(last_newline == std::string::npos ? 0 : last_newline + 1);
}

int open_section(TranslationContext& ctx, std::string_view name) {
  ctx.outputs.emplace_back();
  ctx.section_names.emplace_back(name);
  return static_cast<int>(ctx.outputs.size()) - 1;
}

}  // namespace corvane
