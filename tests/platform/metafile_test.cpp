// Enhanced metafiles: the records the writer makes, playback onto bitmaps compared with drawing
// directly, metafiles of other writers, and malformed input.
#include <gtest/gtest.h>

#include <bit>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>
#include <functional>
#include <string>
#include <vector>

#include "kernel/byte_io.h"
#include "kernel/text_encoding.h"
#include "kernel/font_records.h"
#include "platform/bitmap.h"
#include "platform/clipboard.h"
#include "platform/dc.h"
#include "platform/metafile_dc.h"
#include "platform/metafile_format.h"
#include "platform/metafile_player.h"
#include "platform/metafile_text.h"
#include "platform/stored_fonts.h"
#include "support/reference_device.h"
#include "support/source_paths.h"
#include "support/test_colours.h"

using namespace platform;

namespace {

using test_colours::kBlue;
using test_colours::kRed;
using test_colours::kYellow;
using test_support::ReferenceDevice;
constexpr Color kGreen = test_colours::kDarkGreen;

MetafileSetup PictureSetup(Rect picture, int scale = 1) {
  MetafileSetup setup;
  setup.reference = ReferenceDevice();
  setup.picture = picture;
  setup.scale = scale;
  setup.application = "Kv";
  setup.title = "T";
  return setup;
}

struct RecordView {
  std::uint32_t type;
  std::size_t offset;
  std::uint32_t size;
};

std::vector<RecordView> Records(const kernel::Bytes& bytes) {
  std::vector<RecordView> records;
  std::size_t at = 0;
  while (at + 8 <= bytes.size()) {
    kernel::ByteReader in(bytes.data() + at, 8);
    const std::uint32_t type = in.U32();
    const std::uint32_t size = in.U32();
    if (size < 8 || size > bytes.size() - at) break;
    records.push_back({type, at, size});
    at += size;
  }
  return records;
}

std::vector<std::uint32_t> Types(const kernel::Bytes& bytes) {
  std::vector<std::uint32_t> types;
  for (const RecordView& r : Records(bytes)) types.push_back(r.type);
  return types;
}

const RecordView* Find(const std::vector<RecordView>& records, std::uint32_t type, int nth = 0) {
  for (const RecordView& r : records) {
    if (r.type == type && nth-- == 0) return &r;
  }
  return nullptr;
}

std::uint32_t U32At(const kernel::Bytes& bytes, std::size_t at) {
  kernel::ByteReader in(bytes.data() + at, 4);
  return in.U32();
}

void PutU32(kernel::Bytes& bytes, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

MetafilePlayer ReadOk(const kernel::Bytes& bytes) {
  MetafileRead read = MetafilePlayer::Read(bytes);
  EXPECT_EQ(read.error, MetafileError::None) << "record " << read.recordIndex;
  return std::move(*read.player);
}

// Metafiles as other programs write them, record by record.
class EmfBuilder {
 public:
  void Add(std::uint32_t type, const kernel::ByteWriter& body) {
    body_.U32(type);
    body_.U32(static_cast<std::uint32_t>(8 + body.size()));
    body_.Raw(body.bytes());
    ++records_;
  }
  kernel::Bytes Finish(Rect frame, std::uint16_t handles = 4) {
    kernel::ByteWriter eof;
    eof.U32(0);
    eof.U32(16);
    eof.U32(20);
    Add(emf::kEof, eof);
    kernel::ByteWriter out;
    out.U32(emf::kHeader);
    out.U32(88);
    for (int v : {0, 0, 99, 99}) out.I32(v);
    for (int v : {frame.left, frame.top, frame.right, frame.bottom}) out.I32(v);
    out.U32(emf::kSignature);
    out.U32(emf::kVersion);
    out.U32(static_cast<std::uint32_t>(88 + body_.size()));
    out.U32(records_ + 1);
    out.U16(handles);
    out.U16(0);
    out.U32(0);
    out.U32(0);
    out.U32(0);
    for (int v : {1000, 800, 250, 200}) out.I32(v);
    out.Raw(body_.bytes());
    return out.Take();
  }

 private:
  kernel::ByteWriter body_;
  std::uint32_t records_ = 0;
};

kernel::ByteWriter Values(std::initializer_list<std::int32_t> values) {
  kernel::ByteWriter w;
  for (const std::int32_t v : values) w.I32(v);
  return w;
}

// A small picture with a different colour in every pixel.
Bitmap Gradient(int width, int height) {
  Bitmap b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      b.SetPixel(x, y, Color{static_cast<std::uint8_t>(20 * x), static_cast<std::uint8_t>(30 * y),
                             static_cast<std::uint8_t>(100 + x + y)});
  return b;
}

constexpr int kWidth = 120;
constexpr int kHeight = 90;

// Everything a figure draws: pens of every kind, hatched and hollow brushes, both fill modes,
// curves, text (turned, and in the symbol font), clips, bitmaps, regions, pixels and XOR lines.
void DrawScene(DC& dc) {
  dc.FillRect({0, 0, kWidth, kHeight}, Brush::Solid({250, 250, 235}));
  dc.SelectPen(Pen{PenStyle::Solid, 1, kRed});
  dc.MoveTo({2, 2});
  dc.LineTo({40, 10});
  dc.LineTo({45, 30});
  dc.SelectPen(Pen{PenStyle::Dash, 1, kBlue});
  dc.SetBackgroundColor({200, 255, 200});
  const PointI zigzag[] = {{2, 35}, {20, 20}, {30, 38}, {48, 22}};
  dc.Polyline(zigzag);

  dc.SelectPen(Pen{PenStyle::Solid, 3, kGreen});
  dc.SelectBrush(Brush::Hatched(HatchStyle::Cross, kBlue));
  dc.Rectangle({50, 4, 70, 20});
  dc.SetBackgroundMode(BackgroundMode::Transparent);
  dc.SelectPen(Pen{PenStyle::Null, 1, kBlack});
  dc.SelectBrush(Brush::Hatched(HatchStyle::DiagonalCross, kRed));
  dc.Ellipse({72, 4, 96, 24});
  dc.SelectBrush(Brush::Hatched(HatchStyle::ForwardDiagonal, kBlue));
  dc.Rectangle({98, 4, 118, 24});

  const PointI star[] = {{20, 45}, {30, 75}, {5, 56}, {35, 56}, {10, 75}};
  dc.SelectPen(Pen{PenStyle::Solid, 1, kBlack});
  dc.SelectBrush(Brush::Solid(kYellow));
  dc.SetFillMode(FillMode::Alternate);
  dc.Polygon(star);
  const PointI star2[] = {{55, 45}, {65, 75}, {40, 56}, {70, 56}, {45, 75}};
  dc.SetFillMode(FillMode::Winding);
  dc.Polygon(star2);

  dc.SelectPen(Pen{PenStyle::Dot, 1, kBlue});
  dc.Arc({72, 28, 100, 50}, {100, 28}, {72, 50});
  dc.SelectPen(Pen{PenStyle::DashDot, 4, kRed});
  dc.SelectBrush(Brush::Solid({180, 180, 255}));
  dc.Chord({100, 28, 118, 46}, {118, 37}, {100, 37});
  dc.SelectPen(Pen{PenStyle::Solid, 1, kBlack});
  dc.SelectBrush(Brush::Hollow());
  dc.Pie({72, 52, 96, 76}, {96, 64}, {84, 52});

  dc.SetPixel({1, 88}, kRed);
  dc.SetPixel({3, 88}, kBlue);

  FontSpec font;
  font.height = -13;
  dc.SelectFont(font);
  dc.SetTextColor(kBlue);
  dc.TextOut({4, 76}, "Kv 1.5");
  dc.SetBackgroundMode(BackgroundMode::Opaque);
  dc.SetBackgroundColor(kYellow);
  dc.SetTextAlign(kAlignCentre | kAlignBaseline);
  font.escapement = 300;
  font.weight = 700;
  dc.SelectFont(font);
  dc.TextOut({60, 88}, "turn");
  FontSpec symbol;
  symbol.face = "Symbol";
  symbol.height = -14;
  symbol.symbolCharset = true;
  dc.SelectFont(symbol);
  dc.SetTextAlign(kAlignRight | kAlignBottom);
  dc.TextOut({118, 88}, "abg");

  const PointI triangle[] = {{98, 50}, {118, 50}, {118, 75}};
  dc.SelectClipRegion(Region::FromPolygon(triangle));
  dc.FillRect({96, 48, 120, 78}, Brush::Hatched(HatchStyle::Vertical, kGreen));
  const Bitmap picture = Gradient(10, 7);
  dc.DrawBitmap({104, 56, 114, 63}, picture, {0, 0}, RasterOp::Copy);
  dc.ClearClipRegion();
  dc.DrawBitmap({40, 78, 52, 88}, picture, {4, 2}, RasterOp::Copy);  // partly outside the picture

  dc.FillRegion(Region::FromRect({2, 80, 12, 86}), Brush::Solid(kGreen));
  const PointI diamond[] = {{25, 78}, {33, 83}, {25, 89}, {17, 83}};
  dc.FrameRegion(Region::FromPolygon(diamond), Brush::Solid(kRed), 2, 1);

  dc.SetRasterOp(RasterOp::Xor);
  dc.SelectPen(Pen{PenStyle::Solid, 1, kYellow});
  dc.MoveTo({0, 40});
  dc.LineTo({120, 44});
  dc.SelectBrush(Brush::Solid(kBlue));
  dc.PatBlt({60, 30, 70, 40}, RasterOp::Xor);
  dc.SetRasterOp(RasterOp::Copy);
}

Bitmap DrawnDirectly() {
  Bitmap b(kWidth, kHeight);
  DrawScene(*b.CreateDC());
  return b;
}

kernel::Bytes SceneMetafile() {
  MetafileDC dc(PictureSetup({0, 0, kWidth, kHeight}));
  DrawScene(dc);
  return dc.Finish();
}

int DifferentPixels(const Bitmap& a, const Bitmap& b, std::string* where = nullptr) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.GetPixel(x, y) != b.GetPixel(x, y)) {
        if (where && n < 10) *where += " (" + std::to_string(x) + "," + std::to_string(y) + ")";
        ++n;
      }
  return n;
}

}  // namespace

TEST(MetafileWriter, TinyMetafileHasExactBytes) {
  MetafileDC dc(PictureSetup({0, 0, 40, 20}));
  dc.MoveTo({2, 3});
  dc.LineTo({12, 3});
  const kernel::Bytes bytes = dc.Finish();

  kernel::ByteWriter w;
  w.U32(emf::kHeader);
  w.U32(120);
  for (int v : {2, 3, 12, 3}) w.I32(v);       // bounds, inclusive device units
  for (int v : {0, 0, 1000, 500}) w.I32(v);   // frame, 0.01 mm
  w.U32(0x464D4520);
  w.U32(0x00010000);
  w.U32(172);  // bytes
  w.U32(4);    // records: header, move, line, end
  w.U16(1);    // handles: the metafile's own
  w.U16(0);
  w.U32(6);    // "Kv", NUL, "T", NUL, NUL
  w.U32(108);
  w.U32(0);
  for (int v : {1000, 800, 250, 200, 0, 0, 0, 250000, 200000}) w.I32(v);
  for (char16_t c : std::u16string(u"Kv\0T\0\0", 6)) w.U16(c);
  for (int v : {27, 16, 2, 3}) w.I32(v);        // MOVETOEX
  for (int v : {54, 16, 12, 3}) w.I32(v);       // LINETO
  for (int v : {14, 20, 0, 16, 20}) w.I32(v);   // EOF
  EXPECT_EQ(bytes, w.bytes());

  EXPECT_EQ(dc.Finish(), bytes);  // finished once
  dc.LineTo({30, 10});
  EXPECT_EQ(dc.Finish(), bytes);

  const MetafilePlayer player = ReadOk(bytes);
  EXPECT_EQ(player.header().frame, (Rect{0, 0, 1000, 500}));
  EXPECT_EQ(player.header().bounds, (Rect{2, 3, 12, 3}));
  EXPECT_EQ(player.header().application, "Kv");
  EXPECT_EQ(player.header().title, "T");
  EXPECT_EQ(player.SourceArea(), (Rect{0, 0, 40, 20}));
}

TEST(MetafileWriter, ObjectsAreCreatedSelectedAndDeletedOnce) {
  MetafileDC dc(PictureSetup({0, 0, 100, 100}));
  dc.SelectPen(Pen{PenStyle::Solid, 0, kBlack});  // the default pen: nothing to write
  dc.MoveTo({0, 0});
  dc.LineTo({5, 5});
  dc.SelectPen(Pen{PenStyle::Dash, 1, kRed});
  dc.LineTo({10, 5});
  dc.LineTo({10, 9});  // same pen again
  dc.SelectPen(Pen{PenStyle::Dot, 5, kBlue});  // wide dotted: drawn solid, so written solid
  dc.LineTo({20, 9});
  dc.SelectPen(Pen{PenStyle::Null, 1, kBlack});
  dc.SelectBrush(Brush::Hatched(HatchStyle::BackwardDiagonal, kGreen));
  dc.Rectangle({0, 0, 10, 10});
  dc.SelectBrush(Brush::Hollow());
  dc.Ellipse({0, 0, 10, 10});
  const kernel::Bytes bytes = dc.Finish();

  using namespace emf;
  const std::vector<std::uint32_t> expected = {
      kHeader,       kMoveToEx,     kLineTo,                                    //
      kCreatePen,    kSelectObject, kMoveToEx,     kLineTo,  kMoveToEx, kLineTo,  //
      kCreatePen,    kSelectObject, kDeleteObject, kMoveToEx, kLineTo,           //
      kSelectObject, kDeleteObject, kCreateBrushIndirect, kSelectObject, kRectangle,  //
      kSelectObject, kDeleteObject, kEllipse,      kEof};
  EXPECT_EQ(Types(bytes), expected);
  const std::vector<RecordView> records = Records(bytes);
  EXPECT_EQ(U32At(bytes, 48), bytes.size());     // byte count
  EXPECT_EQ(U32At(bytes, 52), records.size());  // record count
  EXPECT_EQ(U32At(bytes, 56) & 0xFFFF, 3u);      // handles: the metafile's and two objects

  const RecordView* pen = Find(records, kCreatePen);
  EXPECT_EQ(U32At(bytes, pen->offset + 8), 1u);   // handle
  EXPECT_EQ(U32At(bytes, pen->offset + 12), kPenDash);
  EXPECT_EQ(U32At(bytes, pen->offset + 24), kRed.ToColorRef());
  const RecordView* wide = Find(records, kCreatePen, 1);
  EXPECT_EQ(U32At(bytes, wide->offset + 8), 2u);
  EXPECT_EQ(U32At(bytes, wide->offset + 12), kPenSolid);
  EXPECT_EQ(U32At(bytes, wide->offset + 16), 5u);
  EXPECT_EQ(U32At(bytes, Find(records, kSelectObject, 2)->offset + 8), kNullPen);
  const RecordView* brush = Find(records, kCreateBrushIndirect);
  EXPECT_EQ(U32At(bytes, brush->offset + 12), kBrushHatched);
  EXPECT_EQ(U32At(bytes, brush->offset + 20), 3u);  // backward diagonal
  EXPECT_EQ(U32At(bytes, Find(records, kSelectObject, 4)->offset + 8), kNullBrush);
  // Boxes are stored inclusive.
  const RecordView* box = Find(records, kRectangle);
  EXPECT_EQ(U32At(bytes, box->offset + 16), 9u);
}

TEST(MetafileWriter, TextIsUtf16WithItsFontAndAdvances) {
  MetafileDC dc(PictureSetup({0, 0, 200, 100}));
  FontSpec font;
  font.face = "Caf\xE9";
  font.height = -20;
  font.escapement = 450;
  font.italic = true;
  dc.SelectFont(font);
  dc.SetTextAlign(kAlignBaseline);
  dc.TextOut({10, 50}, "\x80x\xB2");  // euro sign, x, superscript two
  const int width = dc.GetTextExtent("\x80x\xB2").width;
  FontSpec symbol;
  symbol.face = "Symbol";
  symbol.symbolCharset = true;
  dc.SelectFont(symbol);
  dc.TextOut({10, 80}, "p");
  const kernel::Bytes bytes = dc.Finish();
  const std::vector<RecordView> records = Records(bytes);

  const RecordView* f = Find(records, emf::kExtCreateFontIndirectW);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(static_cast<std::int32_t>(U32At(bytes, f->offset + 12)), -20);
  EXPECT_EQ(U32At(bytes, f->offset + 20), 450u);  // escapement
  EXPECT_EQ(U32At(bytes, f->offset + 24), 450u);  // orientation
  EXPECT_EQ(bytes[f->offset + 32], 1);            // italic
  EXPECT_EQ(bytes[f->offset + 35], emf::kAnsiCharset);
  EXPECT_EQ(bytes[f->offset + 40 + 6], 0xE9);     // the face's fourth character
  EXPECT_EQ(U32At(bytes, Find(records, emf::kSetTextAlign)->offset + 8), kAlignBaseline);

  const RecordView* t = Find(records, emf::kExtTextOutW);
  ASSERT_NE(t, nullptr);
  const std::uint32_t count = U32At(bytes, t->offset + 44);
  const std::uint32_t offString = U32At(bytes, t->offset + 48);
  const std::uint32_t offDx = U32At(bytes, t->offset + 72);
  ASSERT_EQ(count, 3u);
  EXPECT_EQ(U32At(bytes, t->offset + 36), 10u);
  EXPECT_EQ(U32At(bytes, t->offset + 40), 50u);
  EXPECT_EQ(bytes[t->offset + offString] | (bytes[t->offset + offString + 1] << 8), 0x20AC);
  EXPECT_EQ(bytes[t->offset + offString + 4], 0xB2);
  std::int32_t advances = 0;
  for (std::uint32_t i = 0; i < count; ++i) advances += U32At(bytes, t->offset + offDx + 4 * i);
  EXPECT_EQ(advances, width);
  EXPECT_LE(offDx + 4 * count, t->size);

  // A symbol font's codes are written as the system writes them: U+F000 plus the code.
  const RecordView* s = Find(records, emf::kExtTextOutW, 1);
  EXPECT_EQ(bytes[Find(records, emf::kExtCreateFontIndirectW, 1)->offset + 35], emf::kSymbolCharset);
  const std::uint32_t at = s->offset + U32At(bytes, s->offset + 48);
  EXPECT_EQ(bytes[at] | (bytes[at + 1] << 8), 0xF070);
}

TEST(MetafileText, EveryByteComesBackThroughUtf16) {
  for (const bool symbol : {false, true}) {
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    const std::string utf8 = symbol ? kernel::SymbolToUtf8(all) : kernel::ProgramTextToUtf8(all);
    // The symbol font and program text show some characters at two codes; either comes back as
    // the same one.
    const std::string back = MetafileTextBytes(MetafileTextUnits(utf8, symbol), symbol);
    EXPECT_EQ(symbol ? kernel::SymbolToUtf8(back) : kernel::ProgramTextToUtf8(back), utf8) << symbol;
  }
  // Text of other programs: characters without a byte become '?'.
  EXPECT_EQ(MetafileTextBytes(u"a\u4E2D\U0001F600", false), "a??");
  EXPECT_EQ(MetafileTextBytes(u"\u03B1\uF062a", true), "aba");
}

TEST(MetafilePlayer, PlaybackMatchesDrawingDirectly) {
  const Bitmap direct = DrawnDirectly();
  const MetafilePlayer player = ReadOk(SceneMetafile());
  EXPECT_EQ(player.SourceArea(), (Rect{0, 0, kWidth, kHeight}));
  Bitmap played(kWidth, kHeight);
  player.Play(*played.CreateDC(), {0, 0, kWidth, kHeight});
  std::string where;
  EXPECT_EQ(DifferentPixels(direct, played, &where), 0) << where;
}

TEST(MetafilePlayer, PlaybackMovesAndScalesOntoTheDestination) {
  // Shapes without hatches (whose pattern keeps to the device's grid) moved by (7, 5).
  const auto draw = [](DC& dc, int dx, int dy) {
    dc.SelectPen(Pen{PenStyle::Dash, 1, kRed});
    dc.SelectBrush(Brush::Solid(kYellow));
    dc.Ellipse({4 + dx, 4 + dy, 30 + dx, 20 + dy});
    dc.SelectPen(Pen{PenStyle::Solid, 2, kBlue});
    dc.Pie({30 + dx, 2 + dy, 50 + dx, 22 + dy}, {50 + dx, 12 + dy}, {40 + dx, 2 + dy});
    const Bitmap picture = Gradient(6, 5);
    dc.DrawBitmap({2 + dx, 24 + dy, 8 + dx, 29 + dy}, picture, {0, 0}, RasterOp::Copy);
  };
  MetafileDC recorder(PictureSetup({0, 0, 60, 32}));
  draw(recorder, 0, 0);
  const MetafilePlayer player = ReadOk(recorder.Finish());
  Bitmap direct(80, 50), moved(80, 50);
  draw(*direct.CreateDC(), 7, 5);
  player.Play(*moved.CreateDC(), {7, 5, 67, 37});
  std::string where;
  EXPECT_EQ(DifferentPixels(direct, moved, &where), 0) << where;

  // Twice the size: filled areas and bitmap pixels land on doubled coordinates.
  MetafileDC boxes(PictureSetup({0, 0, 20, 10}));
  boxes.FillRect({2, 2, 6, 5}, Brush::Solid(kRed));
  boxes.DrawBitmap({10, 4, 16, 9}, Gradient(6, 5), {0, 0}, RasterOp::Copy);
  const MetafilePlayer twice = ReadOk(boxes.Finish());
  Bitmap big(40, 20);
  auto dc = big.CreateDC();
  dc->SelectPen(Pen{PenStyle::Dot, 3, kGreen});
  const Region clip = Region::FromRect({0, 0, 39, 20});
  dc->SelectClipRegion(clip);
  twice.Play(*dc, {0, 0, 40, 20});
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 40; ++x) {
      const bool red = x >= 4 && x < 12 && y >= 4 && y < 10;
      const bool picture = x >= 20 && x < 32 && y >= 8 && y < 18;
      const Color want = red ? kRed : picture ? *Gradient(6, 5).GetPixel((x - 20) / 2, (y - 8) / 2) : kWhite;
      ASSERT_EQ(*big.GetPixel(x, y), want) << x << "," << y;
    }
  }
  // The target's own state is given back.
  EXPECT_EQ(dc->state().pen, (Pen{PenStyle::Dot, 3, kGreen}));
  ASSERT_TRUE(dc->clipRegion());
  EXPECT_EQ(dc->clipRegion()->Bounds(), (Rect{0, 0, 39, 20}));
}

TEST(MetafilePlayer, ScaledDrawingHasALargerFrame) {
  MetafileDC dc(PictureSetup({0, 0, 40, 20}, 9));
  EXPECT_EQ(dc.frame(), (Rect{0, 0, 9000, 4500}));
  EXPECT_EQ(dc.GetDeviceCaps().widthPixels, 1000);
  EXPECT_FALSE(dc.IsRaster());
  EXPECT_FALSE(dc.GetPixel({1, 1}));
  dc.FillRect({0, 0, 360, 180}, Brush::Solid(kRed));
  const MetafilePlayer player = ReadOk(dc.Finish());
  EXPECT_EQ(player.SourceArea(), (Rect{0, 0, 360, 180}));
  Bitmap small(40, 20);
  player.Play(*small.CreateDC(), {0, 0, 40, 20});
  EXPECT_EQ(small.GetPixel(0, 0), kRed);
  EXPECT_EQ(small.GetPixel(39, 19), kRed);
}

TEST(MetafilePlayer, PlaysRecordsOfOtherWriters) {
  EmfBuilder b;
  // Logical units of a tenth of a pixel through the window and viewport extents.
  b.Add(emf::kSetMapMode, Values({emf::kMapAnisotropic}));
  b.Add(emf::kSetWindowExtEx, Values({1000, 1000}));
  b.Add(emf::kSetViewportExtEx, Values({100, 100}));
  b.Add(emf::kCreateBrushIndirect, Values({1, 0, static_cast<std::int32_t>(kRed.ToColorRef()), 0}));
  b.Add(emf::kSelectObject, Values({1}));
  b.Add(emf::kSelectObject, Values({static_cast<std::int32_t>(emf::kNullPen)}));
  b.Add(emf::kPolygon, Values({0, 0, 0, 0, 4, 100, 100, 300, 100, 300, 300, 100, 300}));
  b.Add(70, Values({4, 0x12345678}));  // a comment: skipped
  b.Add(emf::kSetMapMode, Values({emf::kMapText}));
  // Moved by a world transform.
  kernel::ByteWriter shift;
  for (float f : {1.0f, 0.0f, 0.0f, 1.0f, 40.0f, 0.0f}) shift.U32(std::bit_cast<std::uint32_t>(f));
  shift.U32(emf::kTransformSet);
  b.Add(emf::kModifyWorldTransform, shift);
  b.Add(emf::kSelectObject, Values({static_cast<std::int32_t>(emf::kBlackPen)}));
  kernel::ByteWriter curve;
  for (int v : {0, 0, 0, 0}) curve.I32(v);
  curve.U32(4);
  for (int v : {0, 20, 10, 0, 20, 40, 30, 20}) curve.I16(static_cast<std::int16_t>(v));
  b.Add(emf::kPolyBezier16, curve);
  b.Add(emf::kModifyWorldTransform, [] {
    kernel::ByteWriter w;
    w.Zeros(24);
    w.U32(emf::kTransformIdentity);
    return w;
  }());
  // A blit of an 8-bit DIB with a palette, top-down, stretched to twice its size.
  kernel::ByteWriter blit;
  for (int v : {0, 0, 0, 0, 2, 30, 4, 4}) blit.I32(v);  // bounds, destination
  blit.U32(emf::kSrcCopy);
  blit.I32(0);
  blit.I32(0);
  for (float f : {1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f}) blit.U32(std::bit_cast<std::uint32_t>(f));
  blit.U32(0);
  blit.U32(0);
  blit.U32(108);            // info offset
  blit.U32(40 + 8);         // info with two palette entries
  blit.U32(108 + 48);       // bits offset
  blit.U32(8);              // two rows of 4 bytes
  blit.I32(2);              // source size
  blit.I32(2);
  blit.U32(40);
  blit.I32(2);
  blit.I32(-2);  // top-down
  blit.U16(1);
  blit.U16(8);
  blit.Zeros(16);
  blit.U32(2);
  blit.U32(0);
  for (int v : {255, 0, 0, 0, 0, 255, 0, 0}) blit.U8(static_cast<std::uint8_t>(v));  // blue, green
  for (int v : {0, 1, 0, 0, 1, 1, 0, 0}) blit.U8(static_cast<std::uint8_t>(v));
  b.Add(emf::kStretchBlt, blit);
  const MetafilePlayer player = ReadOk(b.Finish({0, 0, 1500, 1000}));  // 60 x 40 pixels
  EXPECT_EQ(player.SourceArea(), (Rect{0, 0, 60, 40}));

  Bitmap out(60, 40);
  player.Play(*out.CreateDC(), {0, 0, 60, 40});
  EXPECT_EQ(out.GetPixel(10, 10), kRed);
  EXPECT_EQ(out.GetPixel(29, 29), kRed);
  EXPECT_EQ(out.GetPixel(30, 30), kWhite);
  EXPECT_EQ(out.GetPixel(9, 9), kWhite);
  // The curve, moved 40 to the right, starts at (40, 20) and ends near (70, 20) (clipped away).
  EXPECT_EQ(out.GetPixel(40, 20), kBlack);
  EXPECT_EQ(out.GetPixel(0, 20), kWhite);
  int curvePixels = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 40; x < 60; ++x) curvePixels += out.GetPixel(x, y) == kBlack;
  EXPECT_GT(curvePixels, 10);
  const Color blue{0, 0, 255}, green{0, 255, 0};
  EXPECT_EQ(out.GetPixel(2, 30), blue);
  EXPECT_EQ(out.GetPixel(4, 31), green);
  EXPECT_EQ(out.GetPixel(3, 33), green);
  EXPECT_EQ(out.GetPixel(5, 33), green);
  EXPECT_EQ(out.GetPixel(6, 30), kWhite);
}

TEST(MetafilePlayer, PlaysPaths) {
  // A square with a square hole, filled by the alternate rule and outlined; then a triangle
  // that only clips.
  EmfBuilder b;
  b.Add(emf::kCreateBrushIndirect, Values({1, 0, static_cast<std::int32_t>(kGreen.ToColorRef()), 0}));
  b.Add(emf::kSelectObject, Values({1}));
  b.Add(emf::kBeginPath, {});
  b.Add(emf::kMoveToEx, Values({2, 2}));
  kernel::ByteWriter square;
  for (int v : {0, 0, 0, 0}) square.I32(v);
  square.U32(3);
  for (int v : {30, 2, 30, 30, 2, 30}) square.I16(static_cast<std::int16_t>(v));
  b.Add(emf::kPolylineTo16, square);
  b.Add(emf::kCloseFigure, {});
  b.Add(emf::kRectangle, Values({10, 10, 19, 19}));
  b.Add(emf::kEndPath, {});
  b.Add(emf::kStrokeAndFillPath, Values({0, 0, 0, 0}));
  b.Add(emf::kBeginPath, {});
  b.Add(emf::kMoveToEx, Values({40, 0}));
  b.Add(emf::kLineTo, Values({60, 0}));
  b.Add(emf::kLineTo, Values({60, 20}));
  b.Add(emf::kCloseFigure, {});
  b.Add(emf::kEndPath, {});
  b.Add(emf::kSelectClipPath, Values({static_cast<std::int32_t>(emf::kRgnCopy)}));
  b.Add(emf::kBitBlt, [] {
    kernel::ByteWriter w;
    for (int v : {0, 0, 0, 0, 40, 0, 20, 20}) w.I32(v);
    w.U32(emf::kPatCopy);
    w.Zeros(100 - 8 - 36);
    return w;
  }());
  const MetafilePlayer player = ReadOk(b.Finish({0, 0, 1500, 1000}));
  Bitmap out(60, 40);
  player.Play(*out.CreateDC(), {0, 0, 60, 40});
  EXPECT_EQ(out.GetPixel(2, 2), kBlack);   // outline
  EXPECT_EQ(out.GetPixel(2, 20), kBlack);
  EXPECT_EQ(out.GetPixel(10, 15), kBlack);  // the hole's outline
  EXPECT_EQ(out.GetPixel(5, 5), kGreen);
  EXPECT_EQ(out.GetPixel(22, 25), kGreen);
  EXPECT_EQ(out.GetPixel(14, 14), kWhite);  // the hole
  EXPECT_EQ(out.GetPixel(57, 5), kGreen);   // inside the clipping triangle
  EXPECT_EQ(out.GetPixel(42, 15), kWhite);  // outside it
}

TEST(MetafilePlayer, RefusesMalformedMetafiles) {
  const kernel::Bytes good = SceneMetafile();
  const std::vector<RecordView> records = Records(good);
  const auto at = [&](std::uint32_t type) { return Find(records, type)->offset; };
  const std::uint32_t headerSize = U32At(good, 4);

  struct Case {
    const char* what;
    std::function<void(kernel::Bytes&)> spoil;
    MetafileError error;
  };
  const std::vector<Case> cases = {
      {"empty", [](kernel::Bytes& b) { b.clear(); }, MetafileError::TooShort},
      {"a few bytes", [](kernel::Bytes& b) { b.resize(40); }, MetafileError::TooShort},
      {"not a header", [](kernel::Bytes& b) { PutU32(b, 0, 2); }, MetafileError::NotAMetafile},
      {"no signature", [](kernel::Bytes& b) { PutU32(b, 40, 0x12345678); },
       MetafileError::NotAMetafile},
      {"cut short", [](kernel::Bytes& b) { b.resize(b.size() - 24); }, MetafileError::Truncated},
      {"size beyond the data", [](kernel::Bytes& b) { PutU32(b, 48, U32At(b, 48) + 4); },
       MetafileError::Truncated},
      {"header size odd", [](kernel::Bytes& b) { PutU32(b, 4, 110); }, MetafileError::BadHeader},
      {"header beyond the data", [](kernel::Bytes& b) { PutU32(b, 4, 0x7FFFFFF0); },
       MetafileError::BadHeader},
      {"no handles", [](kernel::Bytes& b) { PutU32(b, 56, 0); }, MetafileError::BadHeader},
      {"description beyond the header", [](kernel::Bytes& b) { PutU32(b, 64, 0x40000000); },
       MetafileError::BadHeader},
      {"record size 0", [&](kernel::Bytes& b) { PutU32(b, headerSize + 4, 0); },
       MetafileError::BadRecordSize},
      {"record size not a multiple of 4", [&](kernel::Bytes& b) { PutU32(b, headerSize + 4, 14); },
       MetafileError::BadRecordSize},
      {"record beyond the end", [&](kernel::Bytes& b) { PutU32(b, headerSize + 4, 0xFFFFFFF0); },
       MetafileError::BadRecordSize},
      {"too many records", [](kernel::Bytes& b) { PutU32(b, 52, U32At(b, 52) + 1); },
       MetafileError::RecordCountMismatch},
      {"no end record",
       [](kernel::Bytes& b) {
         b.resize(b.size() - 20);
         PutU32(b, 48, static_cast<std::uint32_t>(b.size()));
         PutU32(b, 52, U32At(b, 52) - 1);
       },
       MetafileError::MissingEnd},
      {"end record too early", [](kernel::Bytes& b) { PutU32(b, U32At(b, 4), emf::kEof); },
       MetafileError::MissingEnd},
      {"points beyond the record", [&](kernel::Bytes& b) { PutU32(b, at(emf::kPolyline16) + 24, 1000); },
       MetafileError::BadRecord},
      {"text beyond the record", [&](kernel::Bytes& b) { PutU32(b, at(emf::kExtTextOutW) + 48, 0xFFFFFFF0); },
       MetafileError::BadRecord},
      {"long text", [&](kernel::Bytes& b) { PutU32(b, at(emf::kExtTextOutW) + 44, 0x80000000); },
       MetafileError::BadRecord},
      {"bitmap beyond the record", [&](kernel::Bytes& b) { PutU32(b, at(emf::kStretchDIBits) + 56, 0xFFFFFFF0); },
       MetafileError::BadRecord},
      {"region rectangles beyond the record",
       [&](kernel::Bytes& b) { PutU32(b, at(emf::kExtSelectClipRgn) + 24, 5000); },
       MetafileError::BadRecord},
      {"region beyond the record", [&](kernel::Bytes& b) { PutU32(b, at(emf::kFillRgn) + 24, 0x7FFFFFFF); },
       MetafileError::BadRecord},
      {"short font", [&](kernel::Bytes& b) { PutU32(b, at(emf::kExtCreateFontIndirectW) + 4, 40); },
       MetafileError::BadRecordSize},
  };
  for (const Case& c : cases) {
    kernel::Bytes bytes = good;
    c.spoil(bytes);
    const MetafileRead read = MetafilePlayer::Read(bytes);
    EXPECT_EQ(read.error, c.error) << c.what;
    EXPECT_FALSE(read.player) << c.what;
  }

  // A record naming an object that was never made is skipped, not refused.
  kernel::Bytes unknown = good;
  PutU32(unknown, Find(records, emf::kSelectObject)->offset + 8, 77);
  EXPECT_EQ(MetafilePlayer::Read(unknown).error, MetafileError::None);
  // Data after the metafile is not part of it.
  kernel::Bytes padded = good;
  padded.resize(good.size() + 64, 0xEE);
  const MetafileRead read = MetafilePlayer::Read(padded);
  ASSERT_TRUE(read.player);
  EXPECT_EQ(read.player->bytes(), good);
}

TEST(MetafilePlayer, SurvivesDamagedBytes) {
  // Every byte of the first records and a spread of the rest, set to values that break sizes,
  // counts and offsets: each metafile is refused or plays without reading past its data.
  const kernel::Bytes good = SceneMetafile();
  Bitmap target(60, 40);
  auto dc = target.CreateDC();
  int played = 0;
  for (std::size_t i = 0; i < good.size(); i += i < 600 ? 1 : 7) {
    for (const std::uint8_t value : {0x00, 0x7F, 0xFF}) {
      if (good[i] == value) continue;  // no damage: the metafile as written, played above
      kernel::Bytes bytes = good;
      bytes[i] = value;
      const MetafileRead read = MetafilePlayer::Read(bytes);
      if (read.player) {
        read.player->Play(*dc, {0, 0, 60, 40});
        ++played;
      }
    }
  }
  EXPECT_GT(played, 0);
  for (std::size_t size = 0; size < good.size(); size += 13) {
    const MetafileRead read = MetafilePlayer::Read(kernel::Bytes(good.begin(), good.begin() + size));
    EXPECT_FALSE(read.player) << size;
  }
}

// --- damaged and hostile metafiles: each is played in time and memory bounded by its size and
// the target's.

namespace {

kernel::ByteWriter TextRecord(int x, int y, std::u16string_view text) {
  kernel::ByteWriter w;
  for (int v : {0, 0, 0, 0}) w.I32(v);  // bounds
  w.U32(emf::kGraphicsCompatible);
  w.U32(0);
  w.U32(0);
  w.I32(x);
  w.I32(y);
  w.U32(static_cast<std::uint32_t>(text.size()));
  w.U32(emf::kExtTextOutFixedBytes);
  w.U32(0);
  for (int v : {0, 0, -1, -1}) w.I32(v);
  w.U32(0);  // no advances
  for (char16_t c : text) w.U16(c);
  if (text.size() % 2) w.U16(0);
  return w;
}

kernel::ByteWriter FontRecordOf(std::uint32_t handle, std::int32_t height, std::int32_t escapement) {
  kernel::ByteWriter w;
  w.U32(handle);
  w.I32(height);
  w.I32(0);
  w.I32(escapement);
  w.I32(escapement);
  w.I32(400);
  w.Zeros(8);
  for (char16_t c : std::u16string(u"Arial")) w.U16(c);
  w.Zeros(2 * (emf::kFaceNameUnits - 5));
  return w;
}

// A StretchDIBits of a 2 x 2 picture (blue, green over red, white) into the destination.
kernel::ByteWriter StretchedPicture(int x, int y, int width, int height) {
  kernel::ByteWriter w;
  for (int v : {0, 0, 0, 0}) w.I32(v);
  for (int v : {x, y, 0, 0, 2, 2}) w.I32(v);
  w.U32(emf::kStretchDIBitsFixedBytes);
  w.U32(40);
  w.U32(emf::kStretchDIBitsFixedBytes + 40);
  w.U32(16);
  w.U32(emf::kDibRgbColours);
  w.U32(emf::kSrcCopy);
  w.I32(width);
  w.I32(height);
  w.U32(40);
  w.I32(2);
  w.I32(2);  // bottom-up
  w.U16(1);
  w.U16(24);
  w.Zeros(24);
  for (int v : {0, 0, 255, 255, 255, 255, 0, 0}) w.U8(static_cast<std::uint8_t>(v));  // red, white
  for (int v : {255, 0, 0, 0, 255, 0, 0, 0}) w.U8(static_cast<std::uint8_t>(v));      // blue, green
  return w;
}

}  // namespace

TEST(HostileMetafiles, BoundsWiderThanAnyDeviceAreRefusedAsUnusable) {
  EmfBuilder b;
  b.Add(emf::kRectangle, Values({0, 0, 50, 50}));
  kernel::Bytes bytes = b.Finish({0, 0, 0, 0});  // no frame: the bounds would be used
  PutU32(bytes, 12, static_cast<std::uint32_t>(-2147483646));  // top
  PutU32(bytes, 20, 105);                                      // bottom
  const MetafilePlayer player = ReadOk(bytes);
  EXPECT_TRUE(player.SourceArea().IsEmpty());
  Bitmap out(20, 20);
  player.Play(*out.CreateDC(), {0, 0, 20, 20});
  EXPECT_EQ(out.GetPixel(10, 10), kWhite);
  EXPECT_TRUE(CopyMetafileToClipboard(bytes));  // with no picture beside it
}

TEST(HostileMetafiles, AClipPathLikeACombIsCutToTheTargetFirst) {
  // 30 teeth, each 1 unit wide and 32000 tall, 1 unit apart: a polygon of 120 points.
  EmfBuilder b;
  b.Add(emf::kBeginPath, {});
  b.Add(emf::kMoveToEx, Values({0, 0}));
  kernel::ByteWriter comb;
  for (int v : {0, 0, 0, 0}) comb.I32(v);
  std::vector<PointI> points;
  for (int t = 0; t < 30; ++t) {
    points.push_back({2 * t, 32000});
    points.push_back({2 * t + 1, 32000});
    points.push_back({2 * t + 1, 0});
    points.push_back({2 * t + 2, 0});
  }
  comb.U32(static_cast<std::uint32_t>(points.size()));
  for (const PointI& p : points) {
    comb.I32(p.x);
    comb.I32(p.y);
  }
  b.Add(emf::kPolylineTo, comb);
  b.Add(emf::kCloseFigure, {});
  b.Add(emf::kEndPath, {});
  b.Add(emf::kSelectClipPath, Values({static_cast<std::int32_t>(emf::kRgnCopy)}));
  b.Add(emf::kCreateBrushIndirect, Values({1, 0, static_cast<std::int32_t>(kRed.ToColorRef()), 0}));
  b.Add(emf::kSelectObject, Values({1}));
  b.Add(emf::kBitBlt, [] {
    kernel::ByteWriter w;
    for (int v : {0, 0, 0, 0, 0, 0, 60, 32000}) w.I32(v);
    w.U32(emf::kPatCopy);
    w.Zeros(100 - 8 - 36);
    return w;
  }());
  const MetafilePlayer player = ReadOk(b.Finish({0, 0, 1500, 1000}));  // 60 x 40 device units
  Bitmap out(60, 40);
  player.Play(*out.CreateDC(), {0, 0, 60, 40});
  EXPECT_EQ(out.GetPixel(0, 20), kRed);  // a tooth
  EXPECT_EQ(out.GetPixel(1, 20), kWhite);  // a gap
  EXPECT_EQ(out.GetPixel(58, 30), kRed);
}

TEST(HostileMetafiles, ARegionOfManyRectanglesIsCutAndUnitedInPairs) {
  // A checkerboard of 65536 cells of 4 x 4 units, mostly far outside a 40 x 40 target.
  EmfBuilder b;
  b.Add(emf::kCreateBrushIndirect, Values({1, 0, static_cast<std::int32_t>(kBlue.ToColorRef()), 0}));
  kernel::ByteWriter fill;
  const std::uint32_t cells = 65536;
  for (int v : {0, 0, 0, 0}) fill.I32(v);
  fill.U32(emf::kRegionHeaderBytes + cells * 16);
  fill.U32(1);  // brush
  fill.U32(emf::kRegionHeaderBytes);
  fill.U32(emf::kRegionRectangles);
  fill.U32(cells);
  fill.U32(cells * 16);
  for (int v : {0, 0, 2048, 1024}) fill.I32(v);
  for (std::uint32_t i = 0; i < cells; ++i) {
    const int row = static_cast<int>(i / 256), column = static_cast<int>(i % 256);
    const int x = 4 * (2 * column + row % 2), y = 4 * row;
    for (int v : {x, y, x + 4, y + 4}) fill.I32(v);
  }
  b.Add(emf::kFillRgn, fill);
  const MetafilePlayer player = ReadOk(b.Finish({0, 0, 1000, 1000}));  // 40 x 40 device units
  Bitmap out(40, 40);
  player.Play(*out.CreateDC(), {0, 0, 40, 40});
  EXPECT_EQ(out.GetPixel(1, 1), kBlue);
  EXPECT_EQ(out.GetPixel(5, 1), kWhite);
  EXPECT_EQ(out.GetPixel(5, 5), kBlue);
  EXPECT_EQ(out.GetPixel(37, 37), kBlue);
  EXPECT_EQ(out.GetPixel(33, 37), kWhite);
}

TEST(HostileMetafiles, StretchedBitmapsStayTheirSizeOnVectorTargets) {
  EmfBuilder b;
  for (int i = 0; i < 4; ++i) b.Add(emf::kStretchDIBits, StretchedPicture(-4950 + 10 * i, -4950, 10000, 10000));
  const MetafilePlayer player = ReadOk(b.Finish({0, 0, 2500, 2500}));  // 100 x 100 device units
  // Replayed into a metafile, the pictures keep their four pixels each.
  MetafileDC copy(PictureSetup({0, 0, 100, 100}));
  player.Play(copy, {0, 0, 100, 100});
  const kernel::Bytes bytes = copy.Finish();
  EXPECT_LT(bytes.size(), 2000u);
  // On a raster target each pixel shows the source pixel that covers it (the last picture's
  // quarters meet at (80, 50)), and a picture mirrored by its destination shows mirrored.
  Bitmap out(100, 100);
  ReadOk(bytes).Play(*out.CreateDC(), {0, 0, 100, 100});
  EXPECT_EQ(out.GetPixel(70, 20), kBlue);
  EXPECT_EQ(out.GetPixel(90, 20), (Color{0, 255, 0}));
  EXPECT_EQ(out.GetPixel(70, 70), kRed);
  EXPECT_EQ(out.GetPixel(90, 70), kWhite);
  EmfBuilder mirrored;
  mirrored.Add(emf::kStretchDIBits, StretchedPicture(5050, -4950, -10000, 10000));
  Bitmap flipped(100, 100);
  ReadOk(mirrored.Finish({0, 0, 2500, 2500})).Play(*flipped.CreateDC(), {0, 0, 100, 100});
  EXPECT_EQ(flipped.GetPixel(60, 70), kRed);
  EXPECT_EQ(flipped.GetPixel(40, 20), (Color{0, 255, 0}));
}

TEST(HostileMetafiles, FontsOfAnyHeightAndAngleAreDrawnWithinLimits) {
  const std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  const std::pair<std::int32_t, std::int32_t> fonts[] = {
      {kMin, 0}, {-20, kMin}, {46341, 0}, {std::numeric_limits<std::int32_t>::max(), 3599}, {-12, 36001}};
  for (const auto& [height, escapement] : fonts) {
    EmfBuilder b;
    b.Add(emf::kExtCreateFontIndirectW, FontRecordOf(1, height, escapement));
    b.Add(emf::kSelectObject, Values({1}));
    b.Add(emf::kExtTextOutW, TextRecord(10, 10, u"Kv"));
    const MetafilePlayer player = ReadOk(b.Finish({0, 0, 2500, 2500}));
    Bitmap out(100, 100);
    player.Play(*out.CreateDC(), {0, 0, 100, 100});  // no overflow anywhere on the way
    MetafileDC copy(PictureSetup({0, 0, 100, 100}));
    player.Play(copy, {0, 0, 100, 100});
    EXPECT_EQ(MetafilePlayer::Read(copy.Finish()).error, MetafileError::None);
  }
  // The same values from a figure file's stored font record.
  kernel::FontRecord record;
  record.faceName = "Arial";
  for (const auto& [height, escapement] : fonts) {
    record.height = height;
    record.escapement = escapement;
    const FontSpec spec = FontSpecFromRecord(record);
    EXPECT_LE(std::abs(spec.height), kFontHeightLimit);
    EXPECT_LT(std::abs(spec.escapement), 3600);
    Bitmap out(50, 50);
    std::unique_ptr<DC> dc = out.CreateDC();
    dc->SelectFont(spec);
    dc->TextOut({5, 5}, "Kv");
    EXPECT_GE(dc->GetTextExtent("Kv").height, 0);
  }
}

namespace {

// The widest pen and the tallest font a metafile's records create.
struct LargestSizes {
  std::int32_t penWidth = 0;
  std::int32_t fontHeight = 0;
};

LargestSizes LargestSizesOf(const kernel::Bytes& bytes) {
  LargestSizes largest;
  for (const RecordView& r : Records(bytes)) {
    const auto value = static_cast<std::int32_t>(U32At(bytes, r.offset + 16));
    if (r.type == emf::kCreatePen) largest.penWidth = std::max(largest.penWidth, value);
    const auto height = static_cast<std::int32_t>(U32At(bytes, r.offset + 12));
    if (r.type == emf::kExtCreateFontIndirectW) largest.fontHeight = std::max(largest.fontHeight, std::abs(height));
  }
  return largest;
}

}  // namespace

TEST(HostileMetafiles, PensAndFontsAreNoLargerThanTwiceThePicture) {
  // A pen 1852794368 units wide round a small ellipse and a font 2^20 units tall: the target is
  // given no pen or font larger than twice the picture's larger side, so their cost is bounded
  // by the picture's size.
  EmfBuilder b;
  b.Add(emf::kExtCreateFontIndirectW, FontRecordOf(2, -(1 << 20), 0));
  b.Add(emf::kSelectObject, Values({2}));
  b.Add(emf::kExtTextOutW, TextRecord(10, 10, u"Kv"));
  b.Add(emf::kCreatePen, Values({1, 0, 1852794368, 0, static_cast<std::int32_t>(kRed.ToColorRef())}));
  b.Add(emf::kSelectObject, Values({1}));
  b.Add(emf::kEllipse, Values({40, 40, 46, 44}));
  const MetafilePlayer player = ReadOk(b.Finish({0, 0, 2500, 2500}));  // 100 x 100 device units
  for (const int side : {30, 100, 5000}) {
    MetafileDC copy(PictureSetup({0, 0, side, side}));
    player.Play(copy, {0, 0, side, side});
    const LargestSizes largest = LargestSizesOf(copy.Finish());
    EXPECT_EQ(largest.penWidth, std::min(2 * side, 4096)) << side;
    EXPECT_EQ(largest.fontHeight, std::min(2 * side, 4096)) << side;
  }
  // The metafile fuzzing found that took seconds to play: its pen is as wide.
  std::ifstream file(test_support::SourceRoot() + "/fuzz/corpus/emf/found/second-round-timeout-unexamined",
                     std::ios::binary);
  const kernel::Bytes found{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  const MetafilePlayer slow = ReadOk(found);
  MetafileDC copy(PictureSetup({0, 0, 96, 64}));
  slow.Play(copy, {0, 0, 96, 64});
  const LargestSizes largest = LargestSizesOf(copy.Finish());
  EXPECT_EQ(largest.penWidth, 192);
  EXPECT_LE(largest.fontHeight, 192);
}
