#ifndef CORVANE_UTIL_EXPORT_H_
#define CORVANE_UTIL_EXPORT_H_

// Marks what the corvane_util shared library exports; everything else stays
// hidden so the exported set is exactly the classes' members and the
// automation layer.
#if defined(_WIN32)
#if defined(CORVANE_UTIL_BUILDING)
#define CORVANE_UTIL_API __declspec(dllexport)
#else
#define CORVANE_UTIL_API __declspec(dllimport)
#endif
#else
#define CORVANE_UTIL_API __attribute__((visibility("default")))
#endif

#endif  // CORVANE_UTIL_EXPORT_H_
