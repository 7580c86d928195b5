// The slider panels and their animation, the scroll-bar calibration and slider links, the
// measurements dialog, the graph command and the macro definition on a plane window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/windows/slide_dlg.h"
#include "platform/modal_loop.h"
#include "platform/scripted_responder.h"
#include "plane/meas_dlg.h"
#include "plane_window.h"
#include "resources/resource_script.h"
#include "support/isolated_folders.h"

namespace {

using engine::Real;
using platform::Dialog;
using platform::ModalLoop;
using platform::ScriptedResponder;
using plane_test::PlaneWindow;

using AnimMeasCommands = IsolatedFolders;

constexpr int kPassTimer = 477;
constexpr int kCmdSliderHash = 691;

// A point at (#, 1): it follows slider 0.
int PointOnSlider(PlaneWindow& w) {
  EXPECT_EQ(w.Step(122, {}, {"#", "1"}), 0);
  return w.tables().last_point;
}

// Feeds pass ticks until the loop ends or n passes ran.
void Passes(ModalLoop& loop, int n) {
  for (int i = 0; i < n; ++i) loop.FeedTimer(kPassTimer);
}

platform::KeyEvent Key(int key) { return {key, 0, std::string(1, static_cast<char>(key))}; }

TEST_F(AnimMeasCommands, TheScrollBarAndTheTypedValueMoveTheSliderAndTheFigureFollows) {
  PlaneWindow w(0);
  const int p = PointOnSlider(w);
  w.sliderValues()[0] = {0, 5, 10, 8};
  ASSERT_TRUE(w.DispatchCommand(kCmdSliderHash));
  engine::TSlideDlg* dialog = w.sliderDialog(0);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->ScrollPosition(engine::kSliderScroll), 50);

  dialog->ScrollBy(engine::kSliderScroll, platform::ScrollKind::Track, 25);
  EXPECT_EQ(w.sliderValues()[0].value, static_cast<Real>(2.5));
  EXPECT_EQ(w.tables().xy[static_cast<std::size_t>(p)].x, static_cast<Real>(2.5));

  // A typed value beyond the range widens it.
  dialog->SetItemText(engine::kSliderValue, "12");
  dialog->PressButton(1);
  EXPECT_EQ(w.sliderValues()[0].high, 12);
  EXPECT_EQ(w.tables().xy[static_cast<std::size_t>(p)].x, 12);
  EXPECT_EQ(dialog->ScrollPosition(engine::kSliderScroll), 100);

  // "set L" at the maximum would leave no range: refused; below it, taken.
  dialog->PressButton(engine::kSliderSetLow);
  EXPECT_EQ(w.sliderValues()[0].low, 0);
  dialog->SetItemText(engine::kSliderValue, "4");
  dialog->PressButton(engine::kSliderSetLow);
  EXPECT_EQ(w.sliderValues()[0].low, 4);
  EXPECT_EQ(w.sliderValues()[0].value, 4);
  dialog->SetItemText(engine::kSliderValue, "3");
  dialog->PressButton(engine::kSliderSetHigh);
  EXPECT_EQ(w.sliderValues()[0].high, 12);

  // What does not evaluate changes nothing.
  ScriptedResponder script;
  script.AnswerMessage(platform::IDOK);
  dialog->SetItemText(engine::kSliderValue, "2*(");
  dialog->PressButton(1);
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"cannot understand"});
  EXPECT_EQ(w.sliderValues()[0].value, 4);
}

TEST_F(AnimMeasCommands, ReverseRunsUntilQAndTheSpeedKeysSteerIt) {
  PlaneWindow w(0);
  const int p = PointOnSlider(w);
  w.sliderValues()[0] = {0, 9.99L, 10, 8};
  ASSERT_TRUE(w.DispatchCommand(kCmdSliderHash));
  engine::TSlideDlg* dialog = w.sliderDialog(0);
  const Real speed = w.sliders.speed;
  std::string caption;
  ScriptedResponder script;
  script.OnLoop([&](ModalLoop& loop) {
    caption = w.Caption();
    EXPECT_TRUE(w.sliders.animating);
    Passes(loop, 3);  // past the maximum: held and turned round, then back twice
    loop.FeedKey(Key('F'));
    loop.FeedKey(Key('P'));
    Passes(loop, 5);  // paused
    loop.FeedKey(Key('P'));
    Passes(loop, 1);
    loop.FeedKey(Key('Q'));
    Passes(loop, 5);  // ended
  });
  dialog->PressButton(engine::kSliderReverse);
  EXPECT_EQ(caption, "Q=quit P=pause F=faster S=slower");
  EXPECT_FALSE(w.sliders.animating);
  EXPECT_NE(w.Caption(), caption);
  EXPECT_NEAR(static_cast<double>(w.sliders.speed), static_cast<double>(speed * 1.25L), 1e-15);
  // Held once at the end, back by two steps and by one faster step.
  const Real step = speed * 10 / 100;
  EXPECT_NEAR(static_cast<double>(w.sliderValues()[0].value), static_cast<double>(9.99L - 2 * step - step * 1.25L),
              1e-12);
  EXPECT_EQ(w.tables().xy[static_cast<std::size_t>(p)].x, w.sliderValues()[0].value);
  EXPECT_TRUE(dialog->IsVisible());
  EXPECT_TRUE(w.fileMsg.modified);
}

TEST_F(AnimMeasCommands, ForwardWithARestartingStopRunsFromTheLastStartToTheStop) {
  PlaneWindow w(0);
  PointOnSlider(w);
  w.sliderValues()[0] = {0, 3, 4, 8};
  ASSERT_TRUE(w.DispatchCommand(kCmdSliderHash));
  engine::TSlideDlg* dialog = w.sliderDialog(0);
  dialog->ScrollBy(engine::kSliderScroll, platform::ScrollKind::Track, 90);  // the slider moved on to 3.6
  dialog->CheckItem(engine::kSliderStopAt, true);
  dialog->SetItemText(engine::kSliderStopValue, "5<");
  Real first = 0;
  int passes = 0;
  ScriptedResponder script;
  script.OnLoop([&](ModalLoop& loop) {
    loop.FeedTimer(kPassTimer);
    first = w.sliderValues()[0].value;
    for (passes = 1; passes < 1000 && loop.running(); ++passes) loop.FeedTimer(kPassTimer);
  });
  dialog->PressButton(engine::kSliderForward);
  // Back to 3, where the panel was opened, then on to the stop value beyond the old maximum.
  EXPECT_NEAR(static_cast<double>(first), 3 + 0.2 * 4 / 100, 1e-15);
  EXPECT_EQ(w.sliderValues()[0].value, 5);
  EXPECT_EQ(w.sliderValues()[0].high, 5);
  EXPECT_EQ(dialog->GetItemText(engine::kSliderValue), w.FormatNumber(5, true).substr(w.FormatNumber(5, true).find_first_not_of(' ')));
}

TEST_F(AnimMeasCommands, StopAtHidesTheRangeModesAndAStopAlreadyPassedRunsNothing) {
  PlaneWindow w(0);
  w.sliderValues()[0] = {0, 6, 10, 8};
  ASSERT_TRUE(w.DispatchCommand(kCmdSliderHash));
  engine::TSlideDlg* dialog = w.sliderDialog(0);
  dialog->PressButton(engine::kSliderStopAt);
  EXPECT_FALSE(dialog->IsItemShown(engine::kSliderReverse));
  EXPECT_FALSE(dialog->IsItemShown(engine::kSliderCycle));
  dialog->SetItemText(engine::kSliderStopValue, "5");
  ScriptedResponder script;  // no loop may run
  dialog->PressButton(engine::kSliderForward);
  EXPECT_TRUE(script.shown().empty());
  EXPECT_EQ(w.sliderValues()[0].value, 6);
}

TEST_F(AnimMeasCommands, ClosingTheWindowEndsTheAnimationCleanly) {
  auto* w = new PlaneWindow(0);
  w->sliderValues()[0] = {0, 1, 10, 8};
  ASSERT_TRUE(w->DispatchCommand(kCmdSliderHash));
  ScriptedResponder script;
  script.OnLoop([&](ModalLoop& loop) {
    Passes(loop, 2);
    loop.End(ModalLoop::kClosed);
  });
  EXPECT_TRUE(w->AnimateSlider(0, engine::SliderMode::kCycle, false, 0));
  EXPECT_FALSE(w->sliders.animating);
  delete w;
}

TEST_F(AnimMeasCommands, VertexAtMakesAMovablePointThatUndoTakesBack) {
  PlaneWindow w(0);
  w.FreePoint(1, 2);
  w.Step(111, {0, 0});  // any step after the point, so undo starts refused
  ASSERT_TRUE(w.DispatchCommand(kCmdSliderHash));
  engine::TSlideDlg* dialog = w.sliderDialog(0);
  const int before = w.tables().last_point;
  dialog->PressButton(engine::kSliderVertexAt);  // "A"
  ASSERT_EQ(w.tables().last_point, before + 1);
  EXPECT_EQ(w.tables().xy[static_cast<std::size_t>(before + 1)].y, 2);
  EXPECT_TRUE(dialog->IsItemEnabled(engine::kSliderUndo));
  dialog->PressButton(engine::kSliderUndo);
  EXPECT_EQ(w.tables().last_point, before);
  EXPECT_FALSE(dialog->IsItemEnabled(engine::kSliderUndo));
}

TEST_F(AnimMeasCommands, CalibrationAndLinks) {
  PlaneWindow w(0);
  struct Case {
    const char* small;
    const char* medium;
    int steps;
    int ratio;
    bool refused;
  };
  for (const Case& c : std::vector<Case>{{"2", "2", 2, 1, false},
                                         {"100", "7", 100, 14, false},
                                         {"1", "1", 100, 14, true},
                                         {"5", "6", 100, 14, true},
                                         {"5", "0", 100, 14, true},
                                         {"2147483648", "1", 100, 14, true},
                                         {"x", "1", 100, 14, true}}) {
    SCOPED_TRACE(c.small);
    ScriptedResponder script;
    script.FillAndPress("CALIB", {{211, c.small}, {212, c.medium}}, 1);
    if (c.refused) script.AnswerMessage(platform::IDOK);
    ASSERT_TRUE(w.DispatchCommand(1169));
    EXPECT_EQ(w.sliders.steps, c.steps);
    EXPECT_EQ(w.sliders.stepRatio, c.ratio);
    EXPECT_EQ(script.Messages(), c.refused ? std::vector<std::string>{"out of bounds"} : std::vector<std::string>{});
  }

  ScriptedResponder script;
  script.FillAndPress("ONEINPUT", {{211, "x#y%z"}}, 1);
  ASSERT_TRUE(w.DispatchCommand(1170));
  EXPECT_EQ(w.sliders.linked, (std::array<std::uint8_t, 7>{1, 0, 0, 0, 1, 0, 0}));
  EXPECT_EQ(w.QueryCommand(1170).checked, true);
}

// Runs the measurements dialog with the drive; `messages` message boxes shown meanwhile are
// answered.
void Measurements(PlaneWindow& w, std::function<void(Dialog&)> drive, ScriptedResponder& script, int messages = 0) {
  script.OnDialog("MEAS", std::move(drive));
  for (int i = 0; i < messages; ++i) script.AnswerMessage(platform::IDOK);
  ASSERT_TRUE(w.DispatchCommand(760));
}

TEST_F(AnimMeasCommands, MeasurementsAreAddedShownSwitchedAndDeleted) {
  PlaneWindow w(0);
  EXPECT_FALSE(w.QueryCommand(760).enabled);
  w.FreePoint(0, 0);
  w.FreePoint(3, 4);
  w.FreePoint(3, 0);
  EXPECT_TRUE(w.QueryCommand(760).enabled);

  ScriptedResponder script;
  std::vector<std::string> lines;
  Measurements(w, [&](Dialog& d) {
    d.PressButton(plane::kMeasAdd);  // an empty edit adds nothing
    for (const char* text : {"AB", "[PER](ABC)", "<BCA"}) {
      d.SetItemText(plane::kMeasEdit, text);
      d.PressButton(plane::kMeasAdd);
    }
    EXPECT_EQ(d.GetItemText(plane::kMeasEdit), "");
    for (int i = 0; i < d.ListCount(plane::kMeasList); ++i) lines.push_back(d.ListText(plane::kMeasList, i));
    EXPECT_EQ(d.ListSelections(plane::kMeasList), std::vector<int>{2});
  }, script);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "AB = " + w.FormatNumber(5, false).substr(w.FormatNumber(5, false).find_first_not_of(' ')));
  EXPECT_EQ(w.textItems.measurements.size(), 3u);
  EXPECT_EQ(w.GetItemText(w.textItems.measurements[0]), lines[0]);
  EXPECT_TRUE(w.fileMsg.modified);

  // Formula twice restores the item; display hides; delete removes the selected ones.
  Measurements(w, [&](Dialog& d) {
    d.ListSetSelected(plane::kMeasList, 0, true);
    d.ListSetSelected(plane::kMeasList, 2, true);
    d.PressButton(plane::kMeasFormula);
    EXPECT_EQ(w.textItems.measurements[0].evalCode, 1000);
    EXPECT_EQ(w.GetItemText(w.textItems.measurements[0]), lines[0].substr(5));
    d.PressButton(plane::kMeasFormula);
    EXPECT_EQ(w.textItems.measurements[0].evalCode, 0);
    d.PressButton(plane::kMeasDisplay);
    EXPECT_FALSE(w.textItems.measurements[2].shown);
    d.PressButton(plane::kMeasCopy);
    EXPECT_EQ(d.GetItemText(plane::kMeasEdit), "AB");
    d.PressButton(plane::kMeasDelete);
    EXPECT_EQ(d.ListCount(plane::kMeasList), 1);
  }, script);
  ASSERT_EQ(w.textItems.measurements.size(), 1u);
  EXPECT_EQ(w.textItems.measurements[0].text, "[PER](ABC)");
  EXPECT_EQ(w.textItems.measurements[0].number, 0);

  // Nothing selected; a text not understood; a point that does not exist.
  Measurements(w, [&](Dialog& d) {
    d.PressButton(plane::kMeasDelete);
    d.SetItemText(plane::kMeasEdit, "AB+");
    d.PressButton(plane::kMeasAdd);
    d.SetItemText(plane::kMeasEdit, "AZ");
    d.PressButton(plane::kMeasAdd);
  }, script, 3);
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"make a selection", "cannot understand", "no such point"}));
  EXPECT_EQ(w.textItems.measurements.size(), 1u);
}

TEST_F(AnimMeasCommands, FunctionKeysTypeTheSymbols) {
  PlaneWindow w(0);
  w.FreePoint(0, 0);
  w.FreePoint(1, 0);
  ScriptedResponder script;
  Measurements(w, [&](Dialog& d) {
    d.PressKeyInItem(plane::kMeasEdit, resources::kKeyF1 + 1);
    EXPECT_EQ(d.GetItemText(plane::kMeasEdit), std::string("\xFB("));
    d.SetItemText(plane::kMeasEdit, "");
    d.PressKeyInItem(plane::kMeasEdit, resources::kKeyF1);
    d.InsertText(plane::kMeasEdit, "*AB");
    d.PressKeyInItem(plane::kMeasEdit, resources::kKeyF1 + 2);
    d.PressButton(plane::kMeasAdd);
  }, script);
  ASSERT_EQ(w.textItems.measurements.size(), 1u);
  engine::ExprValue v;
  std::string text = w.textItems.measurements[0].text;
  EXPECT_LE(w.CompileExpression(text, v), 0);
  EXPECT_NEAR(static_cast<double>(v.x), 3.14159265358979, 1e-12);  // pi times AB squared
}

TEST_F(AnimMeasCommands, MeasurementsStackDownTheWindowAndTheGraphNeedsTwo) {
  PlaneWindow w(0);
  w.FreePoint(0, 0);
  w.FreePoint(1, 0);
  ScriptedResponder script;
  script.AnswerMessage(platform::IDOK).AnswerMessage(platform::IDOK);
  EXPECT_EQ(w.OpenGraphWindow(), 141);
  w.AddTextItem("AB", -1, true);
  EXPECT_EQ(w.OpenGraphWindow(), 141);
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"need two measurements", "need two measurements"}));
  w.AddTextItem("A", -4, true);
  EXPECT_EQ(w.OpenGraphWindow(), 0);
  const view::TextItem& first = w.textItems.measurements[0];
  const view::TextItem& second = w.textItems.measurements[1];
  EXPECT_EQ(first.tie, view::kTieFrame);
  EXPECT_EQ(second.evalCode, 1);  // a point
  // Relative to the view centre: the first at (3, 3) pixels, the second below it.
  EXPECT_EQ(w.XToScreen(first.x + w.mapping.centre.x), 3);
  EXPECT_EQ(w.YToScreen(first.y + w.mapping.centre.y), 3);
  EXPECT_GT(w.YToScreen(second.y + w.mapping.centre.y), 3);
}

TEST_F(AnimMeasCommands, MacroDefinitionReadsItsPointListsLeniently) {
  PlaneWindow w(0);
  // Points at typed coordinates: a macro may hold them (points placed by the mouse it may not).
  for (const char* x : {"0", "1", "2"}) EXPECT_EQ(w.Step(122, {}, {x, "0"}), 0);
  std::vector<std::string> steps;
  ScriptedResponder script;
  script.OnDialog("MACDEF", [&](Dialog& d) {
    for (int i = 0; i < d.ListCount(engine::kMacroSteps); ++i) steps.push_back(d.ListText(engine::kMacroSteps, i));
    d.SetItemText(engine::kMacroVariables, "A, B C");
    d.SetItemText(engine::kMacroReturns, "A,B,C");
    d.PressButton(1);
  });
  ASSERT_TRUE(w.DispatchCommand(1121));
  EXPECT_EQ(steps.size(), w.history().steps.size());
  EXPECT_EQ(w.macroInputs, (std::vector<std::uint16_t>{0, 1, 2}));
  EXPECT_EQ(w.macroCaption, "macro(A,B,C)-->(A,B,C)");

  script.FillAndPress("MACDEF", {{engine::kMacroVariables, "Z"}}, 1).AnswerMessage(platform::IDOK);
  ASSERT_TRUE(w.DispatchCommand(1121));
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"undefined macro"});
  EXPECT_EQ(w.macroInputs, (std::vector<std::uint16_t>{0, 1, 2}));
}

}  // namespace

namespace {

using FigureLayer = IsolatedFolders;

TEST_F(FigureLayer, ContrastAndTextColoursKeepReadable) {
  PlaneWindow w(0);
  auto& roles = w.preWin.roles;
  for (auto [labels, contrast] : std::vector<std::pair<int, int>>{{14, 4}, {5, 4}, {4, 5}, {0, 5}}) {
    roles[engine::TGeomWin::kLabelColorRole] = static_cast<std::uint16_t>(labels);
    w.UpdateContrastColor();
    EXPECT_EQ(roles[engine::TGeomWin::kContrastColorRole], contrast) << labels;
  }
  roles[0] = 60;
  roles[engine::TGeomWin::kTextColorRole] = 60;
  w.AvoidBackgroundColor(engine::TGeomWin::kTextColorRole);
  EXPECT_EQ(roles[engine::TGeomWin::kTextColorRole], 59);
  roles[0] = 7;
  roles[engine::TGeomWin::kTextColorRole] = 7;
  w.AvoidBackgroundColor(engine::TGeomWin::kTextColorRole);
  EXPECT_EQ(roles[engine::TGeomWin::kTextColorRole], 8);
}

TEST_F(FigureLayer, ClickingAPointStepsItsLabelAndMarker) {
  PlaneWindow w(0);
  const int p = w.FreePoint(1, 1);
  engine::PointNameRecord& name = w.tables().names[static_cast<std::size_t>(p)];
  name.shown = 1;
  name.marker = 4;
  platform::PointI pixel;
  ASSERT_TRUE(w.PointToScreen(p, pixel));
  EXPECT_FALSE(w.CycleLabelPosition({pixel.x + 4, pixel.y}));
  EXPECT_TRUE(w.CycleLabelPosition({pixel.x + 3, pixel.y - 3}));
  EXPECT_EQ(name.shown, 0);
  EXPECT_EQ(name.marker, 4);
  EXPECT_TRUE(w.CycleLabelPosition(pixel));
  EXPECT_EQ(name.shown, 1);
  EXPECT_EQ(name.marker, 0);
  EXPECT_EQ(w.PointAtMouse(pixel, 0.1L), p);
  EXPECT_EQ(w.ObjectPosition(p).x, 1);
}

TEST_F(FigureLayer, PlaneWindowsTakeThePlaneHelpTopics) {
  PlaneWindow w(1);
  EXPECT_EQ(w.fileMsg.helpTopics[0], "KVFILEH");
  EXPECT_EQ(w.fileMsg.helpTopics[1], "KV2POINTH");
  EXPECT_EQ(w.fileMsg.helpTopics[11], "KV2MEASH");
}

}  // namespace
