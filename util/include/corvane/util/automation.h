#ifndef CORVANE_UTIL_AUTOMATION_H_
#define CORVANE_UTIL_AUTOMATION_H_

// The automation types ioCom converts to and from. Windows declares them in
// its OLE headers; elsewhere this is a minimal layer with the same names,
// field names and calling conventions, enough for one-dimensional byte
// arrays, so code that passes an ioCom through a VARIANT reads the same on
// every platform.
#if defined(_WIN32)
#include <oleauto.h>
#include <windows.h>
#else
#include <cstdint>

#include "corvane/util/export.h"

using VARTYPE = std::uint16_t;
using HRESULT = std::int32_t;

inline constexpr VARTYPE VT_EMPTY = 0;
inline constexpr VARTYPE VT_NULL = 1;
inline constexpr VARTYPE VT_I2 = 2;
inline constexpr VARTYPE VT_I4 = 3;
inline constexpr VARTYPE VT_R4 = 4;
inline constexpr VARTYPE VT_R8 = 5;
inline constexpr VARTYPE VT_I1 = 16;
inline constexpr VARTYPE VT_UI1 = 17;
inline constexpr VARTYPE VT_ARRAY = 0x2000;
inline constexpr VARTYPE VT_BYREF = 0x4000;

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
inline constexpr HRESULT DISP_E_BADINDEX = static_cast<HRESULT>(0x8002000Bu);
inline constexpr HRESULT DISP_E_ARRAYISLOCKED = static_cast<HRESULT>(0x8002000Du);
inline constexpr HRESULT E_UNEXPECTED = static_cast<HRESULT>(0x8000FFFFu);

struct SAFEARRAYBOUND {
  std::uint32_t cElements;
  std::int32_t lLbound;
};

// Only one dimension is supported, so one bound is all the array carries.
struct SAFEARRAY {
  std::uint16_t cDims;
  std::uint16_t fFeatures;
  std::uint32_t cbElements;
  std::uint32_t cLocks;
  void* pvData;
  SAFEARRAYBOUND rgsabound[1];
};

struct tagVARIANT {
  VARTYPE vt;
  std::uint16_t wReserved1;
  std::uint16_t wReserved2;
  std::uint16_t wReserved3;
  union {
    std::int64_t llVal;
    std::int32_t lVal;
    std::uint8_t bVal;
    std::int16_t iVal;
    float fltVal;
    double dblVal;
    SAFEARRAY* parray;
    void* byref;
  };
};
using VARIANT = tagVARIANT;
using VARIANTARG = tagVARIANT;

/// Creates a zero-filled array of VT_UI1 or VT_I1 elements with one dimension;
/// returns null for any other element type or dimension count.
CORVANE_UTIL_API SAFEARRAY* SafeArrayCreate(VARTYPE vt, unsigned int cDims,
                                            SAFEARRAYBOUND* rgsabound);
/// Fails with DISP_E_ARRAYISLOCKED while the data is accessed.
CORVANE_UTIL_API HRESULT SafeArrayDestroy(SAFEARRAY* psa);
CORVANE_UTIL_API HRESULT SafeArrayAccessData(SAFEARRAY* psa, void** ppvData);
CORVANE_UTIL_API HRESULT SafeArrayUnaccessData(SAFEARRAY* psa);
/// nDim counts from 1, as on Windows.
CORVANE_UTIL_API HRESULT SafeArrayGetLBound(SAFEARRAY* psa, unsigned int nDim,
                                            std::int32_t* plLbound);
CORVANE_UTIL_API HRESULT SafeArrayGetUBound(SAFEARRAY* psa, unsigned int nDim,
                                            std::int32_t* plUbound);
CORVANE_UTIL_API void VariantInit(VARIANTARG* pvarg);
#endif

#endif  // CORVANE_UTIL_AUTOMATION_H_
