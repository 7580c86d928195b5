// Pasted pictures: the figure-file piece, the size a pasted picture takes, pasting, the picture
// dialog's actions, ties, dragging, and drawing from the played bitmap.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "picture_window.h"
#include "platform/bitmap.h"
#include "platform/clipboard.h"
#include "platform/dc.h"
#include "platform/modal_responder.h"
#include "platform/scripted_responder.h"
#include "resources/resource_library.h"
#include "support/isolated_folders.h"
#include "view/meta_dlg.h"
#include "view/picture_item.h"

using namespace view;
using kernel::Real;
using platform::IDCANCEL;
using platform::IDOK;
using platform::ScriptedResponder;

namespace {

constexpr platform::Color kBlue{0, 0, 255};
constexpr platform::Color kRed{255, 0, 0};

PictureItem Picture(int w, int h, Real x1, Real x2, Real y1, Real y2, std::int32_t tie = -1) {
  PictureItem p = *MakePicture(BlueMetafile(w, h));
  p.x1 = x1;
  p.x2 = x2;
  p.y1 = y1;
  p.y2 = y2;
  p.tie = tie;
  return p;
}

kernel::Bytes Piece(const std::vector<PictureItem>& pictures) {
  kernel::ByteWriter out;
  WritePictures(out, pictures);
  return out.Take();
}

std::string Message(int n) { return resources::LoadString(400 + n); }

class Pictures : public IsolatedFolders {};

}  // namespace

TEST(PicturePiece, RoundTripsWithTheMetafileBytesIdentical) {
  std::vector<PictureItem> written{Picture(40, 20, -1, 1, -0.5L, 0.5L), Picture(30, 30, 0.25L, 2, 1, 3, 7)};
  written[1].transparent = 0;
  const kernel::Bytes piece = Piece(written);
  ASSERT_EQ(piece.size(), 2 + 2 * (40 + 1 + 40 + 4) + written[0].metafile->bytes().size() +
                              written[1].metafile->bytes().size());
  EXPECT_EQ(piece[0], 0xFE);  // minus the count
  EXPECT_EQ(piece[1], 0xFF);

  kernel::ByteReader in(piece);
  std::vector<PictureItem> read;
  ASSERT_TRUE(ReadPictures(in, read));
  EXPECT_TRUE(in.AtEnd());
  ASSERT_EQ(read.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(read[i].id, static_cast<int>(i));
    EXPECT_EQ(read[i].metafile->bytes(), written[i].metafile->bytes());
    EXPECT_EQ(read[i].x1, written[i].x1);
    EXPECT_EQ(read[i].x2, written[i].x2);
    EXPECT_EQ(read[i].y1, written[i].y1);
    EXPECT_EQ(read[i].y2, written[i].y2);
    EXPECT_EQ(read[i].tie, written[i].tie);
    EXPECT_EQ(read[i].transparent, written[i].transparent);
  }
  // Written again, the piece is the same bytes.
  EXPECT_EQ(Piece(read), piece);
  // No pictures: just the count.
  EXPECT_EQ(Piece({}), (kernel::Bytes{0, 0}));
}

TEST(PicturePiece, APositiveCountReadsUntiedPicturesWithoutTieBlocks) {
  const kernel::Bytes metafile = BlueMetafile(10, 10);
  kernel::ByteWriter out;
  out.I16(2);
  for (int i = 0; i < 2; ++i) {
    for (Real v : {Real(-1), Real(1), Real(-2), Real(2)}) out.Real80(v + i);
    out.U8(0);
    out.U32(static_cast<std::uint32_t>(metafile.size()));
    out.Raw(metafile);
  }
  const kernel::Bytes piece = out.Take();
  kernel::ByteReader in(piece);
  std::vector<PictureItem> read;
  ASSERT_TRUE(ReadPictures(in, read));
  EXPECT_TRUE(in.AtEnd());
  ASSERT_EQ(read.size(), 2u);
  EXPECT_EQ(read[1].id, 1);
  EXPECT_EQ(read[1].tie, kPictureUntied);
  EXPECT_EQ(read[1].x1, 0);
  EXPECT_EQ(read[1].y2, 3);
  EXPECT_EQ(read[1].metafile->bytes(), metafile);
}

TEST(PicturePiece, DamagedPiecesAreRefusedAndTheListStays) {
  const kernel::Bytes good = Piece({Picture(10, 10, 0, 1, 0, 1)});
  const std::size_t sizeAt = 2 + 40 + 1 + 40;
  struct Case {
    const char* what;
    kernel::Bytes piece;
  };
  std::vector<Case> cases;
  cases.push_back({"empty", {}});
  cases.push_back({"cut in the fixed part", kernel::Bytes(good.begin(), good.begin() + 50)});
  cases.push_back({"cut in the metafile", kernel::Bytes(good.begin(), good.end() - 1)});
  kernel::Bytes beyond = good;
  beyond[sizeAt + 3] = 0x7F;  // a size far beyond the bytes left
  cases.push_back({"size beyond the data", beyond});
  kernel::Bytes huge = good;
  for (int i = 0; i < 4; ++i) huge[sizeAt + i] = 0xFF;
  cases.push_back({"size 2^32 - 1", huge});
  kernel::Bytes notMetafile = good;
  notMetafile[sizeAt + 4] ^= 0xFF;  // the header record's type
  cases.push_back({"data not a metafile", notMetafile});

  for (const Case& c : cases) {
    PictureWindow w;
    w.pictures.push_back(Picture(20, 20, -1, 0, -1, 0));
    const kernel::Bytes before = Piece(w.pictures);
    kernel::ByteReader in(c.piece);
    EXPECT_FALSE(w.ReadPictures(in)) << c.what;
    kernel::ByteWriter after;
    w.WritePictures(after);
    EXPECT_EQ(after.bytes(), before) << c.what;
    w.Destroy();
  }
}

TEST(PastedPictureSize, KeepsItsSizeOrShrinksInProportionToFitFromTheClickPoint) {
  // 960 pixels over 254 mm: the frame 5292 x 2646 (0.01 mm) is 200 x 100 pixels.
  platform::DeviceCaps screen;
  screen.widthPixels = screen.heightPixels = 960;
  screen.widthMm = screen.heightMm = 254;
  const platform::Rect frame{0, 0, 5292, 2646};
  const platform::SizeI client{401, 301};
  struct Case {
    platform::PointI at;
    platform::SizeI size;
  };
  const Case cases[] = {
      {{10, 10}, {200, 100}},    // fits
      {{301, 10}, {100, 50}},    // too wide
      {{10, 251}, {100, 50}},    // too high
      {{351, 281}, {40, 20}},    // both, near the lower right
      {{400, 300}, {1, 1}},      // at the last pixel
  };
  for (const Case& c : cases) {
    const platform::SizeI size = PastedPictureSize(frame, screen, c.at, client);
    EXPECT_EQ(size, c.size) << c.at.x << "," << c.at.y;
  }
}

TEST_F(Pictures, PastingNearTheLowerRightFitsTheClientAreaAndAnEmptyClipboardSaysSo) {
  PictureWindow w;
  {
    ScriptedResponder script;
    script.AnswerMessage(IDOK);
    platform::CopyTextToClipboard("no picture");
    w.PastePicture(100, 100);
    EXPECT_EQ(script.Messages(), std::vector<std::string>{Message(5)});
    EXPECT_TRUE(w.pictures.empty());
  }
  const kernel::Bytes metafile = BlueMetafile(400, 200);
  ASSERT_TRUE(platform::CopyMetafileToClipboard(metafile));
  w.fileMsg.modified = 0;
  w.PastePicture(300, 250);
  w.PastePicture(10, 10);
  ASSERT_EQ(w.pictures.size(), 2u);
  const PictureItem& p = w.pictures[0];
  EXPECT_EQ(p.id, 0);
  EXPECT_EQ(w.pictures[1].id, 1);
  EXPECT_EQ(p.tie, kPictureUntied);
  EXPECT_EQ(p.transparent, 1);
  EXPECT_EQ(p.metafile->bytes(), metafile);
  EXPECT_EQ(w.fileMsg.modified, 1);
  // Its upper left corner is the click point; it ends inside the client area, two to one.
  EXPECT_EQ(w.XToScreen(p.x1), 300);
  EXPECT_EQ(w.YToScreen(p.y2), 250);
  const int right = w.XToScreen(p.x2);
  const int bottom = w.YToScreen(p.y1);
  EXPECT_LE(right, w.mapping.width);
  EXPECT_LE(bottom, w.mapping.height);
  EXPECT_NEAR(right - 300, 2 * (bottom - 250), 1);
  w.Destroy();
}

TEST_F(Pictures, TheDialogRefusesASizeBelowAMillimetreAndResizesAboutTheUpperLeftCorner) {
  PictureWindow w;
  w.pictures.push_back(Picture(20, 20, -2, 0, -1, 1));
  const int dpi = w.GetDC()->GetDeviceCaps().dpiX;
  {
    ScriptedResponder script;
    script.OnDialog("METADLG", [](platform::Dialog& d) {
      d.CheckItem(kPictureSizeCheck, true);
      d.SetItemText(kPictureWidthEdit, "0.09");
      d.SetItemText(kPictureHeightEdit, "2");
      d.PressButton(IDOK);  // refused: the dialog stays
      d.PressButton(IDCANCEL);
    });
    script.AnswerMessage(IDOK);
    w.PastePicture(w.XToScreen(-1), w.YToScreen(0));
    EXPECT_TRUE(script.Unexpected().empty());
    EXPECT_EQ(script.Messages(), std::vector<std::string>{Message(6)});
    EXPECT_EQ(w.pictures[0].x2, 0);
  }
  {
    ScriptedResponder script;
    script.OnDialog("METADLG", [](platform::Dialog& d) {
      d.CheckItem(kPictureSizeCheck, true);
      d.CheckItem(kPictureTransparentCheck, false);
      d.SetItemText(kPictureWidthEdit, "1");
      d.SetItemText(kPictureHeightEdit, "0.5");
      d.PressButton(IDOK);
    });
    w.PastePicture(w.XToScreen(-1), w.YToScreen(0));
    EXPECT_TRUE(script.Unexpected().empty());
  }
  const PictureItem& p = w.pictures[0];
  EXPECT_EQ(p.x1, -2);
  EXPECT_EQ(p.y2, 1);
  EXPECT_NEAR(static_cast<double>(p.x2), -2 + 0.3937007874 * dpi * 1 * 0.02, 1e-9);
  EXPECT_NEAR(static_cast<double>(p.y1), 1 - 0.3937007874 * dpi * 0.5 * static_cast<double>(w.mapping.unitsPerPixelY),
              1e-9);
  EXPECT_EQ(p.transparent, 0);
  // A size that would reach beyond the view is refused too.
  {
    ScriptedResponder script;
    script.OnDialog("METADLG", [](platform::Dialog& d) {
      d.CheckItem(kPictureSizeCheck, true);
      d.SetItemText(kPictureWidthEdit, "100");
      d.SetItemText(kPictureHeightEdit, "1");
      d.PressButton(IDOK);
      d.PressButton(IDCANCEL);
    });
    script.AnswerMessage(IDOK);
    w.PastePicture(w.XToScreen(-1.9L), w.YToScreen(0.9L));
    EXPECT_EQ(script.Messages(), std::vector<std::string>{Message(6)});
  }
  w.Destroy();
}

TEST_F(Pictures, FillCoversTheViewUntiedAndCutCopyClearReachTheClipboardAndTheList) {
  PictureWindow w;
  w.objects[4] = {"A", {1, 1}};
  w.pictures.push_back(Picture(20, 20, -1, 0, -1, 0, 4));  // absolute (0..1, 0..1)
  w.pictures.push_back(Picture(30, 10, -3, -2, -3, -2));
  const kernel::Bytes second = w.pictures[1].metafile->bytes();
  const int inFirst = w.XToScreen(0.5L);
  const int inSecond = w.XToScreen(-2.5L);
  {
    ScriptedResponder script;
    script.OnDialog("METADLG", [](platform::Dialog& d) {
      EXPECT_TRUE(d.IsChecked(kPictureAnchorCheck));
      EXPECT_EQ(d.ListSelection(kPictureObjectList), 0);
      d.PressButton(kPictureFillButton);
    });
    w.PastePicture(inFirst, w.YToScreen(0.5L));
    EXPECT_TRUE(script.Unexpected().empty());
  }
  const PictureItem& filled = w.pictures[0];
  EXPECT_EQ(filled.tie, kPictureUntied);
  EXPECT_EQ(filled.x1, w.mapping.box.xmin);
  EXPECT_EQ(filled.x2, w.mapping.box.xmax);
  EXPECT_EQ(filled.y1, w.mapping.box.ymin);
  EXPECT_EQ(filled.y2, w.mapping.box.ymax);

  // The second picture comes first in the list no more; the filled one is hit first everywhere.
  std::swap(w.pictures[0], w.pictures[1]);
  const auto press = [&](int button) {
    ScriptedResponder script;
    script.OnDialog("METADLG", [button](platform::Dialog& d) { d.PressButton(button); });
    w.PastePicture(inSecond, w.YToScreen(-2.5L));
    EXPECT_TRUE(script.Unexpected().empty());
  };
  platform::CopyTextToClipboard("");
  press(kPictureActionCopy);
  EXPECT_EQ(platform::ClipboardMetafile(), second);
  EXPECT_EQ(w.pictures.size(), 2u);
  press(IDCANCEL);
  EXPECT_EQ(w.pictures.size(), 2u);
  platform::CopyTextToClipboard("");
  press(kPictureActionCut);
  EXPECT_EQ(platform::ClipboardMetafile(), second);
  ASSERT_EQ(w.pictures.size(), 1u);
  press(kPictureActionClear);  // now the filled picture
  EXPECT_TRUE(w.pictures.empty());
  w.Destroy();
}

TEST_F(Pictures, ATiedPictureMovesWithItsObjectAndTheDialogTiesAndUnties) {
  PictureWindow w;
  w.objects[2] = {"B", {0, 0}};
  w.objects[9] = {"C", {2, -1}};
  w.pictures.push_back(Picture(20, 20, -1, 0, -1, 0));
  // Tied to C in the dialog: it stays where it is and is kept relative to C.
  {
    ScriptedResponder script;
    script.OnDialog("METADLG", [](platform::Dialog& d) {
      EXPECT_FALSE(d.IsChecked(kPictureAnchorCheck));
      d.CheckItem(kPictureAnchorCheck, true);
      d.ListSelect(kPictureObjectList, 1);
      d.PressButton(IDOK);
    });
    w.PastePicture(w.XToScreen(-0.5L), w.YToScreen(-0.5L));
    EXPECT_TRUE(script.Unexpected().empty());
  }
  ASSERT_EQ(w.pictures[0].tie, 9);
  EXPECT_EQ(w.pictures[0].x1, -3);
  EXPECT_EQ(w.pictures[0].y2, 1);
  // C moves by (1, 1): so does the picture.
  w.objects[9].at = {3, 0};
  EXPECT_FALSE(w.HitPicture({w.XToScreen(-0.5L), w.YToScreen(-0.5L)}));
  const std::optional<PictureHit> hit = w.HitPicture({w.XToScreen(0.5L), w.YToScreen(0.5L)});
  ASSERT_TRUE(hit);
  EXPECT_EQ(hit->size, (platform::SizeI{50, 50}));
  // Untied again, it stays where it was shown.
  {
    ScriptedResponder script;
    script.OnDialog("METADLG", [](platform::Dialog& d) {
      d.CheckItem(kPictureAnchorCheck, false);
      d.PressButton(IDOK);
    });
    w.PastePicture(w.XToScreen(0.5L), w.YToScreen(0.5L));
  }
  EXPECT_EQ(w.pictures[0].tie, kPictureUntied);
  EXPECT_EQ(w.pictures[0].x1, 0);
  EXPECT_EQ(w.pictures[0].y2, 1);
  w.Destroy();
}

TEST_F(Pictures, DraggingMovesThePictureKeepingItsSizeAndADropOutsideLeavesIt) {
  PictureWindow w;
  w.pictures.push_back(Picture(20, 20, -1, 0, -1, 0));
  const auto drag = [&](platform::PointI from, platform::PointI to) {
    ScriptedResponder script;
    script.OnLoop([to](platform::ModalLoop& loop) {
      platform::MouseEvent e;
      e.x = to.x - 5;
      e.y = to.y;
      e.leftDown = true;
      loop.FeedMouseMove(e);
      e.x = to.x;
      loop.FeedMouseMove(e);
      e.leftDown = false;
      loop.FeedMouseUp(e);
    });
    const bool hit = w.DragPicture(from.x, from.y);
    EXPECT_TRUE(script.Unexpected().empty());
    return hit;
  };
  EXPECT_FALSE(w.DragPicture(w.XToScreen(2), w.YToScreen(2)));
  w.fileMsg.modified = 0;
  const platform::PointI grab{w.XToScreen(-0.5L), w.YToScreen(-0.5L)};
  ASSERT_TRUE(drag(grab, {grab.x + 100, grab.y - 50}));
  const PictureItem& p = w.pictures[0];
  const Real x1 = w.XToWorld(w.XToScreen(-1) + 100);
  const Real y2 = w.YToWorld(w.YToScreen(0) - 50);
  EXPECT_EQ(p.x1, x1);
  EXPECT_EQ(p.y2, y2);
  EXPECT_EQ(p.x2, x1 + 1);
  EXPECT_EQ(p.y1, y2 - 1);
  EXPECT_EQ(w.fileMsg.modified, 1);
  ASSERT_TRUE(drag({w.XToScreen(x1 + 0.5L), w.YToScreen(y2 - 0.5L)}, {w.mapping.width + 20, 10}));
  EXPECT_EQ(p.x1, x1);
  EXPECT_EQ(p.y2, y2);
  w.Destroy();
}

TEST_F(Pictures, DrawingFillsOpaquePicturesLetsTransparentOnesShowThroughAndReusesThePlayedBitmap) {
  PictureWindow w;
  w.pictures.push_back(Picture(40, 40, -3, -1, -1, 1));  // 100 x 100 pixels
  w.pictures.push_back(Picture(40, 40, 1, 3, -1, 1));
  w.pictures[0].transparent = 0;
  platform::Bitmap screen(w.mapping.width, w.mapping.height, kRed);
  {
    std::unique_ptr<platform::DC> dc = screen.CreateDC();
    w.DrawPictures(*dc);
  }
  const platform::Color background = platform::Color::FromColorRef(w.Color(w.preWin.roles[0]));
  const int y = w.YToScreen(0);
  EXPECT_EQ(screen.GetPixel(w.XToScreen(-2.5L), y), kBlue);
  EXPECT_EQ(screen.GetPixel(w.XToScreen(-1.5L), y), background);
  EXPECT_EQ(screen.GetPixel(w.XToScreen(1.5L), y), kBlue);
  EXPECT_EQ(screen.GetPixel(w.XToScreen(2.5L), y), kRed);
  EXPECT_EQ(screen.GetPixel(w.XToScreen(0), y), kRed);
  ASSERT_TRUE(w.pictures[0].played);
  EXPECT_EQ(w.pictures[0].played->pixels.width(), 100);

  // Drawn again at the same size the played bitmap is blitted; at another size it is played anew.
  const PlayedPicture* played = w.pictures[0].played.get();
  {
    std::unique_ptr<platform::DC> dc = screen.CreateDC();
    w.DrawPictures(*dc);
  }
  EXPECT_EQ(w.pictures[0].played.get(), played);
  // Another background colour shows under the opaque picture at once.
  w.preWin.roles[0] = static_cast<std::uint16_t>(w.preWin.roles[0] == 3 ? 4 : 3);
  const platform::Color other = platform::Color::FromColorRef(w.Color(w.preWin.roles[0]));
  ASSERT_NE(other, background);
  {
    std::unique_ptr<platform::DC> dc = screen.CreateDC();
    w.DrawPictures(*dc);
  }
  EXPECT_EQ(screen.GetPixel(w.XToScreen(-1.5L), y), other);
  EXPECT_EQ(screen.GetPixel(w.XToScreen(-2.5L), y), kBlue);
  w.SetView(0, 0, 8, 6, false);
  {
    std::unique_ptr<platform::DC> dc = screen.CreateDC();
    w.DrawPictures(*dc);
  }
  EXPECT_EQ(w.pictures[0].played->pixels.width(), 50);
  w.Destroy();
}

TEST_F(Pictures, CopiedToTheClipboardThenPastedOntoAnotherWindowTheRecordsAreTheSame) {
  PictureWindow from;
  from.pictures.push_back(Picture(40, 40, -3, -1, -1, 1));
  ASSERT_TRUE(from.CopyToClipboard());
  const std::optional<kernel::Bytes> copied = platform::ClipboardMetafile();
  ASSERT_TRUE(copied);
  const std::optional<kernel::Bytes> again = from.MakeMetafile();
  ASSERT_TRUE(again);
  EXPECT_EQ(*copied, *again);

  PictureWindow to(300, 200);
  to.PastePicture(5, 5);
  ASSERT_EQ(to.pictures.size(), 1u);
  EXPECT_EQ(to.pictures[0].metafile->bytes(), *copied);
  // And it stays so through the figure file's piece.
  kernel::ByteWriter out;
  to.WritePictures(out);
  const kernel::Bytes piece = out.Take();
  kernel::ByteReader in(piece);
  std::vector<PictureItem> read;
  ASSERT_TRUE(ReadPictures(in, read));
  EXPECT_EQ(read[0].metafile->bytes(), *copied);
  from.Destroy();
  to.Destroy();
}

TEST_F(Pictures, ThePictureToolPastesWithTheRightButtonAndThePaintShowsThePicture) {
  PictureWindow w;
  ASSERT_TRUE(platform::CopyMetafileToClipboard(BlueMetafile(40, 40)));
  platform::MouseEvent right;
  right.button = platform::MouseButton::Right;
  right.x = 20;
  right.y = 30;
  w.DeliverMouseDown(right);  // no tool chosen: nothing
  EXPECT_TRUE(w.pictures.empty());
  ASSERT_TRUE(w.DispatchCommand(kCmdPictureTool));
  w.DeliverMouseDown(right);
  ASSERT_EQ(w.pictures.size(), 1u);
  platform::Bitmap screen(w.mapping.width, w.mapping.height, kRed);
  {
    std::unique_ptr<platform::DC> dc = screen.CreateDC();
    w.PaintInto(*dc);
  }
  EXPECT_EQ(screen.GetPixel(22, 32), kBlue);
  EXPECT_NE(screen.GetPixel(10, 10), kBlue);
  w.Destroy();
}
