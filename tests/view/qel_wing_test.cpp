// The graphics layer as a window: the view on its client area, the view stack, the view and
// display commands driven by id with the dialogs answered by a script, the lattice dots, labels and
// the stored plane.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/application.h"
#include "platform/bitmap.h"
#include "platform/modal_responder.h"
#include "platform/scripted_responder.h"
#include "resources/resource_library.h"
#include "support/extended_expect.h"
#include "view/grid_win.h"
#include "view/line_style.h"
#include "view/qel_wing.h"

using namespace view;
using kernel::Point2;
using kernel::Real;
using platform::IDCANCEL;
using platform::IDOK;
using platform::PointI;
using platform::ScriptedResponder;

namespace {

constexpr Real kClose = static_cast<Real>(1e-13);

// A graphics window on the (off-)screen with that client size and the plane window's menu; the
// grid layer above it answers the zoom and Last window commands.
class Wing : public TGridWin {
 public:
  Wing(int width, int height) : TGridWin(nullptr, "wing") {
    Create();
    SetMenu("GEO2MENU");
    Show();
    Resize(width, height);
  }
  void Resize(int width, int height) {
    SetClientSize(width, height);
    platform::Application::ProcessPendingEvents();
    DeliverSize(ClientWidth(), ClientHeight());
  }
};

// A target that records where lattice crosses and texts go.
class RecordingPainter : public FigurePainter {
 public:
  using FigurePainter::FigurePainter;
  std::vector<Point2> crosses;
  int armX = -1, extra = -1;

 protected:
  bool DoSegment(const Point2&, const Point2&, bool) override { return true; }
  void DoLatticeCross(const Point2& p, PointI, int ax, int, int e) override {
    crosses.push_back(p);
    armX = ax;
    extra = e;
  }
  void DoText(PointI, std::string_view, int, int, std::optional<kernel::ColorRef>) override {}
  platform::SizeI DoTextExtent(std::string_view text) override { return {10 * static_cast<int>(text.size()), 12}; }
};

// The one-value dialog answered with a text (or cancelled), remembering what it offered.
void Answer(ScriptedResponder& script, std::string text, int button, std::string* offered = nullptr) {
  script.OnDialog("ONEINPUT", [text, button, offered](platform::Dialog& d) {
    if (offered) *offered = d.GetItemText(211);
    d.SetItemText(211, text);
    d.PressButton(button);
  });
}

}  // namespace

TEST(QELWing, A501By501ClientShowsTheDefaultView) {
  Wing w(501, 501);
  ASSERT_EQ(w.ClientWidth(), 501);
  ASSERT_EQ(w.ClientHeight(), 501);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, w.mapping.unitsPerPixelX, static_cast<Real>(0.02), kClose);
  EXPECT_EQ(w.XToScreen(0), 250);
  EXPECT_EQ(w.YToScreen(0), 250);
  PointI pixel;
  EXPECT_TRUE(w.WorldToPixel({5, 5}, pixel));
  EXPECT_EQ(pixel, (PointI{500, 0}));
  EXPECT_TRUE(w.WorldToPixel({-5, -5}, pixel));
  EXPECT_EQ(pixel, (PointI{0, 500}));
  EXPECT_FALSE(w.WorldToPixel({1e40L, 0}, pixel));
  EXPECT_EQ(pixel.x, 502);
  Point2 back;
  w.PixelToWorld({500, 0}, back);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, back.x, 5, kClose);
  w.Destroy();
}

TEST(QELWing, ZoomOutThenInPushesTwoViewsAndTwoLastWindowsRestoreThem) {
  Wing w(501, 501);
  EXPECT_FALSE(w.QueryCommand(kCmdLastWindow).enabled);
  w.DispatchCommand(kCmdZoomOut);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, w.mapping.halfWidth, static_cast<Real>(5.5), kClose);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, w.mapping.box.xmax, static_cast<Real>(5.5), kClose);
  w.DispatchCommand(kCmdZoomIn);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, w.mapping.halfWidth, 5, kClose);
  EXPECT_EQ(w.wing.viewStack.size(), 2u);
  EXPECT_EQ(w.fileMsg.modified, 1);
  EXPECT_TRUE(w.QueryCommand(kCmdLastWindow).enabled);

  w.DispatchCommand(kCmdLastWindow);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, w.mapping.halfWidth, static_cast<Real>(5.5), kClose);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, w.mapping.unitsPerPixelX, static_cast<Real>(0.022), kClose);
  w.DispatchCommand(kCmdLastWindow);
  EXPECT_EQ(w.mapping.halfWidth, 5);
  EXPECT_EQ(w.mapping.box.xmin, -5);
  EXPECT_TRUE(w.wing.viewStack.empty());
  EXPECT_FALSE(w.QueryCommand(kCmdLastWindow).enabled);
  w.LastView();  // nothing left: nothing happens
  EXPECT_EQ(w.mapping.halfWidth, 5);

  // Unequal scales zoom both extents about the centre.
  w.SetViewExtents(1, 2, 4, 1, true);
  w.Zoom(true);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, w.mapping.box.xmax, 1 + 4 * 1.1L, kClose);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, w.mapping.box.ymin, 2 - 1.1L, kClose);
  w.Destroy();
}

TEST(QELWing, AResizeKeepsTheBoxOrTheCentreAndHalfWidth) {
  Wing w(501, 501);
  w.SetSquareView({1, 2}, 3);
  w.Resize(301, 201);
  EXPECT_EQ(w.mapping.centre.x, 1);
  EXPECT_EQ(w.mapping.centre.y, 2);
  EXPECT_EQ(w.mapping.halfWidth, 3);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, w.mapping.halfHeight, 201.0L * 3 / 301, kClose);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, w.mapping.unitsPerPixelX, static_cast<Real>(0.02), kClose);

  w.SetViewExtents(0, 0, 4, 1, true);
  w.Resize(401, 301);
  EXPECT_EQ(w.mapping.box.xmin, -4);
  EXPECT_EQ(w.mapping.box.xmax, 4);
  EXPECT_EQ(w.mapping.box.ymin, -1);
  EXPECT_EQ(w.mapping.box.ymax, 1);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, w.mapping.aspect, 401.0L * 2 / (8 * 301), kClose);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, w.mapping.unitsPerPixelY, 2.0L / 300, kClose);
  w.Destroy();
}

TEST(QELWing, EqualScalesWidenTheViewUntilTheAskedHeightShows) {
  Wing w(501, 251);
  w.SetView(0, 0, 1, 3, false);
  EXPECT_GE(w.mapping.halfHeight, 3 - kClose);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, w.mapping.halfWidth, 3.0L * 501 / 251, static_cast<Real>(1e-12));
  EXPECT_EQ(w.mapping.aspect, 1);
  w.Destroy();
}

TEST(QELWing, ShiftsMoveByTheShiftFractionOfTheView) {
  Wing w(501, 501);
  w.DispatchCommand(kCmdShiftRight);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, w.mapping.centre.x, static_cast<Real>(0.1), kClose);
  w.DispatchCommand(kCmdShiftUp);
  w.DispatchCommand(kCmdShiftUp);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, w.mapping.centre.y, static_cast<Real>(0.2), kClose);
  w.DispatchCommand(kCmdShiftLeft);
  w.DispatchCommand(kCmdShiftDown);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, w.mapping.centre.x, 0, kClose);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, w.mapping.centre.y, static_cast<Real>(0.1), kClose);
  EXPECT_EQ(w.wing.viewStack.size(), 5u);

  // 200 per cent: one shift moves the centre by twice the view's width.
  ScriptedResponder script;
  std::string offered;
  Answer(script, "200", IDOK, &offered);
  w.DispatchCommand(kCmdShiftPercentage);
  EXPECT_EQ(offered, "1.00");
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, w.wing.shiftFraction, 2, kClose);
  w.DispatchCommand(kCmdShiftRight);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, w.mapping.centre.x, 20, static_cast<Real>(1e-12));

  // Without the shift-enabled flag the shifts are greyed and do not run.
  w.wing.shiftEnabled = 0;
  EXPECT_FALSE(w.QueryCommand(kCmdShiftLeft).enabled);
  EXPECT_FALSE(w.QueryCommand(kCmdShiftDown).enabled);
  EXPECT_FALSE(w.DispatchCommand(kCmdShiftRight));
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, w.mapping.centre.x, 20, static_cast<Real>(1e-12));
  EXPECT_TRUE(script.Unexpected().empty());
  w.Destroy();
}

TEST(QELWing, ZoomFactorAcceptsOnlyPositiveValues) {
  Wing w(301, 301);
  ScriptedResponder script;
  std::string offered;
  Answer(script, "1.5", IDOK, &offered);
  w.DispatchCommand(kCmdZoomFactor);
  EXPECT_EQ(offered, "1.10000");  // the window's 5 decimals
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, w.wing.zoomFactor, static_cast<Real>(1.5), kClose);
  EXPECT_EQ(w.fileMsg.modified, 1);

  w.fileMsg.modified = 0;
  Answer(script, "-2", IDOK);
  script.AnswerMessage(IDOK);
  w.DispatchCommand(kCmdZoomFactor);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, w.wing.zoomFactor, static_cast<Real>(1.5), kClose);
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"positive value?"});
  EXPECT_EQ(w.fileMsg.modified, 1);  // every OK marks the window

  w.fileMsg.modified = 0;
  Answer(script, "3", IDCANCEL);
  w.DispatchCommand(kCmdZoomFactor);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, w.wing.zoomFactor, static_cast<Real>(1.5), kClose);
  EXPECT_EQ(w.fileMsg.modified, 0);
  EXPECT_TRUE(script.Unexpected().empty());
  w.Destroy();
}

TEST(QELWing, PenWidthsAreAskedFromZeroTo32767) {
  Wing w(301, 301);
  ScriptedResponder script;
  std::string offered;
  Answer(script, "3", IDOK, &offered);
  w.DispatchCommand(kCmdAxisScreenThickness);
  EXPECT_EQ(offered, "1");
  EXPECT_EQ(w.axes.axisPenWidth, 3);
  EXPECT_EQ(w.fileMsg.modified, 1);

  // The same value again changes nothing.
  w.fileMsg.modified = 0;
  Answer(script, "3", IDOK);
  w.DispatchCommand(kCmdAxisScreenThickness);
  EXPECT_EQ(w.fileMsg.modified, 0);

  // Out of range, negative or too large for the 16-bit setting: refused with message 17.
  for (const char* text : {"32768", "40000", "-1", "99999999999999999999"}) {
    Answer(script, text, IDOK);
    script.AnswerMessage(IDOK);
    w.DispatchCommand(kCmdGridScreenThickness);
    EXPECT_EQ(w.axes.gridPenWidth, 1) << text;
  }
  EXPECT_EQ(script.Messages(), std::vector<std::string>(4, "out of bounds"));
  Answer(script, "32767", IDOK);
  w.DispatchCommand(kCmdGridScreenThickness);
  EXPECT_EQ(w.axes.gridPenWidth, 32767);

  // A printed width of 0 is stored as 1, and a 0 set elsewhere is raised even on Cancel.
  Answer(script, "0", IDOK);
  w.DispatchCommand(kCmdAxisPrintedThickness);
  EXPECT_EQ(w.axes.axisPrintedWidth, 1);
  w.axes.gridPrintedWidth = 0;
  Answer(script, "5", IDCANCEL);
  w.DispatchCommand(kCmdGridPrintedThickness);
  EXPECT_EQ(w.axes.gridPrintedWidth, 1);
  EXPECT_TRUE(script.Unexpected().empty());
  w.Destroy();
}

TEST(QELWing, AxisNamesPiSymbolAndMinusSign) {
  Wing w(301, 301);
  ScriptedResponder script;
  script.FillAndPress("AXVBLS", {{211, "t"}, {213, "w"}}, IDOK);
  w.DispatchCommand(kCmdAxisNames);
  EXPECT_EQ(w.axes.axisNames, (std::array<std::string, 3>{"t", "y", "w"}));
  EXPECT_EQ(w.fileMsg.modified, 0);
  script.FillAndPress("AXVBLS", {{211, "u"}}, IDCANCEL);
  w.DispatchCommand(kCmdAxisNames);
  EXPECT_EQ(w.axes.axisNames[0], "t");

  std::string offered;
  Answer(script, "256", IDOK, &offered);
  script.AnswerMessage(IDOK);
  w.DispatchCommand(kCmdPiSymbol);
  EXPECT_EQ(offered, "112");
  EXPECT_EQ(w.axes.piCharacter, 112);
  Answer(script, "80", IDOK);
  w.DispatchCommand(kCmdPiSymbol);
  EXPECT_EQ(w.axes.piCharacter, 80);

  // The minus sign: OK switches the substitution on, Cancel off.
  Answer(script, "151", IDOK, &offered);
  w.DispatchCommand(kCmdMinusSign);
  EXPECT_EQ(offered, "150");
  EXPECT_EQ(w.axes.minusSubstitution, 1);
  EXPECT_EQ(w.axes.minusCharacter, 151);
  Answer(script, "31", IDOK);
  script.AnswerMessage(IDOK);
  w.DispatchCommand(kCmdMinusSign);
  EXPECT_EQ(w.axes.minusCharacter, 151);
  EXPECT_EQ(w.axes.minusSubstitution, 1);
  w.wing.pictureValid = 1;
  Answer(script, "151", IDCANCEL);
  w.DispatchCommand(kCmdMinusSign);
  EXPECT_EQ(w.axes.minusSubstitution, 0);
  EXPECT_EQ(w.wing.pictureValid, 0);
  // Cancelling again, with the substitution off, does not redraw.
  w.wing.pictureValid = 1;
  Answer(script, "151", IDCANCEL);
  w.DispatchCommand(kCmdMinusSign);
  EXPECT_EQ(w.wing.pictureValid, 1);
  EXPECT_EQ(script.Messages(), std::vector<std::string>(2, "out of bounds"));
  EXPECT_TRUE(script.Unexpected().empty());
  w.Destroy();
}

TEST(QELWing, AxesTogglesPushViewsAndSwitchesShowTheirCheckMarks) {
  Wing w(301, 301);
  w.DispatchCommand(kCmdAxes);
  EXPECT_EQ(w.axes.axesShown, 1);
  EXPECT_TRUE(w.menu().IsChecked(kCmdAxes));
  w.DispatchCommand(kCmdAxes);
  EXPECT_EQ(w.axes.axesShown, 0);
  EXPECT_FALSE(w.menu().IsChecked(kCmdAxes));
  EXPECT_EQ(w.wing.viewStack.size(), 2u);
  EXPECT_EQ(w.fileMsg.modified, 0);  // the axes do not mark the figure
  w.DispatchCommand(kCmdLastWindow);
  EXPECT_EQ(w.axes.axesShown, 1);
  w.DispatchCommand(kCmdLastWindow);
  EXPECT_EQ(w.axes.axesShown, 0);

  EXPECT_TRUE(w.menu().IsChecked(kCmdOpaqueLabels));
  w.DispatchCommand(kCmdOpaqueLabels);
  EXPECT_EQ(w.axes.opaqueLabels, 0);
  EXPECT_FALSE(w.menu().IsChecked(kCmdOpaqueLabels));
  EXPECT_EQ(w.fileMsg.modified, 1);
  w.DispatchCommand(kCmdSolidArrowheads);
  EXPECT_EQ(w.wing.solidArrowheads, 1);
  EXPECT_TRUE(w.menu().IsChecked(kCmdSolidArrowheads));

  // Other stack operations change nothing.
  w.ViewStack(1);
  w.ViewStack(2);
  w.ViewStack(-7);
  EXPECT_EQ(w.wing.viewStack.size(), 1u);
  w.ViewStack(0);
  EXPECT_TRUE(w.wing.viewStack.empty());
  w.Destroy();
}

TEST(QELWing, ThePlaneWindowsKeysReachTheViewCommands) {
  const resources::AcceleratorTable& keys = resources::LoadAccelerators("GEO2MENU");
  auto commandOf = [&keys](int key, unsigned modifiers) {
    for (const resources::Accelerator& a : keys.entries)
      if (a.key == key && a.modifiers == modifiers) return a.command;
    return -1;
  };
  EXPECT_EQ(commandOf(resources::kKeyLeft, 0), kCmdShiftLeft);
  EXPECT_EQ(commandOf(resources::kKeyRight, 0), kCmdShiftRight);
  EXPECT_EQ(commandOf(resources::kKeyUp, 0), kCmdShiftUp);
  EXPECT_EQ(commandOf(resources::kKeyDown, 0), kCmdShiftDown);
  EXPECT_EQ(commandOf(resources::kKeyPageDown, 0), kCmdZoomOut);
  EXPECT_EQ(commandOf(resources::kKeyPageUp, 0), kCmdZoomIn);
  EXPECT_EQ(commandOf('A', resources::kControl), kCmdAxes);
}

TEST(QELWing, LatticeDotsStartAtTheFirstPointRightOfTheLeftEdge) {
  Wing w(501, 501);
  w.SetViewExtents(7.5L, 0, 5, 5, true);  // x from 2.5 to 12.5, right of the origin
  w.axes.latticeDots = 1;
  w.axes.tickFirstY = -5;
  w.axes.tickLastY = 5;
  RecordingPainter painter(w.mapping);
  w.DrawLatticeDots(painter, MakeAttribute(4, 2));
  // Rows y = -4 .. 4 (the edges excluded), columns x = 3 .. 12.
  ASSERT_EQ(painter.crosses.size(), 9u * 10u);
  EXPECT_EQ(painter.crosses.front().x, 3);
  EXPECT_EQ(painter.crosses.front().y, -4);
  EXPECT_EQ(painter.crosses.back().x, 12);
  EXPECT_EQ(painter.armX, 2);  // half the dot size of 5, in whole pixels
  EXPECT_EQ(painter.extra, 2);  // (width 2 - 1) x 2
  painter.crosses.clear();
  w.axes.latticeDots = 0;
  w.DrawLatticeDots(painter, MakeAttribute(4, 2));
  EXPECT_TRUE(painter.crosses.empty());
  w.Destroy();
}

TEST(QELWing, LabelsArePlacedInTheClientArea) {
  Wing w(501, 501);
  RecordingPainter painter(w.mapping);
  std::string text = "-1";
  Point2 p{0, 0};
  PixelBox box;
  EXPECT_TRUE(w.PlaceLabel(painter, text, p, 0, 0, box));
  EXPECT_EQ(box, (PixelBox{240, 244, 260, 256}));  // a 20 x 12 text centred on (250, 250)
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, p.x, static_cast<Real>(-0.2), kClose);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, p.y, static_cast<Real>(0.12), kClose);
  EXPECT_EQ(text, "-1");
  w.axes.minusSubstitution = 1;
  p = {5, 5};  // the corner: a label set above and right of it leaves the client area
  EXPECT_FALSE(w.PlaceLabel(painter, text, p, 1, 1, box));
  EXPECT_EQ(text, "\x96" "1");
  w.Destroy();
}

TEST(QELWing, TheStoredPlaneIsNormalised) {
  Wing w(101, 101);
  kernel::PlaneRecord plane{0, 0, 2, 6};
  ASSERT_TRUE(w.SetPlane(plane));
  EXPECT_EQ(plane.c, 1);
  EXPECT_EQ(plane.d, 3);
  EXPECT_EQ(w.wing.plane.c, 1);
  EXPECT_EQ(w.wing.plane.d, 3);
  EXPECT_EQ(w.PlaneValue({0, 0, 5}), 2);
  kernel::PlaneRecord none{};
  EXPECT_FALSE(w.SetPlane(none));
  EXPECT_FALSE(w.SetPlaneByPoints({0, 0, 0}, {1, 0, 0}, {2, 0, 0}));
  EXPECT_EQ(w.wing.plane.d, 3);
  w.Destroy();
}

TEST(QELWing, PrintedPenWidthsFollowTheDeviceWidth) {
  EXPECT_EQ(PrintPenWidthFor(4800, 2, 1), 11);  // (5 x 4800 - 1023) / 2048 = 11.2
  EXPECT_EQ(PrintPenWidthFor(4800, 2, 9), 99);
  EXPECT_EQ(PrintPenWidthFor(300, 0, 1), 1);  // at least 1
  EXPECT_EQ(PrintPenWidthFor(2765, 2, 1), 6);  // 6.25
}

TEST(QELWing, FrameAndParallelogramOnTheWindowsPicture) {
  Wing w(21, 21);
  platform::Bitmap bitmap(21, 21);
  std::unique_ptr<platform::DC> dc = bitmap.CreateDC();
  {
    DcFigurePainter painter(*dc, w.mapping, w.DcRules());
    painter.SetPen({InkColor::Value(kernel::kBlackRef), 1, kLineSolid});
    w.DrawParallelogram(painter, 2, 2, 6, 0, 2, 4);
    w.DrawPictureFrame(painter);  // the print format has no frame
  }
  // Rows 2 and 6 from x 2 to 7 and 4 to 9; slanted sides between them.
  EXPECT_EQ(*bitmap.GetPixel(2, 2), platform::kBlack);
  EXPECT_EQ(*bitmap.GetPixel(7, 2), platform::kBlack);
  EXPECT_EQ(*bitmap.GetPixel(9, 6), platform::kBlack);
  EXPECT_EQ(*bitmap.GetPixel(4, 6), platform::kBlack);
  EXPECT_EQ(*bitmap.GetPixel(0, 0), platform::kWhite);
  w.printFormat.frameImage = 1;
  {
    DcFigurePainter painter(*dc, w.mapping, w.DcRules());
    w.DrawPictureFrame(painter);
  }
  for (const PointI p : {PointI{0, 0}, PointI{20, 0}, PointI{20, 20}, PointI{0, 20}, PointI{10, 0}, PointI{0, 10}})
    EXPECT_EQ(*bitmap.GetPixel(p.x, p.y), platform::kBlack) << p.x << "," << p.y;
  EXPECT_EQ(*bitmap.GetPixel(1, 1), platform::kWhite);
  w.Destroy();
}
