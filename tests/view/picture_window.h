#pragma once
// A picture-layer window for the picture and metafile tests: a 401 x 301 client showing -4..4
// across, objects to tie pictures to at positions the test sets, and a picture pass drawing a
// segment and a text; plus small metafiles made as a paste source.

#include <map>
#include <string>
#include <vector>

#include "kernel/byte_io.h"
#include "kernel/colour_values.h"
#include "platform/application.h"
#include "platform/metafile_dc.h"
#include "view/qel_winm.h"

class PictureWindow : public view::TQELWinm {
 public:
  PictureWindow(int width = 401, int height = 301) : TQELWinm(nullptr, "pictures.kv2") {
    Create();
    SetMenu("GEO2MENU");
    Show();
    SetClientSize(width, height);
    platform::Application::ProcessPendingEvents();
    DeliverSize(ClientWidth(), ClientHeight());
    SetView(0, 0, 4, 3, false);
    metafileApplication = "Kavrine";
  }

  // Objects a picture can be tied to: number -> (name, position).
  struct Object {
    std::string name;
    kernel::Point2 at;
  };
  std::map<int, Object> objects;
  bool drawFigure = true;

  kernel::Point2 ObjectPosition(int object) override {
    const auto it = objects.find(object);
    return it == objects.end() ? kernel::Point2{0, 0} : it->second.at;
  }
  std::vector<view::PictureTieChoice> PictureTieChoices() const override {
    std::vector<view::PictureTieChoice> choices;
    for (const auto& [number, object] : objects) choices.push_back({object.name, number});
    return choices;
  }
  bool ExportPicture(view::FigurePainter& painter, const view::ExportFrame& frame) override {
    TQELWinm::ExportPicture(painter, frame);
    if (!drawFigure) return true;
    painter.SetPen({view::InkColor::Value(kernel::Rgb(255, 0, 0)), 1, view::kLineSolid});
    painter.Segment({-3, -2}, {3, 2}, true);
    painter.Text({XToScreen(-3), YToScreen(2)}, "Kavrine", 1, -1, std::nullopt);
    return true;
  }
};

// A metafile of a picture of w x h reference pixels (96 dpi, 10 inches square) holding a blue
// rectangle over its left half.
inline kernel::Bytes BlueMetafile(int w, int h) {
  platform::MetafileSetup setup;
  setup.reference.dpiX = setup.reference.dpiY = 96;
  setup.reference.widthPixels = 960;
  setup.reference.heightPixels = 960;
  setup.reference.widthMm = 254;
  setup.reference.heightMm = 254;
  setup.picture = {0, 0, w, h};
  platform::MetafileDC dc(setup);
  dc.SelectPen(platform::Pen{platform::PenStyle::Null, 0, platform::kBlack});
  dc.SelectBrush(platform::Brush::Solid(platform::Color{0, 0, 255}));
  dc.Rectangle({0, 0, w / 2, h});
  return dc.Finish();
}
