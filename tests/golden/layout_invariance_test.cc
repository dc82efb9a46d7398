// Every golden input and the example library, written differently: CRLF
// line ends, a trailing Ctrl-Z, upper case, blanks widened with tabs. Each
// must translate as the plain file does: the same bytes for the first two;
// for upper case, the same text up to case; for the widened blanks, the
// same text up to the width of blank runs (comment and echo lines keep the
// source's blanks).

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/fatal_error.h"
#include "translate/translate_file.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

fs::path source_root() {
  const char* source = std::getenv("CORVANE_SOURCE_DIR");
  return fs::path(source != nullptr ? source : CORVANE_SOURCE_DIR);
}

std::vector<std::string> find_inputs() {
  std::vector<std::string> inputs;
  std::error_code error;
  for (const auto& entry :
       fs::recursive_directory_iterator(source_root() / "tests" / "golden", error)) {
    if (entry.path().extension() == ".sp") inputs.push_back(entry.path().string());
  }
  inputs.push_back((source_root() / "examples" / "foundry_corners.lib").string());
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

std::string read_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Everything a translation gives, as one text: outputs, messages, console
// text, or the text of the fatal condition that stopped it.
std::string translated(const std::string& input) {
  RecordingSink sink;
  std::string all;
  try {
    const TranslationOutput output = translate_text(input, {}, sink);
    all = output.main_text;
    for (const OutputSection& section : output.sections) {
      all += "\n=== section " + section.name + "\n" + section.text;
    }
    all += "\n=== console\n" + output.console;
  } catch (const FatalError& error) {
    all = std::string("\n=== fatal\n") + error.what();
  }
  all += "\n=== messages\n";
  for (const std::string& message : sink.messages) all += message + "\n";
  return all;
}

std::string with_crlf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

std::string lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

std::string upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

// Each blank becomes blank, tab, blank: the layout changes, the tokens and
// what touches what do not.
std::string widened(const std::string& text) {
  std::string out;
  for (char c : text) out += c == ' ' ? std::string(" \t ") : std::string(1, c);
  return out;
}

// Runs of blanks and tabs as one blank; none at a line's end.
std::string blanks_normalised(const std::string& text) {
  std::string out;
  bool in_blanks = false;
  for (char c : text) {
    if (c == ' ' || c == '\t') {
      in_blanks = true;
      continue;
    }
    if (in_blanks && c != '\n' && !out.empty() && out.back() != '\n') out += ' ';
    in_blanks = false;
    out += c;
  }
  return out;
}

class LayoutInvariance : public ::testing::TestWithParam<std::string> {};

TEST_P(LayoutInvariance, TranslatesAsThePlainFile) {
  const std::string plain = read_bytes(GetParam());
  ASSERT_FALSE(plain.empty());
  const std::string expected = translated(plain);
  EXPECT_EQ(translated(with_crlf(plain)), expected) << "CRLF line ends";
  EXPECT_EQ(translated(plain + "\x1a"), expected) << "a trailing Ctrl-Z";
  EXPECT_EQ(lower(translated(upper(plain))), lower(expected)) << "upper case";
  EXPECT_EQ(blanks_normalised(translated(widened(plain))), blanks_normalised(expected))
      << "blanks widened with tabs";
}

std::string case_name(const ::testing::TestParamInfo<std::string>& info) {
  std::string name = fs::relative(info.param, source_root()).replace_extension().string();
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(AllInputs, LayoutInvariance, ::testing::ValuesIn(find_inputs()),
                         case_name);

}  // namespace
}  // namespace corvane
