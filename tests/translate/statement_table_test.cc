#include "translate/statement_table.h"

#include <gtest/gtest.h>

#include <string>

#include "control/output_requests.h"
#include "core/keywords.h"

namespace corvane {
namespace {

constexpr StatementScope kScopes[] = {StatementScope::top, StatementScope::subckt_body,
                                      StatementScope::section};

// A row that translates without a handler, or rejects without a message,
// would crash or report nothing.
TEST(StatementTable, EveryUseIsComplete) {
  int rows = 0;
  for (int code = 0; code <= KEYWORD_LAST_CODE; ++code) {
    const StatementRow* row = find_statement_row(code);
    if (row == nullptr) continue;
    ++rows;
    EXPECT_EQ(row->code, code);
    for (StatementScope scope : kScopes) {
      const StatementUse& use = row->in(scope);
      EXPECT_EQ(use.action == StatementAction::translate, use.handler != nullptr) << code;
      EXPECT_EQ(use.action == StatementAction::reject, !use.message.empty()) << code;
    }
  }
  EXPECT_GE(rows, 40);
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    const ElementRow* row = find_element_row(letter);
    if (row == nullptr) continue;
    EXPECT_EQ(row->letter, letter);
    EXPECT_EQ(row->use.action == StatementAction::translate, row->use.handler != nullptr);
    EXPECT_EQ(row->use.action == StatementAction::reject, !row->use.message.empty());
  }
}

TEST(StatementTable, EachScopeAllowsItsOwnStatements) {
  const StatementRow* model = find_statement_row(kw(".model"));
  ASSERT_NE(model, nullptr);
  for (StatementScope scope : kScopes) {
    EXPECT_EQ(model->in(scope).action, StatementAction::translate);
  }
  const StatementRow* subckt = find_statement_row(kw(".subckt"));
  ASSERT_NE(subckt, nullptr);
  // A definition inside a definition is taken whole (and echoed), never
  // left to close the outer one at its .ends.
  EXPECT_EQ(subckt->in(StatementScope::subckt_body).handler, translate_nested_subckt);
  EXPECT_EQ(find_statement_row(kw(".ic"))->in(StatementScope::section).handler,
            translate_initial_conditions_to_main);
  EXPECT_EQ(find_statement_row(kw(".options"))->in(StatementScope::section).action,
            StatementAction::not_here);
  EXPECT_EQ(find_statement_row(kw(".endl")), nullptr);
}

TEST(StatementTable, ElementLettersAreTheSpiceOnes) {
  std::string letters;
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    if (find_element_row(letter) != nullptr) letters += letter;
  }
  EXPECT_EQ(letters, "cdefghijklmqrtuvwx");
  EXPECT_EQ(find_element_row('z'), nullptr);
  EXPECT_EQ(find_element_row('.'), nullptr);
  EXPECT_EQ(find_element_row('\0'), nullptr);
}

}  // namespace
}  // namespace corvane
