#include "view/bmp_export.h"

#include "platform/bitmap.h"
#include "platform/dc.h"
#include "platform/modal_responder.h"
#include "resources/resource_library.h"
#include "view/dc_figure_painter.h"
#include "view/export_settings_dlg.h"
#include "view/qel_wing.h"

namespace view {

namespace {

constexpr int kBitmapFilterString = 19;  // "Bitmap files (*.BMP)|*.bmp"
constexpr int kBmpSavedString = 90;      // "BMP file saved"

// The device-context painter with its primitives open to the frame painter that drives it.
class RasterPainter : public DcFigurePainter {
 public:
  using DcFigurePainter::DcFigurePainter;
  using DcFigurePainter::DoArc;
  using DcFigurePainter::DoCircle;
  using DcFigurePainter::DoMarker;
  using DcFigurePainter::DoPictureFrame;
  using DcFigurePainter::DoPixelCircle;
  using DcFigurePainter::DoPixelRectangle;
  using DcFigurePainter::DoPixelSegment;
  using DcFigurePainter::DoPolygon;
  using DcFigurePainter::DoPolyline;
  using DcFigurePainter::DoRectangle;
  using DcFigurePainter::DoSegment;
  using DcFigurePainter::DoText;
  using DcFigurePainter::DoTextExtent;
};

// One frame file: the picture is drawn on a bitmap of the client area and written when it ends.
class BmpPainter : public ExportPainter {
 public:
  BmpPainter(TQELWing& window, ExportOutput& output)
      : ExportPainter(window.mapping, output), picture_(window.preWin.width, window.preWin.height) {
    if (picture_.IsEmpty()) return;
    dc_ = picture_.CreateDC();
    window.PaintBackground(*dc_);
    raster_ = std::make_unique<RasterPainter>(*dc_, window.mapping, window.DcRules());
  }
  ~BmpPainter() override {
    raster_.reset();
    dc_.reset();
  }

  void EndPicture() override {
    raster_.reset();
    dc_.reset();
    if (picture_.IsEmpty()) return;  // nothing is written: the frame fails
    const kernel::Bytes bytes = picture_.ToBmp();
    Write({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
  }

 protected:
  void DoStateChanged() override {
    if (!raster_) return;
    raster_->SetPen(state().pen);
    raster_->SetBrush(state().brush);
    raster_->SetTextStyle(state().text);
  }
  bool DoSegment(const kernel::Point2& p, const kernel::Point2& q, bool clip) override {
    return raster_ && raster_->DoSegment(p, q, clip);
  }
  void DoPixelSegment(platform::PointI a, platform::PointI b) override {
    if (raster_) raster_->DoPixelSegment(a, b);
  }
  void DoPolyline(std::span<const kernel::Point2> points) override {
    if (raster_) raster_->DoPolyline(points);
  }
  void DoArc(const kernel::Point2& centre, const kernel::Point2& start, kernel::Real sweep) override {
    if (raster_) raster_->DoArc(centre, start, sweep);
  }
  void DoCircle(const kernel::Point2& centre, kernel::Real radius) override {
    if (raster_) raster_->DoCircle(centre, radius);
  }
  void DoPixelCircle(platform::PointI centre, int radius) override {
    if (raster_) raster_->DoPixelCircle(centre, radius);
  }
  void DoPolygon(std::span<const kernel::Point2> points) override {
    if (raster_) raster_->DoPolygon(points);
  }
  void DoRectangle(const kernel::Point2& topLeft, const kernel::Point2& bottomRight) override {
    if (raster_) raster_->DoRectangle(topLeft, bottomRight);
  }
  void DoPixelRectangle(const platform::Rect& rect) override {
    if (raster_) raster_->DoPixelRectangle(rect);
  }
  void DoMarker(const MarkerPlace& at, std::uint32_t style, int size) override {
    if (raster_) raster_->DoMarker(at, style, size);
  }
  void DoPictureFrame(std::span<const kernel::Point2> corners) override {
    if (raster_) raster_->DoPictureFrame(corners);
  }
  void DoText(platform::PointI anchor, std::string_view text, int h, int v,
              std::optional<kernel::ColorRef> background) override {
    if (raster_) raster_->DoText(anchor, text, h, v, background);
  }
  platform::SizeI DoTextExtent(std::string_view text) override {
    return raster_ ? raster_->DoTextExtent(text) : ExportPainter::DoTextExtent(text);
  }

 private:
  platform::Bitmap picture_;
  std::unique_ptr<platform::DC> dc_;
  std::unique_ptr<RasterPainter> raster_;
};

}  // namespace

std::string BmpExport::Filters() const { return resources::LoadString(kBitmapFilterString); }

int BmpExport::SavedStringId() const { return kBmpSavedString; }

bool BmpExport::AskOptions(TQELWing& window, ExportRun& run) {
  ExportSettings& exports = window.exports;
  exports.animationControl = 0;
  int frames = 1;
  if (exports.animationMode != 0) {
    frames = exports.bmp.frames;
    TSVGDlg dialog(&window, kSettingsForBMP, &frames, &exports.bmp.parameterText);
    if (dialog.Execute() != platform::IDOK) return false;
    exports.bmp.frames = frames;
  }
  run.frames = frames;
  return true;
}

std::unique_ptr<ExportPainter> BmpExport::MakePainter(TQELWing& window, const ExportRun& /*run*/, int /*frame*/,
                                                      ExportOutput& output) {
  return std::make_unique<BmpPainter>(window, output);
}

}  // namespace view
