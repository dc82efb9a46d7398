#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace corvane {

/// An input file's bytes, however the host holds them: read into memory, or
/// mapped from the file where the host can map files.
class InputText {
 public:
  virtual ~InputText() = default;
  virtual std::string_view text() const = 0;
};

/// The most bytes read from an input that is no regular file (a pipe, a
/// device): /dev/zero or an endless pipe would otherwise be read until
/// memory runs out.
inline constexpr std::size_t kLargestStreamedInput = std::size_t{512} << 20;

/// Opens an input for a run; throws FatalError as `read_input_file` does.
using InputReader = std::function<std::unique_ptr<InputText>(const std::string& path)>;

/// The portable reader: the whole file read into memory.
std::unique_ptr<InputText> read_input(const std::string& path);

}  // namespace corvane
