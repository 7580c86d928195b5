#include "shell/counted_text.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace shell {

void WriteCountedText(kernel::ByteWriter& out, std::string_view text) {
  text = text.substr(0, std::min(text.find('\0'), std::size_t{0xFFFE}));
  out.U16(static_cast<std::uint16_t>(text.size() + 1));
  out.Raw(text.data(), text.size());
  out.U8(0);
}

bool ReadCountedText(kernel::ByteReader& in, std::string& buffer, int capacity) {
  const std::uint16_t length = in.U16();
  if (!in.ok()) return false;
  if (length == 0) return true;
  if (length > in.remaining()) {
    in.Skip(length);  // leaves the reader failed
    return false;
  }
  std::vector<char> bytes(length);
  in.Raw(bytes.data(), length);
  const std::size_t kept = std::min<std::size_t>(length, static_cast<std::size_t>(std::max(capacity - 1, 0)));
  std::string text(bytes.data(), kept);
  if (const std::size_t end = text.find('\0'); end != std::string::npos) text.resize(end);
  buffer = std::move(text);
  return in.ok();
}

}  // namespace shell
