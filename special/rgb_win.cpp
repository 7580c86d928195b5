#include "special/rgb_win.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/equation_text.h"
#include "kernel/number_text.h"
#include "kernel/polygon_side2.h"
#include "kernel/random.h"
#include "kernel/triangle_area_ratios.h"
#include "plane/geom_d_win.h"
#include "resources/resource_library.h"
#include "shell/message_numbers.h"
#include "view/settings_files.h"

namespace special {

namespace {

using kernel::Point2;
using kernel::Real;

constexpr int kTriangleKind = 60;
constexpr int kRectangleKind = 72;
constexpr int kMovablePointKind = 121;
constexpr int kRelabelKind = 120;
constexpr std::size_t kFieldChars = 30;
constexpr kernel::ColorRef kPureRed = 255;
constexpr kernel::ColorRef kPureGreen = 65280;
constexpr kernel::ColorRef kPureBlue = 16711680;
// The label ids of R, G, B and C (A is 0).
constexpr std::array<int, 4> kLabels{17, 6, 1, 2};
constexpr int kDetourLabel = 500;
constexpr std::uint16_t kFilledDot = 2;
constexpr int kStringCaption = 246;

}  // namespace

kernel::ColorRef RgbMix::Color() const {
  return static_cast<kernel::ColorRef>(red) + 256u * static_cast<kernel::ColorRef>(green) +
         65536u * static_cast<kernel::ColorRef>(blue);
}

bool MixAt(const Point2& r, const Point2& g, const Point2& b, const Point2& c, Real brightness, RgbMix& mix) {
  std::array<Real, 3> w{};
  Real largest = 0;
  // The areas of CGB, CBR and CRG over their sum: the weights of R, G and B.
  if (!kernel::PolygonAreas2(r, g, b, c, w, largest) || largest <= 0) return false;
  const Real f = brightness / largest;
  for (Real& x : w) x *= f;
  mix.weights = w;
  mix.red = kernel::RoundLD(w[0] * 255);
  mix.green = kernel::RoundLD(w[1] * 255);
  mix.blue = kernel::RoundLD(w[2] * 255);
  return true;
}

// --- The RGB values dialog ----------------------------------------------------------------------

TRGBDlg::TRGBDlg(TRGBWin* window) : TDlg(window, "RGB"), window_(window) {}

void TRGBDlg::SetupWindow() {
  TDlg::SetupWindow();
  ShowValues();
}

void TRGBDlg::ShowValues() {
  RgbMix mix;
  if (!window_->Mix(mix)) return;
  SetItemText(kRgbRedEdit, std::to_string(mix.red));
  SetItemText(kRgbGreenEdit, std::to_string(mix.green));
  SetItemText(kRgbBlueEdit, std::to_string(mix.blue));
}

int TRGBDlg::Apply() {
  std::array<Real, 3> v{};
  const int ids[] = {kRgbRedEdit, kRgbGreenEdit, kRgbBlueEdit};
  for (std::size_t k = 0; k < 3; ++k) {
    const std::string text = GetItemText(ids[k]).substr(0, kFieldChars);
    char* end = nullptr;
    const double x = std::strtod(text.c_str(), &end);
    v[k] = end == text.c_str() || !std::isfinite(x) ? 0 : static_cast<Real>(x);
  }
  // Negative numbers, and three zeros that mix nothing, are out of bounds.
  if (v[0] < 0 || v[1] < 0 || v[2] < 0 || v[0] + v[1] + v[2] <= 0) {
    window_->Msg(shell::kOutOfBounds);
    return shell::kOutOfBounds;
  }
  std::array<Real, 3> rounded{};
  for (std::size_t k = 0; k < 3; ++k) rounded[k] = kernel::RoundLD(v[k]);
  if (rounded[0] < 256 && rounded[1] < 256 && rounded[2] < 256) {
    // Small entries that all round to 0 mix nothing either.
    if (rounded[0] + rounded[1] + rounded[2] <= 0) {
      window_->Msg(shell::kOutOfBounds);
      return shell::kOutOfBounds;
    }
    window_->SetBrightness(std::max(std::max(rounded[0], rounded[2]), rounded[1]) * static_cast<Real>(0.003921569));
    v = rounded;
  }
  const Real sum = v[0] + v[1] + v[2];
  engine::FigureTables& t = window_->tables();
  const Point2 r = t.xy[TRGBWin::kR], g = t.xy[TRGBWin::kG], b = t.xy[TRGBWin::kB];
  t.xy[TRGBWin::kC] = {(v[0] * r.x + v[1] * g.x + v[2] * b.x) / sum, (v[0] * r.y + v[1] * g.y + v[2] * b.y) / sum};
  window_->ReplayConstruction(false);
  window_->Invalidate(false);
  return 0;
}

bool TRGBDlg::OnCommand(int id) {
  if (id == kRgbApply) {
    Apply();
    return true;
  }
  return TDlg::OnCommand(id);
}

// --- The window -----------------------------------------------------------------------------------

TRGBWin::TRGBWin(platform::FrameWindow* parent, std::string_view title) : TPreRGBWin(parent, title) {
  qelWin.settingsFileName = view::kRgbSettingsFile;
  fileMsg.mainHelp = "KVRGBHELP";
  dragHighlight = 0;
}

TRGBWin::~TRGBWin() = default;

void TRGBWin::SetupWindow() {
  TPreRGBWin::SetupWindow();
  const char* menuName = "RGBMENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  preWin.roles[0] = 1;
  SetCaption(resources::LoadString(kStringCaption));
  BuildFigure();
  OpenBrightnessDialog();
  rgbDialog_ = std::make_unique<TRGBDlg>(this);
  ShowRGBDialog();
}

void TRGBWin::OnDestroy() {
  if (rgbDialog_) rgbDialog_->EndDialog(0);
  rgbDialog_.reset();
  TPreRGBWin::OnDestroy();
}

void TRGBWin::BuildFigure() {
  ClearFigure();
  engine::FigureTables& t = tables();
  // The triangle R G B, its vertices where the demonstration puts them.
  history().BeginStep(kTriangleKind);
  RunNewStep();
  t.xy[kR] = {-2.0L, -3.5L};
  t.xy[kG] = {4.3L, -3.5L};
  t.xy[kB] = {3.0L, 4.0L};
  // C a little off the centroid.
  const Point2 m{(t.xy[kR].x + t.xy[kG].x + t.xy[kB].x) / 3, (t.xy[kR].y + t.xy[kG].y + t.xy[kB].y) / 3};
  const Real r1 = kernel::RandomBetween(0, 1);
  const Real r2 = kernel::RandomBetween(0, 1);
  t.xy[kC] = {m.x + 0.2L - 0.4L * r2, m.y + 0.2L - 0.4L * r1};
  history().BeginStep(kMovablePointKind, static_cast<std::int16_t>(kC));
  RunNewStep();
  // The labels R, G, B and C, by way of labels nobody holds.
  for (int i = 0; i < 4; ++i) {
    history().BeginStep(kRelabelKind, static_cast<std::int16_t>(t.names[static_cast<std::size_t>(i)].label),
                        static_cast<std::int16_t>(i), static_cast<std::int16_t>(kDetourLabel + i));
    RunNewStep();
  }
  for (int i = 0; i < 4; ++i) {
    history().BeginStep(kRelabelKind, static_cast<std::int16_t>(kDetourLabel + i), static_cast<std::int16_t>(i),
                        static_cast<std::int16_t>(kLabels[static_cast<std::size_t>(i)]));
    RunNewStep();
  }
  // The swatch.
  history().BeginStep(kRectangleKind);
  RunNewStep();
  const Point2 corners[] = {{-4.0L, 0.0L}, {-1.0L, 0.0L}, {-1.0L, 3.0L}, {-4.0L, 3.0L}};
  for (int k = 0; k < 4; ++k) t.xy[kSwatch + k] = corners[k];
  ReplayConstruction(false);
  for (int i = 0; i <= std::min<int>(t.last_point, kSwatch + 3); ++i) {
    t.names[static_cast<std::size_t>(i)].shown = 0;
    t.names[static_cast<std::size_t>(i)].marker = 0;
  }
  t.names[kC].marker = kFilledDot;
  qelWin.currentTool = plane::kModeDragVertices;
  // The view settles on the figure first, so the measurements below are placed in it.
  Update(false);
  // The barycentric coordinates of C as measurements: each triangle's area over RGB's.
  for (const char* text : {"cgb/rgb", "cbr/rgb", "crg/rgb"}) {
    std::string value;
    const int result = engine::FormatEquation(compiler, text, value);
    if (result < 1) AddTextItem(text, result, true);
  }
  // One row each, measured in their font.
  ArrangeHomePositions();
  fileMsg.modified = 0;
  Update(false);
}

bool TRGBWin::Mix(RgbMix& mix) const {
  const engine::FigureTables& t = tables();
  if (t.last_point < kC) return false;
  return MixAt(t.xy[kR], t.xy[kG], t.xy[kB], t.xy[kC], BrightnessFraction(), mix);
}

void TRGBWin::FillPolygon(view::FigurePainter& painter, std::initializer_list<int> points, kernel::ColorRef colour) {
  std::vector<Point2> corners;
  for (int i : points) corners.push_back(tables().xy[static_cast<std::size_t>(i)]);
  painter.SetBrush({true, view::InkColor::Value(colour), 0});
  painter.Region(corners, "polygon", false);
}

void TRGBWin::PaintFigure(view::FigurePainter& painter) {
  RgbMix mix;
  if (drawLayer != plane::DrawLayer::kStill && Mix(mix)) {
    painter.Save();
    painter.SetPen({view::InkColor::Index(0), 0, view::kLineNone});
    FillPolygon(painter, {kSwatch, kSwatch + 1, kSwatch + 2, kSwatch + 3}, mix.Color());
    FillPolygon(painter, {kG, kB, kC}, kPureRed);
    FillPolygon(painter, {kB, kR, kC}, kPureGreen);
    FillPolygon(painter, {kR, kG, kC}, kPureBlue);
    painter.Restore();
    if (rgbDialog_ && rgbDialog_->IsCreated() && !rgbDialog_->closed) rgbDialog_->ShowValues();
  }
  TPreRGBWin::PaintFigure(painter);
}

bool TRGBWin::RefusesDragTo(const Point2& q, int i) const {
  if (i >= kSwatch) return false;
  const engine::FigureTables& t = tables();
  std::array<Point2, 4> triangle{t.xy[kR], t.xy[kG], t.xy[kB], t.xy[kR]};
  Point2 test = q;
  if (i < kC) {
    triangle[static_cast<std::size_t>(i)] = q;
    if (i == kR) triangle[3] = q;
    test = t.xy[kC];
  }
  return !kernel::IsStrictlyConvex2(triangle, 3, test);
}

void TRGBWin::ShowRGBDialog() {
  if (!rgbDialog_) return;
  rgbDialog_->Show();
  rgbDialog_->closed = 0;
}

bool TRGBWin::OnCommand(int id) {
  if (id == kCmdRgbValues) {
    ShowRGBDialog();
    return true;
  }
  return TPreRGBWin::OnCommand(id);
}

void TRGBWin::EnableCommand(platform::CommandState& state) {
  if (state.id == kCmdRgbValues) {
    state.enabled = true;
    return;
  }
  TPreRGBWin::EnableCommand(state);
}

}  // namespace special
