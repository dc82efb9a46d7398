#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "run/text_stream.h"

namespace corvane {

/// A text stream on a file descriptor of the process (standard output or
/// error), written with write() itself: nothing waits in a buffer, and a
/// failure (a reader that has gone, a full disk) is known at the write that
/// met it, with its reason.
class DescriptorStream final : public TextStream {
 public:
  /// `before_write`, when given, runs before each write (a progress bar is
  /// taken off the terminal line the text goes to).
  DescriptorStream(int fd, std::string name, std::function<void()> before_write = {});

  std::string name() const override { return name_; }
  bool write(std::string_view text) override;
  std::string failure() const override;

 private:
  int fd_;
  std::string name_;
  std::function<void()> before_write_;
  int error_ = 0;  // errno of the last failed write
};

}  // namespace corvane
