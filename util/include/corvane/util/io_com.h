#ifndef CORVANE_UTIL_IO_COM_H_
#define CORVANE_UTIL_IO_COM_H_

#include <memory>
#include <string>

#include "corvane/util/automation.h"
#include "corvane/util/export.h"

/// A growable byte stream that packs plain values and strings for passing
/// through an automation interface as one VARIANT holding a byte array.
///
/// Wire format, little-endian, no padding and no type tags: char 1 byte,
/// short 2, int 4, float 4 and double 8 (their bit patterns), a string as a
/// 4-byte length n followed by its n bytes. Values are read back in the
/// order and with the types they were written in.
///
/// Writing and reading share one cursor. A write always lands at the end of
/// the data (the cursor moves there first); a read takes the value at the
/// cursor. A read that would go past the written data throws
/// std::out_of_range and leaves the stream and the target unchanged; so does
/// a string whose length field is negative. Data that would exceed the
/// largest int in length throws std::length_error.
class CORVANE_UTIL_API ioCom {
 public:
  /// Capacity 2048, zero-filled, empty.
  ioCom();
  /// The copy has the source's data and reads from its start.
  ioCom(const ioCom& other);
  ioCom& operator=(const ioCom& other);
  /// Takes the bytes of a VT_ARRAY | VT_UI1 VARIANT; any other VARIANT, or one
  /// without an array, gives an empty stream.
  explicit ioCom(const tagVARIANT& variant);
  ~ioCom();

  /// A VARIANT of type VT_ARRAY | VT_UI1 holding a copy of the data. The array
  /// belongs to the stream and stays valid until the stream is next written
  /// to or destroyed; the receiver must not destroy it. Converting again
  /// without a write in between hands out the same array.
  operator tagVARIANT();

  ioCom& operator<<(char value);
  ioCom& operator<<(unsigned char value);
  ioCom& operator<<(short value);
  ioCom& operator<<(unsigned short value);
  ioCom& operator<<(int value);
  ioCom& operator<<(unsigned int value);
  ioCom& operator<<(float value);
  ioCom& operator<<(double value);
  ioCom& operator<<(const std::string& value);

  ioCom& operator>>(char& value);
  ioCom& operator>>(unsigned char& value);
  ioCom& operator>>(short& value);
  ioCom& operator>>(unsigned short& value);
  ioCom& operator>>(int& value);
  ioCom& operator>>(unsigned int& value);
  ioCom& operator>>(float& value);
  ioCom& operator>>(double& value);
  /// The text ends at its first zero byte; the cursor passes the whole count.
  ioCom& operator>>(std::string& value);

 private:
  // Lets the tests look at the capacity and the zero fill, which no member
  // shows.
  friend struct ioComProbe;

  struct ArrayDeleter {
    void operator()(SAFEARRAY* array) const;
  };

  void init();
  void copy(const ioCom& other);
  void cleanup();
  void destroySafeArray();
  /// Drops the cached conversion and makes room for `count` more bytes.
  void growBufIfNeeded(int count);
  /// Room for `count` bytes at the end of the data, the cursor past them.
  unsigned char* appendBytes(int count);
  /// The next `count` bytes at the cursor, the cursor past them.
  const unsigned char* takeBytes(int count);

  int used_ = 0;
  int capacity_ = 0;
  int cursor_ = 0;
  std::unique_ptr<unsigned char[]> buffer_;
  std::unique_ptr<SAFEARRAY, ArrayDeleter> array_;
  std::unique_ptr<tagVARIANT> variant_;
};

#endif  // CORVANE_UTIL_IO_COM_H_
