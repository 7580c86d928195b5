// The texts of a figure beyond its labels: measurements in a PiCTeX picture, the name of the x
// axis, texts tied to points and the coordinates shown at the mouse.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "../view/export_readers.h"
#include "engine/windows/coordinate_tracking.h"
#include "plane_window.h"
#include "platform/dc.h"
#include "platform/scripted_responder.h"
#include "support/isolated_folders.h"
#include "view/export_formats.h"
#include "view/figure_painter.h"
#include "view/pictex_dlg.h"
#include "view/text_item_dlg.h"

namespace {

using kernel::Point2;
using kernel::Real;
using plane_test::PlaneWindow;
using platform::PointI;
using platform::ScriptedResponder;
using FigureTexts = IsolatedFolders;

constexpr int kModeCoordinates = 125;

// A window showing -5..5 both ways, 401 pixels square.
struct FixedView : PlaneWindow {
  FixedView() : PlaneWindow(0) {
    SetView(0, 0, 5, 5, false);
    UpdateView();
  }
  PointI Pixel(Real x, Real y) const {
    PointI p;
    WorldToPixel({x, y}, p);
    return p;
  }
};

// Records the texts drawn; with setsTexts it stands for a writer that places texts itself.
class TextRecorder : public view::FigurePainter {
 public:
  struct Drawn {
    std::string text;
    PointI anchor;
    Point2 point;
    int h = 0;
    int v = 0;
    view::TextStyle style;
  };
  TextRecorder(const view::ViewMapping& m, bool setsTexts) : FigurePainter(m), setsTexts_(setsTexts) {}
  std::vector<Drawn> texts;
  bool SetsTextsItself() const override { return setsTexts_; }

 protected:
  bool DoSegment(const Point2&, const Point2&, bool) override { return true; }
  void DoText(PointI anchor, std::string_view text, int h, int v, std::optional<kernel::ColorRef>) override {
    texts.push_back({std::string(text), anchor, {}, h, v, state().text});
  }
  void DoTextAtPoint(const Point2& p, std::string_view text, int h, int v) override {
    texts.push_back({std::string(text), {}, p, h, v, state().text});
  }
  platform::SizeI DoTextExtent(std::string_view text) override {
    return {static_cast<int>(text.size()) * 7, 12};
  }

 private:
  bool setsTexts_;
};

TEST_F(FigureTexts, AMeasurementGoesIntoPiCTeXAsOnePutFromItsCornerInMathMode) {
  FixedView w;
  w.FreePoint(1, 2);
  w.AddTextItem("1+1", 0, true);
  w.AddTextItem("2*3", 0, true);
  w.textItems.measurements[1].evalCode = 1000;  // shown by its value alone
  view::TextItem plain = w.InitTextItem({200, 300}, 0, view::kTextFontSlot);
  plain.text = "50% plain";
  w.TextToRelative(plain);
  w.textItems.plain.push_back(plain);
  w.UpdateNow();  // the paint measures the boxes

  ScriptedResponder script;
  script.ChooseFile((folder_ / "texts.tex").string());
  script.OnDialog("PICTEX", [](platform::Dialog& d) {
    d.PressButton(view::kTeXFirstFlavour + view::kTeXCompilable);
    d.PressButton(platform::IDOK);
  });
  script.AnswerMessage(platform::IDOK);
  ASSERT_TRUE(w.DispatchCommand(view::kCmdExportPiCTeX));
  EXPECT_TRUE(script.Unexpected().empty());
  std::ifstream in(folder_ / "texts.tex", std::ios::binary);
  std::stringstream read;
  read << in.rdbuf();
  const std::string tex = read.str();

  const std::string value = w.GetItemText(w.textItems.measurements[1]);
  EXPECT_EQ(value.rfind("6.0", 0), 0u) << value;
  struct Case {
    std::size_t item;
    std::string shown;
  };
  const std::string sum = w.GetItemText(w.textItems.measurements[0]);
  EXPECT_EQ(sum.rfind("1+1 = 2.0", 0), 0u) << sum;
  for (const Case& c : {Case{0, sum}, Case{1, value}}) {
    view::TextItem corner = w.textItems.measurements[c.item];
    w.TextToAbsolute(corner);
    const std::regex put("\\\\put \\{\\$" + std::regex_replace(c.shown, std::regex(R"([+*.])"), R"(\$&)") +
                         R"(\$\} \[lt\] at +(-?[0-9.]+) +(-?[0-9.]+)\r\n)");
    std::smatch m;
    ASSERT_TRUE(std::regex_search(tex, m, put)) << c.shown << "\n" << tex;
    EXPECT_NEAR(std::stod(m[1]), static_cast<double>(corner.x), 1e-4);
    EXPECT_NEAR(std::stod(m[2]), static_cast<double>(corner.y), 1e-4);
  }
  // A typed text keeps its place at the middle of its box.
  EXPECT_NE(tex.find("\\put {50\\% plain} at "), std::string::npos) << tex;
  EXPECT_EQ(tex.find("displaystyle"), std::string::npos) << tex;
}

// Runs an export command of the window into the file, answering its dialog; the file's text.
std::string ExportFile(PlaneWindow& w, int command, const std::filesystem::path& path) {
  ScriptedResponder script;
  script.ChooseFile(path.string());
  if (command == view::kCmdExportPiCTeX) {
    script.OnDialog("PICTEX", [](platform::Dialog& d) {
      d.PressButton(view::kTeXFirstFlavour + view::kTeXCompilable);
      d.PressButton(platform::IDOK);
    });
  } else {
    script.OnDialog("SVG", [](platform::Dialog& d) { d.PressButton(platform::IDOK); });
  }
  script.AnswerMessage(platform::IDOK);
  EXPECT_TRUE(w.DispatchCommand(command));
  EXPECT_TRUE(script.Unexpected().empty());
  std::ifstream in(path, std::ios::binary);
  std::stringstream read;
  read << in.rdbuf();
  return read.str();
}

TEST_F(FigureTexts, ATracedMarkedAndMeasuredTriangleGoesIntoSvgAndPiCTeXThatTheirReadersAccept) {
  FixedView w;
  const int a = w.FreePoint(-3, -2);
  const int b = w.FreePoint(3, -2);
  const int c = w.FreePoint(-1, 3);
  ASSERT_EQ(w.Step(111, {a, b, -1, 0, 0, 0}), 0);
  ASSERT_EQ(w.Step(111, {b, c, -1, 0, 0, 0}), 0);
  ASSERT_EQ(w.Step(111, {c, a, -1, 0, 0, 0}), 0);
  ASSERT_EQ(w.Step(122, {}, {"4*#-2", "1"}), 0);
  const int d = w.tables().last_point;
  kernel::TraceRecord trace;
  kernel::InitTraceRecord(trace, 1, 1, 0, static_cast<std::uint16_t>(d), 0, 1, 40, 4, 0);
  w.traces.push_back(trace);
  ASSERT_EQ(w.AddMarking("AB", 1, 2), 0);
  ASSERT_EQ(w.AddMarking("AC", 1, 2), 0);
  ASSERT_EQ(w.AddMarking("BAC", 53, 1202), 0);
  w.AddTextItem("AB 50% & $", 0, true);
  w.UpdateNow();

  const std::string svg = ExportFile(w, view::kCmdExportSVG, folder_ / "figure.svg");
  export_test::ExpectSvgReadable(svg);
  EXPECT_NE(svg.find("AB 50% &amp; $"), std::string::npos) << svg;
  const std::string tex = ExportFile(w, view::kCmdExportPiCTeX, folder_ / "figure.tex");
  EXPECT_NE(tex.find("% begin tracing"), std::string::npos);
  EXPECT_NE(tex.find("\\put {$AB 50\\% \\& \\$"), std::string::npos) << tex;
  if (std::system("command -v tex >/dev/null 2>&1") != 0 ||
      std::system("kpsewhich pictex.tex >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "TeX with the PiCTeX macros is not installed (Debian: texlive-pictures)";
  const std::string command =
      "cd '" + folder_.string() + "' && tex -interaction=nonstopmode -halt-on-error figure.tex </dev/null >/dev/null 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0);
}

TEST_F(FigureTexts, TheAxisNameStandsAboveTheRightEndOfTheXAxisWhereverThatIs) {
  FixedView w;
  w.qelWin.currentTool = 0;
  const Real px = w.mapping.unitsPerPixelX;
  const Real py = w.mapping.unitsPerPixelY;
  const Point2 anchor{5 - 4 * px, w.axes.tickLength * py / 2 + 2 * py};

  TextRecorder screen(w.mapping, false);
  w.DrawAxisNameText(screen, "");
  EXPECT_TRUE(screen.texts.empty());
  w.DrawAxisNameText(screen, "AB");
  ASSERT_EQ(screen.texts.size(), 1u);
  EXPECT_EQ(screen.texts[0].text, "AB");
  EXPECT_EQ(screen.texts[0].anchor, w.Pixel(anchor.x, anchor.y));
  EXPECT_EQ(screen.texts[0].h, -1);  // ends at the anchor
  EXPECT_EQ(screen.texts[0].v, 1);   // stands on it
  EXPECT_EQ(screen.texts[0].style.color, view::InkColor::Index(w.preWin.roles[3]));
  EXPECT_EQ(screen.texts[0].style.pointSize, w.fontWin.pointSizes[2]);
  EXPECT_FALSE(screen.texts[0].style.formula);

  // The x axis far below the view: the name is still drawn, at its place off the picture.
  w.SetView(0, 100, 5, 5, false);
  w.UpdateView();
  TextRecorder off(w.mapping, false);
  w.DrawAxisNameText(off, "AB");
  ASSERT_EQ(off.texts.size(), 1u);
  EXPECT_GT(off.texts[0].anchor.y, w.mapping.height);

  // A writer that sets its texts itself gets the world point.
  TextRecorder writer(w.mapping, true);
  w.DrawAxisNameText(writer, "AB");
  ASSERT_EQ(writer.texts.size(), 1u);
  EXPECT_EQ(writer.texts[0].point.x, 5 - 4 * px);
  EXPECT_EQ(writer.texts[0].point.y, anchor.y);
  EXPECT_EQ(writer.texts[0].h, -1);
  EXPECT_EQ(writer.texts[0].v, 1);
}

TEST_F(FigureTexts, ATextCanBeTiedToAnExistingPointAndFollowsIt) {
  FixedView w;
  const int a = w.FreePoint(0, 0);
  const int b = w.FreePoint(2, 1);
  const int c = w.FreePoint(-2, -1);
  w.tables().exists[a] = 0;  // a point its construction no longer gives

  ScriptedResponder script;
  script.OnDialog("NEWTEXT", [&](platform::Dialog& d) {
    ASSERT_EQ(d.ListCount(view::kObjectList), 2);
    EXPECT_EQ(d.ListText(view::kObjectList, 0), "B");
    EXPECT_EQ(d.ListText(view::kObjectList, 1), "C");
    EXPECT_EQ(d.ListSelection(view::kObjectList), -1);
    d.SetItemText(view::kTextEdit, "near C");
    d.CheckItem(view::kTieFigureRadio, false);
    d.CheckItem(view::kTieOtherRadio, true);
    d.ListSelect(view::kObjectList, 1);
    d.PressButton(platform::IDOK);
  });
  w.EditText({100, 100});
  ASSERT_EQ(w.textItems.plain.size(), 1u);
  EXPECT_EQ(w.textItems.plain[0].tie, c);

  // It moves with C.
  view::TextItem before = w.textItems.plain[0];
  w.TextToAbsolute(before);
  w.tables().xy[c] = {-1, 1};
  view::TextItem after = w.textItems.plain[0];
  w.TextToAbsolute(after);
  EXPECT_EQ(after.x - before.x, 1);
  EXPECT_EQ(after.y - before.y, 2);

  // Edited again, the list shows its point chosen.
  script.OnDialog("NEWTEXT", [&](platform::Dialog& d) {
    EXPECT_EQ(d.ListSelection(view::kObjectList), 1);
    d.PressButton(platform::IDCANCEL);
  });
  const PointI at{w.XToScreen(after.x) + 2, w.YToScreen(after.y) + 2};
  w.EditText(at);
  EXPECT_TRUE(script.Unexpected().empty());
  (void)b;
}

TEST(CoordinateText, StandsCentredAtTheMouseInsideTheWindow) {
  struct Case {
    PointI mouse;
    platform::SizeI text;
    PointI place;
  };
  const std::vector<Case> cases{
      {{200, 100}, {60, 12}, {170, 100}},  // centred, standing on the mouse
      {{390, 100}, {60, 12}, {336, 100}},  // ends 4 pixels inside the right edge
      {{10, 100}, {60, 12}, {4, 100}},     // starts 4 pixels inside the left edge
      {{200, 21}, {60, 12}, {170, 39}},    // too near the top: hangs below the mouse
      {{200, 22}, {60, 12}, {170, 22}},
      {{200, 100}, {500, 12}, {4, 100}},  // wider than the window: from the left
  };
  for (const Case& c : cases) {
    const PointI place = engine::CoordinateTextPlace(c.mouse, c.text, 400);
    EXPECT_EQ(place, c.place) << c.mouse.x << "," << c.mouse.y;
  }
}

// The pixels of the box that differ from the window's background.
int InkedPixels(PlaneWindow& w, const platform::Rect& box) {
  const std::unique_ptr<platform::DC> dc = w.GetDC();
  const platform::Color background = platform::Color::FromColorRef(w.Color(w.preWin.roles[0]));
  int count = 0;
  for (int y = box.top; y < box.bottom; ++y)
    for (int x = box.left; x < box.right; ++x)
      if (const auto c = dc->GetPixel({x, y}); c && !(*c == background)) ++count;
  return count;
}

TEST_F(FigureTexts, TheCoordinatesOfThePointUnderTheMouseShowWhileTheButtonIsHeld) {
  FixedView w;
  w.FreePoint(2, -3);
  w.qelWin.currentTool = kModeCoordinates;
  w.labelDisplay.labelMode = 0;
  w.UpdateNow();
  const std::string caption = w.Caption();
  const PointI at = w.Pixel(2, -3);
  // The text stands on the mouse, centred on it.
  const platform::Rect above{at.x - 30, at.y - 12, at.x + 30, at.y - 4};
  const int before = InkedPixels(w, above);

  int during = 0;
  ScriptedResponder script;
  script.OnLoop([&](platform::ModalLoop& loop) {
    during = InkedPixels(w, above);
    platform::MouseEvent e;
    e.x = at.x + 40;
    e.y = at.y;
    loop.FeedMouseMove(e);
    e.button = platform::MouseButton::Left;
    loop.FeedMouseUp(e);
  });
  platform::MouseEvent down;
  down.button = platform::MouseButton::Left;
  down.x = at.x + 3;  // within 5 pixels
  down.y = at.y - 2;
  w.DeliverMouseDown(down);
  EXPECT_TRUE(script.Unexpected().empty());
  EXPECT_GT(during, before + 20);
  EXPECT_EQ(w.Caption(), caption);
  w.UpdateNow();
  EXPECT_EQ(InkedPixels(w, above), before) << "the text goes when the button comes up";

  // Nowhere near a point: nothing happens (no loop runs).
  down.x = at.x + 8;
  w.DeliverMouseDown(down);
  EXPECT_TRUE(script.Unexpected().empty());
}

}  // namespace

namespace {

// The text Ghostscript reads from an EPS file, as UTF-8.
std::string EpsTextByGhostscript(const std::filesystem::path& eps) {
  const export_test::ToolRun run =
      export_test::RunTool("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=txtwrite -sOutputFile=- '" + eps.string() + "'");
  EXPECT_EQ(run.status, 0) << run.output;
  return run.output;
}

TEST_F(FigureTexts, AnAngleWithUnitsShowsADegreeSignInEveryExport) {
  FixedView w;
  const int a = w.FreePoint(3, 0);
  const int b = w.FreePoint(0, 0);
  w.FreePoint(0, 3);
  ASSERT_EQ(w.Step(111, {a, b, -1, 0, 0, 0}), 0);
  w.compiler.settings.show_units = true;
  std::string expression = "<ABC";
  engine::ExprValue value;
  w.AddTextItem(expression, w.CompileExpression(expression, value), true);
  const std::string shown = w.GetItemText(w.textItems.measurements[0]);
  ASSERT_EQ(shown.back(), '\xF8') << shown;  // the program's degree sign
  // A text with an accent and the program's other symbols.
  view::TextItem plain = w.InitTextItem({20, 300}, 0, view::kTextFontSlot);
  plain.text = "Caf\xE9 \xE3r\xFD \xFB" "2";
  w.textItems.plain.push_back(plain);
  w.UpdateNow();

  const std::string svg = ExportFile(w, view::kCmdExportSVG, folder_ / "angle.svg");
  export_test::ExpectSvgReadable(svg);
  EXPECT_NE(svg.find("&lt;ABC = 90.00000&#176;"), std::string::npos) << svg;  // U+00B0 DEGREE SIGN
  EXPECT_EQ(svg.find("&#248;"), std::string::npos) << "an o with a stroke";
  EXPECT_NE(svg.find("Caf&#233; &#960;r&#178; &#8730;2"), std::string::npos) << svg;

  const std::string eps = ExportFile(w, view::kCmdExportEPS, folder_ / "angle.eps");
  EXPECT_NE(eps.find("/degree put"), std::string::npos) << eps;
  EXPECT_NE(eps.find("/Symbol findfont"), std::string::npos) << eps;
  export_test::ExpectGhostscriptAccepts(eps, w.ClientWidth(), w.ClientHeight());
  const std::string read = EpsTextByGhostscript(folder_ / "angle.eps");
  EXPECT_NE(read.find("\xC2\xB0"), std::string::npos) << read;  // the degree sign
  EXPECT_NE(read.find("Caf\xC3\xA9 \xCF\x80r\xC2\xB2 \xE2\x88\x9A" "2"), std::string::npos) << read;
  EXPECT_NE(eps.find("%%Creator: (Kavrine dynamic geometry)"), std::string::npos);

  const std::string tex = ExportFile(w, view::kCmdExportPiCTeX, folder_ / "angle.tex");
  EXPECT_NE(tex.find("\\hbox{$^\\circ$}"), std::string::npos) << tex;
  EXPECT_NE(tex.find("Caf\\hbox{\\'e} \\hbox{$\\pi$}r\\hbox{$^2$} \\hbox{$\\sqrt{}$}2"), std::string::npos) << tex;
  for (const char ch : tex) EXPECT_LT(static_cast<unsigned char>(ch), 128) << "a byte written as it is";
  if (std::system("command -v tex >/dev/null 2>&1") != 0 ||
      std::system("kpsewhich pictex.tex >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "TeX with the PiCTeX macros is not installed (Debian: texlive-pictures)";
  const std::string command =
      "cd '" + folder_.string() + "' && tex -interaction=nonstopmode -halt-on-error angle.tex </dev/null >/dev/null 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0);
}

TEST_F(FigureTexts, PiCTeXLabelsAreOneFormulaAtTheLabelsPlace) {
  FixedView w;
  // Free points with the labels given.
  const auto named = [&w](Real x, Real y, std::int16_t label) {
    w.tables().xy[w.tables().last_point + 1] = {x, y};
    w.history().BeginStep(121, label);
    EXPECT_EQ(w.RunNewStep(), 0);
    return w.tables().last_point;
  };
  named(3, 0, 52);                      // A_1
  named(-2, 1, 2626);                   // A'
  const int c = named(0, -4, 5252);     // A''
  w.tables().names[c].dx = -20;
  w.tables().names[c].dy = 4;
  w.UpdateNow();
  const std::string tex = ExportFile(w, view::kCmdExportPiCTeX, folder_ / "labels.tex");
  // 400 pixels over 10 units: the offsets of 10 pixels are 0.25 (and y is turned upwards).
  EXPECT_NE(tex.find("\\put {$A_{1}$} at 3.25000 -0.25000\r\n"), std::string::npos) << tex;
  EXPECT_NE(tex.find("\\put {$A'$} at -1.75000 0.75000\r\n"), std::string::npos) << tex;
  EXPECT_NE(tex.find("\\put {$A''$} at -0.50000 -4.10000\r\n"), std::string::npos) << tex;
  EXPECT_EQ(export_test::Count(tex, "\\put {$A"), 3) << "one put a label";
  if (std::system("command -v tex >/dev/null 2>&1") != 0 ||
      std::system("kpsewhich pictex.tex >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "TeX with the PiCTeX macros is not installed (Debian: texlive-pictures)";
  const std::string command =
      "cd '" + folder_.string() + "' && tex -interaction=nonstopmode -halt-on-error labels.tex </dev/null >/dev/null 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0);
}

}  // namespace
