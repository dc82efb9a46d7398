#include "model_fixture.h"

#include <utility>

#include "core/scanner.h"
#include "core/token_stream.h"

namespace corvane::testing {

ModelFixture::ModelFixture(std::string text) : StatementFixture(std::move(text)) {
  next_token(ctx, MODE_NO_KEYWORDS);
  name = token_text(ctx);
  next_token(ctx, MODE_ALL_KEYWORDS);
}

}  // namespace corvane::testing
