#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cstddef>
#include <string>
#include <vector>

#include "support/run_fakes.h"
#include "support/sanitized.h"

extern char** environ;

namespace corvane {
namespace {

using testing::kSanitized;

// What a process takes before it reads its first byte (program, libraries,
// stacks); the rest is measured against the input.
constexpr long kBaselineKilobytes = 8 * 1024;

// Runs corvane on `arguments` and gives its peak resident memory in KB, or
// -1 when it did not end with status 0.
long peak_kilobytes(const std::vector<std::string>& arguments) {
  std::vector<std::string> words{CORVANE_BINARY, "-q"};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return -1;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  return usage.ru_maxrss;
}

class Memory : public ::testing::Test {
 protected:
  void SetUp() override {
    if (kSanitized) GTEST_SKIP() << "a sanitizer's own memory would be measured";
  }
  std::string path(const std::string& name) const { return scratch.file(name); }
  // Writes `text` as NAME and says how many KB it holds.
  long input(const std::string& name, const std::string& text) {
    testing::write_file(path(name), text);
    return static_cast<long>(text.size() / 1024);
  }
  testing::ScratchDirectory scratch;
};

// Inputs made to cost the most memory per byte still take at most three
// times their size: one expression of 8 MB (quoted, unquoted, nested
// parentheses) is echoed, not held as a tree; millions of tiny statements
// cost their output.
TEST_F(Memory, HostileInputsTakeAtMostThreeTimesTheirSize) {
  constexpr std::size_t kSize = 8 * 1024 * 1024;
  // The texts are written and let go before corvane starts: a child's peak
  // counts the test's own pages from before it ran its program.
  std::vector<std::pair<std::string, long>> sizes;
  {
    std::string sum = "1";
    while (sum.size() < kSize) sum += "+1";
    sizes.emplace_back("quoted.sp", input("quoted.sp", "* q\n.param x='" + sum + "'\n.end\n"));
    sizes.emplace_back("unquoted.sp", input("unquoted.sp", "* u\n.param x=" + sum + "\n.end\n"));
  }
  sizes.emplace_back("parens.sp",
                     input("parens.sp", "* p\n.param x='" + std::string(kSize / 2, '(') + "1" +
                                            std::string(kSize / 2, ')') + "'\n.end\n"));
  {
    std::string tiny = "* tiny\n";
    while (tiny.size() < kSize) tiny += "r1 a b 1\n";
    sizes.emplace_back("tiny.sp", input("tiny.sp", tiny));
  }
  for (const auto& [name, size] : sizes) {
    const long peak = peak_kilobytes({"-o", path(name + ".lib"), path(name)});
    ASSERT_GT(peak, 0) << name;
    EXPECT_LE(peak, 3 * size + kBaselineKilobytes) << name << ": " << peak << " KB for " << size;
  }
}

// Distinct names cannot all be forgotten: each one defined keeps its entry
// (sixteen bytes and its characters) and a slot of the names index, and the
// output is held until the pair is written. A line of short definitions
// ("p123=45 ", eight or nine bytes each) then takes about six times its size;
// what each definition's numbers and the index's growth cost is let go.
TEST_F(Memory, OneLineOfDistinctNamesCostsEachNameOnce) {
  long size = 0;
  {
    std::string line = "* names\n.param";
    for (int i = 0; line.size() < 8 * 1024 * 1024; ++i)
      line += " p" + std::to_string(i) + "=" + std::to_string(i % 97);
    size = input("names.sp", line + "\n.end\n");
  }
  const long peak = peak_kilobytes({"-o", path("names.lib"), path("names.sp")});
  ASSERT_GT(peak, 0);
  EXPECT_LE(peak, 6 * size + kBaselineKilobytes) << peak << " KB for " << size;
}

// A run of several files writes each pair when it is done: four inputs
// take no more than one of them.
TEST_F(Memory, ARunOfSeveralFilesHoldsOnePairAtATime) {
  std::string library = "* library\n";
  for (int i = 0; library.size() < 6 * 1024 * 1024; ++i) {
    library += "r" + std::to_string(i) + " n" + std::to_string(i) + " n" + std::to_string(i + 1) +
               " 1k\n.param p" + std::to_string(i % 1000) + "='w*2+" + std::to_string(i) + "'\n";
  }
  std::vector<std::string> four{"-d", path("out")};
  for (int i = 0; i < 4; ++i) {
    const std::string name = "lib" + std::to_string(i) + ".sp";
    input(name, library);
    four.push_back(path(name));
  }
  library = std::string();  // see above: not counted in the child's peak
  const long one = peak_kilobytes({"-d", path("out"), path("lib0.sp")});
  const long all = peak_kilobytes(four);
  ASSERT_GT(one, 0);
  ASSERT_GT(all, 0);
  EXPECT_LE(all, one + one / 4) << all << " KB for four files, " << one << " KB for one";
}

}  // namespace
}  // namespace corvane
