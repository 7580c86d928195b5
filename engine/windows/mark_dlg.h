#pragma once
// The markings dialog (template ACCENTS): the markings of the window listed, a new one made from
// the typed labels with the chosen type, number of strokes, relative size and colour, and one or
// all of them deleted. Modeless; Close hides it.

#include <cstdint>
#include <string>

#include "shell/dlg.h"

namespace engine {

class TGeomWin;

inline constexpr int kMarkList = 293;
inline constexpr int kMarkWhere = 211;
inline constexpr int kMarkType = 296;
inline constexpr int kMarkNumber = 297;
inline constexpr int kMarkSize = 298;
inline constexpr int kMarkNumberLabel = 231;
inline constexpr int kMarkSizeLabel = 232;
inline constexpr int kMarkColor = 204;
inline constexpr int kMarkMark = 91;
inline constexpr int kMarkDeleteOne = 52;
inline constexpr int kMarkDeleteAll = 54;

class TMarkDlg : public shell::TDlg {
 public:
  explicit TMarkDlg(TGeomWin* window);

  // The list refilled from the window's markings; the focus back in "where".
  void RefreshMarkingList();
  // The chosen type as its code (1 to 6 in the plane, 3, 4, 5, 7 in the 3-D window).
  int type() const { return type_; }
  std::uint16_t colour = 0;
  // The type list's choice: the controls that fit it are shown.
  void TypeChanged();

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void OnNotify(int id, platform::ControlNotification what) override;

 private:
  void Mark();
  void DeleteOne();
  void DeleteAll();
  bool Solid() const;

  TGeomWin* window_;
  int type_ = 1;
  // The number label's own text, shown again when the type takes a number of strokes.
  std::string numberLabel_;
};

}  // namespace engine
