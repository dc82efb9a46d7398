// Conservation: every statement written (not echoed, not reported) keeps
// every name and every number of its source, after the renames and
// rewrites the README documents (listed as data below). Run over every file
// of ../shared/corpus, when it is there, and every golden input.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "core/char_class.h"
#include "core/translation_report.h"
#include "translate/translate_file.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

// Statement kinds whose names and numbers are not a word of what is
// written for them by design: statements that end blocks or write nothing (.global, .lib
// sections), library references (written as the section file's name),
// options (dropped ones are counted by the report, scale and scalm folded
// into values), and the branches of .if blocks (their .param lines are
// written under the .if).
const std::set<std::string> kKindsLeftOut = {
    ".end",   ".endl",   ".ends", ".eom",   ".title", ".options", ".option", ".opt",
    ".alter", ".elseif", ".else", ".endif", ".data",  ".enddata", ".lib",    ".global"};

// Model parameters whose value chooses what is written rather than being
// written: the level (renumbered), the area calculation method and its
// switches, the lateral pnp's substrate flag, and the card's scale factor
// scalm (folded into the lengths it scales, when the card gives any).
const std::set<std::string> kModelSelectors = {"level", "acm", "update", "geo", "subs", "scalm"};

// Values that enter the series resistance and diffusion area formulas only
// where the card's area calculation method uses them (HSPICE ignores them
// otherwise).
const std::set<std::string> kFormulaInputs = {"rs", "rd", "rsc", "rdc"};
const std::set<std::string> kDiffusionLengths = {"ldif", "hdif"};

// Words of the statement syntax that translations write otherwise or fold
// into a value: keywords, not names of the circuit.
const std::set<std::string> kSyntaxWords = {
    // element values folded into the value written, or renamed
    "m", "scale", "l", "w", "r", "c", "tc1", "tc2", "tc", "dtemp", "ic", "area", "off", "geo", "ad",
    "as", "pd", "ps", "nrd", "nrs", "rdc", "rsc", "delvto", "mult", "temp", "lm", "wm", "lp", "wp",
    "nf",
    // a coupling's keyword (k=0.9 is written 0.9)
    "k",
    // controlled sources
    "vcvs", "vccs", "ccvs", "cccs", "poly", "value", "vol", "cur", "max", "min", "abs", "pwl",
    "table", "delay", "laplace", "freq", "transformer", "vcr", "vccap", "opamp", "and", "nand",
    "or", "nor", "td", "z0", "zo", "f", "nl", "npdelay", "level", "trans", "npwl", "ppwl", "vbe",
    "vce",
    // transmission lines and instances
    "params",
    // analyses and output requests
    "dec", "lin", "oct", "poi", "sweep", "monte", "start", "uic", "data", "tran", "ac", "dc",
    "noise", "op", "v", "i", "vm", "vr", "vi", "vp", "vdb", "im", "ip", "ir", "ii", "idb",
    // functions Ondrel spells otherwise
    "pow", "pwr", "db", "sign",
    // .lib and file statements name files, compared whole elsewhere
    "lib", "include", "inc", "file", "type", "level", "top", "all", "time"};

// Instance values that inductors, lines, resistors, capacitors and controlled
// sources still drop without a word: by element letter, the keywords whose
// values are left out of this check.
const std::map<char, std::vector<std::string>> kValuesStillDropped = {
    {'l', {"ic"}},
    {'t', {"ic"}},
    {'e', {"abs"}},  // abs=1 is written as the abs( of the value
    {'g', {"abs"}},
};

// A model card's source less the parameters the report lists as dropped
// (with their values), the values of the selectors, and every value but
// the last of a parameter given twice (the last wins, as in HSPICE): what
// is left must be written.
std::string model_card_kept_part(const std::string& source, const ReportedCard* card) {
  static const std::regex kAssignment(R"(([A-Za-z_][\w.]*)\s*=\s*('[^']*'|\{[^}]*\}|[^\s()=]+))");
  std::set<std::string> dropped;
  if (card != nullptr) {
    dropped.insert(card->unknown.begin(), card->unknown.end());
    dropped.insert(card->unwritten.begin(), card->unwritten.end());
  }
  std::map<std::string, std::size_t> last;  // parameter -> start of its last assignment
  for (auto match = std::sregex_iterator(source.begin(), source.end(), kAssignment);
       match != std::sregex_iterator(); ++match) {
    last[lower_ascii_text((*match)[1].str())] = static_cast<std::size_t>(match->position());
  }
  const bool formulas = last.contains("acm") || last.contains("rsh");
  std::string kept;
  std::size_t copied = 0;
  for (auto match = std::sregex_iterator(source.begin(), source.end(), kAssignment);
       match != std::sregex_iterator(); ++match) {
    const std::string name = lower_ascii_text((*match)[1].str());
    const std::size_t at = static_cast<std::size_t>(match->position());
    kept += source.substr(copied, at - copied);
    copied = at + static_cast<std::size_t>(match->length());
    if (dropped.contains(name) || kModelSelectors.contains(name) || last[name] != at ||
        kDiffusionLengths.contains(name) || (formulas && kFormulaInputs.contains(name))) {
      continue;
    }
    kept += (*match)[2].str();  // the value; the name may be renamed
    kept += ' ';
  }
  kept += source.substr(copied);
  return kept;
}

// Blanks out the third word of a `.model` statement, its kind word, and
// returns it in lower case.
std::string blank_kind_word(std::string& source) {
  std::size_t p = 0;
  for (int field = 1; field <= 3; ++field) {
    while (p < source.size() && (source[p] == ' ' || source[p] == '\t')) ++p;
    const std::size_t start = p;
    while (p < source.size() && source[p] != ' ' && source[p] != '\t' && source[p] != '(') ++p;
    if (field == 3) {
      const std::string word = lower_ascii_text(source.substr(start, p - start));
      source.replace(start, p - start, p - start, ' ');
      return word;
    }
  }
  return {};
}

// The source less what the documented rewrites leave out: the count of a
// point list (poi 3 ...), the input count of a one-input table form
// (pwl(1), and(2), ...), and the instance values above.
std::string without_rewritten_parts(std::string source, char letter) {
  source = std::regex_replace(source, std::regex(R"(\b(poi)\s+\d+)", std::regex::icase), "$1");
  source = std::regex_replace(
      source, std::regex(R"(\b(n?pwl|ppwl|and|nand|or|nor)\s*\(\s*\d+\s*\))", std::regex::icase),
      "$1");
  const auto values = kValuesStillDropped.find(letter);
  if (values == kValuesStillDropped.end()) return source;
  for (const std::string& keyword : values->second) {
    // keyword=value[,value...] and a positional value after the keyword
    source = std::regex_replace(
        source, std::regex("\\b" + keyword + R"(\s*=?\s*[^\s=]+(,[^\s=]+)*)", std::regex::icase),
        " ");
  }
  return source;
}

std::vector<fs::path> inputs() {
  std::vector<fs::path> files;
  const fs::path source = CORVANE_SOURCE_DIR;
  std::error_code error;
  for (const fs::path& folder :
       {source / "tests" / "golden", source / ".." / "shared" / "corpus"}) {
    if (!fs::is_directory(folder, error)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(folder, error)) {
      const fs::path& path = entry.path();
      if (!entry.is_regular_file() || path.filename() == "MANIFEST.tsv") continue;
      if (folder.filename() == "golden" && path.extension() != ".sp") continue;
      files.push_back(path);
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string read_bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string_view> split_lines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') {
      ++end;
    }
    start = end + 1;
  }
  return lines;
}

// Where each statement's output begins.
class Recorder : public StatementObserver {
 public:
  struct Begin {
    LineNumber line;
    int target;
    std::size_t offset;
  };
  void translation_begins() override { begins.clear(); }
  void statement_begins(LineNumber line, int target, std::size_t offset) override {
    // A statement that turns to another target begins again there.
    if (!begins.empty() && begins.back().line == line) begins.pop_back();
    begins.push_back({line, target, offset});
  }
  void text_moved(int target, std::size_t from, std::size_t size, std::size_t to) override {
    for (Begin& begin : begins) {
      if (begin.target != target) continue;
      if (begin.offset >= from && begin.offset < from + size) {
        begin.offset = to + (begin.offset - from);
      } else if (begin.offset >= to && begin.offset < from) {
        begin.offset += size;
      }
    }
  }
  std::vector<Begin> begins;
};

bool is_word_start(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool is_word_char(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.' || c == '$';
}
bool is_special(char c) {
  return std::string_view("#&;<>?[]^~@").find(c) != std::string_view::npos;
}

// The words (names and numbers, lower case) of a text. In source text
// outside quotes and braces, the characters that Ondrel names cannot hold
// are part of names and are respelled "_" as the translation does; inside
// them they are operators.
std::set<std::string> words_of(std::string_view text, bool source) {
  std::set<std::string> words;
  bool in_expression = false;
  int braces = 0;
  std::size_t p = 0;
  while (p < text.size()) {
    const char c = text[p];
    if (source && (c == '$' || (c == '*' && p > 0))) break;  // a comment
    if (c == '\'') in_expression = !in_expression;
    if (c == '{') ++braces;
    if (c == '}' && braces > 0) --braces;
    const bool names_hold_specials = source && !in_expression && braces == 0;
    const bool starts = is_word_start(c) || std::isdigit(static_cast<unsigned char>(c)) ||
                        (c == '.' && p + 1 < text.size() && std::isalnum(text[p + 1])) ||
                        (names_hold_specials && is_special(c)) || (!source && c == '$');
    if (!starts) {
      ++p;
      continue;
    }
    std::string word;
    const bool number = std::isdigit(static_cast<unsigned char>(c)) || c == '.';
    while (p < text.size() &&
           (is_word_char(text[p]) || (names_hold_specials && is_special(text[p])) ||
            (number && (text[p] == '+' || text[p] == '-') && !word.empty() &&
             (word.back() == 'e' || word.back() == 'E') &&
             word.find_first_not_of("0123456789.") == word.size() - 1))) {
      word += lower_ascii(is_special(text[p]) ? '_' : text[p]);
      ++p;
    }
    while (!word.empty() && word.back() == '.') word.pop_back();
    if (!word.empty()) words.insert(word);
  }
  return words;
}

// HSPICE's scale suffixes x (mega) and a (atto), which Ondrel does not
// know, are written as it reads them: 10x as 10meg, 3a with the same value
// in its exponent (3e-18).
bool written_with_ondrel_scale(const std::string& word, const std::set<std::string>& out) {
  static const std::regex kScaled(R"(([0-9.]+(e[-+]?[0-9]+)?)([xa])([a-z0-9]*))");
  std::smatch parts;
  if (!std::regex_match(word, parts, kScaled)) return false;
  if (parts[3] == "x") return out.contains(parts[1].str() + "meg" + parts[4].str());
  const double value = std::stod(parts[1].str()) * 1e-18;
  return std::any_of(out.begin(), out.end(), [value](const std::string& w) {
    char* end = nullptr;
    const double written_value = std::strtod(w.c_str(), &end);
    return end != w.c_str() && std::fabs(written_value - value) <= 1e-9 * std::fabs(value);
  });
}

// A word of the source found in the text written for it, allowing the
// documented renames: the global prefix $g_, an element's letter
// (m1 -> xm1, f1 -> g1, h1 -> e1) with a suffix that keeps it apart, dots
// of model names, the subcircuit's name before a local model's.
bool written(const std::string& word, const std::set<std::string>& out, bool element_name) {
  // A zero is the default of whatever value it stands for.
  if (word.find_first_not_of("0.") == std::string::npos ||
      (std::isdigit(static_cast<unsigned char>(word[0])) &&
       word.substr(0, word.find_first_not_of("0123456789.")).find_first_not_of("0.") ==
           std::string::npos)) {
    return true;
  }
  if (out.contains(word) || out.contains("$g_" + word)) return true;
  if (written_with_ondrel_scale(word, out)) return true;
  // A node with a sign touching it: a+ is written ap, a- an (ap_2 where the
  // file has a node ap of its own).
  for (const std::string& signed_form : {word + "p", word + "n"}) {
    for (const std::string& w : out) {
      if (w == signed_form ||
          (w.starts_with(signed_form + "_") &&
           w.find_first_not_of("0123456789", signed_form.size() + 1) == std::string::npos)) {
        return true;
      }
    }
  }
  // A model name an element gives its own card: rmod_1, cmod_c2; a model
  // of a subcircuit written before it under both names: inv_nch.
  for (const std::string& w : out) {
    if (w.size() > word.size() + 1 && (w.starts_with(word + "_") || w.ends_with("_" + word))) {
      return true;
    }
  }
  std::string undotted = word;
  std::erase(undotted, '.');
  if (out.contains(undotted)) return true;
  // A model name respelled apart from another (pch11_2), or a binned
  // family's name written as the bin an instance falls in (nch -> nch2);
  // either after the name of the subcircuit the card stands in
  // (cell_nch1).
  for (const std::string& w : out) {
    const std::size_t at = w.starts_with(undotted) ? 0 : w.find("_" + undotted);
    if (at == std::string::npos) continue;
    const std::size_t end = at + (at == 0 ? 0 : 1) + undotted.size();
    if (w.size() >= end && w.find_first_not_of("0123456789_", end) == std::string::npos &&
        (w.size() > end || at > 0)) {
      return true;
    }
  }
  if (!element_name) return false;
  std::vector<std::string> forms = {"x" + word};
  if (word[0] == 'f') forms.push_back("g" + word.substr(1));
  if (word[0] == 'h') forms.push_back("e" + word.substr(1));
  for (const std::string& form : forms) {
    for (const std::string& w : out) {
      if (w == form || (w.starts_with(form + "_") &&
                        w.find_first_not_of("0123456789", form.size() + 1) == std::string::npos)) {
        return true;
      }
    }
  }
  return false;
}

struct Statement {
  LineNumber line;
  std::string source;
};

// The statement at `line` (1-based) with its "+" lines.
Statement statement_at(const std::vector<std::string_view>& lines, LineNumber line) {
  std::string_view opening = lines[static_cast<std::size_t>(line - 1)];
  opening.remove_prefix(std::min(opening.size(), opening.find_first_not_of(" \t")));
  Statement statement{line, std::string(opening)};
  for (std::size_t i = static_cast<std::size_t>(line); i < lines.size(); ++i) {
    const std::string_view next = lines[i];
    const std::size_t first = next.find_first_not_of(" \t");
    if (first == std::string_view::npos || next[first] == '*') continue;
    if (next[first] != '+') break;
    statement.source += ' ';
    statement.source += next.substr(first + 1);
  }
  return statement;
}

std::string kind_of(const std::string& source) {
  std::string word;
  for (char c : source) {
    if (c == ' ' || c == '\t' || c == '(' || c == '\'' || c == '=') {
      if (word.empty()) continue;
      break;
    }
    word += lower_ascii(c);
  }
  return word;
}

class Conservation : public ::testing::TestWithParam<fs::path> {};

TEST_P(Conservation, EveryStatementWrittenKeepsItsNamesAndNumbers) {
  const std::string input = read_bytes(GetParam());
  const std::vector<std::string_view> lines = split_lines(input);
  Recorder recorder;
  TranslationReport report;
  TranslationOptions options;
  options.observer = &recorder;
  options.report = &report;
  RecordingSink log;
  TranslationOutput output;
  try {
    output = translate_text(input, options, log);
  } catch (const std::exception&) {
    GTEST_SKIP() << "ends in a fatal condition";
  }
  std::set<LineNumber> reported;
  for (const ReportedStatement& message : report.statements()) {
    if (message.severity != ReportSeverity::info) reported.insert(message.line);
  }
  std::map<LineNumber, const ReportedCard*> cards;
  for (const ReportedCard& card : report.cards()) cards[card.line] = &card;

  const auto text_of = [&](int target) -> const std::string& {
    return target == 0 ? output.main_text
                       : output.sections[static_cast<std::size_t>(target - 1)].text;
  };
  std::string problems;
  int checked = 0;
  for (std::size_t i = 0; i < recorder.begins.size(); ++i) {
    const Recorder::Begin& begin = recorder.begins[i];
    if (begin.line <= 0 || static_cast<std::size_t>(begin.line) > lines.size()) continue;
    if (reported.contains(begin.line)) continue;
    Statement statement = statement_at(lines, begin.line);
    // An .if condition is an expression: its < > & are operators.
    if (kind_of(statement.source) == ".if") {
      const std::size_t open = statement.source.find_first_of(" \t(");
      if (open != std::string::npos) {
        statement.source = ".if '" + statement.source.substr(open) + "'";
      }
    }
    const std::string kind = kind_of(statement.source);
    if (kind.empty() || kind[0] == '*' || kind[0] == '+' || kKindsLeftOut.contains(kind)) continue;
    // Up to the next statement's text (text may have been moved, so the
    // next in the text, not in the input).
    std::size_t end = text_of(begin.target).size();
    for (const Recorder::Begin& other : recorder.begins) {
      if (other.target == begin.target && other.offset > begin.offset && other.offset < end) {
        end = other.offset;
      }
    }
    const std::string written_text = text_of(begin.target).substr(begin.offset, end - begin.offset);
    if (written_text.find("****") != std::string::npos) continue;
    ++checked;
    const std::set<std::string> out = words_of(written_text, false);
    // The statement's first word: the element's name, or the statement's
    // own keyword.
    const std::set<std::string> first_words =
        words_of(statement.source.substr(0, statement.source.find_first_of(" \t(='")), true);
    const char letter = kind[0] == '.' ? '.' : kind[0];
    if (kind == ".model") {
      // The kind word is rewritten (lpnp, gasfet); an inductor card writes
      // nothing, its parameters all counted as dropped.
      const std::string kind_word = blank_kind_word(statement.source);
      if (kind_word == "l") continue;
      const auto card = cards.find(begin.line);
      statement.source =
          model_card_kept_part(statement.source, card == cards.end() ? nullptr : card->second);
    }
    for (const std::string& word :
         words_of(without_rewritten_parts(statement.source, letter), true)) {
      const bool element_name = kind[0] != '.' && first_words.contains(word);
      if (kind[0] == '.' && first_words.contains(word)) continue;
      if (kSyntaxWords.contains(word) && !element_name) continue;
      if (!written(word, out, element_name)) {
        problems += "line " + std::to_string(begin.line) + ": \"" + word + "\" is lost\n  " +
                    statement.source + "\n  -> " + written_text + "\n";
      }
    }
  }
  EXPECT_TRUE(problems.empty()) << problems;
  RecordProperty("statements_checked", checked);
}

std::string case_name(const ::testing::TestParamInfo<fs::path>& info) {
  std::string name =
      info.param.parent_path().filename().string() + "_" + info.param.filename().string();
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name + "_" + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(Files, Conservation, ::testing::ValuesIn(inputs()), case_name);

}  // namespace
}  // namespace corvane
