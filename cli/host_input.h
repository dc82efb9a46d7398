#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "run/input_text.h"

namespace corvane {

/// An input reader that reads with the host's read(): a regular file in one
/// piece of the size it has when opened, anything else (a pipe, a device, a
/// file that gives no size) in blocks of up to `limit` bytes in all. The bytes are copied, not
/// mapped: a file another program cuts short while it is translated cannot
/// fault. Throws FatalError, as the run reports an input: when it cannot be
/// opened (as `read_input` does); when a regular file turns out shorter
/// than it was (cut short while read); when a stream passes `limit`.
std::unique_ptr<InputText> read_host_input(const std::string& path,
                                           std::size_t limit = kLargestStreamedInput);

}  // namespace corvane
