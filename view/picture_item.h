#pragma once
// Pictures pasted onto a figure: each an enhanced metafile placed by a world rectangle, optionally
// tied to an object of the figure (its rectangle is then kept relative to the object's position),
// and the piece of the figure files that stores them with their metafile bytes.
//
// The piece: i16 minus the picture count (0 when none); per picture the rectangle x1, x2, y1, y2
// as 80-bit reals (relative to the tie), u8 transparent, a 40-byte tie block (i32 tie, 36 zero
// bytes), u32 size of the metafile data and the data. A positive count is read as that many
// pictures without the tie block (untied).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "kernel/byte_io.h"
#include "kernel/plain_records.h"
#include "kernel/real.h"
#include "platform/bitmap.h"
#include "platform/drawing_types.h"
#include "platform/metafile_player.h"

namespace view {

inline constexpr std::int32_t kPictureUntied = -1;
inline constexpr std::size_t kPictureTieBlockBytes = 40;

// The picture played at the size it was last shown: its pixels on white, and which of them the
// metafile drew (the others let what is under a transparent picture show).
struct PlayedPicture {
  platform::Bitmap pixels;
  std::vector<std::uint8_t> drawn;  // one per pixel, row by row; 1 where the metafile drew
  // The picture on its background colour, made when an opaque picture is first shown on it.
  std::optional<platform::Bitmap> onBackground;
  platform::Color background;
};

struct PictureItem {
  std::shared_ptr<const platform::MetafilePlayer> metafile;
  std::int32_t id = 0;
  std::int32_t tie = kPictureUntied;
  // 0: the rectangle is first filled with the background colour.
  std::uint8_t transparent = 1;
  kernel::Real x1 = 0;  // left
  kernel::Real x2 = 0;  // right
  kernel::Real y1 = 0;  // lower edge
  kernel::Real y2 = 0;  // upper edge
  // Made when the picture is first shown at a size, dropped when it is shown at another.
  std::shared_ptr<PlayedPicture> played;
};

// Moves the rectangle by the anchor's position (to absolute) or back (to relative); untied
// pictures stay as they are.
void PictureToAbsolute(PictureItem& item, const kernel::Point2& anchor);
void PictureToRelative(PictureItem& item, const kernel::Point2& anchor);

// A picture of the metafile bytes; none when they are not a metafile the player accepts.
std::optional<PictureItem> MakePicture(kernel::Bytes metafile);

// The next id for a picture appended to the list: the last id + 1, 0 for an empty list.
std::int32_t NextPictureId(const std::vector<PictureItem>& pictures);

void WritePictures(kernel::ByteWriter& out, const std::vector<PictureItem>& pictures);

// Reads the piece into `pictures` (ids 0, 1, ... in order). A piece that runs past the data, or
// holds data that is not a metafile, gives false with the reason in `error` and `pictures`
// untouched; the reader is then failed or stands somewhere inside the piece.
bool ReadPictures(kernel::ByteReader& in, std::vector<PictureItem>& pictures, std::string* error = nullptr);

// The picture played into a bitmap of the size (both at least 1), with the drawn-pixel mask.
PlayedPicture PlayPicture(const platform::MetafilePlayer& metafile, platform::SizeI size);

// The size in pixels a pasted metafile takes on a screen of this resolution: its frame (0.01 mm)
// by pixels per millimetre, in integer arithmetic; then shrunk in proportion so that the picture
// placed at `at` stays inside a client area of `client` pixels.
platform::SizeI PastedPictureSize(const platform::Rect& frame, const platform::DeviceCaps& screen,
                                  platform::PointI at, platform::SizeI client);

}  // namespace view
