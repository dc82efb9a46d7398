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

}  // namespace

std::string_view ondrel_call(std::string_view call) {
  for (const CallRewrite& rewrite : kCallRewrites) {
    if (call == rewrite.hspice) return rewrite.ondrel;
  }
  return call;
}

void report_distribution_calls(TranslationContext& ctx, std::string_view text) {
  for (std::size_t open = text.find('('); open != std::string_view::npos;
       open = text.find('(', open + 1)) {
    std::size_t start = open;
    while (start > 0 &&
           (std::isalnum(static_cast<unsigned char>(text[start - 1])) || text[start - 1] == '_')) {
      --start;
    }
    std::string call(text.substr(start, open + 1 - start));
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
