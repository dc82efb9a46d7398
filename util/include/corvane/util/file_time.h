#ifndef CORVANE_UTIL_FILE_TIME_H_
#define CORVANE_UTIL_FILE_TIME_H_

// FILETIME: a time as 100-nanosecond intervals since 1601-01-01 UTC, split in
// two 32-bit halves. Windows declares it; elsewhere this is the same layout
// with the same field names, so code using pathstring reads the same.
#if defined(_WIN32)
#include <windows.h>
#else
#include <cstdint>

struct FILETIME {
  std::uint32_t dwLowDateTime;
  std::uint32_t dwHighDateTime;
};
#endif

#endif  // CORVANE_UTIL_FILE_TIME_H_
