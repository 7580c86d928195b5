#include "plane/pick_dlg.h"

#include <array>
#include <vector>

#include "engine/hyperbolic_primitives.h"
#include "plane/geom_c_win.h"
#include "resources/resource_library.h"
#include "shell/message_numbers.h"

namespace plane {

namespace {

constexpr int kStringPoints = 103;
constexpr int kStringColor = 146;
// Vertices closer than this are one point.
constexpr kernel::Real kLeastVertexDistance = 0.5;

}  // namespace

TPickDlg::TPickDlg(TGeomCWin* owner, std::string title)
    : Dialog(owner, "MACDEF"), owner_(owner), title_(std::move(title)) {}

void TPickDlg::SetupWindow() {
  SetCaption(title_);
  for (const int id : {kPickListBox, kPickFirstLabel, kPickSecondEdit}) EnableItem(id, false);
  SetTextLimit(kPickVertexEdit, kPickMaxVertices);
  SetItemText(kPickVertexEdit, owner_->pickText);
  SetItemText(kPickPointsLabel, resources::LoadString(kStringPoints));
  const std::string colour = resources::LoadString(kStringColor);
  SetItemText(kPickInteriorColorButton, colour + " 1");
  SetItemText(kPickBoundaryColorButton, colour + " 2");
}

bool TPickDlg::OnCommand(int id) {
  switch (id) {
    case kPickInteriorColorButton:
      owner_->EditColorRole(-1, &owner_->pickInteriorColor, -1, GetItemText(kPickInteriorColorButton));
      return true;
    case kPickBoundaryColorButton:
      owner_->EditColorRole(-1, &owner_->pickBoundaryColor, -1, GetItemText(kPickBoundaryColorButton));
      return true;
    case 1: Ok(); return true;
    default: return Dialog::OnCommand(id);
  }
}

int TPickDlg::CheckVertices(std::string text) {
  const engine::FigureTables& t = owner_->tables();
  std::array<std::uint16_t, kPickMaxVertices + 1> list{};
  const int n = t.ParseExistingPoints(text, list, kPickMaxVertices);
  if (n < 3) return shell::kNothingToDo;
  for (int i = 0; i < n; ++i) {
    if (!t.PointExists(list[i]) || t.attrs[list[i]].tag != 0) return shell::kInconsistentData;
  }
  for (int i = 0; i < n; ++i) {
    for (int j = i + 1; j < n; ++j) {
      if (engine::Distance(owner_->model(), t.xy[list[i]], t.xy[list[j]]) < kLeastVertexDistance) {
        return shell::kCoincidentPoints;
      }
    }
  }
  owner_->pickVertices.assign(list.begin(), list.begin() + n);
  return 0;
}

void TPickDlg::Ok() {
  const std::string text = GetItemText(kPickVertexEdit).substr(0, kPickMaxVertices);
  if (text.empty()) {
    // An empty list closes as cancelled, and says why nothing is shown.
    EndDialog(2);
    owner_->Msg(shell::kNothingToDo);
    return;
  }
  const int error = CheckVertices(text);
  if (error != 0) {
    owner_->Msg(error);
    return;
  }
  owner_->pickText = text;
  EndDialog(1);
}

}  // namespace plane
