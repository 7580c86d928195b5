#include "view/picture_item.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "kernel/number_text.h"
#include "platform/bitmap_overlay.h"
#include "platform/dc.h"

namespace view {

namespace {

// The fixed part of a picture in the piece: rectangle, transparent flag, tie block, data size.
constexpr std::size_t kFixedBytes = 4 * kernel::kRealBytes + 1 + kPictureTieBlockBytes + 4;
constexpr std::size_t kFixedBytesUntied = 4 * kernel::kRealBytes + 1 + 4;

const char* ErrorText(platform::MetafileError error) {
  switch (error) {
    case platform::MetafileError::None: return "";
    case platform::MetafileError::TooShort: return "metafile too short";
    case platform::MetafileError::NotAMetafile: return "not a metafile";
    case platform::MetafileError::BadHeader: return "bad metafile header";
    case platform::MetafileError::Truncated: return "metafile truncated";
    case platform::MetafileError::BadRecordSize: return "bad metafile record size";
    case platform::MetafileError::RecordCountMismatch: return "metafile record count mismatch";
    case platform::MetafileError::MissingEnd: return "metafile without its end record";
    case platform::MetafileError::BadRecord: return "bad metafile record";
  }
  return "bad metafile";
}

void Fail(std::string* error, std::string text) {
  if (error) *error = std::move(text);
}

}  // namespace

void PictureToAbsolute(PictureItem& item, const kernel::Point2& anchor) {
  if (item.tie < 0) return;
  item.x1 += anchor.x;
  item.x2 += anchor.x;
  item.y1 += anchor.y;
  item.y2 += anchor.y;
}

void PictureToRelative(PictureItem& item, const kernel::Point2& anchor) {
  if (item.tie < 0) return;
  item.x1 -= anchor.x;
  item.x2 -= anchor.x;
  item.y1 -= anchor.y;
  item.y2 -= anchor.y;
}

std::optional<PictureItem> MakePicture(kernel::Bytes metafile) {
  platform::MetafileRead read = platform::MetafilePlayer::Read(std::move(metafile));
  if (!read.player) return std::nullopt;
  PictureItem item;
  item.metafile = std::make_shared<const platform::MetafilePlayer>(std::move(*read.player));
  return item;
}

std::int32_t NextPictureId(const std::vector<PictureItem>& pictures) {
  return pictures.empty() ? 0 : pictures.back().id + 1;
}

void WritePictures(kernel::ByteWriter& out, const std::vector<PictureItem>& pictures) {
  // The count is stored negated in an i16; a list longer than that is cut.
  const std::size_t count = std::min<std::size_t>(pictures.size(), 32767);
  out.I16(static_cast<std::int16_t>(-static_cast<int>(count)));
  for (std::size_t i = 0; i < count; ++i) {
    const PictureItem& p = pictures[i];
    out.Real80(p.x1);
    out.Real80(p.x2);
    out.Real80(p.y1);
    out.Real80(p.y2);
    out.U8(p.transparent);
    out.I32(p.tie);
    out.Zeros(kPictureTieBlockBytes - 4);
    const kernel::Bytes empty;
    const kernel::Bytes& data = p.metafile ? p.metafile->bytes() : empty;
    out.U32(static_cast<std::uint32_t>(data.size()));
    out.Raw(data);
  }
}

bool ReadPictures(kernel::ByteReader& in, std::vector<PictureItem>& pictures, std::string* error) {
  const std::int16_t stored = in.I16();
  if (!in.ok()) {
    Fail(error, "picture piece missing");
    return false;
  }
  const bool tieBlocks = stored < 0;
  const int count = std::abs(static_cast<int>(stored));
  std::vector<PictureItem> read;
  for (int i = 0; i < count; ++i) {
    if (in.remaining() < (tieBlocks ? kFixedBytes : kFixedBytesUntied)) {
      Fail(error, "picture piece truncated");
      return false;
    }
    PictureItem p;
    p.x1 = in.Real80();
    p.x2 = in.Real80();
    p.y1 = in.Real80();
    p.y2 = in.Real80();
    p.transparent = in.U8();
    if (tieBlocks) {
      p.tie = in.I32();
      in.Skip(kPictureTieBlockBytes - 4);
    }
    const std::uint32_t size = in.U32();
    if (!in.ok() || size > in.remaining()) {
      Fail(error, "picture data runs past the end");
      return false;
    }
    kernel::Bytes data(size);
    in.Raw(data.data(), size);
    platform::MetafileRead metafile = platform::MetafilePlayer::Read(std::move(data));
    if (!metafile.player) {
      Fail(error, ErrorText(metafile.error));
      return false;
    }
    p.metafile = std::make_shared<const platform::MetafilePlayer>(std::move(*metafile.player));
    p.id = i;
    read.push_back(std::move(p));
  }
  pictures = std::move(read);
  return true;
}

PlayedPicture PlayPicture(const platform::MetafilePlayer& metafile, platform::SizeI size) {
  const int w = std::max(1, size.width);
  const int h = std::max(1, size.height);
  const platform::Rect all{0, 0, w, h};
  PlayedPicture played;
  played.pixels = platform::Bitmap(w, h, platform::kWhite);
  platform::Bitmap onBlack(w, h, platform::kBlack);
  {
    std::unique_ptr<platform::DC> dc = played.pixels.CreateDC();
    metafile.Play(*dc, all);
    std::unique_ptr<platform::DC> black = onBlack.CreateDC();
    metafile.Play(*black, all);
  }
  played.drawn = platform::DrawnPixels(played.pixels, onBlack);
  return played;
}

platform::SizeI PastedPictureSize(const platform::Rect& frame, const platform::DeviceCaps& screen,
                                  platform::PointI at, platform::SizeI client) {
  const std::int64_t mmX = std::max(1, screen.widthMm);
  const std::int64_t mmY = std::max(1, screen.heightMm);
  std::int64_t w = frame.Width64() * screen.widthPixels / (mmX * 100);
  std::int64_t h = frame.Height64() * screen.heightPixels / (mmY * 100);
  w = std::max<std::int64_t>(1, w);
  h = std::max<std::int64_t>(1, h);
  const std::int64_t roomX = std::max<std::int64_t>(1, std::int64_t{client.width} - at.x);
  const std::int64_t roomY = std::max<std::int64_t>(1, std::int64_t{client.height} - at.y);
  if (w > roomX) {
    h = std::max<std::int64_t>(1, kernel::RoundLD(static_cast<kernel::Real>(h) * roomX / w));
    w = roomX;
  }
  if (h > roomY) {
    w = std::max<std::int64_t>(1, kernel::RoundLD(static_cast<kernel::Real>(w) * roomY / h));
    h = roomY;
  }
  constexpr std::int64_t kLargest = std::numeric_limits<int>::max();
  return {static_cast<int>(std::min(w, kLargest)), static_cast<int>(std::min(h, kLargest))};
}

}  // namespace view
