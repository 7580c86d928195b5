// The centre-and-width question of the geometry windows, the check of the measurement texts and
// the toolbar of the mouse modes.
#include <array>
#include <memory>
#include <string>

#include "engine/equation_text.h"
#include "engine/step_engine.h"
#include "engine/windows/geom10_win.h"
#include "engine/windows/tool_dlg.h"
#include "platform/message_box.h"
#include "shell/dlg.h"

namespace engine {

namespace {

constexpr int kFirstField = 211;
constexpr int kFieldChars = 20;

// The three texts of "CENWID": x and y of the centre, the width.
class TCentreWidthDlg : public shell::TDlg {
 public:
  TCentreWidthDlg(platform::FrameWindow* parent, std::array<std::string, 3>* texts)
      : TDlg(parent, "CENWID"), texts_(texts) {}

 protected:
  void SetupWindow() override {
    TDlg::SetupWindow();
    for (int i = 0; i < 3; ++i) {
      SetTextLimit(kFirstField + i, kFieldChars);
      SetItemText(kFirstField + i, (*texts_)[static_cast<std::size_t>(i)]);
    }
  }
  void OnOk() override {
    for (int i = 0; i < 3; ++i) {
      (*texts_)[static_cast<std::size_t>(i)] = GetItemText(kFirstField + i).substr(0, kFieldChars);
    }
    TDlg::OnOk();
  }

 private:
  std::array<std::string, 3>* texts_;
};

}  // namespace

int TGeom10Win::AskCentreWidth(kernel::Point2& centre, Real& halfWidth) {
  std::array<std::string, 3> texts{FormatNumber(centre.x, false), FormatNumber(centre.y, false),
                                   FormatNumber(2 * halfWidth, false)};
  TCentreWidthDlg dialog(this, &texts);
  if (dialog.Execute() != platform::IDOK) return -1;
  std::array<Real, 3> values{};
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (const int code = stepEngine.Evaluate(texts[i], values[i]); code != 0) return code;
  }
  centre = {values[0], values[1]};
  halfWidth = values[2] / 2;
  return halfWidth < 1e-16L ? kMsgPositiveValue : 0;
}

void TGeom10Win::RefreshTextItemStates() {
  for (view::TextItem& item : textItems.measurements) {
    // A plain text stays plain.
    if (item.evalCode == view::kPlainTextCode) continue;
    std::string text = item.text;
    ExprValue value;
    const int state = MeasurementState(CompileExpression(text, value));
    // A code that is no measurement's takes the state alone.
    const int display = item.evalCode < kMeasurementCodeLimit ? item.evalCode / kValueOnlyCode * kValueOnlyCode : 0;
    item.evalCode = static_cast<std::uint16_t>(display + state);
  }
}

void TGeom10Win::CheckTextItems() {
  RefreshTextItemStates();
  SetModified();
}

void TGeom10Win::ShowToolbar() {
  if (!toolbar_) {
    const bool space = dimension() != 2 && !model().Spherical;
    toolbar_ = std::make_unique<TToolDlg>(this, space ? "TOOLS3" : "TOOLS2");
  }
  toolbar_->Show();
  toolbar_->ShowMode();
  SetupMenuChecks(false);
}

void TGeom10Win::OnDestroy() {
  toolbar_.reset();
  TGeom09Win::OnDestroy();
}

}  // namespace engine
