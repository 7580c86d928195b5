#pragma once
// The dialog of a pasted picture (template METADLG): its printed width and height in centimetres
// (applied with "image size", the upper left corner staying), the object it is tied to, whether
// it is transparent; and the buttons that cut, copy or clear it, or make it fill the view.
//
// The dialog ends with an action: kPictureActionOk (ok or fill), kPictureActionCut,
// kPictureActionCopy or kPictureActionClear; Cancel ends it with IDCANCEL. Only ok and fill
// store into the picture, and ok only when something changed and everything is valid (an
// invalid entry shows message 6 and keeps the dialog open).

#include <cstdint>
#include <string>
#include <vector>

#include "kernel/real.h"
#include "shell/dlg.h"

namespace view {

class TQELWinm;

inline constexpr int kPictureActionOk = 1;
inline constexpr int kPictureActionCut = 96;
inline constexpr int kPictureActionCopy = 95;
inline constexpr int kPictureActionClear = 52;
inline constexpr int kPictureFillButton = 86;

inline constexpr int kPictureWidthEdit = 211;
inline constexpr int kPictureHeightEdit = 212;
inline constexpr int kPictureSizeCheck = 271;
inline constexpr int kPictureAnchorCheck = 272;
inline constexpr int kPictureTransparentCheck = 273;
inline constexpr int kPictureObjectList = 299;

// An object a picture can be tied to, as the list shows it.
struct PictureTieChoice {
  std::string name;
  std::int32_t object = 0;
};

// What the dialog edits: the picture's rectangle (absolute), transparent flag and tie.
struct PicturePlacement {
  kernel::Real x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  std::uint8_t transparent = 1;
  std::int32_t tie = -1;
};

class TMetaDlg : public shell::TDlg {
 public:
  // placement and action are the caller's; choices are the objects of the list (none: the list
  // and "anchor" are disabled); dpi is the screen's dots per inch across.
  TMetaDlg(TQELWinm* owner, PicturePlacement* placement, int* action, std::vector<PictureTieChoice> choices,
           int dpi);

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void OnOk() override;

 private:
  // Reads the controls into the placement; false (nothing stored) when an entry is invalid.
  bool TransferResults();

  TQELWinm* owner_;
  PicturePlacement* placement_;
  int* action_;
  std::vector<PictureTieChoice> choices_;
  int dpi_;
};

}  // namespace view
