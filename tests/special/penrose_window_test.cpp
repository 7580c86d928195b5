// The Penrose tiling window as its user drives it: the start tile and its summary, attaching with
// the mouse, Undo and Redo with the modified flag, the colour modes and recolouring, recentring,
// the KIT file with everything around the tiling, and the export animated tile by tile.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "view/text_item.h"
#include "engine/view_update.h"
#include "kernel/byte_io.h"
#include "kernel/file_bytes.h"
#include "kernel/vector2.h"
#include "platform/bitmap.h"
#include "platform/modal_responder.h"
#include "platform/scripted_responder.h"
#include "resources/resource_library.h"
#include "shell/message_numbers.h"
#include "special/penrose_win.h"
#include "support/isolated_folders.h"
#include "support/source_paths.h"
#include "view/animation_lists.h"
#include "view/export_readers.h"
#include "view/export_formats.h"
#include "view/export_settings_dlg.h"

using kernel::Point2;
using special::TPenrWin;

namespace {

constexpr int kAce = 2;
constexpr int kQueen = 5;
constexpr int kSingleKite = 10;

class PenroseWindow : public IsolatedFolders {
 protected:
  // A window of the mode, set up and shown at a fixed size.
  std::unique_ptr<TPenrWin> Open(std::uint8_t mode = 0) {
    auto w = std::make_unique<TPenrWin>(nullptr, mode == 0 ? "noname.kit" : "noname.rho", mode);
    w->qelWin.writeSettings = 0;
    w->fileMsg.version = 63;  // as the launcher gives its windows
    w->Create();
    w->SetClientSize(600, 500);
    w->UpdateClientArea();
    return w;
  }
  std::string Path(const std::string& name) const { return (folder_ / name).string(); }

  static platform::PointI PixelOf(const TPenrWin& w, const Point2& p) { return {w.XToScreen(p.x), w.YToScreen(p.y)}; }
  // The pixel of the middle of an edge with one open side.
  static platform::PointI OpenEdgePixel(const TPenrWin& w) {
    for (const special::PenroseEdge& e : w.penrose.edges)
      if ((e.tile0 < 0) != (e.tile1 < 0))
        return PixelOf(w, kernel::Midpoint2(w.penrose.vertices[e.from], w.penrose.vertices[e.to]));
    ADD_FAILURE() << "no open edge";
    return {};
  }
  static void Click(TPenrWin& w, platform::PointI pixel, platform::MouseButton button) {
    platform::MouseEvent e;
    e.x = pixel.x;
    e.y = pixel.y;
    e.button = button;
    e.leftDown = button == platform::MouseButton::Left;
    e.rightDown = button == platform::MouseButton::Right;
    w.DeliverMouseDown(e);
  }
};

TEST_F(PenroseWindow, ANewWindowShowsOneRandomTileInViewWithItsSummary) {
  bool seen[2][2] = {};
  for (int i = 0; i < 12; ++i) {
    for (std::uint8_t mode : {0, 1}) {
      auto w = Open(mode);
      ASSERT_EQ(w->penrose.TileCount(), 1);
      const int type = w->penrose.tiles[0].type;
      seen[mode][type] = true;
      for (const Point2& v : w->penrose.vertices) EXPECT_TRUE(w->InView(v));
      const std::string first = type == 0 ? "1" : "0";
      const std::string second = type == 0 ? "0" : "1";
      EXPECT_EQ(w->DataText(), "kites: " + first + "\r\ndarts: " + second + "\r\n\r\ntiles: 1\r\nedges: 4\r\nvertices: 4");
      EXPECT_EQ(w->DataCaption(), mode == 0 ? "data [noname.kit]" : "data [noname.rho]");
      EXPECT_FALSE(w->QueryCommand(special::kCmdPenroseUndo).enabled);
      EXPECT_FALSE(w->QueryCommand(special::kCmdPenroseRedo).enabled);
      EXPECT_EQ(w->fileMsg.modified, 0);
      w->Destroy();
    }
  }
  // Both start tiles come up (a chance of 2 in 4096 of a false failure per mode is accepted).
  EXPECT_TRUE(seen[0][0] && seen[0][1] && seen[1][0] && seen[1][1]);
}

TEST_F(PenroseWindow, MouseAttachUndoRedoAndTheModifiedFlag) {
  auto w = Open();
  w->LoadPatch(kSingleKite);
  ASSERT_EQ(w->penrose.TileCount(), 1);
  // Left attaches a kite, right a dart; neither marks the figure modified.
  Click(*w, OpenEdgePixel(*w), platform::MouseButton::Left);
  ASSERT_EQ(w->penrose.TileCount(), 2);
  EXPECT_EQ(w->penrose.tiles[1].type, 0);
  Click(*w, OpenEdgePixel(*w), platform::MouseButton::Right);
  ASSERT_GE(w->penrose.TileCount(), 3);
  EXPECT_EQ(w->penrose.tiles.back().type, 1);
  EXPECT_EQ(w->fileMsg.modified, 0);
  EXPECT_FALSE(w->QueryCommand(special::kCmdPenroseRedo).enabled);
  EXPECT_TRUE(w->QueryCommand(special::kCmdPenroseUndo).enabled);

  const int before = w->penrose.TileCount();
  w->DispatchCommand(special::kCmdPenroseUndo);
  EXPECT_EQ(w->penrose.TileCount(), 2);
  EXPECT_EQ(w->fileMsg.modified, 1);
  EXPECT_TRUE(w->QueryCommand(special::kCmdPenroseRedo).enabled);
  w->fileMsg.modified = 0;
  w->DispatchCommand(special::kCmdPenroseRedo);
  EXPECT_EQ(w->penrose.TileCount(), before);
  EXPECT_EQ(w->fileMsg.modified, 0);

  // A click away from every edge does nothing.
  Click(*w, {2, 2}, platform::MouseButton::Left);
  EXPECT_EQ(w->penrose.TileCount(), before);

  // The view grows with the tiling: after each attach every vertex is in sight.
  platform::ScriptedResponder refusals;  // a side the rules refuse shows its message
  for (int k = 0; k < 8; ++k) {
    const int tiles = w->penrose.TileCount();
    Click(*w, OpenEdgePixel(*w), k % 2 ? platform::MouseButton::Left : platform::MouseButton::Right);
    if (w->penrose.TileCount() == tiles) continue;  // a side the rules refuse
    for (const Point2& v : w->penrose.vertices) EXPECT_TRUE(w->InView(v)) << k << ": " << v.x << "," << v.y;
  }

  // New starts again from one tile.
  w->DispatchCommand(view::kCmdNew);
  EXPECT_EQ(w->penrose.TileCount(), 1);
  EXPECT_EQ(w->fileMsg.named, 0);
  EXPECT_EQ(w->fileMsg.modified, 0);
  w->Destroy();
}

TEST_F(PenroseWindow, ColourModesRecolouringAndRecentring) {
  auto w = Open();
  w->LoadPatch(kAce);
  // Grey and white tiles disable Recolor and leave its mouse mode.
  w->DispatchCommand(special::kCmdRecolorMode);
  EXPECT_EQ(w->mouseMode, special::kCmdRecolorMode);
  for (int mode : {special::kCmdGreyTiles, special::kCmdWhiteTiles}) {
    w->mouseMode = special::kCmdRecolorMode;
    w->DispatchCommand(mode);
    EXPECT_EQ(w->mouseMode, special::kCmdAttachMode);
    EXPECT_FALSE(w->QueryCommand(special::kCmdRecolorMode).enabled);
  }
  w->DispatchCommand(special::kCmdFullColor);
  EXPECT_TRUE(w->QueryCommand(special::kCmdRecolorMode).enabled);
  EXPECT_EQ(w->display.colorMode, special::kFullColor);

  // Recolouring gives the tile under the mouse the tile colour, in its record too.
  w->DispatchCommand(special::kCmdRecolorMode);
  w->preWin.roles[special::kTileRole] = 20;
  const auto& c = w->penrose.tiles[2].c;
  Point2 centre{0, 0};
  for (int k = 0; k < 4; ++k) centre = centre + w->penrose.vertices[c[k]] * 0.25L;
  Click(*w, PixelOf(*w, centre), platform::MouseButton::Left);
  EXPECT_EQ(w->penrose.tiles[2].color, 20);
  EXPECT_EQ(w->penrose.placements[w->penrose.tileRecord[2]].color, 20);
  EXPECT_EQ(w->fileMsg.modified, 0);

  // Right recentres on the mouse and marks the figure modified; Last window goes back.
  const Point2 old = w->mapping.centre;
  const Point2 clicked{w->XToWorld(100), w->YToWorld(120)};
  Click(*w, {100, 120}, platform::MouseButton::Right);
  EXPECT_NEAR(w->mapping.centre.x, clicked.x, 1e-9);
  EXPECT_NEAR(w->mapping.centre.y, clicked.y, 1e-9);
  EXPECT_EQ(w->fileMsg.modified, 1);
  w->LastView();
  EXPECT_NEAR(w->mapping.centre.x, old.x, 1e-9);
  w->Destroy();
}

TEST_F(PenroseWindow, DisplaySwitchesAndTheirChecks) {
  auto w = Open();
  w->DispatchCommand(special::kCmdFirstFamily + 2);
  EXPECT_EQ(w->display.ammannFamily, (std::array<std::uint8_t, 5>{0, 0, 1, 0, 0}));
  w->DispatchCommand(special::kCmdAllFamilies);
  EXPECT_EQ(w->display.ammannFamily, (std::array<std::uint8_t, 5>{1, 1, 1, 1, 1}));
  w->DispatchCommand(special::kCmdNoFamilies);
  EXPECT_EQ(w->display.ammannFamily, (std::array<std::uint8_t, 5>{}));
  EXPECT_FALSE(*w->QueryCommand(special::kCmdSolidBars).checked == true && w->display.dottedBars);
  w->DispatchCommand(special::kCmdSolidBars);
  EXPECT_EQ(w->display.dottedBars, 0);
  w->DispatchCommand(special::kCmdForcedTiles);
  w->DispatchCommand(special::kCmdCompatibility);
  EXPECT_TRUE(w->penrose.forcedTiles);
  EXPECT_FALSE(w->penrose.compatibility);
  w->DispatchCommand(special::kCmdPictureMode);
  EXPECT_EQ(*w->QueryCommand(special::kCmdPictureMode).checked, true);
  EXPECT_EQ(*w->QueryCommand(special::kCmdAttachMode).checked, false);
  w->Destroy();
}

TEST_F(PenroseWindow, RotateAsksTheAngleAndFitsTheView) {
  auto w = Open();
  w->LoadPatch(kSingleKite);
  platform::ScriptedResponder script;
  std::string offered;
  script.OnDialog("ONEINPUT", [&offered](platform::Dialog& d) {
    offered = d.GetItemText(211);
    d.SetItemText(211, "-400");
    d.PressButton(platform::IDOK);
  });
  w->DispatchCommand(special::kCmdRotate);
  EXPECT_TRUE(script.Unexpected().empty());
  const int preset = std::stoi(offered);
  EXPECT_TRUE(preset >= 10 && preset <= 49) << offered;
  EXPECT_EQ(w->penrose.rotation, -40);
  for (const Point2& v : w->penrose.vertices) EXPECT_TRUE(w->InView(v));
  w->Destroy();
}

TEST_F(PenroseWindow, AFileKeepsTheTilingItsActionsAndItsSettings) {
  const std::string path = Path("ace.kit");
  auto w = Open();
  w->LoadPatch(kAce);
  w->RotateBy(30);
  Click(*w, OpenEdgePixel(*w), platform::MouseButton::Left);
  const int tiles = w->penrose.TileCount();
  ASSERT_GT(tiles, 3);
  w->DispatchCommand(special::kCmdFirstFamily + 1);
  w->DispatchCommand(special::kCmdCurves);
  w->DispatchCommand(special::kCmdGreyTiles);
  view::TextItem text;
  text.text = "ace of tiles";
  text.x = 1.5L;
  text.y = -0.25L;
  w->textItems.plain.push_back(text);
  w->fileMsg.fileName = path;
  w->fileMsg.named = 1;
  ASSERT_TRUE(w->Save());

  auto r = Open();
  r->fileMsg.fileName = path;
  ASSERT_EQ(r->LoadFile(), 0);
  EXPECT_EQ(r->penrose.TileCount(), tiles);
  EXPECT_EQ(r->penrose.rotation, w->penrose.rotation);
  ASSERT_EQ(r->penrose.placements.size(), w->penrose.placements.size());
  for (std::size_t i = 0; i < r->penrose.placements.size(); ++i) {
    const auto& a = r->penrose.placements[i];
    const auto& b = w->penrose.placements[i];
    EXPECT_TRUE(a.edge == b.edge && a.side == b.side && a.type == b.type && a.color == b.color &&
                a.continued == b.continued)
        << i;
  }
  EXPECT_EQ(r->display.ammannFamily, w->display.ammannFamily);
  EXPECT_EQ(r->display.curves, 1);
  EXPECT_EQ(r->display.colorMode, special::kGreyTiles);
  EXPECT_NEAR(r->mapping.centre.x, w->mapping.centre.x, 1e-12);
  EXPECT_NEAR(r->mapping.halfWidth, w->mapping.halfWidth, 1e-12);
  ASSERT_EQ(r->textItems.plain.size(), 1u);
  EXPECT_EQ(r->textItems.plain[0].text, "ace of tiles");
  EXPECT_EQ(r->textItems.plain[0].x, 1.5L);
  // Undo removes the same action in both.
  w->Undo();
  r->Undo();
  EXPECT_EQ(r->penrose.TileCount(), w->penrose.TileCount());
  EXPECT_EQ(r->penrose.TileCount(), 3);

  // A later format version is refused and the open tiling stays.
  kernel::Bytes bytes = kernel::ReadFileBytes(path).value();
  bytes[4] = 2;
  const std::string later = Path("later.kit");
  ASSERT_TRUE(kernel::WriteFileAtomically(later, bytes));
  r->fileMsg.fileName = later;
  EXPECT_EQ(r->LoadFile(), shell::kIncompatibleVersions);
  EXPECT_EQ(r->penrose.TileCount(), 3);
  EXPECT_EQ(r->penrose.rotation, w->penrose.rotation);
  // So is a file cut short.
  bytes[4] = 1;
  bytes.resize(bytes.size() - 40);
  ASSERT_TRUE(kernel::WriteFileAtomically(later, bytes));
  EXPECT_NE(r->LoadFile(), 0);
  EXPECT_EQ(r->penrose.TileCount(), 3);
  w->Destroy();
  r->Destroy();
}

TEST_F(PenroseWindow, TheSavedViewWidthComesBackToTheLastBit) {
  // The height follows the window's shape; the width read is the width saved, so a file opened and
  // saved again has the same bytes whatever the width.
  const std::string path = Path("view.kit");
  auto w = Open();
  auto r = Open();
  int differing = 0;
  for (const kernel::Real halfWidth : {1 + 1 / 7.0L, 2.5L, 3 + 3 / 7.0L}) {  // the first came back a bit wider
    w->SetView(0.25L, -0.5L, halfWidth, 0, false);
    w->fileMsg.fileName = path;
    w->fileMsg.named = 1;
    ASSERT_TRUE(w->Save());
    const kernel::Bytes first = kernel::ReadFileBytes(path).value();
    r->fileMsg.fileName = path;
    ASSERT_EQ(r->LoadFile(), 0);
    differing += r->mapping.halfWidth != halfWidth;
    r->fileMsg.named = 1;
    ASSERT_TRUE(r->Save());
    differing += kernel::ReadFileBytes(path).value() != first;
  }
  EXPECT_EQ(differing, 0);
  w->Destroy();
  r->Destroy();
}

TEST_F(PenroseWindow, AViewNoWindowCanShowIsReplacedByOneThatFitsTheTiling) {
  // A damaged file whose view is centred 10^4926 away and 10^4930 wide: once it was taken, the
  // window's width overflowed and the file saved could not be opened again.
  auto w = Open();
  w->fileMsg.fileName = test_support::SourceRoot() + "/tests/special/data/untrusted/view-beyond-any-window.kit";
  ASSERT_EQ(w->LoadFile(), 0);
  ASSERT_GT(w->penrose.TileCount(), 0);
  EXPECT_TRUE(engine::WithinViewLimit(w->mapping.centre));
  EXPECT_TRUE(std::isfinite(w->mapping.halfWidth) && w->mapping.halfWidth > 0 && std::isfinite(w->mapping.halfHeight));
  EXPECT_TRUE(w->InView(w->penrose.vertices[0]));
  w->fileMsg.fileName = Path("fitted.kit");
  w->fileMsg.named = 1;
  ASSERT_TRUE(w->Save());
  auto r = Open();
  r->fileMsg.fileName = Path("fitted.kit");
  EXPECT_EQ(r->LoadFile(), 0);
  EXPECT_EQ(r->mapping.halfWidth, w->mapping.halfWidth);
  w->Destroy();
  r->Destroy();
}

TEST_F(PenroseWindow, ARefusedFileLeavesTheWindowAsItWas) {
  // Damaged tiling files: the texts, colours, fonts, pictures and tiling of the open window stay.
  for (const char* name : {"refused-kit-changes-texts-and-colours.kit", "fuzzer-found-damaged-picture-piece"}) {
    SCOPED_TRACE(name);
    auto w = Open();
    w->LoadPatch(kAce);
    view::TextItem text;
    text.text = "kept";
    w->textItems.plain.push_back(text);
    const auto colors = w->preWin.colors;
    const auto roles = w->preWin.roles;
    const auto fonts = w->fontWin.fonts;
    const auto fontColors = w->fontWin.colors;
    const int tiles = w->penrose.TileCount();
    w->fileMsg.fileName = test_support::SourceRoot() + "/tests/special/data/untrusted/" + name;
    EXPECT_NE(w->LoadFile(), 0);
    ASSERT_EQ(w->textItems.plain.size(), 1u);
    EXPECT_EQ(w->textItems.plain[0].text, "kept");
    EXPECT_EQ(w->preWin.colors, colors);
    EXPECT_EQ(w->preWin.roles, roles);
    EXPECT_EQ(w->fontWin.fonts, fonts);
    EXPECT_EQ(w->fontWin.colors, fontColors);
    EXPECT_TRUE(w->pictures.empty());
    EXPECT_EQ(w->penrose.TileCount(), tiles);
    w->Destroy();
  }
}

TEST_F(PenroseWindow, ASingleKiteFileHoldsOneRecord) {
  const std::string path = Path("kite.kit");
  auto w = Open();
  w->LoadPatch(kSingleKite);
  w->fileMsg.fileName = path;
  w->fileMsg.named = 1;
  ASSERT_TRUE(w->Save());
  const kernel::Bytes bytes = kernel::ReadFileBytes(path).value();
  kernel::ByteWriter head;
  w->WriteCommonBlock(head, 0);
  const std::size_t at = head.size();
  ASSERT_GT(bytes.size(), at + 169);
  EXPECT_EQ(bytes[at + 4] | bytes[at + 5] << 8, 0);  // last placement index
  // The record: edge 0, side 0, type 0, colour 8, continued 0; then an empty text-item list.
  const kernel::Bytes record(bytes.begin() + at + 160, bytes.begin() + at + 171);
  EXPECT_EQ(record, (kernel::Bytes{0, 0, 0, 0, 0, 0, 8, 0, 0, 0, 0}));
  w->Destroy();
}

TEST_F(PenroseWindow, AnAnimatedSvgExportWritesOneFramePerTile) {
  auto w = Open();
  w->LoadPatch(kQueen);
  while (w->penrose.TileCount() > 12) w->Undo();
  ASSERT_EQ(w->penrose.TileCount(), 12);
  platform::ScriptedResponder script;
  script.ChooseFile(Path("grow.svg"));
  int offered = 0;
  script.OnDialog("SVG", [&offered](platform::Dialog& d) {
    offered = std::stoi(d.GetItemText(view::kSettingsFramesEdit));
    d.PressButton(view::kSettingsPagesCheck);
    d.SetItemText(view::kSettingsFramesEdit, "12");
    d.PressButton(platform::IDOK);
  });
  script.AnswerMessage(platform::IDOK);
  w->DispatchCommand(view::kCmdExportSVG);
  EXPECT_TRUE(script.Unexpected().empty());
  EXPECT_EQ(offered, 12);
  for (int n = 0; n < 12; ++n) {
    const std::string name = view::FrameFileName(Path("grow"), n, 12, "svg");
    std::ifstream in(name, std::ios::binary);
    ASSERT_TRUE(in) << name;
    std::stringstream text;
    text << in.rdbuf();
    const std::string svg = text.str();
    int polygons = 0;
    for (std::size_t at = svg.find("<polygon"); at != std::string::npos; at = svg.find("<polygon", at + 1)) ++polygons;
    EXPECT_EQ(polygons, n + 1) << name;
  }
  EXPECT_EQ(w->penrose.TileCount(), 12);
  w->Destroy();
}

TEST_F(PenroseWindow, TheScreenPictureShowsTheTilesOrOnlyTheBackground) {
  auto w = Open();
  w->LoadPatch(kSingleKite);
  const auto& c = w->penrose.tiles[0].c;
  Point2 centre{0, 0};
  for (int k = 0; k < 4; ++k) centre = centre + w->penrose.vertices[c[k]] * 0.25L;
  const platform::PointI pixel = PixelOf(*w, centre);
  const auto colourAt = [&]() {
    const platform::Bitmap picture = w->ClientPicture();
    return picture.GetPixel(pixel.x, pixel.y).value().ToColorRef();
  };
  EXPECT_EQ(colourAt(), w->Color(8));
  w->DispatchCommand(special::kCmdWhiteTiles);
  EXPECT_EQ(colourAt(), kernel::kWhiteRef);
  w->DispatchCommand(special::kCmdHideTiles);
  EXPECT_EQ(colourAt(), w->Color(w->preWin.roles[0]));
  w->Destroy();
}

TEST_F(PenroseWindow, TheSwitchesComeBackFromTheSettingsFile) {
  {
    auto w = Open();
    w->qelWin.writeSettings = 1;
    w->DispatchCommand(special::kCmdFirstFamily + 4);
    w->DispatchCommand(special::kCmdCurves);
    w->DispatchCommand(special::kCmdForcedTiles);
    w->DispatchCommand(special::kCmdSolidBars);
    w->DispatchCommand(special::kCmdGreyTiles);
    w->DispatchCommand(special::kCmdTextMode);
    w->Destroy();
  }
  auto r = Open();
  EXPECT_EQ(r->display.ammannFamily, (std::array<std::uint8_t, 5>{0, 0, 0, 0, 1}));
  EXPECT_EQ(r->display.curves, 1);
  EXPECT_EQ(r->display.dottedBars, 0);
  EXPECT_EQ(r->display.colorMode, special::kGreyTiles);
  EXPECT_TRUE(r->penrose.forcedTiles);
  EXPECT_EQ(r->mouseMode, special::kCmdTextMode);
  EXPECT_EQ(r->penrose.TileCount(), 1);
  r->Destroy();
}

// The printed tiling lies in its picture on the page (its tiles in grey without colour printing)
// and nothing of it spills past the picture's edges.
TEST_F(PenroseWindow, APrintedTilingStaysInsideItsPicture) {
  auto w = Open();
  w->LoadPatch(kQueen);
  w->printFormat.horizontalOffset = 1.5;
  w->printFormat.verticalOffset = 2;
  w->printFormat.width = 3;
  const std::string pdf = Path("tiles.pdf");
  platform::ScriptedResponder script;
  platform::PrintDialogAnswer answer;
  answer.pdfFile = pdf;
  script.ChoosePrinter(answer);
  w->DispatchCommand(view::kCmdPrint);
  EXPECT_TRUE(script.Unexpected().empty());
  const std::string page = Path("page");
  ASSERT_EQ(export_test::RunTool("pdftoppm -r 50 -gray -singlefile '" + pdf + "' '" + page + "'").status, 0);
  const kernel::Bytes pgm = kernel::ReadFileBytes(page + ".pgm").value();
  int width = 0, height = 0, maxValue = 0, offset = 0;
  const std::string head(pgm.begin(), pgm.begin() + 64);
  ASSERT_EQ(std::sscanf(head.c_str(), "P5 %d %d %d%n", &width, &height, &maxValue, &offset), 3);
  ++offset;
  // The picture: 1.5 and 2 inches in, 3 inches wide, at 50 dots per inch.
  const int left = 75, top = 100, right = 225;
  int inked = 0, outside = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      if (pgm[offset + static_cast<std::size_t>(y) * width + x] > 250) continue;
      const bool in = x >= left - 1 && x <= right + 1 && y >= top - 1;
      (in ? inked : outside)++;
    }
  EXPECT_GT(inked, 3000);
  EXPECT_EQ(outside, 0);
  w->Destroy();
}

}  // namespace
