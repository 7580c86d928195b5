#pragma once
// Enhanced metafiles read from bytes (the clipboard, a figure file, an .emf file) and played
// onto any device context.
//
// Reading checks everything before anything is drawn: the header against the data, every
// record's size against what is left, the record count, the end record, and each record's
// counts and offsets against its own size. Malformed or truncated data is refused with the
// reason; nothing is ever read past the end. Records this player does not know are skipped, as
// are records that name objects the metafile never made.
//
// Besides every record our own writer makes, the player knows what other programs commonly put
// on the clipboard: 32-bit points, Bezier curves, poly-polygons, paths, map modes with window
// and viewport extents, world transforms (rotations and shears only approximately for boxes),
// saved states, and blits of DIBs in the usual depths.
//
// Playing maps the picture's frame (converted to the reference device's units) onto the
// destination rectangle, starting from the default state of a new device context, and leaves
// the target's pen, brush, font, colours, modes, position and clip as they were.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "kernel/byte_io.h"
#include "platform/dc.h"

namespace platform {

enum class MetafileError {
  None,
  TooShort,             // smaller than a header
  NotAMetafile,         // no header record or no signature
  BadHeader,            // header fields that contradict each other
  Truncated,            // the data ends before the size the header gives
  BadRecordSize,        // a record's size is too small, not a multiple of 4, or runs past the end
  RecordCountMismatch,  // the header's record count is not the number of records
  MissingEnd,           // the last record is not the end record, or it comes too early
  BadRecord,            // a record's counts or offsets do not fit inside it
};

struct MetafileHeader {
  Rect bounds;  // device units, inclusive, as stored
  Rect frame;   // 0.01 mm, as stored
  SizeI devicePixels;       // the reference device's size in pixels
  SizeI deviceMillimetres;  // and in millimetres
  std::uint32_t bytes = 0;
  std::uint32_t records = 0;
  std::uint16_t handles = 0;
  // The description's two parts (Windows-1252), empty when there is none.
  std::string application;
  std::string title;
};

struct MetafileRead;

class MetafilePlayer {
 public:
  static MetafileRead Read(kernel::Bytes bytes);

  const MetafileHeader& header() const { return header_; }
  // The metafile's bytes, exactly as long as its header says.
  const kernel::Bytes& bytes() const { return bytes_; }
  // The area of the metafile's device units that is mapped onto a destination: the frame, or the
  // bounds when the frame is unusable; empty when neither is (empty, or wider or taller than any
  // device: 2^28 units).
  Rect SourceArea() const;

  void Play(DC& dc, const Rect& destination) const;

 private:
  MetafilePlayer(kernel::Bytes bytes, MetafileHeader header)
      : bytes_(std::move(bytes)), header_(std::move(header)) {}

  kernel::Bytes bytes_;
  MetafileHeader header_;
};

struct MetafileRead {
  MetafileError error = MetafileError::None;
  std::size_t recordIndex = 0;  // the faulty record (the header is record 0)
  std::optional<MetafilePlayer> player;
};

}  // namespace platform
