// The commands of Edit > Macro and Edit > Import, their enablers, and what the macro layer keeps
// of the curve lists.
#include "plane/mac_win.h"

#include <algorithm>

#include "engine/figure_tables.h"
#include "plane/conic_inventories.h"
#include "shell/author_data.h"

namespace plane {

TMacWin::TMacWin(platform::FrameWindow* parent, std::string_view title)
    : TGeom11Win(parent, title), pointMap(engine::kPointCapacity, -1) {}

TMacWin::~TMacWin() {
  for (TMacWin* window : linkedWindows) window->linkedParent = nullptr;
  if (linkedParent != nullptr) std::erase(linkedParent->linkedWindows, this);
}

void TMacWin::AdoptLinkedWindow(TMacWin& window) {
  window.linkedParent = this;
  linkedWindows.push_back(&window);
}

void TMacWin::ClearFigure() {
  TGeom11Win::ClearFigure();
  macroRange = {};
}

void TMacWin::DropCurveListHead(int k, int n) {
  ConicInventories* lists = conicLists();
  if (lists == nullptr || n <= 0) return;
  const auto drop = [n](auto& list) {
    list.erase(list.begin(), list.begin() + std::min<std::ptrdiff_t>(n, static_cast<std::ptrdiff_t>(list.size())));
  };
  switch (k) {
    case 0: drop(lists->twoFoci); break;
    case 1: drop(lists->threePoint); break;
    case 2: drop(lists->fivePoint); break;
    default: break;
  }
}

void TMacWin::AfterTargetChange(TMacWin& target) {
  target.Update(true);
  target.wing.pictureValid = 0;
  target.Invalidate(false);
  target.RefreshConstructionDialogs();
  target.SetupMenuChecks(false);
  SetupMenuChecks(false);
}

int TMacWin::ApplyCommand(bool reapply, bool mouse) {
  if (!CheckPassword(shell::kGuardHistory)) return -1;
  if (!macroWindow || linkedParent == nullptr) return -1;
  const int chosen = ChooseMacroPoints(reapply, mouse);
  if (chosen != 0) {
    if (chosen > 0) Msg(chosen);
    return chosen;
  }
  const int result = ApplyMacro();
  if (result > 0) Msg(result);
  return result;
}

bool TMacWin::OnCommand(int id) {
  switch (id) {
    case kCmdOpenMacroWindow:
      if (!macroWindow) OpenMacroWindow();
      return true;
    case kCmdApplyMacro: ApplyCommand(false, false); return true;
    case kCmdApplyMacroMouse: ApplyCommand(false, true); return true;
    case kCmdReapplyMacro: ApplyCommand(true, false); return true;
    case kCmdUndoMacro:
      if (macroWindow && linkedParent != nullptr) {
        if (const int result = UndoMacro(); result != 0) Msg(result);
      }
      return true;
    case kCmdOpenSourceWindow:
      if (!sourceWindow) OpenSourceWindow();
      return true;
    case kCmdAttach:
    case kCmdAttachMouse:
      if (sourceWindow && linkedParent != nullptr) {
        if (const int result = AttachImport(id == kCmdAttachMouse); result > 0) Msg(result);
      }
      return true;
    case kCmdUndoAttach:
      if (sourceWindow && linkedParent != nullptr) {
        if (const int result = UndoAttach(); result != 0) Msg(result);
      }
      return true;
    default: return TGeom11Win::OnCommand(id);
  }
}

void TMacWin::EnableCommand(platform::CommandState& state) {
  const bool hasSteps = !history().steps.empty();
  const bool targetHasSteps = linkedParent != nullptr && !linkedParent->history().steps.empty();
  switch (state.id) {
    case kCmdOpenMacroWindow: state.enabled = !macroWindow && hasSteps; return;
    case kCmdApplyMacro:
    case kCmdApplyMacroMouse: state.enabled = macroWindow && hasSteps && targetHasSteps; return;
    case kCmdUndoMacro: state.enabled = macroWindow && !applyMarks.empty(); return;
    case kCmdReapplyMacro: state.enabled = macroWindow && CanReapply(); return;
    case kCmdOpenSourceWindow: state.enabled = !sourceWindow && hasSteps; return;
    case kCmdAttach:
    case kCmdAttachMouse: state.enabled = sourceWindow && hasSteps && targetHasSteps; return;
    case kCmdUndoAttach:
      state.enabled = sourceWindow && linkedParent != nullptr && !linkedParent->importMarks.steps.empty();
      return;
    default: TGeom11Win::EnableCommand(state);
  }
}

}  // namespace plane
