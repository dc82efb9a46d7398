#include "elements/element_reading.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/keywords.h"
#include "core/names.h"
#include "core/scanner.h"
#include "core/token_stream.h"
#include "support/context_fixture.h"
#include "support/translation_support.h"

namespace corvane {
namespace {

using testing::StatementFixture;

// Reads the element name and `nodes` nodes of the fixture's first line.
void skip_to_slot(StatementFixture& fixture, int nodes) {
  next_token(fixture.ctx, MODE_NO_KEYWORDS);
  ASSERT_TRUE(read_element_nodes(fixture.ctx, MAIN_OUTPUT, nodes, "e"));
}

std::string written(TranslationContext& ctx, const TokenList& list) {
  ctx.outputs[MAIN_OUTPUT].clear();
  token_list_write(ctx, MAIN_OUTPUT, list);
  return ctx.outputs[MAIN_OUTPUT].str();
}

// Reads the element name of the fixture's line (its first token is
// current), then up to `count` nodes.
std::vector<std::string> name_and_nodes(StatementFixture& fixture, int count) {
  std::vector<std::string> words{read_element_name(fixture.ctx)};
  for (int i = 0; i < count; ++i) {
    std::string node;
    if (!read_node(fixture.ctx, node, MODE_NO_KEYWORDS)) break;
    words.push_back(node);
  }
  return words;
}

TEST(ReadNode, JoinsPiecesThatTouch) {
  struct Case {
    const char* line;
    std::vector<std::string> words;
  };
  const Case cases[] = {
      {"mXI1/MM8 N_XI1/NET08_d 0\n", {"mxi1/mm8", "n_xi1/net08_d", "0"}},
      {"XU1 a ADA4077-2\n", {"xu1", "a", "ada4077-2"}},
      {"X1 sram[0]->out b\n", {"x1", "sram[0]->out", "b"}},
      {"R1 1/2 3-a\n", {"r1", "1/2", "3-a"}},
      // A sign with a blank or the line end after it is a polarity suffix.
      {"E1 out+ out-\n", {"e1", "outp", "outn"}},
      {"E1 a-b- c\n", {"e1", "a-bn", "c"}},
      // A blank parts two names; a sign after a blank is no piece.
      {"R1 a /b\n", {"r1", "a"}},
      {"R1 a -1\n", {"r1", "a"}},
      // Joined names are kept whole beyond the length of a name.
      {"c1 N_XI999/NET08_XI999/MM8_d 0\n", {"c1", "n_xi999/net08_xi999/mm8_d", "0"}},
  };
  for (const Case& c : cases) {
    StatementFixture fixture(c.line);
    EXPECT_EQ(name_and_nodes(fixture, 2), c.words) << c.line;
  }
}

TEST(ReadNode, DoesNotJoinTheNextLine) {
  StatementFixture fixture("R1 a/b\n+c/d 10\n");
  EXPECT_EQ(name_and_nodes(fixture, 2), (std::vector<std::string>{"r1", "a/b", "c/d"}));
  EXPECT_EQ(token_text(fixture.ctx), "10");
}

TEST(ReadNode, LooksUpTheWordAfterANumberNodeAsAsked) {
  StatementFixture fixture("E1 1/2 0 vcvs\n");
  read_element_name(fixture.ctx);
  std::string node;
  ASSERT_TRUE(read_node(fixture.ctx, node, MODE_NO_KEYWORDS));
  EXPECT_EQ(node, "1/2");
  ASSERT_TRUE(read_node(fixture.ctx, node, MODE_ALL_KEYWORDS));
  EXPECT_EQ(node, "0");
  EXPECT_EQ(fixture.ctx.token_kind, kw("vcvs"));
}

TEST(ReadElementNodes, AppendsPolarityOnlyToTouchingSigns) {
  StatementFixture fixture("E1 out+ out- vcvs 2\nG2 out 0 a b -1m\n");
  TranslationContext& ctx = fixture.ctx;
  read_element_name(ctx);
  ASSERT_TRUE(read_element_nodes(ctx, MAIN_OUTPUT, 2, "e1"));
  EXPECT_EQ(ctx.output_nodes, (std::vector<std::string>{"outp", "outn"}));
  EXPECT_EQ(ctx.token_kind, kw("vcvs"));

  while (!ctx.statement_ended) next_token(ctx, MODE_NO_KEYWORDS);
  read_element_name(ctx);
  ASSERT_TRUE(read_element_nodes(ctx, MAIN_OUTPUT, 2, "g2"));
  std::string first;
  std::string second;
  ASSERT_TRUE(read_node(ctx, first, MODE_NO_KEYWORDS));
  ASSERT_TRUE(read_node(ctx, second, MODE_ALL_KEYWORDS));
  EXPECT_EQ(first + " " + second, "a b");
  EXPECT_EQ(ctx.token_kind, TOK_MINUS);  // the gain's sign, not node b's suffix
}

TEST(ReadElementNodes, RejectsAMissingNode) {
  StatementFixture fixture("E1 out = 1\nv1 a 0 1\n");
  TranslationContext& ctx = fixture.ctx;
  read_element_name(ctx);
  EXPECT_FALSE(read_element_nodes(ctx, MAIN_OUTPUT, 2, "e1"));
  EXPECT_EQ(ctx.outputs[MAIN_OUTPUT].str(), "**** E1 out = 1\n");
  EXPECT_EQ(fixture.sink.messages,
            std::vector<std::string>{"WARNING: Incorrect number of output nodes: (e1)"});
  EXPECT_EQ(token_text(ctx), "v1");
}

// A name is a model name when the file has a model of that name, also as
// the last item of its line (the element takes its value from the model);
// otherwise it is a value, an unknown model when more follows on its line.
TEST(ReadModelSlot, AKnownModelIsAModelWhereverItStands) {
  struct Case {
    const char* line;
    bool last_item;
  };
  const Case cases[] = {
      {"C1 a b cval\n", true},
      {"C1 a b cval", true},                 // no final line end
      {"C1 a b cval   \n", true},            // trailing blanks
      {"C1 a b cval\t$ load\n", true},       // a comment after it
      {"C1 a b cval 1p\n", false},           // something follows on the line
      {"C1 a b cval l=1u w=1u\r\n", false},  // keywords follow
      {"C1 a b cval\nC2 a b 1p\n", true},    // the next statement
      {"C1 a b cval\n+ m=2\n", true},        // a "+" line follows
  };
  for (const Case& c : cases) {
    for (const bool model_known : {false, true}) {
      StatementFixture fixture(c.line);
      if (model_known) note_model(fixture.ctx, "CVAL");
      skip_to_slot(fixture, 2);
      const ModelSlot slot = read_model_slot(fixture.ctx);
      EXPECT_EQ(slot.name, "cval") << c.line;
      EXPECT_EQ(slot.is_value, !model_known) << c.line << model_known;
      EXPECT_EQ(slot.unknown_model, !model_known) << c.line << model_known;
    }
  }
}

// A parameter in scope of the same name wins over a model: the subcircuit's
// own cval=1p, or a .param of the file.
TEST(ReadModelSlot, AParameterInScopeIsAValueBeforeAModel) {
  for (const bool local : {false, true}) {
    StatementFixture fixture("C1 a b cval\n");
    note_model(fixture.ctx, "cval");
    skip_to_slot(fixture, 2);
    if (local) {
      note_local_parameter(fixture.ctx, "cval");
    } else {
      note_top_parameter(fixture.ctx, "cval");
    }
    const ModelSlot slot = read_model_slot(fixture.ctx);
    EXPECT_TRUE(slot.is_value) << local;
    EXPECT_FALSE(slot.unknown_model) << local;
  }
}

TEST(ReadModelSlot, LooksUpKeywordsOnTheNextLine) {
  StatementFixture fixture("C1 a b cval\n+ m=2\n");
  skip_to_slot(fixture, 2);
  read_model_slot(fixture.ctx);
  EXPECT_FALSE(fixture.ctx.statement_ended);
  EXPECT_EQ(fixture.ctx.token_kind, kw("m"));
}

TEST(ReadModelSlot, LeavesTheSlotEmptyWithoutAName) {
  StatementFixture fixture("R1 a b 1k\n");
  skip_to_slot(fixture, 2);
  const ModelSlot slot = read_model_slot(fixture.ctx);
  EXPECT_TRUE(slot.name.empty());
  EXPECT_TRUE(is_number_kind(fixture.ctx.token_kind));
}

TEST(ReadElementNodes, NeverTakesANodeFromTheNextStatement) {
  StatementFixture fixture("R1 a\nR2 c d 2\n");
  next_token(fixture.ctx, MODE_NO_KEYWORDS);
  EXPECT_FALSE(read_element_nodes(fixture.ctx, MAIN_OUTPUT, 2, "r1"));
  EXPECT_TRUE(fixture.ctx.statement_ended);
  EXPECT_EQ(token_text(fixture.ctx), "r2");
  ASSERT_EQ(fixture.sink.messages.size(), 1U);
  EXPECT_EQ(fixture.sink.messages[0], "WARNING: Incorrect number of output nodes: (r1)");
  EXPECT_EQ(fixture.ctx.outputs[MAIN_OUTPUT].str(), "**** R1 a\n");
  // A value read after the rejection leaves the next statement alone too.
  TokenList list;
  read_value(fixture.ctx, list);
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(token_text(fixture.ctx), "r2");
}

TEST(ReadElementNodes, RecodesTheKindWordAfterTheNodes) {
  struct Case {
    const char* line;
    int nodes;
    int keyword;
  };
  const Case cases[] = {
      {"E1 a b vcvs c d 2\n", 2, kw("vcvs")}, {"E1 a b trans c d 2\n", 2, kw("transformer")},
      {"T1 a 0 b 0 zo=50\n", 4, kw("z0")},    {"T1 a 0 b 0 nl=1\n", 4, kw("nl")},
      {"R1 a b r=1k\n", 2, kw("r")},          {"G1 a b vccap pwl(1)\n", 2, kw("vccap")},
  };
  for (const Case& c : cases) {
    StatementFixture fixture(c.line);
    skip_to_slot(fixture, c.nodes);
    EXPECT_EQ(fixture.ctx.token_kind, c.keyword) << c.line;
  }
  // Other words stay names: they may be nodes or model names.
  StatementFixture fixture("E1 a b m 0 2\n");
  skip_to_slot(fixture, 2);
  EXPECT_EQ(fixture.ctx.token_kind, TOK_NAME);
}

TEST(ReadElementNodes, AppendsPolarityOfTouchingSigns) {
  StatementFixture fixture("E1 out+ out- in+ in -2\n");
  skip_to_slot(fixture, 2);
  std::string node;
  ASSERT_TRUE(read_node(fixture.ctx, node, MODE_NO_KEYWORDS));
  EXPECT_EQ(node, "inp");
  ASSERT_TRUE(read_node(fixture.ctx, node, MODE_ALL_KEYWORDS));
  EXPECT_EQ(node, "in");  // the minus is the gain's sign
  EXPECT_EQ(fixture.ctx.output_nodes, (std::vector<std::string>{"outp", "outn"}));
  EXPECT_EQ(fixture.ctx.token_kind, TOK_MINUS);
}

TEST(NextElementToken, PassesOverEmptyContinuationLines) {
  StatementFixture fixture("X1 a\n+\n+   $ nothing here\n+ b sub\n");
  next_element_token(fixture.ctx, MODE_NO_KEYWORDS);
  next_element_token(fixture.ctx, MODE_NO_KEYWORDS);
  EXPECT_FALSE(fixture.ctx.statement_ended);
  EXPECT_EQ(token_text(fixture.ctx), "b");
}

TEST(ReadValueSequence, TakesEveryNumberAndSignedValuesAfterCommas) {
  StatementFixture fixture("Q1 0.5,0,-0.2, vx 7 m=2\n");
  next_token(fixture.ctx, MODE_NO_KEYWORDS);
  const std::vector<TokenList> values = read_value_sequence(fixture.ctx);
  ASSERT_EQ(values.size(), 5U);
  EXPECT_EQ(written(fixture.ctx, values[2]), "-0.2 ");
  EXPECT_EQ(written(fixture.ctx, values[3]), "{ vx } ");
  EXPECT_EQ(written(fixture.ctx, values[4]), "7 ");
  EXPECT_EQ(fixture.ctx.token_kind, kw("m"));
}

TEST(ReadValueSequence, StopsAtASignAfterABlank) {
  StatementFixture fixture("Q1 1 -2\n");
  next_token(fixture.ctx, MODE_NO_KEYWORDS);
  EXPECT_EQ(read_value_sequence(fixture.ctx).size(), 1U);
  EXPECT_EQ(fixture.ctx.token_kind, TOK_MINUS);
}

TEST(ReadKeywordValue, ReportsAMissingEqualsAndAMissingValue) {
  {
    StatementFixture fixture("R1 m 2\nR2 a b 1\n");
    next_token(fixture.ctx, MODE_ALL_KEYWORDS);
    OptionalList value;
    EXPECT_FALSE(read_keyword_value(fixture.ctx, MAIN_OUTPUT, value, "bad R", "r1"));
    EXPECT_FALSE(value.has_value());
    EXPECT_EQ(fixture.sink.messages.back(),
              "WARNING: Unrecognized syntax when parsing statement ()");
    EXPECT_EQ(token_text(fixture.ctx), "r2");
  }
  {
    StatementFixture fixture("R1 m=\nR2 a b 1\n");
    next_token(fixture.ctx, MODE_ALL_KEYWORDS);
    OptionalList value;
    EXPECT_FALSE(read_keyword_value(fixture.ctx, MAIN_OUTPUT, value, "bad R", "r1"));
    EXPECT_EQ(fixture.sink.messages.back(), "WARNING: bad R (r1)");
    EXPECT_EQ(token_text(fixture.ctx), "r2");  // the next statement is left alone
  }
}

TEST(StartsValue, KnowsWhatCanBeginAValue) {
  StatementFixture fixture("R1 zz 1 -x 'e' ( m\n");
  TranslationContext& ctx = fixture.ctx;
  next_token(ctx, MODE_ALL_KEYWORDS);
  EXPECT_TRUE(starts_plain_value(ctx));  // zz
  next_token(ctx, MODE_ALL_KEYWORDS);
  EXPECT_TRUE(starts_plain_value(ctx));  // 1
  next_token(ctx, MODE_ALL_KEYWORDS);
  EXPECT_TRUE(starts_plain_value(ctx));  // -
  next_token(ctx, MODE_ALL_KEYWORDS);
  next_token(ctx, MODE_ALL_KEYWORDS);
  EXPECT_TRUE(starts_plain_value(ctx));  // '
  next_token(ctx, MODE_ALL_KEYWORDS);
  next_token(ctx, MODE_ALL_KEYWORDS);
  next_token(ctx, MODE_ALL_KEYWORDS);
  EXPECT_FALSE(starts_plain_value(ctx));  // (
  EXPECT_FALSE(starts_value(ctx));
  next_token(ctx, MODE_ALL_KEYWORDS);
  EXPECT_FALSE(starts_plain_value(ctx));  // the keyword m
  EXPECT_TRUE(starts_value(ctx));
  next_token(ctx, MODE_ALL_KEYWORDS);
  EXPECT_TRUE(ctx.statement_ended);
  EXPECT_FALSE(starts_value(ctx));
}

TEST(FoldFactor, WritesTheDocumentedForms) {
  StatementFixture fixture("R1 2 3 s\n");
  TranslationContext& ctx = fixture.ctx;
  next_token(ctx, MODE_NO_KEYWORDS);
  OptionalList value;
  read_positional_value(ctx, value);
  OptionalList factor;
  read_positional_value(ctx, factor);
  OptionalList name;
  read_positional_value(ctx, name);

  OptionalList braced = value;
  fold_factor(braced, *factor, TOK_STAR, true);
  EXPECT_EQ(written(ctx, *braced), "{ (2*3) } ");
  fold_factor(braced, *name, TOK_SLASH, true);
  EXPECT_EQ(written(ctx, *braced), "{ (((2*3))/(s)) } ");

  OptionalList plain = value;
  fold_factor_if(plain, factor, TOK_STAR, false);
  EXPECT_EQ(written(ctx, *plain), "(2*3) ");
  fold_factor_if(plain, OptionalList(), TOK_STAR, false);
  EXPECT_EQ(written(ctx, *plain), "(2*3) ");

  // An absent value becomes the factor alone.
  OptionalList absent;
  fold_factor(absent, *factor, TOK_STAR, false);
  EXPECT_EQ(written(ctx, *absent), "3 ");
}

TEST(TextList, KeepsLongTextsWhole) {
  StatementFixture fixture("E1\n");
  const std::string text = "v(a_rather_long_node,another_long_node)";
  EXPECT_EQ(written(fixture.ctx, text_list(fixture.ctx, text, TOK_NAME)), text + " ");
}

struct Fields {
  OptionalList first, second;
};

TEST(FindKeywordField, FindsTheFieldOfTheCurrentKeyword) {
  constexpr KeywordField<Fields> kTable[] = {{kw("m"), &Fields::first},
                                             {kw("scale"), &Fields::second}};
  StatementFixture fixture("R1 scale m w\n");
  TranslationContext& ctx = fixture.ctx;
  Fields fields;
  next_token(ctx, MODE_ALL_KEYWORDS);
  EXPECT_EQ(find_keyword_field<Fields>(ctx, kTable, fields), &fields.second);
  next_token(ctx, MODE_ALL_KEYWORDS);
  EXPECT_EQ(find_keyword_field<Fields>(ctx, kTable, fields), &fields.first);
  next_token(ctx, MODE_ALL_KEYWORDS);
  EXPECT_EQ(find_keyword_field<Fields>(ctx, kTable, fields), nullptr);
}

}  // namespace
}  // namespace corvane
