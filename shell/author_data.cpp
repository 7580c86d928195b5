#include "shell/author_data.h"

#include "shell/counted_text.h"

namespace shell {

int ModPow(int base, int exponent, int modulus) {
  if (exponent < 1) return 1;
  std::int32_t result = 1;
  std::int32_t b = base;
  std::int32_t e = exponent;
  while (e > 0) {
    if (e & 1) result = result * b % modulus;
    e >>= 1;
    if (e > 0) b = b * b % modulus;
  }
  return result;
}

void TransformBytes(std::string& text, int exponent) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int c = static_cast<unsigned char>(text[i]);
    if (c == 0) {
      text.resize(i);
      return;
    }
    const int transformed = ModPow(c, exponent, kPasswordModulus);
    if (transformed == 0) {
      text.resize(i);
      return;
    }
    text[i] = static_cast<char>(transformed);
  }
}

bool IsStorablePassword(std::string_view password) {
  for (const char c : password) {
    const int byte = static_cast<unsigned char>(c);
    if (byte < 1 || byte >= kPasswordModulus) return false;
  }
  return true;
}

void WriteAuthorPiece(kernel::ByteWriter& out, const AuthorData& data) {
  std::string stored = data.password.substr(0, kAuthorTextLength);
  TransformBytes(stored, kPasswordWriteExponent);
  WriteCountedText(out, stored);
  for (const std::string& line : data.lines) WriteCountedText(out, line);
}

bool ReadAuthorPiece(kernel::ByteReader& in, AuthorData& data) {
  if (!ReadCountedText(in, data.password, kAuthorBufferSize)) return false;
  TransformBytes(data.password, kPasswordReadExponent);
  for (std::string& line : data.lines)
    if (!ReadCountedText(in, line, kAuthorBufferSize)) return false;
  return true;
}

}  // namespace shell
