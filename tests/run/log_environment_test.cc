#include <gtest/gtest.h>

#include <cstdlib>

#include "run/log_environment.h"

namespace corvane {
namespace {

using MC = MessageCategory;

TEST(MessageFilter, CategoryWordsAndIdsWithOtherPiecesIgnored) {
  MessageFilter filter("status, FWK0042 ,abc");
  EXPECT_TRUE(filter.suppresses(MC::STATUS, 0));
  EXPECT_TRUE(filter.suppresses(MC::ERROR, 42));
  EXPECT_FALSE(filter.suppresses(MC::ERROR, 41));
  EXPECT_FALSE(filter.suppresses(MC::INFO, 0));
  filter.set_category(MC::STATUS, false);
  EXPECT_FALSE(filter.suppresses(MC::STATUS, 0));
}

TEST(MessageFilter, WordsIgnoreCaseButThePrefixDoesNot) {
  MessageFilter filter("Info,\"wArNiNg\", 17, fwk18");
  EXPECT_TRUE(filter.suppresses(MC::INFO, 1));
  EXPECT_TRUE(filter.suppresses(MC::WARNING, 1));
  EXPECT_FALSE(filter.suppresses(MC::ERROR, 1));
  EXPECT_TRUE(filter.suppresses(MC::ERROR, 17));
  EXPECT_FALSE(filter.suppresses(MC::ERROR, 18));
}

TEST(MessageFilter, FwkAloneSuppressesIdZeroButBlankPiecesDoNot) {
  EXPECT_TRUE(MessageFilter("FWK").suppresses(MC::STATUS, 0));
  EXPECT_FALSE(MessageFilter("FWK").suppresses(MC::STATUS, 1));
  MessageFilter blanks("error, ,  ,99999999999999999999");
  EXPECT_TRUE(blanks.suppresses(MC::ERROR, 5));
  EXPECT_FALSE(blanks.suppresses(MC::STATUS, 0));
}

TEST(MessageFilter, SettingKeepsAtMost511CharactersOfWholePieces) {
  const char* saved = std::getenv("CorvaneMsgFilter");
  std::string saved_value = saved ? saved : "";
  unsetenv("CorvaneMsgFilter");
  EXPECT_EQ(message_filter_setting(), "");
  std::string exact(511, 'x');
  setenv("CorvaneMsgFilter", exact.c_str(), 1);
  EXPECT_EQ(message_filter_setting(), exact);
  // The cut would leave "FWK12" of "FWK12345": the partial piece is dropped.
  setenv("CorvaneMsgFilter", (std::string(500, ' ') + ",info,FWK12345").c_str(), 1);
  EXPECT_EQ(message_filter_setting(), std::string(500, ' ') + ",info");
  setenv("CorvaneMsgFilter", (std::string(511, ' ') + ",error").c_str(), 1);
  EXPECT_EQ(message_filter_setting(), std::string(511, ' '));
  saved ? setenv("CorvaneMsgFilter", saved_value.c_str(), 1) : unsetenv("CorvaneMsgFilter");
}

}  // namespace
}  // namespace corvane
