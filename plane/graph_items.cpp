#include "plane/graph_items.h"

#include <algorithm>
#include <cmath>

#include "engine/windows/trace_dlg.h"

namespace plane {

namespace {

constexpr std::size_t kHorizontalOffset = 2;
constexpr std::size_t kVerticalOffset = 63;
constexpr std::size_t kNameField = 61;
constexpr std::uint16_t kDefaultWord2 = 2;
constexpr std::uint16_t kDefaultSteps = 100;
constexpr std::uint8_t kDefaultColour = 4;
constexpr Real kRangeTolerance = 1e-13L;

void PutName(engine::TraceCompanion& companion, std::size_t offset, std::string_view text) {
  const std::string name = GraphName(text);
  std::fill_n(companion.begin() + static_cast<std::ptrdiff_t>(offset), kNameField, std::uint8_t{0});
  std::copy(name.begin(), name.end(), companion.begin() + static_cast<std::ptrdiff_t>(offset));
}

}  // namespace

std::string GraphName(std::string_view text) {
  const std::string_view cut = text.substr(0, std::min(text.size(), kGraphNameChars));
  return std::string(cut.substr(0, std::min(cut.find('\0'), cut.size())));
}

std::string CompanionText(const engine::TraceCompanion& companion, int which) {
  const std::size_t offset = which == 0 ? kHorizontalOffset : kVerticalOffset;
  const auto* begin = reinterpret_cast<const char*>(companion.data() + offset);
  // A stored field without its NUL is read as its first 60 characters.
  return GraphName(std::string_view(begin, kNameField));
}

void SetCompanionTexts(engine::TraceCompanion& companion, std::string_view horizontal, std::string_view vertical) {
  PutName(companion, kHorizontalOffset, horizontal);
  PutName(companion, kVerticalOffset, vertical);
}

kernel::TraceRecord DefaultGraphRecord() {
  kernel::TraceRecord record;
  kernel::InitTraceRecord(record, kDefaultWord2, kControlSlider, 0, 0, 0, 1, kDefaultSteps, kDefaultColour, 0);
  return record;
}

int GraphColour(const kernel::TraceRecord& record) { return record.low11; }
int GraphThickness(const kernel::TraceRecord& record) { return std::max<int>(1, record.high11); }
int GraphSteps(const kernel::TraceRecord& record) { return static_cast<std::int16_t>(record.word9); }

void GraphItems::AddFirst(const kernel::TraceRecord& record, const engine::TraceCompanion& companion) {
  records.insert(records.begin(), record);
  companions.insert(companions.begin(), companion);
  current = 0;
}

void GraphItems::Remove(int i) {
  if (i < 0 || i >= Count()) return;
  records.erase(records.begin() + i);
  companions.erase(companions.begin() + i);
  if (current == i) current = -1;
  else if (current > i) --current;
}

void GraphItems::Clear() {
  records.clear();
  companions.clear();
  current = -1;
}

int GraphItems::Select(std::string_view name, bool next) {
  const int n = std::min(Count(), static_cast<int>(companions.size()));
  const std::string wanted = GraphName(name);
  int at = next && HasCurrent() ? current + 1 : 0;
  current = -1;
  for (int k = 0; k < n; ++k, ++at) {
    if (at >= n) at = 0;
    const auto i = static_cast<std::size_t>(at);
    if (!engine::TraceHidden(records[i]) && CompanionText(companions[i], 0) == wanted) {
      current = at;
      break;
    }
  }
  return current;
}

int SliderSymbolIndex(std::string_view text) {
  if (text.size() != 1) return -1;
  const std::size_t k = kGraphSliderSymbols.find(text[0]);
  return k == std::string_view::npos ? -1 : static_cast<int>(k);
}

std::vector<Real> GraphParameterValues(Real low, Real high, int steps) {
  std::vector<Real> values;
  if (steps <= 0) return values;
  values.reserve(static_cast<std::size_t>(steps) + 1);
  const Real h = (high - low) / steps;
  for (int i = 0; i < steps; ++i) values.push_back(low + i * h);
  values.push_back(high);
  return values;
}

bool GraphRangeForSlider(Real start, Real end, Real& xmin, Real& xmax) {
  const Real d = static_cast<Real>(0.02) * (end - start);
  const Real wantedMin = start - 5 * d;
  const Real wantedMax = end + d;
  if (std::fabs(wantedMin - xmin) <= kRangeTolerance && std::fabs(wantedMax - xmax) <= kRangeTolerance) return false;
  xmin = wantedMin;
  xmax = wantedMax;
  return true;
}

}  // namespace plane
