#include "engine/windows/geom10_win.h"

#include "engine/windows/do_undo_dlg.h"
#include "engine/windows/func_dlg.h"
#include "engine/windows/line_attribute_dlg.h"
#include "engine/windows/slide_dlg.h"
#include "engine/windows/tool_dlg.h"

namespace engine {

TGeom10Win::TGeom10Win(platform::FrameWindow* parent, std::string_view title) : TGeom09Win(parent, title) {
  // The export dialogs offer frames driven by an animation text (animation_control.cpp).
  exports.animationMode = 1;
}

}  // namespace engine
