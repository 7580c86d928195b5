#pragma once
// The macro definition dialog (template MACDEF): the history one line a step (list 293), "start"
// (1130) and "stop" (1131) pick the first and last step of the macro, and the two edits name its
// variables (211) and return variables (212). OK refuses a range with a step a macro cannot
// replay on other points (relabelling, mouse data, deleting all lines, random elements).

#include <cstdint>
#include <string>

#include "shell/dlg.h"

namespace engine {

class TGeom10Win;

inline constexpr int kMacroSteps = 293;
inline constexpr int kMacroStart = 1130;
inline constexpr int kMacroStop = 1131;
inline constexpr int kMacroVariables = 211;
inline constexpr int kMacroReturns = 212;
inline constexpr int kMacroVariableChars = 20;

// The first and last step (sequence numbers) of a macro.
struct MacroRange {
  std::int16_t first = 0;
  std::int16_t last = 0;
};

class TMacDlg : public shell::TDlg {
 public:
  // historyText: one line per step, each ended by a carriage return and a line feed. range,
  // variables and returns are the caller's: read on opening, written when OK passes.
  TMacDlg(TGeom10Win* window, std::string historyText, MacroRange* range, std::string* variables,
          std::string* returns);

  // The range being edited.
  const MacroRange& Range() const { return range_; }
  // The message a step of the range gives (the last such step decides); 0 when the range is fine.
  int CheckRange() const;

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void OnOk() override;

 private:
  void ShowCaption();
  // The selected line; -1 when none.
  int SelectedLine() const;

  TGeom10Win* window_;
  std::string historyText_;
  MacroRange* callerRange_;
  std::string* variables_;
  std::string* returns_;
  MacroRange range_;
};

}  // namespace engine
