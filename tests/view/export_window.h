#pragma once
// A graphics window for the export tests: its picture pass records the frames it is asked for and
// the running state, and draws a small figure; it may be told to fail or to animate.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/application.h"
#include "view/line_style.h"
#include "view/qel_wing.h"

class ExportWindow : public view::TQELWing {
 public:
  ExportWindow(int width = 501, int height = 501) : TQELWing(nullptr, "export") {
    Create();
    SetMenu("GEO2MENU");
    Show();
    SetClientSize(width, height);
    platform::Application::ProcessPendingEvents();
    DeliverSize(ClientWidth(), ClientHeight());
    numberFormat.decimals = 2;
  }

  struct Pass {
    view::ExportFrame frame;
    view::ExportKind running;
  };
  std::vector<Pass> passes;
  bool failPicture = false;
  bool prepare = true;
  // What SetAnimationControl answers.
  int control = 1;
  std::vector<std::string> parameterTexts;
  // Draw the whole test figure, not just one segment.
  bool fullFigure = false;

  bool ExportPicture(view::FigurePainter& painter, const view::ExportFrame& frame) override {
    passes.push_back({frame, exports.running});
    TQELWing::ExportPicture(painter, frame);
    if (fullFigure) DrawFigure(painter, frame);
    else painter.Segment({-1, 0}, {1, kernel::Real(frame.frame)}, true);
    return !failPicture;
  }
  bool PrepareExport(view::ExportKind) override { return prepare; }
  int SetAnimationControl(std::string_view text) override {
    parameterTexts.emplace_back(text);
    return control;
  }

  // A small figure with every kind of primitive, all in view.
  void DrawFigure(view::FigurePainter& painter, const view::ExportFrame& frame) {
    using kernel::Point2;
    const kernel::Real t = frame.frame * static_cast<kernel::Real>(0.5);
    painter.Comment("figure begin");
    painter.SetPen({view::InkColor::Index(1), 1, view::kLineSolid});
    painter.Segment({-4, -3}, {4, -3}, true);
    painter.Segment({-3, -4}, {-3, 4}, true);
    painter.Segment({-4, -4}, {4 - t, 3}, true);
    painter.SetPen({view::InkColor::Index(1), 1, view::kLineDash});
    painter.Segment({-4, 4}, {4, -4}, true);
    painter.SetPen({view::InkColor::Index(1), 1, view::kLineDot});
    painter.Polyline(std::vector<Point2>{{0, 0}, {1, 2}, {2, 1}, {3, 3}});
    painter.SetPen({view::InkColor::Index(1), 2, view::kLineSolid});
    painter.SetBrush({true, view::InkColor::Index(5), 0});
    painter.Polygon(std::vector<Point2>{{-2, 1}, {0, 1}, {-1, 3}});
    painter.Circle({2, -2}, 1);
    painter.SetBrush({false, view::InkColor::Index(5), 0});
    painter.Arc({0, 0}, {2, 0}, kernel::Pi / 3);
    painter.Circle({-2, -2}, 0.5L);
    for (int size : {0, 2, 3, 6}) painter.Marker({-4 + size * 0.5L, 4}, 1, size);
    painter.LatticeCross({1, -4}, 2, 2, 0);
    painter.Text({250, 250}, "50% & $ #1", -1, -1, std::nullopt);
    view::TextStyle formula;
    formula.formula = true;
    painter.SetTextStyle(formula);
    painter.Text({300, 100}, "A_1 + x^2 + \\alpha", 0, 1, std::nullopt);
    view::ArrowheadShape open;
    open.length = 0.4L;
    painter.Arrowhead({4.5L, 0}, {1, 0}, open);
    view::ArrowheadShape solid = open;
    solid.solid = true;
    painter.Arrowhead({0, 4.5L}, {0, 1}, solid);
    painter.Comment("figure end");
  }
};

inline std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
