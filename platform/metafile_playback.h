#pragma once
// Internal to platform/: the interpreter of metafile records. Each record is decoded with
// bounds-checked reads; a record whose counts or offsets do not fit it is reported, one that
// names objects the metafile never made is skipped. Without a device context the records are
// only checked.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <variant>
#include <vector>

#include "platform/dc.h"
#include "platform/metafile_player.h"

namespace platform {

// An affine map of the plane: x' = x m11 + y m21 + dx, y' = x m12 + y m22 + dy.
struct Affine {
  double m11 = 1, m12 = 0, m21 = 0, m22 = 1, dx = 0, dy = 0;
};

class MetafilePlayback {
 public:
  // Plays onto dc (null: checks only), the source area of device units onto the destination.
  MetafilePlayback(const MetafileHeader& header, DC* dc, const Rect& source,
                   const Rect& destination);
  ~MetafilePlayback();  // gives the device context back its state (pushed when it began)
  MetafilePlayback(const MetafilePlayback&) = delete;
  MetafilePlayback& operator=(const MetafilePlayback&) = delete;

  // The whole record, type and size included; false when its contents do not fit it.
  bool Play(std::span<const std::uint8_t> record);

 private:
  using Object = std::variant<Pen, Brush, FontSpec>;  // sizes in logical units

  struct State {
    Affine world;
    std::uint32_t mapMode = 1;
    double windowOrgX = 0, windowOrgY = 0, windowExtX = 1, windowExtY = 1;
    double viewportOrgX = 0, viewportOrgY = 0, viewportExtX = 1, viewportExtY = 1;
    Pen pen;  // width in logical units
    Brush brush = Brush::Solid(kWhite);
    FontSpec font;  // height in logical units
    Color textColor = kBlack;
    Color backgroundColor = kWhite;
    BackgroundMode backgroundMode = BackgroundMode::Opaque;
    TextAlign textAlign = 0;
    bool updateCurrentPosition = false;
    RasterOp rasterOp = RasterOp::Copy;
    FillMode fillMode = FillMode::Alternate;
    bool clockwise = false;
    double x = 0, y = 0;             // current position, logical
    std::optional<Region> clip;      // target pixels
  };

  struct Reader;
  // A figure of a path, in target pixels; a closed one returns to its start.
  struct Figure {
    std::vector<PointI> points;
    bool closed = false;
  };

  // Records by group; each returns false when the record is malformed.
  bool PlayPoints(std::uint32_t type, Reader& in);
  bool PlayPolyPoints(std::uint32_t type, Reader& in);
  bool PlayShape(std::uint32_t type, Reader& in);
  bool PlayObject(std::uint32_t type, Reader& in);
  bool PlayMode(std::uint32_t type, Reader& in);
  bool PlayTransform(std::uint32_t type, Reader& in);
  bool PlayClip(std::uint32_t type, Reader& in);
  bool PlayRegion(std::uint32_t type, Reader& in);
  bool PlayText(std::uint32_t type, Reader& in);
  bool PlayBlit(std::uint32_t type, Reader& in);
  bool PlayPath(std::uint32_t type, Reader& in);

  Affine Transform() const;  // logical units to target pixels
  PointI ToTarget(double x, double y) const;
  Rect ToTarget(double left, double top, double right, double bottom) const;
  std::optional<Region> ReadRegion(Reader& in, std::uint32_t bytes, const Affine& map, bool& ok);
  std::optional<Object> ObjectAt(std::uint32_t handle) const;
  void Select(const Object& object);
  void ApplyState();
  void ApplyClip();
  // The target's visible area widened by the margin.
  Rect TargetArea(int margin) const;
  std::vector<PointI> Flatten(std::span<const PointI> bezier) const;
  // Adds a line to the path: continuing the last figure when it ends where the line starts.
  void AddToPath(std::vector<PointI> points, bool continues, bool closed);
  // One fill for all the figures (holes stay holes), with the current brush and no pen.
  void FillFigures(const std::vector<std::vector<PointI>>& figures);

  DC* dc_;
  Affine playback_;  // device units of the metafile to target pixels
  double sizeLimit_ = 0;  // the widest pen and the tallest font, in target pixels
  SizeI devicePixels_;
  SizeI deviceMillimetres_;
  std::vector<std::optional<Object>> objects_;
  State state_;
  std::vector<State> saved_;
  // The target's own clip, which bounds the metafile's clips (its whole state is pushed while
  // the playback lasts).
  std::optional<Region> targetClip_;
  bool buildingPath_ = false;  // drawing records add to the path instead of drawing
  std::int64_t pixelBudget_ = 0;  // bitmap pixels this playback may still decode and draw
  std::vector<Figure> path_;
};

}  // namespace platform
