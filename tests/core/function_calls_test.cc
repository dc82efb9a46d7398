#include "core/function_calls.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "translate/translate_file.h"

namespace corvane {
namespace {

TEST(RewriteFunctionCall, RespellsTheCallsOndrelWritesDifferently) {
  TranslationContext ctx;
  const std::pair<std::string, std::string> rows[] = {
      {"pow(", "pwr("}, {"pwr(", "pwrs("}, {"db(", "20*log10("}, {"sign(", "sgn("},
      {"int(", "int("}, {"max(", "max("},  {"sqrt(", "sqrt("},
  };
  for (const auto& [hspice, ondrel] : rows) {
    std::string call = hspice;
    rewrite_function_call(ctx, call);
    EXPECT_EQ(call, ondrel) << hspice;
  }
}

TEST(RewriteFunctionCall, ReportsEachDistributionFunction) {
  RecordingSink sink;
  TranslationContext ctx;
  ctx.log = &sink;
  for (std::string call : {"unif(", "aunif(", "gauss(", "agauss(", "limit("}) {
    rewrite_function_call(ctx, call);
  }
  std::string other = "sin(";
  rewrite_function_call(ctx, other);
  EXPECT_EQ(sink.messages, std::vector<std::string>(
                               5, "HSPICE distribution functions are unsupported by translator"));
}

}  // namespace
}  // namespace corvane
