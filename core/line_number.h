#pragma once

#include <cstdint>

namespace corvane {

/// A physical line of an input, counted from 1. Wider than int: an input of
/// more than 2^31 lines (2 GB of blank lines) is readable.
using LineNumber = std::int64_t;

}  // namespace corvane
