#pragma once
// The whole drawing of a window as an enhanced metafile: for the clipboard, or one ".emf" file per
// frame through the export sequence. The figure draws into the metafile through the same painter
// as on the screen (a device-context painter on a metafile device context), at the window's client
// size or at a magnification M (9 for high resolution): the view is then mapped onto M times the
// client area, pens and frame steps are M times wider and fonts are made for a device of
// trunc(1.33 x 72 x M) dots per inch, and the metafile's frame (0.01 mm) is M times larger.

#include <memory>
#include <string>

#include "kernel/byte_io.h"
#include "platform/metafile_dc.h"
#include "shell/font_win.h"
#include "view/dc_figure_painter.h"
#include "view/export_format.h"
#include "view/export_painter.h"
#include "view/qel_win.h"
#include "view/view_mapping.h"
#include "view/wing_settings.h"

namespace view {

class TQELWing;

inline constexpr int kHighResolutionMagnification = 9;

// The font resolution of a metafile drawn at magnification M.
int MetafileFontDpi(int magnification);

// The window set up for a metafile pass while this lives: the metafile flag, the magnification,
// the "With back color" choice, the view mapped onto M times the client area and the fonts for the
// metafile's resolution. All of it is put back when it ends.
class MetafilePassState {
 public:
  MetafilePassState(TQELWing& window, int magnification);
  ~MetafilePassState();
  MetafilePassState(const MetafilePassState&) = delete;
  MetafilePassState& operator=(const MetafilePassState&) = delete;

 private:
  TQELWing& window_;
  ViewMapping mapping_;
  DrawDevice device_;
  shell::FontTable fonts_;
};

// The metafile of the window's client area: the window's device context as the reference, the
// description's two parts.
platform::MetafileSetup WindowMetafileSetup(TQELWing& window, int magnification, std::string application);

// Draws one picture into a metafile. Made before the picture pass (it sets the window up for the
// pass, see MetafilePassState) and destroyed after it; EndPicture writes the metafile's bytes.
class MetafilePainter : public ExportPainter {
 public:
  MetafilePainter(TQELWing& window, ExportOutput& output, const platform::MetafileSetup& setup);
  ~MetafilePainter() override;

  void EndPicture() override;
  // Ends the metafile and gives its bytes.
  kernel::Bytes Finish() { return dc_.Finish(); }
  platform::DC* Device() override { return &dc_; }

 protected:
  void DoStateChanged() override;
  bool DoSegment(const kernel::Point2& p, const kernel::Point2& q, bool clip) override;
  void DoPixelSegment(platform::PointI a, platform::PointI b) override;
  void DoPolyline(std::span<const kernel::Point2> points) override;
  void DoFlaggedPolyline(std::span<const kernel::Point2> points, std::span<const std::uint8_t> flags,
                         int mode) override;
  void DoArc(const kernel::Point2& centre, const kernel::Point2& start, kernel::Real sweep) override;
  void DoCircle(const kernel::Point2& centre, kernel::Real radius) override;
  void DoPixelCircle(platform::PointI centre, int radius) override;
  void DoPolygon(std::span<const kernel::Point2> points) override;
  void DoRectangle(const kernel::Point2& topLeft, const kernel::Point2& bottomRight) override;
  void DoPixelRectangle(const platform::Rect& rect) override;
  void DoMarker(const MarkerPlace& at, std::uint32_t style, int size) override;
  void DoLatticeCross(const kernel::Point2& p, platform::PointI pixel, int armX, int armY, int extra) override;
  void DoPictureFrame(std::span<const kernel::Point2> corners) override;
  void DoArrowhead(const kernel::Point2& tip, const kernel::Point2& direction, const ArrowheadShape& shape) override;
  void DoText(platform::PointI anchor, std::string_view text, int h, int v,
              std::optional<kernel::ColorRef> background) override;
  platform::SizeI DoTextExtent(std::string_view text) override;

 private:
  MetafilePassState pass_;
  platform::MetafileDC dc_;
  DcFigurePainter inner_;
};

// The metafile export: ".emf" files, one per frame, "ANIM.txt" beside the frames of an animation.
// The settings dialog (metafile kind) opens only when the window animates.
class MetafileExport : public ExportFormat {
 public:
  ExportKind Kind() const override { return ExportKind::Metafile; }
  std::string Extension() const override { return "emf"; }
  std::string Filters() const override;
  int SavedStringId() const override;
  AnimationList List() const override { return AnimationList::Text; }
  bool AskOptions(TQELWing& window, ExportRun& run) override;
  std::unique_ptr<ExportPainter> MakePainter(TQELWing& window, const ExportRun& run, int frame,
                                             ExportOutput& output) override;
};

}  // namespace view
