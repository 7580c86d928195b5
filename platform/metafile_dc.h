#pragma once
// A device context that records its drawing as an enhanced metafile: real EMF records in the
// device units of a reference device, ready for the clipboard or an .emf file.
//
// The metafile's frame (in 0.01 mm) is the picture's rectangle of reference-device pixels times
// the scale, converted by the reference device's size in pixels and millimetres. A drawing made
// at scale k draws everything k times larger (coordinates, pen widths, font heights): the same
// picture at k times the resolution, on a frame k times larger. Device capabilities describe the
// reference device; there are no pixels to read (a vector target, where XOR drawing is recorded
// as the raster operation it is). Objects are created, selected and deleted as the system's
// metafile recorder does, starting from its default state, so every player shows the picture.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "kernel/byte_io.h"
#include "platform/bitmap.h"
#include "platform/dc.h"

namespace platform {

struct MetafileSetup {
  DeviceCaps reference;  // dots per inch, and the size in pixels and millimetres
  Rect picture;          // reference-device pixels
  int scale = 1;         // the drawing is made at scale times the reference resolution
  // The description stored in the header: the application's part, a NUL, the title, two NULs.
  std::string application;
  std::string title;
};

class MetafileDC : public DC {
 public:
  explicit MetafileDC(const MetafileSetup& setup);
  ~MetafileDC() override;

  // Ends the metafile and gives its bytes; drawing after this is not recorded, and later calls
  // give the same bytes.
  kernel::Bytes Finish();

  // The frame written to the header, in 0.01 mm.
  const Rect& frame() const { return frame_; }

 protected:
  void DoPolyline(std::span<const PointI> points) override;
  void DoPolygon(std::span<const PointI> points) override;
  void DoRectangle(const Rect& rect) override;
  void DoEllipse(const Rect& box) override;
  void DoArc(ArcKind kind, const Rect& box, PointI start, PointI end) override;
  void DoSetPixel(PointI p, Color color) override;
  std::optional<Color> DoGetPixel(PointI p) const override;
  void DoFillRect(const Rect& rect, const Brush& brush, RasterOp op) override;
  void DoFillRegion(const Region& region, const Brush& brush) override;
  void DoSetClip(const Region* clip) override;
  void DoTextOut(PointI p, std::string_view utf8) override;
  SizeI DoTextExtent(std::string_view utf8) override;
  void DoDrawBitmap(const Rect& dest, const Bitmap& bitmap, PointI src, RasterOp op) override;
  void DoStretchBitmap(const Rect& dest, const Bitmap& bitmap, const Rect& source, bool flipX, bool flipY,
                       RasterOp op) override;
  Rect DoDrawingBounds() const override { return drawingBounds_; }
  bool DoReadPixels(const Rect& rect, Bitmap& into, PointI at) const override;
  DeviceCaps DoDeviceCaps() const override;

 private:
  // What the metafile has selected, so records are written only when the state changes; at
  // first the defaults of a new device context.
  struct Selected {
    Pen pen{PenStyle::Solid, 1, kBlack};
    std::uint32_t penHandle = 0x80000007;  // the stock black pen
    Brush brush = Brush::Solid(kWhite);
    std::uint32_t brushHandle = 0x80000000;  // the stock white brush
    std::optional<FontSpec> font;
    std::uint32_t fontHandle = 0;
    Color textColor = kBlack;
    Color backgroundColor = kWhite;
    BackgroundMode backgroundMode = BackgroundMode::Opaque;
    TextAlign textAlign = kAlignLeft | kAlignTop;
    RasterOp rasterOp = RasterOp::Copy;
    FillMode fillMode = FillMode::Alternate;
  };

  void Emit(std::uint32_t type, const kernel::ByteWriter& body);
  void EmitValue(std::uint32_t type, std::uint32_t value);
  std::uint32_t NewHandle();
  void ReleaseHandle(std::uint32_t handle);
  // Selects the new object and deletes the one it replaces (stock objects are never deleted).
  void Replace(std::uint32_t& selected, std::uint32_t handle);

  void SyncPen();
  void SyncBrush(const Brush& brush);
  void SyncFont();
  void SyncBackground();
  void SyncRasterOp();
  void SyncFillMode();
  void SyncText();
  void EmitPoints(std::uint32_t type16, std::uint32_t type32, std::span<const PointI> points);
  void EmitBox(std::uint32_t type, const Rect& box);
  // Adds an area (right and bottom exclusive) to the picture's bounds, as far as the clip lets
  // it show.
  void AddBounds(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);
  void AddPointBounds(std::span<const PointI> points);
  // A StretchDIBits record of the source area of the bitmap drawn into dest.
  void EmitBitmap(const Rect& dest, const Bitmap& bitmap, const Rect& source, RasterOp op);
  std::string BytesForFont(std::string_view utf8) const;

  DeviceCaps reference_;
  Rect frame_;
  Rect drawingBounds_;  // the picture at the drawing's scale
  std::u16string description_;
  kernel::ByteWriter body_;
  std::uint32_t records_ = 0;
  std::vector<bool> handleInUse_{true};  // 0 is the metafile itself
  Selected selected_;
  std::optional<Rect> bounds_;  // inclusive
  std::optional<kernel::Bytes> finished_;
  Bitmap measureBitmap_{1, 1};
  std::unique_ptr<DC> measure_;  // measures text like the screen does
};

}  // namespace platform
