#include "engine/data_table.h"

#include <cmath>

#include "kernel/number_text.h"

namespace engine {

namespace {

constexpr kernel::Real kSameValue = static_cast<kernel::Real>(1e-13);
const char* const kAxisNames[] = {"x", "y", "z"};

std::string Field(std::string text, int width) {
  if (width > 0 && text.size() > static_cast<std::size_t>(width)) text.resize(static_cast<std::size_t>(width));
  if (width > 0 && text.size() < static_cast<std::size_t>(width)) text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  return text;
}

bool SameRow(const DataRow& a, const DataRow& b) {
  for (int k = 0; k < kDataColumns; ++k) {
    if (!(std::fabs(a[static_cast<std::size_t>(k)] - b[static_cast<std::size_t>(k)]) <= kSameValue)) return false;
  }
  return true;
}

}  // namespace

bool AddDistinctRow(std::vector<DataRow>& rows, const DataRow& row) {
  for (const DataRow& stored : rows) {
    if (SameRow(stored, row)) return false;
  }
  rows.push_back(row);
  return true;
}

int DataColumnCount(const std::vector<DataColumnItem>& items) {
  int n = 0;
  for (const DataColumnItem& item : items) n += item.values;
  return n < kDataColumns ? n : kDataColumns;
}

std::string DataTableHeader(const std::vector<DataColumnItem>& items, const DataTableFormat& format) {
  std::string line;
  int columns = 0;
  for (const DataColumnItem& item : items) {
    if (columns + item.values > kDataColumns) break;
    if (item.values == 1) {
      line += Field(item.text, format.width);
    } else {
      for (int k = 0; k < item.values && k < 3; ++k) {
        line += Field("[" + std::string(kAxisNames[k]) + "](" + item.text + ")", format.width);
      }
    }
    columns += item.values;
  }
  return line + "\r\n";
}

std::string DataRowLine(const DataRow& row, int columns, const DataTableFormat& format) {
  std::string line;
  for (int k = 0; k < columns && k < kDataColumns; ++k) {
    const std::string value = kernel::FormatLD(row[static_cast<std::size_t>(k)], 0, format.decimals);
    if (format.separatorMode) {
      if (k > 0) line += format.separator;
      line += value;
    } else {
      line += Field(value, format.width);
    }
  }
  return line + "\r\n";
}

std::string DataTableText(const std::vector<DataColumnItem>& items, const std::vector<DataRow>& rows,
                          const DataTableFormat& format) {
  if (rows.empty()) return {};
  std::string text = DataTableHeader(items, format);
  const int columns = DataColumnCount(items);
  for (const DataRow& row : rows) {
    const std::string line = DataRowLine(row, columns, format);
    if (text.size() + line.size() >= kDataTextLimit) break;
    text += line;
  }
  return text;
}

}  // namespace engine
