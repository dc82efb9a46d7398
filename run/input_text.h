#pragma once

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

/// Opens an input for a run; throws FatalError as `read_input_file` does.
using InputReader = std::function<std::unique_ptr<InputText>(const std::string& path)>;

/// The portable reader: the whole file read into memory.
std::unique_ptr<InputText> read_input(const std::string& path);

}  // namespace corvane
