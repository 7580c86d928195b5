// The plane window's filled regions (the fill dialog, the mix modes, drawing on the screen and in
// an SVG export), its user-defined functions, the bounce path, the data table and the random
// shapes animation, driven by command ids on a headless window.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/windows/func_dlg.h"
#include "kernel/file_bytes.h"
#include "kernel/random.h"
#include "platform/bitmap.h"
#include "platform/dc.h"
#include "platform/key_poll.h"
#include "platform/message_box.h"
#include "platform/scripted_responder.h"
#include "plane/fill_dlg.h"
#include "plane_window.h"
#include "resources/resource_library.h"
#include "shell/data_win.h"
#include "shell/msg_dlg.h"
#include "support/isolated_folders.h"
#include "view/export_formats.h"
#include "view/text_item.h"

namespace {

using kernel::Point2;
using plane_test::PlaneWindow;
using platform::Color;
using platform::ScriptedResponder;

using FillsFunctions = IsolatedFolders;

constexpr int kCmdFillRegions = 788;
constexpr int kCmdBounce = 806;
constexpr int kCmdRandomShapes = 7778;

// Points A (0, 0), B (2, 0), C (2, 2), D (0, 2) and their sides AB, BC, CD.
void Square(PlaneWindow& w) {
  w.FreePoint(0, 0);
  w.FreePoint(2, 0);
  w.FreePoint(2, 2);
  w.FreePoint(0, 2);
  ASSERT_EQ(w.SegmentsLinesRays(111, "ABCD"), 0);
}

platform::Bitmap Picture(PlaneWindow& w) {
  platform::Bitmap bitmap(w.ClientWidth(), w.ClientHeight());
  std::unique_ptr<platform::DC> dc = bitmap.CreateDC();
  w.PaintInto(*dc);
  return bitmap;
}

std::optional<Color> PixelAt(PlaneWindow& w, const platform::Bitmap& b, const Point2& p) {
  platform::PointI pixel;
  w.WorldToPixel(p, pixel);
  return b.GetPixel(pixel.x, pixel.y);
}

engine::TFuncDlg& Functions(PlaneWindow& w) {
  EXPECT_TRUE(w.DispatchCommand(engine::kCmdUserFunctions));
  return *w.functionDialog();
}

plane::TFillDlg& FillDialog(PlaneWindow& w) {
  EXPECT_TRUE(w.DispatchCommand(kCmdFillRegions));
  return *w.fillDialog();
}

void TypeFunction(engine::TFuncDlg& d, const std::string& name, const std::string& body) {
  d.SetItemText(engine::kFuncNameEdit, name);
  d.SetItemText(engine::kFuncExpressionEdit, body);
  d.PressButton(engine::kFuncEnter);
}

std::vector<std::string> ListLines(platform::Dialog& d, int id) {
  std::vector<std::string> lines;
  for (int i = 0; i < d.ListCount(id); ++i) lines.push_back(d.ListText(id, i));
  return lines;
}

// --- User-defined functions ---------------------------------------------------------------------

TEST_F(FillsFunctions, TheFunctionDialogRefusesBadEntriesWithTheirMessagesAndAddsGoodOnes) {
  PlaneWindow w(0);
  engine::TFuncDlg& d = Functions(w);
  ScriptedResponder script;
  for (int i = 0; i < 7; ++i) script.AnswerMessage(platform::IDOK);
  TypeFunction(d, "sq", "X*X");      // a built-in name
  TypeFunction(d, "", "X");          // no name
  TypeFunction(d, "G", "");          // no expression
  TypeFunction(d, "G(", "X");        // not a name
  TypeFunction(d, "G", "X+*");       // does not compile
  EXPECT_EQ(d.ListCount(engine::kFuncList), 0);
  TypeFunction(d, "f", "2");         // accepted with a warning
  TypeFunction(d, "F", "X");         // the name is taken
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"duplicate label", "missing data", "missing data",
                                                          "cannot understand", "inconsistent data",
                                                          "no occurrences of X", "duplicate label"}));
  EXPECT_EQ(ListLines(d, engine::kFuncList), std::vector<std::string>{"F(X) = 2"});
  EXPECT_EQ(d.GetItemText(engine::kFuncNameEdit), "F");  // the refused entry stays for correction
  EXPECT_EQ(w.fileMsg.modified, 1);

  // A function in X is used by name in every expression of the window.
  TypeFunction(d, "half", "x/2+[EXP](0)");
  engine::ExprValue value;
  std::string text = "[HALF](6)+[F](1)";
  EXPECT_LE(w.CompileExpression(text, value), 0);
  EXPECT_EQ(value.x, 6);
  EXPECT_TRUE(script.Unexpected().empty());
  w.Destroy();
}

TEST_F(FillsFunctions, EditingAFunctionRecomputesTheFigureAndCannotTakeAnotherName) {
  PlaneWindow w(0);
  engine::TFuncDlg& d = Functions(w);
  ScriptedResponder script;
  TypeFunction(d, "F", "3*X");
  ASSERT_EQ(w.Step(122, {}, {"[F](1)", "0"}), 0);
  EXPECT_EQ(w.tables().xy[0].x, 3);

  // With one function listed, edit needs no selection.
  d.PressButton(engine::kFuncEdit);
  EXPECT_EQ(d.editing(), 0);
  EXPECT_EQ(d.GetItemText(engine::kFuncExpressionEdit), "3*X");
  d.SetItemText(engine::kFuncExpressionEdit, "5*X");
  d.PressButton(engine::kFuncEnter);
  EXPECT_EQ(w.tables().xy[0].x, 5);
  EXPECT_EQ(ListLines(d, engine::kFuncList), std::vector<std::string>{"F(X) = 5*X"});

  TypeFunction(d, "G", "X-1");
  script.AnswerMessage(platform::IDOK).AnswerMessage(platform::IDOK).AnswerMessage(platform::IDOK);
  d.PressButton(engine::kFuncEdit);  // two lines, none selected
  d.ListSelect(engine::kFuncList, 1);
  d.PressButton(engine::kFuncEdit);
  d.SetItemText(engine::kFuncNameEdit, "F");
  d.PressButton(engine::kFuncEnter);
  d.SetItemText(engine::kFuncNameEdit, "COS");
  d.PressButton(engine::kFuncEnter);
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"make a selection", "duplicate label", "duplicate label"}));
  // Keeping its own name is no clash.
  d.SetItemText(engine::kFuncNameEdit, "G");
  d.PressButton(engine::kFuncEnter);
  EXPECT_EQ(ListLines(d, engine::kFuncList), (std::vector<std::string>{"F(X) = 5*X", "G(X) = X-1"}));

  // Copy fills the edits but makes a new function.
  d.ListSelect(engine::kFuncList, 0);
  d.PressButton(engine::kFuncCopy);
  EXPECT_EQ(d.editing(), -1);
  d.SetItemText(engine::kFuncNameEdit, "H");
  d.PressButton(engine::kFuncEnter);
  EXPECT_EQ(d.ListCount(engine::kFuncList), 3);

  d.ListSelect(engine::kFuncList, 0);
  d.PressButton(engine::kFuncDelete);
  EXPECT_EQ(ListLines(d, engine::kFuncList), (std::vector<std::string>{"G(X) = X-1", "H(X) = 5*X"}));
  EXPECT_TRUE(script.Unexpected().empty());
  w.Destroy();
}

TEST_F(FillsFunctions, FunctionsFillsAndTheMixModeGoWithTheFileAndComeBackByteForByte) {
  const std::string path = (folder_ / "f.kv2").string();
  {
    PlaneWindow w(0);
    Square(w);
    TypeFunction(Functions(w), "TWICE", "2*X");
    plane::TFillDlg& d = FillDialog(w);
    d.SetItemText(plane::kFillVertices, "ABC");
    d.PressButton(plane::kFillMake);
    ASSERT_TRUE(w.DispatchCommand(engine::kCmdFillXor));
    w.qelWin.writeSettings = 0;
    w.fileMsg.fileName = path;
    w.fileMsg.named = 1;
    ASSERT_TRUE(w.Save());
    w.Destroy();
  }
  PlaneWindow reader(0);
  reader.qelWin.writeSettings = 0;
  reader.fileMsg.fileName = path;
  ASSERT_EQ(reader.LoadFile(), 0);
  ASSERT_EQ(reader.compiler.settings.user_functions.size(), 1u);
  EXPECT_EQ(reader.compiler.settings.user_functions[0].name, "TWICE");
  EXPECT_EQ(reader.compiler.settings.user_functions[0].body, "2*X");
  EXPECT_EQ(reader.fills.size(), 1u);
  EXPECT_EQ(reader.fillMixMode, engine::kCmdFillXor);
  const kernel::Bytes first = kernel::ReadFileBytes(path).value();
  reader.fileMsg.named = 1;
  ASSERT_TRUE(reader.Save());
  EXPECT_EQ(kernel::ReadFileBytes(path).value(), first);
  // A new figure has no functions.
  reader.ClearFigure();
  EXPECT_TRUE(reader.compiler.settings.user_functions.empty());
  reader.Destroy();
}

// --- The fill dialog ----------------------------------------------------------------------------

TEST_F(FillsFunctions, AFourthLabelThatNamesNoPointLeavesATriangleAndTooFewPointsAreRefused) {
  PlaneWindow w(0);
  Square(w);
  plane::TFillDlg& d = FillDialog(w);
  EXPECT_EQ(d.GetItemText(plane::kFillPatternName), "solid");
  d.SetItemText(plane::kFillVertices, "abcz");
  d.PressButton(plane::kFillMake);
  ASSERT_EQ(w.fills.size(), 1u);
  const kernel::FillRecord& fill = w.fills[0];
  EXPECT_EQ(fill.mode, kernel::kFillPolygon);
  EXPECT_NE(fill.style, w.preWin.roles[0]);  // a fresh window's fill shows on its background
  EXPECT_EQ(std::vector<int>(fill.vertices.begin(), fill.vertices.begin() + 4), (std::vector<int>{0, 1, 2, 0xFFFF}));
  EXPECT_EQ(d.ListText(plane::kFillList, 0).rfind("polygon ABC with solid ", 0), 0u);
  EXPECT_EQ(d.GetItemText(plane::kFillVertices), "");

  // A closing vertex that repeats the first is dropped.
  d.SetItemText(plane::kFillVertices, "ABCDA");
  d.PressButton(plane::kFillMake);
  EXPECT_EQ(w.fills[1].vertices[4], 0xFFFF);

  ScriptedResponder script;
  script.AnswerMessage(platform::IDOK).AnswerMessage(platform::IDOK);
  d.SetItemText(plane::kFillVertices, "AB");
  d.PressButton(plane::kFillMake);
  d.CheckItem(plane::kFillPolygonChoice, false);
  d.CheckItem(plane::kFillCurveChoice, true);
  d.PressButton(plane::kFillMake);  // no circle or curve to choose
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"missing data", "make a selection"}));
  EXPECT_EQ(w.fills.size(), 2u);
  EXPECT_TRUE(script.Unexpected().empty());
  w.Destroy();
}

TEST_F(FillsFunctions, ThePatternButtonCyclesThroughSevenNames) {
  PlaneWindow w(0);
  Square(w);
  plane::TFillDlg& d = FillDialog(w);
  std::vector<std::string> names;
  for (int i = 0; i < 8; ++i) {
    d.PressButton(plane::kFillPattern);
    names.push_back(d.GetItemText(plane::kFillPatternName));
  }
  EXPECT_EQ(names, (std::vector<std::string>{"diag up", "hor ver cross", "diag cross", "diag down", "hor stripes",
                                             "ver stripes", "solid", "diag up"}));
  w.Destroy();
}

TEST_F(FillsFunctions, NewFillsGoBeforeOrAfterTheSelectionAndDeletingTheLastSelectsTheFirst) {
  PlaneWindow w(0);
  Square(w);
  plane::TFillDlg& d = FillDialog(w);
  const auto make = [&d](const std::string& vertices) {
    d.SetItemText(plane::kFillVertices, vertices);
    d.PressButton(plane::kFillMake);
  };
  make("ABC");
  make("BCD");  // after, nothing selected: at the end
  d.CheckItem(plane::kFillAfter, false);
  d.CheckItem(plane::kFillBefore, true);
  make("CDA");  // before, nothing selected: at the head
  d.ListSelect(plane::kFillList, 2);
  make("DAB");  // before the selected BCD
  std::vector<std::string> order;
  for (const kernel::FillRecord& f : w.fills) order.push_back(d.FillText(f).substr(8, 3));
  EXPECT_EQ(order, (std::vector<std::string>{"CDA", "ABC", "DAB", "BCD"}));
  for (std::size_t k = 0; k < w.fills.size(); ++k) EXPECT_EQ(w.fills[k].word0, k);

  d.ListSelect(plane::kFillList, 3);
  d.PressButton(plane::kFillDeleteOne);
  EXPECT_EQ(w.fills.size(), 3u);
  EXPECT_EQ(d.ListSelection(plane::kFillList), 0);

  ScriptedResponder script;
  std::vector<std::string> questions;
  for (const int button : {shell::kNoButton, shell::kYesButton}) {
    script.OnDialog("YNMBOX", [&questions, button](platform::Dialog& box) {
      questions.push_back(box.GetItemText(231));
      box.PressButton(button);
    });
  }
  d.PressButton(plane::kFillDeleteAll);
  EXPECT_EQ(w.fills.size(), 3u);
  d.PressButton(plane::kFillDeleteAll);
  EXPECT_TRUE(w.fills.empty());
  EXPECT_EQ(d.ListCount(plane::kFillList), 0);
  EXPECT_EQ(questions, (std::vector<std::string>{"delete all items?", "delete all items?"}));
  w.Destroy();
}

TEST_F(FillsFunctions, ACircleChosenInTheCurveListIsFilledAsADisc) {
  PlaneWindow w(0);
  w.FreePoint(0, 0);
  w.FreePoint(1, 0);
  ASSERT_EQ(w.Step(91, {0, 1}), 0);  // the circle about A through B
  ASSERT_EQ(w.tables().last_circle, 0);
  plane::TFillDlg& d = FillDialog(w);
  EXPECT_EQ(d.ListCount(plane::kFillCurves), 1);
  EXPECT_EQ(d.chosen, 0);
  d.CheckItem(plane::kFillPolygonChoice, false);
  d.CheckItem(plane::kFillCurveChoice, true);
  w.preWin.roles[plane::kFillColorRole] = 4;
  d.PressButton(plane::kFillMake);
  ASSERT_EQ(w.fills.size(), 1u);
  EXPECT_EQ(w.fills[0].mode, kernel::kFillInsideCircle);
  EXPECT_EQ(w.fills[0].circle, 0);
  const platform::Bitmap picture = Picture(w);
  EXPECT_EQ(PixelAt(w, picture, {0.5L, 0.3L}), Color::FromColorRef(w.DrawColor(4)));
  EXPECT_NE(PixelAt(w, picture, {1.2L, 0.3L}), Color::FromColorRef(w.DrawColor(4)));
  w.Destroy();
}

// --- Drawing under the mix modes ----------------------------------------------------------------

TEST_F(FillsFunctions, OverlappingFillsInXorShowTheXorOfTheirColoursAndOpaqueRepaintsThemPlain) {
  PlaneWindow w(0);
  Square(w);
  plane::TFillDlg& d = FillDialog(w);
  w.preWin.roles[plane::kFillColorRole] = 4;
  d.SetItemText(plane::kFillVertices, "ABC");
  d.PressButton(plane::kFillMake);
  w.preWin.roles[plane::kFillColorRole] = 5;
  d.SetItemText(plane::kFillVertices, "ABD");
  d.PressButton(plane::kFillMake);
  const Color first = Color::FromColorRef(w.DrawColor(4));
  const Color second = Color::FromColorRef(w.DrawColor(5));
  const Point2 overlap{1.5L, 0.3L};
  EXPECT_EQ(PixelAt(w, Picture(w), overlap), second);

  w.fileMsg.modified = 0;
  ASSERT_TRUE(w.DispatchCommand(engine::kCmdFillXor));
  EXPECT_EQ(w.fileMsg.modified, 1);
  const platform::Bitmap xored = Picture(w);
  const std::optional<Color> mixed = PixelAt(w, xored, overlap);
  ASSERT_TRUE(mixed);
  // The background under both fills is XORed twice more: the overlap is bg ^ first ^ second
  // where the background is white only when it is.
  const std::optional<Color> background = PixelAt(w, Picture(w), {-1, -1});
  ASSERT_TRUE(background);
  EXPECT_EQ(mixed->r, background->r ^ first.r ^ second.r);
  EXPECT_EQ(mixed->g, background->g ^ first.g ^ second.g);
  EXPECT_EQ(mixed->b, background->b ^ first.b ^ second.b);

  // The mode already set changes nothing.
  w.fileMsg.modified = 0;
  ASSERT_TRUE(w.DispatchCommand(engine::kCmdFillXor));
  EXPECT_EQ(w.fileMsg.modified, 0);
  ASSERT_TRUE(w.DispatchCommand(engine::kCmdFillOpaque));
  EXPECT_EQ(PixelAt(w, Picture(w), overlap), second);
  w.Destroy();
}

TEST_F(FillsFunctions, AFillWhoseVertexIsGoneIsNotDrawnAndHideColorHidesEveryFill) {
  PlaneWindow w(0);
  Square(w);
  kernel::FillRecord fill;
  kernel::InitFillRecord(fill);
  fill.mode = kernel::kFillPolygon;
  fill.style = 4;
  fill.vertices = {};
  fill.vertices[0] = 0;
  fill.vertices[1] = 1;
  fill.vertices[2] = 2;
  fill.vertices[3] = kernel::kFillListEnd;
  w.fills.push_back(fill);
  fill.vertices[2] = 7000;  // no such point
  w.fills.push_back(fill);
  const Color colour = Color::FromColorRef(w.DrawColor(4));
  EXPECT_EQ(PixelAt(w, Picture(w), {1.5L, 0.3L}), colour);
  w.fills.erase(w.fills.begin());
  w.wing.pictureValid = 0;  // as the fill commands mark the picture
  EXPECT_NE(PixelAt(w, Picture(w), {1.5L, 0.3L}), colour);
  w.fills.insert(w.fills.begin(), w.fills[0]);
  w.fills[0].vertices[2] = 2;
  ASSERT_TRUE(w.DispatchCommand(engine::kCmdHideColor));
  EXPECT_NE(PixelAt(w, Picture(w), {1.5L, 0.3L}), colour);
  w.Destroy();
}

TEST_F(FillsFunctions, ATriangleFilledFromTheDialogGoesIntoTheSvgExport) {
  PlaneWindow w(0);
  Square(w);
  plane::TFillDlg& d = FillDialog(w);
  d.SetItemText(plane::kFillVertices, "ABC");
  d.PressButton(plane::kFillMake);
  ASSERT_TRUE(w.DispatchCommand(engine::kCmdFillXor));  // vector outputs fill plainly
  ScriptedResponder script;
  script.ChooseFile((folder_ / "fill.svg").string());
  script.OnDialog("SVG", [](platform::Dialog& dialog) { dialog.PressButton(platform::IDOK); });
  script.AnswerMessage(platform::IDOK);
  ASSERT_TRUE(w.DispatchCommand(view::kCmdExportSVG));
  EXPECT_TRUE(script.Unexpected().empty());
  std::ifstream in(folder_ / "fill.svg");
  std::stringstream text;
  text << in.rdbuf();
  const std::string svg = text.str();
  EXPECT_NE(svg.find("<polygon"), std::string::npos) << svg;
  w.Destroy();
}

// --- Bounce path --------------------------------------------------------------------------------

TEST_F(FillsFunctions, TheBounceCommandSetsThePathAndRefusesBadInput) {
  PlaneWindow w(0);
  w.FreePoint(0, 0);
  w.FreePoint(1, 0.5L);
  w.FreePoint(-3, -3);
  w.FreePoint(3, -3);
  w.FreePoint(3, 3);
  w.FreePoint(-3, 3);
  ASSERT_EQ(w.SegmentsLinesRays(111, "CDEFC"), 0);
  ScriptedResponder script;
  script.FillAndPress("BNCE", {{211, "AA"}, {212, "4"}}, platform::IDOK).AnswerMessage(platform::IDOK);
  script.FillAndPress("BNCE", {{211, "AB"}, {212, "0"}}, platform::IDOK).AnswerMessage(platform::IDOK);
  script.FillAndPress("BNCE", {{211, "AB"}, {212, "4"}}, platform::IDOK);
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(w.DispatchCommand(kCmdBounce));
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"duplicate label", "positive value?"}));
  EXPECT_EQ(w.bounce.shown, 1);
  EXPECT_EQ(w.bounce.start, 0);
  EXPECT_EQ(w.bounce.aim, 1);
  EXPECT_EQ(w.bounce.impacts, 4);
  std::vector<Point2> points;
  EXPECT_EQ(w.ComputeBouncePath(points), 5);
  EXPECT_NEAR(static_cast<double>(points[1].x), 3, 1e-9);
  EXPECT_NEAR(static_cast<double>(points[1].y), 1.5, 1e-9);
  EXPECT_TRUE(script.Unexpected().empty());
  w.Destroy();
}

// --- Data table ---------------------------------------------------------------------------------

TEST_F(FillsFunctions, TheDataTableRecordsDistinctRowsOfTheShownMeasurements) {
  PlaneWindow w(0);
  w.FreePoint(1, 2);
  for (const char* text : {"3+4", "A", "#", "2*#"}) {
    view::TextItem item;
    item.text = text;
    item.evalCode = 0;
    w.textItems.measurements.push_back(item);
  }
  w.textItems.measurements[3].shown = 0;
  // A point gives a column for x and one for y; a hidden text gives none.
  const auto columns = w.DataTableColumns();
  ASSERT_EQ(columns.size(), 3u);
  EXPECT_EQ(columns[1].text, "A");
  EXPECT_EQ(columns[1].values, 2);
  EXPECT_EQ(columns[2].text, "#");
  EXPECT_EQ(w.RecordDataRow(), 1);
  EXPECT_EQ(w.RecordDataRow(), 0);  // the same values again
  w.compiler.settings.parameters[0].value = 0.5L;
  EXPECT_EQ(w.RecordDataRow(), 1);
  ASSERT_EQ(w.dataRows.size(), 2u);
  EXPECT_EQ(w.dataRows[1][0], 7);
  EXPECT_EQ(w.dataRows[1][1], 1);
  EXPECT_EQ(w.dataRows[1][2], 2);
  EXPECT_EQ(w.dataRows[1][3], 0.5L);
  const std::string text = w.dataWindow()->editor().Text();
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3) << text;

  // While the user's edits stand, nothing is recorded.
  w.dataWindow()->editor().SetModified(true);
  w.compiler.settings.parameters[0].value = 0.75L;
  EXPECT_EQ(w.RecordDataRow(), 0);

  ScriptedResponder script;
  std::string question;
  script.OnDialog("YNMBOX", [&question](platform::Dialog& box) {
    question = box.GetItemText(231);
    box.PressButton(shell::kYesButton);
  });
  ASSERT_TRUE(w.DispatchCommand(engine::kCmdZeroData));
  EXPECT_TRUE(w.dataRows.empty());
  EXPECT_EQ(question, "delete data");
  EXPECT_EQ(w.dataWindow()->editor().Text(), "");
  w.Destroy();
}

// --- Random shapes ------------------------------------------------------------------------------

TEST_F(FillsFunctions, TheRandomShapesRunUntilAKeyAndLeaveTheFigureAlone) {
  for (const std::uint8_t hyperbolic : {0, 1}) {
    PlaneWindow w(hyperbolic);
    w.FreePoint(0.1L, 0.2L);
    const auto history = w.history().steps.size();
    const std::string caption = w.Caption();
    kernel::SeedRandom(7);
    platform::PostKeyPressForTesting(&w, 'A', 0, "a");
    ASSERT_TRUE(w.DispatchCommand(kCmdRandomShapes));
    EXPECT_EQ(w.history().steps.size(), history);
    EXPECT_EQ(w.tables().xy[0].x, 0.1L);
    EXPECT_EQ(w.Caption(), caption);
    w.Destroy();
  }
}

}  // namespace
