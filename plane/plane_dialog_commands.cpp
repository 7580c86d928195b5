// The plane window's commands that ask through the small plane dialogs: the arrays of circles,
// the random point on a chosen circle and the Poincare disk connection.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "engine/step_engine.h"
#include "plane/geom_e_win.h"
#include "plane/poincare_dlg.h"
#include "plane/sel_circ_dlg.h"
#include "platform/message_box.h"
#include "shell/dlg.h"

namespace plane {

namespace {

constexpr int kCmdRectangularArray = 663;
constexpr int kCmdTriangularArray = 664;
constexpr int kCmdRandomPointOnCircle = 731;
constexpr int kCmdPoincare = 889;

constexpr int kKindRectangularArray = 167;
constexpr int kKindTriangularArray = 168;
constexpr int kKindRandomPointOnCircle = 82;
constexpr int kMsgTooLarge = 20;
// Characters of each field of the array dialogs.
constexpr int kArrayTextChars = 40;

// The sizes of an array: rows and columns (the triangular array has no columns) and the radius.
class TArrayDlg : public shell::TDlg {
 public:
  TArrayDlg(platform::FrameWindow* parent, bool triangular, std::string* rows, std::string* columns, std::string* radius)
      : TDlg(parent, triangular ? "CIRCTRI" : "CIRCRECT"),
        fields_{rows, triangular ? radius : columns, triangular ? nullptr : radius} {}

 protected:
  void SetupWindow() override {
    TDlg::SetupWindow();
    for (int i = 0; i < 3; ++i) {
      if (fields_[i] == nullptr) continue;
      SetTextLimit(211 + i, kArrayTextChars);
      SetItemText(211 + i, *fields_[i]);
    }
  }
  void OnOk() override {
    for (int i = 0; i < 3; ++i) {
      if (fields_[i] != nullptr) *fields_[i] = GetItemText(211 + i).substr(0, kArrayTextChars);
    }
    TDlg::OnOk();
  }

 private:
  std::string* fields_[3];
};

// A whole number as typed, held within the range of an int (text that is no number reads 0).
long long CountOf(const std::string& text) {
  const long long value = std::strtoll(text.c_str(), nullptr, 10);
  return std::clamp<long long>(value, -1000000, 1000000);
}

}  // namespace

int TGeomEWin::NewCircleArray(bool triangular) {
  std::string rows = "3";
  std::string columns = "4";
  std::string radius = "1.00";
  TArrayDlg dialog(this, triangular, &rows, &columns, &radius);
  if (dialog.Execute() != platform::IDOK) return -1;
  const long long m = CountOf(rows);
  const long long q = triangular ? 1 : CountOf(columns);
  int code = 0;
  if (m < 1 || q < 1) {
    code = engine::kMsgNothingToDo;
  } else {
    const long long n = triangular ? m * (m + 1) / 2 : m * q;
    const engine::FigureTables& t = tables();
    if (t.last_point + 2 * n > engine::kLastPointLimit || t.last_circle + n > engine::kLastCircleLimit) {
      code = kMsgTooLarge;
    } else {
      kernel::ConstructionRecord& step =
          history().BeginStep(triangular ? kKindTriangularArray : kKindRectangularArray, static_cast<std::int16_t>(m),
                              static_cast<std::int16_t>(triangular ? -1 : q), static_cast<std::int16_t>(2 * n),
                              static_cast<std::int16_t>(n));
      step.text[0] = radius;
      SetStepAttributes(4);
      code = RunNewStep();
    }
  }
  if (code > 0) Msg(code);
  RefreshDialogLists();
  return code;
}

int TGeomEWin::RandomPointOnChosenCircle() {
  std::int16_t chosen = -1;
  TSelCircDlg dialog(this, "SELCIRC", &chosen);
  if (dialog.Execute() != platform::IDOK || chosen < 0) return -1;
  const kernel::CircleRecord& circle = tables().circles[chosen];
  history().BeginStep(kKindRandomPointOnCircle, static_cast<std::int16_t>(circle.centre),
                      static_cast<std::int16_t>(circle.points[0]), chosen);
  const int code = RunNewStep();
  if (code > 0) Msg(code);
  RefreshDialogLists();
  return code;
}

void TGeomEWin::ShowPoincareDialog() {
  if (!poincareDialog_) {
    poincareDialog_ = std::make_unique<TPoincareDlg>(this);
    poincareDialog_->Create();
  }
  poincareDialog_->Refresh();
  poincareDialog_->Show();
}

bool TGeomEWin::PlaneDialogCommand(int id) {
  switch (id) {
    case kCmdRectangularArray: NewCircleArray(false); return true;
    case kCmdTriangularArray: NewCircleArray(true); return true;
    case kCmdRandomPointOnCircle: RandomPointOnChosenCircle(); return true;
    case kCmdPoincare: ShowPoincareDialog(); return true;
    default: return false;
  }
}

bool TGeomEWin::EnablePlaneDialogCommand(platform::CommandState& state) {
  if (state.id != kCmdPoincare) return false;
  state.enabled = tables().last_circle >= 0 && tables().last_circle < engine::kLastCircleLimit;
  return true;
}

}  // namespace plane
