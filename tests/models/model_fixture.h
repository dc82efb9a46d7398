#pragma once

#include <string>

#include "support/context_fixture.h"

namespace corvane::testing {

/// A context reading `text`, a `.model` statement and what follows it, with
/// the card's kind word current: where the model readers start.
struct ModelFixture : StatementFixture {
  explicit ModelFixture(std::string text);
  std::string name;  // the model name as read
};

}  // namespace corvane::testing
