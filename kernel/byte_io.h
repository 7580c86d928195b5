#pragma once
// Little-endian byte images of records and files: integers, 10-byte x87 reals and fixed text fields.
// Readers never read past the end: a read that does not fit fails, returns zero values and leaves
// the reader failed, so a caller checks ok() once after a block of reads.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "kernel/real.h"

namespace kernel {

using Bytes = std::vector<std::uint8_t>;

class ByteWriter {
 public:
  void U8(std::uint8_t v) { bytes_.push_back(v); }
  void U16(std::uint16_t v);
  void I16(std::int16_t v) { U16(static_cast<std::uint16_t>(v)); }
  void U32(std::uint32_t v);
  void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
  void Real80(Real v);
  void Point(const Point2& p);
  void Point(const Point3& p);
  void Raw(const void* data, std::size_t size);
  void Raw(const Bytes& data) { Raw(data.data(), data.size()); }
  // Exactly size bytes: the text, cut when longer, then NULs. A text of size bytes or more
  // therefore has no terminating NUL in the field; readers stop at the field's end.
  void FixedText(std::string_view text, std::size_t size);
  void Zeros(std::size_t count) { bytes_.insert(bytes_.end(), count, 0); }

  const Bytes& bytes() const { return bytes_; }
  Bytes&& Take() { return std::move(bytes_); }
  std::size_t size() const { return bytes_.size(); }

 private:
  Bytes bytes_;
};

class ByteReader {
 public:
  ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  // The reader keeps a pointer into the bytes: they must outlive it. A temporary buffer would be
  // gone before the first read, so building a reader from one does not compile.
  explicit ByteReader(const Bytes& bytes) : ByteReader(bytes.data(), bytes.size()) {}
  explicit ByteReader(Bytes&&) = delete;
  explicit ByteReader(const Bytes&&) = delete;

  std::uint8_t U8();
  std::uint16_t U16();
  std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
  std::uint32_t U32();
  std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
  Real Real80();
  Point2 ReadPoint2();
  Point3 ReadPoint3();
  bool Raw(void* out, std::size_t size);
  // A fixed field of size bytes; the text ends at the first NUL or at the field's end.
  std::string FixedText(std::size_t size);
  bool Skip(std::size_t count);

  bool ok() const { return ok_; }
  std::size_t position() const { return pos_; }
  std::size_t remaining() const { return ok_ ? size_ - pos_ : 0; }
  bool AtEnd() const { return pos_ == size_; }

 private:
  bool Take(std::size_t count);  // false (and failed) when fewer than count bytes remain

  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
  bool ok_ = true;
};

// The 10-byte x87 image of a real and back.
void RealToBytes(Real v, std::uint8_t out[kRealBytes]);
Real RealFromBytes(const std::uint8_t in[kRealBytes]);

}  // namespace kernel
