#include "cli/host_input.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <thread>

#include "core/fatal_error.h"
#include "support/run_fakes.h"

namespace corvane {
namespace {

// The message of the FatalError `read` throws; empty when it throws none.
template <typename Read>
std::string fatal_text(Read read) {
  try {
    read();
  } catch (const FatalError& error) {
    return error.what();
  }
  return {};
}

TEST(HostInput, GivesTheBytesReadingGives) {
  testing::ScratchDirectory scratch;
  std::string bytes = "* library\r\n.model m1 nmos level=49\n+ vth0=0.4";
  bytes += std::string("\0\x1a\xff", 3);  // no end of line, odd bytes last
  bytes += std::string(300000, 'x');      // more than one block
  const std::string path = scratch.file("lib.sp");
  testing::write_file(path, bytes);
  EXPECT_EQ(read_host_input(path)->text(), bytes);
  EXPECT_EQ(read_host_input(path)->text(), read_input(path)->text());

  const std::string empty = scratch.file("empty.sp");
  testing::write_file(empty, "");
  EXPECT_EQ(read_host_input(empty)->text(), "");
}

TEST(HostInput, ReadsAPipeAsUsual) {
  testing::ScratchDirectory scratch;
  const std::string fifo = scratch.file("pipe.sp");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string bytes(200000, 'x');  // more than a pipe holds at once
  std::thread writer([&] {
    const int fd = ::open(fifo.c_str(), O_WRONLY);
    for (std::size_t done = 0; done < bytes.size();) {
      const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    ::close(fd);
  });
  const std::string text(read_host_input(fifo)->text());
  writer.join();
  EXPECT_EQ(text, bytes);
}

// A file that gives no size (as under /proc) is read to its end.
TEST(HostInput, ReadsAFileWithoutASizeToItsEnd) {
  if (!std::filesystem::exists("/proc/self/status")) GTEST_SKIP() << "no /proc";
  const std::string text(read_host_input("/proc/self/status")->text());
  EXPECT_NE(text.find("Name:"), std::string::npos);
}

TEST(HostInput, ReportsWhatCannotBeOpenedAsReadingDoes) {
  testing::ScratchDirectory scratch;
  for (const std::string& path : {scratch.file("none.sp"), scratch.directory()}) {
    const std::string host_error = fatal_text([&] { read_host_input(path); });
    EXPECT_NE(host_error, "");
    EXPECT_EQ(host_error, fatal_text([&] { read_input(path); }));
  }
}

// An input that never ends is read up to the limit, then refused; under it
// a stream is read whole.
TEST(HostInput, AStreamPastTheLimitIsRefused) {
  if (!std::filesystem::exists("/dev/zero")) GTEST_SKIP() << "no /dev/zero";
  constexpr std::size_t kLimit = 1 << 20;
  EXPECT_EQ(fatal_text([] { read_host_input("/dev/zero", kLimit); }),
            "corvane: /dev/zero: gave more than 1048576 bytes; an input that large must be a "
            "regular file\n");
  testing::ScratchDirectory scratch;
  const std::string fifo = scratch.file("pipe.sp");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string bytes(kLimit, 'y');
  std::thread writer([&] { testing::write_file(fifo, bytes); });
  const std::string text(read_host_input(fifo, kLimit)->text());
  writer.join();
  EXPECT_EQ(text.size(), kLimit);
}

}  // namespace
}  // namespace corvane
