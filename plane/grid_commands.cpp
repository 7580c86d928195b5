// Units > Grid and the random quadrilaterals, the coordinate editor of a point made by the mouse
// or by coordinates, and the coordinates of a point by its name (Edit > Coordinates).
#include <string>
#include <vector>

#include "kernel/construction_record.h"
#include "kernel/text_utils.h"
#include "plane/geom_d_win.h"
#include "plane/grid_coordinates_dlg.h"
#include "platform/modal_responder.h"
#include "shell/generic_dialogs.h"

namespace plane {

namespace {

constexpr int kGridKind = 66;
constexpr int kMovablePointKind = 121;
constexpr int kCoordinatePointKind = 122;
constexpr int kGridMinDots = 2;
constexpr int kGridMaxDots = 50;
constexpr int kDialogChars = 40;
// The coordinate texts of the coordinates dialog hold at most 20 characters.
constexpr std::size_t kCoordinateChars = 20;

// The whole of a typed count; false for anything else.
bool ReadCount(const std::string& text, int& value) {
  std::size_t used = 0;
  try {
    value = std::stoi(text, &used);
  } catch (...) {
    return false;
  }
  while (used < text.size() && text[used] == ' ') ++used;
  return used == text.size();
}

// The step becomes one of the kind with no operands and no texts; its place in the history stays.
void RewriteStep(kernel::ConstructionRecord& step, int kind) {
  step.kind = static_cast<kernel::StepKind>(kind);
  step.operands.fill(kernel::kNoOperand);
  step.parameters.fill(0);
  step.flag = 0;
  for (std::string& text : step.text) text.clear();
}

}  // namespace

void TGeomDWin::CmGrid() {
  std::string width = "7.0";
  std::string height = "5.0";
  std::string angle = "0.0";
  std::string across = "7";
  std::string down = "5";
  shell::TGenDlg dialog(this, "GRIDSPX", kDialogChars, &width, &height, &angle, &across, &down);
  if (dialog.Execute() != platform::IDOK) return;
  int h = 0;
  int v = 0;
  if (!ReadCount(across, h) || !ReadCount(down, v) || h < kGridMinDots || h > kGridMaxDots || v < kGridMinDots ||
      v > kGridMaxDots) {
    Msg(engine::kMsgOutOfBounds);
    return;
  }
  if (h * v + tables().last_point >= engine::kPointCapacity) {
    Msg(engine::kMsgCouldNotFind);
    return;
  }
  kernel::ConstructionRecord& step =
      history().BeginStep(kGridKind, static_cast<std::int16_t>(h), static_cast<std::int16_t>(v));
  SetStepAttributes(3);
  step.text[0] = width;
  step.text[1] = height;
  step.text[2] = angle;
  step.flag = 1;
  if (const int code = RunNewStep(); code > 0) Msg(code);
  SetupMenuChecks(false);
}

void TGeomDWin::CmRandomQuadrilateral(int kind) {
  RandomFigure(kind);
  SetupMenuChecks(true);
}

int TGeomDWin::EditCoordinates(int i) {
  engine::FigureTables& t = tables();
  if (!t.PointExists(i)) return kMsgCannotEdit;
  if (stepEngine.ends.size() != history().steps.size()) ReplayConstruction(true);
  const int pos = StepOfPoint(stepEngine.ends, i);
  if (pos < 0) return kMsgCannotEdit;
  kernel::ConstructionRecord& step = history().steps[pos];
  const int kind = step.kind;
  if ((kind != kMovablePointKind && kind != kCoordinatePointKind) || stepEngine.ends[pos].points != i) {
    return kMsgCannotEdit;
  }
  std::string x;
  std::string y;
  if (kind == kCoordinatePointKind) {
    if (step.operands[8] != kernel::kNoOperand && static_cast<std::int16_t>(step.operands[8]) >= 0) {
      const std::vector<std::string> fields = kernel::SplitCommaList(kernel::JoinConstructionText(step), 2);
      x = fields[0];
      y = fields[1];
    } else {
      x = step.text[0];
      y = step.text[1];
    }
  }
  shell::TGenDlg dialog(this, "XYEDIT", kDialogChars, &x, &y);
  if (dialog.Execute() != platform::IDOK) return 0;
  if (x.empty() || y.empty()) {
    // A movable point again, where it stands, under its own name.
    RewriteStep(step, kMovablePointKind);
    step.operands[0] = t.names[i].label;
  } else {
    kernel::Real value = 0;
    if (const int code = ParseNumber(x, value); code >= 1) return code;
    if (const int code = ParseNumber(y, value); code >= 1) return code;
    RewriteStep(step, kCoordinatePointKind);
    step.text[0] = x;
    step.text[1] = y;
  }
  SetModified();
  ReplayConstruction(true);
  wing.pictureValid = 0;
  Invalidate(false);
  return 0;
}

bool TGeomDWin::GetGridCoordinates(std::string& x, std::string& y, std::string& name) {
  const int i = FindPointByName(name);
  if (!tables().PointExists(i)) return false;
  name.clear();
  AppendPointName(name, i);
  x = FormatNumber(tables().xy[i].x, false).substr(0, kCoordinateChars);
  y = FormatNumber(tables().xy[i].y, false).substr(0, kCoordinateChars);
  return true;
}

int TGeomDWin::SetGridCoordinates(std::string& x, std::string& y, const std::string& name) {
  engine::FigureTables& t = tables();
  int code = 0;
  const int i = FindPointByName(name);
  if (!t.PointExists(i)) code = engine::kMsgCouldNotFind;
  kernel::Point2 p;
  const int xCode = ParseNumber(x, p.x);
  const int yCode = ParseNumber(y, p.y);
  if (xCode == -4 || xCode >= 1 || yCode == -4 || yCode >= 1) code = engine::kMsgCannotUnderstand;
  if (code == 0 && t.attrs[i].tag < 0) code = kMsgCannotMovePoint;
  if (code != 0) return code;
  const std::int16_t tag = t.attrs[i].tag;
  if (tag == 0) {
    t.xy[i] = p;
  } else {
    const kernel::Point2 offset{p.x - t.xy[i].x, p.y - t.xy[i].y};
    for (int k = 0; k <= t.last_point; ++k) {
      if (t.exists[k] && t.attrs[k].tag == tag) t.xy[k] = {t.xy[k].x + offset.x, t.xy[k].y + offset.y};
    }
  }
  ReplayConstruction(true);
  x = FormatNumber(t.xy[i].x, false).substr(0, kCoordinateChars);
  y = FormatNumber(t.xy[i].y, false).substr(0, kCoordinateChars);
  SetModified();
  wing.pictureValid = 0;
  Invalidate(false);
  UpdateNow();
  return 0;
}

void TGeomDWin::CmGridCoordinates() {
  TEdGridDlg dialog(this);
  dialog.Execute();
}

}  // namespace plane
