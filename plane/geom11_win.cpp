#include "plane/geom11_win.h"

#include <algorithm>

#include "engine/windows/do_undo_dlg.h"
#include "engine/windows/mark_dlg.h"
#include "engine/windows/trace_dlg.h"
#include "plane/candidate_dialogs.h"
#include "plane/object_dialogs.h"
#include "resources/resource_library.h"

namespace plane {

namespace {

constexpr kernel::Real kClearedHalfExtent = 5;
constexpr int kStringUntitled = 110;

}  // namespace

TGeom11Win::TGeom11Win(platform::FrameWindow* parent, std::string_view title)
    : TGeom10Win(parent, title), historyHeader(resources::LoadString(kStringUntitled)), defaultFileName_(title) {}

void TGeom11Win::ClearFigure() {
  ClearAuthorData();
  ClearHistory();
  FreePictureList();
  FreeTexts();
  FreeTextList3();
  compiler.settings.user_functions.clear();
  HideToolDialogs();
  // The graphs belong to the figure; the graph window keeps its place and view.
  graphState.items.Clear();
  graphState.texts.clear();
  graphState.measurement = 0;
  ClearUndoMarks();
  importMarks = {};
  transformImages = {};
  TruncateItemList(0);
  engine::FigureTables& t = tables();
  t.ResetForReplay();
  const auto offset = static_cast<std::int16_t>(defaultLabelOffset);
  for (engine::PointNameRecord& name : t.names) {
    name = {};
    name.label = 0xFFFF;
    name.shown = 1;
    name.marker = 2;
    name.dx = offset;
    name.dy = offset;
  }
  for (engine::PointAttrRecord& attr : t.attrs) attr = {-1, {-1, -1, -1, -1}, attr.value};
  for (kernel::SegmentRecord& line : t.lines) line.exists = 0;
  stepEngine.figure_counter = 0;
  stepEngine.randomize_allowed = 0;
  SetView(0, 0, kClearedHalfExtent, kClearedHalfExtent, false);
  wing.pictureValid = 0;
  fileMsg.modified = 0;
  historyHeader = resources::LoadString(kStringUntitled);
  SetupMenuChecks(false);
}

void TGeom11Win::HideToolDialogs() {
  for (shell::TDlg* dialog : {static_cast<shell::TDlg*>(mirrorDialog_.get()), static_cast<shell::TDlg*>(intersectionDialog()),
                              static_cast<shell::TDlg*>(attachRegularDialog_.get())}) {
    if (dialog != nullptr) dialog->Hide();
  }
  HideGraphWindow();
}

void TGeom11Win::NewFigure() {
  if (tables().last_point < 0) return;
  ClearFigure();
  fileMsg.fileName = defaultFileName_;
  fileMsg.named = 0;
  UpdateCaption(false);
  wing.pictureValid = 0;
  Invalidate(false);
  SetupMenuChecks(false);
}

}  // namespace plane
