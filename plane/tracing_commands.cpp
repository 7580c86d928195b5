// The commands of the markings and the tracing: Edit > Highlights > Markings, Tick length and
// Arrow length; Anim > Tracing and Temporary tracing; Line > Vector sum.
#include <string>

#include "engine/windows/mark_dlg.h"
#include "engine/windows/trace_dlg.h"
#include "plane/geom11_win.h"
#include "platform/message_box.h"

namespace plane {

namespace {

constexpr int kCmdVectorSum = 673;
constexpr int kCmdTracing = 740;
constexpr int kCmdTickLength = 846;
constexpr int kCmdArrowLength = 849;
constexpr int kCmdMarkings = 971;
constexpr int kCmdTemporaryTracing = 1133;
// The prompts of the sizes: 272 + k names the size, 243 says what the number means.

}  // namespace

void TGeom11Win::ShowMarkingsDialog() {
  if (!markingsDialog_) {
    markingsDialog_ = std::make_unique<engine::TMarkDlg>(this);
    markingsDialog_->Create();
  }
  markingsDialog_->closed = 0;
  markingsDialog_->Show();
  markingsDialog_->RefreshMarkingList();
}

void TGeom11Win::ShowTracingDialog() {
  if (!tracingDialog_) {
    tracingDialog_ = std::make_unique<engine::TTraceDlg>(this);
    tracingDialog_->Create();
  }
  tracingDialog_->closed = 0;
  tracingDialog_->Show();
  tracingDialog_->FillList();
}

bool TGeom11Win::TracingCommand(int id) {
  switch (id) {
    case kCmdMarkings: ShowMarkingsDialog(); return true;
    case kCmdTracing: ShowTracingDialog(); return true;
    case kCmdTickLength: AskMarkingSize(engine::MarkingSettings::kTick); return true;
    case kCmdArrowLength: AskMarkingSize(engine::MarkingSettings::kArrow); return true;
    case kCmdTemporaryTracing: CmTemporaryTracing(); return true;
    case kCmdVectorSum: CmVectorSum(); return true;
    default: return false;
  }
}

bool TGeom11Win::EnableTracingCommand(platform::CommandState& state) {
  switch (state.id) {
    case kCmdMarkings:
      state.enabled = tables().last_line >= 0 || (dimension() == 3 && tables().last_point >= 1);
      return true;
    case kCmdVectorSum: state.enabled = tables().last_point >= 2; return true;
    case kCmdTemporaryTracing: state.checked = !trailPoints.empty(); return true;
    default: return false;
  }
}

}  // namespace plane
