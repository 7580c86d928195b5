// The plane window's tool dialogs for its conic lists and for lines and circles by equation: each
// made on its first command, kept, and shown again as the user left it.
#include "plane/geom_e_win.h"

namespace plane {

namespace {

constexpr int kCmdTwoPointConics = 1167;
constexpr int kCmdThreePointConics = 1168;
constexpr int kCmdFivePointConics = 719;
constexpr int kCmdEquationConics = 844;
constexpr int kCmdLineEquation = 831;
constexpr int kCmdCircleEquation = 832;

template <typename Dialog>
void ShowTool(std::unique_ptr<Dialog>& dialog, TGeomC2Win* owner) {
  if (!dialog) dialog = std::make_unique<Dialog>(owner);
  if (!dialog->IsCreated()) dialog->Create();
  dialog->Show();
  dialog->RefreshButtons();
}

}  // namespace

bool TGeomEWin::ShowToolDialog(int command) {
  switch (command) {
    case kCmdTwoPointConics: ShowTool(conic2Dialog, this); return true;
    case kCmdThreePointConics: ShowTool(conic3Dialog, this); return true;
    case kCmdFivePointConics: ShowTool(conic5Dialog, this); return true;
    case kCmdEquationConics: ShowTool(conicEquationDialog, this); return true;
    case kCmdLineEquation: ShowTool(lineEquationDialog, this); return true;
    case kCmdCircleEquation: ShowTool(circleEquationDialog, this); return true;
    default: return false;
  }
}

void TGeomEWin::RefreshDialogLists() {
  TGeomDWin::RefreshDialogLists();
  if (conic2Dialog) conic2Dialog->FillList();
  if (conic3Dialog) conic3Dialog->FillList();
  if (conic5Dialog) conic5Dialog->FillList();
  if (conicEquationDialog) conicEquationDialog->FillList();
  if (poincareDialog()) poincareDialog()->Refresh();
}

void TGeomEWin::SetupMenuChecks(bool redraw) {
  TGeomDWin::SetupMenuChecks(redraw);
  CheckObjectSettingMenus();
  for (TToolDlg* dialog : std::initializer_list<TToolDlg*>{conic2Dialog.get(), conic3Dialog.get(), conic5Dialog.get(),
                                                           conicEquationDialog.get(), lineEquationDialog.get(),
                                                           circleEquationDialog.get()}) {
    if (dialog) dialog->RefreshButtons();
  }
}

}  // namespace plane
