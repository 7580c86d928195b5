#pragma once
// Small off-screen pictures for the drawing tests: a white bitmap with a device-context painter on
// it, read back as rows of characters ('.' white, '#' black, 'o' any other colour).

#include <memory>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/dc.h"
#include "view/dc_figure_painter.h"
#include "view/view_mapping.h"

namespace view_test {

inline std::vector<std::string> Rows(const platform::Bitmap& bitmap) {
  std::vector<std::string> rows;
  for (int y = 0; y < bitmap.height(); ++y) {
    std::string row;
    for (int x = 0; x < bitmap.width(); ++x) {
      const platform::Color c = *bitmap.GetPixel(x, y);
      row += c == platform::kWhite ? '.' : c == platform::kBlack ? '#' : 'o';
    }
    rows.push_back(row);
  }
  return rows;
}

inline std::string Joined(const std::vector<std::string>& rows) {
  std::string s = "\n";
  for (const std::string& r : rows) s += r + "\n";
  return s;
}

inline int InkCount(const platform::Bitmap& bitmap) {
  int n = 0;
  for (int y = 0; y < bitmap.height(); ++y)
    for (int x = 0; x < bitmap.width(); ++x) n += *bitmap.GetPixel(x, y) != platform::kWhite;
  return n;
}

// A mapping whose view box is the given one over a client of width x height pixels.
inline view::ViewMapping MappingOf(int width, int height, kernel::Box2 box) {
  view::ViewMapping m;
  m.width = width;
  m.height = height;
  m.unequal = 1;
  m.box = box;
  view::FitViewToClient(m);
  return m;
}

// A bitmap of the mapping's client size with a painter on it (which keeps its own copy of the
// mapping).
struct Canvas {
  explicit Canvas(const view::ViewMapping& m, view::DcPaintRules rules = {})
      : mapping(m), bitmap(m.width, m.height), dc(bitmap.CreateDC()), painter(*dc, mapping, rules) {}
  std::vector<std::string> rows() const { return Rows(bitmap); }

  view::ViewMapping mapping;
  platform::Bitmap bitmap;
  std::unique_ptr<platform::DC> dc;
  view::DcFigurePainter painter;
};

}  // namespace view_test
