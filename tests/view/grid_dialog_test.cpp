// The grid layer's commands and dialogs: reset, zoom, Last window, square view, random points,
// the grid dialog's fields and apply, and the View dialog in its three layouts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid_window.h"
#include "kernel/number_text.h"
#include "kernel/random.h"
#include "platform/scripted_responder.h"
#include "view/grid_dialog_fields.h"
#include "view/grid_dlg.h"
#include "view/view_dlg.h"

using namespace view;
using kernel::Real;
using platform::IDOK;
using platform::ScriptedResponder;

namespace {

int ReadLD(std::string_view text, Real& value) {
  value = kernel::StrToLD(text);
  return 0;
}

}  // namespace

TEST(GridDialogFields, WhatEachFieldAcceptsAndHowItShows) {
  std::uint16_t places = 0;
  std::uint16_t suffix = 176;
  ReadPlaces("3@", places, suffix);
  EXPECT_EQ(places, 13);
  EXPECT_EQ(PlacesText(places), "3@");
  EXPECT_EQ(suffix, 176);
  ReadPlaces("2@186", places, suffix);
  EXPECT_EQ(places, 12);
  EXPECT_EQ(suffix, 186);
  for (const char* text : {"2@7", "2@300", "2@20"}) {  // one character, or a code out of 33..255
    suffix = 186;
    ReadPlaces(text, places, suffix);
    EXPECT_EQ(suffix, 186) << text;
  }
  places = 4;
  for (const char* text : {"10", "-1", "x", ""}) {
    ReadPlaces(text, places, suffix);
    EXPECT_EQ(places, 4) << text;
  }
  EXPECT_EQ(PlacesText(4), "4");

  struct TickCase {
    const char* text;
    int tick;  // -1: refused
  };
  for (const TickCase& c : {TickCase{"0.2", -1}, TickCase{"98", -1}, TickCase{"0.25", 3}, TickCase{"1", 10},
                            TickCase{"97.9", 979}, TickCase{"abc", -1}}) {
    std::uint16_t tick = 55;
    std::uint16_t minor = 5;
    ReadTickLength(c.text, ReadLD, 1000, tick, minor);
    EXPECT_EQ(tick, c.tick < 0 ? 55 : c.tick) << c.text;
    EXPECT_EQ(minor, c.tick < 0 ? 5 : c.tick * 7 / 10) << c.text;
  }
  EXPECT_EQ(TickLengthText(10, 1000), "1.000");

  std::uint16_t freq = 5;
  std::uint8_t marker = 1;
  for (const char* text : {"0", "99", "-2", "q"}) ReadFrequency(text, freq, marker);
  EXPECT_EQ(freq, 5);
  EXPECT_EQ(marker, 0);
  ReadFrequency("98@", freq, marker);
  EXPECT_EQ(freq, 98);
  EXPECT_EQ(marker, 1);
  EXPECT_EQ(FrequencyText(98, true), "98@");

  Real interval = 1;
  std::uint8_t origin = 0;
  ReadInterval("0", ReadLD, interval, &origin);
  ReadInterval("1e-17", ReadLD, interval, &origin);
  EXPECT_EQ(interval, 1);
  ReadInterval("2.5@", ReadLD, interval, &origin);
  EXPECT_EQ(interval, 2.5L);
  EXPECT_EQ(origin, 1);
  EXPECT_EQ(IntervalText(2.5L, true), "2.500000@");

  std::uint16_t sectors = 12;
  for (const char* text : {"3", "101", "x"}) ReadSectorCount(text, sectors);
  EXPECT_EQ(sectors, 12);
  ReadSectorCount("100", sectors);
  EXPECT_EQ(sectors, 100);
}

TEST(GridDialog, ApplyPushesAViewOnlyWhenSomethingChanged) {
  GridWindow w(401, 401);
  w.ResetView();
  w.DispatchCommand(kCmdGrid);
  TGridDlg* d = w.gridDialog();
  ASSERT_NE(d, nullptr);
  EXPECT_TRUE(d->IsVisible());
  EXPECT_EQ(d->GetItemText(kGridTickLength), "1.000");
  EXPECT_EQ(d->GetItemText(kGridXPlaces), "0");

  d->PressButton(kGridApply);
  EXPECT_TRUE(w.wing.viewStack.empty());
  EXPECT_EQ(w.fileMsg.modified, 0);

  d->SetItemText(kGridXInterval, "0.5");
  d->SetItemText(kGridXPlaces, "3@");
  d->SetItemText(kGridYFreq, "0");  // refused: stays 1
  w.axes.noticeState = 2;
  d->PressButton(kGridApply);
  EXPECT_EQ(w.wing.viewStack.size(), 1u);
  EXPECT_EQ(w.axes.gridSpacingX, 0.5L);
  EXPECT_EQ(w.axes.xLabelPlaces, 13);
  EXPECT_EQ(w.axes.yLabelFrequency, 1);
  EXPECT_EQ(w.axes.noticeState, 0);  // the user chose the interval
  EXPECT_EQ(w.fileMsg.modified, 1);
  EXPECT_EQ(d->GetItemText(kGridXPlaces), "3@");
  EXPECT_EQ(d->GetItemText(kGridYFreq), "1");

  // Checking the rectangular grid shows the quadrants; the change is one more view.
  EXPECT_FALSE(d->IsItemShown(kGridQuadrantI));
  d->PressButton(kGridRectangular);
  EXPECT_TRUE(d->IsItemShown(kGridQuadrantI));
  d->PressButton(kGridApply);
  EXPECT_EQ(w.axes.gridKind & 16, 16);
  EXPECT_EQ(w.wing.viewStack.size(), 2u);

  w.DispatchCommand(kCmdLastWindow);
  EXPECT_EQ(w.axes.gridKind & 16, 0);
  w.DispatchCommand(kCmdLastWindow);
  EXPECT_EQ(w.axes.gridSpacingX, 1);
  EXPECT_EQ(w.axes.xLabelPlaces, 0);

  d->PressButton(2);  // close only hides it
  EXPECT_FALSE(d->IsVisible());
  w.DispatchCommand(kCmdGrid);
  EXPECT_EQ(w.gridDialog(), d);
  EXPECT_TRUE(d->IsVisible());
  w.Destroy();
}

TEST(GridDialog, TheControlsFollowTheBoxesAndTheWindowKind) {
  GridWindow w(401, 401);
  w.ResetView();
  w.noPolarSectors = 1;
  w.ShowGridDialog();
  TGridDlg* d = w.gridDialog();
  EXPECT_FALSE(d->IsItemShown(kGridPolarSectors));
  EXPECT_FALSE(d->IsItemShown(kGridSectors));
  EXPECT_TRUE(d->IsItemShown(kGridBoth));
  d->PressButton(kGridAxes);  // off: the axis choices and the ticks go
  EXPECT_FALSE(d->IsItemShown(kGridBoth));
  EXPECT_FALSE(d->IsItemShown(kGridTicks));
  EXPECT_FALSE(d->IsItemShown(kGridTickLength));
  d->PressButton(kGridAxes);
  d->PressButton(kGridTicks);  // ticks off: no tick length
  EXPECT_TRUE(d->IsItemShown(kGridBoth));
  EXPECT_FALSE(d->IsItemShown(kGridTickLength));
  w.Destroy();

  GridWindow t(401, 401);
  t.gridDialogKind = 1;
  t.txAxes = 1;
  t.ShowGridDialog();
  d = t.gridDialog();
  EXPECT_EQ(d->GetItemText(kGridAxes), "make a list");
  EXPECT_EQ(d->GetItemText(kGridXOnly), "t");
  EXPECT_FALSE(d->IsItemShown(kGridXInterval));  // odd kinds have no x row
  EXPECT_TRUE(d->IsItemShown(kGridYInterval));
  EXPECT_FALSE(d->IsItemShown(kGridRectangular));
  t.Destroy();
}

TEST(ViewDialog, ApplyChecksTheFieldsAndSetsTheView) {
  GridWindow w(401, 401);
  w.ResetView();
  ScriptedResponder script;
  w.DispatchCommand(kCmdView);
  TViewDlg* d = w.viewDialog();
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->GetItemText(kViewWidth), "10.00000");
  EXPECT_TRUE(d->IsChecked(kViewSetCentre));

  // The same centre and width: nothing happens.
  d->PressButton(1);
  EXPECT_TRUE(w.wing.viewStack.empty());

  d->SetItemText(kViewWidth, "0");
  script.AnswerMessage(IDOK);
  d->PressButton(1);
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"positive value?"});
  EXPECT_TRUE(w.wing.viewStack.empty());

  d->SetItemText(kViewHori, "1");
  d->SetItemText(kViewWidth, "4");
  d->PressButton(1);
  EXPECT_EQ(w.mapping.centre.x, 1);
  EXPECT_EQ(w.mapping.halfWidth, 2);
  EXPECT_EQ(w.wing.viewStack.size(), 1u);
  EXPECT_EQ(d->GetItemText(kViewLeft), "-1.00000");  // the fields follow the view

  // Corners: reversed ones are refused; good ones set unequal scales.
  d->CheckItem(kViewSetCentre, false);
  d->CheckItem(kViewSetCorners, true);
  d->SetItemText(kViewLeft, "3");
  d->SetItemText(kViewRight, "2");
  script.AnswerMessage(IDOK);
  d->PressButton(1);
  EXPECT_EQ(script.Messages().back(), "inconsistent data");
  EXPECT_EQ(w.mapping.unequal, 0);
  d->SetItemText(kViewLeft, "0");
  d->SetItemText(kViewRight, "8");
  d->SetItemText(kViewDown, "0");
  d->SetItemText(kViewUp, "2");
  d->PressButton(1);
  EXPECT_EQ(w.mapping.unequal, 1);
  EXPECT_EQ(w.mapping.box.xmax, 8);
  EXPECT_EQ(w.mapping.box.ymax, 2);
  EXPECT_TRUE(w.QueryCommand(kCmdSquareView).enabled);

  // Centre mode with the centre and width the window has: it still applies, leaving corner mode.
  const std::size_t views = w.wing.viewStack.size();
  d->Refresh(false);
  d->CheckItem(kViewSetCorners, false);
  d->CheckItem(kViewSetCentre, true);
  d->PressButton(1);
  EXPECT_EQ(w.mapping.unequal, 0);
  EXPECT_EQ(w.wing.viewStack.size(), views + 1);
  EXPECT_FALSE(w.QueryCommand(kCmdSquareView).enabled);

  // A locked view stays.
  w.wing.viewLocked = 1;
  d->SetItemText(kViewWidth, "20");
  d->PressButton(1);
  EXPECT_EQ(w.mapping.halfWidth, 4);
  EXPECT_TRUE(script.Unexpected().empty());
  w.Destroy();
}

TEST(ViewDialog, TheLayoutsShowTheirFields) {
  for (const int kind : {kViewDialogCentre, kViewDialogCorners}) {
    GridWindow w(301, 301);
    w.viewDialogKind = kind;
    w.DispatchCommand(kCmdView);
    TViewDlg* d = w.viewDialog();
    EXPECT_EQ(d->templateName(), kind == kViewDialogCentre ? "VIEWCEN" : "VIEWCOR");
    // A centre-only dialog sets the centre even for a window in corner mode, and the other way.
    w.SetViewExtents(0, 0, 3, 2, kind == kViewDialogCentre);
    d->Refresh(false);
    if (kind == kViewDialogCentre) d->SetItemText(kViewWidth, "2");
    else d->SetItemText(kViewUp, "4");
    d->PressButton(1);
    EXPECT_EQ(w.mapping.unequal, kind == kViewDialogCentre ? 0 : 1) << kind;
    EXPECT_EQ(kind == kViewDialogCentre ? w.mapping.halfWidth : w.mapping.box.ymax, kind == kViewDialogCentre ? 1 : 4);
    w.Destroy();
  }
}

TEST(GridWin, ResetZoomSquareViewAndRandomPoints) {
  GridWindow w(401, 201);
  w.axes.gridSpacingX = 3;
  w.SetViewExtents(1, 1, 2, 2, true);
  w.DispatchCommand(kCmdResetView);
  EXPECT_TRUE(w.wing.viewStack.empty());
  EXPECT_EQ(w.mapping.halfWidth, 5);
  EXPECT_EQ(w.mapping.unequal, 0);
  EXPECT_EQ(w.axes.gridSpacingX, 1);
  EXPECT_EQ(w.axes.arrows, 1);
  EXPECT_EQ(w.axes.showAxisNames, 1);
  EXPECT_EQ(w.axes.scaleNumbers, 3);
  EXPECT_EQ(w.axes.xLabelPlaces, 0);
  EXPECT_EQ(w.fileMsg.modified, 1);
  // The mark sizes follow the view: half a 10 pixel tick at 0.025 units per pixel.
  EXPECT_NEAR(static_cast<double>(w.axes.tickHalfX), 0.125, 1e-12);

  w.zoomEnabled = 0;
  EXPECT_FALSE(w.QueryCommand(kCmdZoomOut).enabled);
  w.zoomEnabled = 1;
  w.DispatchCommand(kCmdZoomIn);
  EXPECT_EQ(w.wing.viewStack.size(), 1u);

  // Square view from corners: a box 4 wide and 4 high on a 401 x 201 client keeps its height.
  w.SetViewExtents(0, 0, 2, 2, true);
  w.DispatchCommand(kCmdSquareView);
  EXPECT_EQ(w.mapping.unequal, 0);
  EXPECT_NEAR(static_cast<double>(w.mapping.halfWidth), 4.0, 1e-9);
  EXPECT_GE(w.mapping.halfHeight, 2);

  kernel::SeedRandom(7);
  for (int i = 0; i < 100; ++i) {
    const kernel::Point2 p = w.RandomPoint();
    EXPECT_TRUE(p.x > w.mapping.box.xmin && p.x < w.mapping.box.xmax);
    EXPECT_TRUE(p.y > w.mapping.box.ymin && p.y < w.mapping.box.ymax);
  }
  w.Destroy();
}
