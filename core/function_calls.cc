#include "core/function_calls.h"

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
