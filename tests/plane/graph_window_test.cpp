// The measurement graph window of a plane window: its graph items as data, opening it, its
// curves and cursor, the inventory and control dialogs, its exports and the figure file's graphs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <limits>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "engine/windows/trace_dlg.h"
#include "plane/graph_block.h"
#include "plane/graph_inventory_dlg.h"
#include "plane/graph_items.h"
#include "plane/graph_win.h"
#include "plane_window.h"
#include "shell/msg_dlg.h"
#include "platform/application.h"
#include "platform/modal_responder.h"
#include "platform/scripted_responder.h"
#include "support/isolated_folders.h"
#include "view/animation_lists.h"
#include "view/export_formats.h"
#include "view/export_readers.h"
#include "view/export_settings_dlg.h"
#include "view/metafile_export.h"

namespace {

using engine::Real;
using platform::Dialog;
using platform::ScriptedResponder;
using plane::GraphItems;
using plane::TGraphWin;
using plane::TGrTraceDlg;
using plane_test::PlaneWindow;

kernel::TraceRecord Record(Real low, Real high, int steps, int slider = 0) {
  kernel::TraceRecord r = plane::DefaultGraphRecord();
  r.value17 = low;
  r.value27 = high;
  r.word9 = static_cast<std::uint16_t>(steps);
  r.word5 = static_cast<std::uint16_t>(slider);
  return r;
}

engine::TraceCompanion Companion(const std::string& horizontal, const std::string& vertical) {
  engine::TraceCompanion c{};
  plane::SetCompanionTexts(c, horizontal, vertical);
  return c;
}

// --- The graph items as data -----------------------------------------------------------------

TEST(GraphItems, SelectionTakesVisibleGraphsOfTheMeasurementAndWrapsRound) {
  GraphItems items;
  kernel::TraceRecord hidden = Record(0, 1, 10);
  engine::ToggleTraceHidden(hidden);
  // Newest first: 0 "#", 1 "x", 2 "#" hidden, 3 "#".
  items.AddFirst(Record(0, 1, 10), Companion("#", "a"));
  items.AddFirst(hidden, Companion("#", "b"));
  items.AddFirst(Record(0, 1, 10), Companion("x", "c"));
  items.AddFirst(Record(0, 1, 10), Companion("#", "d"));
  EXPECT_EQ(items.Select("#", false), 0);
  EXPECT_EQ(items.Select("#", true), 3);
  EXPECT_EQ(items.Select("#", true), 0);  // round the lists
  EXPECT_EQ(items.Select("y", false), -1);
  EXPECT_FALSE(items.HasCurrent());
  engine::ToggleTraceHidden(items.records[0]);
  engine::ToggleTraceHidden(items.records[3]);
  EXPECT_EQ(items.Select("#", false), -1);
}

TEST(GraphItems, HidingFlipsOnlyTheThousands) {
  // A damaged word of 2000 or more is hidden, and shown again (it never wraps round).
  const std::vector<std::pair<int, int>> cases{{2, 1002}, {1002, 2}, {999, 1999}, {1000, 0}, {2002, 2}, {65535, 535}};
  for (const auto& [before, after] : cases) {
    kernel::TraceRecord r;
    r.word2 = static_cast<std::uint16_t>(before);
    engine::ToggleTraceHidden(r);
    EXPECT_EQ(r.word2, after) << before;
    EXPECT_EQ(engine::TraceHidden(r), after >= 1000) << before;
  }
}

TEST(GraphItems, LongMeasurementTextsAreCutTo60AndStillMatch) {
  const std::string longText(200, 'q');
  GraphItems items;
  items.AddFirst(Record(0, 1, 10), Companion(longText, longText + "v"));
  EXPECT_EQ(plane::CompanionText(items.companions[0], 0), std::string(60, 'q'));
  EXPECT_EQ(plane::CompanionText(items.companions[0], 1), std::string(60, 'q'));
  EXPECT_EQ(items.Select(longText, false), 0);
  EXPECT_EQ(items.Select(std::string(60, 'q'), false), 0);
  // A stored field without its terminator is read as its 60 characters, never into the next field.
  engine::TraceCompanion filled{};
  std::fill(filled.begin() + 2, filled.begin() + 124, static_cast<std::uint8_t>('z'));
  EXPECT_EQ(plane::CompanionText(filled, 0), std::string(60, 'z'));
  EXPECT_EQ(plane::CompanionText(filled, 1), std::string(60, 'z'));
}

TEST(GraphItems, ParameterValuesRunFromLowToHighAndNeedPositiveSteps) {
  struct Case {
    Real low, high;
    int steps;
    std::size_t count;
  };
  for (const Case& c : std::vector<Case>{{0, 1, 100, 101}, {-1, 1, 4, 5}, {0, 1, 1, 2}, {0, 1, 0, 0}, {0, 1, -5, 0}}) {
    const std::vector<Real> v = plane::GraphParameterValues(c.low, c.high, c.steps);
    ASSERT_EQ(v.size(), c.count) << c.steps;
    if (v.empty()) continue;
    EXPECT_EQ(v.front(), c.low);
    EXPECT_EQ(v.back(), c.high);
  }
}

TEST(GraphItems, ASliderRangeRefitsOnlyWhenAnEndMovesBeyondTheTolerance) {
  Real xmin = -5;
  Real xmax = 5;
  ASSERT_TRUE(plane::GraphRangeForSlider(0, 10, xmin, xmax));
  EXPECT_NEAR(static_cast<double>(xmin), -1.0, 1e-15);
  EXPECT_NEAR(static_cast<double>(xmax), 10.2, 1e-15);
  EXPECT_FALSE(plane::GraphRangeForSlider(0, 10, xmin, xmax));
  xmin += 5e-14L;
  EXPECT_FALSE(plane::GraphRangeForSlider(0, 10, xmin, xmax));
  xmax += 1e-12L;
  EXPECT_TRUE(plane::GraphRangeForSlider(0, 10, xmin, xmax));
  const std::vector<std::pair<std::string, int>> symbols{{"#", 0}, {"?", 5}, {"t", 6}, {"&", 3}, {"##", -1}, {"x", -1}, {"", -1}};
  for (const auto& [text, index] : symbols) EXPECT_EQ(plane::SliderSymbolIndex(text), index) << text;
}

// --- The window --------------------------------------------------------------------------------

class GraphWindowTest : public IsolatedFolders {
 protected:
  std::string Path(const std::string& name) const { return (folder_ / name).string(); }

  // Slider # from -1 to 1 standing at 0.3, the point P = (#, 1), and the measurements "#" and
  // "[sqrt](#)" (which fails for negative values).
  static int Figure(PlaneWindow& w) {
    w.sliderValues()[0] = {-1, 0.3L, 1, 8};
    EXPECT_EQ(w.Step(122, {}, {"#", "1"}), 0);
    w.AddTextItem("#", -1, true);
    w.AddTextItem("[sqrt](#)", -1, true);
    return w.tables().last_point;
  }
  static TGraphWin& Open(PlaneWindow& w) {
    EXPECT_EQ(w.OpenGraphWindow(), 0);
    return *w.graphWindow();
  }
  static void Add(TGraphWin& g, kernel::TraceRecord r, const std::string& h, const std::string& v) {
    g.graphs().AddFirst(r, Companion(h, v));
  }
  static std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
};

TEST_F(GraphWindowTest, OneMeasurementGivesMessage141AndTwoOpenTheLinkedWindow) {
  PlaneWindow w(0);
  w.AddTextItem("#", -1, true);
  ScriptedResponder script;
  script.AnswerMessage(platform::IDOK);
  ASSERT_TRUE(w.DispatchCommand(1116));
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"need two measurements"});
  EXPECT_EQ(w.graphWindow(), nullptr);

  w.AddTextItem("[sqrt](#)", -1, true);
  TGraphWin& g = Open(w);
  EXPECT_TRUE(g.IsVisible());
  EXPECT_EQ(g.Caption().rfind("graphs [", 0), 0u) << g.Caption();
  EXPECT_EQ(g.measurements.size(), 2u);
  EXPECT_EQ(g.CurrentMeasurementName(), "#");
  // Closing only hides it; the plane window opens the same window again.
  g.DispatchCommand(shell::kCloseCommand);
  EXPECT_FALSE(w.GraphWindowShown());
  EXPECT_EQ(&Open(w), &g);
  EXPECT_TRUE(script.Unexpected().empty());
}

TEST_F(GraphWindowTest, TheMarkerCyclesThroughItsModesAndBelongsToThePlaneWindow) {
  PlaneWindow w(0);
  Figure(w);
  TGraphWin& g = Open(w);
  w.graphState.cursorMode = -1;
  std::vector<int> seen;
  for (int i = 0; i < 7; ++i) {
    ASSERT_TRUE(g.DispatchCommand(plane::kCmdGraphMarker));
    seen.push_back(w.graphState.cursorMode);
  }
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 3, 4, 5, -1}));
  g.DispatchCommand(plane::kCmdGraphMarker);
  g.DispatchCommand(plane::kCmdGraphMarker);
  g.Hide();
  Open(w);
  EXPECT_EQ(w.graphState.cursorMode, 1);
}

TEST_F(GraphWindowTest, AGraphOfHundredStepsEvaluatesFromLowToHighLeavesGapsAndRestoresTheParameter) {
  PlaneWindow w(0);
  const int p = Figure(w);
  TGraphWin& g = Open(w);
  Add(g, Record(-1, 1, 100), "#", "[sqrt](#)");
  std::vector<kernel::Point2> points;
  std::vector<std::uint8_t> flags;
  g.SampleGraph(0, points, flags);
  ASSERT_EQ(points.size(), 101u);
  EXPECT_EQ(points[50].x, 0);
  EXPECT_EQ(points.back().x, 1);
  EXPECT_NEAR(static_cast<double>(points[75].y), std::sqrt(0.5), 1e-15);
  // The square root fails for the 50 negative values: those points are left out.
  EXPECT_EQ(std::count(flags.begin(), flags.begin() + 50, 0), 50);
  EXPECT_EQ(std::count(flags.begin() + 50, flags.end(), 1), 51);
  // The slider and the figure are exactly as they were, also after a paint of the window.
  EXPECT_EQ(w.sliderValues()[0].value, 0.3L);
  EXPECT_EQ(w.tables().xy[static_cast<std::size_t>(p)].x, 0.3L);
  g.RepaintNow();
  EXPECT_EQ(w.sliderValues()[0].value, 0.3L);
  EXPECT_EQ(w.tables().xy[static_cast<std::size_t>(p)].x, 0.3L);
  // The first value is the low end.
  Add(g, Record(-1, 1, 100), "#", "2*#");
  g.SampleGraph(0, points, flags);
  ASSERT_EQ(points.size(), 101u);
  EXPECT_EQ(points.front().x, -1);
  EXPECT_EQ(points.front().y, -2);
  // Steps read as 0 or less from a file draw nothing and change nothing.
  g.graphs().records[0].word9 = 0xFFFF;
  g.SampleGraph(0, points, flags);
  EXPECT_TRUE(points.empty());
}

TEST_F(GraphWindowTest, AGraphControlledByASlidingPointRunsItsParameterAndPutsItBack) {
  for (const std::uint8_t model : {std::uint8_t{0}, std::uint8_t{1}}) {
    SCOPED_TRACE(static_cast<int>(model));
    PlaneWindow w(model);
    const Real scale = model == 0 ? 1 : 0.1L;
    // A point slides on the segment AB at 0.3; the measurements are its distances to A and to B.
    const int a = w.FreePoint(0, 0);
    const int b = w.FreePoint(4 * scale, 0);
    ASSERT_EQ(w.Step(111, {a, b, -1, 0, 0, 0}), 0);
    w.tables().attrs[w.tables().last_point + 1].value = 0.3L;
    ASSERT_EQ(w.Step(201, {a, b, 0}), 0);
    const int d = w.tables().last_point;
    std::string name;
    w.tables().GetPointName(d, name);
    w.AddTextItem("A" + name, -1, true);
    w.AddTextItem("B" + name, -1, true);
    TGraphWin& g = Open(w);
    kernel::TraceRecord r = Record(0, 1, 4);
    r.byte4 = plane::kControlPoint;
    r.word5 = static_cast<std::uint16_t>(d);
    Add(g, r, "A" + name, "B" + name);
    const std::vector<kernel::Point2> before(w.tables().xy.begin(), w.tables().xy.begin() + w.tables().last_point + 1);
    std::vector<kernel::Point2> points;
    std::vector<std::uint8_t> flags;
    g.SampleGraph(0, points, flags);
    ASSERT_EQ(points.size(), 5u);
    // The distance to A grows and that to B shrinks at every step, from A to B.
    EXPECT_NEAR(static_cast<double>(points.front().x), 0, 1e-15);
    EXPECT_NEAR(static_cast<double>(points.back().y), 0, 1e-15);
    for (std::size_t j = 1; j < points.size(); ++j) {
      EXPECT_GT(points[j].x, points[j - 1].x) << j;
      EXPECT_LT(points[j].y, points[j - 1].y) << j;
    }
    if (model == 0) {
      EXPECT_NEAR(static_cast<double>(points[1].x), 1, 1e-15);
    }
    EXPECT_EQ(w.tables().attrs[d].value, 0.3L);
    for (int i = 0; i <= w.tables().last_point; ++i) {
      EXPECT_EQ(w.tables().xy[i].x, before[i].x) << i;
      EXPECT_EQ(w.tables().xy[i].y, before[i].y) << i;
    }
    // A graph whose control point has no parameter draws no curve and shows no cursor.
    g.graphs().records[0].word5 = static_cast<std::uint16_t>(a);
    g.SampleGraph(0, points, flags);
    EXPECT_TRUE(points.empty());
    EXPECT_FALSE(g.EvaluateTracePoint());
  }
}

TEST_F(GraphWindowTest, TheCursorFollowsTheParameterOnlyInsideTheGraphsRange) {
  PlaneWindow w(0);
  Figure(w);
  TGraphWin& g = Open(w);
  Add(g, Record(0, 0.5L, 10), "#", "[sqrt](#)");
  w.sliderValues()[0].value = 0.25L;
  ASSERT_TRUE(g.EvaluateTracePoint());
  EXPECT_EQ(g.tracedPoint.x, 0.25L);
  EXPECT_EQ(g.tracedPoint.y, 0.5L);
  w.sliderValues()[0].value = 0.75L;
  EXPECT_FALSE(g.EvaluateTracePoint());
  // Outside the measurement's domain there is no cursor either.
  g.graphs().records[0].value17 = -1;
  w.sliderValues()[0].value = -0.5L;
  EXPECT_FALSE(g.EvaluateTracePoint());
}

TEST_F(GraphWindowTest, ASliderAsHorizontalMeasurementRefitsTheXRangeWhenItMoves) {
  PlaneWindow w(0);
  Figure(w);
  TGraphWin& g = Open(w);
  w.sliderValues()[0] = {0, 5, 10, 8};
  EXPECT_FALSE(g.FitRangeToGraph(1));  // not the horizontal measurement
  ASSERT_TRUE(g.FitRangeToGraph(0));
  EXPECT_NEAR(static_cast<double>(g.mapping.box.xmin), -1.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(g.mapping.box.xmax), 10.2, 1e-12);
  EXPECT_FALSE(g.FitRangeToGraph(0));
  // Through the plane window: a slider change refits and redraws the shown graph window.
  w.sliderValues()[0].high = 20;
  w.RefreshAfterSliderChange();
  EXPECT_NEAR(static_cast<double>(g.mapping.box.xmax), 20.4, 1e-12);
}

// --- The inventory --------------------------------------------------------------------------

TEST_F(GraphWindowTest, NewGraphsStartFromTheDefaultsThenCopyTheNewest) {
  PlaneWindow w(0);
  Figure(w);
  // D slides on the segment BC.
  const int b = w.FreePoint(0, 0);
  const int c = w.FreePoint(4, 0);
  ASSERT_EQ(w.Step(111, {b, c, -1, 0, 0, 0}), 0);
  ASSERT_EQ(w.Step(201, {b, c, 0}), 0);
  TGraphWin& g = Open(w);
  ASSERT_TRUE(g.DispatchCommand(plane::kCmdGraphInventory));
  TGrTraceDlg& d = *g.inventory();
  ASSERT_TRUE(d.IsVisible());
  ASSERT_EQ(d.ListCount(plane::kGraphMeasurementList), 2);
  d.ListSelect(plane::kGraphMeasurementList, 1);
  w.fileMsg.modified = 0;
  ScriptedResponder script;
  std::vector<std::string> offered;
  script.OnDialog("GRTRACE", [&](Dialog& e) {
    EXPECT_TRUE(e.IsChecked(plane::kGraphSliderRadio));
    offered = {e.GetItemText(plane::kGraphStepsEdit), e.GetItemText(plane::kGraphThicknessEdit)};
    e.SetItemText(plane::kGraphStepsEdit, "40");
    e.SetItemText(plane::kGraphLowEdit, "-1");
    e.PressButton(platform::IDOK);
  });
  script.OnDialog("GRTRACE", [&](Dialog& e) {
    EXPECT_EQ(e.GetItemText(plane::kGraphStepsEdit), "40");
    e.CheckItem(plane::kGraphSliderRadio, false);
    e.CheckItem(plane::kGraphVertexRadio, true);
    // A, placed at the coordinates (#, 1), has no parameter of its own.
    e.SetItemText(plane::kGraphVertexEdit, "A");
    e.PressButton(platform::IDOK);
    e.SetItemText(plane::kGraphVertexEdit, "D");
    e.PressButton(platform::IDOK);
  });
  script.AnswerMessage(platform::IDOK);
  d.PressButton(plane::kGraphNew);
  EXPECT_EQ(offered, (std::vector<std::string>{"100", "0"}));
  d.PressButton(plane::kGraphNew);
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"cannot move this point"});
  EXPECT_TRUE(script.Unexpected().empty());
  const GraphItems& items = w.graphState.items;
  ASSERT_EQ(items.Count(), 2);
  const kernel::TraceRecord& first = items.records[1];
  EXPECT_EQ(first.word2, 2);
  EXPECT_EQ(first.byte4, plane::kControlSlider);
  EXPECT_EQ(first.word5, 0);
  EXPECT_EQ(first.word9, 40);
  EXPECT_EQ(first.value17, -1);
  EXPECT_EQ(first.value27, 1);
  EXPECT_EQ(plane::GraphColour(first), 4);
  EXPECT_EQ(plane::CompanionText(items.companions[1], 0), "#");
  EXPECT_EQ(plane::CompanionText(items.companions[1], 1), "[sqrt](#)");
  // The newest copies the range and steps and takes the sliding point D as its control.
  EXPECT_EQ(items.records[0].byte4, plane::kControlPoint);
  EXPECT_EQ(items.records[0].word5, w.tables().FindPointByName("D"));
  EXPECT_EQ(items.records[0].value17, -1);
  EXPECT_EQ(items.current, 0);
  EXPECT_EQ(d.ListCount(plane::kGraphList), 2);
  EXPECT_NE(d.ListText(plane::kGraphList, 1).find("(#,[sqrt](#))"), std::string::npos) << d.ListText(plane::kGraphList, 1);
  EXPECT_EQ(w.fileMsg.modified, 1);
}

TEST_F(GraphWindowTest, TheInventoryShowsRowsOfManyMeasurementsAndTakesNewOnesWhenTheWindowOpensAgain) {
  PlaneWindow w(0);
  Figure(w);
  for (const char* text : {"2*#", "3*#", "4*#", "5*#", "6*#"}) w.AddTextItem(text, -1, true);
  TGraphWin& g = Open(w);
  g.ShowInventory();
  platform::Application::ProcessPendingEvents();
  TGrTraceDlg& d = *g.inventory();
  ASSERT_EQ(d.ListCount(plane::kGraphMeasurementList), 7);
  // Rows of the list font in sight at once, below the horizontal scroll bar of long texts.
  EXPECT_GE(d.ListVisibleRows(plane::kGraphMeasurementList), 6);
  // A measurement added while the window was away is listed when it opens again.
  g.Hide();
  w.AddTextItem("7*#", -1, true);
  Open(w);
  ASSERT_EQ(d.ListCount(plane::kGraphMeasurementList), 8);
  EXPECT_EQ(d.ListText(plane::kGraphMeasurementList, 7), "7*#");
  EXPECT_EQ(d.GetItemText(plane::kGraphCurrentMeasurement), "#");
}

TEST_F(GraphWindowTest, BadControlValuesAreRefusedAndTheGraphIsKept) {
  PlaneWindow w(0);
  Figure(w);
  TGraphWin& g = Open(w);
  Add(g, Record(0, 1, 50), "#", "[sqrt](#)");
  g.ShowInventory();
  TGrTraceDlg& d = *g.inventory();
  const kernel::TraceRecord before = w.graphState.items.records[0];
  ScriptedResponder script;
  script.OnDialog("GRTRACE", [&](Dialog& e) {
    for (const char* steps : {"0", "-3", "x", "40000"}) {
      e.SetItemText(plane::kGraphStepsEdit, steps);
      e.PressButton(platform::IDOK);
    }
    e.SetItemText(plane::kGraphStepsEdit, "20");
    e.SetItemText(plane::kGraphVertexEdit, "Q");
    e.CheckItem(plane::kGraphSliderRadio, false);
    e.CheckItem(plane::kGraphVertexRadio, true);
    e.PressButton(platform::IDOK);
    e.PressButton(platform::IDCANCEL);
  });
  for (int i = 0; i < 5; ++i) script.AnswerMessage(platform::IDOK);
  d.PressButton(plane::kGraphEdit);
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"positive value?", "positive value?", "positive value?",
                                                         "out of bounds", "could not find"}));
  const kernel::TraceRecord& after = w.graphState.items.records[0];
  EXPECT_EQ(after.word9, before.word9);
  EXPECT_EQ(after.byte4, before.byte4);
}

TEST_F(GraphWindowTest, HoriNeedsASelectionAndMakesItTheHorizontalMeasurement) {
  PlaneWindow w(0);
  Figure(w);
  TGraphWin& g = Open(w);
  Add(g, Record(0, 1, 10), "#", "[sqrt](#)");
  g.SelectGraphOfMeasurement(false);
  g.ShowInventory();
  TGrTraceDlg& d = *g.inventory();
  ScriptedResponder script;
  script.AnswerMessage(platform::IDOK).AnswerMessage(platform::IDOK);
  d.PressButton(plane::kGraphHori);
  d.PressButton(plane::kGraphNew);
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"make a selection", "make a selection"}));
  d.ListSelect(plane::kGraphMeasurementList, 1);
  d.PressButton(plane::kGraphHori);
  EXPECT_EQ(g.currentMeasurement, 1);
  EXPECT_EQ(d.GetItemText(plane::kGraphCurrentMeasurement), "[sqrt](#)");
  EXPECT_FALSE(w.graphState.items.HasCurrent());
}

TEST_F(GraphWindowTest, HideFlipsTheGraphAndMovesToTheNextVisibleOne) {
  PlaneWindow w(0);
  Figure(w);
  TGraphWin& g = Open(w);
  Add(g, Record(0, 1, 10), "#", "[sqrt](#)");
  Add(g, Record(0, 1, 10), "[sqrt](#)", "#");
  Add(g, Record(0, 1, 20), "#", "[sqrt](#)");
  g.SelectGraphOfMeasurement(false);
  ASSERT_EQ(w.graphState.items.current, 0);
  g.ShowInventory();
  TGrTraceDlg& d = *g.inventory();
  d.ListSelect(plane::kGraphList, 1);  // a graph of the other measurement
  EXPECT_FALSE(d.SelectionIsCurrent());
  d.ListSelect(plane::kGraphList, 0);
  d.UpdateHideButton();  // as the list's selection notice does
  EXPECT_TRUE(d.SelectionIsCurrent());
  EXPECT_TRUE(d.IsItemEnabled(plane::kGraphHide));
  w.fileMsg.modified = 0;
  d.PressButton(plane::kGraphHide);
  EXPECT_EQ(w.graphState.items.records[0].word2, 1002);
  EXPECT_EQ(w.graphState.items.current, 2);
  EXPECT_EQ(d.ListText(plane::kGraphList, 0).rfind(" [hide] ", 0), 0u) << d.ListText(plane::kGraphList, 0);
  EXPECT_EQ(w.fileMsg.modified, 1);
  // Hiding the last visible one leaves no current graph.
  d.ListSelect(plane::kGraphList, 2);
  d.UpdateHideButton();
  d.PressButton(plane::kGraphHide);
  EXPECT_EQ(w.graphState.items.current, -1);
  d.ListSelect(plane::kGraphList, 1);
  d.UpdateHideButton();
  EXPECT_FALSE(d.IsItemEnabled(plane::kGraphHide));
}

TEST_F(GraphWindowTest, DeleteAllAsksFirst) {
  PlaneWindow w(0);
  Figure(w);
  TGraphWin& g = Open(w);
  Add(g, Record(0, 1, 10), "#", "[sqrt](#)");
  Add(g, Record(0, 1, 10), "#", "[sqrt](#)");
  g.ShowInventory();
  TGrTraceDlg& d = *g.inventory();
  ScriptedResponder script;
  std::vector<std::string> asked;
  for (int button : {shell::kNoButton, shell::kYesButton}) {
    script.OnDialog("YNMBOX", [&asked, button](Dialog& box) {
      asked.push_back(box.GetItemText(231));
      box.PressButton(button);
    });
  }
  d.PressButton(plane::kGraphDeleteAll);
  EXPECT_EQ(w.graphState.items.Count(), 2);
  d.PressButton(plane::kGraphDeleteAll);
  EXPECT_EQ(w.graphState.items.Count(), 0);
  EXPECT_EQ(asked, (std::vector<std::string>{"delete all items?", "delete all items?"}));
  EXPECT_EQ(d.ListCount(plane::kGraphList), 0);
}

// --- Exports and the figure file -------------------------------------------------------------

TEST_F(GraphWindowTest, AnSvgExportHasTheCurveWithItsGapAndTheCursor) {
  PlaneWindow w(0);
  Figure(w);
  w.AddTextItem("[sqrt](#*#-0.25)", -1, true);
  TGraphWin& g = Open(w);
  Add(g, Record(-1, 1, 40, 0), "#", "[sqrt](#*#-0.25)");
  g.SelectGraphOfMeasurement(false);
  w.graphState.cursorMode = 5;
  w.sliderValues()[0].value = 1;
  ScriptedResponder script;
  script.ChooseFile(Path("graph.svg"));
  script.OnDialog("SVG", [](Dialog& d) { d.PressButton(platform::IDOK); });
  script.AnswerMessage(platform::IDOK);
  ASSERT_TRUE(g.DispatchCommand(view::kCmdExportSVG));
  EXPECT_TRUE(script.Unexpected().empty());
  const std::string svg = ReadText(Path("graph.svg"));
  export_test::ExpectSvgReadable(svg);
  // One path in the graph's colour, in two pieces: the measurement fails between -0.5 and 0.5.
  const std::size_t path = svg.find("<path d=\"");
  ASSERT_NE(path, std::string::npos);
  const std::string d = svg.substr(path, svg.find('"', path + 9) - path);
  EXPECT_EQ(std::count(d.begin(), d.end(), 'M'), 2) << d;
  // The cursor at (1, 0.866...): its dot, two dotted drop lines and its coordinates.
  EXPECT_NE(svg.find("<circle"), std::string::npos);
  EXPECT_NE(svg.find("stroke-dasharray"), std::string::npos);
  EXPECT_NE(svg.find(" 1.00000 <"), std::string::npos);
  EXPECT_NE(svg.find(" 0.86603 <"), std::string::npos);
  EXPECT_EQ(w.sliderValues()[0].value, 1);
}

TEST_F(GraphWindowTest, AnAnimatedExportMovesTheCursorWithTheNamedSliderAndRestoresIt) {
  PlaneWindow w(0);
  Figure(w);
  TGraphWin& g = Open(w);
  Add(g, Record(-1, 1, 10, 0), "#", "[sqrt](#)");
  g.SelectGraphOfMeasurement(false);
  w.graphState.cursorMode = 4;
  w.sliderValues()[0] = {0, 0.3L, 1, 8};
  ScriptedResponder script;
  script.ChooseFile(Path("run.svg"));
  script.OnDialog("SVG", [](Dialog& d) {
    d.PressButton(view::kSettingsPagesCheck);
    d.SetItemText(view::kSettingsFramesEdit, "3");
    d.SetItemText(view::kSettingsParameterEdit, "#");
    d.PressButton(platform::IDOK);
  });
  script.AnswerMessage(platform::IDOK);
  ASSERT_TRUE(g.DispatchCommand(view::kCmdExportSVG));
  EXPECT_TRUE(script.Unexpected().empty());
  // Frame 0 as the values stand, then # at the middle and the end of its range.
  const std::vector<std::string> cursorX{" 0.30000 <", " 0.50000 <", " 1.00000 <"};
  for (int n = 0; n < 3; ++n) {
    const std::string svg = ReadText(view::FrameFileName(Path("run"), n, 3, "svg"));
    ASSERT_FALSE(svg.empty()) << n;
    EXPECT_NE(svg.find(cursorX[static_cast<std::size_t>(n)]), std::string::npos) << n;
  }
  EXPECT_EQ(w.sliderValues()[0].value, 0.3L);
  // Animations driven by anything but sliders or points are refused.
  g.exports.animationControl = 1;
  EXPECT_FALSE(g.PrepareExport(view::ExportKind::SVG));
  EXPECT_EQ(g.SetAnimationControl("#$"), plane::kAnimateSliders);
  EXPECT_EQ(g.SetAnimationControl("A"), plane::kAnimatePoints);
  EXPECT_EQ(g.SetAnimationControl("ZZ9"), 0);
}

TEST_F(GraphWindowTest, TheGraphsGoWithThePlaneFigureFile) {
  const std::string path = Path("g.kv2");
  {
    PlaneWindow w(0);
    Figure(w);
    TGraphWin& g = Open(w);
    Add(g, Record(-1, 1, 30), "#", "[sqrt](#)");
    w.graphState.cursorMode = 3;
    w.qelWin.writeSettings = 0;
    w.fileMsg.fileName = path;
    w.fileMsg.named = 1;
    ScriptedResponder script;
    ASSERT_TRUE(w.Save());
    EXPECT_EQ(g.Caption(), "graphs [g.kv2]");
    // The window's caption made again from its own (long) file name, as an export ends.
    g.UpdateCaption(false);
    EXPECT_EQ(g.Caption(), "graphs [g.kv2]");
    w.Destroy();
  }
  PlaneWindow reader(0);
  reader.qelWin.writeSettings = 0;
  reader.fileMsg.fileName = path;
  ASSERT_EQ(reader.LoadFile(), 0);
  ASSERT_EQ(reader.graphState.items.Count(), 1);
  EXPECT_EQ(reader.graphState.items.records[0].word9, 30);
  EXPECT_EQ(plane::CompanionText(reader.graphState.items.companions[0], 1), "[sqrt](#)");
  EXPECT_EQ(reader.graphState.cursorMode, 3);
  TGraphWin& g = Open(reader);
  EXPECT_EQ(reader.graphState.items.current, 0);
  EXPECT_TRUE(g.EvaluateTracePoint());
}

// --- The graph block's placement and view --------------------------------------------------

TEST(GraphBlock, OnlyAUsablePlacementAndViewAreTaken) {
  struct PlacementCase {
    platform::WindowRect stored;
    bool taken;
  };
  const PlacementCase placements[] = {
      {{0, 0, 0, 0}, false},           // a figure whose graph window never opened
      {{40, 30, 500, 380}, true},      //
      {{-20, -10, 300, 200}, true},    // partly off the screen is still a place
      {{40, 30, -500, 380}, false},    //
      {{40, 30, 2000000, 380}, false}, // no screen is that wide
      {{1 << 30, 30, 500, 380}, false},
  };
  for (const PlacementCase& c : placements) {
    engine::PlotSettingsPiece plot = engine::DefaultPlotSettings();
    plane::SetGraphBlockPlacement(plot, c.stored);
    const std::optional<platform::WindowRect> back = plane::GraphBlockPlacement(plot);
    ASSERT_EQ(back.has_value(), c.taken) << c.stored.x << " " << c.stored.width;
    if (back) {
      EXPECT_EQ(back->width, c.stored.width);
    }
  }
  // The reset block's view is -5..5 both ways.
  const std::optional<kernel::Box2> reset = plane::GraphBlockViewBox(engine::DefaultPlotSettings());
  ASSERT_TRUE(reset.has_value());
  EXPECT_EQ(reset->xmin, -5);
  EXPECT_EQ(reset->ymax, 5);
  const Real nan = std::numeric_limits<Real>::quiet_NaN();
  for (const kernel::Box2& bad : {kernel::Box2{1, 1, 0, 2}, kernel::Box2{2, 1, 0, 2}, kernel::Box2{0, 1, nan, 2},
                                  kernel::Box2{0, std::numeric_limits<Real>::infinity(), 0, 1}}) {
    engine::PlotSettingsPiece plot = engine::DefaultPlotSettings();
    plane::SetGraphBlockViewBox(plot, bad);
    EXPECT_FALSE(plane::GraphBlockViewBox(plot).has_value()) << static_cast<double>(bad.xmin);
  }
}

TEST_F(GraphWindowTest, ThePlacementAndViewGoWithTheFileAndAnUnopenedGraphSavesBackByteForByte) {
  const std::string path = Path("placed.kv2");
  const platform::WindowRect placed{60, 50, 520, 410};
  {
    PlaneWindow w(0);
    Figure(w);
    TGraphWin& g = Open(w);
    g.MoveTo(placed);
    g.SetView(1, 5, 2, 5, true);  // x from -1 to 3, y from 0 to 10
    w.qelWin.writeSettings = 0;
    w.fileMsg.fileName = path;
    w.fileMsg.named = 1;
    ScriptedResponder script;
    ASSERT_TRUE(w.Save());
    w.Destroy();
  }
  const std::string saved = ReadText(path);
  PlaneWindow reader(0);
  reader.qelWin.writeSettings = 0;
  reader.fileMsg.fileName = path;
  ASSERT_EQ(reader.LoadFile(), 0);
  ASSERT_TRUE(reader.graphState.placed);
  EXPECT_EQ(reader.graphState.placement.width, placed.width);
  EXPECT_EQ(reader.graphState.placement.height, placed.height);
  EXPECT_EQ(reader.graphState.box.xmin, -1);
  EXPECT_EQ(reader.graphState.box.ymax, 10);
  // Saved again without opening the graph window: the same bytes.
  {
    ScriptedResponder script;
    ASSERT_TRUE(reader.Save());
  }
  EXPECT_EQ(ReadText(path), saved);
  // Opened, the window stands where it stood and shows what it showed.
  TGraphWin& g = Open(reader);
  const platform::WindowRect now = g.Placement();
  EXPECT_EQ(now.width, placed.width);
  EXPECT_EQ(now.height, placed.height);
  EXPECT_NEAR(static_cast<double>(g.mapping.box.xmin), -1.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(g.mapping.box.xmax), 3.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(g.mapping.box.ymax), 10.0, 1e-12);
}

TEST_F(GraphWindowTest, AFigureWhoseGraphWindowNeverOpenedKeepsAnEmptyPlacement) {
  const std::string path = Path("plain.kv2");
  PlaneWindow w(0);
  Figure(w);
  w.qelWin.writeSettings = 0;
  w.fileMsg.fileName = path;
  w.fileMsg.named = 1;
  ScriptedResponder script;
  ASSERT_TRUE(w.Save());
  const std::string saved = ReadText(path);
  PlaneWindow reader(0);
  reader.qelWin.writeSettings = 0;
  reader.fileMsg.fileName = path;
  ASSERT_EQ(reader.LoadFile(), 0);
  EXPECT_FALSE(reader.graphState.placed);
  ASSERT_TRUE(reader.Save());
  EXPECT_EQ(ReadText(path), saved);
}

// --- The off-screen picture and the refresh after the figure changes -------------------------

TEST_F(GraphWindowTest, ThePictureIsDrawnAgainOnlyWhenTheFigureOrTheViewChanged) {
  PlaneWindow w(0);
  Figure(w);
  TGraphWin& g = Open(w);
  Add(g, Record(-1, 1, 20), "#", "[sqrt](#)");
  g.SelectGraphOfMeasurement(false);
  g.wing.pictureValid = 0;
  g.RepaintNow();
  const int first = g.pictureRenders;
  ASSERT_GT(first, 0);
  // Paints and the cursor's modes come from the picture as it is.
  g.RepaintNow();
  g.DispatchCommand(plane::kCmdGraphMarker);
  EXPECT_EQ(g.pictureRenders, first);
  // A new step of the plane window draws the open graph at once, without a paint of its own.
  w.FreePoint(2, 2);
  EXPECT_EQ(g.pictureRenders, first + 1);
  // So does undoing it.
  ScriptedResponder script;
  ASSERT_TRUE(w.DispatchCommand(98));
  EXPECT_EQ(g.pictureRenders, first + 2);
  // A view command of the graph window draws it anew.
  ASSERT_TRUE(g.DispatchCommand(107));
  g.RepaintNow();
  EXPECT_EQ(g.pictureRenders, first + 3);
  // A resize makes the picture again at the new size.
  const platform::WindowRect r = g.Placement();
  g.MoveTo({r.x, r.y, r.width + 40, r.height + 30});
  g.RepaintNow();
  EXPECT_EQ(g.preWin.buffers[plane::kGraphBitmapLevel]->width(), g.preWin.width);
  EXPECT_EQ(g.pictureRenders, first + 4);
  // The hidden window is left alone.
  g.Hide();
  w.FreePoint(3, 3);
  EXPECT_EQ(g.pictureRenders, first + 4);
}

TEST_F(GraphWindowTest, TheCursorDotGrowsWithTheMagnifierOfAHighResolutionMetafile) {
  PlaneWindow w(0);
  Figure(w);
  TGraphWin& g = Open(w);
  Add(g, Record(-1, 1, 20), "#", "#");
  g.SelectGraphOfMeasurement(false);
  w.graphState.cursorMode = 1;  // the dot alone
  w.sliderValues()[0].value = 0.5L;
  g.preWin.roles[12] = 4;  // a marker colour that is not white
  // The marked pixels of the cursor drawn on a white picture of the mapping's size.
  auto dotPixels = [&g]() {
    platform::Bitmap picture(g.mapping.width, g.mapping.height, platform::kWhite);
    {
      std::unique_ptr<platform::DC> dc = picture.CreateDC();
      view::DcFigurePainter painter(*dc, g.mapping, g.DcRules());
      g.DrawCursor(painter);
    }
    int marked = 0;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) marked += picture.GetPixel(x, y) != platform::kWhite;
    return marked;
  };
  const int screen = dotPixels();
  ASSERT_GT(screen, 0);
  int magnified = 0;
  {
    view::MetafilePassState pass(g, 3);
    magnified = dotPixels();
  }
  // Three times as wide: about nine times the pixels (a dot drawn at its screen size with only
  // a wider pen would give about two).
  EXPECT_GT(magnified, 6 * screen) << screen << " " << magnified;
  EXPECT_LT(magnified, 12 * screen) << screen << " " << magnified;
}

}  // namespace
