// Views a window changes without a view command: a new window size and the switch between the
// hyperbolic models keep the measurement texts in sight, and switching back restores the view.
#include <gtest/gtest.h>

#include <vector>

#include "plane_window.h"
#include "view/text_item.h"
#include "view/view_mapping.h"

namespace {

using kernel::Real;
using plane_test::PlaneWindow;

// Every measurement text's box lies inside the client area as the last paint drew it.
void ExpectMeasurementsInside(PlaneWindow& w, const char* when) {
  ASSERT_FALSE(w.textItems.measurements.empty());
  for (view::TextItem item : w.textItems.measurements) {
    w.TextToAbsolute(item);
    const Real left = view::XToScreenLD(w.mapping, item.x);
    const Real top = view::YToScreenLD(w.mapping, item.y);
    const Real right = view::XToScreenLD(w.mapping, item.x2);
    const Real bottom = view::YToScreenLD(w.mapping, item.y2);
    EXPECT_GE(left, 0) << when << ": " << item.text;
    EXPECT_GE(top, 0) << when << ": " << item.text;
    EXPECT_LE(right, w.ClientWidth()) << when << ": " << item.text;
    EXPECT_LE(bottom, w.ClientHeight()) << when << ": " << item.text;
    EXPECT_LT(left, right) << when << ": " << item.text;
  }
}

void Repaint(PlaneWindow& w) {
  w.wing.pictureValid = 0;
  w.Invalidate(false);
  w.UpdateNow();
}

void Resize(PlaneWindow& w, int width, int height) {
  w.SetClientSize(width, height);
  platform::Application::ProcessPendingEvents();
  w.DeliverSize(w.ClientWidth(), w.ClientHeight());
  Repaint(w);
}

TEST(WindowResize, TheMeasurementTextsStayInsideTheClientAreaAsTheWindowGrowsAndShrinks) {
  PlaneWindow w(0, 666);
  w.FreePoint(-4, 4);
  w.FreePoint(4, -4);
  // Each measurement goes below the last as the screen shows it.
  for (const char* text : {"1+1", "2*3", "10/4", "7-2"}) {
    w.AddTextItem(text, 0, true);
    Repaint(w);
  }
  Repaint(w);
  ExpectMeasurementsInside(w, "666 x 666");
  const Real halfWidth = w.mapping.halfWidth;
  const kernel::Point2 centre = w.mapping.centre;

  struct Size {
    int width, height;
  };
  for (const Size s : {Size{1000, 850}, Size{1000, 400}, Size{500, 900}, Size{666, 666}}) {
    Resize(w, s.width, s.height);
    ASSERT_EQ(w.ClientWidth(), s.width);
    ASSERT_EQ(w.ClientHeight(), s.height);
    // Equal scales: the centre and the half width stay, the height follows the window's shape.
    EXPECT_EQ(w.mapping.halfWidth, halfWidth);
    EXPECT_EQ(w.mapping.centre.x, centre.x);
    EXPECT_EQ(w.mapping.centre.y, centre.y);
    ExpectMeasurementsInside(w, (std::to_string(s.width) + " x " + std::to_string(s.height)).c_str());
  }
  // The first measurement is read where it was put: at the top left.
  view::TextItem first = w.textItems.measurements.front();
  w.TextToAbsolute(first);
  EXPECT_NEAR(static_cast<double>(view::XToScreenLD(w.mapping, first.x)), 3, 1);
  EXPECT_NEAR(static_cast<double>(view::YToScreenLD(w.mapping, first.y)), 3, 1);
}

struct ShownModel {
  kernel::Box2 box;
  Real halfWidth, halfHeight;
  std::vector<view::TextItem> texts;
};

ShownModel Shown(const PlaneWindow& w) {
  ShownModel s{w.mapping.box, w.mapping.halfWidth, w.mapping.halfHeight, {}};
  for (const view::TextList* list : {&w.textItems.plain, &w.textItems.measurements})
    s.texts.insert(s.texts.end(), list->begin(), list->end());
  return s;
}

void ExpectSameModel(const ShownModel& a, const ShownModel& b, const char* when) {
  EXPECT_EQ(a.box.xmin, b.box.xmin) << when;
  EXPECT_EQ(a.box.xmax, b.box.xmax) << when;
  EXPECT_EQ(a.box.ymin, b.box.ymin) << when;
  EXPECT_EQ(a.box.ymax, b.box.ymax) << when;
  ASSERT_EQ(a.texts.size(), b.texts.size()) << when;
  for (std::size_t i = 0; i < a.texts.size(); ++i) {
    EXPECT_EQ(a.texts[i].x, b.texts[i].x) << when << ": " << a.texts[i].text;
    EXPECT_EQ(a.texts[i].y, b.texts[i].y) << when << ": " << a.texts[i].text;
  }
}

TEST(ModelSwitch, SwitchingTwiceRestoresTheViewAndTheTextsAndTheTextsStayInSightInBetween) {
  // A wide window whose disk view was zoomed by the user: not the model's own view.
  PlaneWindow w(1, 500);
  Resize(w, 700, 500);
  w.SetSquareView({0.1L, 0}, 1.3L);
  w.FreePoint(0.2L, 0.3L);
  w.FreePoint(-0.4L, 0.1L);
  w.AddTextItem("1+1", 0, true);
  w.AddTextItem("2*3", 0, true);
  view::TextItem plain = w.InitTextItem({600, 450}, 0, view::kTextFontSlot);
  plain.text = "note";
  plain.tie = view::kTieFrame;
  w.TextToRelative(plain);
  w.textItems.plain.push_back(plain);
  Repaint(w);
  const ShownModel disk = Shown(w);
  ExpectMeasurementsInside(w, "disk");

  w.DispatchCommand(plane::kCmdUpperHalfPlane);
  ASSERT_EQ(w.halfPlane, 1);
  Repaint(w);
  // The half-plane's own view, the measurements still at the top left, clear of the figure.
  EXPECT_EQ(w.mapping.centre.y, plane::kHalfPlaneView.centre.y);
  ExpectMeasurementsInside(w, "half-plane");
  view::TextItem first = w.textItems.measurements.front();
  w.TextToAbsolute(first);
  EXPECT_NEAR(static_cast<double>(view::XToScreenLD(w.mapping, first.x)), 3, 1);
  EXPECT_NEAR(static_cast<double>(view::YToScreenLD(w.mapping, first.y)), 3, 1);
  const ShownModel halfPlane = Shown(w);

  w.DispatchCommand(plane::kCmdUpperHalfPlane);
  ASSERT_EQ(w.halfPlane, 0);
  Repaint(w);
  ExpectSameModel(Shown(w), disk, "back in the disk");
  w.DispatchCommand(plane::kCmdUpperHalfPlane);
  ExpectSameModel(Shown(w), halfPlane, "back in the half-plane");

  // A text moved in the other model keeps its new place in the window when switching back.
  w.textItems.measurements[1].x += 0.25L;
  const Real movedX = w.textItems.measurements[1].x;
  const Real halfPlaneWidth = w.mapping.halfWidth;
  w.DispatchCommand(plane::kCmdUpperHalfPlane);
  ExpectSameModel(ShownModel{disk.box, 0, 0, {}}, ShownModel{w.mapping.box, 0, 0, {}}, "disk again");
  EXPECT_NEAR(static_cast<double>(w.textItems.measurements[1].x),
              static_cast<double>(movedX * w.mapping.halfWidth / halfPlaneWidth), 1e-15);
}

TEST(ModelSwitch, ANewFigureStartsFromTheModelsOwnView) {
  PlaneWindow w(1, 500);
  w.SetSquareView({0, 0}, 1.5L);
  w.DispatchCommand(plane::kCmdUpperHalfPlane);
  w.ClearFigure();
  w.DispatchCommand(plane::kCmdUpperHalfPlane);
  EXPECT_EQ(w.mapping.halfWidth, plane::kDiskView.halfWidth);
  EXPECT_EQ(w.mapping.centre.x, 0);
}

}  // namespace
