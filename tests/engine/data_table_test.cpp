// The data table: distinct rows, the header of its columns and the size of its text.
#include "engine/data_table.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using engine::DataRow;

TEST(DataTable, ARowEqualToAStoredOneWithin1e13IsDropped) {
  std::vector<DataRow> rows;
  EXPECT_TRUE(engine::AddDistinctRow(rows, {1, 2, 0, 0, 0, 0}));
  EXPECT_FALSE(engine::AddDistinctRow(rows, {1 + 1e-14L, 2, 0, 0, 0, 0}));
  EXPECT_TRUE(engine::AddDistinctRow(rows, {1 + 1e-12L, 2, 0, 0, 0, 0}));
  // A slider moved back and forth over the same positions records each once.
  for (int pass = 0; pass < 3; ++pass) {
    for (int k = 0; k < 5; ++k) engine::AddDistinctRow(rows, {static_cast<kernel::Real>(k) / 4, 9, 0, 0, 0, 0});
  }
  EXPECT_EQ(rows.size(), 7u);
}

TEST(DataTable, APointAndTwoNumbersGiveFourColumns) {
  const std::vector<engine::DataColumnItem> items{{"A", 2}, {"[SEG](AB)", 1}, {"2*#", 1}};
  engine::DataTableFormat format;
  format.width = 10;
  format.decimals = 2;
  EXPECT_EQ(engine::DataColumnCount(items), 4);
  EXPECT_EQ(engine::DataTableHeader(items, format), "    [x](A)    [y](A) [SEG](AB)       2*#\r\n");
  EXPECT_EQ(engine::DataRowLine({1, -2.5L, 3, 0.25L, 7, 7}, 4, format), "      1.00     -2.50      3.00      0.25\r\n");
  format.separatorMode = true;
  format.separator = ";";
  EXPECT_EQ(engine::DataRowLine({1, -2.5L, 3, 0.25L, 7, 7}, 4, format), "1.00;-2.50;3.00;0.25\r\n");
}

TEST(DataTable, TheTextStopsGrowingBelow32000CharactersAndIsEmptyWithoutRows) {
  const std::vector<engine::DataColumnItem> items{{"#", 1}};
  EXPECT_EQ(engine::DataTableText(items, {}, {}), "");
  std::vector<DataRow> rows;
  for (int k = 0; k < 5000; ++k) rows.push_back({static_cast<kernel::Real>(k), 0, 0, 0, 0, 0});
  const std::string text = engine::DataTableText(items, rows, {});
  EXPECT_LT(text.size(), engine::kDataTextLimit);
  EXPECT_GT(text.size(), engine::kDataTextLimit - 20);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

}  // namespace
