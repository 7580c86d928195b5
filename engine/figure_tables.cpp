#include "engine/figure_tables.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "kernel/label_parsing.h"
#include "kernel/labels.h"

namespace engine {

namespace {

bool IsListEnd(std::int16_t v) { return v < 0; }

}  // namespace

void WritePointNameRecord(kernel::ByteWriter& writer, const PointNameRecord& record) {
  writer.U16(record.label);
  writer.U8(record.shown);
  writer.U16(record.marker);
  writer.I16(record.left);
  writer.I16(record.top);
  writer.I16(record.width);
  writer.I16(record.height);
  writer.I16(record.dx);
  writer.I16(record.dy);
}

std::optional<PointNameRecord> ReadPointNameRecord(kernel::ByteReader& reader) {
  PointNameRecord record;
  record.label = reader.U16();
  record.shown = reader.U8();
  record.marker = reader.U16();
  record.left = reader.I16();
  record.top = reader.I16();
  record.width = reader.I16();
  record.height = reader.I16();
  record.dx = reader.I16();
  record.dy = reader.I16();
  if (!reader.ok()) return std::nullopt;
  return record;
}

void WritePointAttrRecord(kernel::ByteWriter& writer, const PointAttrRecord& record) {
  writer.I16(record.tag);
  for (std::int16_t w : record.words) writer.I16(w);
  writer.Real80(record.value);
}

std::optional<PointAttrRecord> ReadPointAttrRecord(kernel::ByteReader& reader) {
  PointAttrRecord record;
  record.tag = reader.I16();
  for (std::int16_t& w : record.words) w = reader.I16();
  record.value = reader.Real80();
  if (!reader.ok()) return std::nullopt;
  return record;
}

FigureTables::FigureTables()
    : xy(kPointCapacity),
      xyz(kPointCapacity),
      exists(kPointCapacity, 0),
      label_map(kPointCapacity, -1),
      names(kPointCapacity),
      attrs(kPointCapacity),
      selected(kPointCapacity, 0),
      saved_selected(kPointCapacity, 0),
      order(kPointCapacity, 0),
      scratch(kPointCapacity + 1, 0),
      projected(kPointCapacity),
      second_flag(kPointCapacity, 1),
      lines(kLastLineLimit + 1),
      line_sides(kLastLineLimit + 1),
      circles(kLastCircleLimit + 1),
      circle_radius(kLastCircleLimit + 1, 0),
      circle_arc_radians(kLastCircleLimit + 1, 0),
      hypercycle_points(kLastHypCurveLimit + 1),
      hypercycles(kLastHypCurveLimit + 1),
      horocycle_points(kLastHypCurveLimit + 1),
      horocycles(kLastHypCurveLimit + 1) {}

void FigureTables::ResetForReplay() {
  for (PointNameRecord& name : names) name.label = 0;
  std::fill(exists.begin(), exists.end(), 0);
  std::fill(label_map.begin(), label_map.end(), -1);
  free_label_hint_ = 0;
  sphere_frames.Clear(last_line, last_circle);
  last_point = -1;
  last_line = -1;
  last_circle = -1;
  last_hypercycle = -1;
  last_horocycle = -1;
  keep_labels_through = -1;
}

bool FigureTables::PointExists(int i) const { return i >= 0 && i <= last_point && exists[i] != 0; }

bool FigureTables::AllPointsExist(int n, std::span<const std::uint16_t> list) const {
  if (n < 1) return true;
  if (static_cast<std::size_t>(n) > list.size()) return false;
  for (int k = 0; k < n; ++k) {
    if (!PointExists(list[k])) return false;
  }
  return true;
}

int FigureTables::FindFreeLabel() const {
  for (int label = free_label_hint_; label < kPointCapacity; ++label) {
    if (label_map[label] < 0) {
      free_label_hint_ = label;
      return label;
    }
  }
  free_label_hint_ = kPointCapacity;
  return -1;
}

void FigureTables::FreeLabel(int label) {
  if (label < 0 || label >= kPointCapacity) return;
  label_map[label] = -1;
  free_label_hint_ = std::min(free_label_hint_, label);
}

int FigureTables::LabelForNewPoint(int i) const {
  if (i >= 0 && i <= keep_labels_through) {
    const int own = names[i].label;
    if (own < kPointCapacity && label_map[own] == i) return own;
  }
  return FindFreeLabel();
}

bool FigureTables::AddPoints(int n, std::int16_t tag, bool has_display, std::uint8_t shown, std::uint16_t marker) {
  if (n < 0 || last_point + n > kLastPointLimit) return false;
  for (int k = 0; k < n; ++k) {
    const int i = last_point + 1;
    const int label = LabelForNewPoint(i);
    if (label < 0) return false;
    last_point = static_cast<std::int16_t>(i);
    exists[i] = 1;
    label_map[label] = static_cast<std::int16_t>(i);
    names[i].label = static_cast<std::uint16_t>(label);
    if (has_display) {
      names[i].shown = shown;
      names[i].marker = marker;
    }
    attrs[i].tag = tag;
    attrs[i].words = {-1, -1, -1, -1};
  }
  return true;
}

int FigureTables::ParsePointNumbers(std::string_view text, std::span<std::uint16_t> out, int n) const {
  if (n < 0 || out.size() < static_cast<std::size_t>(n) + 1) return -1;
  int pos = 0;
  int last_written = -1;
  bool failed = false;
  auto put = [&](std::uint16_t value) {
    out[pos] = value;
    last_written = pos;
    if (pos < n) ++pos;
  };
  std::size_t start = 0;
  while (true) {
    const std::size_t slash = text.find('\\', start);
    const std::string_view group = text.substr(start, slash == std::string_view::npos ? text.npos : slash - start);
    for (std::size_t i = 0; i < group.size();) {
      if (!std::isdigit(static_cast<unsigned char>(group[i]))) {
        ++i;
        continue;
      }
      long k = 0;
      while (i < group.size() && std::isdigit(static_cast<unsigned char>(group[i]))) {
        if (k < 100000) k = k * 10 + (group[i] - '0');
        ++i;
      }
      const long index = k - 1;
      if (index < 0 || index > last_point) {
        failed = true;
      } else {
        put(static_cast<std::uint16_t>(index));
      }
    }
    put(kGroupEnd);
    if (slash == std::string_view::npos) break;
    start = slash + 1;
  }
  return failed ? -1 : last_written;
}

int FigureTables::ParsePointList(std::string& text, std::span<std::uint16_t> out, int n) const {
  if (text.find('\\') != std::string::npos) return ParsePointNumbers(text, out, n);
  if (n < 0 || out.size() < static_cast<std::size_t>(n) + 1) return -1;
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  kernel::NormalizeLabelList(text);
  std::vector<std::uint16_t> work(static_cast<std::size_t>(n) + 1, 0);
  const int parsed = kernel::ParseLabelList(text, work);
  int count = 0;  // entries written to out
  bool point_since_end = false;
  for (int k = 0; k <= parsed && count < n + 1; ++k) {
    const std::uint16_t id = work[k];
    if (id == kGroupEnd) {
      if (point_since_end) {
        out[count++] = kGroupEnd;
        point_since_end = false;
      }
      continue;
    }
    if (id >= kPointCapacity || label_map[id] < 0) continue;
    out[count++] = static_cast<std::uint16_t>(label_map[id]);
    point_since_end = true;
  }
  out[n] = kGroupEnd;
  if (!text.empty() && text.back() == '/') text.pop_back();
  return count - 1;
}

int FigureTables::ParseExistingPoints(std::string& text, std::span<std::uint16_t> out, int n) const {
  if (n < 0 || out.size() < static_cast<std::size_t>(n) + 1) return 0;
  std::vector<std::uint16_t> work(2 * static_cast<std::size_t>(n) + 2, 0);
  const int parsed = ParsePointList(text, work, 2 * n + 1);
  int kept = 0;
  if (parsed >= 1) {
    for (int k = 0; k < parsed && kept < n; ++k) {
      if (PointExists(work[k])) out[kept++] = work[k];
    }
  }
  out[kept] = kPointListEnd;
  return kept;
}

int FigureTables::FindPointByName(std::string_view text) const {
  std::string copy(text);
  std::array<std::uint16_t, 2> out{};
  if (ParsePointList(copy, out, 1) >= 1) return out[0];
  return -1;
}

void FigureTables::SelectPoints(std::string_view text) {
  if (text.empty()) {
    selected = saved_selected;
    return;
  }
  std::string copy(text);
  const int parsed = ParsePointList(copy, scratch, kPointCapacity);
  std::fill(selected.begin(), selected.end(), 0);
  if (parsed < 1) return;
  for (int k = 0; k < parsed; ++k) {
    const std::uint16_t i = scratch[k];
    if (i < kGroupEnd && i < kPointCapacity) selected[i] = exists[i];
  }
}

int FigureTables::GetPointName(int i, std::string& out) const {
  out.clear();
  if (i < 0 || i > last_point) return 0;
  kernel::FormatLabel(names[i].label, out);
  return 1;
}

int FigureTables::AppendPointName(std::string& text, int i) const {
  std::string name;
  const int result = GetPointName(i, name);
  text += name;
  return result;
}

bool FigureTables::ListPointNames(std::string& text, int n) const {
  text.clear();
  int found = 0;
  for (int i = 0; i <= last_point && found < n; ++i) {
    if (!exists[i]) continue;
    AppendPointName(text, i);
    ++found;
  }
  return found == n;
}

void FigureTables::AppendNewPointNames(std::string& text, int k, int m) const {
  const int shown = std::min(k, m);
  for (int j = 0; j < shown; ++j) AppendPointName(text, last_point - k + 1 + j);
  if (k > m) text += "...";
}

void FigureTables::AppendStepPointNames(std::string& text, int k, int m) {
  const int p = static_cast<std::int16_t>(last_point - k);
  int collected = 0;
  for (int i = 0; i <= last_point && collected < kPointCapacity; ++i) {
    if (selected[i] && order[i] <= k) scratch[collected++] = static_cast<std::uint16_t>(order[i]);
  }
  if (p > 0) AppendNewPointNames(text, p, m);
  if (collected > 0 && p < m) {
    int written = std::max(p, 0);
    int used = 0;
    while (used < collected && written < m) {
      AppendPointName(text, scratch[used++]);
      ++written;
    }
    if (used < collected) text += "...";
  }
}

void FigureTables::PointListText(const kernel::IndexList& list, std::string& text, int max_length) const {
  const int count = std::clamp<int>(list.count, 0, kernel::kLinePointCapacity);
  for (int k = 0; k < count; ++k) AppendPointName(text, list.entries[k]);
  if (max_length > 0 && text.size() > static_cast<std::size_t>(max_length)) text.resize(max_length);
}

int FigureTables::PointListNames(std::span<const std::int16_t> list, std::string& text) const {
  text.clear();
  int count = 0;
  for (std::int16_t i : list) {
    if (IsListEnd(i)) break;
    AppendPointName(text, i);
    ++count;
  }
  return count;
}

int FigureTables::PointListWithCommas(std::span<const std::int16_t> list, std::string& text) const {
  text.clear();
  int found = 0;
  bool first = true;
  for (std::int16_t i : list) {
    if (IsListEnd(i)) break;
    if (!first) text += ',';
    first = false;
    found += AppendPointName(text, i);
  }
  return found;
}

int FigureTables::PointNameRange(std::string& text) const {
  text.clear();
  int lowest = -1;
  int highest = -1;
  int count = 0;
  for (int i = 0; i <= last_point; ++i) {
    if (!exists[i]) continue;
    ++count;
    if (lowest < 0 || names[i].label < names[lowest].label) lowest = i;
    if (highest < 0 || names[i].label > names[highest].label) highest = i;
  }
  if (count == 0) return 0;
  AppendPointName(text, lowest);
  text += '-';
  AppendPointName(text, highest);
  return count;
}

void FigureTables::LineName(int i, std::string& text) const {
  text.clear();
  if (i < 0 || i > last_line) return;
  AppendPointName(text, lines[i].points.entries[0]);
  AppendPointName(text, lines[i].points.entries[1]);
}

void FigureTables::CircleName(int i, std::string& text) const {
  text.clear();
  if (i < 0 || i > last_circle) return;
  const kernel::CircleRecord& c = circles[i];
  AppendPointName(text, c.centre);
  AppendPointName(text, c.points[0]);
  if (c.count > 1 && c.count <= kernel::kCirclePointCapacity) AppendPointName(text, c.points[c.count - 1]);
}

void FigureTables::HypercycleName(int i, std::string& text) const {
  text.clear();
  if (i < 0 || i > last_hypercycle) return;
  const kernel::HypCurveRecord& h = hypercycles[i];
  text += '(';
  if (h.owner <= kLastLineLimit) {
    AppendPointName(text, lines[h.owner].points.entries[0]);
    AppendPointName(text, lines[h.owner].points.entries[1]);
  }
  text += ',';
  AppendPointName(text, h.index1);
  text += ')';
}

void FigureTables::HorocycleName(int i, std::string& text) const {
  text.clear();
  if (i < 0 || i > last_horocycle) return;
  const kernel::HypCurveRecord& h = horocycles[i];
  text += '(';
  AppendPointName(text, h.owner);
  AppendPointName(text, h.index1);
  text += ',';
  AppendPointName(text, h.index2);
  text += ')';
}

int FigureTables::FindPointNear(Real x, Real y, Real tolerance) const {
  for (int i = 0; i <= last_point; ++i) {
    if (exists[i] && std::fabs(x - xy[i].x) < tolerance && std::fabs(y - xy[i].y) < tolerance) return i;
  }
  return -1;
}

int FigureTables::FindPoint3DNear(const Point3& p, Real tolerance) const {
  for (int i = 0; i <= last_point; ++i) {
    if (!exists[i]) continue;
    const Real d = std::fabs(p.x - xyz[i].x) + std::fabs(p.y - xyz[i].y) + std::fabs(p.z - xyz[i].z);
    if (d < tolerance) return i;
  }
  return -1;
}

int FigureTables::FindLabelAt(PixelPoint mouse, const std::function<PixelPoint(int)>& to_pixel,
                              int all_labels_counter) const {
  for (int i = 0; i <= last_point; ++i) {
    if (!exists[i]) continue;
    const PointNameRecord& name = names[i];
    if (all_labels_counter < 1 && !name.shown) continue;
    const PixelPoint at = to_pixel(i);
    const std::int32_t cx = at.x + name.dx;
    const std::int32_t cy = at.y + name.dy;
    const std::int32_t left = cx - name.width / 2;
    const std::int32_t top = cy - name.height / 2;
    if (mouse.x > left && mouse.x < left + name.width && mouse.y > top && mouse.y < top + name.height) return i;
  }
  return -1;
}

int FigureTables::CommonPointTag(int i1, int i2, int i3, int i4, int i5) const {
  auto tag_of = [&](int i) { return (i >= 0 && i < kPointCapacity) ? attrs[i].tag : -1; };
  int t = tag_of(i1);
  if (t < 1 || i2 < 0 || t != tag_of(i2)) return -1;
  for (int i : {i3, i4, i5}) {
    if (i < 0) return t;
    if (tag_of(i) != t) return -1;
  }
  return t;
}

}  // namespace engine
