#include "solid/poly_lib_dlg.h"

#include <charconv>
#include <string>

#include "engine/figure_tables.h"
#include "resources/resource_library.h"
#include "solid/geom_p_win.h"
#include "solid/library_catalogue.h"
#include "solid/library_solid_tables.h"

namespace solid {

namespace {

constexpr std::size_t kEdgeChars = 255;
constexpr std::size_t kCentreChars = 30;
constexpr std::size_t kNChars = 20;
constexpr int kFewestSides = 3;
constexpr int kMostSides = 24;
constexpr int kStringFace = 242;

std::string Word(int id) { return resources::LoadString(id, 255); }

// A family can be chosen once the library holds the tables of its solids.
bool FamilyAvailable(int family) {
  return FindLibrarySolid(LibraryItemCode(family, 0)) != nullptr;
}

// The decimal number at the start of the text; 0 when there is none.
int LeadingNumber(const std::string& text) {
  std::size_t start = text.find_first_not_of(' ');
  if (start == std::string::npos) return 0;
  int n = 0;
  const char* first = text.data() + start;
  const auto [end, error] = std::from_chars(first, text.data() + text.size(), n);
  return error == std::errc() ? n : 0;
}

}  // namespace

TPolyLibDlg::TPolyLibDlg(TGeomPWin* window) : TDlg(window, "POLYLIB"), window_(window) {}

void TPolyLibDlg::SetupWindow() {
  TDlg::SetupWindow();
  family_ = kPlatonic;
  for (int f = 0; f < kLibraryFamilyCount; ++f) {
    CheckItem(kPolyLibFirstFamily + f, f == family_);
    EnableItem(kPolyLibFirstFamily + f, FamilyAvailable(f));
  }
  SetTextLimit(kPolyLibEdge, static_cast<int>(kEdgeChars));
  SetTextLimit(kPolyLibCentre, static_cast<int>(kCentreChars));
  SetTextLimit(kPolyLibN, static_cast<int>(kNChars));
  SetItemText(kPolyLibEdge, "1.00");
  std::string last;
  window_->AppendPointName(last, window_->tables().last_point);
  SetItemText(kPolyLibCentre, last);
  SetItemText(kPolyLibN, "7");
  for (const int id : {kPolyLibMirror, kPolyLibAllFacesSame, kPolyLibUseCentre}) CheckItem(id, false);
  FillList();
  UpdateControls();
}

void TPolyLibDlg::FillList() {
  ListClear(kPolyLibList);
  const int count = kLibraryFamilies[static_cast<std::size_t>(family_)].count;
  for (int i = 0; i < count; ++i) ListAdd(kPolyLibList, LibraryItemText(family_, i, &Word));
  ListSelect(kPolyLibList, 0);
}

void TPolyLibDlg::CmFamily(int family) {
  if (family < 0 || family >= kLibraryFamilyCount || !FamilyAvailable(family)) return;
  family_ = family;
  FillList();
  UpdateControls();
}

void TPolyLibDlg::SelectSolid(int position) {
  ListSelect(kPolyLibList, position);
  UpdateControls();
}

int TPolyLibDlg::SelectedIndex() const {
  const int count = ListCount(kPolyLibList);
  if (count <= 0) return -1;
  return count == 1 ? 0 : ListSelection(kPolyLibList);
}

void TPolyLibDlg::UpdateControls() {
  if (!IsCreated()) return;
  const int p = SelectedIndex();
  ShowItem(kPolyLibMirror, IsChiralSelection(family_, p));
  const bool askN = IsNSelection(family_, p);
  ShowItem(kPolyLibN, askN);
  ShowItem(kPolyLibNLabel, askN);
  EnableItem(kPolyLibUndo, CeUndo());
}

int TPolyLibDlg::CmBuild() {
  const int p = SelectedIndex();
  if (p < 0) return 0;
  const std::string edge = GetItemText(kPolyLibEdge).substr(0, kEdgeChars);
  int centre = -1;
  if (IsChecked(kPolyLibUseCentre)) {
    centre = window_->FindPointByName(GetItemText(kPolyLibCentre).substr(0, kCentreChars));
    if (centre < 0) {
      window_->Msg(engine::kMsgCouldNotFind);
      return engine::kMsgCouldNotFind;
    }
  }
  const int colourArg = IsChecked(kPolyLibAllFacesSame) ? colour : -1;
  const int g = LibraryGlobalIndex(family_, p);
  const std::uint16_t kind = LibraryKindTable[static_cast<std::size_t>(g)];
  const bool stepsBefore = !window_->history().steps.empty();
  int code = 0;
  if (g == kNPrismIndex || g == kNAntiprismIndex) {
    const int n = LeadingNumber(GetItemText(kPolyLibN).substr(0, kNChars));
    if (n < kFewestSides || n > kMostSides) {
      window_->Msg(engine::kMsgOutOfBounds);
      return engine::kMsgOutOfBounds;
    }
    code = window_->BuildLibraryPolyhedronEx(kind, edge, n, colourArg, centre);
  } else {
    bool mirror = false;
    if (g == kIcosihemidodecahedronIndex) {
      mirror = true;
    } else if (IsChiralSelection(family_, p)) {
      mirror = IsChecked(kPolyLibMirror);
    }
    code = window_->BuildLibraryPolyhedron(kind, edge, colourArg, mirror, centre);
  }
  if (code > 0) return code;
  if (undoKinds_.empty()) earlierSteps_ = stepsBefore;
  undoKinds_.push_back(kind);
  UpdateControls();
  return 0;
}

bool TPolyLibDlg::CeUndo() const {
  return undoKinds_.size() > 1 || (undoKinds_.size() == 1 && earlierSteps_);
}

void TPolyLibDlg::CmUndo() {
  if (undoKinds_.empty()) return;
  window_->UndoRedo(undoKinds_.back(), true);
  undoKinds_.pop_back();
  UpdateControls();
}

void TPolyLibDlg::CmColor() { window_->EditColorRole(kStringFace, &colour, kStringFace, {}); }

void TPolyLibDlg::CmClose() {
  window_->UpdateColorWindow();
  Hide();
}

bool TPolyLibDlg::OnCommand(int id) {
  switch (id) {
    case kPolyLibBuild: CmBuild(); return true;
    case kPolyLibUndo:
      if (CeUndo()) CmUndo();
      return true;
    case kPolyLibColor: CmColor(); return true;
    case 2: CmClose(); return true;
    default: return TDlg::OnCommand(id);
  }
}

void TPolyLibDlg::OnNotify(int id, platform::ControlNotification what) {
  if (id == kPolyLibList && what == platform::ControlNotification::SelectionChanged) {
    UpdateControls();
  } else if (id >= kPolyLibFirstFamily && id < kPolyLibFirstFamily + kLibraryFamilyCount &&
             what == platform::ControlNotification::Clicked) {
    CmFamily(id - kPolyLibFirstFamily);
  }
}

}  // namespace solid
