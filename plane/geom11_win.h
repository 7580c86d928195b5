#pragma once
// The plane command layer: the plane menus and their commands, the history listing, taking back
// imported blocks, the reset of the figure, unit and random figures, the mouse picker and the plane
// transformations.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/windows/geom10_win.h"
#include "kernel/line_circle_records.h"
#include "plane/transform_images.h"

namespace engine {
class TDoUndoDlg;
}

namespace shell {
class TPageWin;
}

namespace plane {

// What the transformations remember between commands and how their images are made.
struct TransformSettings {
  // The angle (degrees) Rotate and the factor Dilate offer next.
  std::string angleText = "180.0";
  std::string factorText = "0.5";
  // Image lines and circles keep their source's attributes; when clear they take the current ones.
  std::uint8_t attributeCopy = 1;
  // Filled regions whose points were transformed get filled images.
  std::uint8_t fillCopy = 1;
};

// The marks by which an imported or macro-applied block of steps is taken back as a whole.
struct ImportMarks {
  // The sequence number of the last history step when each block began; the top is the last.
  std::vector<std::int16_t> steps;
  // Per curve list (the two lists of curve records and the conic list): the number of records
  // each block added.
  std::array<std::vector<int>, 3> curves;
};

class TGeom11Win : public engine::TGeom10Win {
 public:
  TGeom11Win(platform::FrameWindow* parent, std::string_view title);
  ~TGeom11Win() override;

  // The label offset (pixels, in x and y) new figures give their points: 0 after Edit > Labels >
  // Home, 10 after Offset.
  std::uint16_t defaultLabelOffset = 10;

  // Empties the figure: no history, undo marks, fills, texts, pictures, user-defined functions or
  // objects, every point's name record reset with the default label offset, the tool dialogs
  // hidden, the view about the origin with half extents 5, the header "untitled", nothing
  // modified.
  void ClearFigure() override;
  // Hides the window's modeless construction dialogs.
  void HideToolDialogs();
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

  // --- Transformations (transform_commands.cpp) ---------------------------------------------------
  TransformSettings transform;
  // The image of each point under the last transformation run.
  TransformImages transformImages;
  // Transf > Rotate and Dilate: the rotation-dilation dialog with the remembered angle and factor
  // 1.0, or with the angle 0.0 and the remembered factor.
  virtual void Rotate();
  virtual void Dilate();
  // The dialog, then a kind-146 step; 0, a message number (already shown), or -1 when cancelled.
  int RotateDilate(std::string factorText, std::string angleText);
  // Transf > Mirror: the modeless mirror dialog (text 1 the mirror line, text 2 the objects).
  virtual void Mirror();
  int DoReflect(std::string& line, std::string& objects) override;
  engine::TDoUndoDlg* mirrorDialog() { return mirrorDialog_.get(); }
  // Transf > Last repeat: a last translation, rotation or glide reflection again on its images.
  virtual void LastRepeat();
  // Copies every fill whose points the last transformation moved onto their images.
  void TransformFills() override;
  // Removes each polygon fill from position `from` on whose vertex set an earlier one of them
  // already has; the number of fills left.
  int RemoveDuplicateFills(int from);
  // Called after a transformation was made by a command.
  virtual void AfterTransform() {}

  // --- History listing, undo and imported blocks (history_commands.cpp) ------------------------
  // The header the history listing starts with (at most 59 characters).
  std::string historyHeader;
  // Other > Lists > History: the listing in the companion page window.
  void ShowHistoryList();
  // The listing's text and the number of steps it lists.
  std::string HistoryListing(int& steps);
  // Edit > Header.
  void EditHeader();
  shell::TPageWin* historyWindow() const { return historyWindow_; }

  ImportMarks importMarks;
  // An imported or macro-applied block begins: its mark holds the last step's sequence number.
  void PushImportMark();
  // The curve lists' counts before the block (and an undo mark of kind 157); EndCurveMarks turns
  // them into the numbers the block added.
  void PushCurveMarks();
  void EndCurveMarks();
  // Takes back the steps of the last block: 9 when there is no mark, 106 when steps were made or
  // taken back since; 0 when done.
  int UndoImport();
  // Each frees the records the last block added to its curve list (at most as many as it holds).
  void PopCurveList1() { PopCurveList(0); }
  void PopCurveList2() { PopCurveList(1); }
  void PopCurveList3() { PopCurveList(2); }
  // The number of records in curve list k (0 to 2), and dropping n of them from its head; the
  // layer that owns the curve lists fills these.
  virtual int CurveListCount(int /*k*/) const { return 0; }
  virtual void DropCurveListHead(int /*k*/, int /*n*/) {}

 protected:
  bool OnCommand(int id) override;
  void EnableCommand(platform::CommandState& state) override;

 private:
  std::string defaultFileName_;
  std::unique_ptr<engine::TDoUndoDlg> mirrorDialog_;
  shell::TPageWin* historyWindow_ = nullptr;  // a child window, made on first use
  void PopCurveList(int k);
  // After a transformation command's step was committed: its undo mark, the fill images, the view;
  // with activate the window comes to the front (the mirror dialog stays in front instead).
  void FinishTransform(int kind, bool activate);
  bool TransformCommand(int id);
  bool HistoryCommand(int id);
  // Undo and Redo are offered while there is a step to take back or to restore; true for them.
  bool EnableHistoryCommand(platform::CommandState& state);
  // Begins a step of the kind with the current line attributes in operands 3 to 5.
  kernel::ConstructionRecord& BeginUnitStep(int kind);
  // Runs the begun step as a new one; a refusal is shown as its message. The executor's result.
  int RunUnitStep();
};

}  // namespace plane
