// The figure layer's colours, help topics and the points of the figure on the screen.
#include <cmath>

#include "engine/windows/geom_win.h"
#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

#include "kernel/colour_table.h"
#include "kernel/random.h"
#include "platform/dialog.h"

namespace engine {

namespace {

// The colour roles a figure window starts with (role, colour index).
constexpr std::array<std::pair<int, std::uint16_t>, 11> kDefaultRoles{
    {{1, 4}, {2, 5}, {3, 0}, {4, 4}, {5, 4}, {6, 4}, {7, 0}, {10, 21}, {11, 25}, {12, 4}, {13, 6}}};

// Role kinds the colour window reports back.
constexpr int kBackgroundKind = 0;
constexpr int kLabelsKind = 1;
constexpr int kTextsKind = 2;

constexpr int kLabelHitPixels = 3;
// The positions the tracing buffers hold after set-up.
constexpr int kTraceBuffers = 1000;

// The help of the File menu, then one help text per menu in the order of the menus.
constexpr std::array<const char*, 11> kPlaneHelp{"KV2POINTH", "KV2LINEH", "KV2CIRCH", "KV2UNITH",
                                                 "KV2TRANH",  "KV2EDITH", "KV2BTNSH", "KV2VIEWH",
                                                 "KV2ANIMH",  "KV2MISCH", "KV2MEASH"};
constexpr std::array<const char*, 11> kSolidHelp{"KV3POINTH", "KV3LINEH", "KV3CURVH", "KV3UNITH",
                                                 "KV3TRANH",  "KV3EDITH", "KV3BTNSH", "KV3VIEWH",
                                                 "KV3ANIMH",  "KV3MISCH", "KV3MEASH"};

}  // namespace

TGeomWin::TGeomWin(platform::FrameWindow* parent, std::string_view title) : TFuncWin(parent, title) {
  stepEngine.compiler = &compiler;
  stepEngine.colours = &preWin.colors;
  for (const auto& [role, index] : kDefaultRoles) preWin.roles[static_cast<std::size_t>(role)] = index;
  UpdateContrastColor();
  GeometryChanged();
  SetTraceCapacity(kTraceBuffers);
  markingSizes.screenWidth = std::max(ScreenRect().width, 1);
  // Texts can be tied to the figure's points.
  textItems.objectsAvailable = 1;
  exports.creator = "Kavrine dynamic geometry";
}

void TGeomWin::GeometryChanged() {
  stepEngine.model = model();
  stepEngine.dimension = dimension();
  HelpTopics();
}

void TGeomWin::HelpTopics() {
  fileMsg.helpTopics[0] = "KVFILEH";
  const auto& names = dimension() == 2 || model().Spherical ? kPlaneHelp : kSolidHelp;
  for (std::size_t i = 0; i < names.size(); ++i) fileMsg.helpTopics[i + 1] = names[i];
}

void TGeomWin::UpdateContrastColor() {
  auto& roles = preWin.roles;
  if (roles[kLabelColorRole] == roles[kContrastSourceRole]) return;
  const std::uint16_t labels = roles[kLabelColorRole];
  roles[kContrastColorRole] = labels == 5 || labels == 14 ? 4 : 5;
  roles[kContrastSourceRole] = labels;
}

void TGeomWin::AvoidBackgroundColor(int i) {
  if (i < 0 || i >= shell::kColorRoleCount) return;
  std::uint16_t& role = preWin.roles[static_cast<std::size_t>(i)];
  if (role != preWin.roles[0]) return;
  role = role < kernel::kColorCount - 1 ? role + 1 : role - 1;
}

void TGeomWin::ColorChanged(int roleKind) {
  switch (roleKind) {
    case kBackgroundKind: {
      const platform::Color background = platform::Color::FromColorRef(Color(preWin.roles[0]));
      SetBackgroundColor(background.r, background.g, background.b);
      UpdateContrastColor();
      break;
    }
    case kLabelsKind: UpdateContrastColor(); break;
    case kTextsKind:
      if (!textItems.plain.empty() || !textItems.measurements.empty()) AvoidBackgroundColor(kTextColorRole);
      break;
    default: TFuncWin::ColorChanged(roleKind); return;
  }
  wing.pictureValid = 0;
  Invalidate(false);
}

bool TGeomWin::PointToScreen(int i, platform::PointI& pixel) const {
  if (!tables().PointExists(i)) return false;
  const auto index = static_cast<std::size_t>(i);
  if (dimension() == 3 && !model().Spherical) {
    const PixelPoint p = tables().projected[index];
    pixel = {p.x, p.y};
  } else {
    pixel = {XToScreen(tables().xy[index].x), YToScreen(tables().xy[index].y)};
  }
  return pixel.x >= 0 && pixel.y >= 0 && pixel.x < mapping.width && pixel.y < mapping.height;
}

bool TGeomWin::CycleLabelPosition(platform::PointI mouse) {
  FigureTables& t = tables();
  for (int i = 0; i <= t.last_point; ++i) {
    platform::PointI pixel;
    if (!t.PointExists(i)) continue;
    PointToScreen(i, pixel);
    if (std::abs(pixel.x - mouse.x) > kLabelHitPixels || std::abs(pixel.y - mouse.y) > kLabelHitPixels) continue;
    PointNameRecord& name = t.names[static_cast<std::size_t>(i)];
    if (!name.shown) name.marker = static_cast<std::uint16_t>((name.marker + 1) % 5);
    name.shown = name.shown ? 0 : 1;
    SetModified();
    wing.pictureValid = 0;
    Invalidate(false);
    return true;
  }
  return false;
}

kernel::Point2 TGeomWin::ObjectPosition(int i) {
  if (tables().PointExists(i)) return tables().xy[static_cast<std::size_t>(i)];
  return TFuncWin::ObjectPosition(i);
}

void TGeomWin::ObjectName(platform::Dialog& dialog, int listId, int tie) {
  dialog.ListClear(listId);
  std::vector<std::uint16_t>& rows = textItems.objectMap;
  std::size_t row = 0;
  int tied = -1;
  for (int i = 0; i <= tables().last_point && row < rows.size(); ++i) {
    if (!tables().PointExists(i)) continue;
    std::string name;
    AppendPointName(name, i);
    dialog.ListAdd(listId, name);
    rows[row] = static_cast<std::uint16_t>(i);
    if (i == tie) tied = static_cast<int>(row);
    ++row;
  }
  if (tied >= 0) dialog.ListSelect(listId, tied);
}

int TGeomWin::PointAtMouse(platform::PointI mouse, Real tolerance) const {
  return tables().FindPointNear(XToWorld(mouse.x), YToWorld(mouse.y), tolerance);
}

Point3 TGeomWin::RandomUnitVector3D() {
  const Real a = 2 * kernel::Pi * kernel::RandomBetween(0, 1);
  const Real b = kernel::Pi * kernel::RandomBetween(0, 1);
  return {std::sin(b) * std::cos(a), std::sin(b) * std::sin(a), std::cos(b)};
}

}  // namespace engine
