#pragma once
// A picture window of the text layer for the tests, 501 x 501 pixels showing -5 .. 5 both ways,
// with helpers to place texts and find where they are drawn.

#include <string>

#include "platform/application.h"
#include "platform/dc.h"
#include "view/dc_figure_painter.h"
#include "view/qel_wint.h"

class TextWindow : public view::TQELWint {
 public:
  TextWindow() : view::TQELWint(nullptr, "texts") {
    Create();
    Show();
    SetClientSize(501, 501);
    platform::Application::ProcessPendingEvents();
    DeliverSize(ClientWidth(), ClientHeight());
  }
  // Draws the texts as the screen does, which records each text's box.
  void Draw() {
    const auto dc = GetDC();
    view::DcFigurePainter painter(*dc, mapping, DcRules());
    DrawTexts(painter);
  }
  platform::PointI PixelOf(const view::TextItem& relative) {
    view::TextItem item = relative;
    TextToAbsolute(item);
    return {XToScreen(item.x), YToScreen(item.y)};
  }
  // A text whose top-left corner is at the pixel.
  view::TextItem& Add(view::TextList& list, platform::PointI pixel, std::string text,
                      std::int16_t tie = view::kTieFigure) {
    view::TextItem item = InitTextItem(pixel, 0, view::kTextFontSlot);
    item.text = std::move(text);
    item.tie = tie;
    item.number = static_cast<std::int16_t>(list.size());
    TextToRelative(item);
    list.push_back(item);
    return list.back();
  }
};
