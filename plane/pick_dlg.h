#pragma once
// Btns > Pick's theorem: the vertices of a lattice polygon typed as labels, checked and handed to
// the window, which then shows the polygon with its lattice points; two buttons open the colour
// window on the colours of the points inside and on the edges.

#include <string>

#include "platform/dialog.h"

namespace plane {

class TGeomCWin;

inline constexpr int kPickListBox = 293;
inline constexpr int kPickVertexEdit = 211;
inline constexpr int kPickSecondEdit = 212;
inline constexpr int kPickFirstLabel = 5;
inline constexpr int kPickPointsLabel = 31;
inline constexpr int kPickInteriorColorButton = 1130;
inline constexpr int kPickBoundaryColorButton = 1131;
// The longest vertex list.
inline constexpr int kPickMaxVertices = 255;

class TPickDlg : public platform::Dialog {
 public:
  // title: the menu item's text without "..." and "&".
  TPickDlg(TGeomCWin* owner, std::string title);

  // The vertex list as the owner would take it: 0, or the message that refuses it (9 fewer than
  // three vertices, 6 a vertex that is no free point, 127 two vertices closer than 0.5).
  int CheckVertices(std::string text);

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;

 private:
  void Ok();

  TGeomCWin* owner_;
  std::string title_;
};

}  // namespace plane
