// Tracing, markings, temporary tracing, the vector sum and evaluated texts on a plane window:
// driven by their commands and dialogs, drawn through a recording painter, kept in the file.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/windows/mark_dlg.h"
#include "engine/windows/trace_dlg.h"
#include "kernel/file_bytes.h"
#include "kernel/vector2.h"
#include "platform/key_poll.h"
#include "platform/scripted_responder.h"
#include "plane_window.h"
#include "support/isolated_folders.h"
#include "view/figure_painter.h"

namespace {

using kernel::Point2;
using kernel::Real;
using plane_test::PlaneWindow;
using platform::ScriptedResponder;
using TracingMarkings = IsolatedFolders;

constexpr int kCmdVectorSum = 673;
constexpr int kCmdTracing = 740;
constexpr int kCmdTickLength = 846;
constexpr int kCmdMarkings = 971;
constexpr int kCmdTemporaryTracing = 1133;
constexpr int kNone = -1;

// Records the flagged polylines (the paths of traces), the segments and the arcs.
class RecordingPainter : public view::FigurePainter {
 public:
  explicit RecordingPainter(const view::ViewMapping& m) : FigurePainter(m) {}
  std::vector<std::vector<Point2>> paths;
  std::vector<std::vector<std::uint8_t>> flags;
  int segments = 0;
  int arcs = 0;

 protected:
  bool DoSegment(const Point2&, const Point2&, bool) override {
    ++segments;
    return true;
  }
  void DoFlaggedPolyline(std::span<const Point2> p, std::span<const std::uint8_t> f, int) override {
    paths.emplace_back(p.begin(), p.end());
    flags.emplace_back(f.begin(), f.end());
  }
  void DoArc(const Point2&, const Point2&, Real) override { ++arcs; }
  void DoText(platform::PointI, std::string_view, int, int, std::optional<kernel::ColorRef>) override {}
  platform::SizeI DoTextExtent(std::string_view) override { return {}; }
};

// A triangle ABC with sides AB and BC and a point D at (#, 1) following slider 0.
struct Figure {
  int a, b, c, d;
};
Figure TriangleFigure(PlaneWindow& w) {
  Figure f{};
  f.a = w.FreePoint(0, 0);
  f.b = w.FreePoint(4, 0);
  f.c = w.FreePoint(0, 3);
  EXPECT_EQ(w.Step(111, {f.a, f.b, kNone, 0, 0, 0}), 0);
  EXPECT_EQ(w.Step(111, {f.b, f.c, kNone, 0, 0, 0}), 0);
  EXPECT_EQ(w.Step(122, {}, {"#", "1"}), 0);
  f.d = w.tables().last_point;
  return f;
}

kernel::TraceRecord Trace(int kind, bool bySlider, int control, int pen, int steps, Real low, Real high) {
  kernel::TraceRecord r;
  kernel::InitTraceRecord(r, static_cast<std::uint16_t>(kind), bySlider ? 1 : 0, static_cast<std::uint16_t>(control),
                          static_cast<std::uint16_t>(pen), low, high, static_cast<std::uint16_t>(steps), 4, 0);
  return r;
}

std::vector<Point2> Points(PlaneWindow& w) {
  return {w.tables().xy.begin(), w.tables().xy.begin() + w.tables().last_point + 1};
}

TEST_F(TracingMarkings, ATraceRunsTheControlThroughItsStepsAndRestoresTheFigure) {
  PlaneWindow w(0);
  const Figure f = TriangleFigure(w);
  w.sliderValues()[0].value = 0.7L;
  w.ReplayConstruction(true);
  const std::vector<Point2> before = Points(w);

  RecordingPainter painter(w.mapping);
  EXPECT_FALSE(w.DrawTracing(painter, Trace(1, true, 0, f.d, 4, 0, 1)));
  ASSERT_EQ(painter.paths.size(), 1u);
  ASSERT_EQ(painter.paths[0].size(), 5u);
  for (int j = 0; j <= 4; ++j) {
    EXPECT_EQ(painter.paths[0][j].x, static_cast<Real>(j) / 4);
    EXPECT_EQ(painter.paths[0][j].y, 1);
  }
  EXPECT_EQ(w.sliderValues()[0].value, 0.7L);
  const std::vector<Point2> after = Points(w);
  EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin(), after.end(), [](const Point2& p, const Point2& q) {
    return p.x == q.x && p.y == q.y;
  }));

  // The point's own parameter as control: a point on AB (a movable point) runs along it.
  ASSERT_EQ(w.Step(81, {f.a, f.b, 0}), 0);
  const int onLine = w.tables().last_point;
  if (w.tables().attrs[onLine].words[0] >= 0) {
    RecordingPainter along(w.mapping);
    const Real saved = w.tables().attrs[onLine].value;
    w.DrawTracing(along, Trace(1, false, onLine, onLine, 2, 0, 1));
    ASSERT_EQ(along.paths.size(), 1u);
    EXPECT_EQ(w.tables().attrs[onLine].value, saved);
  }

  // Switched off, no steps, more steps than the buffers, an unknown control: nothing drawn.
  RecordingPainter none(w.mapping);
  for (const kernel::TraceRecord& r : {Trace(1001, true, 0, f.d, 4, 0, 1), Trace(1, true, 0, f.d, 0, 0, 1),
                                       Trace(1, true, 0, f.d, -3, 0, 1), Trace(1, true, 0, f.d, 5000, 0, 1),
                                       Trace(1, false, 99, f.d, 4, 0, 1)})
    EXPECT_FALSE(w.DrawTracing(none, r));
  EXPECT_TRUE(none.paths.empty());

  // The whole figure: both sides drawn at each of the n + 1 values.
  RecordingPainter whole(w.mapping);
  w.DrawTracing(whole, Trace(2, true, 0, f.d, 3, 0, 1));
  EXPECT_EQ(whole.segments, 2 * 4);
}

// A point D sliding on a segment, a line or a circle through A and B, in a plane or a disk
// window, and M the midpoint of DE, a vertex of the triangle DEF hanging on D.
struct SlidingFigure {
  int a, b, d, e, m;
};
SlidingFigure HangingTriangle(PlaneWindow& w, int objectKind, int pointKind, Real scale) {
  SlidingFigure f{};
  f.a = w.FreePoint(0, 0);
  f.b = w.FreePoint(4 * scale, 0);
  EXPECT_EQ(w.Step(objectKind, {f.a, f.b, kNone, 0, 0, 0}), 0);
  w.tables().attrs[w.tables().last_point + 1].value = 0.3L;
  EXPECT_EQ(w.Step(pointKind, {f.a, f.b, 0}), 0);
  f.d = w.tables().last_point;
  f.e = w.FreePoint(0, 3 * scale);
  const int corner = w.FreePoint(2 * scale, 3 * scale);
  for (const auto& [p, q] : {std::pair{f.d, f.e}, std::pair{f.e, corner}, std::pair{corner, f.d}})
    EXPECT_EQ(w.Step(111, {p, q, kNone, 0, 0, 0}), 0);
  EXPECT_EQ(w.Step(101, {f.d, f.e}, {"1/2"}), 0);
  f.m = w.tables().last_point;
  return f;
}

TEST_F(TracingMarkings, APointSlidingOnItsObjectAsControlRunsItsParameterAndComesBack) {
  struct Case {
    const char* name;
    std::uint8_t model;
    int objectKind, pointKind;
    Real low, high;
  };
  // Segments (111), lines (116) and circles (91) with their sliding points (201, 202).
  const std::vector<Case> cases{{"segment", 0, 111, 201, 0, 1},     {"line", 0, 116, 201, -0.5L, 1.5L},
                                {"circle", 0, 91, 202, 0, 0.5L},    {"disk segment", 1, 111, 201, 0, 1},
                                {"disk line", 1, 116, 201, -0.5L, 1}, {"disk circle", 1, 91, 202, 0, 0.5L}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PlaneWindow w(c.model);
    const SlidingFigure f = HangingTriangle(w, c.objectKind, c.pointKind, c.model == 0 ? 1 : 0.1L);
    const std::vector<Point2> before = Points(w);

    RecordingPainter painter(w.mapping);
    EXPECT_FALSE(w.DrawTracing(painter, Trace(1, false, f.d, f.m, 4, c.low, c.high)));
    ASSERT_EQ(painter.paths.size(), 1u);
    const std::vector<Point2> path = painter.paths[0];
    ASSERT_EQ(path.size(), 5u);
    // The control and the whole figure are exactly as they were.
    EXPECT_EQ(w.tables().attrs[f.d].value, 0.3L);
    const std::vector<Point2> after = Points(w);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin(), after.end(),
                           [](const Point2& p, const Point2& q) { return p.x == q.x && p.y == q.y; }));
    // Each position is where M stands with D at that parameter, and M moves at every step.
    for (int j = 0; j <= 4; ++j) {
      w.tables().attrs[f.d].value = c.low + (c.high - c.low) / 4 * j;
      w.ReplayConstruction(true);
      EXPECT_EQ(path[j].x, w.tables().xy[f.m].x) << j;
      EXPECT_EQ(path[j].y, w.tables().xy[f.m].y) << j;
      if (j > 0) {
        EXPECT_GT(kernel::Dist2(path[j], path[j - 1]), 0.01L) << j;
      }
    }
    w.tables().attrs[f.d].value = 0.3L;
    w.ReplayConstruction(true);
  }
  // On the plane segment from (0, 0) to (4, 0) with E at (0, 3): M runs from (0, 1.5) to (2, 1.5).
  PlaneWindow w(0);
  const SlidingFigure f = HangingTriangle(w, 111, 201, 1);
  RecordingPainter painter(w.mapping);
  w.DrawTracing(painter, Trace(1, false, f.d, f.m, 4, 0, 1));
  ASSERT_EQ(painter.paths.size(), 1u);
  for (int j = 0; j <= 4; ++j) {
    EXPECT_EQ(painter.paths[0][j].x, static_cast<Real>(j) / 2);
    EXPECT_EQ(painter.paths[0][j].y, 1.5L);
  }
}

TEST_F(TracingMarkings, APointWithoutAParameterIsRefusedAsControl) {
  PlaneWindow w(0);
  const SlidingFigure f = HangingTriangle(w, 111, 201, 1);
  // Point > on Segment: a point at the typed ratio 1/4 of AB, placed from its text at every replay.
  ASSERT_EQ(w.Step(101, {f.a, f.b}, {"1/4"}), 0);
  const int ratio = w.tables().last_point;
  // A trace such a point controls (as a file may hold one) draws nothing and changes nothing.
  const std::vector<Point2> before = Points(w);
  for (const int control : {ratio, f.e, f.m}) {
    RecordingPainter painter(w.mapping);
    EXPECT_FALSE(w.DrawTracing(painter, Trace(1, false, control, f.m, 4, 0, 1)));
    EXPECT_TRUE(painter.paths.empty());
  }
  const std::vector<Point2> after = Points(w);
  EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin(), after.end(),
                         [](const Point2& p, const Point2& q) { return p.x == q.x && p.y == q.y; }));
  // On the triangle ABE: a point at a typed parameter has none to run; a sliding one has.
  ASSERT_EQ(w.Step(204, {f.a, f.b, f.e, kNone}, {"", "0.25"}, 1), 0);
  const int typed = w.tables().last_point;
  ASSERT_EQ(w.Step(204, {f.a, f.b, f.e, kNone}, {""}), 0);
  const int sliding = w.tables().last_point;
  RecordingPainter onPolygon(w.mapping);
  w.DrawTracing(onPolygon, Trace(1, false, typed, typed, 4, 0, 0.5L));
  EXPECT_TRUE(onPolygon.paths.empty());
  w.DrawTracing(onPolygon, Trace(1, false, sliding, sliding, 4, 0, 0.25L));
  ASSERT_EQ(onPolygon.paths.size(), 1u);
  EXPECT_EQ(onPolygon.paths[0].front(), w.tables().xy[f.a]);
  EXPECT_EQ(onPolygon.paths[0].back(), (Point2{3, 0}));  // a quarter of the perimeter 4 + 5 + 3

  // The editor says so and stays open; the sliding point is taken.
  ScriptedResponder script;
  const auto name = [&w](int i) {
    std::string text;
    w.tables().GetPointName(i, text);
    return text;
  };
  std::vector<std::string> refused;
  script.OnDialog("TRACEEDIT", [&](platform::Dialog& d) {
    d.CheckItem(engine::kTraceFirstSymbol, false);
    d.CheckItem(engine::kTraceVertex, true);
    d.SetItemText(engine::kTracePenVertex, name(f.m));
    for (const int vertex : {ratio, f.e, f.m}) {
      d.SetItemText(engine::kTraceVertexName, name(vertex));
      d.PressButton(1);
      if (d.result() != platform::IDOK) refused.push_back(name(vertex));
    }
    d.SetItemText(engine::kTraceVertexName, name(f.d));
    d.PressButton(1);
  });
  for (int k = 0; k < 3; ++k) script.AnswerMessage(platform::IDOK);
  ASSERT_TRUE(w.DispatchCommand(kCmdTracing));
  w.tracingDialog()->NewItem();
  EXPECT_EQ(refused, (std::vector<std::string>{name(ratio), name(f.e), name(f.m)}));
  EXPECT_EQ(script.Messages(), std::vector<std::string>(3, "cannot move this point"));
  ASSERT_EQ(w.traces.size(), 1u);
  EXPECT_EQ(w.traces[0].byte4, 0);
  EXPECT_EQ(w.traces[0].word5, f.d);
  EXPECT_EQ(w.traces[0].word7, f.m);
  EXPECT_TRUE(script.Unexpected().empty());
}

// Records the caption of the window at the moment a trace's path is drawn.
class CaptionPainter : public RecordingPainter {
 public:
  explicit CaptionPainter(PlaneWindow& w) : RecordingPainter(w.mapping), window_(w) {}
  std::vector<std::string> captions;

 protected:
  void DoFlaggedPolyline(std::span<const Point2> p, std::span<const std::uint8_t> f, int mode) override {
    captions.push_back(window_.Caption());
    RecordingPainter::DoFlaggedPolyline(p, f, mode);
  }

 private:
  PlaneWindow& window_;
};

TEST_F(TracingMarkings, ALongTraceSaysHowToStopItAndQStopsIt) {
  PlaneWindow w(0);
  const Figure f = TriangleFigure(w);
  const std::string caption = w.Caption();
  const Real slider = w.sliderValues()[0].value;
  w.traces.push_back(Trace(1, true, 0, f.d, 2000, 0, 1));
  w.SetTraceCapacity(2000);
  {
    CaptionPainter painter(w);
    w.DrawAllTracings(painter);
    EXPECT_EQ(painter.captions, std::vector<std::string>{"press Q to quit"});
    ASSERT_EQ(painter.paths.size(), 1u);
    EXPECT_EQ(painter.paths[0].size(), 2001u);
    EXPECT_EQ(w.Caption(), caption);
  }
  {
    platform::PostKeyPressForTesting(&w, 'Q', 0, "q");
    RecordingPainter painter(w.mapping);
    w.DrawAllTracings(painter);
    EXPECT_TRUE(painter.paths.empty() || painter.paths[0].size() < 2001u) << "Q stops the trace";
    EXPECT_EQ(w.sliderValues()[0].value, slider) << "and the control is restored";
  }
  // A slider animation keeps the caption and the keys: the trace runs to its end.
  {
    w.sliders.animating = 1;
    platform::PostKeyPressForTesting(&w, 'Q', 0, "q");
    CaptionPainter painter(w);
    w.DrawAllTracings(painter);
    w.sliders.animating = 0;
    EXPECT_EQ(painter.captions, std::vector<std::string>{caption});
    ASSERT_EQ(painter.paths.size(), 1u);
    EXPECT_EQ(painter.paths[0].size(), 2001u);
    EXPECT_EQ(w.PollKey(), 'Q') << "the key is left to the animation";
  }
  // Buffers of at most 1000 positions: no trace takes long enough to announce.
  w.traces[0] = Trace(1, true, 0, f.d, 500, 0, 1);
  w.SetTraceCapacity(1000);
  CaptionPainter painter(w);
  w.DrawAllTracings(painter);
  EXPECT_EQ(painter.captions, std::vector<std::string>{caption});
}

TEST_F(TracingMarkings, TheTraceTextNamesTheControlThePenAndTheColour) {
  PlaneWindow w(0);
  const Figure f = TriangleFigure(w);
  const std::string colour = w.RgbText(4);
  EXPECT_EQ(w.TraceItemText(Trace(1, true, 2, f.b, 10, 0, 1)), "control @; pen on B; color " + colour);
  EXPECT_EQ(w.TraceItemText(Trace(3, true, 9, f.b, 10, 0, 1)), "control [t]; whole fig; color " + colour);
  EXPECT_EQ(w.TraceItemText(Trace(1001, false, f.a, f.c, 10, 0, 1)), "control A; pen on C; color " + colour);
}

TEST_F(TracingMarkings, TheInventoryMakesEditsHidesAndDeletesTraces) {
  PlaneWindow w(0);
  const Figure f = TriangleFigure(w);
  ScriptedResponder script;
  // New, cancelled: nothing. New with a bad step count: "cannot understand" and the editor stays.
  script.OnDialog("TRACEEDIT", [](platform::Dialog& d) { d.PressButton(2); });
  ASSERT_TRUE(w.DispatchCommand(kCmdTracing));
  engine::TTraceDlg* inventory = w.tracingDialog();
  ASSERT_NE(inventory, nullptr);
  inventory->NewItem();
  EXPECT_TRUE(w.traces.empty());

  script.OnDialog("TRACEEDIT", [&](platform::Dialog& d) {
    EXPECT_TRUE(d.IsChecked(engine::kTraceFirstSymbol));
    EXPECT_EQ(d.GetItemText(engine::kTraceSteps), "100");
    d.SetItemText(engine::kTraceSteps, "1");
    d.SetItemText(engine::kTracePenVertex, "D");
    d.PressButton(1);
    EXPECT_NE(d.result(), platform::IDOK);
    d.SetItemText(engine::kTraceSteps, "2000");
    d.SetItemText(engine::kTraceHigh, "2*3");
    d.CheckItem(engine::kTraceWholeFigure, true);
    d.CheckItem(engine::kTracePenOnVertex, false);
    d.CheckItem(engine::kTraceWithLabels, true);
    d.PressButton(1);
  });
  script.AnswerMessage(platform::IDOK);
  inventory->NewItem();
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"cannot understand"}));
  ASSERT_EQ(w.traces.size(), 1u);
  EXPECT_EQ(w.traces[0].word2, 3);
  EXPECT_EQ(w.traces[0].word9, 2000);
  EXPECT_EQ(w.traces[0].value27, 6);
  EXPECT_GE(w.traceCapacity, 2000);
  EXPECT_TRUE(w.IsModified());

  // Hide: 3 becomes 1003 and its line starts with " [hide] "; again: 3.
  inventory->HideItem();
  EXPECT_EQ(w.traces[0].word2, 1003);
  EXPECT_EQ(inventory->ListText(engine::kTraceList, 0).rfind(" [hide] control #", 0), 0u);
  inventory->HideItem();
  EXPECT_EQ(w.traces[0].word2, 3);

  // Edit to a path of D controlled by the vertex D's own slider-free parameter is refused
  // (D is no vertex of a path there); a path of D by "$" is taken.
  script.OnDialog("TRACEEDIT", [&](platform::Dialog& d) {
    d.CheckItem(engine::kTraceFirstSymbol, false);
    d.CheckItem(engine::kTraceFirstSymbol + 1, true);
    d.CheckItem(engine::kTraceWholeFigure, false);
    d.CheckItem(engine::kTracePenOnVertex, true);
    d.SetItemText(engine::kTraceSteps, "4");
    d.PressButton(1);
  });
  inventory->EditItem();
  EXPECT_EQ(w.traces[0].word2, 1);
  EXPECT_EQ(w.traces[0].word5, 1);
  EXPECT_EQ(w.traces[0].word7, f.d);

  // Delete all asks first: no keeps them, yes clears.
  std::string question;
  const auto answer = [&question](int button) {
    return [&question, button](platform::Dialog& d) {
      question = d.GetItemText(231);
      d.PressButton(button);
    };
  };
  script.OnDialog("YNMBOX", answer(89));
  inventory->DeleteAll();
  EXPECT_EQ(question, "delete all items?");
  EXPECT_EQ(w.traces.size(), 1u);
  script.OnDialog("YNMBOX", answer(88));
  inventory->DeleteAll();
  EXPECT_TRUE(w.traces.empty());
  EXPECT_EQ(inventory->ListCount(engine::kTraceList), 0);
  EXPECT_TRUE(script.Unexpected().empty()) << script.Unexpected().front();
}

TEST_F(TracingMarkings, TheMarkingsDialogMarksListsAndDeletes) {
  PlaneWindow w(0);
  const Figure f = TriangleFigure(w);
  ScriptedResponder script;
  ASSERT_TRUE(w.DispatchCommand(kCmdMarkings));
  engine::TMarkDlg* dialog = w.markingsDialog();
  ASSERT_NE(dialog, nullptr);
  // Ticks hide "color"; a bracket hides the number and shows "color".
  EXPECT_FALSE(dialog->IsItemShown(engine::kMarkColor));
  EXPECT_EQ(dialog->GetItemText(engine::kMarkNumberLabel), "number");
  dialog->ListSelect(engine::kMarkType, 3);
  dialog->TypeChanged();
  EXPECT_EQ(dialog->type(), engine::kMarkPerpBracket);
  EXPECT_FALSE(dialog->IsItemShown(engine::kMarkNumber));
  EXPECT_TRUE(dialog->IsItemShown(engine::kMarkColor));

  // An angle arc of size step 5, colour 12, two arcs at ABC.
  dialog->ListSelect(engine::kMarkType, 2);
  dialog->ListSelect(engine::kMarkNumber, 1);
  dialog->ListSelect(engine::kMarkSize, 5);
  dialog->colour = 12;
  dialog->SetItemText(engine::kMarkWhere, "ABC");
  dialog->PressButton(engine::kMarkMark);
  ASSERT_EQ(w.markings.size(), 1u);
  engine::MarkingFields m = engine::FieldsOfMarking(w.markings[0]);
  EXPECT_EQ(m.type, 53);
  EXPECT_EQ(m.value, 1202);
  EXPECT_EQ(m.a, f.a);
  EXPECT_EQ(m.b, f.b);
  EXPECT_EQ(m.object, f.c);

  // Three ticks on AB; ticks on AC (no side there) and a label that names no point are refused.
  dialog->ListSelect(engine::kMarkType, 0);
  dialog->ListSelect(engine::kMarkNumber, 2);
  dialog->ListSelect(engine::kMarkSize, 0);
  dialog->SetItemText(engine::kMarkWhere, "AB");
  dialog->PressButton(engine::kMarkMark);
  script.AnswerMessage(platform::IDOK).AnswerMessage(platform::IDOK);
  dialog->SetItemText(engine::kMarkWhere, "AC");
  dialog->PressButton(engine::kMarkMark);
  dialog->SetItemText(engine::kMarkWhere, "AZ");
  dialog->PressButton(engine::kMarkMark);
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"could not find", "could not find"}));
  ASSERT_EQ(w.markings.size(), 2u);
  m = engine::FieldsOfMarking(w.markings[1]);
  EXPECT_EQ(m.type, 1);
  EXPECT_EQ(m.value, 3);
  EXPECT_EQ(m.object, 0);
  ASSERT_EQ(dialog->ListCount(engine::kMarkList), 2);
  EXPECT_EQ(dialog->ListText(engine::kMarkList, 0), "angle arc 1 (ABC) (mult 2)");
  EXPECT_EQ(dialog->ListText(engine::kMarkList, 1), "tick 2 (AB) (mult 3)");

  // Drawn: two arcs and three strokes. A marking whose point is gone is not drawn and stays.
  RecordingPainter painter(w.mapping);
  w.DrawMarkings(painter);
  EXPECT_EQ(painter.arcs, 2);
  EXPECT_EQ(painter.segments, 3);
  w.tables().exists[f.c] = 0;
  RecordingPainter without(w.mapping);
  w.DrawMarkings(without);
  EXPECT_EQ(without.arcs, 0);
  EXPECT_EQ(without.segments, 3);
  w.tables().exists[f.c] = 1;

  // Delete one with two lines and no selection asks for one; with a selection it deletes it;
  // with one line left it deletes that one; with none it does nothing.
  script.AnswerMessage(platform::IDOK);
  dialog->PressButton(engine::kMarkDeleteOne);
  EXPECT_EQ(script.Messages().back(), "make a selection");
  dialog->ListSelect(engine::kMarkList, 0);
  dialog->PressButton(engine::kMarkDeleteOne);
  ASSERT_EQ(w.markings.size(), 1u);
  EXPECT_EQ(engine::FieldsOfMarking(w.markings[0]).type, 1);
  dialog->PressButton(engine::kMarkDeleteOne);
  EXPECT_TRUE(w.markings.empty());
  dialog->PressButton(engine::kMarkDeleteOne);
  EXPECT_TRUE(script.Unexpected().empty());
}

TEST_F(TracingMarkings, TracesAndMarkingsAreSavedAndReadBackByteForByte) {
  const std::string path = (folder_ / "traced.kv2").string();
  {
    PlaneWindow w(0);
    const Figure f = TriangleFigure(w);
    w.traces.push_back(Trace(1, true, 0, f.d, 4, 0, 1));
    // A trace of no steps, as a damaged file may hold it, is kept but never drawn.
    w.traces.push_back(Trace(2, true, 0, f.d, 0, 0, 1));
    w.traces.back().word0 = 1;
    w.markings.push_back(engine::MarkingOfFields({static_cast<std::int16_t>(f.a), static_cast<std::int16_t>(f.b), 0, 1, 3}));
    w.markings.push_back(engine::MarkingOfFields(
        {static_cast<std::int16_t>(f.a), static_cast<std::int16_t>(f.b), static_cast<std::int16_t>(f.c), 53, 1202}));
    w.qelWin.writeSettings = 0;
    w.fileMsg.fileName = path;
    w.fileMsg.named = 1;
    ScriptedResponder script;
    // Painted first, as the reader will be: the label boxes a paint keeps go into the file.
    w.UpdateNow();
    ASSERT_TRUE(w.Save());
    w.Destroy();
  }
  PlaneWindow reader(0);
  reader.qelWin.writeSettings = 0;
  reader.fileMsg.fileName = path;
  ASSERT_EQ(reader.LoadFile(), 0);
  ASSERT_EQ(reader.traces.size(), 2u);
  EXPECT_EQ(reader.traces[1].word0, 1);
  ASSERT_EQ(reader.markings.size(), 2u);
  EXPECT_EQ(engine::FieldsOfMarking(reader.markings[1]).value, 1202);
  // Painting draws the trace and skips the empty one.
  RecordingPainter painter(reader.mapping);
  reader.DrawAllTracings(painter);
  EXPECT_EQ(painter.paths.size(), 1u);

  const kernel::Bytes first = kernel::ReadFileBytes(path).value();
  reader.UpdateNow();
  ASSERT_TRUE(reader.Save());
  const kernel::Bytes second = kernel::ReadFileBytes(path).value();
  ASSERT_EQ(second.size(), first.size());
  const auto [x, y] = std::mismatch(first.begin(), first.end(), second.begin());
  EXPECT_EQ(x - first.begin(), static_cast<std::ptrdiff_t>(first.size()));


  reader.Destroy();
}

TEST_F(TracingMarkings, TheTickLengthIsAPercentageOfTheScreen) {
  PlaneWindow w(0);
  ScriptedResponder script;
  for (const char* typed : {"0.1", "99.9", "abc", "2.5"}) script.FillAndPress("ONEINPUT", {{211, typed}}, 1);
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(w.DispatchCommand(kCmdTickLength));
  EXPECT_EQ(w.markingSizes.settings[0], 20);
  ASSERT_TRUE(w.DispatchCommand(kCmdTickLength));
  EXPECT_EQ(w.markingSizes.settings[0], 25);
}

TEST_F(TracingMarkings, TemporaryTracingLeavesDotsOfTheListedPoints) {
  PlaneWindow w(0);
  const Figure f = TriangleFigure(w);
  ScriptedResponder script;
  script.FillAndPress("ONEINPUT", {{211, "DZA"}}, 1);
  ASSERT_TRUE(w.DispatchCommand(kCmdTemporaryTracing));
  EXPECT_EQ(w.trailPoints, (std::vector<std::int16_t>{static_cast<std::int16_t>(f.d), static_cast<std::int16_t>(f.a)}));
  EXPECT_EQ(w.QueryCommand(kCmdTemporaryTracing).checked, true);
  w.sliderValues()[0].value = 0.5L;
  w.RefreshAfterSliderChange();
  ASSERT_EQ(w.trail.size(), 2u);
  EXPECT_EQ(w.trail[0].x, 0.5L);
  // The input starts with the traced points; an empty text ends the tracing and the trail.
  script.OnDialog("ONEINPUT", [](platform::Dialog& d) {
    EXPECT_EQ(d.GetItemText(211), "DA");
    d.SetItemText(211, "");
    d.PressButton(1);
  });
  ASSERT_TRUE(w.DispatchCommand(kCmdTemporaryTracing));
  EXPECT_TRUE(w.trailPoints.empty());
  EXPECT_TRUE(w.trail.empty());
}

TEST_F(TracingMarkings, TheVectorSumAddsVectorsAtTheBase) {
  PlaneWindow w(0);
  const int a = w.FreePoint(0, 0);
  w.FreePoint(1, 0);
  w.FreePoint(2, 2);
  w.FreePoint(2, 5);
  w.FreePoint(10, 10);
  ScriptedResponder script;
  script.FillAndPress("ONEINPUT", {}, 1);  // the preset "AB CD; E"
  ASSERT_TRUE(w.DispatchCommand(kCmdVectorSum));
  EXPECT_TRUE(script.Messages().empty()) << script.Messages().front();
  ASSERT_EQ(w.history().steps.back().kind, 208);
  EXPECT_EQ(w.history().steps.back().operands[0], 2);
  EXPECT_EQ(w.history().steps.back().text[0], "AB CD; E");
  const Point2 sum = w.tables().xy[w.tables().last_point];
  EXPECT_EQ(sum.x, 11);
  EXPECT_EQ(sum.y, 13);

  struct Case {
    const char* text;
    int message;
  };
  for (const Case& c : std::vector<Case>{{"AB CD E", 2}, {"AB CD F; E", 6}, {"AB; ", 24}})
    EXPECT_EQ(w.VectorSum(c.text), c.message) << c.text;
  EXPECT_EQ(w.history().steps.size(), 6u);  // five points and the sum

  kernel::Point3 v;
  EXPECT_EQ(w.ParseVectorText("2*3, 1", v), 0);
  EXPECT_EQ(v.x, 6);
  EXPECT_EQ(v.y, 1);
  EXPECT_EQ(w.ParseVectorText("2*3", v), 6);
  (void)a;
}

TEST_F(TracingMarkings, EvaluatedTextsShowTheirValuesWithAndWithoutParentheses) {
  PlaneWindow w(0);
  w.FreePoint(3, 4);
  struct Case {
    std::array<std::string, 4> strings;
    std::array<std::uint8_t, 5> switches;
    std::string shown;
  };
  const std::vector<Case> cases{
      {{"1+1", "", "", ""}, {1, 0, 0, 0, 0}, "2.000"},
      {{"1+1", "", "", ""}, {1, 0, 0, 0, 1}, "1+1 = 2.000"},
      {{"1+1", "[X](A)", "", "at ~2*2~ now"}, {1, 1, 0, 1, 1}, "at 4.00000 now (1+1,[X](A)) = (2.000,3.000)"},
      {{"1+1", "((", "", ""}, {1, 1, 0, 0, 0}, "(2.000,?)"},
  };
  for (const Case& c : cases) {
    view::EvalTextEntry entry;
    entry.strings = c.strings;
    entry.switches = c.switches;
    view::TextItem item;
    item.evalCode = 0xFFFF;
    ASSERT_EQ(w.FormatEvalText(entry, item.evalCode, false), 0);
    EXPECT_EQ(w.GetItemText(item), c.shown);
  }
  // A first expression that is off and empty asks for the text to go.
  view::EvalTextEntry empty;
  empty.switches = {0, 0, 0, 0, 0};
  std::uint16_t code = 0xFFFF;
  EXPECT_EQ(w.FormatEvalText(empty, code, true), -12);
}

}  // namespace

namespace {

TEST_F(TracingMarkings, InTheTextModeAPressOnALabelMovesTheLabelNotATextBeneathIt) {
  PlaneWindow w(0);
  const int a = w.FreePoint(0, 0);
  w.labelDisplay.labelMode = 1;
  w.qelWin.currentTool = 123;
  w.UpdateNow();  // the paint keeps the label boxes
  const engine::PointNameRecord before = w.tables().names[a];
  platform::PointI pixel;
  ASSERT_TRUE(w.PointToScreen(a, pixel));
  // A text lies under the label.
  view::TextItem text = w.InitTextItem({pixel.x + before.dx - 2, pixel.y + before.dy - 2}, 0, view::kTextFontSlot);
  text.text = "under";
  w.TextToRelative(text);
  w.textItems.plain.push_back(text);
  const view::TextItem placed = w.textItems.plain[0];

  ScriptedResponder script;
  script.OnLoop([&](platform::ModalLoop& loop) {
    platform::MouseEvent e;
    e.x = pixel.x + before.dx + 20;
    e.y = pixel.y + before.dy + 10;
    loop.FeedMouseUp(e);
  });
  platform::MouseEvent down;
  down.button = platform::MouseButton::Left;
  down.x = pixel.x + before.dx;
  down.y = pixel.y + before.dy;
  w.DeliverMouseDown(down);
  EXPECT_TRUE(script.Unexpected().empty());
  EXPECT_EQ(w.tables().names[a].dx, before.dx + 20);
  EXPECT_EQ(w.tables().names[a].dy, before.dy + 10);
  EXPECT_EQ(w.textItems.plain[0].x, placed.x);
  EXPECT_TRUE(w.fileMsg.modified);
}

}  // namespace
