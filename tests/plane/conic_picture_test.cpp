// The conics of a plane window's lists on its picture, and in its figure file.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "kernel/byte_io.h"
#include "plane/conic_inventories.h"
#include "plane/plane_figure_file.h"
#include "plane_window.h"
#include "platform/bitmap.h"
#include "platform/dc.h"
#include "support/isolated_folders.h"

namespace {

using kernel::Point2;
using kernel::Real;
using plane_test::PlaneWindow;

using ConicPicture = IsolatedFolders;

// Whether a pixel other than the grey background lies next to `at`.
bool InkNear(const platform::Bitmap& b, const platform::PointI& at) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      const auto c = b.GetPixel(at.x + dx, at.y + dy);
      if (c && !(c->r == 192 && c->g == 192 && c->b == 192)) return true;
    }
  }
  return false;
}

struct Picture {
  PlaneWindow& w;
  platform::Bitmap bitmap;
  explicit Picture(PlaneWindow& window) : w(window), bitmap(window.ClientWidth(), window.ClientHeight()) {
    std::unique_ptr<platform::DC> dc = bitmap.CreateDC();
    w.PaintInto(*dc);
  }
  bool Inked(Point2 p) const {
    platform::PointI pixel;
    w.WorldToPixel(p, pixel);
    return InkNear(bitmap, pixel);
  }
};

TEST_F(ConicPicture, ListedConicsAreDrawnAndGoWithTheirPoints) {
  PlaneWindow w(0);
  const Real r3 = std::sqrt(Real{3});
  const int f1 = w.FreePoint(-r3, 0);
  const int f2 = w.FreePoint(r3, 0);
  const int far = w.FreePoint(6, 6);
  const int c = w.FreePoint(-4, -4);
  // x^2/4 + y^2 = 1 by its foci; the circle about C through a point 1 away, a three-point
  // "ellipse" whose foci coincide.
  w.conics.twoFoci.push_back(plane::MakeDefinition({{f1, f2, f2}, 1, plane::kDefinitionTwoFoci, "0.8660254037844386", 0}));
  const int onCircle = w.FreePoint(-3, -4);
  w.conics.threePoint.push_back(plane::MakeDefinition({{c, c, onCircle}, 1, plane::kDefinitionEllipse, "1.0", 1}));
  w.Update(false);
  {
    const Picture pic(w);
    for (Point2 p : {Point2{2, 0}, Point2{-2, 0}, Point2{0, 1}, Point2{0, -1}, Point2{-4, -3}, Point2{-4 + std::sqrt(0.5L), -4 + std::sqrt(0.5L)}}) {
      EXPECT_TRUE(pic.Inked(p)) << p.x << " " << p.y;
    }
    EXPECT_FALSE(pic.Inked({0, 0}));
    EXPECT_FALSE(pic.Inked({1, 0.3L}));
  }
  // A conic whose point was deleted is not drawn.
  w.tables().exists[f2] = 0;
  w.wing.pictureValid = 0;  // as the deleting command marks the picture
  {
    const Picture pic(w);
    EXPECT_FALSE(pic.Inked({0, 1}));
  }
  (void)far;
}

TEST_F(ConicPicture, TheListsGoIntoTheFigureFileAndComeBack) {
  PlaneWindow w(0);
  const int a = w.FreePoint(0, 0);
  const int b = w.FreePoint(1, 0);
  w.conics.twoFoci.push_back(plane::MakeDefinition({{a, b, b}, 3, plane::kDefinitionTwoFoci, "0.5", 0.5L}));
  w.conics.equations.push_back(plane::MakeEquationRecord({"1", "0", "1", "0", "0", "0-4"}, 3));
  kernel::ByteWriter out;
  ASSERT_TRUE(plane::WritePlaneFigureFile(out, 625, w.CollectFigureFile()));

  PlaneWindow other(0);
  plane::PlaneFigureFile file;
  kernel::ByteReader in(out.bytes());
  ASSERT_EQ(plane::ReadPlaneFigureFile(in, 625, 0, file), 0);
  other.TakeFigureFile(file);
  ASSERT_EQ(other.conics.twoFoci.size(), 1u);
  EXPECT_EQ(other.conics.twoFoci[0], w.conics.twoFoci[0]);
  ASSERT_EQ(other.conics.equations.size(), 1u);
  EXPECT_EQ(other.conics.equations[0].coefficient_texts[5], "0-4");
  // A new figure has none.
  other.ClearFigure();
  EXPECT_TRUE(other.conics.Empty());
}

}  // namespace
