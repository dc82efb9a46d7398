#pragma once

#include <stdexcept>
#include <string>

namespace corvane {

enum class StandardStream { output, error };

/// One of the conditions that end a translation run: an input that cannot be
/// read, an output that cannot be created, a number literal too long. The
/// text is printed as it stands on the stream named.
class FatalError : public std::runtime_error {
 public:
  FatalError(StandardStream stream, const std::string& text)
      : std::runtime_error(text), stream_(stream) {}
  StandardStream stream() const { return stream_; }

 private:
  StandardStream stream_;
};

}  // namespace corvane
