#include "view/common_block.h"

#include <algorithm>

#include "kernel/number_text.h"

namespace view {

namespace {
constexpr std::int32_t kWord15 = 10;
constexpr std::int32_t kWord16 = 15;

std::int32_t Hundredths(kernel::Real inches) { return kernel::RoundLD(inches * 100); }
kernel::Real FromHundredths(std::int32_t word) { return static_cast<kernel::Real>(word) * static_cast<kernel::Real>(0.01); }
}  // namespace

void WriteCommonBlock(kernel::ByteWriter& out, const CommonBlock& block) {
  out.I32(block.fileKind);
  out.I32(block.formatVersion);
  out.I32(block.placement.x);
  out.I32(block.placement.y);
  out.I32(block.placement.width);
  out.I32(block.placement.height);
  out.I32(block.placement.zoomed ? 1 : 0);
  out.I32(block.colorsFlag);
  out.I32(kernel::kColorCount);
  out.I32(Hundredths(block.printScale));
  out.I32(Hundredths(block.printWidth));
  out.I32(Hundredths(block.leftMargin));
  out.I32(Hundredths(block.topMargin));
  out.I32(block.frame ? 1 : 0);
  out.I32(block.colorPrinting ? 1 : 0);
  out.I32(kWord15);
  out.I32(kWord16);
  out.I32(kFirstMagicWord);
  out.I32(kSecondMagicWord);
  out.I32(block.blockVersion);
  for (const std::int32_t points : block.pointSizes) out.I32(points);
  for (const kernel::FontRecord& font : block.fonts) kernel::WriteFontRecord(out, font);
  for (const kernel::ColorRef color : block.fontColors) out.U32(color);
  out.Zeros(kReservedBlocks * kReservedBlockBytes);
  for (const std::uint16_t role : block.roles) out.U16(role);
  for (const kernel::ColorRef color : block.colors) out.U32(color);
}

BlockStatus ReadCommonBlock(kernel::ByteReader& in, std::int32_t expectedKind, CommonBlock& block) {
  std::array<std::int32_t, kCommonHeaderBytes / 4> header{};
  for (std::int32_t& word : header) word = in.I32();
  if (!in.ok()) return BlockStatus::Damaged;
  if (header[0] != expectedKind) return BlockStatus::OtherKind;

  block.fileKind = header[0];
  block.formatVersion = header[1];
  kernel::SetWinRect(block.placement, header[2], header[3], header[4], header[5], header[6] != 0 ? 1 : 0);
  block.colorsFlag = header[7] != 0 ? 1 : 0;
  block.printScale = header[9] == 0 ? kDefaultPrintScale : FromHundredths(header[9]);
  block.printWidth = FromHundredths(header[10]);
  block.leftMargin = FromHundredths(header[11]);
  block.topMargin = FromHundredths(header[12]);
  block.frame = header[13] != 0 ? 1 : 0;
  block.colorPrinting = header[14] != 0 ? 1 : 0;
  block.blockVersion = header[19];
  const bool magicMatches = header[17] == kFirstMagicWord && header[18] == kSecondMagicWord;

  for (std::int32_t& points : block.pointSizes) points = in.I32();
  for (kernel::FontRecord& font : block.fonts) {
    font = kernel::ReadFontRecord(in);
    // A face name that fills its whole field has lost its end.
    if (font.faceName.size() >= kernel::kFaceNameBytes) return BlockStatus::Damaged;
  }
  for (kernel::ColorRef& color : block.fontColors) color = in.U32();
  in.Skip(kReservedBlocks * kReservedBlockBytes);
  for (std::uint16_t& role : block.roles) role = in.U16();

  const std::int32_t count = header[8];
  block.colorsRead = 0;
  if (count > 0) {
    const std::size_t n = static_cast<std::size_t>(count);
    const std::size_t kept = std::min<std::size_t>(n, kernel::kColorCount);
    if (n * 4 > in.remaining()) return BlockStatus::Damaged;
    for (std::size_t i = 0; i < kept; ++i) block.colors[i] = in.U32();
    in.Skip((n - kept) * 4);
    if (magicMatches) block.colorsRead = static_cast<int>(kept);
  }
  return in.ok() ? BlockStatus::Read : BlockStatus::Damaged;
}

void WriteSettingsBody(kernel::ByteWriter& out, const SettingsBody& body) {
  const SettingsArrays& a = body.arrays;
  for (int set = 0; set < 2; ++set) {
    for (int k = 0; k < 3; ++k)
      for (const std::int32_t v : a.ints[set * 3 + k]) out.I32(v);
    for (int k = 0; k < 3; ++k)
      for (const kernel::Real v : a.reals[set * 3 + k]) out.Real80(v);
    for (int k = 0; k < 3; ++k)
      for (const std::uint8_t v : a.bytes[set * 3 + k]) out.U8(v);
  }
  out.FixedText(std::string_view(body.lastFileName).substr(0, kLastFileNameBytes - 1), kLastFileNameBytes);
}

bool ReadSettingsBody(kernel::ByteReader& in, std::int32_t blockVersion, SettingsBody& body) {
  SettingsArrays& a = body.arrays;
  const int sets = blockVersion > 0 ? 2 : 1;
  for (int set = 0; set < sets; ++set) {
    for (int k = 0; k < 3; ++k)
      for (std::int32_t& v : a.ints[set * 3 + k]) v = in.I32();
    for (int k = 0; k < 3; ++k)
      for (kernel::Real& v : a.reals[set * 3 + k]) v = in.Real80();
    for (int k = 0; k < 3; ++k)
      for (std::uint8_t& v : a.bytes[set * 3 + k]) v = in.U8();
  }
  body.lastFileName = in.FixedText(kLastFileNameBytes);
  return in.ok() && body.lastFileName.size() < kLastFileNameBytes;
}

}  // namespace view
