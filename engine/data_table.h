#pragma once
// The data table a geometry window records while a slider moves: rows of up to six values taken
// from its first measurements, and the text its data window shows of them.

#include <array>
#include <string>
#include <vector>

#include "kernel/real.h"

namespace engine {

inline constexpr int kDataColumns = 6;
// The shown text of the table stays below this many characters; rows past it are kept all the
// same.
inline constexpr std::size_t kDataTextLimit = 32000;

using DataRow = std::array<kernel::Real, kDataColumns>;

// A measurement that gives the table its columns: its text and how many values it gives (1 for
// a number, 2 or 3 for the coordinates of a point).
struct DataColumnItem {
  std::string text;
  int values = 1;
};

struct DataTableFormat {
  int width = 12;             // the fixed column width
  int decimals = 5;
  bool separatorMode = false;  // values joined by the separator instead of padded
  std::string separator = "\t";
};

// Appends row unless a stored row equals it (every value within 1e-13); true when it was added.
bool AddDistinctRow(std::vector<DataRow>& rows, const DataRow& row);
// The number of columns the items fill, at most kDataColumns.
int DataColumnCount(const std::vector<DataColumnItem>& items);
// The header line (ended by CR LF): "[x](text)", "[y](text)" (and "[z](text)") for a point, the
// text for a number, each cut to the column width and padded on the left to it.
std::string DataTableHeader(const std::vector<DataColumnItem>& items, const DataTableFormat& format);
// One row's line (ended by CR LF) over the first `columns` values.
std::string DataRowLine(const DataRow& row, int columns, const DataTableFormat& format);
// The header and the rows, rows added while the text stays below kDataTextLimit; empty without
// rows.
std::string DataTableText(const std::vector<DataColumnItem>& items, const std::vector<DataRow>& rows,
                          const DataTableFormat& format);

}  // namespace engine
