#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

/// Appends `text` as a JSON string, quotes included. Quote and backslash are
/// escaped, control characters (U+0000 to U+001F and DEL) become \u00XX.
/// Valid UTF-8 sequences pass through unchanged; every other byte of 0x80 or
/// more is read as Latin-1 and written as \u00XX, so the result is always
/// valid UTF-8 and no byte of the input is lost.
void append_json_string(std::string& out, std::string_view text);

/// Builds an indented JSON text, two blanks per level. Containers opened as
/// one-line keep their members on one line, separated by ", ". The caller
/// pairs every begin with its end and gives each object member a key.
class JsonWriter {
 public:
  void begin_object(bool one_line = false);
  void end_object();
  void begin_array(bool one_line = false);
  void end_array();
  /// The name of the next object member.
  void key(std::string_view name);
  void string(std::string_view text);
  void number(long long value);
  void boolean(bool value);
  void null();

  /// The text so far, ended with a newline once every container is closed.
  std::string take();

 private:
  struct Level {
    bool one_line = false;
    bool empty = true;
  };
  void begin_value();
  void open(char bracket, bool one_line);
  void close(char bracket);
  void new_line(std::size_t depth);

  std::string text_;
  std::vector<Level> levels_;
  bool after_key_ = false;
};

}  // namespace corvane
