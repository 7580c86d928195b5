#include "engine/windows/func_win.h"

#include <vector>

#include "engine/relabel_texts.h"

namespace engine {

TFuncWin::TFuncWin(platform::FrameWindow* parent, std::string_view title) : TFillWin(parent, title) {}

int TFuncWin::ParseNumber(std::string_view text, Real& value) {
  std::string copy(text);
  return compiler.ParseNumber(copy, value);
}

int TFuncWin::ChangeFigureTexts(const std::function<int(std::span<std::string>)>& change) {
  std::vector<std::string> texts;
  for (const view::TextList* list : {&textItems.plain, &textItems.evaluated, &textItems.measurements}) {
    for (const view::TextItem& item : *list) texts.push_back(item.text);
  }
  const int result = change(texts);
  std::size_t k = 0;
  for (view::TextList* list : {&textItems.plain, &textItems.evaluated, &textItems.measurements}) {
    for (view::TextItem& item : *list) item.text = std::move(texts[k++]);
  }
  return result;
}

int TFuncWin::RenameLabelInTexts(const std::string& oldName, const std::string& newName) {
  const int tooLong = ChangeFigureTexts(
      [&](std::span<std::string> texts) { return RelabelTextItems(texts, oldName, newName); });
  wing.pictureValid = 0;
  return tooLong;
}

bool TFuncWin::InNonEuclideanModel() const { return model().Hyperbolic || model().Spherical; }

}  // namespace engine
