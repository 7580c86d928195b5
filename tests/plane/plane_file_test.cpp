// The plane window's figure file: saved, closed and opened again the figure replays to the same
// points; a file that cannot be read leaves the open figure as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "kernel/byte_io.h"
#include "kernel/file_bytes.h"
#include "platform/bitmap.h"
#include "plane/plane_figure_file.h"
#include "platform/scripted_responder.h"
#include "plane_window.h"
#include "support/isolated_folders.h"
#include "view/settings_files.h"

namespace {

using plane_test::PlaneWindow;
using PlaneFileTest = IsolatedFolders;

struct PointState {
  int label;
  kernel::Real x;
  kernel::Real y;
  bool operator==(const PointState&) const = default;
};

std::vector<PointState> Points(PlaneWindow& w) {
  std::vector<PointState> points;
  const engine::FigureTables& t = w.tables();
  for (int i = 0; i <= t.last_point; ++i) {
    const auto k = static_cast<std::size_t>(i);
    points.push_back({t.names[k].label, t.xy[k].x, t.xy[k].y});
  }
  return points;
}

void SaveAs(PlaneWindow& w, const std::string& path) {
  w.qelWin.writeSettings = 0;
  w.fileMsg.fileName = path;
  w.fileMsg.named = 1;
  platform::ScriptedResponder script;
  ASSERT_TRUE(w.Save());
}

// Opens the figure file at path in the window, as File > Open does; whether it was read.
bool Open(PlaneWindow& w, const std::string& path) {
  w.qelWin.writeSettings = 0;
  w.fileMsg.fileName = path;
  return w.LoadFile() == 0;
}

TEST_F(PlaneFileTest, ASavedFigureOpensAgainWithTheSamePointsAndTexts) {
  for (std::uint8_t hyperbolic : {0, 1}) {
    SCOPED_TRACE(static_cast<int>(hyperbolic));
    const std::string path = (folder_ / (hyperbolic ? "f.kvh" : "f.kv2")).string();
    std::vector<PointState> saved;
    {
      PlaneWindow w(hyperbolic);
      w.FreePoint(0.25L, 0.5L);
      w.FreePoint(-1.0L / 3, 0.125L);
      w.FreePoint(0.1L, -0.2L);
      view::TextItem text;
      text.text = "hello";
      w.textItems.plain.push_back(text);
      saved = Points(w);
      SaveAs(w, path);
      w.Destroy();
    }
    PlaneWindow reader(hyperbolic);
    ASSERT_TRUE(Open(reader, path));
    EXPECT_EQ(Points(reader), saved);
    EXPECT_EQ(reader.history().steps.size(), 3u);
    ASSERT_EQ(reader.textItems.plain.size(), 1u);
    EXPECT_EQ(reader.textItems.plain[0].text, "hello");
    EXPECT_EQ(reader.fileMsg.named, 1);
    // Written again, the file comes out as it was read.
    const kernel::Bytes first = kernel::ReadFileBytes(path).value();
    SaveAs(reader, path);
    const kernel::Bytes second = kernel::ReadFileBytes(path).value();
    ASSERT_EQ(second.size(), first.size());
    const auto [a, b] = std::mismatch(first.begin(), first.end(), second.begin());
    EXPECT_EQ(a - first.begin(), static_cast<std::ptrdiff_t>(first.size()));
    reader.Destroy();
  }
}

TEST_F(PlaneFileTest, AFileThatCannotBeReadLeavesTheFigure) {
  const std::string good = (folder_ / "good.kv2").string();
  {
    PlaneWindow w(0);
    w.FreePoint(1, 1);
    SaveAs(w, good);
    w.Destroy();
  }
  const kernel::Bytes bytes = kernel::ReadFileBytes(good).value();
  PlaneWindow w(0);
  w.qelWin.writeSettings = 0;
  w.FreePoint(3, 4);
  w.FreePoint(5, 6);
  const std::vector<PointState> before = Points(w);
  struct Case {
    std::string name;
    kernel::Bytes bytes;
    int result;
  };
  kernel::Bytes newer = bytes;
  newer[4] = 64;  // the format version
  const Case cases[] = {
      {"cut.kv2", kernel::Bytes(bytes.begin(), bytes.end() - 3), 11},
      {"head.kv2", kernel::Bytes(bytes.begin(), bytes.begin() + 1200), 11},
      {"newer.kv2", newer, 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = (folder_ / c.name).string();
    ASSERT_TRUE(kernel::WriteFileAtomically(path, c.bytes));
    w.fileMsg.fileName = path;
    EXPECT_EQ(w.LoadFile(), c.result);
    EXPECT_EQ(Points(w), before);
    EXPECT_EQ(w.history().steps.size(), 2u);
  }
  // Simulprint's reader, too, replaces the figure only with a file read whole.
  for (const Case& c : cases) {
    EXPECT_EQ(w.ResetDocument((folder_ / c.name).string()), c.result) << c.name;
    EXPECT_EQ(Points(w), before) << c.name;
  }
  // A hyperbolic file is not a Euclidean one.
  PlaneWindow hyperbolic(1);
  hyperbolic.qelWin.writeSettings = 0;
  hyperbolic.fileMsg.fileName = good;
  EXPECT_EQ(hyperbolic.LoadFile(), 11);
  hyperbolic.Destroy();
  w.Destroy();
}

TEST_F(PlaneFileTest, LabelOffsetsAndFrameTextCodesAreWrittenBackAsRead) {
  const std::string path = (folder_ / "offsets.kv2").string();
  {
    PlaneWindow w(0);
    w.FreePoint(1, 2);
    w.AddTextItem("A", 0, true);
    w.textItems.measurements.back().evalCode = 1001;  // a point shown by its value alone
    w.AddTextItem("a note beside the figure", 0, true);
    w.textItems.measurements.back().evalCode = view::kPlainTextCode;
    SaveAs(w, path);
    w.Destroy();
  }
  // The file's two label-offset words made different, as another writer may leave them.
  {
    const kernel::Bytes bytes = kernel::ReadFileBytes(path).value();
    kernel::ByteReader in(bytes);
    plane::PlaneFigureFile file;
    PlaneWindow kind(0);
    ASSERT_EQ(plane::ReadPlaneFigureFile(in, kind.qelWin.fileKind, 0, file), 0);
    file.markers[8] = 12;
    file.markers[9] = 7;
    kernel::ByteWriter out;
    ASSERT_TRUE(plane::WritePlaneFigureFile(out, kind.qelWin.fileKind, file));
    ASSERT_TRUE(kernel::WriteFileAtomically(path, out.bytes()));
    kind.Destroy();
  }
  const kernel::Bytes first = kernel::ReadFileBytes(path).value();
  PlaneWindow reader(0);
  ASSERT_TRUE(Open(reader, path));
  EXPECT_EQ(reader.defaultLabelOffset, 12);
  ASSERT_EQ(reader.textItems.measurements.size(), 2u);
  EXPECT_EQ(reader.textItems.measurements[0].evalCode, 1001);
  EXPECT_EQ(reader.textItems.measurements[1].evalCode, view::kPlainTextCode);
  EXPECT_EQ(reader.GetItemText(reader.textItems.measurements[1]), "a note beside the figure");
  SaveAs(reader, path);
  const kernel::Bytes second = kernel::ReadFileBytes(path).value();
  ASSERT_EQ(second.size(), first.size());
  const auto [a, b] = std::mismatch(first.begin(), first.end(), second.begin());
  EXPECT_EQ(a - first.begin(), static_cast<std::ptrdiff_t>(first.size())) << "the first byte that differs";
  reader.Destroy();
}

TEST_F(PlaneFileTest, EvaluatedTextsKeepTheirNumbersWhenTheFigureIsOpenedAgain) {
  const std::string path = (folder_ / "evaluated.kv2").string();
  {
    PlaneWindow w(0);
    w.FreePoint(1, 2);
    for (const char* expression : {"1+1", "2*3"}) {
      view::EvalTextEntry entry;
      entry.strings = {expression, "", "", ""};
      entry.switches = {1, 0, 0, 0, 0};
      view::TextItem item;
      item.evalCode = 0xFFFF;  // a new entry
      ASSERT_EQ(w.FormatEvalText(entry, item.evalCode, false), 0);
      w.textItems.evaluated.push_back(item);
    }
    SaveAs(w, path);
    w.Destroy();
  }
  // Opened again and again in one window, the figure's texts take the same entries and the file
  // the same bytes (the entries once went on from the figure before, until the table was full).
  PlaneWindow reader(0);
  kernel::Bytes first;
  for (int round = 0; round < 3; ++round) {
    ASSERT_TRUE(Open(reader, path)) << round;
    ASSERT_EQ(reader.textItems.evaluated.size(), 2u);
    EXPECT_EQ(reader.GetItemText(reader.textItems.evaluated[1]), "6.000");
    EXPECT_EQ(reader.textItems.lastEvalEntry, 1);
    SaveAs(reader, path);
    if (round == 0) first = kernel::ReadFileBytes(path).value();
    EXPECT_EQ(kernel::ReadFileBytes(path).value(), first) << round;
  }
  reader.Destroy();
}

TEST_F(PlaneFileTest, AMissingStartUpFileIsReportedAndTheWindowKeepsItsName) {
  plane::TGeom2Win w(nullptr, "plane", 0);
  w.qelWin.writeSettings = 0;
  w.fileMsg.startupFileName = (folder_ / "missing.kv2").string();
  const std::string before = w.fileMsg.fileName;
  platform::ScriptedResponder script;
  script.AnswerMessage(platform::IDOK);
  w.Create();
  ASSERT_EQ(script.shown().size(), 1u);
  EXPECT_NE(script.shown()[0].text.find("cannot open file"), std::string::npos);
  EXPECT_EQ(w.fileMsg.fileName, before);
  EXPECT_EQ(w.tables().last_point, -1);
  EXPECT_TRUE(w.history().steps.empty());
  w.Destroy();
}

TEST_F(PlaneFileTest, SlidersPanelsMacroBackgroundAndMeasurementsComeBackWithTheFile) {
  const std::string path = (folder_ / "sliders.kv2").string();
  const std::string bitmapPath = (folder_ / "back.bmp").string();
  ASSERT_TRUE(platform::Bitmap(6, 4).WriteBmpFile(bitmapPath));
  std::string caption;
  std::uint16_t measurementState = 0;
  {
    PlaneWindow w(0);
    w.FreePoint(0, 0);
    w.FreePoint(3, 4);
    w.FreePoint(1, 1);
    w.sliderValues()[1] = {-2, 0.5L, 3, 8};
    w.sliders.stopValue[1] = 1.5L;
    w.ShowSliderDialog(1);
    w.ShowSliderDialog(4);
    w.ShowToolbar();
    w.macroInputs = {0, 1};
    w.macroOutputs = {2};
    w.macroRange = {1, 2};
    ASSERT_TRUE(w.RebuildMacroCaption());
    caption = w.macroCaption;
    w.preWin.backBitmapName = bitmapPath;
    ASSERT_EQ(w.LoadBackBitmap(), 0);
    std::string text = "AB";
    engine::ExprValue value;
    w.AddTextItem("AB", w.CompileExpression(text, value), true);
    measurementState = w.textItems.measurements[0].evalCode;
    SaveAs(w, path);
    w.Destroy();
  }
  PlaneWindow reader(0);
  ASSERT_TRUE(Open(reader, path));
  const engine::AnimationParameter& slider = reader.sliderValues()[1];
  EXPECT_EQ(slider.low, -2);
  EXPECT_EQ(slider.value, 0.5L);
  EXPECT_EQ(slider.high, 3);
  EXPECT_EQ(reader.sliders.stopValue[1], 1.5L);
  // The panels that were open are open again, and only they.
  for (int k = 0; k < 7; ++k) EXPECT_EQ(reader.SliderPanelShown(k), k == 1 || k == 4) << k;
  EXPECT_TRUE(reader.ToolbarShown());
  EXPECT_EQ(reader.macroInputs, (std::vector<std::uint16_t>{0, 1}));
  EXPECT_EQ(reader.macroOutputs, (std::vector<std::uint16_t>{2}));
  EXPECT_EQ(reader.macroRange.first, 1);
  EXPECT_EQ(reader.macroRange.last, 2);
  EXPECT_EQ(reader.macroCaption, caption);
  ASSERT_TRUE(reader.preWin.backBitmap.has_value());
  EXPECT_EQ(reader.preWin.backBitmap->width(), 6);
  EXPECT_EQ(reader.preWin.backBitmapName, bitmapPath);
  ASSERT_EQ(reader.textItems.measurements.size(), 1u);
  EXPECT_EQ(reader.textItems.measurements[0].evalCode, measurementState);
  EXPECT_EQ(reader.GetItemText(reader.textItems.measurements[0]).substr(0, 5), "AB = ");
  reader.Destroy();

  // A background bitmap that is gone is reported; the figure opens all the same.
  std::filesystem::remove(bitmapPath);
  PlaneWindow again(0);
  again.qelWin.writeSettings = 0;
  again.fileMsg.fileName = path;
  platform::ScriptedResponder script;
  script.AnswerMessage(platform::IDOK);
  ASSERT_EQ(again.LoadFile(), 0);
  EXPECT_EQ(script.Messages().size(), 1u);
  EXPECT_FALSE(again.preWin.backBitmap.has_value());
  EXPECT_EQ(again.tables().last_point, 2);
  again.Destroy();
}

// A crossing that only the extended segments reach needs Autoextend when the figure is built
// again from its file: the file keeps the option with the figure.
TEST_F(PlaneFileTest, AFigureBuiltWithAutoextendOpensWithItAndKeepsItsCrossing) {
  const std::string path = (folder_ / "extended.kv2").string();
  {
    PlaneWindow w(0);
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{0, 0}, {1, 0}, {3, -1}, {3, 1}}) w.FreePoint(x, y);
    ASSERT_EQ(w.Step(111, {0, 1, -1, 0, 0, 0}), 0);
    ASSERT_EQ(w.Step(111, {2, 3, -1, 0, 0, 0}), 0);
    w.autoExtend = true;
    ASSERT_EQ(w.Step(103, {0, 1, 2, 3, 0, 1}), 0);
    SaveAs(w, path);
    w.Destroy();
  }
  PlaneWindow reader(0);
  ASSERT_TRUE(Open(reader, path));
  EXPECT_TRUE(reader.autoExtend);
  ASSERT_TRUE(reader.tables().PointExists(4));
  EXPECT_EQ(reader.tables().xy[4].x, 3);
  EXPECT_EQ(reader.tables().xy[4].y, 0);
  const kernel::Bytes first = kernel::ReadFileBytes(path).value();
  SaveAs(reader, path);
  EXPECT_EQ(kernel::ReadFileBytes(path).value(), first);

  // A figure without it turns the option off again.
  reader.autoExtend = false;
  reader.NewFigure();
  reader.FreePoint(0, 0);
  SaveAs(reader, path);
  reader.autoExtend = true;
  ASSERT_EQ(reader.LoadFile(), 0);
  EXPECT_FALSE(reader.autoExtend);
  reader.Destroy();
}

TEST_F(PlaneFileTest, TextsOfFilesBeforeVersion62TakeTheWindowsTextColourAndFont) {
  const std::string path = (folder_ / "old.kv2").string();
  {
    PlaneWindow w(0);
    w.FreePoint(0, 0);
    view::TextItem text;
    text.text = "old";
    text.color = 0x0000FF;
    text.font.faceName = "Nowhere Sans";
    view::TextItemSetSize(text, 370);
    w.textItems.plain.push_back(text);
    SaveAs(w, path);
    w.Destroy();
  }
  for (const std::int32_t version : {61, 62}) {
    kernel::Bytes bytes = kernel::ReadFileBytes(path).value();
    // The version follows the file kind at the head of the file.
    for (int k = 0; k < 4; ++k) bytes[static_cast<std::size_t>(4 + k)] = static_cast<std::uint8_t>(version >> (8 * k));
    ASSERT_TRUE(kernel::WriteFileAtomically(path, bytes));
    PlaneWindow reader(0);
    ASSERT_TRUE(Open(reader, path));
    ASSERT_EQ(reader.textItems.plain.size(), 1u);
    const view::TextItem& item = reader.textItems.plain[0];
    if (version == 61) {
      EXPECT_EQ(item.color, reader.Color(reader.preWin.roles[engine::TGeomWin::kTextColorRole]));
      EXPECT_EQ(item.font.faceName, reader.fontWin.fonts[0].faceName);
      EXPECT_EQ(view::TextItemSize(item), reader.fontWin.pointSizes[view::kTextFontSlot]);
    } else {
      EXPECT_EQ(item.color, 0x0000FFu);
      EXPECT_EQ(item.font.faceName, "Nowhere Sans");
      EXPECT_EQ(view::TextItemSize(item), 37);
    }
    reader.Destroy();
  }
}

TEST_F(PlaneFileTest, MeasurementsAreEvaluatedAgainOnReadingAndOldFilesCountAsChanged) {
  const std::string path = (folder_ / "measured.kv2").string();
  {
    PlaneWindow w(0);
    w.FreePoint(0, 0);
    w.FreePoint(3, 4);
    w.AddTextItem("AB", 0, true);
    w.AddTextItem("A-B", -12, true);
    SaveAs(w, path);
    w.Destroy();
  }
  PlaneWindow reader(0);
  ASSERT_TRUE(Open(reader, path));
  ASSERT_EQ(reader.textItems.measurements.size(), 2u);
  EXPECT_EQ(reader.textItems.measurements[0].evalCode, 0);
  EXPECT_EQ(reader.textItems.measurements[1].evalCode, 2);  // the file keeps no states
  EXPECT_FALSE(reader.IsModified());
  // Files of versions 50 to 55 kept states of their own: once checked, the figure has changed.
  for (const std::int32_t version : {49, 50, 55, 56}) {
    reader.fileMsg.modified = 0;
    plane::PlaneFigureFile file = reader.fileData;
    file.version = version;
    reader.AfterFileLoaded(file);
    EXPECT_EQ(reader.IsModified(), version == 50 || version == 55) << version;
    EXPECT_EQ(reader.textItems.measurements[1].evalCode, 2) << version;
  }
  reader.Destroy();
}

// Measurements stand at a place relative to the view's centre: the figure opens in the view it was
// saved in, so they are where they were; a file that holds no view opens fitted to the figure.
TEST_F(PlaneFileTest, AFigureOpensInTheViewItWasSavedInWithItsMeasurementsInPlace) {
  for (const bool unequal : {false, true}) {
    SCOPED_TRACE(unequal);
    const std::string path = (folder_ / "view.kv2").string();
    view::ViewMapping saved;
    view::TextItem measurement;
    {
      PlaneWindow w(0);
      w.FreePoint(0, 0);
      w.FreePoint(3, 4);
      w.AddTextItem("AB", 0, true);
      if (unequal) {
        w.SetViewExtents(-7, 2, 9, 3, true);
      } else {
        w.SetSquareView({-7, 2}, 9);
      }
      saved = w.mapping;
      measurement = w.textItems.measurements.at(0);
      SaveAs(w, path);
      w.Destroy();
    }
    PlaneWindow reader(0);
    ASSERT_TRUE(Open(reader, path));
    EXPECT_EQ(reader.mapping.unequal, saved.unequal);
    EXPECT_EQ(reader.mapping.centre.x, saved.centre.x);
    EXPECT_EQ(reader.mapping.centre.y, saved.centre.y);
    EXPECT_EQ(reader.mapping.halfWidth, saved.halfWidth);
    EXPECT_EQ(reader.mapping.halfHeight, saved.halfHeight);
    ASSERT_EQ(reader.textItems.measurements.size(), 1u);
    const view::TextItem& read = reader.textItems.measurements[0];
    EXPECT_EQ(read.x, measurement.x);
    EXPECT_EQ(read.y, measurement.y);
    platform::PointI at;
    ASSERT_TRUE(reader.WorldToPixel({reader.mapping.centre.x + read.x, reader.mapping.centre.y + read.y}, at));
    EXPECT_TRUE(reader.InView({reader.mapping.centre.x + read.x, reader.mapping.centre.y + read.y}));
    reader.Destroy();
  }

  // Files of earlier builds hold no view: they open with every point in a view fitted to them.
  const std::string path = (folder_ / "noview.kv2").string();
  {
    PlaneWindow w(0);
    w.FreePoint(40, 0);
    w.FreePoint(43, 4);
    w.SetSquareView({0, 0}, 1);
    SaveAs(w, path);
    w.Destroy();
  }
  const kernel::Bytes bytes = kernel::ReadFileBytes(path).value();
  kernel::ByteReader in(bytes.data(), bytes.size());
  plane::PlaneFigureFile file;
  ASSERT_EQ(plane::ReadPlaneFigureFile(in, view::kPlaneFileKind, 1, file), 0);
  for (const int k : {plane::kRealViewCentreX, plane::kRealViewCentreY, plane::kRealViewHalfWidth})
    file.reals[static_cast<std::size_t>(k)] = 0;
  kernel::ByteWriter out;
  ASSERT_TRUE(plane::WritePlaneFigureFile(out, view::kPlaneFileKind, file));
  ASSERT_TRUE(kernel::WriteFileAtomically(path, out.bytes()));
  PlaneWindow reader(0);
  ASSERT_TRUE(Open(reader, path));
  EXPECT_TRUE(reader.InView({40, 0}));
  EXPECT_TRUE(reader.InView({43, 4}));
  reader.Destroy();
}

}  // namespace
