#pragma once
// The colour window every graphics window owns: the owner's 61 colours as a palette from which
// the left button picks the colour of one colour role; the right button on the swatch of the
// current colour opens the RGB editor. The owner hears of each change through ColorChanged.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "shell/pre_win.h"

namespace shell {

class TEditRGBDlg;

inline constexpr int kPaletteColumns = 6;
inline constexpr int kPaletteRows = 10;

class TColWin : public TPreWin {
 public:
  TColWin(TPreWin* owner, std::string_view title);
  ~TColWin() override;

  // Shows the window on the colour index *index of the owner's role roleKind, captioned by string
  // captionId, or by title when captionId is negative.
  void EditRole(int captionId, std::uint16_t* index, int roleKind, std::string_view title);
  // Copies the owner's colours into the window's working table and refreshes the RGB editor.
  void TakeOwnerColors();
  void DrawPalette(platform::DC& dc);
  // The palette cell at (column, row): row 0 is the band above the grid (column 1 holds colour
  // 0), rows 1 to 10 the grid of colours 1 to 60, six to a row.
  void Pick(int column, int row);
  // Gives the owner the working colour of the current index.
  void CommitColor() override;
  void Hide() override;

  TPreWin* owner() const { return owner_; }
  std::uint16_t* currentIndex() const { return currentIndex_; }
  int roleKind() const { return roleKind_; }
  int cellWidth() const { return cellWidth_; }
  int cellHeight() const { return cellHeight_; }
  TEditRGBDlg* rgbDialog() const { return rgbDialog_.get(); }

 protected:
  void SetupWindow() override;
  void Paint(platform::DC& dc) override;
  void OnMouseDown(const platform::MouseEvent& e) override;
  void OnDestroy() override;

 private:
  bool CellsKnown() const { return cellWidth_ > 0 && cellHeight_ > 0; }
  void Redraw();

  TPreWin* owner_;
  int roleKind_ = 0;
  std::uint16_t* currentIndex_ = nullptr;
  int captionId_ = -1;
  std::string captionText_;
  int cellWidth_ = 0;
  int cellHeight_ = 0;
  std::unique_ptr<TEditRGBDlg> rgbDialog_;
};

}  // namespace shell
