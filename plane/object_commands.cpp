// The plane window's label and display settings, point deletion, the Soddy steps of the candidate
// dialogs and the commands that open the object dialogs.
#include <algorithm>
#include <array>

#include "engine/windows/do_undo_dlg.h"
#include "engine/windows/label_style_dlg.h"
#include "engine/windows/mark_dlg.h"
#include "engine/windows/trace_dlg.h"
#include "plane/candidate_dialogs.h"
#include "plane/geom11_win.h"
#include "plane/object_dialogs.h"
#include "platform/message_box.h"

namespace plane {

namespace {

constexpr int kCmdIndividualLabels = 783;
constexpr int kCmdBulletSize = 737;
constexpr int kCmdDotMode = 826;
constexpr int kCmdLettersMode = 823;
constexpr int kCmdLabelsHome = 927;
constexpr int kCmdLabelsOffset = 928;
constexpr int kCmdSwapLabels = 1112;
constexpr int kCmdSaveLabels = 1158;
constexpr int kCmdAttributeCopy = 827;
constexpr int kCmdFillCopy = 828;
constexpr int kCmdShowUnits = 735;
constexpr int kCmdDeletePoints = 741;
constexpr int kCmdLineCircle = 781;
constexpr int kCmdCircleCircle = 782;
constexpr int kCmdCommonTangents = 797;
constexpr int kCmdPointTangents = 803;
constexpr int kCmdLineConic = 818;
constexpr int kCmdConicTangents = 801;
constexpr int kCmdDeleteCircle = 758;
constexpr int kCmdChainOfCircles = 667;
constexpr int kCmdDuplicate = 95;
constexpr int kCmdSoddy3 = 1135;
constexpr int kCmdSoddy2 = 1136;
constexpr int kCmdLineAttributes = 784;
constexpr int kCmdCircleAttributes = 786;
constexpr int kCmdRadiusCenter = 763;

constexpr int kSwapAction = 12;
constexpr int kSwapKind = 123;
constexpr int kDeletePointKind = 141;
constexpr int kSoddyKind = 127;
constexpr int kCirclesAndLine = 13;
constexpr int kMsgNeededForSegment = 133;
constexpr int kMsgNeededForCircle = 134;

constexpr int kStringPoints = 103;
constexpr int kStringBulletSize = 104;
constexpr int kStringMakeList = 105;
constexpr int kStringPointDeletion = 218;
constexpr int kBulletChars = 10;
constexpr int kDeletionChars = 41;
constexpr int kDeletionEntries = 99;

constexpr int kLowestDotMode = -1;
constexpr int kHighestDotMode = 4;
constexpr int kLowestLettersMode = -1;
constexpr int kHighestLettersMode = 1;

std::int16_t Op(int value) { return static_cast<std::int16_t>(value); }

}  // namespace

// The mirror and attach dialogs go first: they refer to the window while they close.
TGeom11Win::~TGeom11Win() {
  mirrorDialog_.reset();
  attachRegularDialog_.reset();
}

template <class Dialog, class... Args>
Dialog* TGeom11Win::ShowStepDialog(std::unique_ptr<Dialog>& dialog, Args... args) {
  if (!dialog) dialog = std::make_unique<Dialog>(this, args...);
  dialog->Show();
  dialog->RefreshLists();
  dialog->RefreshButtons();
  return dialog.get();
}

void TGeom11Win::RemoveStepDialog(TStepDlg* dialog) { std::erase(stepDialogs_, dialog); }

void TGeom11Win::RefreshDialogLists() {
  for (TStepDlg* dialog : stepDialogs_) dialog->RefreshLists();
}

void TGeom11Win::SetupMenuChecks(bool redraw) {
  TGeom10Win::SetupMenuChecks(redraw);
  // Steps, Undo and Redo change the objects the dialogs list.
  for (TStepDlg* dialog : stepDialogs_) {
    dialog->RefreshLists();
    dialog->RefreshButtons();
  }
  CheckMenu(kCmdSaveLabels, history().save_labels != 0);
  CheckMenu(kCmdAttributeCopy, transform.attributeCopy != 0);
  CheckMenu(kCmdFillCopy, transform.fillCopy != 0);
  CheckMenu(kCmdShowUnits, compiler.settings.show_units);
}

void TGeom11Win::TangentsCircleCircle() { ShowStepDialog(commonTangentDialog_, 137); }

void TGeom11Win::TangentsPointCircle() { ShowStepDialog(tangentDialog_); }

void TGeom11Win::TangentsPointConic() { ShowStepDialog(conicTangentDialog_, 1); }

bool TGeom11Win::ObjectDialogCommand(int id) {
  switch (id) {
    case kCmdIndividualLabels: {
      labelDisplay.labelMode = 0;
      labelDisplay.globalMarker = 0;
      wing.pictureValid = 0;
      Invalidate(false);
      engine::TLabDlg dialog(this);
      dialog.Execute();
      SetModified();
      wing.pictureValid = 0;
      Invalidate(false);
      return true;
    }
    case kCmdBulletSize: AskBulletSize(); return true;
    case kCmdDotMode: NextDotMode(); return true;
    case kCmdLettersMode: NextLettersMode(); return true;
    case kCmdLabelsHome: SetLabelOffsets(0); return true;
    case kCmdLabelsOffset: SetLabelOffsets(10); return true;
    case kCmdSwapLabels: {
      if (!swapDialog_) {
        std::string first;
        std::string last;
        for (int i = 0; i <= tables().last_point && first.empty(); ++i) {
          if (tables().PointExists(i)) AppendPointName(first, i);
        }
        for (int i = tables().last_point; i >= 0 && last.empty(); --i) {
          if (tables().PointExists(i)) AppendPointName(last, i);
        }
        if (first.empty()) return true;
        swapDialog_ = std::make_unique<engine::TDoUndoDlg>(this, "SWAPBOX", kSwapAction, kSwapKind,
                                                           engine::kDoUndoTextLimit,
                                                           engine::DialogTexts{first, last, "", "", ""});
      }
      swapDialog_->Show();
      return true;
    }
    case kCmdSaveLabels: history().save_labels = history().save_labels != 0 ? 0 : 1; break;
    case kCmdAttributeCopy: transform.attributeCopy = transform.attributeCopy != 0 ? 0 : 1; break;
    case kCmdFillCopy: transform.fillCopy = transform.fillCopy != 0 ? 0 : 1; break;
    case kCmdShowUnits:
      compiler.settings.show_units = !compiler.settings.show_units;
      if (!textItems.plain.empty() || !textItems.evaluated.empty() || !textItems.measurements.empty()) {
        TextPictureChanged();
        Invalidate(false);
      }
      break;
    case kCmdDeletePoints: CmDeletePoints(); return true;
    case kCmdLineCircle: ShowStepDialog(lineCircleDialog_); return true;
    case kCmdCircleCircle: ShowStepDialog(circleCircleDialog_, 105); return true;
    case kCmdCommonTangents: TangentsCircleCircle(); return true;
    case kCmdPointTangents: TangentsPointCircle(); return true;
    case kCmdLineConic: ShowStepDialog(lineConicDialog_, 1); return true;
    case kCmdConicTangents: TangentsPointConic(); return true;
    case kCmdDeleteCircle: ShowStepDialog(deleteCircleDialog_); return true;
    case kCmdSoddy3: ShowStepDialog(soddyDialog_); return true;
    case kCmdSoddy2: ShowStepDialog(soddy2Dialog_); return true;
    case kCmdChainOfCircles: ShowStepDialog(ringDialog_); return true;
    case kCmdCircleAttributes: ShowStepDialog(circleAttributeDialog_); return true;
    case kCmdLineAttributes: ShowStepDialog(lineAttributeDialog_); return true;
    case kCmdRadiusCenter: ShowStepDialog(arcDialog_); return true;
    case kCmdDuplicate:
      if (!copyDialog_) copyDialog_ = std::make_unique<TCopyDlg>(this);
      copyDialog_->ShowWithPoints();
      return true;
    default: return false;
  }
  // The toggles.
  SetupMenuChecks(false);
  return true;
}

// --- Labels -------------------------------------------------------------------------------------

void TGeom11Win::NextDotMode() {
  if (tables().last_point < 0) return;
  int& mode = labelDisplay.globalMarker;
  mode = mode >= kHighestDotMode ? kLowestDotMode : mode + 1;
  wing.pictureValid = 0;
  Invalidate(false);
  SetModified();
}

void TGeom11Win::NextLettersMode() {
  int& mode = labelDisplay.labelMode;
  mode = mode >= kHighestLettersMode || mode < kLowestLettersMode ? kLowestLettersMode : mode + 1;
  wing.pictureValid = 0;
  Invalidate(false);
  SetModified();
}

void TGeom11Win::SetLabelOffsets(std::uint16_t offset) {
  defaultLabelOffset = offset;
  secondLabelOffset = offset;
  for (engine::PointNameRecord& name : tables().names) {
    name.dx = static_cast<std::int16_t>(offset);
    name.dy = static_cast<std::int16_t>(offset);
  }
  SetModified();
  wing.pictureValid = 0;
  Invalidate(false);
}

void TGeom11Win::AskBulletSize() {
  std::string text = std::to_string(labelDisplay.markerSize);
  if (AskValue(kStringBulletSize, kStringPoints, text, kBulletChars) != platform::IDOK) return;
  const std::string_view digits = text;
  int size = 0;
  bool number = !digits.empty() && digits.size() < 9;
  for (const char c : digits) {
    if (c < '0' || c > '9') number = false;
    if (number) size = size * 10 + (c - '0');
  }
  if (!number || size < 1) {
    Msg(engine::kMsgPositiveValue);
    return;
  }
  labelDisplay.markerSize = size;
  wing.pictureValid = 0;
  Invalidate(false);
  SetModified();
}

// --- Point deletion -----------------------------------------------------------------------------

int TGeom11Win::PointDeletionRefusal(int p) const {
  const engine::FigureTables& t = tables();
  const auto point = static_cast<std::uint16_t>(p);
  for (int c = 0; c <= t.last_circle; ++c) {
    const kernel::CircleRecord& circle = t.circles[static_cast<std::size_t>(c)];
    if (!circle.exists) continue;
    if (circle.centre == point || (circle.count == 1 && circle.points[0] == point)) return kMsgNeededForCircle;
  }
  for (int l = 0; l <= t.last_line; ++l) {
    const kernel::SegmentRecord& line = t.lines[static_cast<std::size_t>(l)];
    if (line.exists && line.points.count == 2 && (line.points.entries[0] == point || line.points.entries[1] == point)) {
      return kMsgNeededForSegment;
    }
  }
  return 0;
}

void TGeom11Win::CmDeletePoints() {
  std::string text;
  if (AskValue(kStringPointDeletion, kStringMakeList, text, kDeletionChars) != platform::IDOK) return;
  if (const int code = DeletePoints(std::move(text)); code > 0) Msg(code);
}

int TGeom11Win::DeletePoints(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  std::array<std::uint16_t, kDeletionEntries + 1> list{};
  const int n = tables().ParsePointList(text, list, kDeletionEntries) + 1;
  int error = 0;
  int deleted = 0;
  for (int k = 0; k < n; ++k) {
    const int p = list[static_cast<std::size_t>(k)];
    if (p > tables().last_point || !tables().PointExists(p)) continue;
    if (const int refusal = PointDeletionRefusal(p); refusal != 0) {
      error = refusal;
      continue;
    }
    kernel::ConstructionRecord& step = history().BeginStep(kDeletePointKind, Op(p));
    AppendPointName(step.text[0], p);
    if (RunNewStep() <= 0) ++deleted;
  }
  if (deleted > 0) {
    wing.pictureValid = 0;
    RefreshDialogLists();
  }
  if (error == 0 && deleted == 0) error = engine::kMsgNothingToDo;
  return error;
}

// --- Soddy circles ------------------------------------------------------------------------------

int TGeom11Win::NewSoddyStep(const std::array<int, 3>& circles) {
  const engine::FigureTables& t = tables();
  for (const int c : circles) {
    if (c < 0 || c > t.last_circle || !t.circles[static_cast<std::size_t>(c)].exists) return engine::kMsgCouldNotFind;
  }
  kernel::ConstructionRecord& step = history().BeginStep(kSoddyKind);
  for (int i = 0; i < 3; ++i) {
    step.operands[static_cast<std::size_t>(i)] = t.circles[static_cast<std::size_t>(circles[i])].centre;
    step.operands[static_cast<std::size_t>(7 + i)] = static_cast<std::uint16_t>(circles[static_cast<std::size_t>(i)]);
  }
  SetStepAttributes(4);
  step.flag = 1;
  const int code = RunNewStep();
  if (code <= 0) RefreshDialogLists();
  return code;
}

int TGeom11Win::NewSoddyLineStep(int circle1, int circle2, const std::string& lineText) {
  const engine::FigureTables& t = tables();
  for (const int c : {circle1, circle2}) {
    if (c < 0 || c > t.last_circle || !t.circles[static_cast<std::size_t>(c)].exists) return engine::kMsgCouldNotFind;
  }
  int line = -1;
  if (ParseLineText(lineText, line) != 0) return engine::kMsgCouldNotFind;
  kernel::ConstructionRecord& step = history().BeginStep(kSoddyKind);
  step.operands[0] = t.circles[static_cast<std::size_t>(circle1)].centre;
  step.operands[1] = t.circles[static_cast<std::size_t>(circle2)].centre;
  step.operands[7] = static_cast<std::uint16_t>(circle1);
  step.operands[8] = static_cast<std::uint16_t>(circle2);
  step.operands[9] = static_cast<std::uint16_t>(line);
  step.operands[13] = kCirclesAndLine;
  SetStepAttributes(4);
  step.flag = 1;
  const int code = RunNewStep();
  if (code <= 0) RefreshDialogLists();
  return code;
}

}  // namespace plane
