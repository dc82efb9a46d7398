// The automation layer for hosts without one: one-dimensional arrays of
// single bytes, with the Windows functions' results for the cases ioCom and
// its callers meet.
#include "corvane/util/automation.h"

#include <new>

SAFEARRAY* SafeArrayCreate(VARTYPE vt, unsigned int cDims, SAFEARRAYBOUND* rgsabound) {
  if ((vt != VT_UI1 && vt != VT_I1) || cDims != 1 || rgsabound == nullptr) return nullptr;
  auto* array = new (std::nothrow) SAFEARRAY{};
  if (array == nullptr) return nullptr;
  array->cDims = 1;
  array->cbElements = 1;
  array->rgsabound[0] = rgsabound[0];
  if (rgsabound[0].cElements > 0) {
    array->pvData = new (std::nothrow) unsigned char[rgsabound[0].cElements]();
    if (array->pvData == nullptr) {
      delete array;
      return nullptr;
    }
  }
  return array;
}

HRESULT SafeArrayDestroy(SAFEARRAY* psa) {
  if (psa == nullptr) return S_OK;
  if (psa->cLocks > 0) return DISP_E_ARRAYISLOCKED;
  delete[] static_cast<unsigned char*>(psa->pvData);
  delete psa;
  return S_OK;
}

HRESULT SafeArrayAccessData(SAFEARRAY* psa, void** ppvData) {
  if (psa == nullptr || ppvData == nullptr) return E_INVALIDARG;
  ++psa->cLocks;
  *ppvData = psa->pvData;
  return S_OK;
}

HRESULT SafeArrayUnaccessData(SAFEARRAY* psa) {
  if (psa == nullptr) return E_INVALIDARG;
  if (psa->cLocks == 0) return E_UNEXPECTED;
  --psa->cLocks;
  return S_OK;
}

HRESULT SafeArrayGetLBound(SAFEARRAY* psa, unsigned int nDim, std::int32_t* plLbound) {
  if (psa == nullptr || plLbound == nullptr) return E_INVALIDARG;
  if (nDim != 1 || psa->cDims != 1) return DISP_E_BADINDEX;
  *plLbound = psa->rgsabound[0].lLbound;
  return S_OK;
}

// Like Windows, an empty dimension reports an upper bound one below the
// lower bound.
HRESULT SafeArrayGetUBound(SAFEARRAY* psa, unsigned int nDim, std::int32_t* plUbound) {
  if (psa == nullptr || plUbound == nullptr) return E_INVALIDARG;
  if (nDim != 1 || psa->cDims != 1) return DISP_E_BADINDEX;
  const std::int64_t upper =
      std::int64_t{psa->rgsabound[0].lLbound} + std::int64_t{psa->rgsabound[0].cElements} - 1;
  *plUbound = static_cast<std::int32_t>(upper);
  return S_OK;
}

void VariantInit(VARIANTARG* pvarg) {
  if (pvarg == nullptr) return;
  *pvarg = VARIANTARG{};
  pvarg->vt = VT_EMPTY;
}
