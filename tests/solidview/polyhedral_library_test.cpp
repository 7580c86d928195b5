// Units > Polyhedral > Classics: the polyhedral-library dialog of a 3-D window lists the solids by
// family, shows the mirror and n fields where they apply, builds through the window (refusing a
// missing centre, an n out of bounds, a full model and a failing edge without adding anything),
// colours every face alike on request and takes back what it built.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "platform/application.h"
#include "platform/scripted_responder.h"
#include "shell/child_windows.h"
#include "solid/library_catalogue.h"
#include "solid/library_polyhedron.h"
#include "solid/poly_lib_dlg.h"
#include "solidview/geom3_win.h"
#include "support/isolated_folders.h"

namespace {

constexpr int kClassics = 859;

// A 3-D window that keeps the n-prism and n-antiprism steps it is asked to run.
class LibraryWindow : public solidview::TGeom3Win {
 public:
  LibraryWindow() : TGeom3Win(nullptr, "library") {}
  int DoArchimedeanPrism(std::string* /*out*/) override {
    if (recordPrisms) prisms.push_back(*stepEngine.current());
    return recordPrisms ? 0 : TGeom3Win::DoArchimedeanPrism(nullptr);
  }
  bool recordPrisms = false;
  std::vector<kernel::ConstructionRecord> prisms;
};

struct CloseLibraryWindow {
  void operator()(LibraryWindow* w) const {
    w->Destroy();
    platform::Application::ProcessPendingEvents();
    delete w;  // a window without a parent is its opener's to delete
  }
};

class PolyhedralLibrary : public IsolatedFolders {
 protected:
  void SetUp() override {
    IsolatedFolders::SetUp();
    shell::ChildWindows().fill(0);
    w.reset(new LibraryWindow);
    w->Create();
    w->Show();
    ASSERT_TRUE(w->DispatchCommand(kClassics));
    dlg = w->polyLibDialog();
    ASSERT_NE(dlg, nullptr);
  }
  void TearDown() override {
    w.reset();
    shell::ChildWindows().fill(0);
    IsolatedFolders::TearDown();
  }

  std::size_t Steps() const { return w->history().steps.size(); }

  std::unique_ptr<LibraryWindow, CloseLibraryWindow> w;
  solid::TPolyLibDlg* dlg = nullptr;
};

TEST_F(PolyhedralLibrary, TheFamiliesListTheirSolidsAndTheFieldsFollowTheSelection) {
  EXPECT_TRUE(dlg->IsVisible());
  EXPECT_EQ(dlg->Caption(), "polyhedral library");
  EXPECT_EQ(dlg->GetItemText(solid::kPolyLibEdge), "1.00");
  EXPECT_EQ(dlg->GetItemText(solid::kPolyLibN), "7");
  ASSERT_EQ(dlg->ListCount(solid::kPolyLibList), 5);
  EXPECT_EQ(dlg->ListText(solid::kPolyLibList, 0), "regular tetrahedron");
  // The families whose tables the library does not hold yet cannot be chosen.
  EXPECT_TRUE(dlg->IsItemEnabled(252));
  for (int id : {253, 254, 255}) EXPECT_FALSE(dlg->IsItemEnabled(id)) << id;

  dlg->PressButton(252);
  EXPECT_EQ(dlg->family(), solid::kArchimedean);
  ASSERT_EQ(dlg->ListCount(solid::kPolyLibList), 15);
  EXPECT_EQ(dlg->ListText(solid::kPolyLibList, 0), "cuboctahedron");
  EXPECT_EQ(dlg->ListText(solid::kPolyLibList, 6), "truncated icosahedron (soccer ball)");
  EXPECT_EQ(dlg->ListText(solid::kPolyLibList, 13), "n-prism");
  EXPECT_EQ(dlg->ListText(solid::kPolyLibList, 14), "n-antiprism");
  EXPECT_FALSE(dlg->IsItemShown(solid::kPolyLibMirror));
  dlg->SelectSolid(9);  // snub cuboctahedron
  EXPECT_TRUE(dlg->IsItemShown(solid::kPolyLibMirror));
  EXPECT_FALSE(dlg->IsItemShown(solid::kPolyLibN));
  dlg->SelectSolid(14);
  EXPECT_FALSE(dlg->IsItemShown(solid::kPolyLibMirror));
  EXPECT_TRUE(dlg->IsItemShown(solid::kPolyLibN));
  EXPECT_TRUE(dlg->IsItemShown(solid::kPolyLibNLabel));
  dlg->SelectSolid(0);  // cuboctahedron: a ticked mirror box is ignored
  dlg->CheckItem(solid::kPolyLibMirror, true);
  EXPECT_FALSE(dlg->IsItemShown(solid::kPolyLibMirror));
  dlg->PressButton(solid::kPolyLibBuild);
  ASSERT_EQ(Steps(), 1u);
  EXPECT_EQ(w->history().steps[0].kind, 324);
  EXPECT_EQ(w->history().steps[0].flag, 0);

  // Close hides the dialog; Classics shows the same one again, as it was left.
  dlg->PressButton(2);
  EXPECT_FALSE(dlg->IsVisible());
  ASSERT_TRUE(w->DispatchCommand(kClassics));
  EXPECT_EQ(w->polyLibDialog(), dlg);
  EXPECT_TRUE(dlg->IsVisible());
  EXPECT_EQ(dlg->family(), solid::kArchimedean);
}

TEST_F(PolyhedralLibrary, BuildMakesTheStepAndUndoTakesBackOnlyWhatItMayUndo) {
  dlg->PressButton(solid::kPolyLibBuild);
  ASSERT_EQ(Steps(), 1u);
  const kernel::ConstructionRecord& first = w->history().steps[0];
  EXPECT_EQ(first.kind, 316);
  EXPECT_EQ(first.operands[0], kernel::kNoOperand);
  EXPECT_EQ(first.operands[1], solid::kNewFormatMarker);
  EXPECT_EQ(first.text[0], "1.00");
  EXPECT_EQ(first.parameters[5], 0);
  EXPECT_EQ(w->tables().last_point, 3);
  EXPECT_EQ(w->solid().last_face, 3);
  // The figure's first step cannot be taken back.
  EXPECT_FALSE(dlg->CeUndo());
  EXPECT_FALSE(dlg->IsItemEnabled(solid::kPolyLibUndo));

  // A cube on the tetrahedron's last vertex, all faces in the dialog's colour.
  dlg->SelectSolid(1);
  dlg->SetItemText(solid::kPolyLibCentre, "D");
  dlg->CheckItem(solid::kPolyLibUseCentre, true);
  dlg->CheckItem(solid::kPolyLibAllFacesSame, true);
  dlg->colour = 5;
  dlg->PressButton(solid::kPolyLibBuild);
  ASSERT_EQ(Steps(), 2u);
  EXPECT_EQ(w->history().steps[1].operands[0], 3);
  EXPECT_EQ(w->history().steps[1].parameters[5], 6);
  EXPECT_EQ(w->tables().last_point, 11);
  for (int k = 4; k <= 9; ++k) EXPECT_EQ(w->solid().faces[static_cast<std::size_t>(k)].colour, 5) << k;
  EXPECT_TRUE(dlg->IsItemEnabled(solid::kPolyLibUndo));
  dlg->PressButton(solid::kPolyLibUndo);
  EXPECT_EQ(Steps(), 1u);
  EXPECT_EQ(w->tables().last_point, 3);
  EXPECT_FALSE(dlg->IsItemEnabled(solid::kPolyLibUndo));
}

TEST_F(PolyhedralLibrary, RefusedBuildsShowTheirMessageAndAddNothing) {
  dlg->PressButton(solid::kPolyLibBuild);
  ASSERT_EQ(Steps(), 1u);
  const struct {
    int family;
    int position;
    const char* edge;
    const char* centre;  // null: "center" not ticked
    const char* n;
    const char* message;
  } cases[] = {
      {0, 1, "0", nullptr, "7", "out of bounds"},
      {0, 1, "-1", nullptr, "7", "out of bounds"},
      {0, 1, "edge", nullptr, "7", "cannot understand"},
      {0, 1, "1", "Q", "7", "could not find"},
      {0, 1, "1", "", "7", "could not find"},
      {1, 13, "1", nullptr, "2", "out of bounds"},
      {1, 14, "1", nullptr, "25", "out of bounds"},
      // The n-antiprism's own builder is not part of the window yet.
      {1, 14, "1", nullptr, "7", "cannot understand"},
  };
  for (const auto& c : cases) {
    dlg->PressButton(251 + c.family);
    dlg->SelectSolid(c.position);
    dlg->SetItemText(solid::kPolyLibEdge, c.edge);
    dlg->SetItemText(solid::kPolyLibN, c.n);
    dlg->CheckItem(solid::kPolyLibUseCentre, c.centre != nullptr);
    dlg->SetItemText(solid::kPolyLibCentre, c.centre != nullptr ? c.centre : "A");
    platform::ScriptedResponder script;
    script.AnswerMessage(platform::IDOK);
    dlg->PressButton(solid::kPolyLibBuild);
    EXPECT_EQ(script.Messages(), (std::vector<std::string>{c.message})) << c.edge << " " << c.n;
    EXPECT_EQ(Steps(), 1u) << c.edge << " " << c.n;
    EXPECT_EQ(w->tables().last_point, 3) << c.edge << " " << c.n;
  }
  // n is read only for the n-prism and n-antiprism.
  dlg->PressButton(251);
  dlg->SelectSolid(2);
  dlg->SetItemText(solid::kPolyLibEdge, "1");
  dlg->SetItemText(solid::kPolyLibN, "2");
  dlg->CheckItem(solid::kPolyLibUseCentre, false);
  dlg->PressButton(solid::kPolyLibBuild);
  EXPECT_EQ(Steps(), 2u);

  // Room first: a model that cannot take six more faces gets message 4 before anything is added.
  w->solid().last_face = static_cast<std::int16_t>(engine::kFaceCapacity - 6);
  dlg->SelectSolid(1);
  platform::ScriptedResponder script;
  script.AnswerMessage(platform::IDOK);
  dlg->PressButton(solid::kPolyLibBuild);
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"no more room"}));
  EXPECT_EQ(Steps(), 2u);
}

TEST_F(PolyhedralLibrary, TheNAntiprismAndTheMirrorImageGoIntoTheStep) {
  w->recordPrisms = true;
  dlg->PressButton(252);
  dlg->SelectSolid(14);
  dlg->PressButton(solid::kPolyLibBuild);
  ASSERT_EQ(w->prisms.size(), 1u);
  const kernel::ConstructionRecord& step = w->prisms[0];
  EXPECT_EQ(step.kind, 306);
  EXPECT_EQ(step.operands[0], 7);
  EXPECT_EQ(step.operands[1], 1);
  EXPECT_EQ(step.operands[2], kernel::kNoOperand);
  EXPECT_EQ(step.text[0], "1.00");
  EXPECT_EQ(step.text[1], "1.00");
  const kernel::Real c = std::cos(kernel::Pi / 14);
  EXPECT_NEAR(step.parameters[0], std::sqrt(1 - 1 / (4 * c * c)), 1e-18L);

  dlg->SelectSolid(9);
  dlg->CheckItem(solid::kPolyLibMirror, true);
  dlg->PressButton(solid::kPolyLibBuild);
  ASSERT_EQ(Steps(), 2u);
  EXPECT_EQ(w->history().steps[1].kind, 326);
  EXPECT_EQ(w->history().steps[1].flag, 1);
}

}  // namespace
