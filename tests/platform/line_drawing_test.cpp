// Thin lines on raster targets are written straight into the pixels; they must be exactly the
// pixels of the reference tracer, whatever the octant, dash style, raster op and clip, and lines
// reaching far beyond the target draw only what shows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/dc.h"
#include "platform/line_pixels.h"

using namespace platform;

namespace {

constexpr int kSize = 40;
constexpr Color kInk{20, 90, 200};
constexpr Color kPaper{250, 240, 10};

Color Combine(Color old, Color ink, RasterOp op) {
  switch (op) {
    case RasterOp::Copy: return ink;
    case RasterOp::Xor: return {std::uint8_t(old.r ^ ink.r), std::uint8_t(old.g ^ ink.g), std::uint8_t(old.b ^ ink.b)};
    case RasterOp::NotXor:
      return {std::uint8_t(~(old.r ^ ink.r)), std::uint8_t(~(old.g ^ ink.g)), std::uint8_t(~(old.b ^ ink.b))};
  }
  return ink;
}

// A picture whose every pixel differs, so XOR results show.
Bitmap Pattern() {
  Bitmap b(kSize, kSize);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x)
      b.SetPixel(x, y, Color{std::uint8_t(x * 6), std::uint8_t(y * 6), std::uint8_t(x * y)});
  return b;
}

// The reference: the traced pixels combined one by one, dashes first, then the gaps of an opaque
// pen, inside the clip.
void DrawReference(Bitmap& b, std::span<const PointI> points, bool closed, PenStyle style, RasterOp op,
                   bool opaque, const Region* clip) {
  LinePixels pixels;
  TraceLinePixels(points, closed, style, pixels);
  const auto put = [&](const std::vector<PointI>& list, Color ink) {
    for (const PointI& p : list) {
      if (clip && !clip->Contains(p)) continue;
      if (const std::optional<Color> old = b.GetPixel(p.x, p.y)) b.SetPixel(p.x, p.y, Combine(*old, ink, op));
    }
  };
  put(pixels.dashes, kInk);
  if (opaque) put(pixels.gaps, kPaper);
}

std::string Diff(const Bitmap& a, const Bitmap& b) {
  std::string s;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) s += a.GetPixel(x, y) == b.GetPixel(x, y) ? '.' : 'X';
    s += '\n';
  }
  return s;
}

}  // namespace

TEST(ThinLines, EqualTheReferenceTracerInEveryOctantStyleRasterOpAndClip) {
  // Segments in all eight octants and along the axes, some starting or ending outside the
  // picture, and a polyline that crosses itself.
  const std::vector<std::vector<PointI>> lines = {
      {{5, 5}, {35, 12}},   {{35, 12}, {5, 5}},   {{5, 5}, {12, 35}},  {{12, 35}, {5, 5}},
      {{35, 5}, {5, 12}},   {{5, 12}, {35, 5}},   {{30, 2}, {20, 38}}, {{20, 38}, {30, 2}},
      {{2, 20}, {38, 20}},  {{20, 38}, {20, 2}},  {{3, 3}, {36, 36}},  {{36, 3}, {3, 36}},
      {{-25, -7}, {61, 50}}, {{50, -30}, {-11, 70}}, {{-100, 17}, {100, 21}},
      {{2, 2}, {37, 30}, {4, 33}, {30, 1}, {20, 39}},
  };
  const PointI triangle[] = {{0, 0}, {40, 6}, {8, 40}};
  const std::vector<std::optional<Region>> clips = {
      std::nullopt,
      Region::FromRect({6, 4, 31, 29}),
      Region::FromRects(std::vector<Rect>{{0, 0, 13, 40}, {20, 10, 40, 22}}),
      Region::FromPolygon(triangle),
  };
  const PenStyle styles[] = {PenStyle::Solid, PenStyle::Dash, PenStyle::Dot, PenStyle::DashDot, PenStyle::DashDotDot};
  const RasterOp ops[] = {RasterOp::Copy, RasterOp::Xor, RasterOp::NotXor};
  int cases = 0;
  for (const auto& line : lines)
    for (std::size_t c = 0; c < clips.size(); ++c)
      for (PenStyle style : styles)
        for (RasterOp op : ops)
          for (bool opaque : {true, false})
            for (bool closed : {false, true}) {
              if (closed && line.size() < 3) continue;
              Bitmap drawn = Pattern();
              {
                std::unique_ptr<DC> dc = drawn.CreateDC();
                dc->SelectPen(Pen{style, 1, kInk});
                dc->SetBackgroundColor(kPaper);
                dc->SetBackgroundMode(opaque ? BackgroundMode::Opaque : BackgroundMode::Transparent);
                dc->SetRasterOp(op);
                dc->SelectBrush(Brush::Hollow());
                if (clips[c]) dc->SelectClipRegion(*clips[c]);
                if (closed) {
                  dc->Polygon(line);
                } else {
                  dc->Polyline(line);
                }
              }
              Bitmap expected = Pattern();
              DrawReference(expected, line, closed, style, op, opaque, clips[c] ? &*clips[c] : nullptr);
              bool same = true;
              for (int y = 0; y < kSize && same; ++y)
                for (int x = 0; x < kSize && same; ++x) same = drawn.GetPixel(x, y) == expected.GetPixel(x, y);
              ++cases;
              ASSERT_TRUE(same) << "line " << (&line - lines.data()) << " clip " << c << " style "
                                << static_cast<int>(style) << " op " << static_cast<int>(op) << " opaque "
                                << opaque << " closed " << closed << "\n"
                                << Diff(drawn, expected);
            }
  EXPECT_GT(cases, 2000);
}

TEST(ThinLines, FarLinesDrawTheirVisiblePixelsOnlyAndQuickly) {
  // From (-10^9, 5) to (10^9, 7): in a 100 x 100 bitmap it is the middle of the line, one pixel
  // up from where it started.
  Bitmap b(100, 100);
  {
    std::unique_ptr<DC> dc = b.CreateDC();
    dc->SetBackgroundMode(BackgroundMode::Transparent);
    for (PenStyle style : {PenStyle::Solid, PenStyle::DashDot}) {
      dc->SelectPen(Pen{style, 1, kBlack});
      dc->MoveTo({-1000000000, 5});
      dc->LineTo({1000000000, 7});
    }
    // The same line upright, and the longest there is, corner to corner through the bitmap.
    dc->SelectPen(Pen{PenStyle::Solid, 1, kBlack});
    dc->MoveTo({60, -1000000000});
    dc->LineTo({60, 1000000000});
    dc->MoveTo({INT32_MIN, INT32_MIN});
    dc->LineTo({INT32_MAX, INT32_MAX});
  }
  int drawn = 0;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x) {
      const bool ink = b.GetPixel(x, y) == kBlack;
      drawn += ink;
      EXPECT_EQ(ink, y == 6 || x == 60 || x == y) << x << "," << y;
    }
  EXPECT_EQ(drawn, 100 + 100 + 100 - 3);

  // A long line through a small clip matches the reference pixel for pixel.
  const PointI far[] = {{-50000, -30011}, {50123, 40007}};
  Bitmap fast(kSize, kSize), slow(kSize, kSize);
  const Region clip = Region::FromRect({3, 3, 37, 37});
  {
    std::unique_ptr<DC> dc = fast.CreateDC();
    dc->SelectPen(Pen{PenStyle::DashDotDot, 1, kInk});
    dc->SelectClipRegion(clip);
    dc->Polyline(far);
  }
  DrawReference(slow, far, false, PenStyle::DashDotDot, RasterOp::Copy, true, &clip);
  EXPECT_EQ(Diff(fast, slow).find('X'), std::string::npos) << Diff(fast, slow);
}
