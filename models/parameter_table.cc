#include "models/parameter_table.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace corvane {
namespace {

using NameTable = std::array<std::string_view, KEYWORD_LAST_CODE + 1>;

struct WordName {
  std::string_view word;
  std::string_view name;
};

constexpr std::size_t kRowCount = std::size(kParameterRenames) + std::size(kUnwrittenParameters);

// The renames and the unwritten parameters as one list sorted by word, so
// that each keyword finds its row by binary search.
constexpr std::array<WordName, kRowCount> make_rows() {
  std::array<WordName, kRowCount> rows{};
  std::size_t i = 0;
  for (const ParameterRename& rename : kParameterRenames)
    rows[i++] = {rename.hspice, rename.ondrel};
  for (std::string_view word : kUnwrittenParameters) rows[i++] = {word, {}};
  std::sort(rows.begin(), rows.end(),
            [](const WordName& a, const WordName& b) { return a.word < b.word; });
  return rows;
}

// Every model parameter keeps its HSPICE word unless it is renamed or has no
// Ondrel counterpart; statement, element and option words are not parameters.
// A word that stands in two keyword lists gets the same name for both codes.
constexpr NameTable make_output_names() {
  constexpr std::array<WordName, kRowCount> rows = make_rows();
  NameTable table{};
  for (int code = KEYWORD_FIRST_CODE; code <= KEYWORD_LAST_CODE; ++code) {
    const std::string_view word = keyword_text(code);
    const auto row =
        std::lower_bound(rows.begin(), rows.end(), word,
                         [](const WordName& entry, std::string_view w) { return entry.word < w; });
    std::string_view& name = table[static_cast<std::size_t>(code)];
    if (row != rows.end() && row->word == word) {
      name = row->name;
    } else if (code >= FIRST_MODEL_PARAMETER && code <= LAST_MODEL_PARAMETER) {
      name = word;
    }
  }
  return table;
}

constexpr NameTable kOutputNames = make_output_names();

}  // namespace

std::string_view parameter_output_name(int code) {
  if (is_extra_parameter_code(code)) return parameter_word(code);
  if (code < 0 || code > KEYWORD_LAST_CODE) return {};
  return kOutputNames[static_cast<std::size_t>(code)];
}

}  // namespace corvane
