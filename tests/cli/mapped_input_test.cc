#include "cli/mapped_input.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <thread>

#include "core/fatal_error.h"
#include "support/run_fakes.h"

namespace corvane {
namespace {

TEST(MappedInput, GivesTheBytesReadingGives) {
  testing::ScratchDirectory scratch;
  std::string bytes = "* library\r\n.model m1 nmos level=49\n+ vth0=0.4";
  bytes += std::string("\0\x1a\xff", 3);  // no end of line, odd bytes last
  const std::string path = scratch.file("lib.sp");
  testing::write_file(path, bytes);
  EXPECT_EQ(map_input(path)->text(), bytes);
  EXPECT_EQ(map_input(path)->text(), read_input(path)->text());

  const std::string empty = scratch.file("empty.sp");
  testing::write_file(empty, "");
  EXPECT_EQ(map_input(empty)->text(), "");
}

TEST(MappedInput, ReadsAPipeAsUsual) {
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
  const std::string text(map_input(fifo)->text());
  writer.join();
  EXPECT_EQ(text, bytes);
}

TEST(MappedInput, ReportsAMissingFileAsReadingDoes) {
  testing::ScratchDirectory scratch;
  const std::string missing = scratch.file("none.sp");
  std::string mapped_error;
  std::string read_error;
  try {
    map_input(missing);
  } catch (const FatalError& error) {
    mapped_error = error.what();
  }
  try {
    read_input(missing);
  } catch (const FatalError& error) {
    read_error = error.what();
  }
  EXPECT_NE(mapped_error, "");
  EXPECT_EQ(mapped_error, read_error);
}

}  // namespace
}  // namespace corvane
