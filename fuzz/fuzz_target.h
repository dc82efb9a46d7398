#pragma once

#include <cstddef>
#include <cstdint>

/// Translates any bytes in memory; the entry libFuzzer calls.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
