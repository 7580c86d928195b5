// The plane window's object commands that change settings rather than make steps: the angle
// conventions, the symbol codes of the label font, the marking sizes, the sliding points moved at
// random, the view restored, and the data window shown or hidden; with the commands' enablers and
// check marks.
#include <array>
#include <cstdlib>
#include <string>

#include "kernel/random.h"
#include "plane/geom_e_win.h"
#include "platform/message_box.h"
#include "shell/data_win.h"
#include "shell/dlg.h"

namespace plane {

namespace {

constexpr int kCmdNegativeAngles = 618;
constexpr int kCmdCounterclockwiseAngles = 619;
constexpr int kCmdSymbolCodes = 807;
constexpr int kCmdArcRadius = 847;
constexpr int kCmdBracketLength = 848;
constexpr int kCmdExtensions = 772;
constexpr int kCmdBisectOld = 773;
constexpr int kCmdRandomPointOnSegment = 730;
constexpr int kCmdRandomizeSliding = 843;
constexpr int kCmdRestoreView = 764;
constexpr int kCmdCollect = 718;
constexpr int kCmdLineConic = 818;
constexpr int kCmdConicTangents = 801;
constexpr int kCmdCommonPerpendicular = 665;
constexpr int kCmdPointOnSegment = 794;
constexpr int kCmdPointInTriangle = 795;
constexpr int kCmdPointOnPolygon = 891;

// The marker characters of the settings behind each symbol code, in the dialog's order: the
// degree sign, pi, the radical, the exponent 2 and the golden ratio.
constexpr std::array<std::size_t, 5> kSymbolSlots{kDegreeMarker, 1, 3, 0, 2};
constexpr int kSymbolCodeChars = 10;
constexpr int kFirstSymbolEdit = 211;
constexpr kernel::Real kLowestSlide = 0.1L;
constexpr kernel::Real kHighestSlide = 0.9L;

// Other > Fonts > ASCII values: five codes, each at most 10 characters.
class TAsciiDlg : public shell::TDlg {
 public:
  TAsciiDlg(platform::FrameWindow* parent, std::array<std::string, 5>* texts)
      : TDlg(parent, "ASCII"), texts_(texts) {}

 protected:
  void SetupWindow() override {
    TDlg::SetupWindow();
    for (int k = 0; k < 5; ++k) {
      SetTextLimit(kFirstSymbolEdit + k, kSymbolCodeChars);
      SetItemText(kFirstSymbolEdit + k, (*texts_)[static_cast<std::size_t>(k)]);
    }
  }
  void OnOk() override {
    for (int k = 0; k < 5; ++k) {
      (*texts_)[static_cast<std::size_t>(k)] = GetItemText(kFirstSymbolEdit + k).substr(0, kSymbolCodeChars);
    }
    TDlg::OnOk();
  }

 private:
  std::array<std::string, 5>* texts_;
};

// A whole number 1 .. 255 as typed (blanks around it allowed); -1 otherwise.
int SymbolCode(const std::string& text) {
  const char* begin = text.c_str();
  char* end = nullptr;
  const long value = std::strtol(begin, &end, 10);
  if (end == begin) return -1;
  while (*end == ' ') ++end;
  if (*end != '\0' || value < 1 || value > 255) return -1;
  return static_cast<int>(value);
}

}  // namespace

bool TGeomEWin::ObjectSettingCommand(int id) {
  switch (id) {
    case kCmdNegativeAngles: ToggleNegativeAngles(); return true;
    case kCmdCounterclockwiseAngles: ToggleCounterclockwiseAngles(); return true;
    case kCmdSymbolCodes: CmSymbolCodes(); return true;
    case kCmdArcRadius: AskMarkingSize(1); return true;
    case kCmdBracketLength: AskMarkingSize(2); return true;
    case kCmdExtensions: CmExtensions(); return true;
    case kCmdBisectOld: CmBisectOldAngles(); return true;
    case kCmdRandomPointOnSegment: CmRandomPointOnSegment(); return true;
    case kCmdRandomizeSliding: RandomizeSlidingPoints(); return true;
    case kCmdRestoreView: RestoreView(); return true;
    case kCmdCollect: ToggleDataCollection(); return true;
    default: return false;
  }
}

bool TGeomEWin::EnableObjectSettingCommand(platform::CommandState& state) {
  const engine::FigureTables& t = tables();
  const auto points = t.last_point + 1;
  switch (state.id) {
    case kCmdLineConic: state.enabled = !conics.Empty() && (!hyperbolic || t.last_line >= 0); return true;
    // The tangents are found for a conic of any of the four lists.
    case kCmdConicTangents: state.enabled = !conics.Empty(); return true;
    case kCmdCommonPerpendicular: state.enabled = t.last_line >= 1; return true;
    case kCmdExtensions: state.enabled = t.last_line >= 0; return true;
    case kCmdRestoreView: state.enabled = t.last_point >= 1; return true;
    case kCmdCollect:
      state.enabled = !textItems.measurements.empty() || !textItems.plain.empty() || !textItems.evaluated.empty();
      return true;
    case kCmdPointOnSegment: state.enabled = points >= 2; return true;
    case kCmdPointInTriangle:
    case kCmdPointOnPolygon: state.enabled = points >= 3; return true;
    default: return false;
  }
}

void TGeomEWin::CheckObjectSettingMenus() {
  CheckMenu(kCmdNegativeAngles, NegativeAngles());
  CheckMenu(kCmdCounterclockwiseAngles, CounterclockwiseAngles());
  CheckMenu(kCmdCollect, DataCollecting());
}

// --- Angles -------------------------------------------------------------------------------------

void TGeomEWin::ToggleNegativeAngles() {
  AngleOptions& a = angleOptions;
  a.anglesNonNegative = !a.anglesNonNegative;
  // Negative angles off: they are folded, by a full turn unless the absolute value is asked.
  if (a.anglesNonNegative) a.anglesCounterclockwise = true;
  wing.pictureValid = 0;
  Invalidate(false);
  SetupMenuChecks(false);
}

void TGeomEWin::ToggleCounterclockwiseAngles() {
  AngleOptions& a = angleOptions;
  a.anglesCounterclockwise = !a.anglesCounterclockwise;
  if (!a.anglesCounterclockwise) a.anglesNonNegative = false;
  wing.pictureValid = 0;
  Invalidate(false);
  SetupMenuChecks(false);
}

// --- Symbol codes -------------------------------------------------------------------------------

std::array<std::string, 5> TGeomEWin::SymbolCodeTexts() const {
  std::array<std::string, 5> texts;
  for (std::size_t k = 0; k < texts.size(); ++k) texts[k] = std::to_string(display.markers[kSymbolSlots[k]]);
  return texts;
}

int TGeomEWin::SetSymbolCodes(const std::array<std::string, 5>& texts) {
  std::array<int, 5> codes{};
  for (std::size_t k = 0; k < texts.size(); ++k) {
    codes[k] = SymbolCode(texts[k]);
    if (codes[k] < 0) return engine::kMsgOutOfBounds;
  }
  for (std::size_t k = 0; k < codes.size(); ++k) display.markers[kSymbolSlots[k]] = static_cast<std::uint8_t>(codes[k]);
  wing.pictureValid = 0;
  Invalidate(false);
  return 0;
}

void TGeomEWin::CmSymbolCodes() {
  std::array<std::string, 5> texts = SymbolCodeTexts();
  TAsciiDlg dialog(this, &texts);
  if (dialog.Execute() != platform::IDOK) return;
  if (const int code = SetSymbolCodes(texts); code > 0) Msg(code);
}

// --- Sliding points, view and data window ---------------------------------------------------------

int TGeomEWin::RandomizeSlidingPoints() {
  engine::FigureTables& t = tables();
  int moved = 0;
  for (int i = 0; i <= t.last_point; ++i) {
    if (!t.PointExists(i)) continue;
    engine::PointAttrRecord& attr = t.attrs[static_cast<std::size_t>(i)];
    if (attr.words[0] < 0 && attr.words[1] < 0 && attr.words[2] < 0) continue;
    kernel::Real value = kernel::RandomBetween(kLowestSlide, kHighestSlide);
    while (!(value > kLowestSlide && value < kHighestSlide)) value = kernel::RandomBetween(kLowestSlide, kHighestSlide);
    attr.value = value;
    ++moved;
  }
  if (moved == 0) return 0;
  ReplayConstruction(true);
  wing.pictureValid = 0;
  Invalidate(false);
  SetModified();
  return moved;
}

void TGeomEWin::RestoreView() {
  if (hyperbolic) SetModelView();
  Update(false);
  wing.pictureValid = 0;
  Invalidate(false);
}

bool TGeomEWin::DataCollecting() const {
  const shell::TDataWin* window = dataWindowIfMade();
  return window != nullptr && window->fileMsg.hidden == 0;
}

void TGeomEWin::ToggleDataCollection() {
  shell::TDataWin* window = dataWindow();
  if (window->fileMsg.hidden != 0) {
    window->fileMsg.hidden = 0;
    window->Show();
  } else {
    window->Hide();
    window->fileMsg.hidden = 1;
  }
  SetupMenuChecks(false);
}

}  // namespace plane
