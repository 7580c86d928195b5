#include "kernel/byte_io.h"

#include <cstring>

namespace kernel {

void RealToBytes(Real v, std::uint8_t out[kRealBytes]) {
  std::uint8_t image[sizeof(Real)] = {};
  std::memcpy(image, &v, sizeof(Real));
  std::memcpy(out, image, kRealBytes);
}

Real RealFromBytes(const std::uint8_t in[kRealBytes]) {
  std::uint8_t image[sizeof(Real)] = {};
  std::memcpy(image, in, kRealBytes);
  // A pseudo-denormal (exponent field 0 with the integer bit set) is never made by the arithmetic
  // unit, which takes it as exponent 1, while the number formatter takes it as a denormal of half
  // that value. It is read as the normal number of exponent 1 the arithmetic unit sees, so text
  // and arithmetic agree on it.
  const bool integerBit = (image[7] & 0x80) != 0;
  const bool exponentZero = image[8] == 0 && (image[9] & 0x7F) == 0;
  if (integerBit && exponentZero) image[8] = 1;
  Real v;
  std::memcpy(&v, image, sizeof(Real));
  return v;
}

void ByteWriter::U16(std::uint16_t v) {
  bytes_.push_back(static_cast<std::uint8_t>(v));
  bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
}

void ByteWriter::U32(std::uint32_t v) {
  for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void ByteWriter::Real80(Real v) {
  std::uint8_t image[kRealBytes];
  RealToBytes(v, image);
  Raw(image, kRealBytes);
}

void ByteWriter::Point(const Point2& p) {
  Real80(p.x);
  Real80(p.y);
}

void ByteWriter::Point(const Point3& p) {
  Real80(p.x);
  Real80(p.y);
  Real80(p.z);
}

void ByteWriter::Raw(const void* data, std::size_t size) {
  const auto* p = static_cast<const std::uint8_t*>(data);
  bytes_.insert(bytes_.end(), p, p + size);
}

void ByteWriter::FixedText(std::string_view text, std::size_t size) {
  const std::size_t n = text.size() < size ? text.size() : size;
  Raw(text.data(), n);
  Zeros(size - n);
}

bool ByteReader::Take(std::size_t count) {
  if (!ok_ || count > size_ - pos_) {
    ok_ = false;
    return false;
  }
  return true;
}

std::uint8_t ByteReader::U8() {
  if (!Take(1)) return 0;
  return data_[pos_++];
}

std::uint16_t ByteReader::U16() {
  if (!Take(2)) return 0;
  const std::uint16_t v = static_cast<std::uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
  pos_ += 2;
  return v;
}

std::uint32_t ByteReader::U32() {
  if (!Take(4)) return 0;
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | data_[pos_ + i];
  pos_ += 4;
  return v;
}

Real ByteReader::Real80() {
  if (!Take(kRealBytes)) return 0;
  const Real v = RealFromBytes(data_ + pos_);
  pos_ += kRealBytes;
  return v;
}

Point2 ByteReader::ReadPoint2() {
  Point2 p;
  p.x = Real80();
  p.y = Real80();
  return p;
}

Point3 ByteReader::ReadPoint3() {
  Point3 p;
  p.x = Real80();
  p.y = Real80();
  p.z = Real80();
  return p;
}

bool ByteReader::Raw(void* out, std::size_t size) {
  if (!Take(size)) return false;
  // An empty field may come with no buffer at all (an empty vector's data() is null), and a null
  // pointer must not reach memcpy even for no bytes.
  if (size == 0) return true;
  std::memcpy(out, data_ + pos_, size);
  pos_ += size;
  return true;
}

std::string ByteReader::FixedText(std::size_t size) {
  if (!Take(size)) return {};
  const char* field = reinterpret_cast<const char*>(data_ + pos_);
  std::size_t length = 0;
  while (length < size && field[length] != '\0') ++length;
  pos_ += size;
  return std::string(field, length);
}

bool ByteReader::Skip(std::size_t count) {
  if (!Take(count)) return false;
  pos_ += count;
  return true;
}

}  // namespace kernel
