#pragma once
// The Penrose tiling window: kites and darts, or rhombs. The user attaches tiles to the edges of
// the tiling with the mouse (with the tiles they force, under the Ammann bar rules), undoes,
// redoes and rotates, loads patches from the library, recolours tiles, and sees the tiling with
// its fills, curves, bars and edges on the screen, the printer and in every export, where the
// exports animate the tiling tile by tile. The tiling is saved as its placement list.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/windows/fill_win.h"
#include "view/text_item.h"
#include "kernel/colour_table.h"
#include "special/penrose_drawing.h"
#include "special/penrose_file.h"
#include "special/penrose_tiles.h"

namespace special {

// Commands of the window.
inline constexpr int kCmdFirstPatch = 930;  // 930 + patch, patches 0 to 11
inline constexpr int kCmdLastPatch = 941;
inline constexpr int kCmdFitWindow = 764;
inline constexpr int kCmdRotate = 752;
inline constexpr int kCmdFirstFamily = 950;  // 950 + family, families 0 to 4
inline constexpr int kCmdAllFamilies = 955;
inline constexpr int kCmdNoFamilies = 956;
inline constexpr int kCmdHideTiles = 945;
inline constexpr int kCmdSolidBars = 946;
inline constexpr int kCmdForcedTiles = 947;
inline constexpr int kCmdCompatibility = 948;
inline constexpr int kCmdCurves = 949;
inline constexpr int kCmdAttachMode = 121;
inline constexpr int kCmdRecolorMode = 122;
inline constexpr int kCmdTextMode = 123;
inline constexpr int kCmdPictureMode = 124;
inline constexpr int kCmdPenroseUndo = 98;
inline constexpr int kCmdPenroseRedo = 94;
inline constexpr int kCmdFullColor = 960;
inline constexpr int kCmdGreyTiles = 961;
inline constexpr int kCmdWhiteTiles = 962;
inline constexpr int kCmdPenroseData = 825;

class TPenrWin : public engine::TFillWin {
 public:
  // tilingKind: 0 kites and darts, 1 rhombs.
  TPenrWin(platform::FrameWindow* parent, std::string_view title, std::uint8_t tilingKind);

  // 0 kites and darts, 1 rhombs; fixed at construction.
  std::uint8_t tiling;
  PenroseTiling penrose;
  PenroseDisplay display;
  std::uint16_t mouseMode = kCmdAttachMode;

  // --- Commands and queries (public for the tests and the launcher) ---
  bool HasTiles() const { return penrose.TileCount() > 0; }
  // Replaces the tiling by library patch `patch`; the modified flag is cleared.
  bool LoadPatch(int patch);
  // A user attach at the pixel: which 0 the first tile type, 1 the second. The message of a
  // refused tile is shown.
  void AttachAtPixel(int which, platform::PointI pixel);
  // The tile under the pixel takes the colour of the tile role (full colour only).
  void RecolorAtPixel(platform::PointI pixel);
  // The view centred on the pixel (the old view pushed on the view stack); the figure is modified.
  void RecenterAtPixel(platform::PointI pixel);
  void Undo();
  void Redo();
  // Asks the angle and rotates the tiling by it.
  void Rotate();
  // Adds degrees to the rotation, rebuilds and fits the view.
  void RotateBy(int degrees);
  // Fits the view to the tiling: anew (keep false) or widening the current view (keep true).
  void FitView(bool keep);
  // The data summary text and its message box caption.
  std::string DataText() const;
  std::string DataCaption() const;
  // The tile under the pixel, -1 when none.
  std::int16_t TileAtPixel(platform::PointI pixel) const;

  // --- Drawing ---
  // The four layers of tiles 0 .. lastTile of the tiling into the painter.
  void DrawTiling(view::FigurePainter& painter, const PenroseTiling& source, int lastTile);
  // The screen picture: the tiling in the level-1 bitmap (redrawn only when stale), copied to
  // level 0 with the pictures over it.
  void PaintTiling(platform::DC& dc);
  bool PaintPicture(platform::DC& dc) override;
  bool PaintToBitmap(platform::DC& dc) override;
  // Every export and metafile: the tiling (frame n of an animation shows tiles 0 .. n), then the
  // pictures, axes and frame of the layers below.
  bool ExportPicture(view::FigurePainter& painter, const view::ExportFrame& frame) override;
  void ExportFileChosen(view::ExportKind kind) override;
  int UseDefaultAnimation() override { return HasTiles() ? 1 : 0; }

  // --- File ---
  // Refuses a file that cannot be read before anything of the window changes.
  int LoadFile() override;
  bool WriteData() override;
  int ReadData() override;
  void ClearFigure() override;
  // File > New: an untitled window with a single random tile, as a new window starts.
  void NewFigure() override;
  bool IsModified() override { return fileMsg.modified != 0; }

  void SetupMenuChecks(bool redraw) override;
  void ColorChanged(int roleKind) override;
  void UpdateClientArea() override;

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void EnableCommand(platform::CommandState& state) override;
  void OnDestroy() override;
  void Paint(platform::DC& dc) override;
  void OnMouseDown(const platform::MouseEvent& e) override;
  void OnSize(int width, int height) override;

  // Texts placed on the tiling (the text layer's plain list): dragged with the left button of the
  // text mode (true when one was dragged), inserted or edited with the right, drawn over the
  // tiling, and kept in the file as the text-item piece (u16 count, then 179-byte records).
  bool DragTextItem(platform::PointI pixel) { return DragText(pixel, textItems.plain); }
  void InsertTextItem(platform::PointI pixel) { EditText(pixel); }
  void DrawTextItems(view::FigurePainter& painter) { DrawTexts(painter); }
  void WriteTextItemsPiece(kernel::ByteWriter& out) { view::WriteTextList(out, textItems.plain); }

 private:
  PenroseDrawing Drawing(const PenroseTiling& source);
  // A display switch changed: the tiling picture is stale, checks refreshed, repainted.
  void DisplayChanged();
  void SetMouseMode(std::uint16_t mode);
  void SetColorMode(std::uint16_t mode);
  // The engine follows the colour roles of new tiles.
  void TakeTileColors();
  void TakeSettings();
  void StoreSettings();
  void TilingChanged();
  void ShowData();
  void ShowResult(std::int16_t code);

  // Draws the tiling into the level-1 off-screen picture when it is stale or of another size.
  void RenderTilingPicture();

  std::array<kernel::ColorRef, kernel::kColorCount> greys_{};
  view::FigurePainter* arcPainter_ = nullptr;  // the painter of the pass that draws curves
  std::string untitledName_;
};

}  // namespace special
