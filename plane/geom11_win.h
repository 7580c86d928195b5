#pragma once
// The plane command layer: the plane menus and their commands, the history listing, taking back
// imported blocks, the reset of the figure, unit and random figures, the mouse picker and the plane
// transformations.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/windows/geom10_win.h"
#include "engine/windows/macro_def_dlg.h"
#include "kernel/line_circle_records.h"
#include "plane/meas_dlg.h"

namespace plane {

class TGeom11Win : public engine::TGeom10Win {
 public:
  TGeom11Win(platform::FrameWindow* parent, std::string_view title);

  // The label offset (pixels, in x and y) new figures give their points: 0 after Edit > Labels >
  // Home, 10 after Offset.
  std::uint16_t defaultLabelOffset = 10;

  // Empties the figure: no history, no objects, every point's name record reset with the default
  // label offset, the view about the origin with half extents 5, nothing modified.
  void ClearFigure() override;
  // File > New (after the save question): a figure with points is cleared and the window takes
  // the name it was opened with, unsaved.
  void NewFigure() override;

  // The line attributes new sides and circles take (colour, thickness, style as records hold them).
  kernel::LinePen currentLinePen{0, 1, 0};

  // --- Unit and random figures (unit_commands.cpp) -----------------------------------------------
  // Units > Random > Triangle, Circle and the other random figures: one step of the kind, run at
  // once; a refusal is shown as its message. The executor's result.
  int RandomFigure(int kind);
  // Units > Random > Inscribed polygon (convex 0) and Convex polygon (1): asks the number of
  // vertices first.
  void RandomPolygon(int convex);
  // Edit > Randomize: runs the history again as new, so every random figure draws new vertices.
  void Randomize();

  // --- Animation, measurement, graph and macro commands (anim_meas_commands.cpp) ----------------
  // The entry the measurements dialog selects first (-1: none).
  int measurementIndex = -1;
  // Anim > Calibrate scrollbars: the small and medium steps of the slider scroll bars.
  void CalibrateScrollbars();
  // Anim > Autopilot link: the sliders named in a typed text move together.
  void AutopilotLink();
  // Meas: the measurements dialog.
  virtual void ShowMeasurements();
  // The characters the label font shows for pi, square, root and phi.
  virtual MeasurementSymbols Symbols() const { return {}; }
  // The measurement texts changed: the picture is drawn anew and the figure counts as modified.
  void MeasurementsChanged();
  // Anim > Graph window: the graph plots one measurement against another, so it needs two; 0,
  // or the message shown.
  int OpenGraphWindow();
  // Edit > Macro > Define: the steps and the points of the figure's macro.
  void DefineMacro();
  // The input and output points of the macro (at most 20 each), its caption, its range of steps.
  std::vector<std::uint16_t> macroInputs;
  std::vector<std::uint16_t> macroOutputs;
  std::string macroCaption;
  engine::MacroRange macroRange;
  // A new movable point where point p is.
  void NewPointStep(int p) override;

 protected:
  bool OnCommand(int id) override;
  void EnableCommand(platform::CommandState& state) override;

 private:
  std::string defaultFileName_;
  // Begins a step of the kind with the current line attributes in operands 3 to 5.
  kernel::ConstructionRecord& BeginUnitStep(int kind);
  // Runs the begun step as a new one; a refusal is shown as its message. The executor's result.
  int RunUnitStep();
  // The commands of anim_meas_commands.cpp; false for any other id.
  bool AnimMeasCommand(int id);
  bool EnableAnimMeasCommand(platform::CommandState& state);
};

}  // namespace plane
