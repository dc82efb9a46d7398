#include "run/json_writer.h"

#include <cstdint>

namespace corvane {
namespace {

bool is_continuation(std::uint8_t byte) { return (byte & 0xC0) == 0x80; }

// The length of the well-formed UTF-8 sequence that starts at `at`, or 0.
// Overlong forms, surrogates and code points past U+10FFFF are not
// well-formed.
std::size_t utf8_sequence_length(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[at + i]); };
  const std::uint8_t lead = byte(0);
  std::size_t length = 0;
  std::uint8_t second_low = 0x80;
  std::uint8_t second_high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) second_low = 0xA0;   // no overlong forms
    if (lead == 0xED) second_high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) second_low = 0x90;
    if (lead == 0xF4) second_high = 0x8F;  // nothing past U+10FFFF
  } else {
    return 0;
  }
  if (text.size() - at < length) return 0;
  if (byte(1) < second_low || byte(1) > second_high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (!is_continuation(byte(i))) return 0;
  }
  return length;
}

void append_unicode_escape(std::string& out, std::uint8_t byte) {
  constexpr char kHex[] = "0123456789abcdef";
  out += "\\u00";
  out += kHex[byte >> 4];
  out += kHex[byte & 0x0F];
}

}  // namespace

void append_json_string(std::string& out, std::string_view text) {
  out += '"';
  std::size_t i = 0;
  while (i < text.size()) {
    const auto byte = static_cast<std::uint8_t>(text[i]);
    if (byte == '"' || byte == '\\') {
      out += '\\';
      out += static_cast<char>(byte);
      ++i;
    } else if (byte < 0x20 || byte == 0x7F) {
      append_unicode_escape(out, byte);
      ++i;
    } else if (byte < 0x80) {
      out += static_cast<char>(byte);
      ++i;
    } else if (const std::size_t length = utf8_sequence_length(text, i); length > 0) {
      out.append(text.substr(i, length));
      i += length;
    } else {
      append_unicode_escape(out, byte);
      ++i;
    }
  }
  out += '"';
}

void JsonWriter::new_line(std::size_t depth) {
  text_ += '\n';
  text_.append(2 * depth, ' ');
}

void JsonWriter::begin_value() {
  if (after_key_) {
    after_key_ = false;
    return;
  }
  if (levels_.empty()) return;
  Level& level = levels_.back();
  if (!level.empty) text_ += level.one_line ? ", " : ",";
  if (!level.one_line) new_line(levels_.size());
  level.empty = false;
}

void JsonWriter::open(char bracket, bool one_line) {
  begin_value();
  text_ += bracket;
  // Inside a one-line container everything stays on the line.
  const bool inherited = !levels_.empty() && levels_.back().one_line;
  levels_.push_back({one_line || inherited, true});
}

void JsonWriter::close(char bracket) {
  const Level level = levels_.back();
  levels_.pop_back();
  if (!level.empty && !level.one_line) new_line(levels_.size());
  text_ += bracket;
}

void JsonWriter::begin_object(bool one_line) { open('{', one_line); }
void JsonWriter::end_object() { close('}'); }
void JsonWriter::begin_array(bool one_line) { open('[', one_line); }
void JsonWriter::end_array() { close(']'); }

void JsonWriter::key(std::string_view name) {
  begin_value();
  append_json_string(text_, name);
  text_ += ": ";
  after_key_ = true;
}

void JsonWriter::string(std::string_view text) {
  begin_value();
  append_json_string(text_, text);
}

void JsonWriter::number(long long value) {
  begin_value();
  text_ += std::to_string(value);
}

void JsonWriter::boolean(bool value) {
  begin_value();
  text_ += value ? "true" : "false";
}

void JsonWriter::null() {
  begin_value();
  text_ += "null";
}

std::string JsonWriter::take() {
  if (levels_.empty() && !text_.empty()) text_ += '\n';
  std::string text = std::move(text_);
  text_.clear();
  return text;
}

}  // namespace corvane
