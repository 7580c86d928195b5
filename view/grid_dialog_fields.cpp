#include "view/grid_dialog_fields.h"

#include <cerrno>
#include <cstdlib>

#include "kernel/number_text.h"

namespace view {

using kernel::Real;

namespace {

constexpr std::size_t kIntervalLength = 20;
constexpr std::size_t kShortFieldLength = 9;
constexpr std::size_t kTickLengthLength = 20;
constexpr std::size_t kSectorLength = 20;

// The field as the dialog hands it over, at most limit characters.
std::string_view Field(std::string_view text, std::size_t limit) { return text.substr(0, limit); }

// The part before an "@" and whether there was one.
std::string_view BeforeAt(std::string_view text, bool& at) {
  const std::size_t pos = text.find('@');
  at = pos != std::string_view::npos;
  return at ? text.substr(0, pos) : text;
}

// The C library's integer reading; false when the text holds no number.
bool ReadLong(std::string_view text, long& value) {
  const std::string s(text);
  errno = 0;
  char* end = nullptr;
  value = std::strtol(s.c_str(), &end, 10);
  return end != s.c_str() && errno != ERANGE;
}

}  // namespace

std::string PlacesText(std::uint16_t places) {
  std::string text = std::to_string(places % 10);
  if (places >= 10) text += '@';
  return text;
}

std::string IntervalText(Real interval, bool marked) {
  std::string text = kernel::FormatLD(interval, 8, 6);
  if (marked) text += '@';
  return text;
}

std::string FrequencyText(std::uint16_t frequency, bool marked) {
  std::string text = std::to_string(frequency);
  if (marked) text += '@';
  return text;
}

std::string TickLengthText(std::uint16_t tickLength, int screenWidth) {
  const Real percent = screenWidth > 0 ? static_cast<Real>(100) / screenWidth * tickLength : 0;
  return kernel::FormatLD(percent, 0, 3);
}

void ReadInterval(std::string_view text, const NumberReader& read, Real& interval, std::uint8_t* marker) {
  bool at = false;
  const std::string_view number = BeforeAt(Field(text, kIntervalLength), at);
  if (marker) *marker = at ? 1 : 0;
  Real value = 0;
  if (read(number, value) == 0 && value > static_cast<Real>(1e-16)) interval = value;
}

void ReadFrequency(std::string_view text, std::uint16_t& frequency, std::uint8_t& marker) {
  bool at = false;
  const std::string_view number = BeforeAt(Field(text, kShortFieldLength), at);
  marker = at ? 1 : 0;
  long value = 0;
  if (ReadLong(number, value) && value >= 1 && value <= 98) frequency = static_cast<std::uint16_t>(value);
}

void ReadTickLength(std::string_view text, const NumberReader& read, int screenWidth, std::uint16_t& tickLength,
                    std::uint16_t& shortTickLength) {
  Real percent = 0;
  if (read(Field(text, kTickLengthLength), percent) != 0) return;
  if (!(percent > static_cast<Real>(0.2) && percent < 98)) return;
  const std::int32_t length = kernel::RoundLD(screenWidth * percent * static_cast<Real>(0.01));
  if (length < 0 || length > 0xFFFF) return;
  tickLength = static_cast<std::uint16_t>(length);
  shortTickLength = static_cast<std::uint16_t>(length * 7 / 10);
}

void ReadPlaces(std::string_view text, std::uint16_t& places, std::uint16_t& suffix) {
  const std::string_view field = Field(text, kShortFieldLength);
  bool at = false;
  const std::string_view digits = BeforeAt(field, at);
  if (at) {
    const std::string_view code = field.substr(digits.size() + 1);
    long value = 0;
    if (code.size() > 1 && ReadLong(code, value) && value >= 33 && value <= 255)
      suffix = static_cast<std::uint16_t>(value);
  }
  long value = 0;
  if (ReadLong(digits, value) && value >= 0 && value <= 9) places = static_cast<std::uint16_t>(value + (at ? 10 : 0));
}

void ReadSectorCount(std::string_view text, std::uint16_t& count) {
  long value = 0;
  if (ReadLong(Field(text, kSectorLength), value) && value >= 4 && value <= 100)
    count = static_cast<std::uint16_t>(value);
}

bool GridSettingsDiffer(const ViewRecord& r, const ViewRecord& w, bool& intervalChanged) {
  intervalChanged = r.gridSpacingX != w.gridSpacingX || r.gridSpacingY != w.gridSpacingY;
  if (r.axesShown != w.axesShown || r.ticks != w.ticks || r.xLabelsInAxisPass != w.xLabelsInAxisPass ||
      r.yLabelsInAxisPass != w.yLabelsInAxisPass)
    return true;
  if ((r.scaleNumbers & 1) &&
      (r.xLabelFrequency != w.xLabelFrequency || r.xScalePi != w.xScalePi || r.xLabelPlaces != w.xLabelPlaces))
    return true;
  if ((r.scaleNumbers & 2) &&
      (r.yLabelFrequency != w.yLabelFrequency || r.yScalePi != w.yScalePi || r.yLabelPlaces != w.yLabelPlaces))
    return true;
  if (r.axesShown && (r.axesKind != w.axesKind || r.ticks != w.ticks || r.originLetter != w.originLetter ||
                      r.arrows != w.arrows || r.showAxisNames != w.showAxisNames ||
                      (r.ticks && r.tickLength != w.tickLength)))
    return true;
  return intervalChanged || r.scaleNumbers != w.scaleNumbers || r.latticeDots != w.latticeDots ||
         r.gridKind != w.gridKind || r.sectorCount != w.sectorCount;
}

}  // namespace view
