#pragma once
// Internal to platform/: the numbers of the enhanced-metafile format shared by the writer and the
// player: record types, stock objects, the codes of pens, brushes, modes and raster operations,
// and the fixed sizes of the records' parts. Every record starts with its type and its size in
// bytes (a multiple of 4, the 8 bytes of type and size included).

#include <cstdint>

namespace platform::emf {

// Record types.
inline constexpr std::uint32_t kHeader = 1;
inline constexpr std::uint32_t kPolyBezier = 2;
inline constexpr std::uint32_t kPolygon = 3;
inline constexpr std::uint32_t kPolyline = 4;
inline constexpr std::uint32_t kPolyBezierTo = 5;
inline constexpr std::uint32_t kPolylineTo = 6;
inline constexpr std::uint32_t kPolyPolyline = 7;
inline constexpr std::uint32_t kPolyPolygon = 8;
inline constexpr std::uint32_t kSetWindowExtEx = 9;
inline constexpr std::uint32_t kSetWindowOrgEx = 10;
inline constexpr std::uint32_t kSetViewportExtEx = 11;
inline constexpr std::uint32_t kSetViewportOrgEx = 12;
inline constexpr std::uint32_t kEof = 14;
inline constexpr std::uint32_t kSetPixelV = 15;
inline constexpr std::uint32_t kSetMapMode = 17;
inline constexpr std::uint32_t kSetBkMode = 18;
inline constexpr std::uint32_t kSetPolyFillMode = 19;
inline constexpr std::uint32_t kSetRop2 = 20;
inline constexpr std::uint32_t kSetTextAlign = 22;
inline constexpr std::uint32_t kSetTextColor = 24;
inline constexpr std::uint32_t kSetBkColor = 25;
inline constexpr std::uint32_t kMoveToEx = 27;
inline constexpr std::uint32_t kIntersectClipRect = 30;
inline constexpr std::uint32_t kSaveDC = 33;
inline constexpr std::uint32_t kRestoreDC = 34;
inline constexpr std::uint32_t kSetWorldTransform = 35;
inline constexpr std::uint32_t kModifyWorldTransform = 36;
inline constexpr std::uint32_t kSelectObject = 37;
inline constexpr std::uint32_t kCreatePen = 38;
inline constexpr std::uint32_t kCreateBrushIndirect = 39;
inline constexpr std::uint32_t kDeleteObject = 40;
inline constexpr std::uint32_t kEllipse = 42;
inline constexpr std::uint32_t kRectangle = 43;
inline constexpr std::uint32_t kArc = 45;
inline constexpr std::uint32_t kChord = 46;
inline constexpr std::uint32_t kPie = 47;
inline constexpr std::uint32_t kLineTo = 54;
inline constexpr std::uint32_t kSetArcDirection = 57;
inline constexpr std::uint32_t kBeginPath = 59;
inline constexpr std::uint32_t kEndPath = 60;
inline constexpr std::uint32_t kCloseFigure = 61;
inline constexpr std::uint32_t kFillPath = 62;
inline constexpr std::uint32_t kStrokeAndFillPath = 63;
inline constexpr std::uint32_t kStrokePath = 64;
inline constexpr std::uint32_t kSelectClipPath = 67;
inline constexpr std::uint32_t kAbortPath = 68;
inline constexpr std::uint32_t kFillRgn = 71;
inline constexpr std::uint32_t kFrameRgn = 72;
inline constexpr std::uint32_t kPaintRgn = 74;
inline constexpr std::uint32_t kExtSelectClipRgn = 75;
inline constexpr std::uint32_t kBitBlt = 76;
inline constexpr std::uint32_t kStretchBlt = 77;
inline constexpr std::uint32_t kStretchDIBits = 81;
inline constexpr std::uint32_t kExtCreateFontIndirectW = 82;
inline constexpr std::uint32_t kExtTextOutA = 83;
inline constexpr std::uint32_t kExtTextOutW = 84;
inline constexpr std::uint32_t kPolyBezier16 = 85;
inline constexpr std::uint32_t kPolygon16 = 86;
inline constexpr std::uint32_t kPolyline16 = 87;
inline constexpr std::uint32_t kPolyBezierTo16 = 88;
inline constexpr std::uint32_t kPolylineTo16 = 89;
inline constexpr std::uint32_t kPolyPolyline16 = 90;
inline constexpr std::uint32_t kPolyPolygon16 = 91;
inline constexpr std::uint32_t kExtCreatePen = 95;

// The header: its fixed part in three generations, the signature " EMF" and the version.
inline constexpr std::uint32_t kHeaderBaseBytes = 88;
inline constexpr std::uint32_t kHeaderBytes = 108;  // with pixel format and micrometre size
inline constexpr std::uint32_t kSignature = 0x464D4520;
inline constexpr std::uint32_t kVersion = 0x00010000;
inline constexpr std::uint32_t kEofBytes = 20;

// Stock objects: selected by these numbers, never created or deleted.
inline constexpr std::uint32_t kStockFlag = 0x80000000;
inline constexpr std::uint32_t kWhiteBrush = 0x80000000;
inline constexpr std::uint32_t kLightGrayBrush = 0x80000001;
inline constexpr std::uint32_t kGrayBrush = 0x80000002;
inline constexpr std::uint32_t kDarkGrayBrush = 0x80000003;
inline constexpr std::uint32_t kBlackBrush = 0x80000004;
inline constexpr std::uint32_t kNullBrush = 0x80000005;
inline constexpr std::uint32_t kWhitePen = 0x80000006;
inline constexpr std::uint32_t kBlackPen = 0x80000007;
inline constexpr std::uint32_t kNullPen = 0x80000008;

// Pen styles (the low four bits) and the flags of extended pens.
inline constexpr std::uint32_t kPenSolid = 0;
inline constexpr std::uint32_t kPenDash = 1;
inline constexpr std::uint32_t kPenDot = 2;
inline constexpr std::uint32_t kPenDashDot = 3;
inline constexpr std::uint32_t kPenDashDotDot = 4;
inline constexpr std::uint32_t kPenNull = 5;
inline constexpr std::uint32_t kPenStyleMask = 0x0F;
inline constexpr std::uint32_t kPenEndCapFlat = 0x0200;
inline constexpr std::uint32_t kPenJoinRound = 0x0000;
inline constexpr std::uint32_t kPenGeometric = 0x00010000;

// Brush styles; hatch codes are the order of HatchStyle.
inline constexpr std::uint32_t kBrushSolid = 0;
inline constexpr std::uint32_t kBrushNull = 1;
inline constexpr std::uint32_t kBrushHatched = 2;

// Modes.
inline constexpr std::uint32_t kTransparent = 1;
inline constexpr std::uint32_t kOpaque = 2;
inline constexpr std::uint32_t kAlternate = 1;
inline constexpr std::uint32_t kWinding = 2;
inline constexpr std::uint32_t kRop2XorPen = 7;
inline constexpr std::uint32_t kRop2NotXorPen = 10;
inline constexpr std::uint32_t kRop2CopyPen = 13;
inline constexpr std::uint32_t kRgnAnd = 1;
inline constexpr std::uint32_t kRgnCopy = 5;
inline constexpr std::uint32_t kGraphicsCompatible = 1;
inline constexpr std::uint32_t kArcClockwise = 2;
inline constexpr std::uint32_t kTextUpdateCurrentPosition = 1;

// Text output options.
inline constexpr std::uint32_t kTextOpaque = 0x0002;
inline constexpr std::uint32_t kTextClipped = 0x0004;

// Map modes.
inline constexpr std::uint32_t kMapText = 1;
inline constexpr std::uint32_t kMapLoMetric = 2;
inline constexpr std::uint32_t kMapHiMetric = 3;
inline constexpr std::uint32_t kMapLoEnglish = 4;
inline constexpr std::uint32_t kMapHiEnglish = 5;
inline constexpr std::uint32_t kMapTwips = 6;
inline constexpr std::uint32_t kMapIsotropic = 7;
inline constexpr std::uint32_t kMapAnisotropic = 8;

// World transform changes.
inline constexpr std::uint32_t kTransformIdentity = 1;
inline constexpr std::uint32_t kTransformLeftMultiply = 2;
inline constexpr std::uint32_t kTransformRightMultiply = 3;
inline constexpr std::uint32_t kTransformSet = 4;

// Ternary raster operations of blits.
inline constexpr std::uint32_t kSrcCopy = 0x00CC0020;
inline constexpr std::uint32_t kSrcInvert = 0x00660046;  // source XOR destination
inline constexpr std::uint32_t kSrcNotXor = 0x00990066;  // NOT (source XOR destination)
inline constexpr std::uint32_t kPatCopy = 0x00F00021;
inline constexpr std::uint32_t kPatInvert = 0x005A0049;   // pattern XOR destination
inline constexpr std::uint32_t kPatNotXor = 0x00A50065;   // NOT (pattern XOR destination)
inline constexpr std::uint32_t kBlackness = 0x00000042;
inline constexpr std::uint32_t kWhiteness = 0x00FF0062;

// Character sets of fonts.
inline constexpr std::uint8_t kAnsiCharset = 0;
inline constexpr std::uint8_t kSymbolCharset = 2;

// Sizes of records' parts.
inline constexpr std::uint32_t kLogFontBytes = 92;  // LOGFONTW: 28 bytes, then 32 UTF-16 units
inline constexpr std::uint32_t kFaceNameUnits = 32;
inline constexpr std::uint32_t kRegionHeaderBytes = 32;
inline constexpr std::uint32_t kRegionRectangles = 1;
inline constexpr std::uint32_t kExtTextOutFixedBytes = 76;
inline constexpr std::uint32_t kStretchDIBitsFixedBytes = 80;
inline constexpr std::uint32_t kBitBltFixedBytes = 100;
inline constexpr std::uint32_t kStretchBltFixedBytes = 108;
inline constexpr std::uint32_t kDibRgbColours = 0;

}  // namespace platform::emf
