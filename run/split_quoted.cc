#include "run/split_quoted.h"

namespace corvane {

std::vector<std::string> split_quoted(std::string_view text, char separator, char quote) {
  std::vector<std::string> pieces;
  std::string piece;
  bool raw_piece_empty = true;  // before quote removal: `""` is a piece, `,,` is not
  bool inside_quotes = false;
  auto finish_piece = [&] {
    if (!raw_piece_empty) pieces.push_back(std::move(piece));
    piece.clear();
    raw_piece_empty = true;
  };
  for (char c : text) {
    if (c == quote) {
      inside_quotes = !inside_quotes;
      raw_piece_empty = false;
    } else if (c == separator && !inside_quotes) {
      finish_piece();
    } else {
      piece.push_back(c);
      raw_piece_empty = false;
    }
  }
  finish_piece();
  return pieces;
}

std::string split_quoted_piece(std::string_view text, char separator, size_t index) {
  std::vector<std::string> pieces = split_quoted(text, separator);
  return index < pieces.size() ? std::move(pieces[index]) : std::string();
}

}  // namespace corvane
