// The data table of a geometry window: rows of its first measurements recorded while a slider
// moves, listed in the window's data window.
#include <string>

#include "engine/windows/geom10_win.h"
#include "kernel/file_names.h"
#include "platform/message_box.h"
#include "resources/resource_library.h"
#include "shell/data_win.h"

namespace engine {

namespace {

constexpr int kStringCareful = 2;
constexpr int kStringData = 102;
constexpr int kStringDeleteData = 109;

}  // namespace

std::vector<DataColumnItem> TGeom10Win::DataTableColumns() {
  std::vector<DataColumnItem> items;
  int columns = 0;
  for (const view::TextItem& item : textItems.measurements) {
    if (columns >= kDataColumns) break;
    if (!item.shown) continue;
    std::string text = item.text;
    ExprValue value;
    const int code = CompileExpression(text, value);
    if (code > 0) continue;
    const bool point = -code == static_cast<int>(ValueKind::kPoint);
    const int values = point ? Dimension() : 1;
    if (columns + values > kDataColumns) continue;
    items.push_back({item.text, values});
    columns += values;
  }
  return items;
}

int TGeom10Win::RecordDataRow() {
  if (dataWindow_ && dataWindow_->editor().IsModified()) return 0;
  DataRow row{};
  int column = 0;
  for (const DataColumnItem& item : DataTableColumns()) {
    std::string text = item.text;
    ExprValue value;
    if (CompileExpression(text, value) > 0) continue;
    const Real values[3] = {value.x, value.y, value.z};
    for (int k = 0; k < item.values && column < kDataColumns; ++k) row[static_cast<std::size_t>(column++)] = values[k];
  }
  if (column == 0 || !AddDistinctRow(dataRows, row)) return 0;
  ListingText(dataRows.size() == 1 ? shell::kWholeListing : static_cast<int>(dataRows.size()) - 1);
  return 1;
}

void TGeom10Win::ListingText(int row) {
  shell::TDataWin* window = dataWindow();
  const shell::NumberFormat& f = window->numberFormat;
  DataTableFormat format;
  format.width = f.fieldWidth;
  format.decimals = f.decimals;
  format.separatorMode = f.tabbed != 0;
  const std::vector<DataColumnItem> items = DataTableColumns();
  if (row < 0 || static_cast<std::size_t>(row) >= dataRows.size()) {
    window->preText.text = DataTableText(items, dataRows, format);
    window->ShowText();
    window->Show();
    return;
  }
  const std::string line = DataRowLine(dataRows[static_cast<std::size_t>(row)], DataColumnCount(items), format);
  if (window->preText.text.size() + line.size() >= kDataTextLimit) return;
  window->preText.text += line;
  platform::TextEditor& editor = window->editor();
  editor.SetText(window->preText.text);
  const int end = editor.Length();
  editor.SetSelection(end, end);
  editor.SetModified(false);
}

int TGeom10Win::CmZeroData() {
  if (dataRows.empty()) return 0;
  if (AskBox(resources::LoadString(kStringDeleteData), resources::LoadString(kStringCareful),
             shell::kAskYesNo) != platform::IDYES)
    return 0;
  dataRows.clear();
  SetupMenuChecks(false);
  shell::TDataWin* window = dataWindow();
  if (!window->editor().IsModified()) {
    ListingText(shell::kWholeListing);
  } else {
    window->preText.text.clear();
    window->ShowText();
    window->Show();
  }
  return 1;
}

shell::TDataWin* TGeom10Win::dataWindow() {
  if (!dataWindow_) {
    const std::string title = resources::LoadString(kStringData);
    dataWindow_ = new shell::TDataWin(this, title, title + ".txt", {}, fontWin.textSlot);
    dataWindow_->fileMsg.hidden = 1;
    dataWindow_->Create();
    UpdateDataCaption();
  }
  return dataWindow_;
}

void TGeom10Win::UpdateDataCaption() {
  if (!dataWindow_) return;
  dataWindow_->SetCaption(resources::LoadString(kStringData) + "   " + kernel::FileNamePart(fileMsg.fileName, false));
}

}  // namespace engine
