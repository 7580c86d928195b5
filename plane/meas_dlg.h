#pragma once
// The measurements dialog (template MEAS, modal): an expression typed into the edit (211, with F1
// pi, F2 root and "(", F3 square, F5 phi) is added to the figure by Enter (91) as a measurement
// text; the list (293) shows every measurement with its value, and its selected entries are shown
// or hidden (840), deleted (52), copied into the edit (95, the first one) or switched between
// formula and value (842).

#include <array>
#include <cstdint>
#include <string>

#include "shell/dlg.h"

namespace plane {

class TGeom11Win;

inline constexpr int kMeasEdit = 211;
inline constexpr int kMeasList = 293;
inline constexpr int kMeasDelete = 52;
inline constexpr int kMeasDisplay = 840;
inline constexpr int kMeasFormula = 842;
inline constexpr int kMeasCopy = 95;
inline constexpr int kMeasHelp = 354;
inline constexpr int kMeasAdd = 91;

// The characters the window's label font shows for pi, square, square root and phi.
struct MeasurementSymbols {
  std::uint8_t pi = 227;
  std::uint8_t square = 253;
  std::uint8_t root = 251;
  std::uint8_t phi = 232;
};

// The edit text with the symbol characters turned into the expression language's codes.
std::string TranslateSymbols(std::string text, const MeasurementSymbols& symbols);

class TMeasDlg : public shell::TDlg {
 public:
  TMeasDlg(TGeom11Win* window, const MeasurementSymbols& symbols);

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  bool OnEditKey(int id, int keyCode, unsigned modifiers) override;

 private:
  // Adds the typed expression as a measurement; nothing for an empty edit.
  void AddMeasurement();
  void ActOnSelection(int id);
  std::string ListLine(std::size_t item);

  TGeom11Win* window_;
  MeasurementSymbols symbols_;
};

}  // namespace plane
