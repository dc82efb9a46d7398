#ifndef CORVANE_UTIL_TESTS_IO_COM_TEST_SUPPORT_H_
#define CORVANE_UTIL_TESTS_IO_COM_TEST_SUPPORT_H_

#include <cstdint>
#include <vector>

#include "corvane/util/io_com.h"

// Sees what no member of ioCom shows: the capacity and the bytes past the
// data.
struct ioComProbe {
  static int capacity(const ioCom& stream) { return stream.capacity_; }
  static std::vector<std::uint8_t> buffer(const ioCom& stream) {
    return {stream.buffer_.get(), stream.buffer_.get() + stream.capacity_};
  }
};

// The bytes a receiver of the stream's VARIANT finds in its array.
inline std::vector<std::uint8_t> bytes_of(const VARIANT& variant) {
  std::int32_t lower = 0;
  std::int32_t upper = -1;
  SafeArrayGetLBound(variant.parray, 1, &lower);
  SafeArrayGetUBound(variant.parray, 1, &upper);
  void* data = nullptr;
  SafeArrayAccessData(variant.parray, &data);
  const auto* first = static_cast<const std::uint8_t*>(data);
  std::vector<std::uint8_t> bytes(first, first + (upper - lower + 1));
  SafeArrayUnaccessData(variant.parray);
  return bytes;
}

inline std::vector<std::uint8_t> bytes_of(ioCom& stream) {
  const VARIANT variant = stream;
  return bytes_of(variant);
}

#endif  // CORVANE_UTIL_TESTS_IO_COM_TEST_SUPPORT_H_
