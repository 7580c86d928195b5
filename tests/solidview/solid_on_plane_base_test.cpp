// Other > 3D solid > Prism and Pyramid of the plane window: the polygon is checked first, and only
// a good one opens a 3-D window that builds and shows the solid.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "kernel/labels.h"
#include "plane/solid_window_opener.h"
#include "platform/application.h"
#include "platform/bitmap.h"
#include "platform/scripted_responder.h"
#include "shell/child_windows.h"
#include "solid/obs_dlg.h"
#include "solidview/geom3_win.h"
#include "solidview/solid_window_opening.h"
#include "../plane/plane_window.h"
#include "support/isolated_folders.h"

namespace {

using plane_test::PlaneWindow;

constexpr int kPyramid = 611;
constexpr int kPrism = 612;

// The 3-D windows the command opened, closed with the test.
std::vector<solidview::TGeom3Win*>& Opened() {
  static std::vector<solidview::TGeom3Win*> opened;
  return opened;
}

view::TQELWin* RecordingOpener(platform::FrameWindow* parent, const std::string& caption, int slot,
                               const plane::SolidHandOver& solid) {
  view::TQELWin* window = solidview::OpenSolidWindow(parent, caption, slot, solid);
  if (auto* w = dynamic_cast<solidview::TGeom3Win*>(window)) Opened().push_back(w);
  return window;
}

class SolidOnPlaneBase : public IsolatedFolders {
 protected:
  void SetUp() override {
    IsolatedFolders::SetUp();
    shell::ChildWindows().fill(0);
    Opened().clear();
    plane::SetSolidWindowOpener(&RecordingOpener);
  }
  void TearDown() override {
    for (solidview::TGeom3Win* w : Opened()) w->Destroy();
    platform::Application::ProcessPendingEvents();
    Opened().clear();
    plane::SetSolidWindowOpener(nullptr);
    shell::ChildWindows().fill(0);
    IsolatedFolders::TearDown();
  }
  // The unit square ABCD, scaled by 2.
  static void Square(PlaneWindow& w) {
    w.FreePoint(0, 0);
    w.FreePoint(2, 0);
    w.FreePoint(2, 2);
    w.FreePoint(0, 2);
  }
  static std::string Name(const engine::FigureTables& t, int i) {
    std::string name;
    t.GetPointName(i, name);
    return name;
  }
};

void ExpectPoint(const kernel::Point3& p, kernel::Real x, kernel::Real y, kernel::Real z) {
  EXPECT_NEAR(p.x, x, 1e-15L);
  EXPECT_NEAR(p.y, y, 1e-15L);
  EXPECT_NEAR(p.z, z, 1e-15L);
}

TEST_F(SolidOnPlaneBase, APrismOverTheSquareOpensInANewWindow) {
  PlaneWindow w(0);
  Square(w);
  platform::ScriptedResponder script;
  script.OnDialog("SOLID", [](platform::Dialog& d) {
    EXPECT_EQ(d.GetItemText(211), "ABC");
    d.SetItemText(211, "ABCD");
    d.SetItemText(212, "3");
    d.PressButton(1);
  });
  EXPECT_TRUE(w.QueryCommand(kPrism).enabled);
  EXPECT_TRUE(w.QueryCommand(kPyramid).enabled);
  const int freeBefore = shell::CountFreeSlots();
  EXPECT_TRUE(w.DispatchCommand(kPrism));
  ASSERT_EQ(Opened().size(), 1u);
  EXPECT_EQ(shell::CountFreeSlots(), freeBefore - 1);
  solidview::TGeom3Win& s = *Opened()[0];
  EXPECT_EQ(s.Caption(), "prism.kv3");
  EXPECT_EQ(s.dimension(), 3);

  const engine::FigureTables& t = s.tables();
  ASSERT_EQ(t.last_point, 7);
  const std::vector<std::string> names{"A", "B", "C", "D", "A'", "B'", "C'", "D'"};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(Name(t, i), names[static_cast<std::size_t>(i)]) << i;
  ExpectPoint(t.xyz[2], 2, 2, 0);
  ExpectPoint(t.xyz[6], 2, 2, 3);
  EXPECT_EQ(s.solid().last_face, 5);  // base, top and four sides
  EXPECT_EQ(s.solid().faces[2].count, 4);
  EXPECT_EQ(s.solid().faces[2].vertices[2], 5);
  ASSERT_EQ(s.history().steps.size(), 1u);
  EXPECT_EQ(s.history().steps[0].kind, 300);
  EXPECT_NE(s.stepText.find("prism"), std::string::npos) << s.stepText;

  // Every point is projected into the view and the edges are drawn.
  const kernel::Box2& box = s.mapping.box;
  for (int i = 0; i <= t.last_point; ++i) {
    EXPECT_TRUE(t.xy[i].x > box.xmin && t.xy[i].x < box.xmax && t.xy[i].y > box.ymin && t.xy[i].y < box.ymax) << i;
  }
  const platform::Bitmap picture = s.ClientPicture();
  ASSERT_FALSE(picture.IsEmpty());
  int dark = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const auto c = picture.GetPixel(x, y);
      if (c && c->r < 100 && c->g < 100 && c->b < 100) ++dark;
    }
  }
  EXPECT_GT(dark, 200);

  // The figure stays the same when it is run again.
  s.ReplayConstruction(true);
  EXPECT_EQ(t.last_point, 7);
  EXPECT_EQ(Name(t, 5), "B'");
  ExpectPoint(t.xyz[6], 2, 2, 3);
  EXPECT_EQ(s.solid().last_face, 5);
  EXPECT_TRUE(script.Unexpected().empty());
}

TEST_F(SolidOnPlaneBase, APyramidsApexStandsAboveTheFootOrAtTheOffset) {
  PlaneWindow w(0);
  Square(w);
  platform::ScriptedResponder script;
  script.FillAndPress("SOLID", {{211, "ABCD"}, {212, "2"}, {213, "C"}}, 1);
  EXPECT_TRUE(w.DispatchCommand(kPyramid));
  script.OnDialog("SOLID", [](platform::Dialog& d) {
    d.PressButton(252);
    d.SetItemText(211, "ABC");
    d.SetItemText(212, "1+1");
    d.SetItemText(214, "0.5");
    d.SetItemText(215, "-1");
    d.PressButton(1);
  });
  EXPECT_TRUE(w.DispatchCommand(kPyramid));
  ASSERT_EQ(Opened().size(), 2u);
  const solidview::TGeom3Win& above = *Opened()[0];
  EXPECT_EQ(above.Caption(), "pyramid.kv3");
  ASSERT_EQ(above.tables().last_point, 4);
  ExpectPoint(above.tables().xyz[4], 2, 2, 2);
  EXPECT_EQ(above.solid().last_face, 4);  // the base and four triangles
  EXPECT_EQ(above.solid().faces[4].count, 3);
  const solidview::TGeom3Win& offset = *Opened()[1];
  ASSERT_EQ(offset.tables().last_point, 3);
  ExpectPoint(offset.tables().xyz[3], 0.5L, -1, 2);
  EXPECT_TRUE(script.Unexpected().empty());
}

TEST_F(SolidOnPlaneBase, ARefusedPolygonOpensNoWindowAndUsesNoSlot) {
  struct Case {
    std::string base;
    std::string altitude;
    std::string foot;
    std::string message;
  };
  const std::vector<Case> cases{
      {"AB", "2", "A", "cannot understand"},
      {"ABZ", "2", "A", "cannot understand"},
      {"ABC", "0", "A", "positive value?"},
      {"ABC", "-1", "A", "positive value?"},
      {"ABC", "2", "Q", "could not find"},
  };
  PlaneWindow w(0);
  platform::ScriptedResponder script;
  // Fewer than three points: refused before the dialog.
  w.FreePoint(0, 0);
  w.FreePoint(1, 0);
  script.AnswerMessage(platform::IDOK);
  EXPECT_TRUE(w.DispatchCommand(kPrism));
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"cannot understand"}));

  w.FreePoint(1, 1);
  const int freeBefore = shell::CountFreeSlots();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.base + " " + c.altitude + " " + c.foot);
    platform::ScriptedResponder each;
    each.FillAndPress("SOLID", {{211, c.base}, {212, c.altitude}, {213, c.foot}}, 1).AnswerMessage(platform::IDOK);
    EXPECT_TRUE(w.DispatchCommand(kPrism));
    EXPECT_EQ(each.Messages(), (std::vector<std::string>{c.message}));
  }
  // Cancel, and a full table of windows (refused before the dialog).
  script.FillAndPress("SOLID", {}, 2);
  EXPECT_TRUE(w.DispatchCommand(kPyramid));
  EXPECT_TRUE(Opened().empty());
  EXPECT_EQ(shell::CountFreeSlots(), freeBefore);
  shell::ChildWindows().fill(1);
  platform::ScriptedResponder full;
  full.AnswerMessage(platform::IDOK);
  EXPECT_TRUE(w.DispatchCommand(kPrism));
  EXPECT_EQ(full.Messages(), (std::vector<std::string>{"no more room"}));
  EXPECT_TRUE(Opened().empty());
  EXPECT_EQ(w.tables().last_point, 2);
}

}  // namespace

namespace {

TEST_F(SolidOnPlaneBase, TheObserverDialogMovesTheObserverAndTheViewFollows) {
  PlaneWindow w(0);
  Square(w);
  platform::ScriptedResponder script;
  script.FillAndPress("SOLID", {{211, "ABCD"}, {212, "3"}}, 1);
  ASSERT_TRUE(w.DispatchCommand(kPrism));
  ASSERT_EQ(Opened().size(), 1u);
  solidview::TGeom3Win& s = *Opened()[0];
  const engine::FigureTables& t = s.tables();

  solid::TObsDlg* dialog = s.ShowObserverDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->IsVisible());
  EXPECT_EQ(dialog->GetItemText(211), s.FormatNumber(s.observer.x, false));
  EXPECT_EQ(dialog->GetItemText(213), s.FormatNumber(s.observer.z, false));

  // Applied: the observer stands at the typed point and the model is projected from there.
  const kernel::Point2 before = t.xy[6];
  dialog->SetItemText(211, "10");
  dialog->SetItemText(212, "-20");
  dialog->SetItemText(213, "5");
  dialog->PressButton(solid::kObserverApply);
  ExpectPoint(s.observer, 10, -20, 5);
  ExpectPoint(s.frame.observer, 10, -20, 5);
  const kernel::Point2 now = kernel::ProjectToView(s.frame, t.xyz[6]);
  EXPECT_EQ(t.xy[6].x, now.x);
  EXPECT_EQ(t.xy[6].y, now.y);
  EXPECT_NE(t.xy[6].x, before.x);
  // Expressions are evaluated.
  dialog->SetItemText(212, "2*10");
  dialog->PressButton(solid::kObserverApply);
  ExpectPoint(s.observer, 10, 20, 5);
  EXPECT_TRUE(script.Unexpected().empty());

  // Refused: straight above the view centre, too far, no number; nothing moves.
  struct Refusal {
    std::array<std::string, 3> texts;
    std::string message;
  };
  const std::string cx = s.FormatNumber(s.viewCentre.x, false);
  const std::string cy = s.FormatNumber(s.viewCentre.y, false);
  const std::vector<Refusal> refusals{
      {{cx, cy, "50"}, "viewer too close"},
      {{"1.5", "1.5", "-4"}, "viewer too close"},
      {{"80000", "0", "0"}, "out of bounds"},
  };
  for (const Refusal& r : refusals) {
    SCOPED_TRACE(r.texts[0] + " " + r.texts[1] + " " + r.texts[2]);
    platform::ScriptedResponder each;
    each.AnswerMessage(platform::IDOK);
    for (int i = 0; i < 3; ++i) dialog->SetItemText(211 + i, r.texts[static_cast<std::size_t>(i)]);
    dialog->PressButton(solid::kObserverApply);
    EXPECT_EQ(each.Messages(), (std::vector<std::string>{r.message}));
    ExpectPoint(s.observer, 10, 20, 5);
    ExpectPoint(s.frame.observer, 10, 20, 5);
  }
  platform::ScriptedResponder bad;
  bad.AnswerMessage(platform::IDOK);
  dialog->SetItemText(211, "((");
  dialog->PressButton(solid::kObserverApply);
  EXPECT_EQ(bad.Messages().size(), 1u);
  ExpectPoint(s.observer, 10, 20, 5);

  // Close hides it; shown again, it holds the observer.
  dialog->PressButton(2);
  EXPECT_FALSE(dialog->IsVisible());
  EXPECT_EQ(s.ShowObserverDialog(), dialog);
  EXPECT_EQ(dialog->GetItemText(212), s.FormatNumber(20, false));
}

}  // namespace

namespace {

TEST_F(SolidOnPlaneBase, TheLineOfSightThroughAPixelMeetsTheUnitBallOnTheObserversSide) {
  PlaneWindow w(0);
  Square(w);
  platform::ScriptedResponder script;
  script.FillAndPress("SOLID", {{211, "ABCD"}, {212, "1"}}, 1);
  ASSERT_TRUE(w.DispatchCommand(kPrism));
  ASSERT_EQ(Opened().size(), 1u);
  solidview::TGeom3Win& s = *Opened()[0];
  s.viewCentre = {0, 0, 0};
  s.observer = {6, 8, 0};
  s.Redraw(1);
  // The point of the ball facing the observer lies under the pixel of the view centre.
  const engine::PixelPoint centre = s.PointToScreen({0, 0, 0});
  kernel::Point3 hit;
  ASSERT_TRUE(s.SightLineHit({centre.x, centre.y}, hit));
  EXPECT_NEAR(hit.x, 0.6L, 0.05L);
  EXPECT_NEAR(hit.y, 0.8L, 0.05L);
  EXPECT_NEAR(hit.z, 0, 0.05L);
  // A pixel beside the ball: the line misses it.
  const engine::PixelPoint beside = s.PointToScreen({-8, 6, 0});
  EXPECT_FALSE(s.SightLineHit({beside.x, beside.y}, hit));
  // A new solid is placed beside the model on the observer's side.
  const kernel::Point3 placed = s.PlaceNewSolid({0, 0, 0}, {1, 1, 1});
  EXPECT_EQ(placed.x, s.boxMax.x);
  EXPECT_EQ(placed.y, s.boxMax.y);
}

}  // namespace
