// The fuzz target: any bytes through the in-memory translator. A fatal
// condition (a number literal too long) is an expected outcome; anything
// else that escapes, or a sanitizer report, is a failure.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/fatal_error.h"
#include "core/translate_file.h"
#include "fuzz/fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  for (bool single_subckt : {true, false}) {
    corvane::RecordingSink sink;
    try {
      corvane::TranslationOptions options;
      options.mos_family_single_subckt = single_subckt;
      options.global_names = {"vdd", "gnd"};
      (void)corvane::translate_text(input, options, sink);
    } catch (const corvane::FatalError&) {
    }
  }
  return 0;
}
