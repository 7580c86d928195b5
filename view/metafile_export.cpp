#include "view/metafile_export.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <utility>

#include "kernel/font_records.h"
#include "platform/modal_responder.h"
#include "resources/resource_library.h"
#include "view/export_settings_dlg.h"
#include "view/qel_wing.h"
#include "view/qel_winm.h"

namespace view {

namespace {

constexpr int kFilterString = 99;  // "Enhanced metafiles (*.EMF)|*.emf"
constexpr int kSavedString = 40;   // "EMF saved"

}  // namespace

int MetafileFontDpi(int magnification) {
  return static_cast<int>(std::trunc(1.33 * 72 * std::max(1, magnification)));
}

MetafilePassState::MetafilePassState(TQELWing& window, int magnification)
    : window_(window), mapping_(window.mapping), device_(window.device), fonts_(window.fontWin.fonts) {
  const int m = std::max(1, magnification);
  window.device.metafileRunning = 1;
  window.device.magnifier = m;
  ViewMapping& map = window.mapping;
  map.width *= m;
  map.height *= m;
  map.offsetX *= m;
  map.offsetY *= m;
  UpdateScale(map);
  const int dpi = MetafileFontDpi(m);
  for (std::size_t k = 0; k < window.fontWin.fonts.size(); ++k)
    if (window.fontWin.pointSizes[k] > 0)
      window.fontWin.fonts[k].height = kernel::PointsToFontHeight(window.fontWin.pointSizes[k], dpi);
}

MetafilePassState::~MetafilePassState() {
  window_.mapping = mapping_;
  window_.device = device_;
  window_.fontWin.fonts = fonts_;
}

platform::MetafileSetup WindowMetafileSetup(TQELWing& window, int magnification, std::string application) {
  platform::MetafileSetup setup;
  std::unique_ptr<platform::DC> dc = window.GetDC();
  if (dc) setup.reference = dc->GetDeviceCaps();
  dc.reset();
  if (setup.reference.widthPixels <= 0 || setup.reference.widthMm <= 0) {
    // No device to ask: a screen of the usual resolution.
    setup.reference.widthPixels = std::max(1, window.ClientWidth());
    setup.reference.heightPixels = std::max(1, window.ClientHeight());
    setup.reference.widthMm = std::max(1, setup.reference.widthPixels * 254 / (setup.reference.dpiX * 10));
    setup.reference.heightMm = std::max(1, setup.reference.heightPixels * 254 / (setup.reference.dpiY * 10));
  }
  setup.reference.raster = false;
  setup.picture = {0, 0, std::max(1, window.mapping.width), std::max(1, window.mapping.height)};
  setup.scale = std::max(1, magnification);
  setup.application = std::move(application);
  setup.title = window.Caption();
  return setup;
}

MetafilePainter::MetafilePainter(TQELWing& window, ExportOutput& output, const platform::MetafileSetup& setup)
    : ExportPainter(window.mapping, output),
      pass_(window, setup.scale),
      dc_(setup),
      inner_(dc_, window.mapping, window.DcRules()) {}

MetafilePainter::~MetafilePainter() = default;

void MetafilePainter::EndPicture() {
  const kernel::Bytes bytes = dc_.Finish();
  Write(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void MetafilePainter::DoStateChanged() {
  inner_.SetPen(state().pen);
  inner_.SetBrush(state().brush);
  inner_.SetTextStyle(state().text);
}

bool MetafilePainter::DoSegment(const kernel::Point2& p, const kernel::Point2& q, bool clip) {
  return inner_.Segment(p, q, clip);
}
void MetafilePainter::DoPixelSegment(platform::PointI a, platform::PointI b) { inner_.PixelSegment(a, b); }
void MetafilePainter::DoPolyline(std::span<const kernel::Point2> points) { inner_.Polyline(points); }
void MetafilePainter::DoFlaggedPolyline(std::span<const kernel::Point2> points, std::span<const std::uint8_t> flags,
                                        int mode) {
  inner_.FlaggedPolyline(points, flags, mode);
}
void MetafilePainter::DoArc(const kernel::Point2& centre, const kernel::Point2& start, kernel::Real sweep) {
  inner_.Arc(centre, start, sweep);
}
void MetafilePainter::DoCircle(const kernel::Point2& centre, kernel::Real radius) { inner_.Circle(centre, radius); }
void MetafilePainter::DoPixelCircle(platform::PointI centre, int radius) { inner_.PixelCircle(centre, radius); }
void MetafilePainter::DoPolygon(std::span<const kernel::Point2> points) { inner_.Polygon(points); }
void MetafilePainter::DoRectangle(const kernel::Point2& topLeft, const kernel::Point2& bottomRight) {
  inner_.Rectangle(topLeft, bottomRight);
}
void MetafilePainter::DoPixelRectangle(const platform::Rect& rect) { inner_.PixelRectangle(rect); }
void MetafilePainter::DoMarker(const MarkerPlace& at, std::uint32_t style, int size) {
  inner_.MarkerAtPixel(at.pixel, style, size);
}
void MetafilePainter::DoLatticeCross(const kernel::Point2& p, platform::PointI /*pixel*/, int armX, int armY,
                                     int extra) {
  inner_.LatticeCross(p, armX, armY, extra);
}
void MetafilePainter::DoPictureFrame(std::span<const kernel::Point2> /*corners*/) { inner_.PictureFrame(); }
void MetafilePainter::DoArrowhead(const kernel::Point2& tip, const kernel::Point2& direction,
                                  const ArrowheadShape& shape) {
  inner_.Arrowhead(tip, direction, shape);
}
void MetafilePainter::DoText(platform::PointI anchor, std::string_view text, int h, int v,
                             std::optional<kernel::ColorRef> background) {
  inner_.Text(anchor, text, h, v, background);
}
platform::SizeI MetafilePainter::DoTextExtent(std::string_view text) { return inner_.TextExtent(text); }

std::string MetafileExport::Filters() const { return resources::LoadString(kFilterString); }

int MetafileExport::SavedStringId() const { return kSavedString; }

bool MetafileExport::AskOptions(TQELWing& window, ExportRun& run) {
  ExportSettings& exports = window.exports;
  if (exports.animationMode == 0) {
    run.frames = 1;
    return true;
  }
  exports.animationControl = 0;
  int frames = exports.metafile.frames;
  TSVGDlg dialog(&window, kSettingsForMetafile, &frames, &exports.metafile.parameterText);
  if (dialog.Execute() != platform::IDOK) return false;
  exports.metafile.frames = frames;
  run.frames = frames;
  return true;
}

std::unique_ptr<ExportPainter> MetafileExport::MakePainter(TQELWing& window, const ExportRun& /*run*/, int /*frame*/,
                                                           ExportOutput& output) {
  const auto* pictures = dynamic_cast<const TQELWinm*>(&window);
  const int magnification = pictures ? pictures->Magnification() : 1;
  const std::string application = pictures ? pictures->metafileApplication : std::string();
  return std::make_unique<MetafilePainter>(window, output, WindowMetafileSetup(window, magnification, application));
}

}  // namespace view
