#pragma once
// What the windows of the triangle-group tessellations (of the hyperbolic plane and of the
// sphere) share, over the geometry window each stands on. A tessellation is rebuilt by a command
// at any time, so closing never asks to save. Its filled triangles take one fill colour: a random
// one when the window opens, and every fill takes the new colour at once when the user changes it.
// The toolbar drags vertices, without highlighting or labelling the dragged point; the lines and
// the letters of the many vertices start hidden, and exports write a single frame.

#include <cstdint>
#include <utility>

#include "kernel/fill_trace_records.h"
#include "kernel/random.h"
#include "plane/fill_dlg.h"
#include "view/settings_files.h"

namespace special {

// The kind of colour change the fill colour reports back to the window.
inline constexpr int kFillColourChange = 8;
// Btns > Drag vertices.
inline constexpr int kTessellationToolbarMode = 122;
// The fill colour starts at one of the colour indices 4 to 10.
inline constexpr int kFirstStartingFillColour = 4;
inline constexpr int kStartingFillColours = 7;
// The caption of the colour window on the fill colour: "fill ".
inline constexpr int kStringFillColour = 124;
// Letters only for the points whose label is shown: none of the tessellation's.
inline constexpr int kIndividualLetters = 0;

template <class Base>
class TriangleGroupWindow : public Base {
 public:
  template <class... Arguments>
  explicit TriangleGroupWindow(Arguments&&... arguments) : Base(std::forward<Arguments>(arguments)...) {
    this->qelWin.settingsFileName = view::kTessellationSettingsFile;
    this->qelWin.currentTool = kTessellationToolbarMode;
    this->fill.hideLines = 1;
    this->exports.animationMode = 0;
    auto& colours = this->preWin;
    colours.roles[plane::kFillColorRole] =
        static_cast<std::uint16_t>(kFirstStartingFillColour + kernel::Rand31() % kStartingFillColours);
    // The fill colour command opens the colour window under "fill " and reports a fill colour change.
    colours.roleCommands[plane::kFillColorRole] = kStringFillColour;
    colours.roleValues[plane::kFillColorRole] = kFillColourChange;
  }

  // Any tessellation can be built again: nothing to save.
  bool CheckModified() override { return true; }

  // A new fill colour goes to every fill of the figure; other changes as in any geometry window.
  void ColorChanged(int roleKind) override {
    if (roleKind != kFillColourChange) {
      Base::ColorChanged(roleKind);
      return;
    }
    const std::uint16_t colour = this->preWin.roles[plane::kFillColorRole];
    for (kernel::FillRecord& record : this->fills) record.style = colour;
    this->wing.pictureValid = 0;
    this->Invalidate(false);
  }

 protected:
  // Closing the window and File > New ask nothing either.
  bool CanClose() override { return CheckModified(); }
  // The settings of the geometry window below choose neither the toolbar mode nor the letters of
  // a tessellation.
  void SetupWindow() override {
    Base::SetupWindow();
    this->qelWin.currentTool = kTessellationToolbarMode;
    this->labelDisplay.labelMode = kIndividualLetters;
  }
};

}  // namespace special
