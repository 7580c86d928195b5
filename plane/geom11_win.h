#pragma once
// The plane command layer: the plane menus and their commands, the history listing, taking back
// imported blocks, the reset of the figure, unit and random figures, the mouse picker and the plane
// transformations.

#include <cstdint>
#include <string>
#include <span>
#include <string_view>

#include "engine/windows/geom10_win.h"
#include "platform/drawing_types.h"
#include "kernel/line_circle_records.h"

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

  // --- The mouse picker and the mouse deletions (mouse_picker.cpp) ------------------------------
  // Set while the picker runs: the mouse buttons build nothing meanwhile.
  std::uint8_t pickerActive = 0;
  // Btns > Enable deletion by redrawing: a right click on a point deletes it, and drawing an
  // existing segment or circle again deletes it.
  std::uint8_t deletionByRedrawing = 0;
  // Collects n points clicked with the left button into out (room for n + 1 entries; a -1 follows
  // the last point picked), the prompt of string `stringId` and the names asked for in the
  // caption, until n were picked or 15 seconds pass without a pick. 0, or 136 when fewer were
  // picked.
  int PickPoints(std::span<std::int16_t> out, int n, std::string_view names, int stringId);
  // Appends the label of the point under the mouse to the first field of the construction dialog
  // shown last.
  virtual void PickPointIntoDialog(platform::PointI pixel);
  // Deletes point i as a step (kind 141): 0, -1 when deletion by the mouse is off, or 133 or 134
  // when the point defines a line or a circle (it is then not deleted).
  int DeletePointStep(int i);
  // Deletes line l through points a and b as a step (kind 142).
  void DeleteLineStep(int a, int b, int l);

 protected:
  bool OnCommand(int id) override;
  void EnableCommand(platform::CommandState& state) override;

 private:
  std::string defaultFileName_;
  // Begins a step of the kind with the current line attributes in operands 3 to 5.
  kernel::ConstructionRecord& BeginUnitStep(int kind);
  // Runs the begun step as a new one; a refusal is shown as its message. The executor's result.
  int RunUnitStep();
};

}  // namespace plane
