#include "core/function_calls.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <string_view>

namespace corvane {
namespace {

struct CallRewrite {
  std::string_view hspice;
  std::string_view ondrel;
};

constexpr CallRewrite kCallRewrites[] = {
    {"pow(", "pwr("},
    {"pwr(", "pwrs("},
    {"db(", "20*log10("},
    {"sign(", "sgn("},
};

constexpr std::string_view kDistributionCalls[] = {"unif(", "aunif(", "gauss(", "agauss(",
                                                   "limit("};

// HSPICE's built-in functions and output calls, in lower case.
constexpr std::string_view kFunctionNames[] = {
    "abs",   "acos",  "agauss", "asin", "atan",  "aunif", "ceil",  "cos",  "cosh", "db",   "exp",
    "floor", "gauss", "i",      "int",  "limit", "log",   "log10", "max",  "min",  "nint", "pow",
    "pwr",   "sgn",   "sign",   "sin",  "sinh",  "sqrt",  "tan",   "tanh", "unif", "v"};

}  // namespace

std::string_view ondrel_call(std::string_view call) {
  for (const CallRewrite& rewrite : kCallRewrites) {
    if (call == rewrite.hspice) return rewrite.ondrel;
  }
  return call;
}

bool is_function_name(std::string_view name) {
  for (std::string_view function : kFunctionNames) {
    if (function.size() == name.size() &&
        std::equal(name.begin(), name.end(), function.begin(), [](char a, char b) {
          return std::tolower(static_cast<unsigned char>(a)) == b;
        })) {
      return true;
    }
  }
  return false;
}

void report_distribution_calls(TranslationContext& ctx, std::string_view text) {
  for (std::size_t open = text.find('('); open != std::string_view::npos;
       open = text.find('(', open + 1)) {
    std::size_t name_end = open;  // a blank may stand before the "(": "gauss (0,1,3)"
    while (name_end > 0 && (text[name_end - 1] == ' ' || text[name_end - 1] == '\t')) --name_end;
    std::size_t start = name_end;
    while (start > 0 &&
           (std::isalnum(static_cast<unsigned char>(text[start - 1])) || text[start - 1] == '_')) {
      --start;
    }
    std::string call(text.substr(start, name_end - start));
    call += '(';
    for (char& c : call) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (std::find(std::begin(kDistributionCalls), std::end(kDistributionCalls), call) !=
            std::end(kDistributionCalls) &&
        ctx.log != nullptr) {
      ctx.log->post_status("HSPICE distribution functions are unsupported by translator");
    }
  }
}

void rewrite_function_call(TranslationContext& ctx, std::string& call) {
  if (const std::string_view ondrel = ondrel_call(call); ondrel != call) {
    call.assign(ondrel);
    return;
  }
  for (std::string_view distribution : kDistributionCalls) {
    if (call == distribution) {
      if (ctx.log != nullptr) {
        ctx.log->post_status("HSPICE distribution functions are unsupported by translator");
      }
      return;
    }
  }
}

}  // namespace corvane
