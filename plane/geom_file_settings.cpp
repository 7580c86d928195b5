// What the 2-D figure file keeps for the window's other layers: the sliders, the panels and the
// toolbar that were open, the background bitmap, the macro's points and steps; and what follows
// the reading of a file once its figure has run.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/windows/slide_dlg.h"
#include "engine/windows/tool_dlg.h"
#include "kernel/byte_io.h"
#include "plane/geom_e_win.h"
#include "view/text_item.h"

namespace plane {

namespace {

// Flag bytes of the open panels: sliders 1 to 3 shown; the toolbar shown; sliders 4 to 6 hidden
// or absent.
constexpr int kFlagFirstSliderShown = 10;
constexpr int kFlagToolbarShown = 13;
constexpr int kFlagFirstSliderHidden = 18;
constexpr int kSlidersPerFlagGroup = 3;
// Header words of the macro's first and last step.
constexpr int kHeaderMacroFirst = 9;
constexpr int kHeaderMacroLast = 10;
// A slider record in a token: minimum, value, maximum and stop value.
constexpr std::size_t kSliderFields = 4;
// Macro label lists: at most 20 points, ended by -1.
constexpr std::size_t kMacroListWords = kLabelListBytes / 2;
constexpr std::int16_t kListEnd = -1;
// Texts stored before this version take the window's text colour and font.
constexpr std::int32_t kTextStyleVersion = 62;
constexpr int kLabelFontSlot = 0;
// Files of these versions are marked changed once their measurement texts are checked.
constexpr std::int32_t kFirstCheckedTextVersion = 50;
constexpr std::int32_t kLastCheckedTextVersion = 55;

void WriteSliderToken(const engine::AnimationParameter& slider, kernel::Real stop, TokenRecord& token) {
  const kernel::Real fields[kSliderFields] = {slider.low, slider.value, slider.high, stop};
  for (std::size_t k = 0; k < kSliderFields; ++k) kernel::RealToBytes(fields[k], token.data() + k * kernel::kRealBytes);
}

// A token that holds no slider (all zero, as files that kept no sliders wrote it) or one whose
// numbers are no numbers leaves the slider as it is.
bool ReadSliderToken(const TokenRecord& token, engine::AnimationParameter& slider, kernel::Real& stop) {
  if (std::all_of(token.begin(), token.end(), [](std::uint8_t b) { return b == 0; })) return false;
  kernel::Real fields[kSliderFields];
  for (std::size_t k = 0; k < kSliderFields; ++k) {
    fields[k] = kernel::RealFromBytes(token.data() + k * kernel::kRealBytes);
    if (!std::isfinite(fields[k])) return false;
  }
  slider.low = fields[0];
  slider.value = fields[1];
  slider.high = fields[2];
  stop = fields[3];
  return true;
}

void WritePointList(const std::vector<std::uint16_t>& points, std::array<std::uint8_t, kLabelListBytes>& bytes) {
  bytes.fill(0);
  kernel::ByteWriter out;
  std::size_t k = 0;
  for (; k < points.size() && k + 1 < kMacroListWords; ++k) out.I16(static_cast<std::int16_t>(points[k]));
  for (; k < kMacroListWords; ++k) out.I16(kListEnd);
  std::copy_n(out.bytes().begin(), std::min(out.bytes().size(), bytes.size()), bytes.begin());
}

// The existing points of a stored list, up to its first negative entry.
std::vector<std::uint16_t> ReadPointList(const std::array<std::uint8_t, kLabelListBytes>& bytes,
                                         const engine::FigureTables& t) {
  std::vector<std::uint16_t> points;
  kernel::ByteReader in(bytes.data(), bytes.size());
  for (std::size_t k = 0; k + 1 < kMacroListWords; ++k) {
    const std::int16_t p = in.I16();
    if (p < 0) break;
    if (t.PointExists(p)) points.push_back(static_cast<std::uint16_t>(p));
  }
  return points;
}

}  // namespace

bool TGeomEWin::SliderPanelShown(int k) {
  engine::TSlideDlg* panel = sliderDialog(k);
  return panel != nullptr && panel->IsCreated() && panel->IsVisible() && !panel->closed;
}

bool TGeomEWin::ToolbarShown() { return toolbar() != nullptr && toolbar()->IsCreated() && toolbar()->IsVisible(); }

void TGeomEWin::CollectLayerSettings(PlaneFigureFile& file) {
  engine::SliderValues& values = sliderValues();
  file.tokens.resize(kTokenRecords);
  for (int k = 0; k < kTokenRecords; ++k) {
    WriteSliderToken(values[static_cast<std::size_t>(k)], sliders.stopValue[static_cast<std::size_t>(k)],
                     file.tokens[static_cast<std::size_t>(k)]);
  }
  for (int k = 0; k < kSlidersPerFlagGroup; ++k) {
    file.flags[static_cast<std::size_t>(kFlagFirstSliderShown + k)] = SliderPanelShown(k) ? 1 : 0;
    file.flags[static_cast<std::size_t>(kFlagFirstSliderHidden + k)] = SliderPanelShown(k + kSlidersPerFlagGroup) ? 0 : 1;
  }
  file.flags[kFlagToolbarShown] = ToolbarShown() ? 1 : 0;

  // A bitmap loaded from a file keeps its name; any other is saved beside the figure.
  file.flags[kFlagNoBackground] = preWin.backBitmap ? 0 : 1;
  if (preWin.backBitmap && preWin.backFromFile) {
    file.backgroundName = preWin.backBitmapName;
  } else {
    file.backgroundName = DefaultBitmapName(fileMsg.fileName).value_or("");
  }
  if (file.backgroundName.size() >= kBackgroundNameBytes) file.backgroundName.clear();

  WritePointList(macroInputs, file.macroInput);
  WritePointList(macroOutputs, file.macroOutput);
  file.header[kHeaderMacroFirst] = static_cast<std::uint16_t>(macroRange.first);
  file.header[kHeaderMacroLast] = static_cast<std::uint16_t>(macroRange.last);
}

void TGeomEWin::TakeLayerSettings(const PlaneFigureFile& file) {
  engine::SliderValues& values = sliderValues();
  for (std::size_t k = 0; k < file.tokens.size() && k < values.size(); ++k) {
    ReadSliderToken(file.tokens[k], values[k], sliders.stopValue[k]);
  }
}

void TGeomEWin::AfterFileLoaded(const PlaneFigureFile& file) {
  // The macro's points, among the points the figure now has.
  macroInputs = ReadPointList(file.macroInput, tables());
  macroOutputs = ReadPointList(file.macroOutput, tables());
  macroRange.first = static_cast<std::int16_t>(file.header[kHeaderMacroFirst]);
  macroRange.last = static_cast<std::int16_t>(file.header[kHeaderMacroLast]);
  RebuildMacroCaption();

  if (file.version < kTextStyleVersion) {
    // Older files kept no style of their own for the texts.
    const kernel::ColorRef colour = Color(preWin.roles[engine::TGeomWin::kTextColorRole]);
    kernel::FontRecord font = fontWin.fonts[view::kTextFontSlot];
    font.faceName = fontWin.fonts[kLabelFontSlot].faceName;
    const int size = fontWin.pointSizes[view::kTextFontSlot];
    for (view::TextList* list : {&textItems.plain, &textItems.evaluated, &textItems.measurements}) {
      for (view::TextItem& item : *list) {
        item.color = colour;
        item.font = font;
        view::TextItemSetSize(item, size * 10);
      }
    }
  }
  // The file keeps no measurement states: each measurement is evaluated again for its own. Files
  // of the versions that stored stale states count as changed once they are checked.
  if (file.version >= kFirstCheckedTextVersion && file.version <= kLastCheckedTextVersion) {
    CheckTextItems();
  } else {
    RefreshTextItemStates();
  }

  // The panels of the figure before close; the file says which of its own are open.
  for (int slider = 0; slider < engine::kSliderCount; ++slider) {
    engine::TSlideDlg* panel = sliderDialog(slider);
    if (panel != nullptr && panel->IsCreated()) panel->Hide();
  }
  for (int k = 0; k < kSlidersPerFlagGroup; ++k) {
    for (const int slider : {k, k + kSlidersPerFlagGroup}) {
      const bool open = slider < kSlidersPerFlagGroup
                            ? file.flags[static_cast<std::size_t>(kFlagFirstSliderShown + k)] != 0
                            : file.flags[static_cast<std::size_t>(kFlagFirstSliderHidden + k)] == 0;
      if (!open) continue;
      ShowSliderDialog(slider);
      if (engine::TSlideDlg* panel = sliderDialog(slider)) panel->ShowValue();
    }
  }
  if (file.flags[kFlagToolbarShown] != 0) ShowToolbar();

  if (file.flags[kFlagNoBackground] == 0 && !file.backgroundName.empty()) {
    preWin.backBitmapName = file.backgroundName;
    if (const int code = LoadBackBitmap(); code != 0) Msg(code);
  }
}

}  // namespace plane
