// The plane window of the launcher: its resources by geometry, the two hyperbolic models and the
// switch between them, the menus, and the settings it keeps.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include <memory>

#include "kernel/vector2.h"
#include "platform/scripted_responder.h"
#include "shell/child_windows.h"
#include "plane/plane_settings.h"
#include "plane_window.h"
#include "support/extended_expect.h"
#include "support/isolated_folders.h"

namespace {

using kernel::Point2;
using kernel::Real;
using plane_test::PlaneWindow;

using PlaneWindowTest = IsolatedFolders;

// The texts of a popup's items (separators as "-") found by the text of the popup.
std::vector<std::string> PopupTexts(const std::vector<resources::MenuItem>& items, const std::string& popup) {
  for (const resources::MenuItem& item : items) {
    if (item.kind != resources::MenuItem::Kind::Popup) continue;
    if (item.text == popup) {
      std::vector<std::string> texts;
      for (const resources::MenuItem& child : item.children) {
        texts.push_back(child.kind == resources::MenuItem::Kind::Separator ? "-" : child.text);
      }
      return texts;
    }
    std::vector<std::string> inner = PopupTexts(item.children, popup);
    if (!inner.empty()) return inner;
  }
  return {};
}

// Within `relative` of the expected point's distance from the origin.
void ExpectRelativelyNear(const Point2& actual, const Point2& expected, Real relative) {
  EXPECT_LE(kernel::Dist2(actual, expected), relative * kernel::Dist2(expected, {0, 0}))
      << actual.x << ", " << actual.y;
}

TEST_F(PlaneWindowTest, EachGeometryHasItsOwnResources) {
  PlaneWindow euclidean(0);
  PlaneWindow hyperbolic(1);
  EXPECT_EQ(euclidean.qelWin.settingsFileName, "kavrine2.ini");
  EXPECT_EQ(hyperbolic.qelWin.settingsFileName, "kavrineh.ini");
  EXPECT_EQ(euclidean.qelWin.fileKind, 625);
  EXPECT_EQ(hyperbolic.qelWin.fileKind, 441);
  EXPECT_EQ(euclidean.fileMsg.mainHelp, "KV2HELP");
  EXPECT_EQ(hyperbolic.fileMsg.mainHelp, "KVHHELP");
  EXPECT_EQ(euclidean.fileMsg.filters, "Euclidean files (*.KV2)|*.kv2");
  EXPECT_EQ(hyperbolic.fileMsg.filters, "Hyperbolic files (*.KVH)|*.kvh");
  EXPECT_EQ(euclidean.fileMsg.defaultExtension, "kv2");
  EXPECT_EQ(hyperbolic.fileMsg.defaultExtension, "kvh");
  std::string help;
  EXPECT_EQ(euclidean.LoadHelpText("KV2HELP", help), 0);
  EXPECT_EQ(hyperbolic.LoadHelpText("KVHHELP", help), 0);
  EXPECT_TRUE(euclidean.model().Hyperbolic == false && hyperbolic.model().Hyperbolic);
  // Every circle's arc starts as the full turn.
  EXPECT_REAL_NEAR(hyperbolic.tables().circle_arc_radians[1000], 2 * std::numbers::pi_v<Real>, 0);
}

TEST_F(PlaneWindowTest, TheHyperbolicMenuLosesTwoFontsAndHasTheModelSwitch) {
  PlaneWindow euclidean(0);
  PlaneWindow hyperbolic(1);
  EXPECT_EQ(PopupTexts(hyperbolic.menu().items(), "&Fonts"),
            (std::vector<std::string>{"&Measurements ...", "&ASCII values ...", "-", "&Tables and lists ..."}));
  EXPECT_EQ(PopupTexts(euclidean.menu().items(), "&Fonts").size(), 6u);
  EXPECT_EQ(euclidean.menu().Find(plane::kCmdUpperHalfPlane), nullptr);
  ASSERT_NE(hyperbolic.menu().Find(plane::kCmdUpperHalfPlane), nullptr);
  EXPECT_EQ(hyperbolic.menu().Find(plane::kCmdUpperHalfPlane)->text, "&Upper half-plane");
  EXPECT_TRUE(hyperbolic.QueryCommand(plane::kCmdUpperHalfPlane).enabled);
  // Commands that need a figure stay grey in an empty one; those of the lower layers keep working.
  EXPECT_FALSE(euclidean.QueryCommand(809).enabled);
  EXPECT_FALSE(hyperbolic.QueryCommand(835).enabled);
  EXPECT_TRUE(euclidean.QueryCommand(109).enabled);
}

TEST_F(PlaneWindowTest, TheModelViews) {
  PlaneWindow w(1);
  // Whatever size the window was set up at, the whole disk shows.
  EXPECT_TRUE(w.InView({-1, -1}) && w.InView({1, 1}));
  w.SetModelView();
  EXPECT_EQ(w.mapping.centre, (Point2{0, 0}));
  EXPECT_REAL_NEAR(w.mapping.halfWidth, 1.07L, 1e-18L);
  EXPECT_REAL_NEAR(w.mapping.halfHeight, 1.07L, 1e-15L);
  w.ToggleHalfPlane();
  EXPECT_EQ(w.mapping.centre, (Point2{0, 2}));
  EXPECT_REAL_NEAR(w.mapping.halfWidth, 2.3L, 1e-18L);
  EXPECT_GE(w.mapping.halfHeight, 2.0L);  // square client: the half width governs
  // A Euclidean window keeps its own view.
  PlaneWindow plane(0);
  EXPECT_NE(plane.mapping.halfWidth, 1.07L);
}

TEST_F(PlaneWindowTest, TogglingTheModelTwiceRestoresPointsAndMenu) {
  PlaneWindow w(1);
  const int a = w.FreePoint(0.5L, 0);
  const int b = w.FreePoint(-0.25L, 0.6L);
  const Point2 bBefore = w.tables().xy[b];
  ASSERT_EQ(w.Step(122, {}, {"0.1", "0.2"}), 0);  // points at typed coordinates are typed again

  ASSERT_TRUE(w.hyperbolic);
  ASSERT_TRUE(w.menu().Find(plane::kCmdUpperHalfPlane) != nullptr);
  ASSERT_TRUE(w.DispatchCommand(plane::kCmdUpperHalfPlane));
  EXPECT_EQ(w.halfPlane, 1);
  EXPECT_TRUE(w.model().HalfPlane && w.stepEngine.model.HalfPlane);
  ExpectRelativelyNear(w.tables().xy[a], {0.8L, 0.6L}, 1e-18L);
  EXPECT_EQ(w.menu().Find(plane::kCmdUpperHalfPlane)->text, "&Disk interior");
  EXPECT_FALSE(w.IsOutsideDomain({0, 0.5L}));
  EXPECT_TRUE(w.IsOutsideDomain({0, -0.5L}));

  ASSERT_TRUE(w.DispatchCommand(plane::kCmdUpperHalfPlane));
  EXPECT_EQ(w.halfPlane, 0);
  ExpectRelativelyNear(w.tables().xy[a], {0.5L, 0}, 1e-18L);
  ExpectRelativelyNear(w.tables().xy[b], bBefore, 1e-18L);
  EXPECT_EQ(w.tables().xy[2], (Point2{0.1L, 0.2L}));
  EXPECT_EQ(w.menu().Find(plane::kCmdUpperHalfPlane)->text, "&Upper half-plane");
  EXPECT_TRUE(w.IsOutsideDomain({1, 0}));
  EXPECT_FALSE(w.IsOutsideDomain({0.99L, 0}));
}

TEST_F(PlaneWindowTest, SettingsRoundTripAndSanitising) {
  plane::PlaneDisplaySettings s;
  s.toolbarMode = 125;
  s.labelMode = 0;
  s.penWidth = 3;
  s.decimals = 2;
  s.fieldWidth = 4;
  s.axesShown = 1;
  s.gridKind = 32;
  s.markerSize = 5;
  s.markers = {40, 41, 42, 43, 44, 45, 46, 47};
  s.globalMarker = 4;
  s.highlightLength = 0.25L;
  s.zoomFactor = 1.5L;
  s.arrowLength = 0.3L;
  s.xName = "time";
  s.yName = "a name of twenty char";  // cut to 20
  view::SettingsArrays arrays;
  plane::StorePlaneSettings(s, arrays);
  plane::PlaneDisplaySettings back = plane::RestorePlaneSettings(arrays);
  EXPECT_REAL_NEAR(back.arrowLength, 0.3L, 1e-18L);
  back.arrowLength = s.arrowLength;
  EXPECT_EQ(back.yName, "a name of twenty cha");
  back.yName = s.yName;
  EXPECT_EQ(back, s);

  // Out of range: each falls back as the settings rules say.
  view::SettingsArrays bad = arrays;
  bad.ints[2][4] = 31;
  bad.ints[2][11] = 0;
  bad.reals[1][0] = 1e-17L;
  bad.reals[1][1] = 1e-14L;
  bad.ints[1][6] = -3;
  back = plane::RestorePlaneSettings(bad);
  EXPECT_EQ(back.markers[0], 253);
  EXPECT_EQ(back.markers[7], 112);
  EXPECT_EQ(back.markers[1], 41);
  EXPECT_EQ(back.highlightLength, 0.1L);
  EXPECT_EQ(back.zoomFactor, 1.01L);
  EXPECT_EQ(back.decimals, 0);
  EXPECT_EQ(back.fieldWidth, 2);
  bad.reals[1][0] = std::nanl("");
  bad.reals[1][1] = std::nanl("");
  back = plane::RestorePlaneSettings(bad);
  EXPECT_EQ(back.highlightLength, 0.1L);
  EXPECT_EQ(back.zoomFactor, 1.01L);
}

TEST_F(PlaneWindowTest, TheNextWindowOfAKindStartsWithTheSettingsTheLastOneLeft) {
  {
    PlaneWindow w(1);
    w.labelDisplay.labelMode = 0;
    w.labelDisplay.globalMarker = 3;
    w.numberFormat.decimals = 3;
    w.wing.zoomFactor = 2;
    w.Destroy();
  }
  PlaneWindow next(1);
  EXPECT_EQ(next.labelDisplay.labelMode, 0);
  EXPECT_EQ(next.labelDisplay.globalMarker, 3);
  EXPECT_EQ(next.numberFormat.decimals, 3);
  EXPECT_EQ(next.numberFormat.fieldWidth, 5);
  EXPECT_EQ(next.wing.zoomFactor, 2);
  // The other geometry keeps its own file.
  PlaneWindow euclidean(0);
  EXPECT_EQ(euclidean.labelDisplay.labelMode, 1);
}

}  // namespace

namespace {

TEST_F(PlaneWindowTest, LinkedWindowsTakeTheirGeometryAndASlot) {
  PlaneWindow w(1);
  w.ToggleHalfPlane();
  const int freeBefore = shell::CountFreeSlots();
  std::unique_ptr<plane::TGeomEWin> macro(w.OpenMacroWindow());
  std::unique_ptr<plane::TGeomEWin> source(w.OpenSourceWindow());
  ASSERT_TRUE(macro && source);
  EXPECT_EQ(shell::CountFreeSlots(), freeBefore - 2);
  EXPECT_TRUE(macro->hyperbolic && macro->halfPlane && macro->model().HalfPlane);
  EXPECT_TRUE(macro->macroWindow && !macro->sourceWindow);
  EXPECT_EQ(macro->linkedParent, &w);
  EXPECT_FALSE(source->hyperbolic || source->halfPlane);
  EXPECT_TRUE(source->sourceWindow);
  macro->Destroy();
  source->Destroy();
  EXPECT_EQ(shell::CountFreeSlots(), freeBefore);

  // A full table: "no more room" and no window.
  platform::ScriptedResponder responder;
  responder.AnswerMessage(platform::IDOK);
  std::vector<int> taken;
  for (int slot = shell::FindFreeSlot(); slot >= 0; slot = shell::FindFreeSlot()) {
    shell::ChildWindows()[slot] = 1;
    taken.push_back(slot);
  }
  EXPECT_EQ(w.OpenMacroWindow(), nullptr);
  for (const int slot : taken) shell::FreeSlot(slot);
  ASSERT_EQ(responder.shown().size(), 1u);
  EXPECT_NE(responder.shown()[0].text.find("no more room"), std::string::npos);
}

}  // namespace

TEST_F(PlaneWindowTest, NewClearsAFigureWithPointsAndRestoresTheWindowsName) {
  PlaneWindow w(0);
  const std::string name = w.fileMsg.fileName;
  w.FreePoint(1, 2);
  w.FreePoint(-1, 0);
  view::TextItem text;
  text.text = "note";
  w.textItems.plain.push_back(text);
  w.fileMsg.fileName = folder_.string() + "/figure.kv2";
  w.fileMsg.named = 1;
  w.fileMsg.modified = 0;  // saved: no question
  platform::ScriptedResponder script;
  w.DispatchCommand(view::kCmdNew);
  EXPECT_TRUE(script.Unexpected().empty());
  EXPECT_EQ(w.tables().last_point, -1);
  EXPECT_TRUE(w.history().steps.empty());
  EXPECT_TRUE(w.textItems.plain.empty());
  EXPECT_EQ(w.fileMsg.fileName, name);
  EXPECT_EQ(w.fileMsg.named, 0);
  w.Destroy();
}
