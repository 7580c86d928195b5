#pragma once
// Macros: a block of steps defined once and applied to other points, and the import of a figure
// from a source window.
//
// A macro window is opened from a geometry window (its target); the user builds a figure there
// and defines a stretch of its history as the macro with its given and return points. Applying
// the macro copies those steps into the target with every point, line, circle and curve they name
// translated; Reapply feeds the images of the return points back in; Macro Undo takes the last
// application back as a whole. A source window opened from a target attaches its whole figure
// onto points of the target (the geometry layers place it) and Import Undo takes it back.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "plane/geom11_win.h"

namespace plane {

struct ConicInventories;
struct MacroRemap;

// Edit > Macro and Edit > Import.
inline constexpr int kCmdOpenMacroWindow = 1114;
inline constexpr int kCmdApplyMacro = 1115;
inline constexpr int kCmdApplyMacroMouse = 1123;
inline constexpr int kCmdUndoMacro = 1117;
inline constexpr int kCmdReapplyMacro = 1119;
inline constexpr int kCmdOpenSourceWindow = 1171;
inline constexpr int kCmdAttach = 1172;
inline constexpr int kCmdAttachMouse = 1173;
inline constexpr int kCmdUndoAttach = 1174;

// The most given (and return) points a macro has.
inline constexpr int kMacroPointLimit = 20;

// Where an application of a macro began or ended in the target: its last step, and, for the
// "before" mark, how many fills and records of the three curve lists the target had.
struct ApplyMark {
  std::int16_t sequence = -1;
  int fills = 0;
  std::array<int, 3> curves{};
};

class TMacWin : public TGeom11Win {
 public:
  TMacWin(platform::FrameWindow* parent, std::string_view title);
  // A linked window forgets a target that closes first, and a target its closed linked windows.
  ~TMacWin() override;

  // Messages of the macro layer.
  static constexpr int kMsgUndefinedMacro = 132;
  static constexpr int kMsgNotEnoughVertices = 136;
  static constexpr int kMsgCannotUndoThis = 106;
  static constexpr int kMsgDuplicateLabel = 122;

  // The window that receives applications (of a macro window) or attachments (of a source
  // window); not owned, it outlives this window.
  TMacWin* linkedParent = nullptr;
  // The macro and source windows opened from this window that are still open.
  std::vector<TMacWin*> linkedWindows;
  // Links a macro or source window to this window as its target.
  void AdoptLinkedWindow(TMacWin& window);
  // Set when this window was opened as a macro window or as a source window.
  std::uint8_t macroWindow = 0;
  std::uint8_t sourceWindow = 0;
  // Two marks bracket each application; the top is the last.
  std::vector<ApplyMark> applyMarks;
  // For each point of this window, the target point that stands for it (-1 for none); for each
  // surface number, the target's.
  std::vector<std::int16_t> pointMap;
  std::vector<std::int16_t> surfaceMap;
  // The source points of the last attachment and the text the attach dialog offers.
  std::array<std::int16_t, 3> importInputs{-1, -1, -1};
  std::string importInputText;
  // Set at the start of an application: what the target has more than this window.
  int pointOffset = 0;
  int firstOffset = 0;
  int secondOffset = 0;

  // --- Macros (plane/macro_apply.cpp) ---------------------------------------------------------
  // Opens a macro window on this window (nothing here; the window classes make their own).
  virtual TMacWin* OpenMacroWindow() { return nullptr; }
  // Opens a source window to attach figures from (nothing here).
  virtual TMacWin* OpenSourceWindow() { return nullptr; }
  // Attaches this source window's figure to the target: 0 or a message number (nothing here).
  virtual int AttachImport(bool /*mouse*/) { return 0; }

  // Edit > Macro > Apply (1115), Apply with mouse (1123) and Reapply (1119): 0, -1 when cancelled,
  // or the message shown.
  int ApplyCommand(bool reapply, bool mouse);
  // Whether the last application's images of the return points can be the next inputs.
  bool CanReapply() const;
  // The target points of the given points, by dialog, picker or the last application; fills the
  // point map. 0 when the application may go on, -1 when cancelled, else the message (not shown).
  int ChooseMacroPoints(bool reapply, bool mouse);
  // Replays the macro's steps into the target: 0, or the message (not shown) after the target was
  // put back as it was.
  int ApplyMacro();
  // push: a mark of the target's last step; else the top mark is dropped.
  void MarkApply(bool push);
  // Edit > Macro > Undo: takes the last application back; 0 or the message (not shown).
  int UndoMacro();

  // --- Import from a source window (plane/macro_import.cpp) -----------------------------------
  // The source points and the target points of the attachment, typed or picked: 0 with the point
  // map set, -1 when cancelled or after the error was shown.
  int AskAttachInputs(bool mouse);
  // Edit > Import > Undo, in the source window: 0 or the message (not shown).
  int UndoAttach();

  // --- What the geometry layers add -----------------------------------------------------------
  // The conic lists of a plane window (none here).
  virtual ConicInventories* conicLists() { return nullptr; }
  void DropCurveListHead(int k, int n) override;
  // The conic dialogs show their lists again after conics were copied in.
  virtual void RefreshConicDialog() { RefreshDialogLists(); }
  // The surface counter of a 3-D window (-1 and nothing here).
  virtual int SurfaceCounter() const { return -1; }
  virtual void SetSurfaceCounter(int /*counter*/) {}

  void ClearFigure() override;

 protected:
  bool OnCommand(int id) override;
  void EnableCommand(platform::CommandState& state) override;

 private:
  // The number of given points (those before the first one that is not a point).
  int GivenCount() const;
  // The step-by-step copy of the macro into the target; 0 or the first failure.
  int ReplayMacroSteps(TMacWin& target, std::vector<kernel::ConstructionRecord>& stretch, MacroRemap& remap);
  void CopyMacroFills(TMacWin& target);
  void CopyMacroConics(TMacWin& target);
  void AfterTargetChange(TMacWin& target);
};

}  // namespace plane
