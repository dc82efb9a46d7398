// The byte stream: its wire format byte for byte, growth, copies and reads
// that would go past the data.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "corvane/util/io_com.h"
#include "io_com_test_support.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(IoComWireFormat, IntegersAreLittleEndianWithoutPadding) {
  ioCom stream;
  stream << 'A' << static_cast<unsigned char>(0xFE) << static_cast<short>(-2)
         << static_cast<unsigned short>(0x1234) << 0x01020304 << -1 << 0xA1B2C3D4u;
  EXPECT_EQ(bytes_of(stream), (Bytes{0x41, 0xFE, 0xFE, 0xFF, 0x34, 0x12, 0x04, 0x03, 0x02, 0x01,
                                     0xFF, 0xFF, 0xFF, 0xFF, 0xD4, 0xC3, 0xB2, 0xA1}));
}

TEST(IoComWireFormat, FloatingPointIsItsBitPattern) {
  ioCom stream;
  stream << 1.0f << -2.5 << std::numeric_limits<double>::infinity();
  EXPECT_EQ(bytes_of(stream), (Bytes{0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                                     0x04, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x7F}));
}

TEST(IoComWireFormat, StringIsItsLengthThenItsBytes) {
  ioCom stream;
  stream << std::string("abc");
  EXPECT_EQ(bytes_of(stream), (Bytes{0x03, 0x00, 0x00, 0x00, 0x61, 0x62, 0x63}));
  stream << std::string();
  EXPECT_EQ(bytes_of(stream),
            (Bytes{0x03, 0x00, 0x00, 0x00, 0x61, 0x62, 0x63, 0x00, 0x00, 0x00, 0x00}));
}

TEST(IoComWireFormat, StringWithAZeroByteIsWrittenWholeAndReadUpToTheZero) {
  ioCom stream;
  stream << std::string("ab\0cd", 5) << 7;
  EXPECT_EQ(bytes_of(stream),
            (Bytes{0x05, 0x00, 0x00, 0x00, 0x61, 0x62, 0x00, 0x63, 0x64, 0x07, 0x00, 0x00, 0x00}));
  ioCom reader(stream);
  std::string text = "previous";
  int after = 0;
  reader >> text >> after;
  EXPECT_EQ(text, "ab");
  EXPECT_EQ(after, 7);
}

TEST(IoComGrowth, CapacityGrowsBy2048AtThe2049thByte) {
  ioCom stream;
  EXPECT_EQ(ioComProbe::capacity(stream), 2048);
  EXPECT_EQ(ioComProbe::buffer(stream), Bytes(2048, 0));
  for (int i = 0; i < 2048; ++i) stream << static_cast<unsigned char>(i % 251 + 1);
  EXPECT_EQ(ioComProbe::capacity(stream), 2048);
  stream << static_cast<unsigned char>(0xEE);
  EXPECT_EQ(ioComProbe::capacity(stream), 4096);

  const Bytes buffer = ioComProbe::buffer(stream);
  for (int i = 0; i < 2048; ++i) {
    ASSERT_EQ(buffer[static_cast<std::size_t>(i)], i % 251 + 1) << "byte " << i;
  }
  EXPECT_EQ(buffer[2048], 0xEE);
  EXPECT_EQ(Bytes(buffer.begin() + 2049, buffer.end()), Bytes(4096 - 2049, 0));
  EXPECT_EQ(bytes_of(stream).size(), 2049u);
}

TEST(IoComGrowth, ALargeValueGrowsInWholeSteps) {
  ioCom stream;
  stream << 1;
  stream << std::string(5000, 'z');
  EXPECT_EQ(ioComProbe::capacity(stream), 3 * 2048);
  ioCom reader(stream);
  int first = 0;
  std::string text;
  reader >> first >> text;
  EXPECT_EQ(first, 1);
  EXPECT_EQ(text, std::string(5000, 'z'));
}

TEST(IoComCopy, CopyReadsFromTheStartWhateverTheSourceCursor) {
  ioCom source;
  source << 11 << 22;
  ioCom first_copy(source);
  int value = 0;
  first_copy >> value;
  EXPECT_EQ(value, 11);

  ioCom second_copy(first_copy);
  second_copy >> value;
  EXPECT_EQ(value, 11);
  EXPECT_EQ(ioComProbe::buffer(second_copy), ioComProbe::buffer(source));

  ioCom assigned;
  assigned << 99 << 98 << 97;
  assigned = first_copy;
  EXPECT_EQ(bytes_of(assigned), bytes_of(source));
  assigned >> value;
  EXPECT_EQ(value, 11);
  const ioCom& same = assigned;
  assigned = same;
  EXPECT_EQ(bytes_of(assigned), bytes_of(source));
}

TEST(IoComBounds, ReadingPastTheDataThrowsAndChangesNothing) {
  ioCom writer;
  writer << 'a' << 'b' << 'c';
  ioCom reader(writer);
  int value = 42;
  EXPECT_THROW(reader >> value, std::out_of_range);
  EXPECT_EQ(value, 42);
  char a = 0, b = 0, c = 0;
  reader >> a >> b >> c;
  EXPECT_EQ(std::string({a, b, c}), "abc");
  EXPECT_THROW(reader >> a, std::out_of_range);
  double d = 0;
  EXPECT_THROW(ioCom() >> d, std::out_of_range);
}

TEST(IoComBounds, StringLengthBeyondTheDataThrowsAndChangesNothing) {
  ioCom writer;
  writer << 100 << 'x' << 'y';
  ioCom reader(writer);
  std::string text = "kept";
  EXPECT_THROW(reader >> text, std::out_of_range);
  EXPECT_EQ(text, "kept");
  int length = 0;
  reader >> length;
  EXPECT_EQ(length, 100);

  ioCom negative;
  negative << -1 << std::string("abc");
  ioCom negative_reader(negative);
  EXPECT_THROW(negative_reader >> text, std::out_of_range);
  EXPECT_EQ(text, "kept");
}

TEST(IoComCursor, WritingAfterReadingAppendsAtTheEnd) {
  ioCom writer;
  writer << 1 << 2;
  ioCom stream(writer);
  int value = 0;
  stream >> value;
  stream << 3;
  EXPECT_EQ(bytes_of(stream),
            (Bytes{0x01, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00}));
}

}  // namespace
