#pragma once
// The texts of the grid dialog's fields and how they are read back into a view record. A field
// whose text is not accepted keeps the record's value; nothing here reports an error.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "kernel/real.h"
#include "view/view_record.h"

namespace view {

// Reads a number as the window does (0 and the value, or a message number).
using NumberReader = std::function<int(std::string_view, kernel::Real&)>;

// Places as shown: the decimals, with "@" when a suffix character is appended (places >= 10).
std::string PlacesText(std::uint16_t places);
// An interval with 6 decimals in a field of 8, "@" appended when marked.
std::string IntervalText(kernel::Real interval, bool marked);
// A label frequency, "@" appended when marked.
std::string FrequencyText(std::uint16_t frequency, bool marked);
// The tick length as a percentage of the screen's width, 3 decimals.
std::string TickLengthText(std::uint16_t tickLength, int screenWidth);

// An interval: an "@" anywhere marks it (when asked for a marker) and ends the number; taken
// when it reads and exceeds 1e-16.
void ReadInterval(std::string_view text, const NumberReader& read, kernel::Real& interval, std::uint8_t* marker);
// A label frequency: "@" marks it and ends the number; taken from 1 to 98.
void ReadFrequency(std::string_view text, std::uint16_t& frequency, std::uint8_t& marker);
// A tick length in percent of the screen's width: taken strictly between 0.2 and 98; the short
// mark becomes 7/10 of the tick.
void ReadTickLength(std::string_view text, const NumberReader& read, int screenWidth, std::uint16_t& tickLength,
                    std::uint16_t& shortTickLength);
// Places: the decimals 0 to 9 before an "@" (10 added when it is there); a number of two or more
// characters after the "@" becomes the suffix character when it is a code from 33 to 255.
void ReadPlaces(std::string_view text, std::uint16_t& places, std::uint16_t& suffix);
// The polar sector count: taken from 4 to 100.
void ReadSectorCount(std::string_view text, std::uint16_t& count);

// Whether the grid settings of the record differ from the window's (the label suffix alone does
// not count); intervalChanged tells whether an interval differs.
bool GridSettingsDiffer(const ViewRecord& read, const ViewRecord& current, bool& intervalChanged);

}  // namespace view
