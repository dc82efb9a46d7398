#include "run/json_writer.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane {
namespace {

std::string json_quoted(std::string_view text) {
  std::string out;
  append_json_string(out, text);
  return out;
}

TEST(JsonString, EscapesQuoteAndBackslashButNotSlash) {
  EXPECT_EQ(json_quoted(R"(a"b\c/d)"), R"("a\"b\\c/d")");
  EXPECT_EQ(json_quoted(""), R"("")");
}

TEST(JsonString, WritesEveryControlCharacterAsAUnicodeEscape) {
  EXPECT_EQ(json_quoted("\n\t\r\b\f"), R"("\u000a\u0009\u000d\u0008\u000c")");
  EXPECT_EQ(json_quoted(std::string_view("a\0b", 3)), R"("a\u0000b")");
  EXPECT_EQ(json_quoted("\x01\x1f\x7f"), R"("\u0001\u001f\u007f")");
  EXPECT_EQ(json_quoted(" ~"), R"(" ~")");  // the printable ends pass
}

TEST(JsonString, PassesWellFormedUtf8Through) {
  const std::string text = "\xC3\xA9 \xE2\x82\xAC \xF0\x9D\x84\x9E \xED\x9F\xBF \xF4\x8F\xBF\xBF";
  EXPECT_EQ(json_quoted(text), '"' + text + '"');
}

TEST(JsonString, ReadsOtherHighBytesAsLatin1) {
  EXPECT_EQ(json_quoted("caf\xE9"), R"("caf\u00e9")");
  EXPECT_EQ(json_quoted("\x80\xBF"), R"("\u0080\u00bf")");            // lone continuation bytes
  EXPECT_EQ(json_quoted("\xC0\x80"), R"("\u00c0\u0080")");            // overlong NUL
  EXPECT_EQ(json_quoted("\xE0\x9F\xBF"), R"("\u00e0\u009f\u00bf")");  // overlong three bytes
  EXPECT_EQ(json_quoted("\xED\xA0\x80"), R"("\u00ed\u00a0\u0080")");  // a surrogate
  EXPECT_EQ(json_quoted("\xF4\x90\x80\x80"), R"("\u00f4\u0090\u0080\u0080")");  // past U+10FFFF
  EXPECT_EQ(json_quoted("\xF5\xFF"), R"("\u00f5\u00ff")");
  EXPECT_EQ(json_quoted("x\xE2\x82"), R"("x\u00e2\u0082")");  // cut short by the end
  EXPECT_EQ(json_quoted("\xE2\x82x"), R"("\u00e2\u0082x")");  // cut short by an ASCII byte
  // A bad byte does not swallow the good sequence after it.
  EXPECT_EQ(json_quoted("\xFF\xC3\xA9"), "\"\\u00ff\xC3\xA9\"");
}

TEST(JsonWriter, IndentsContainersAndKeepsOneLineOnesTogether) {
  JsonWriter json;
  json.begin_object();
  json.key("n");
  json.number(-3);
  json.key("list");
  json.begin_array(true);
  json.string("a");
  json.begin_object();  // inside a one-line container: on the line too
  json.key("t");
  json.boolean(true);
  json.end_object();
  json.null();
  json.end_array();
  json.key("empty");
  json.begin_array();
  json.end_array();
  json.key("nested");
  json.begin_array();
  json.begin_object();
  json.key("f");
  json.boolean(false);
  json.end_object();
  json.begin_object();
  json.end_object();
  json.end_array();
  json.end_object();
  EXPECT_EQ(json.take(),
            "{\n"
            "  \"n\": -3,\n"
            "  \"list\": [\"a\", {\"t\": true}, null],\n"
            "  \"empty\": [],\n"
            "  \"nested\": [\n"
            "    {\n"
            "      \"f\": false\n"
            "    },\n"
            "    {}\n"
            "  ]\n"
            "}\n");
}

TEST(JsonWriter, EscapesKeys) {
  JsonWriter json;
  json.begin_object(true);
  json.key("a\"b\n");
  json.number(1);
  json.end_object();
  EXPECT_EQ(json.take(), "{\"a\\\"b\\u000a\": 1}\n");
}

}  // namespace
}  // namespace corvane
