// Passing a stream through a VARIANT holding a byte array, and which
// VARIANTs a stream accepts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "corvane/util/io_com.h"
#include "io_com_test_support.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr VARTYPE kByteArray = static_cast<VARTYPE>(VT_ARRAY | VT_UI1);

// A VARIANT such as another program would send: its own array, destroyed by
// the owner of this object.
class SentVariant {
 public:
  SentVariant(VARTYPE element_type, const Bytes& bytes, std::int32_t lower_bound = 0) {
    SAFEARRAYBOUND bound{};
    bound.cElements = static_cast<std::uint32_t>(bytes.size());
    bound.lLbound = lower_bound;
    array_ = SafeArrayCreate(element_type, 1, &bound);
    void* data = nullptr;
    SafeArrayAccessData(array_, &data);
    if (!bytes.empty()) std::copy(bytes.begin(), bytes.end(), static_cast<std::uint8_t*>(data));
    SafeArrayUnaccessData(array_);
    VariantInit(&variant_);
    variant_.vt = static_cast<VARTYPE>(VT_ARRAY | element_type);
    variant_.parray = array_;
  }
  ~SentVariant() { SafeArrayDestroy(array_); }
  SentVariant(const SentVariant&) = delete;
  SentVariant& operator=(const SentVariant&) = delete;

  VARIANT& variant() { return variant_; }

 private:
  SAFEARRAY* array_ = nullptr;
  VARIANT variant_{};
};

TEST(IoComVariant, ConversionGivesAZeroBasedByteArrayOfTheData) {
  ioCom stream;
  stream << 5 << std::string("xy");
  const VARIANT variant = stream;
  EXPECT_EQ(variant.vt, kByteArray);
  ASSERT_NE(variant.parray, nullptr);
  std::int32_t lower = -1;
  std::int32_t upper = -1;
  EXPECT_EQ(SafeArrayGetLBound(variant.parray, 1, &lower), S_OK);
  EXPECT_EQ(SafeArrayGetUBound(variant.parray, 1, &upper), S_OK);
  EXPECT_EQ(lower, 0);
  EXPECT_EQ(upper, 9);
  EXPECT_EQ(bytes_of(variant), (Bytes{5, 0, 0, 0, 2, 0, 0, 0, 'x', 'y'}));
}

TEST(IoComVariant, EveryTypeRoundTrips) {
  ioCom sender;
  sender << 'q' << static_cast<unsigned char>(200) << static_cast<short>(-30000)
         << static_cast<unsigned short>(65000) << -123456789 << 4000000000u << 0.1f << -1e300
         << std::string("model name") << std::string();
  const VARIANT variant = sender;

  ioCom receiver(variant);
  char c = 0;
  unsigned char uc = 0;
  short s = 0;
  unsigned short us = 0;
  int i = 0;
  unsigned int ui = 0;
  float f = 0;
  double d = 0;
  std::string text;
  std::string empty = "not yet";
  receiver >> c >> uc >> s >> us >> i >> ui >> f >> d >> text >> empty;
  EXPECT_EQ(c, 'q');
  EXPECT_EQ(uc, 200);
  EXPECT_EQ(s, -30000);
  EXPECT_EQ(us, 65000);
  EXPECT_EQ(i, -123456789);
  EXPECT_EQ(ui, 4000000000u);
  EXPECT_EQ(f, 0.1f);
  EXPECT_EQ(d, -1e300);
  EXPECT_EQ(text, "model name");
  EXPECT_EQ(empty, "");
  EXPECT_THROW(receiver >> c, std::out_of_range);
}

TEST(IoComVariant, ArrayFromAnotherProgramIsReadWhateverItsLowerBound) {
  SentVariant sent(VT_UI1, Bytes{0x2A, 0x00, 0x00, 0x00, 0x07}, 5);
  ioCom stream(sent.variant());
  int value = 0;
  unsigned char last = 0;
  stream >> value >> last;
  EXPECT_EQ(value, 42);
  EXPECT_EQ(last, 7);
  // The stream took a copy: the sender's array can go.
  EXPECT_EQ(bytes_of(stream), (Bytes{0x2A, 0x00, 0x00, 0x00, 0x07}));
}

TEST(IoComVariant, OnlyAByteArrayCarriesData) {
  VARIANT number;
  VariantInit(&number);
  number.vt = VT_I4;
  number.lVal = 1234;
  SentVariant signed_bytes(VT_I1, Bytes{1, 2, 3, 4});
  VARIANT byte_value;
  VariantInit(&byte_value);
  byte_value.vt = VT_UI1;
  byte_value.bVal = 9;
  VARIANT no_array;
  VariantInit(&no_array);
  no_array.vt = kByteArray;
  no_array.parray = nullptr;
  VARIANT empty;
  VariantInit(&empty);

  for (const VARIANT* variant :
       {&number, &signed_bytes.variant(), &byte_value, &no_array, &empty}) {
    ioCom stream(*variant);
    int value = 0;
    EXPECT_THROW(stream >> value, std::out_of_range) << "type " << variant->vt;
    EXPECT_EQ(ioComProbe::capacity(stream), 0) << "type " << variant->vt;
    // Converting back gives an array with no elements, writing works.
    EXPECT_EQ(bytes_of(stream), Bytes{});
    stream << 'k';
    EXPECT_EQ(bytes_of(stream), Bytes{'k'});
  }
}

TEST(IoComVariant, ConvertingAgainWithoutAWriteHandsOutTheSameArray) {
  ioCom stream;
  stream << 1;
  const VARIANT first = stream;
  const VARIANT second = stream;
  EXPECT_EQ(first.parray, second.parray);
  EXPECT_EQ(bytes_of(first), (Bytes{1, 0, 0, 0}));
  int value = 0;
  ioCom reader(first);
  reader >> value;
  const VARIANT after_read = reader;
  EXPECT_EQ(bytes_of(after_read), (Bytes{1, 0, 0, 0}));
}

TEST(IoComVariant, WritingAfterAConversionReplacesTheArray) {
  ioCom stream;
  stream << 1;
  const VARIANT before = stream;
  EXPECT_EQ(bytes_of(before).size(), 4u);
  stream << 2;
  // The earlier array is gone (the sanitizer build would report a use of
  // it); a new conversion carries both values.
  const VARIANT after = stream;
  EXPECT_EQ(bytes_of(after), (Bytes{1, 0, 0, 0, 2, 0, 0, 0}));
}

TEST(AutomationLayer, ArraysFollowTheWindowsRules) {
  SAFEARRAYBOUND bound{};
  bound.cElements = 3;
  SAFEARRAY* array = SafeArrayCreate(VT_UI1, 1, &bound);
  ASSERT_NE(array, nullptr);
  void* data = nullptr;
  ASSERT_EQ(SafeArrayAccessData(array, &data), S_OK);
  EXPECT_EQ(Bytes(static_cast<std::uint8_t*>(data), static_cast<std::uint8_t*>(data) + 3),
            Bytes(3, 0));
  EXPECT_EQ(SafeArrayDestroy(array), DISP_E_ARRAYISLOCKED);
  EXPECT_EQ(SafeArrayUnaccessData(array), S_OK);
  std::int32_t bound_value = 0;
  EXPECT_EQ(SafeArrayGetUBound(array, 2, &bound_value), DISP_E_BADINDEX);
  EXPECT_EQ(SafeArrayDestroy(array), S_OK);
}

}  // namespace
