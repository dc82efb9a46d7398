#include "core/parameter_words.h"

#include <algorithm>
#include <array>

namespace corvane {
namespace {

struct WordCode {
  std::string_view word;
  int code;
};

constexpr std::size_t kWordCount = std::size(kExtraParameterWords) + std::size(kParameterAliases);

// The standard names and the aliases as one list sorted by word, so that a
// card's word finds its code by binary search.
consteval std::array<WordCode, kWordCount> make_word_codes() {
  std::array<WordCode, kWordCount> rows{};
  std::size_t i = 0;
  for (int n = 0; n < EXTRA_PARAMETER_COUNT; ++n) {
    rows[i++] = {kExtraParameterWords[static_cast<std::size_t>(n)], EXTRA_PARAMETER_FIRST_CODE + n};
  }
  for (const ParameterAlias& alias : kParameterAliases) rows[i++] = {alias.word, kw(alias.keyword)};
  std::sort(rows.begin(), rows.end(),
            [](const WordCode& a, const WordCode& b) { return a.word < b.word; });
  for (std::size_t k = 1; k < rows.size(); ++k) {
    if (rows[k].word == rows[k - 1].word) throw "a word listed twice";
  }
  return rows;
}

constexpr std::array<WordCode, kWordCount> kWordCodes = make_word_codes();

}  // namespace

int non_keyword_parameter_code(std::string_view lower_word) {
  const auto row = std::lower_bound(
      kWordCodes.begin(), kWordCodes.end(), lower_word,
      [](const WordCode& entry, std::string_view word) { return entry.word < word; });
  return row != kWordCodes.end() && row->word == lower_word ? row->code : -1;
}

}  // namespace corvane
