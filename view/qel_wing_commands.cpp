// The view and display commands of the graphics layer.

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <string>

#include "kernel/number_text.h"
#include "platform/modal_responder.h"
#include "shell/generic_dialogs.h"
#include "shell/message_numbers.h"
#include "view/export_formats.h"
#include "view/export_sequence.h"
#include "view/qel_wing.h"

namespace view {

using kernel::Real;

namespace {

constexpr int kShowMinusString = 3;     // "lengthen hyphens"
constexpr int kMinusValueString = 4;    // "ASCII value of new minus sign"
constexpr int kInputString = 5;         // "input"
constexpr int kPrintedThicknessString = 15;
constexpr int kDisplayThicknessString = 16;
constexpr int kDilationString = 17;     // "dilation factor"
constexpr int kShiftPercentString = 18;  // "shift percentage"
constexpr int kPiSymbolString = 320;    // "axis scale pi symbol"
constexpr int kAsciiValueString = 321;  // "uses ASCII value"

constexpr int kNumberBufferSize = 19;
constexpr int kCodeBufferSize = 9;
constexpr int kLargestPenWidth = 32767;

// The C library's reading of an integer; false when the text holds none or it is far too large.
bool ReadInteger(const std::string& text, long long& value) {
  errno = 0;
  char* end = nullptr;
  value = std::strtoll(text.c_str(), &end, 10);
  return errno != ERANGE;
}

// A character code typed by the user: a number from 32 to 255.
bool ReadCharacterCode(const std::string& text, int& code) {
  long long value = 0;
  if (!ReadInteger(text, value) || value < 32 || value > 255) return false;
  code = static_cast<int>(value);
  return true;
}

}  // namespace

bool TQELWing::OnCommand(int id) {
  if (std::unique_ptr<ExportFormat> format = MakeExportFormat(id)) {
    RunExport(*this, *format);
    return true;
  }
  switch (id) {
    case kCmdZoomFactor: CmZoomFactor(); return true;
    case kCmdShiftPercentage: CmShiftPercentage(); return true;
    case kCmdShiftLeft: ShiftView(-wing.shiftFraction, 0); return true;
    case kCmdShiftRight: ShiftView(wing.shiftFraction, 0); return true;
    case kCmdShiftDown: ShiftView(0, -wing.shiftFraction); return true;
    case kCmdShiftUp: ShiftView(0, wing.shiftFraction); return true;
    case kCmdAxes: ToggleAxes(); return true;
    case kCmdAxisScreenThickness: CmAxisScreenThickness(); return true;
    case kCmdAxisPrintedThickness: CmAxisPrintedThickness(); return true;
    case kCmdGridScreenThickness: CmGridScreenThickness(); return true;
    case kCmdGridPrintedThickness: CmGridPrintedThickness(); return true;
    case kCmdAxisNames: CmAxisNames(); return true;
    case kCmdPiSymbol: CmPiSymbol(); return true;
    case kCmdMinusSign: CmMinusSign(); return true;
    case kCmdSolidArrowheads: ToggleSolidArrowheads(); return true;
    case kCmdOpaqueLabels: CmOpaqueLabels(); return true;
    default: return TQELWin::OnCommand(id);
  }
}

void TQELWing::EnableCommand(platform::CommandState& state) {
  if (const ExportKind kind = ExportCommandKind(state.id); kind != ExportKind::None) {
    state.enabled = exports.enabled[KindIndex(kind)] != 0;
    return;
  }
  switch (state.id) {
    case kCmdSolidArrowheads: state.enabled = CeSolidArrowheads(); return;
    case kCmdShiftLeft: state.enabled = CeShiftLeft(); return;
    case kCmdShiftRight: state.enabled = CeShiftRight(); return;
    case kCmdShiftUp: state.enabled = CeShiftUp(); return;
    case kCmdShiftDown: state.enabled = CeShiftDown(); return;
    default: TQELWin::EnableCommand(state);
  }
}

void TQELWing::Redraw() {
  SetupMenuChecks(false);
  // Everything is drawn anew, the axes and their labels too.
  InvalidateBuffer(shell::kBackgroundBitmap);
  wing.pictureValid = 0;
  Invalidate(false);
}

bool TQELWing::AskPositive(int promptId, Real shown, int width, int decimals, Real& value) {
  std::string text = kernel::FormatLD(shown, width, decimals);
  if (AskValue(kInputString, promptId, text, kNumberBufferSize) != platform::IDOK) return false;
  fileMsg.modified = 1;
  Real typed = 0;
  if (const int error = ParseNumber(text, typed); error != 0) {
    Msg(error);
    return false;
  }
  if (!(typed > kernel::NullTolerance)) {
    Msg(shell::kPositiveValue);
    return false;
  }
  value = typed;
  return true;
}

void TQELWing::CmZoomFactor() {
  const int decimals = numberFormat.decimals;
  AskPositive(kDilationString, wing.zoomFactor, decimals + 2, decimals, wing.zoomFactor);
}

void TQELWing::CmShiftPercentage() {
  Real percent = 0;
  if (AskPositive(kShiftPercentString, wing.shiftFraction * 100, 4, 2, percent))
    wing.shiftFraction = percent * static_cast<Real>(0.01);
}

bool TQELWing::AskInteger(std::uint16_t& value, int promptId) {
  std::string text = std::to_string(value);
  if (AskValue(kInputString, promptId, text, kNumberBufferSize) != platform::IDOK) return false;
  long long typed = 0;
  if (!ReadInteger(text, typed) || typed < 0 || typed > kLargestPenWidth) {
    Msg(shell::kOutOfBounds);
    return false;
  }
  if (typed == value) return false;
  value = static_cast<std::uint16_t>(typed);
  return true;
}

void TQELWing::CmAxisScreenThickness() {
  if (!AskInteger(axes.axisPenWidth, kDisplayThicknessString)) return;
  fileMsg.modified = 1;
  if (axes.axesShown) {
    InvalidateBuffer(preWin.bitmapLevel);
    Invalidate(false);
  }
}

void TQELWing::CmAxisPrintedThickness() {
  if (AskInteger(axes.axisPrintedWidth, kPrintedThicknessString)) fileMsg.modified = 1;
  if (axes.axisPrintedWidth < 1) axes.axisPrintedWidth = 1;
}

void TQELWing::CmGridScreenThickness() {
  if (!AskInteger(axes.gridPenWidth, kDisplayThicknessString)) return;
  fileMsg.modified = 1;
  InvalidateBuffer(preWin.bitmapLevel);
  Invalidate(false);
}

void TQELWing::CmGridPrintedThickness() {
  if (AskInteger(axes.gridPrintedWidth, kPrintedThicknessString)) fileMsg.modified = 1;
  if (axes.gridPrintedWidth < 1) axes.gridPrintedWidth = 1;
}

void TQELWing::CmAxisNames() {
  std::string x = axes.axisNames[0];
  std::string y = axes.axisNames[1];
  std::string z = axes.axisNames[2];
  shell::TGenDlg dialog(this, "AXVBLS", kAxisNameLength, &x, &y, &z);
  if (dialog.Execute() != platform::IDOK) return;
  const bool changed = x != axes.axisNames[0] || y != axes.axisNames[1] || z != axes.axisNames[2];
  axes.axisNames = {x, y, z};
  if (changed) {
    InvalidateBuffer(preWin.bitmapLevel);
    Invalidate(false);
  }
}

void TQELWing::CmPiSymbol() {
  std::string text = std::to_string(axes.piCharacter);
  if (AskValue(kPiSymbolString, kAsciiValueString, text, kCodeBufferSize) != platform::IDOK) return;
  int code = 0;
  if (!ReadCharacterCode(text, code)) {
    Msg(shell::kOutOfBounds);
    return;
  }
  axes.piCharacter = static_cast<std::uint16_t>(code);
  Redraw();
}

void TQELWing::CmMinusSign() {
  std::string text = std::to_string(axes.minusCharacter);
  if (AskValue(kShowMinusString, kMinusValueString, text, kCodeBufferSize) != platform::IDOK) {
    const bool wasOn = axes.minusSubstitution != 0;
    axes.minusSubstitution = 0;
    if (wasOn) Redraw();
    return;
  }
  int code = 0;
  if (!ReadCharacterCode(text, code)) {
    Msg(shell::kOutOfBounds);
    return;
  }
  const bool same = code == axes.minusCharacter && axes.minusSubstitution != 0;
  axes.minusSubstitution = 1;
  axes.minusCharacter = static_cast<std::uint16_t>(code);
  if (!same) Redraw();
}

void TQELWing::CmOpaqueLabels() {
  axes.opaqueLabels = axes.opaqueLabels ? 0 : 1;
  InvalidateBuffer(0);
  if (axes.axesShown) InvalidateBuffer(1);
  fileMsg.modified = 1;
  SetupMenuChecks(false);
  Invalidate(false);
}

}  // namespace view
