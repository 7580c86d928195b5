#pragma once
// Faces and curved objects of a 3-D figure. A face is a closed polygon of at most 24 vertices
// (point indices) with its colour; a surface record holds a curve or curved surface by its kind,
// up to four defining points and four real parameters. Figure files hold both as their exact
// byte images (62 and 264 bytes).
//
// A default-constructed record is an unused table slot: every byte of its image is zero.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "kernel/byte_io.h"
#include "kernel/plain_records.h"
#include "kernel/real.h"

namespace kernel {

inline constexpr int kFaceVertexCapacity = 24;
inline constexpr std::uint16_t kNoFaceVertex = 0xFFFF;
inline constexpr std::size_t kFaceRecordBytes = 62;
inline constexpr std::size_t kSurfaceRecordBytes = 264;

struct FaceRecord {
  std::int16_t count = 0;     // vertices, at most 24 (a segment of the 3-D model has 2)
  std::uint8_t visible = 0;   // set when the list is closed; 0 for a deleted or hidden face
  // vertices[count] repeats vertices[0]; the entries after it are kNoFaceVertex.
  std::array<std::uint16_t, kFaceVertexCapacity + 1> vertices{};
  std::uint16_t colour = 0;   // colour table index
  Short3 style;               // pen width and style words
  std::uint8_t transparent = 0;
};

// Kinds of curved objects.
enum SurfaceKind : std::int16_t {
  kSurfaceCylinder = 0,
  kSurfaceFrustum = 1,
  kSurfaceCone = 2,
  kSurfaceSphere = 3,
  kSurfaceCircle = 4,
  kSurfaceCircle2 = 5,
  kSurfaceDisk = 6,
  kSurfaceLatitudeCircle = 7,
  kSurfaceMeridian = 8,
  kSurfaceGreatCircle = 9,
  kSurfaceCylinderSphereCurve = 10,
  kSurfaceEllipse = 11,
  kSurfaceHyperbola = 12,
  kSurfaceParabola = 13,
  kSurfaceSphereDiskArc = 14,
  kSurfaceGreatCircleArc = 15,
  kSurfaceGreatCircleArc2 = 16,
};

struct SurfaceRecord {
  std::int16_t kind = 0;
  std::int16_t point_count = 0;  // defining points that are not negative
  std::uint16_t code = 0;        // code mod 100 a sub-kind, code / 100 the object number
  std::array<std::int16_t, 4> points{};  // P0..P3, -1 for none
  std::array<std::uint8_t, 94> construction_data{};  // written by the creating 3-D construction
  std::uint16_t colour = 0;      // fill colour index
  std::uint8_t transparent = 0;  // see-through flag
  Short3 style;                  // tracing triple
  Real param0 = 0;               // radii, heights, angles as the kind needs
  Real param1 = 0;
  Real param2 = 0;
  Real param3 = 0;
  Point3 u, v, w;                // the object's frame, set by the creating construction
  std::uint8_t active = 0;       // 0 for a deleted or hidden record
  std::uint16_t sectionMark = 0;
  std::array<std::uint16_t, 4> section_points{};  // reserved section points
  std::uint16_t section_point_count = 0;
  std::uint16_t drawMode = 0;
  std::uint16_t segment_count = 0;
};

// --- Faces ----------------------------------------------------------------------------------
// Each initialiser refuses (false, record unchanged) a count outside 0..24.

// Count n, the six indices into entries 0..5, then FinishFaceList. For n above 6 the entries
// 6..n-1 are left for the caller to write.
bool InitFaceList(FaceRecord& face, int n, std::uint16_t v0, std::uint16_t v1, std::uint16_t v2, std::uint16_t v3,
                  std::uint16_t v4, std::uint16_t v5);
// Count n, entries 0..n-1 from the first n indices (false when fewer are given), then FinishFaceList.
bool InitFaceListFrom(FaceRecord& face, int n, std::span<const std::uint16_t> indices);
// Entries first, first + 1, ..., first + n - 1, then FinishFaceList.
bool InitFaceListRange(FaceRecord& face, int n, std::uint16_t first);
// Entry count repeats entry 0, the entries above it become kNoFaceVertex, visible 1, and the
// style reset with colour 1.
bool FinishFaceList(FaceRecord& face);
// Colour, style words 0, 0, 0, transparent 0.
void ResetFaceStyle(FaceRecord& face, std::uint16_t colour);
// 0-based position of the first vertex equal to the given one, or -1.
int FaceListFind(const FaceRecord& face, std::uint16_t vertex);
// False when the counts differ. Otherwise marks the byte of every vertex of a with 1 and is true
// when every vertex of b is marked. The caller passes cleared marks, which stay set; a vertex
// beyond the end of the marks is never marked.
bool FaceListsSameSet(const FaceRecord& a, const FaceRecord& b, std::span<std::uint8_t> marks);

// --- Surfaces -------------------------------------------------------------------------------

// Stores kind, points and parameters; counts the points that are not negative; the code 2 for
// disks and ellipses, 3 for great circles and hyperbolas, 1 otherwise; the section point count
// 4 for cylinders, frustums and cones, 3 for spheres, 2 for disks and the conics, 0 otherwise;
// active 1, sectionMark 0, drawMode 1, segment count 151; then ResetSurfaceStyle. The other
// fields are left to the creating construction.
void InitSurfaceRecord(SurfaceRecord& record, std::int16_t kind, std::int16_t p0, std::int16_t p1, Real a, Real b,
                       Real c, Real d, std::int16_t p2, std::int16_t p3);
// Colour 1, transparent 0, style 0, 0, 0.
void ResetSurfaceStyle(SurfaceRecord& record);
// Keeps the sub-kind (code mod 100) and stores n as the hundreds, in 16-bit arithmetic.
void SetCodeHundreds(SurfaceRecord& record, int n);
// Ellipse, hyperbola or parabola.
bool IsConicKind(const SurfaceRecord& record);
// Cylinder, frustum, cone, sphere, the second circle kind, disk, or a conic.
bool IsFillableKind(const SurfaceRecord& record);
// 0-based position of the point among the first point_count defining points, or -1.
int SurfaceRecordFind(const SurfaceRecord& record, std::int16_t point);

// --- Byte images ----------------------------------------------------------------------------
// Readers return nullopt when the bytes run out or a count exceeds the record's room.

void WriteFaceRecord(ByteWriter& writer, const FaceRecord& face);
std::optional<FaceRecord> ReadFaceRecord(ByteReader& reader);
void WriteSurfaceRecord(ByteWriter& writer, const SurfaceRecord& record);
std::optional<SurfaceRecord> ReadSurfaceRecord(ByteReader& reader);

}  // namespace kernel
