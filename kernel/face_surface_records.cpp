#include "kernel/face_surface_records.h"

#include <algorithm>

#include "kernel/vector3.h"

namespace kernel {

namespace {

constexpr std::uint16_t kSurfaceSegmentCount = 151;

bool FaceCountFits(int n) { return n >= 0 && n <= kFaceVertexCapacity; }

int ListedVertices(const FaceRecord& face) { return std::clamp<int>(face.count, 0, kFaceVertexCapacity); }

std::uint16_t BaseCode(std::int16_t kind) {
  switch (kind) {
    case kSurfaceDisk:
    case kSurfaceEllipse:
      return 2;
    case kSurfaceGreatCircle:
    case kSurfaceHyperbola:
      return 3;
    default:
      return 1;
  }
}

std::uint16_t SectionPointCount(std::int16_t kind) {
  switch (kind) {
    case kSurfaceCylinder:
    case kSurfaceFrustum:
    case kSurfaceCone:
      return 4;
    case kSurfaceSphere:
      return 3;
    case kSurfaceDisk:
    case kSurfaceEllipse:
    case kSurfaceHyperbola:
    case kSurfaceParabola:
      return 2;
    default:
      return 0;
  }
}

void WriteShort3(ByteWriter& writer, const Short3& s) {
  writer.U16(s.a);
  writer.U16(s.b);
  writer.U16(s.c);
}

Short3 ReadShort3(ByteReader& reader) {
  Short3 s;
  s.a = reader.U16();
  s.b = reader.U16();
  s.c = reader.U16();
  return s;
}

}  // namespace

bool InitFaceList(FaceRecord& face, int n, std::uint16_t v0, std::uint16_t v1, std::uint16_t v2, std::uint16_t v3,
                  std::uint16_t v4, std::uint16_t v5) {
  if (!FaceCountFits(n)) return false;
  face.count = static_cast<std::int16_t>(n);
  const std::uint16_t given[6] = {v0, v1, v2, v3, v4, v5};
  std::copy(std::begin(given), std::end(given), face.vertices.begin());
  return FinishFaceList(face);
}

bool InitFaceListFrom(FaceRecord& face, int n, std::span<const std::uint16_t> indices) {
  if (!FaceCountFits(n) || indices.size() < static_cast<std::size_t>(n)) return false;
  face.count = static_cast<std::int16_t>(n);
  std::copy_n(indices.begin(), n, face.vertices.begin());
  return FinishFaceList(face);
}

bool InitFaceListRange(FaceRecord& face, int n, std::uint16_t first) {
  if (!FaceCountFits(n)) return false;
  face.count = static_cast<std::int16_t>(n);
  for (int i = 0; i < n; ++i) face.vertices[i] = static_cast<std::uint16_t>(first + i);
  return FinishFaceList(face);
}

bool FinishFaceList(FaceRecord& face) {
  if (!FaceCountFits(face.count)) return false;
  face.vertices[face.count] = face.vertices[0];
  std::fill(face.vertices.begin() + face.count + 1, face.vertices.end(), kNoFaceVertex);
  face.visible = 1;
  ResetFaceStyle(face, 1);
  return true;
}

void ResetFaceStyle(FaceRecord& face, std::uint16_t colour) {
  face.colour = colour;
  SetShort3b(face.style, 0, 0, 0);
  face.transparent = 0;
}

int FaceListFind(const FaceRecord& face, std::uint16_t vertex) {
  const int n = ListedVertices(face);
  for (int i = 0; i < n; ++i) {
    if (face.vertices[i] == vertex) return i;
  }
  return -1;
}

bool FaceListsSameSet(const FaceRecord& a, const FaceRecord& b, std::span<std::uint8_t> marks) {
  if (a.count != b.count) return false;
  const int n = ListedVertices(a);
  for (int i = 0; i < n; ++i) {
    if (a.vertices[i] < marks.size()) marks[a.vertices[i]] = 1;
  }
  for (int i = 0; i < n; ++i) {
    if (b.vertices[i] >= marks.size() || marks[b.vertices[i]] == 0) return false;
  }
  return true;
}

void InitSurfaceRecord(SurfaceRecord& record, std::int16_t kind, std::int16_t p0, std::int16_t p1, Real a, Real b,
                       Real c, Real d, std::int16_t p2, std::int16_t p3) {
  record.kind = kind;
  record.points = {p0, p1, p2, p3};
  record.point_count = static_cast<std::int16_t>(std::count_if(
      record.points.begin(), record.points.end(), [](std::int16_t p) { return p >= 0; }));
  record.code = BaseCode(kind);
  record.param0 = a;
  record.param1 = b;
  record.param2 = c;
  record.param3 = d;
  record.active = 1;
  record.sectionMark = 0;
  record.section_point_count = SectionPointCount(kind);
  record.drawMode = 1;
  record.segment_count = kSurfaceSegmentCount;
  ResetSurfaceStyle(record);
}

void ResetSurfaceStyle(SurfaceRecord& record) {
  record.colour = 1;
  record.transparent = 0;
  SetShort3b(record.style, 0, 0, 0);
}

void SetCodeHundreds(SurfaceRecord& record, int n) {
  const int sub_kind = static_cast<std::int16_t>(record.code) % 100;
  record.code = static_cast<std::uint16_t>(static_cast<unsigned>(sub_kind) + static_cast<unsigned>(n) * 100u);
}

bool IsConicKind(const SurfaceRecord& record) {
  return record.kind == kSurfaceEllipse || record.kind == kSurfaceHyperbola || record.kind == kSurfaceParabola;
}

bool IsFillableKind(const SurfaceRecord& record) {
  return (record.kind >= 0 && record.kind < kSurfaceLatitudeCircle && record.kind != kSurfaceCircle) ||
         IsConicKind(record);
}

int SurfaceRecordFind(const SurfaceRecord& record, std::int16_t point) {
  const int n = std::clamp<int>(record.point_count, 0, static_cast<int>(record.points.size()));
  for (int i = 0; i < n; ++i) {
    if (record.points[i] == point) return i;
  }
  return -1;
}

void WriteFaceRecord(ByteWriter& writer, const FaceRecord& face) {
  writer.I16(face.count);
  writer.U8(face.visible);
  for (std::uint16_t vertex : face.vertices) writer.U16(vertex);
  writer.U16(face.colour);
  WriteShort3(writer, face.style);
  writer.U8(face.transparent);
}

std::optional<FaceRecord> ReadFaceRecord(ByteReader& reader) {
  FaceRecord face;
  face.count = reader.I16();
  face.visible = reader.U8();
  for (std::uint16_t& vertex : face.vertices) vertex = reader.U16();
  face.colour = reader.U16();
  face.style = ReadShort3(reader);
  face.transparent = reader.U8();
  if (!reader.ok() || !FaceCountFits(face.count)) return std::nullopt;
  return face;
}

void WriteSurfaceRecord(ByteWriter& writer, const SurfaceRecord& record) {
  writer.I16(record.kind);
  writer.I16(record.point_count);
  writer.U16(record.code);
  for (std::int16_t p : record.points) writer.I16(p);
  writer.Raw(record.construction_data.data(), record.construction_data.size());
  writer.U16(record.colour);
  writer.U8(record.transparent);
  WriteShort3(writer, record.style);
  writer.Real80(record.param0);
  writer.Real80(record.param1);
  writer.Real80(record.param2);
  writer.Real80(record.param3);
  writer.Point(record.u);
  writer.Point(record.v);
  writer.Point(record.w);
  writer.U8(record.active);
  writer.U16(record.sectionMark);
  for (std::uint16_t p : record.section_points) writer.U16(p);
  writer.U16(record.section_point_count);
  writer.U16(record.drawMode);
  writer.U16(record.segment_count);
}

std::optional<SurfaceRecord> ReadSurfaceRecord(ByteReader& reader) {
  SurfaceRecord record;
  record.kind = reader.I16();
  record.point_count = reader.I16();
  record.code = reader.U16();
  for (std::int16_t& p : record.points) p = reader.I16();
  reader.Raw(record.construction_data.data(), record.construction_data.size());
  record.colour = reader.U16();
  record.transparent = reader.U8();
  record.style = ReadShort3(reader);
  record.param0 = reader.Real80();
  record.param1 = reader.Real80();
  record.param2 = reader.Real80();
  record.param3 = reader.Real80();
  record.u = reader.ReadPoint3();
  record.v = reader.ReadPoint3();
  record.w = reader.ReadPoint3();
  record.active = reader.U8();
  record.sectionMark = reader.U16();
  for (std::uint16_t& p : record.section_points) p = reader.U16();
  record.section_point_count = reader.U16();
  record.drawMode = reader.U16();
  record.segment_count = reader.U16();
  if (!reader.ok() || record.point_count < 0 || record.point_count > 4 || record.section_point_count > 4) {
    return std::nullopt;
  }
  return record;
}

}  // namespace kernel
