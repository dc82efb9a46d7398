#include "core/output_writer.h"

#include <array>

namespace corvane {
void write_line(TranslationContext& ctx, int target, std::string_view text) {
  write_text(ctx, target, text, false);
  output_of(ctx, target).push_back('\n');
}

void write_verbatim_line(TranslationContext& ctx, int target, std::string_view text) {
  OutputText& out = output_of(ctx, target);
  out.append(text);
  out.push_back('\n');
}

void write_comment(TranslationContext& ctx, int target, std::string_view text) {
  OutputText& out = output_of(ctx, target);
  std::size_t p = 0;
  while (p < text.size()) {
    while (p < text.size() && text[p] == '*') ++p;
    const std::size_t start = p;
    while (p < text.size() && text[p] != '*') ++p;
    if (p > start) {
      out.push_back('*');
      out.append(text.substr(start, p - start));
    }
  }
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
  output_of(ctx, target).drop_unfinished_line();
}

int open_section(TranslationContext& ctx, std::string_view name) {
  ctx.outputs.emplace_back(ctx.prepare_output_block);
  ctx.section_names.emplace_back(name);
  return static_cast<int>(ctx.outputs.size()) - 1;
}

}  // namespace corvane
