// Linear > Perpendiculars: the modeless dialogs that drop the perpendicular from a point to a line
// or a plane of the figure in space.
#include <string>

#include "engine/windows/dialog_actions.h"
#include "solidview/geom_r_win.h"

namespace solidview {

namespace {

constexpr int kFootToLineAction = 32;
constexpr int kFootToPlaneAction = 33;
constexpr int kFootToLineKind = 402;
constexpr int kFootToPlaneKind = 403;

// The first n existing points' names, or the coordinate axis (n = 2) or plane (n = 3) when the
// figure has fewer; then the last existing point's name.
engine::DialogTexts SuggestFootTexts(const engine::FigureTables& t, int n) {
  engine::DialogTexts texts;
  int found = 0;
  std::string first;
  for (int i = 0; i <= t.last_point && found < n; ++i) {
    if (!t.PointExists(i)) continue;
    t.AppendPointName(first, i);
    ++found;
  }
  texts[0] = found == n ? first : std::string(static_cast<std::size_t>(n), 'X');
  for (int i = t.last_point; i >= 0; --i) {
    if (!t.PointExists(i)) continue;
    t.AppendPointName(texts[1], i);
    break;
  }
  return texts;
}

}  // namespace

void TGeomRWin::CmPerpendicularToLine() {
  if (!lineAltitudeDialog_) {
    lineAltitudeDialog_ = std::make_unique<engine::TDoUndoDlg>(this, "ALTI", kFootToLineAction, kFootToLineKind,
                                                               engine::kDoUndoTextLimit, SuggestFootTexts(tables(), 2));
  }
  lineAltitudeDialog_->Show();
}

void TGeomRWin::CmPerpendicularToPlane() {
  if (!planeAltitudeDialog_) {
    planeAltitudeDialog_ = std::make_unique<engine::TDoUndoDlg>(
        this, "ALTIFACE", kFootToPlaneAction, kFootToPlaneKind, engine::kDoUndoTextLimit, SuggestFootTexts(tables(), 3));
  }
  planeAltitudeDialog_->Show();
}

}  // namespace solidview
