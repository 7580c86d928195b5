#pragma once
// The modeless pen dialog of a geometry window (template CTSDLG): the thickness list (295), the
// colour (208) and the style (701, its name in 231) that new lines and circles receive.

#include "engine/windows/line_attributes.h"
#include "shell/dlg.h"

namespace engine {

class TGeom10Win;

inline constexpr int kPenThicknessList = 295;
inline constexpr int kPenColour = 208;
inline constexpr int kPenStyle = 701;
inline constexpr int kPenStyleName = 231;

class TCTSDlg : public shell::TDlg {
 public:
  TCTSDlg(TGeom10Win* window, LineAttributes* attributes);

  void Hide() override;

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void OnNotify(int id, platform::ControlNotification what) override;
  void OnCancel() override { Hide(); }

 private:
  void ShowStyleName();

  TGeom10Win* window_;
  LineAttributes* attributes_;
};

}  // namespace engine
