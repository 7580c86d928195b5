// Pixel semantics of the device context, drawn on off-screen bitmaps and read back.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/dc.h"
#include "support/test_colours.h"

using namespace platform;

namespace {

using test_colours::kBlue;
using test_colours::kGrey;
using test_colours::kYellow;

// A white bitmap with a device context on it.
class DcTest : public testing::Test {
 protected:
  static constexpr int kSize = 24;
  Bitmap bitmap{kSize, kSize};
  std::unique_ptr<DC> dc = bitmap.CreateDC();

  Color At(int x, int y) const { return *bitmap.GetPixel(x, y); }
  bool Drawn(int x, int y) const { return At(x, y) != kWhite; }
  int DrawnCount() const {
    int n = 0;
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x) n += Drawn(x, y);
    return n;
  }
  // The picture as text, for failure messages.
  std::string Picture() const {
    std::string s = "\n";
    for (int y = 0; y < kSize; ++y) {
      for (int x = 0; x < kSize; ++x) s += At(x, y) == kWhite ? '.' : At(x, y) == kBlack ? '#' : 'o';
      s += '\n';
    }
    return s;
  }
  // A picture with every pixel a different colour, to check that XOR drawing undoes itself.
  void PaintPattern() {
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x)
        bitmap.SetPixel(x, y, Color{static_cast<std::uint8_t>(x * 10), static_cast<std::uint8_t>(y * 10),
                                    static_cast<std::uint8_t>((x + y) * 5)});
  }
  Bitmap Snapshot() const { return bitmap; }
  bool SameAs(const Bitmap& other) const {
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x)
        if (bitmap.GetPixel(x, y) != other.GetPixel(x, y)) return false;
    return true;
  }
};

}  // namespace

TEST_F(DcTest, LineDrawsItsFirstPixelAndExcludesItsLast) {
  struct Case {
    PointI from, to;
  };
  const Case cases[] = {
      {{2, 5}, {12, 5}},  {{12, 5}, {2, 5}},  {{5, 2}, {5, 12}},  {{5, 12}, {5, 2}},
      {{2, 2}, {12, 7}},  {{12, 7}, {2, 2}},  {{3, 15}, {8, 3}},  {{8, 3}, {3, 15}},
      {{4, 4}, {5, 4}},   {{4, 4}, {14, 14}}, {{14, 4}, {4, 14}},
  };
  for (const Case& c : cases) {
    bitmap.Fill(kWhite);
    dc->MoveTo(c.from);
    dc->LineTo(c.to);
    const int length = std::max(std::abs(c.to.x - c.from.x), std::abs(c.to.y - c.from.y));
    SCOPED_TRACE(testing::Message() << "(" << c.from.x << "," << c.from.y << ") to (" << c.to.x << ","
                                    << c.to.y << ")" << Picture());
    EXPECT_TRUE(Drawn(c.from.x, c.from.y));
    EXPECT_FALSE(Drawn(c.to.x, c.to.y));
    EXPECT_EQ(DrawnCount(), length);
    EXPECT_EQ(dc->CurrentPosition(), c.to);
  }
}

TEST_F(DcTest, JoinedXorLinesTouchEveryPixelOnceAndUndoThemselves) {
  PaintPattern();
  const Bitmap before = Snapshot();
  dc->SetRasterOp(RasterOp::Xor);
  dc->SelectPen(Pen{PenStyle::Solid, 1, kWhite});
  const PointI square[] = {{3, 3}, {15, 3}, {15, 15}, {3, 15}, {3, 3}};
  dc->Polyline(square);
  // A corner drawn twice would have been XOR-ed back to its old colour.
  for (PointI corner : {PointI{3, 3}, PointI{15, 3}, PointI{15, 15}, PointI{3, 15}}) {
    EXPECT_NE(bitmap.GetPixel(corner.x, corner.y), before.GetPixel(corner.x, corner.y));
  }
  dc->Polyline(square);
  EXPECT_TRUE(SameAs(before));
}

TEST_F(DcTest, XorAndNotXorCombineColoursAndUndoThemselves) {
  dc->SetRasterOp(RasterOp::Xor);
  dc->SetPixel({0, 0}, kBlack);  // pixels are set, never combined
  dc->PatBlt({1, 1, 3, 3}, RasterOp::Xor);  // current brush: white
  EXPECT_EQ(At(0, 0), kBlack);
  EXPECT_EQ(At(1, 1), kBlack);
  dc->FillRect({4, 4, 6, 6}, Brush::Solid(kYellow));
  dc->PatBlt({4, 4, 6, 6}, RasterOp::NotXor);  // not (white xor yellow)
  EXPECT_EQ(At(4, 4), kYellow);
  dc->SelectBrush(Brush::Solid(Color{255, 0, 0}));
  dc->PatBlt({4, 4, 6, 6}, RasterOp::Xor);
  EXPECT_EQ(At(4, 4), (Color{0, 255, 0}));

  // Every kind of drawing, done twice under XOR and under not-XOR, leaves the picture as it was.
  for (RasterOp op : {RasterOp::Xor, RasterOp::NotXor}) {
    PaintPattern();
    const Bitmap before = Snapshot();
    dc->SetRasterOp(op);
    dc->SelectPen(Pen{PenStyle::Solid, 1, kBlue});
    dc->SelectBrush(Brush::Hatched(HatchStyle::Cross, kYellow));
    for (int pass = 0; pass < 2; ++pass) {
      dc->MoveTo({1, 1});
      dc->LineTo({20, 9});
      const PointI triangle[] = {{2, 12}, {20, 14}, {8, 22}};
      dc->SelectPen(Pen{PenStyle::Null, 1, kBlue});
      dc->Polygon(triangle);
      dc->SelectPen(Pen{PenStyle::Dash, 1, kBlue});
      dc->Rectangle({3, 3, 19, 10});
      dc->SelectPen(Pen{PenStyle::Solid, 1, kBlue});
      dc->PaintRegion(Region::FromRect({10, 10, 22, 22}));
      dc->PatBlt({0, 20, 24, 24}, op);
      dc->DrawBitmap({0, 0, 5, 5}, before, {7, 7}, op);
      dc->SelectBrush(Brush::Solid(kGrey));  // a marker: drawn once, then copied by its pixels
      dc->Ellipse({12, 1, 21, 10});
      dc->Ellipse({1, 12, 10, 21});
      dc->SelectBrush(Brush::Hatched(HatchStyle::Cross, kYellow));
      dc->StretchBitmap({14, 14, 24, 20}, before, {0, 0, 5, 3}, op);
    }
    EXPECT_TRUE(SameAs(before)) << (op == RasterOp::Xor ? "xor" : "not xor");
  }
}

TEST_F(DcTest, RectangleExcludesRightAndBottomEdges) {
  dc->SelectBrush(Brush::Solid(kGrey));
  dc->Rectangle({2, 3, 8, 7});
  EXPECT_EQ(At(2, 3), kBlack) << Picture();
  EXPECT_EQ(At(7, 6), kBlack);
  EXPECT_EQ(At(4, 5), kGrey);
  EXPECT_FALSE(Drawn(8, 5));
  EXPECT_FALSE(Drawn(5, 7));
  EXPECT_EQ(DrawnCount(), 6 * 4);

  // With the null pen the filled area is one pixel smaller each way.
  bitmap.Fill(kWhite);
  dc->SelectPen(Pen{PenStyle::Null, 1, kBlack});
  dc->Rectangle({2, 3, 8, 7});
  EXPECT_EQ(DrawnCount(), 5 * 3) << Picture();
  EXPECT_EQ(At(2, 3), kGrey);
  EXPECT_FALSE(Drawn(7, 3));
}

TEST_F(DcTest, EllipseTouchesEveryEdgeOfItsBoxAndStaysInside) {
  dc->SelectBrush(Brush::Solid(kGrey));
  dc->Ellipse({2, 4, 20, 14});
  int minX = kSize, maxX = -1, minY = kSize, maxY = -1;
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x)
      if (Drawn(x, y)) minX = std::min(minX, x), maxX = std::max(maxX, x), minY = std::min(minY, y), maxY = std::max(maxY, y);
  EXPECT_EQ(minX, 2) << Picture();
  EXPECT_EQ(maxX, 19);
  EXPECT_EQ(minY, 4);
  EXPECT_EQ(maxY, 13);
  EXPECT_EQ(At(11, 9), kGrey);
  EXPECT_FALSE(Drawn(2, 4));  // the box's corner is outside the ellipse
}

TEST_F(DcTest, ArcsChordsAndPiesRunCounterClockwise) {
  dc->SelectBrush(Brush::Solid(kGrey));
  // From 3 o'clock to 12 o'clock counter-clockwise: the upper right quarter.
  dc->Pie({2, 2, 22, 22}, {21, 12}, {12, 2});
  EXPECT_EQ(At(16, 7), kGrey) << Picture();
  EXPECT_FALSE(Drawn(7, 7));
  EXPECT_FALSE(Drawn(16, 17));
  EXPECT_FALSE(Drawn(7, 17));

  // The same points the other way round: three quarters.
  bitmap.Fill(kWhite);
  dc->Pie({2, 2, 22, 22}, {12, 2}, {21, 12});
  EXPECT_FALSE(Drawn(16, 7)) << Picture();
  EXPECT_EQ(At(7, 7), kGrey);
  EXPECT_EQ(At(7, 17), kGrey);

  // A chord of the left half is cut by the vertical diameter; an arc leaves the inside alone.
  bitmap.Fill(kWhite);
  dc->Chord({2, 2, 22, 22}, {12, 2}, {12, 21});
  EXPECT_EQ(At(6, 12), kGrey) << Picture();
  EXPECT_FALSE(Drawn(17, 12));
  bitmap.Fill(kWhite);
  dc->Arc({2, 2, 22, 22}, {12, 2}, {12, 21});
  EXPECT_TRUE(Drawn(2, 12)) << Picture();
  EXPECT_FALSE(Drawn(21, 12));
  EXPECT_FALSE(Drawn(6, 12));
}

TEST_F(DcTest, PolygonsFillByWindingUnlessAlternateIsChosen) {
  // A five-pointed star drawn in one stroke: its centre is wound twice.
  const PointI star[] = {{12, 1}, {19, 22}, {1, 8}, {23, 8}, {5, 22}};
  dc->SelectPen(Pen{PenStyle::Null, 1, kBlack});
  dc->SelectBrush(Brush::Solid(kBlack));
  dc->Polygon(star);
  EXPECT_EQ(At(12, 12), kBlack) << Picture();
  bitmap.Fill(kWhite);
  dc->SetFillMode(FillMode::Alternate);
  dc->Polygon(star);
  EXPECT_FALSE(Drawn(12, 12)) << Picture();
  EXPECT_EQ(At(12, 4), kBlack);

  // A square's fill leaves its right and bottom edges to the pen, which draws them.
  bitmap.Fill(kWhite);
  const PointI square[] = {{2, 2}, {6, 2}, {6, 6}, {2, 6}};
  dc->Polygon(square);
  EXPECT_EQ(DrawnCount(), 16) << Picture();
  EXPECT_FALSE(Drawn(6, 6));
  bitmap.Fill(kWhite);
  dc->SelectPen(Pen{});
  dc->SelectBrush(Brush::Solid(kGrey));
  dc->Polygon(square);
  EXPECT_EQ(At(6, 6), kBlack) << Picture();
  EXPECT_EQ(At(3, 3), kGrey);
  EXPECT_EQ(DrawnCount(), 25);
}

TEST_F(DcTest, HatchedBrushesLeaveGapsThatOpaqueModeFillsWithTheBackground) {
  for (HatchStyle hatch : {HatchStyle::Horizontal, HatchStyle::Vertical, HatchStyle::ForwardDiagonal,
                           HatchStyle::BackwardDiagonal, HatchStyle::Cross, HatchStyle::DiagonalCross}) {
    bitmap.Fill(kYellow);
    dc->SetBackgroundMode(BackgroundMode::Transparent);
    dc->FillRect({0, 0, 16, 16}, Brush::Hatched(hatch, kBlack));
    int black = 0, yellow = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) black += At(x, y) == kBlack, yellow += At(x, y) == kYellow;
    EXPECT_GT(black, 0) << static_cast<int>(hatch);
    EXPECT_EQ(black + yellow, 256);
    EXPECT_GT(yellow, black);

    bitmap.Fill(kYellow);
    dc->SetBackgroundMode(BackgroundMode::Opaque);
    dc->SetBackgroundColor(kBlue);
    dc->FillRect({0, 0, 16, 16}, Brush::Hatched(hatch, kBlack));
    int blue = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) blue += At(x, y) == kBlue;
    EXPECT_EQ(blue, yellow) << "the gaps take the background colour";
  }
}

TEST_F(DcTest, ThinDashedPensCountTheirPatternInPixels) {
  dc->SelectPen(Pen{PenStyle::Dash, 1, kBlack});
  dc->SetBackgroundColor(kBlue);
  dc->MoveTo({0, 2});
  dc->LineTo({24, 2});
  // 18 pixels of dash, 6 of gap in the background colour.
  for (int x = 0; x < 18; ++x) EXPECT_EQ(At(x, 2), kBlack) << x;
  for (int x = 18; x < 24; ++x) EXPECT_EQ(At(x, 2), kBlue) << x;
  dc->SetBackgroundMode(BackgroundMode::Transparent);
  dc->SelectPen(Pen{PenStyle::Dot, 0, kBlack});
  dc->MoveTo({0, 4});
  dc->LineTo({12, 4});
  const std::string expected = "###...###...";
  std::string row;
  for (int x = 0; x < 12; ++x) row += Drawn(x, 4) ? '#' : '.';
  EXPECT_EQ(row, expected);
}

TEST_F(DcTest, WidePensAreCentredOnTheLine) {
  dc->SelectPen(Pen{PenStyle::Solid, 5, kBlack});
  dc->MoveTo({6, 10});
  dc->LineTo({18, 10});
  for (int y = 8; y <= 12; ++y) EXPECT_EQ(At(12, y), kBlack) << y << Picture();
  EXPECT_FALSE(Drawn(12, 7));
  EXPECT_FALSE(Drawn(12, 13));
}

TEST_F(DcTest, APenWiderThanTheBitmapCoversIt) {
  for (const int width : {100, 40000, std::numeric_limits<int>::max()}) {
    bitmap.Fill(kWhite);
    dc->SelectPen(Pen{PenStyle::Solid, width, kBlack});
    dc->MoveTo({10, 10});
    dc->LineTo({14, 12});
    EXPECT_EQ(DrawnCount(), kSize * kSize) << width << Picture();
  }
}

TEST_F(DcTest, ClipRegionLimitsDrawingUntilCleared) {
  const PointI triangle[] = {{0, 0}, {20, 0}, {0, 20}};
  dc->SelectClipRegion(Region::FromPolygon(triangle).Intersected(Region::FromRect({0, 0, 10, 24})));
  dc->SelectPen(Pen{PenStyle::Solid, 3, kBlack});
  dc->SelectBrush(Brush::Solid(kBlack));
  dc->Rectangle({0, 0, 24, 24});
  dc->MoveTo({0, 12});
  dc->LineTo({24, 12});
  dc->TextOut({12, 12}, "clipped");
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x)
      EXPECT_EQ(Drawn(x, y), x < 10 && x + y < 20) << x << "," << y << Picture();
  dc->ClearClipRegion();
  dc->PatBlt({0, 0, 24, 24}, RasterOp::Copy);
  EXPECT_EQ(DrawnCount(), kSize * kSize);
}

TEST_F(DcTest, RegionsContainWhatTheirFillPaints) {
  const PointI square[] = {{2, 2}, {8, 2}, {8, 8}, {2, 8}};
  const Region region = Region::FromPolygon(square);
  dc->SelectBrush(Brush::Solid(kBlack));
  dc->PaintRegion(region);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x) EXPECT_EQ(region.Contains({x, y}), Drawn(x, y)) << x << "," << y;
  EXPECT_EQ(region.Bounds(), (Rect{2, 2, 8, 8}));
  EXPECT_TRUE(region.Intersected(Region::FromRect({10, 10, 12, 12})).IsEmpty());
  EXPECT_TRUE(Region::FromPolygon(std::span<const PointI>(square, 2)).IsEmpty());

  // A frame 2 pixels wide and 1 high along the inside of the edge.
  bitmap.Fill(kWhite);
  dc->FrameRegion(region, Brush::Solid(kGrey), 2, 1);
  EXPECT_EQ(At(2, 4), kGrey) << Picture();
  EXPECT_EQ(At(3, 4), kGrey);
  EXPECT_FALSE(Drawn(4, 4));
  EXPECT_EQ(At(4, 2), kGrey);
  EXPECT_FALSE(Drawn(4, 3));
  EXPECT_EQ(At(7, 7), kGrey);
  EXPECT_EQ(DrawnCount(), 36 - 2 * 4);
}

TEST_F(DcTest, TextExtentGrowsWithTheTextAndTheFont) {
  FontSpec font;
  font.height = -12;
  dc->SelectFont(font);
  const SizeI a = dc->GetTextExtent("A");
  const SizeI abc = dc->GetTextExtent("ABC");
  EXPECT_GT(a.width, 0);
  EXPECT_GT(abc.width, a.width);
  EXPECT_EQ(abc.height, a.height);
  EXPECT_GE(a.height, 12);
  EXPECT_EQ(dc->GetTextExtent("").width, 0);
  font.height = -24;
  dc->SelectFont(font);
  const SizeI big = dc->GetTextExtent("ABC");
  EXPECT_GT(big.width, abc.width);
  EXPECT_GT(big.height, abc.height);
  // A positive height is the whole cell.
  font.height = 20;
  dc->SelectFont(font);
  EXPECT_NEAR(dc->GetTextExtent("ABC").height, 20, 1);
}

TEST_F(DcTest, TextIsPlacedByItsAlignmentAndTurnedByItsAngle) {
  FontSpec font;
  font.height = -10;
  dc->SelectFont(font);
  dc->SetBackgroundMode(BackgroundMode::Transparent);
  const SizeI extent = dc->GetTextExtent("HH");
  auto inkBox = [&] {
    Rect box{kSize, kSize, -1, -1};
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x)
        if (Drawn(x, y))
          box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
    return box;
  };
  dc->SetTextAlign(kAlignRight | kAlignBottom);
  dc->TextOut({20, 20}, "HH");
  Rect ink = inkBox();
  EXPECT_LE(ink.right, 21) << Picture();
  EXPECT_LE(ink.bottom, 21);
  EXPECT_GE(ink.left, 20 - extent.width);
  EXPECT_GE(ink.top, 20 - extent.height);

  // Opaque text fills its whole box with the background colour.
  bitmap.Fill(kWhite);
  dc->SetBackgroundMode(BackgroundMode::Opaque);
  dc->SetBackgroundColor(kBlue);
  dc->SetTextAlign(kAlignLeft | kAlignTop);
  dc->TextOut({1, 1}, "HH");
  EXPECT_EQ(inkBox(), (Rect{1, 1, 1 + extent.width, 1 + extent.height})) << Picture();

  // Turned a quarter counter-clockwise, text written from the baseline rises.
  bitmap.Fill(kWhite);
  dc->SetBackgroundMode(BackgroundMode::Transparent);
  font.escapement = 900;
  dc->SelectFont(font);
  dc->SetTextAlign(kAlignLeft | kAlignBaseline);
  dc->TextOut({12, 22}, "HH");
  ink = inkBox();
  EXPECT_GT(ink.Height(), ink.Width()) << Picture();
  EXPECT_LE(ink.right, 13);
  EXPECT_LE(ink.bottom, 23);
}

TEST_F(DcTest, SymbolFontTextShowsGreekLetters) {
  // The symbol font's "p" is pi, which is wider than the letter p in the usual fonts.
  FontSpec font;
  font.height = -20;
  font.face = "DejaVu Sans";
  dc->SelectFont(font);
  const int latin = dc->GetTextExtent("ppp").width;
  font.symbolCharset = true;
  dc->SelectFont(font);
  EXPECT_NE(dc->GetTextExtent("ppp").width, latin);
}

TEST_F(DcTest, SymbolFaceDrawsPiAndMinusEvenWhenItsOwnGlyphsAreMissing) {
  // The stored symbol slot names "Symbol"; on systems where that face lacks the Greek and minus
  // code points the text must still show (a pi and a minus of the scale labels came out blank).
  FontSpec font;
  font.height = -20;
  font.face = "Symbol";
  font.symbolCharset = true;
  dc->SelectFont(font);
  dc->SetTextAlign(kAlignLeft | kAlignTop);
  dc->TextOut({1, 1}, "p");
  EXPECT_GT(DrawnCount(), 10) << Picture();
}

TEST_F(DcTest, TheProgramsSymbolCodesShowTheirSymbols) {
  // The degree sign behind an angle (248) looks like Windows-1252's own (176), not like an o with
  // a stroke; the square (253) like the superscript two (178), not like a y with an acute.
  const auto picture = [](std::string_view text) {
    Bitmap b(kSize, kSize);
    const std::unique_ptr<DC> target = b.CreateDC();
    FontSpec font;
    font.height = -20;
    font.face = "DejaVu Sans";
    target->SelectFont(font);
    target->SetTextAlign(kAlignLeft | kAlignTop);
    target->TextOut({1, 1}, text);
    std::vector<Color> pixels;
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x) pixels.push_back(*b.GetPixel(x, y));
    return pixels;
  };
  EXPECT_EQ(picture("\xF8"), picture("\xB0"));
  EXPECT_EQ(picture("\xFD"), picture("\xB2"));  // the superscript two
}

TEST_F(DcTest, PixelsAndCapabilitiesOfABitmap) {
  dc->SetPixel({3, 4}, kBlue);
  EXPECT_EQ(dc->GetPixel({3, 4}), kBlue);
  EXPECT_EQ(bitmap.GetPixel(3, 4), kBlue);
  EXPECT_EQ(dc->GetPixel({-1, 4}), std::nullopt);
  EXPECT_EQ(dc->GetPixel({3, kSize}), std::nullopt);
  const DeviceCaps caps = dc->GetDeviceCaps();
  EXPECT_TRUE(caps.raster);
  EXPECT_EQ(caps.widthPixels, kSize);
  EXPECT_EQ(caps.heightPixels, kSize);
  EXPECT_GT(caps.dpiX, 0);
  EXPECT_GT(caps.dpiY, 0);
  EXPECT_EQ(caps.physicalOffsetX, 0);
}

TEST(Color, StoredColourValuesAreRedGreenBlueFromTheLowByte) {
  constexpr Color c = Color::FromColorRef(0x00332211);
  EXPECT_EQ(c, (Color{0x11, 0x22, 0x33}));
  EXPECT_EQ(c.ToColorRef(), 0x00332211u);
  EXPECT_EQ(Color::FromColorRef(0xFF0000FF), (Color{255, 0, 0}));  // the high byte is ignored
}

TEST_F(DcTest, StateSettersReturnThePreviousValue) {
  const Pen red{PenStyle::Dot, 2, Color{255, 0, 0}};
  EXPECT_EQ(dc->SelectPen(red), Pen{});
  EXPECT_EQ(dc->SelectPen(Pen{}), red);
  EXPECT_EQ(dc->SetRasterOp(RasterOp::Xor), RasterOp::Copy);
  EXPECT_EQ(dc->SetTextAlign(kAlignCentre | kAlignBaseline), kAlignLeft | kAlignTop);
  EXPECT_EQ(dc->MoveTo({5, 6}), (PointI{0, 0}));
  EXPECT_EQ(dc->SetBackgroundMode(BackgroundMode::Transparent), BackgroundMode::Opaque);
}

TEST_F(DcTest, WidePensDrawSolidWhateverTheirStyle) {
  for (PenStyle style : {PenStyle::Dash, PenStyle::Dot, PenStyle::DashDot, PenStyle::DashDotDot}) {
    bitmap.Fill(kWhite);
    dc->SelectPen(Pen{style, 3, kBlack});
    dc->MoveTo({0, 12});
    dc->LineTo({24, 12});
    for (int x = 2; x < 22; ++x) EXPECT_EQ(At(x, 12), kBlack) << static_cast<int>(style) << " at " << x << Picture();
  }
}

TEST_F(DcTest, TheStateStackPutsBackStatePositionAndClip) {
  dc->SelectPen(Pen{PenStyle::Dot, 1, kBlue});
  dc->MoveTo({3, 4});
  {
    DC::SavedState saved(*dc);
    dc->SelectPen(Pen{PenStyle::Solid, 4, kGrey});
    dc->SetRasterOp(RasterOp::Xor);
    dc->SelectClipRegion(Region::FromRect({0, 0, 5, 5}));
    dc->MoveTo({9, 9});
    dc->Push();
    dc->ClearClipRegion();
    dc->Pop();
    EXPECT_TRUE(dc->clipRegion().has_value());
    EXPECT_EQ(dc->PushedStates(), 1u);
  }
  EXPECT_EQ(dc->PushedStates(), 0u);
  EXPECT_EQ(dc->state().pen, (Pen{PenStyle::Dot, 1, kBlue}));
  EXPECT_EQ(dc->state().rasterOp, RasterOp::Copy);
  EXPECT_EQ(dc->CurrentPosition(), (PointI{3, 4}));
  EXPECT_FALSE(dc->clipRegion().has_value());
  dc->FillRect({0, 0, kSize, kSize}, Brush::Solid(kBlack));  // the clip really is gone
  EXPECT_EQ(DrawnCount(), kSize * kSize);
}

TEST_F(DcTest, ASecondDCOnTheSameBitmapDrawsWithItsOwnState) {
  dc->SelectPen(Pen{PenStyle::Solid, 1, kBlue});
  dc->SelectClipRegion(Region::FromRect({0, 0, 12, 24}));
  {
    std::unique_ptr<DC> second = bitmap.CreateDC();
    ASSERT_NE(second, nullptr);
    second->SelectBrush(Brush::Solid(kYellow));
    second->Rectangle({14, 2, 20, 8});  // outside the first DC's clip: its own has none
    dc->MoveTo({0, 10});
    dc->LineTo({24, 10});  // through the first DC's clip
    second->FillRect({14, 14, 16, 16}, Brush::Solid(kGrey));
  }
  EXPECT_EQ(At(16, 4), kYellow) << Picture();
  EXPECT_EQ(At(14, 2), kBlack);
  EXPECT_EQ(At(15, 15), kGrey);
  EXPECT_EQ(At(5, 10), kBlue);
  EXPECT_FALSE(Drawn(15, 10));
  dc->Ellipse({1, 1, 5, 5});  // the first DC goes on after the second is gone
  EXPECT_TRUE(Drawn(3, 1));
}

TEST_F(DcTest, FarShapesFillWhatShowsAndCostWhatTheyShow) {
  dc->SelectPen(Pen{PenStyle::Solid, 1, kBlack});
  dc->SelectBrush(Brush::Solid(kGrey));
  // A disc whose centre is 10^8 pixels away, its edge crossing the bitmap's top left corner
  // diagonally: the part inside the circle is filled, the edge is drawn, and nothing else.
  const int r = 100000000;
  const int c = static_cast<int>(12 + r / std::sqrt(2.0));
  dc->Ellipse({c - r, c - r, c + r + 1, c + r + 1});
  for (int i = 0; i < kSize; ++i) {
    EXPECT_EQ(At(i, i), i < 11 ? kWhite : i > 13 ? kGrey : At(i, i)) << i << Picture();
  }
  EXPECT_EQ(At(2, 20), kWhite) << Picture();  // x + y < 24: outside
  EXPECT_EQ(At(20, 20), kGrey);
  // A polygon with far corners fills its inside, winding and all.
  bitmap.Fill(kWhite);
  dc->SelectPen(Pen{PenStyle::Null, 1, kBlack});
  const PointI wedge[] = {{-1000000000, -1000000000}, {1000000000, -1000000000}, {12, 12}};
  dc->Polygon(wedge);
  EXPECT_EQ(At(12, 5), kGrey) << Picture();
  EXPECT_EQ(At(2, 20), kWhite);
  EXPECT_EQ(At(22, 20), kWhite);
  // Arcs, rectangles and text anywhere cost nothing where nothing shows.
  bitmap.Fill(kWhite);
  dc->SelectPen(Pen{PenStyle::Dash, 3, kBlack});
  dc->SelectBrush(Brush::Hollow());
  dc->Arc({INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, {0, INT32_MIN}, {INT32_MIN, 0});
  dc->Rectangle({INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX});
  dc->TextOut({2000000000, 5}, "far");
  EXPECT_EQ(DrawnCount(), 0) << Picture();
}

TEST_F(DcTest, StretchedBitmapsTakeTheNearestSourcePixelAndMirror) {
  Bitmap source(2, 2);
  source.SetPixel(0, 0, kBlack);
  source.SetPixel(1, 0, kBlue);
  source.SetPixel(0, 1, kYellow);
  source.SetPixel(1, 1, kGrey);
  dc->StretchBitmap({0, 0, 8, 6}, source, {0, 0, 2, 2}, RasterOp::Copy);
  EXPECT_EQ(At(3, 2), kBlack) << Picture();
  EXPECT_EQ(At(4, 2), kBlue);
  EXPECT_EQ(At(3, 3), kYellow);
  EXPECT_EQ(At(7, 5), kGrey);
  EXPECT_FALSE(Drawn(8, 0));
  // Given right to left, the picture is mirrored.
  dc->StretchBitmap({20, 10, 12, 16}, source, {0, 0, 2, 2}, RasterOp::Copy);
  EXPECT_EQ(At(19, 10), kBlack);
  EXPECT_EQ(At(12, 10), kBlue);
  // A stretch to a billion pixels draws the few that show.
  bitmap.Fill(kWhite);
  dc->StretchBitmap({-1000000000, -1000000000, 1000000000, 1000000000}, source, {0, 0, 2, 2}, RasterOp::Copy);
  EXPECT_EQ(At(0, 0), kGrey) << Picture();
  EXPECT_EQ(At(kSize - 1, kSize - 1), kGrey);
}

TEST_F(DcTest, TheDrawnBoxCoversWhatWasDrawnSinceTrackingBegan) {
  dc->MoveTo({1, 1});
  dc->LineTo({3, 3});
  EXPECT_TRUE(dc->DrawnBox().IsEmpty());  // not tracking
  dc->TrackDrawnBox(true);
  dc->MoveTo({5, 6});
  dc->LineTo({9, 7});
  dc->SetPixel({12, 2}, kBlue);
  const Rect box = dc->DrawnBox();
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x)
      if (Drawn(x, y) && !(x < 3 && y < 3)) {
        EXPECT_TRUE(box.Contains(x, y)) << x << "," << y;
      }
  EXPECT_LE(box.Width(), 12);
  dc->ResetDrawnBox();
  dc->Ellipse({-30, -30, -20, -20});  // nothing shows
  EXPECT_TRUE(dc->DrawnBox().IsEmpty());
}

// Held drawing measures: the box is the one the same drawing gives, and no pixel changes.
TEST_F(DcTest, HeldDrawingOnlyExtendsTheDrawnBox) {
  const auto draw = [this] {
    dc->SelectPen({PenStyle::Solid, 3, kBlack});
    dc->MoveTo({4, 4});
    dc->LineTo({10, 6});
    dc->SelectPen({PenStyle::Solid, 1, kBlue});
    dc->Arc({12, 12, 20, 20}, {20, 16}, {16, 12});
    const PointI head[] = {{2, 18}, {6, 22}, {2, 22}};
    dc->Polygon(head);
    dc->FillRect({14, 2, 16, 4}, Brush::Solid(kBlue));
    dc->SetPixel({22, 1}, kBlue);
  };
  dc->TrackDrawnBox(true);
  dc->HoldDrawing(true);
  draw();
  dc->HoldDrawing(false);
  const Rect measured = dc->DrawnBox();
  EXPECT_EQ(DrawnCount(), 0) << Picture();
  dc->ResetDrawnBox();
  draw();
  EXPECT_EQ(dc->DrawnBox(), measured);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x)
      if (Drawn(x, y)) {
        EXPECT_TRUE(measured.Contains(x, y)) << x << "," << y;
      }
}

TEST_F(DcTest, PolygonRegionsWithFarCornersKeepTheirInside) {
  const PointI wedge[] = {{-2000000000, -2000000000}, {2000000000, -2000000000}, {12, 12}};
  const Region region = Region::FromPolygon(wedge);  // cut at 2^15, not 4 * 10^9 rows
  EXPECT_TRUE(region.Contains({12, 5}));
  EXPECT_TRUE(region.Contains({0, -30000}));
  EXPECT_FALSE(region.Contains({2, 20}));
  EXPECT_FALSE(region.Contains({0, -40000}));
  dc->SelectClipRegion(region);
  dc->FillRect({0, 0, kSize, kSize}, Brush::Solid(kBlue));
  EXPECT_EQ(At(12, 5), kBlue);
  EXPECT_EQ(At(2, 20), kWhite);
}
