#pragma once

#include <string>
#include <string_view>

namespace corvane {

/// A stream a front end lends a run in place of a file, such as the
/// process's standard output.
class TextStream {
 public:
  virtual ~TextStream() = default;
  /// What the stream is, for messages and reports ("standard output").
  virtual std::string name() const = 0;
  /// Writes all of `text`; false when it could not.
  virtual bool write(std::string_view text) = 0;
  /// Why the last write failed, in words ("No space left on device").
  virtual std::string failure() const = 0;
};

/// Where each pair's translation and log go when they go to streams rather
/// than to files beside its output path. A translation with section files
/// cannot: they are files by their nature.
struct PairStreams {
  TextStream& translation;
  TextStream& log;
};

}  // namespace corvane
