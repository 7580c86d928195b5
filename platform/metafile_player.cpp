#include "platform/metafile_player.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "platform/metafile_format.h"
#include "platform/metafile_playback.h"
#include "platform/metafile_text.h"

namespace platform {
namespace {

Rect ReadRect(kernel::ByteReader& in) {
  Rect r;
  r.left = in.I32();
  r.top = in.I32();
  r.right = in.I32();
  r.bottom = in.I32();
  return r;
}

MetafileRead Refused(MetafileError error, std::size_t record = 0) {
  MetafileRead result;
  result.error = error;
  result.recordIndex = record;
  return result;
}

// Device units from 0.01 mm by the reference device's pixels per millimetre.
int ToDeviceUnits(std::int64_t hundredthsMm, int pixels, int millimetres) {
  const double v = static_cast<double>(hundredthsMm) * pixels / (millimetres * 100.0);
  return static_cast<int>(std::lround(std::clamp(v, -1e9, 1e9)));
}

}  // namespace

MetafileRead MetafilePlayer::Read(kernel::Bytes bytes) {
  if (bytes.size() < emf::kHeaderBaseBytes) return Refused(MetafileError::TooShort);
  kernel::ByteReader in(bytes);
  const std::uint32_t type = in.U32();
  const std::uint32_t headerBytes = in.U32();
  MetafileHeader header;
  header.bounds = ReadRect(in);
  header.frame = ReadRect(in);
  const std::uint32_t signature = in.U32();
  in.U32();  // version
  header.bytes = in.U32();
  header.records = in.U32();
  header.handles = in.U16();
  in.U16();
  const std::uint32_t descriptionUnits = in.U32();
  const std::uint32_t descriptionOffset = in.U32();
  in.U32();  // palette entries
  header.devicePixels.width = in.I32();
  header.devicePixels.height = in.I32();
  header.deviceMillimetres.width = in.I32();
  header.deviceMillimetres.height = in.I32();
  if (!in.ok()) return Refused(MetafileError::TooShort);
  if (type != emf::kHeader || signature != emf::kSignature) {
    return Refused(MetafileError::NotAMetafile);
  }
  if (headerBytes < emf::kHeaderBaseBytes || headerBytes % 4 != 0 || header.bytes % 4 != 0 ||
      header.bytes < headerBytes || header.handles == 0) {
    return Refused(MetafileError::BadHeader);
  }
  if (headerBytes > bytes.size() || header.bytes > bytes.size()) {
    return Refused(MetafileError::Truncated);
  }
  if (descriptionUnits != 0) {
    if (descriptionOffset < emf::kHeaderBaseBytes || descriptionOffset > headerBytes ||
        std::uint64_t{descriptionUnits} * 2 > headerBytes - descriptionOffset) {
      return Refused(MetafileError::BadHeader);
    }
    std::u16string text;
    for (std::uint32_t i = 0; i < descriptionUnits; ++i) {
      const std::size_t at = descriptionOffset + 2 * std::size_t{i};
      text.push_back(static_cast<char16_t>(bytes[at] | (bytes[at + 1] << 8)));
    }
    const std::size_t split = text.find(u'\0');
    header.application = Utf16ToProgramText(text.substr(0, split));
    if (split != std::u16string::npos) {
      const std::u16string rest = text.substr(split + 1);
      header.title = Utf16ToProgramText(rest.substr(0, rest.find(u'\0')));
    }
  }
  bytes.resize(header.bytes);  // what follows the metafile is not part of it

  // The records: each inside the data, the end record last.
  std::vector<std::span<const std::uint8_t>> records;
  std::size_t at = headerBytes;
  bool ended = false;
  while (at < bytes.size()) {
    if (ended) return Refused(MetafileError::MissingEnd, records.size() + 1);
    kernel::ByteReader record(bytes.data() + at, bytes.size() - at);
    const std::uint32_t recordType = record.U32();
    const std::uint32_t size = record.U32();
    if (!record.ok() || size < 8 || size % 4 != 0 || size > bytes.size() - at) {
      return Refused(MetafileError::BadRecordSize, records.size() + 1);
    }
    records.emplace_back(bytes.data() + at, size);
    ended = recordType == emf::kEof;
    at += size;
  }
  if (!ended) return Refused(MetafileError::MissingEnd, records.size());
  if (header.records != records.size() + 1) return Refused(MetafileError::RecordCountMismatch);

  // Every record's contents, checked by playing them onto nothing.
  {
    MetafilePlayback check(header, nullptr, {}, {});
    for (std::size_t i = 0; i < records.size(); ++i) {
      if (!check.Play(records[i])) return Refused(MetafileError::BadRecord, i + 1);
    }
  }
  MetafileRead result;
  result.player = MetafilePlayer(std::move(bytes), std::move(header));
  return result;
}

Rect MetafilePlayer::SourceArea() const {
  const MetafileHeader& h = header_;
  // A picture wider or taller than this is damaged: no device is that large.
  constexpr std::int64_t kSpanLimit = std::int64_t{1} << 28;
  const auto usable = [](const Rect& r) {
    return !r.IsEmpty() && r.Width64() <= kSpanLimit && r.Height64() <= kSpanLimit;
  };
  if (h.devicePixels.width > 0 && h.devicePixels.height > 0 && h.deviceMillimetres.width > 0 &&
      h.deviceMillimetres.height > 0) {
    const Rect frame{
        ToDeviceUnits(h.frame.left, h.devicePixels.width, h.deviceMillimetres.width),
        ToDeviceUnits(h.frame.top, h.devicePixels.height, h.deviceMillimetres.height),
        ToDeviceUnits(h.frame.right, h.devicePixels.width, h.deviceMillimetres.width),
        ToDeviceUnits(h.frame.bottom, h.devicePixels.height, h.deviceMillimetres.height)};
    if (usable(frame)) return frame;
  }
  // The bounds are inclusive.
  const Rect bounds{h.bounds.left, h.bounds.top,
                    static_cast<int>(std::min<std::int64_t>(std::int64_t{h.bounds.right} + 1, INT32_MAX)),
                    static_cast<int>(std::min<std::int64_t>(std::int64_t{h.bounds.bottom} + 1, INT32_MAX))};
  return usable(bounds) ? bounds : Rect{};
}

void MetafilePlayer::Play(DC& dc, const Rect& destination) const {
  const Rect source = SourceArea();
  if (source.IsEmpty() || destination.IsEmpty()) return;
  MetafilePlayback playback(header_, &dc, source, destination);
  std::size_t at = 0;
  while (at + 8 <= bytes_.size()) {
    kernel::ByteReader record(bytes_.data() + at + 4, 4);
    const std::uint32_t size = record.U32();
    if (size < 8 || size > bytes_.size() - at) break;  // checked when read
    playback.Play(std::span<const std::uint8_t>(bytes_.data() + at, size));
    at += size;
  }
}

}  // namespace platform
