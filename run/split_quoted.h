#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

/// Cuts `text` at every `separator` outside `quote` characters. Empty pieces
/// are skipped; the quote characters are removed from each piece.
std::vector<std::string> split_quoted(std::string_view text, char separator, char quote = '"');

/// Piece `index` of `split_quoted(text, separator)`; empty beyond the last.
std::string split_quoted_piece(std::string_view text, char separator, size_t index);

}  // namespace corvane
