// ioCom: the byte stream, its wire format and its VARIANT conversions.
#include "corvane/util/io_com.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstdint>
#include <cstring>
#include <new>
#include <stdexcept>
#include <type_traits>

namespace {

constexpr int kGrowthStep = 2048;

static_assert(sizeof(short) == 2 && sizeof(int) == 4, "the wire format fixes these sizes");
static_assert(sizeof(float) == 4 && sizeof(double) == 8, "the wire format fixes these sizes");

constexpr VARTYPE kByteArray = static_cast<VARTYPE>(VT_ARRAY | VT_UI1);

template <std::size_t Size>
struct unsigned_of;
template <>
struct unsigned_of<1> {
  using type = std::uint8_t;
};
template <>
struct unsigned_of<2> {
  using type = std::uint16_t;
};
template <>
struct unsigned_of<4> {
  using type = std::uint32_t;
};
template <>
struct unsigned_of<8> {
  using type = std::uint64_t;
};

template <class T>
using bits_of = typename unsigned_of<sizeof(T)>::type;

// Little-endian whatever the host's byte order.
template <class T>
void encode(unsigned char* at, T value) {
  const auto bits = std::bit_cast<bits_of<T>>(value);
  for (std::size_t i = 0; i < sizeof(T); ++i) {
    at[i] = static_cast<unsigned char>(bits >> (8 * i));
  }
}

template <class T>
T decode(const unsigned char* at) {
  bits_of<T> bits = 0;
  for (std::size_t i = 0; i < sizeof(T); ++i) {
    bits = static_cast<bits_of<T>>(bits | (static_cast<bits_of<T>>(at[i]) << (8 * i)));
  }
  return std::bit_cast<T>(bits);
}

}  // namespace

void ioCom::ArrayDeleter::operator()(SAFEARRAY* array) const { SafeArrayDestroy(array); }

ioCom::ioCom() : buffer_(std::make_unique<unsigned char[]>(kGrowthStep)) {
  capacity_ = kGrowthStep;
}

ioCom::ioCom(const ioCom& other) { copy(other); }

ioCom& ioCom::operator=(const ioCom& other) {
  if (this != &other) copy(other);
  return *this;
}

// Only a byte array is data; any other VARIANT leaves the stream empty.
ioCom::ioCom(const tagVARIANT& variant) {
  init();
  if (variant.vt != kByteArray || variant.parray == nullptr) return;
  SAFEARRAY* array = variant.parray;
  if (array->cDims < 1 || array->cbElements != 1) return;
  decltype(SAFEARRAYBOUND::lLbound) lower = 0;
  decltype(SAFEARRAYBOUND::lLbound) upper = -1;
  if (SafeArrayGetLBound(array, 1, &lower) != S_OK) return;
  if (SafeArrayGetUBound(array, 1, &upper) != S_OK) return;
  const std::int64_t count = std::int64_t{upper} - std::int64_t{lower} + 1;
  if (count <= 0) return;
  if (count > INT_MAX) throw std::length_error("ioCom: the array is too large for a stream");
  auto bytes = std::make_unique<unsigned char[]>(static_cast<std::size_t>(count));
  void* data = nullptr;
  if (SafeArrayAccessData(array, &data) != S_OK) return;
  if (data != nullptr) std::memcpy(bytes.get(), data, static_cast<std::size_t>(count));
  SafeArrayUnaccessData(array);
  if (data == nullptr) return;
  buffer_ = std::move(bytes);
  used_ = static_cast<int>(count);
  capacity_ = used_;
}

ioCom::~ioCom() { cleanup(); }

ioCom::operator tagVARIANT() {
  if (variant_) return *variant_;
  auto variant = std::make_unique<tagVARIANT>();
  VariantInit(variant.get());
  SAFEARRAYBOUND bound{};
  bound.cElements = static_cast<decltype(bound.cElements)>(used_);
  bound.lLbound = 0;
  std::unique_ptr<SAFEARRAY, ArrayDeleter> array(SafeArrayCreate(VT_UI1, 1, &bound));
  if (!array) throw std::bad_alloc();
  if (used_ > 0) {
    void* data = nullptr;
    if (SafeArrayAccessData(array.get(), &data) != S_OK || data == nullptr) {
      throw std::runtime_error("ioCom: cannot fill the byte array");
    }
    std::memcpy(data, buffer_.get(), static_cast<std::size_t>(used_));
    SafeArrayUnaccessData(array.get());
  }
  variant->vt = kByteArray;
  variant->parray = array.get();
  array_ = std::move(array);
  variant_ = std::move(variant);
  return *variant_;
}

ioCom& ioCom::operator<<(char value) {
  encode(appendBytes(1), value);
  return *this;
}

ioCom& ioCom::operator<<(unsigned char value) {
  encode(appendBytes(1), value);
  return *this;
}

ioCom& ioCom::operator<<(short value) {
  encode(appendBytes(2), value);
  return *this;
}

ioCom& ioCom::operator<<(unsigned short value) {
  encode(appendBytes(2), value);
  return *this;
}

ioCom& ioCom::operator<<(int value) {
  encode(appendBytes(4), value);
  return *this;
}

ioCom& ioCom::operator<<(unsigned int value) {
  encode(appendBytes(4), value);
  return *this;
}

ioCom& ioCom::operator<<(float value) {
  encode(appendBytes(4), value);
  return *this;
}

ioCom& ioCom::operator<<(double value) {
  encode(appendBytes(8), value);
  return *this;
}

ioCom& ioCom::operator<<(const std::string& value) {
  if (value.size() > static_cast<std::size_t>(INT_MAX - 4)) {
    throw std::length_error("ioCom: the string is too long for its length field");
  }
  const int count = static_cast<int>(value.size());
  unsigned char* at = appendBytes(4 + count);
  encode(at, count);
  std::copy(value.begin(), value.end(), at + 4);
  return *this;
}

ioCom& ioCom::operator>>(char& value) {
  value = decode<char>(takeBytes(1));
  return *this;
}

ioCom& ioCom::operator>>(unsigned char& value) {
  value = decode<unsigned char>(takeBytes(1));
  return *this;
}

ioCom& ioCom::operator>>(short& value) {
  value = decode<short>(takeBytes(2));
  return *this;
}

ioCom& ioCom::operator>>(unsigned short& value) {
  value = decode<unsigned short>(takeBytes(2));
  return *this;
}

ioCom& ioCom::operator>>(int& value) {
  value = decode<int>(takeBytes(4));
  return *this;
}

ioCom& ioCom::operator>>(unsigned int& value) {
  value = decode<unsigned int>(takeBytes(4));
  return *this;
}

ioCom& ioCom::operator>>(float& value) {
  value = decode<float>(takeBytes(4));
  return *this;
}

ioCom& ioCom::operator>>(double& value) {
  value = decode<double>(takeBytes(8));
  return *this;
}

// The length is checked against the data before anything moves, so a bad
// length leaves the cursor and the target as they were.
ioCom& ioCom::operator>>(std::string& value) {
  const int start = cursor_;
  const int count = decode<int>(takeBytes(4));
  if (count < 0 || count > used_ - cursor_) {
    cursor_ = start;
    throw std::out_of_range("ioCom: string length beyond the written data");
  }
  const auto* text = reinterpret_cast<const char*>(takeBytes(count));
  value.assign(text, std::find(text, text + count, '\0'));
  return *this;
}

void ioCom::init() {
  used_ = 0;
  capacity_ = 0;
  cursor_ = 0;
  buffer_.reset();
  array_.reset();
  variant_.reset();
}

// The whole capacity is copied, so the copy's zero fill matches too.
void ioCom::copy(const ioCom& other) {
  std::unique_ptr<unsigned char[]> bytes;
  if (other.capacity_ > 0) {
    bytes = std::make_unique<unsigned char[]>(static_cast<std::size_t>(other.capacity_));
    std::memcpy(bytes.get(), other.buffer_.get(), static_cast<std::size_t>(other.capacity_));
  }
  cleanup();
  buffer_ = std::move(bytes);
  capacity_ = other.capacity_;
  used_ = other.used_;
  cursor_ = 0;
}

void ioCom::cleanup() {
  destroySafeArray();
  buffer_.reset();
}

void ioCom::destroySafeArray() {
  array_.reset();
  variant_.reset();
}

// Grows in whole 2048-byte steps, allocating once for all of them.
void ioCom::growBufIfNeeded(int count) {
  destroySafeArray();
  const std::int64_t needed = std::int64_t{used_} + count;
  if (capacity_ >= needed) return;
  const std::int64_t steps = (needed - capacity_ + kGrowthStep - 1) / kGrowthStep;
  const std::int64_t grown = std::min<std::int64_t>(capacity_ + steps * kGrowthStep, INT_MAX);
  auto bytes = std::make_unique<unsigned char[]>(static_cast<std::size_t>(grown));
  if (capacity_ > 0) std::memcpy(bytes.get(), buffer_.get(), static_cast<std::size_t>(capacity_));
  buffer_ = std::move(bytes);
  capacity_ = static_cast<int>(grown);
  cursor_ = used_;
}

unsigned char* ioCom::appendBytes(int count) {
  if (count > INT_MAX - used_) throw std::length_error("ioCom: the stream would exceed its size");
  growBufIfNeeded(count);
  unsigned char* at = buffer_.get() + used_;
  used_ += count;
  cursor_ = used_;
  return at;
}

const unsigned char* ioCom::takeBytes(int count) {
  if (count < 0 || count > used_ - cursor_) {
    throw std::out_of_range("ioCom: read beyond the written data");
  }
  const unsigned char* at = buffer_.get() + cursor_;
  cursor_ += count;
  return at;
}
