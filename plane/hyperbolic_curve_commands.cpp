// Line > Parallels, Line > Equidistant curve and Line > Horocycle: each opens its construction
// dialog, created on first use with texts taken from the figure and kept with the texts typed
// last. A hyperbolic window draws the parallel of the hyperbolic plane.
#include <memory>
#include <string>

#include "engine/line_suggestions.h"
#include "engine/windows/do_undo_dlg.h"
#include "plane/geom_e_win.h"

namespace plane {

namespace {

constexpr int kCmdParallels = 775;
constexpr int kCmdEquidistantCurve = 835;
constexpr int kCmdHorocycle = 836;

constexpr int kEuclideanParallelAction = 2;
constexpr int kEuclideanParallelKind = 115;
constexpr int kHyperbolicParallelAction = 19;
constexpr int kHyperbolicParallelKind = 119;
constexpr int kEquidistantAction = 20;
constexpr int kHypercycleKind = 130;
constexpr int kHorocycleAction = 21;
constexpr int kHorocycleKind = 138;

}  // namespace

bool TGeomEWin::CurveDialogCommand(int id) {
  if (id != kCmdParallels && ((id != kCmdEquidistantCurve && id != kCmdHorocycle) || !hyperbolic)) return false;
  std::unique_ptr<engine::TDoUndoDlg>& dialog =
      id == kCmdParallels ? parallelDialog_ : id == kCmdEquidistantCurve ? equidistantDialog_ : horocycleDialog_;
  if (!dialog) {
    std::string line;
    std::string point;
    const engine::LineSuggestion mode =
        id == kCmdHorocycle ? engine::LineSuggestion::kLineAndItsPoint : engine::LineSuggestion::kLineAndPoint;
    const bool suggested = engine::SuggestLineInput(tables(), line, mode, point);
    if (!suggested) {
      // Only the Euclidean parallel does without a drawn line: the x axis and the first point.
      if (id != kCmdParallels || hyperbolic || !tables().ListPointNames(point, 1)) return true;
      if (line.empty()) line = "XX";
    }
    const char* resource = id == kCmdParallels ? "PARA" : id == kCmdEquidistantCurve ? "EQUIDIST" : "HOROCYC";
    int action = id == kCmdEquidistantCurve ? kEquidistantAction : kHorocycleAction;
    int undo = id == kCmdEquidistantCurve ? kHypercycleKind : kHorocycleKind;
    if (id == kCmdParallels) {
      action = hyperbolic ? kHyperbolicParallelAction : kEuclideanParallelAction;
      undo = hyperbolic ? kHyperbolicParallelKind : kEuclideanParallelKind;
    }
    dialog = std::make_unique<engine::TDoUndoDlg>(this, resource, action, undo, engine::kDoUndoTextLimit,
                                                  engine::DialogTexts{line, point, "", "", ""});
  }
  dialog->Show();
  return true;
}

engine::TDoUndoDlg* TGeomEWin::curveDialog(int command) const {
  switch (command) {
    case kCmdParallels: return parallelDialog_.get();
    case kCmdEquidistantCurve: return equidistantDialog_.get();
    case kCmdHorocycle: return horocycleDialog_.get();
    default: return nullptr;
  }
}

bool TGeomEWin::CurveDialogEnabled(platform::CommandState& state) const {
  std::string line;
  std::string point;
  switch (state.id) {
    case kCmdParallels:
      state.enabled = hyperbolic ? engine::SuggestLineInput(tables(), line, engine::LineSuggestion::kLineAndPoint, point)
                                 : tables().ListPointNames(point, 1);
      return true;
    case kCmdEquidistantCurve:
      state.enabled =
          hyperbolic && engine::SuggestLineInput(tables(), line, engine::LineSuggestion::kLineAndPoint, point);
      return true;
    case kCmdHorocycle:
      state.enabled =
          hyperbolic && engine::SuggestLineInput(tables(), line, engine::LineSuggestion::kLineAndItsPoint, point);
      return true;
    default: return false;
  }
}

}  // namespace plane
