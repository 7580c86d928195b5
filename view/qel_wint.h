#pragma once
// The text layer of the picture windows: the texts placed on a figure (typed, evaluated and
// measurement texts) and the view changes that keep the frame-tied texts in place. The view box
// the figure layers ask for after each step is set here.
//
// The three lists hold their items with positions relative to each item's anchor (see
// text_item.h); every operation that needs a screen or world position makes an item absolute,
// works, and makes it relative again. The texts are drawn through the window's painter, so they go
// to the screen, the printer and every export alike; a writer that sets texts with its own
// typesetter gets each text centred on the middle of its box as last drawn.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kernel/real.h"
#include "view/grid_win.h"
#include "view/text_item.h"

namespace platform {
class Dialog;
}

namespace view {

inline constexpr int kCmdDeleteTexts = 113;
inline constexpr int kCmdTextTool = 123;
inline constexpr int kCmdEvalTextTool = 129;
inline constexpr int kCmdHomePositions = 222;
inline constexpr int kCmdToggleTexts = 360;

// The object map: the object number of each row of the dialog's object list.
inline constexpr std::size_t kObjectMapSize = 8000;
// The evaluated-text table starts with this highest index and grows by kEvalTableGrowth.
inline constexpr int kEvalTableInitialHighest = 50;
inline constexpr int kEvalTableGrowth = 20;
// Evaluated texts carry a code below this.
inline constexpr std::uint16_t kEvalCodeLimit = 32768;
// The font slot and colour index of a new text.
inline constexpr int kTextFontSlot = 4;

enum class TextListKind { Plain, Evaluated, Measurements };

struct TextLayerData {
  TextList plain;
  TextList evaluated;
  TextList measurements;
  // Set by the figure windows: texts can then be tied to objects.
  std::uint8_t objectsAvailable = 0;
  // Set: the text dialog offers "hide with object".
  std::uint8_t hideBoxShown = 0;
  std::vector<std::uint16_t> objectMap = std::vector<std::uint16_t>(kObjectMapSize, 0);
  std::vector<EvalTextEntry> evalTable;
  std::int16_t lastEvalEntry = -1;
};

// A text found under a point: its place in the list, the point's offset from the text's top-left
// pixel, and its box in pixels.
struct TextHit {
  std::size_t index = 0;
  platform::PointI offset;
  platform::SizeI size;
};

class TQELWint : public TGridWin {
 public:
  TQELWint(platform::FrameWindow* parent, std::string_view title);

  TextLayerData textItems;

  // The half extents of the view before the last SetViewBox.
  kernel::Real previousHalfWidth = 5;
  kernel::Real previousHalfHeight = 5;

  // Sets the view to the centre and half extents (see SetView) and repaints. The view it replaces
  // is pushed on the view stack, so Last window goes back to it. Asking for the current view again
  // (up to rounding) keeps it exactly and pushes nothing. Frame-tied texts keep their place.
  virtual void SetViewBox(const kernel::Point2& centre, kernel::Real halfWidth, kernel::Real halfHeight,
                          bool unequal);

  // View changes keep the frame-tied texts in their place in the window.
  void LastView() override;
  void ResetView() override;
  void SetSquareView(const kernel::Point2& centre, kernel::Real halfWidth) override;
  void SetViewExtents(kernel::Real cx, kernel::Real cy, kernel::Real hw, kernel::Real hh,
                      bool unequal) override;

  // --- Operations the figure layers fill in ---
  // Fills the dialog's list box with the objects a text can be tied to (and textItems.objectMap with
  // their numbers) and selects the one of `tie`.
  virtual void ObjectName(platform::Dialog& /*dialog*/, int /*listId*/, int /*tie*/) {}
  // The view's half extents changed from old to new: here the plain texts tied to the frame are
  // scaled with them.
  virtual void RescaleTexts(kernel::Real newHalfWidth, kernel::Real newHalfHeight, kernel::Real oldHalfWidth,
                            kernel::Real oldHalfHeight);
  virtual kernel::Point2 ObjectPosition(int /*object*/) { return {0, 0}; }
  virtual bool IsObjectShown(int /*object*/) { return true; }
  // The text an item shows.
  virtual std::string GetItemText(const TextItem& item) { return item.text; }
  // Loads the entry of an evaluated text's code.
  virtual int GetEvalTextEntry(EvalTextEntry& /*entry*/, int /*code*/) { return 0; }
  // Stores (check clear) or checks (check set) an evaluated text's entry: 0 done, above 0 a message
  // number, below 0 the text is to go.
  virtual int FormatEvalText(EvalTextEntry& /*entry*/, std::uint16_t& /*code*/, bool /*check*/) { return 0; }
  // Lays the measurement texts out in columns from the top-left corner of the view.
  virtual void ArrangeHomePositions();

  // --- Items ---
  TextList& List(TextListKind kind);
  // The point an item's position is relative to: none for the figure, the view centre for the
  // frame, the object's position for an object.
  kernel::Point2 TextAnchor(const TextItem& item);
  void TextToAbsolute(TextItem& item);
  void TextToRelative(TextItem& item);
  // A new item at the pixel: empty, in the font of the slot, colour of the index, tied to the
  // figure, absolute.
  TextItem InitTextItem(platform::PointI pixel, int colorIndex, int fontSlot) const;

  // The text dialogs for a click of the text tools at a pixel: the text under it is edited, or a
  // new one is made after the last one. An empty text deletes the text edited.
  void EditText(platform::PointI pixel);
  void EditEvalText(platform::PointI pixel);
  void SetEvalTableSize(int highest);
  void GrowEvalTable();

  // The first shown text of the list under the pixel.
  std::optional<TextHit> HitText(platform::PointI pixel, TextList& list);
  // Drags a frame of the box (turned by the angle) with the mouse, the mouse held by the window,
  // until the left button goes up: `pixel` is where the drag starts and becomes the frame's final
  // top-left corner (its start when the button goes up outside the client area). False, `pixel`
  // unchanged, when the window was closed meanwhile.
  bool TrackDragFrame(platform::PointI& pixel, platform::PointI offset, platform::SizeI size,
                      int angleTenths);
  // Drags the text under the pixel, if any; true when there was one.
  bool DragText(platform::PointI pixel, TextList& list);

  // The text-item piece on the window's open file (inside WriteData and ReadData): false when no
  // file is open; reading is false too for a damaged piece, the list then unchanged.
  bool WriteTexts(const TextList& list);
  bool ReadTexts(bool keepShownFlags, TextList& list);

  // --- Drawing ---
  // Whether the paint pass under way draws the item of the list (a drag paints in layers).
  virtual bool TextInPass(const TextList& /*list*/, const TextItem& /*item*/) const { return true; }
  // Whether a writer that sets texts itself starts the item at the top-left corner of its box, in
  // plain math mode, rather than centring it there (the figure layers so place their measurements).
  virtual bool SetFromCorner(const TextItem& /*item*/) const { return false; }
  // The shown texts of the list, opaque ones on the colour of the role unless forced transparent;
  // a writer that sets texts itself gets them centred on their boxes, in math mode when asked.
  void DrawTextList(FigurePainter& painter, TextList& list, bool forceTransparent, bool mathMode,
                    int colorRole);
  void PaintTextItem(FigurePainter& painter, TextItem& item, bool forceTransparent,
                     kernel::ColorRef background);
  // All three lists, as this layer paints and exports them.
  void DrawTexts(FigurePainter& painter);
  // The texts changed or moved: the picture they are drawn in is out of date.
  virtual void TextPictureChanged() { wing.pictureValid = 0; }
  bool ExportPicture(FigurePainter& painter, const ExportFrame& frame) override;

  // --- Commands ---
  void FreeTexts();
  void FreeTextList3() { textItems.measurements.clear(); }
  // Moves the frame-tied texts that lie outside the view to its top-left corner, one below the other.
  void TextListBringIntoView(TextList& list);
  void CmDeleteTexts();
  void CmToggleTexts();

 protected:
  bool OnCommand(int id) override;
  void EnableCommand(platform::CommandState& state) override;
  void Paint(platform::DC& dc) override;
  // A new client size updates the view; the frame-tied texts keep their place in the window.
  void OnSize(int width, int height) override;
  // The text tools: the left button drags a text, the right one edits or places one.
  void OnMouseDown(const platform::MouseEvent& e) override;

 private:
  // Runs a view change and rescales the texts from the extents before it to those after it.
  template <class Change>
  void RescalingView(Change change);
  // The texts changed: the file is modified and the picture drawn anew.
  void TextsChanged();
};

}  // namespace view
