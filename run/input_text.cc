#include "run/input_text.h"

#include <utility>

#include "run/output_files.h"

namespace corvane {
namespace {

class ReadInput final : public InputText {
 public:
  explicit ReadInput(std::string text) : text_(std::move(text)) {}
  std::string_view text() const override { return text_; }

 private:
  std::string text_;
};

}  // namespace

std::unique_ptr<InputText> read_input(const std::string& path) {
  return std::make_unique<ReadInput>(read_input_file(path));
}

}  // namespace corvane
