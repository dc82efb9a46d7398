#include "ngspice_limits.h"

#include <algorithm>
#include <regex>

namespace corvane::simulation {
namespace {

std::string replace_all(const std::string& text, const std::regex& pattern,
                        const std::string& replacement) {
  return std::regex_replace(text, pattern, replacement);
}

// Ondrel takes a device's area as a positional brace expression after the
// model name ("D a c dmod { area*m }"); ngspice splits the expression at its
// blanks unless it is given as area=.
std::string area_as_keyword(const std::string& text) {
  static const std::regex kPositionalArea(R"(^([dDqQjJ]\S*\s+[^{\n]*\S)\s+\{([^{}\n]*)\}\s*$)",
                                          std::regex::multiline);
  return replace_all(text, kPositionalArea, "$1 area={$2}");
}

// ngspice's MOSFET models have no nrg and nrb instance parameters (gate and
// bulk resistance squares); the wrapper passes them on continuation lines.
std::string without_nrg_nrb(const std::string& text) {
  static const std::regex kLine(R"(^\+ nr[gb] = \{ nr[gb] \}\n)", std::regex::multiline);
  return replace_all(text, kLine, "");
}

// ngspice numbers BSIM3v3 as level 8; Ondrel's BSIM3v3 is level 7. Ondrel's
// is version 3.1, ngspice's by default 3.3.
std::string bsim3v3_level(const std::string& text) {
  static const std::regex kLevel(R"(^\+ level = 7 $)", std::regex::multiline);
  return replace_all(text, kLevel, "+ level = 8 \n+ version = 3.1 ");
}

// ngspice has no pwrs(); its pwr() is the signed power that Ondrel calls
// pwrs().
std::string signed_power(const std::string& text) {
  if (text.find("pwrs(") == std::string::npos) return text;
  const std::size_t title_end = text.find('\n');
  if (title_end == std::string::npos) return text;
  return text.substr(0, title_end + 1) + ".func pwrs(x, y) {pwr(x, y)}\n" +
         text.substr(title_end + 1);
}

// Ondrel makes a node global by its "$G_" prefix; ngspice takes "$" for the
// start of a comment. The prefix becomes kGlobalPrefix, and the names are
// declared .global, which is what the prefix means.
std::string global_nodes(const std::string& text) {
  static const std::regex kGlobal(R"(\$G_([^\s(),=]+))");
  std::vector<std::string> names;
  for (auto match = std::sregex_iterator(text.begin(), text.end(), kGlobal);
       match != std::sregex_iterator(); ++match) {
    const std::string name = std::string(kGlobalPrefix) + (*match)[1].str();
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
  }
  const std::size_t title_end = text.find('\n');
  if (names.empty() || title_end == std::string::npos) return text;
  std::string declaration = ".global";
  for (const std::string& name : names) declaration += " " + name;
  return text.substr(0, title_end + 1) + declaration + "\n" +
         std::regex_replace(text.substr(title_end + 1), std::regex(R"(\$G_)"),
                            std::string(kGlobalPrefix));
}

// Ondrel's IF(condition, x, y) is ngspice's ternary_fcn, and the logical
// operators & | ~ of its conditions are ngspice's && || !.
std::string conditional_function(const std::string& text) {
  if (text.find("IF(") == std::string::npos) return text;
  std::string edited = std::regex_replace(text, std::regex(R"(\bIF\()"), "ternary_fcn(");
  edited = std::regex_replace(edited, std::regex(R"(([^&])&([^&]))"), "$1&&$2");
  edited = std::regex_replace(edited, std::regex(R"(([^|])\|([^|]))"), "$1||$2");
  return std::regex_replace(edited, std::regex(R"(~)"), "!");
}

// Ondrel's `.lib "FILE"` reads the whole file; ngspice's .lib wants a
// section name, and reads a whole file with .include.
std::string whole_file_library(const std::string& text) {
  static const std::regex kLibrary(R"(^\.lib ("[^"]*")\s*$)", std::regex::multiline);
  return replace_all(text, kLibrary, ".include $1");
}

}  // namespace

const std::vector<LimitEdit>& ngspice_limit_edits() {
  static const std::vector<LimitEdit> kEdits = {
      {"a positional { area } on a device line is split at its blanks", area_as_keyword},
      {"MOSFETs take no nrg or nrb", without_nrg_nrb},
      {"BSIM3v3 is level 8, not 7", bsim3v3_level},
      {"no pwrs() function", signed_power},
      {"no IF(); its conditional is ternary_fcn() with && || !", conditional_function},
      {".lib needs a section; a whole file is .include", whole_file_library},
      {"\"$\" starts a comment, so no \"$G_\" global nodes", global_nodes},
  };
  return kEdits;
}

std::string for_ngspice(std::string text) {
  for (const LimitEdit& edit : ngspice_limit_edits()) text = edit.apply(text);
  return text;
}

}  // namespace corvane::simulation
