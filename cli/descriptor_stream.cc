#include "cli/descriptor_stream.h"

#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <utility>

namespace corvane {

DescriptorStream::DescriptorStream(int fd, std::string name, std::function<void()> before_write)
    : fd_(fd), name_(std::move(name)), before_write_(std::move(before_write)) {}

bool DescriptorStream::write(std::string_view text) {
  if (before_write_) before_write_();
  // A pipe takes part of a large text at a time; a signal may cut a write short.
  while (!text.empty()) {
    const ssize_t n = ::write(fd_, text.data(), text.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      error_ = n < 0 ? errno : EIO;
      return false;
    }
    text.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

std::string DescriptorStream::failure() const {
  return error_ == 0 ? std::string() : std::generic_category().message(error_);
}

}  // namespace corvane
