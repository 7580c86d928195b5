// Replay in slow motion: one picture a step under space, Z and Q, the figure rebuilt from scratch
// when going back, complete after Q, and the fills shown one at a time afterwards.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kernel/fill_trace_records.h"
#include "plane_window.h"
#include "platform/scripted_responder.h"
#include "support/isolated_folders.h"

namespace {

using plane_test::PlaneWindow;

using SlowReplay = IsolatedFolders;

platform::KeyEvent Key(int key) {
  platform::KeyEvent e;
  e.key = key;
  e.text = std::string(1, static_cast<char>(key));
  return e;
}

struct ReplayWindow : PlaneWindow {
  ReplayWindow() : PlaneWindow(0) {
    for (int k = 0; k < 4; ++k) FreePoint(k, 1);
  }
};

TEST_F(SlowReplay, SpaceAdvancesZGoesBackAndQStillCompletesTheFigure) {
  ReplayWindow w;
  const std::string caption = w.Caption();
  std::vector<int> shown;  // the last point index at each wait
  platform::ScriptedResponder script;
  const auto press = [&](std::vector<int> keys) {
    script.OnLoop([&w, &shown, keys](platform::ModalLoop& loop) {
      shown.push_back(w.tables().last_point);
      EXPECT_NE(w.Caption().find("spacebar to advance, Z to reverse, Q to quit"), std::string::npos);
      for (const int k : keys) {
        if (loop.running()) loop.FeedKey(Key(k));
      }
    });
  };
  press({'Z', 'X', ' '});  // step 0: Z is not taken there, nor any other key but space and Q
  press({' '});            // step 1
  press({'Z'});            // step 2, back
  press({' '});            // step 1 again, built from the start
  press({' '});            // step 2
  press({'Q'});            // step 3: the rest unseen
  EXPECT_TRUE(w.DispatchCommand(engine::kCmdReplaySlowMotion));
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 1, 2, 3}));
  EXPECT_EQ(w.tables().last_point, 3);
  EXPECT_EQ(w.slowReplay, 0);
  EXPECT_EQ(w.Caption(), caption);
}

TEST_F(SlowReplay, QuittingEarlyLeavesTheWholeFigureAndFillsFollowTheSteps) {
  ReplayWindow w;
  {
    platform::ScriptedResponder script;
    script.OnLoop([](platform::ModalLoop& loop) { loop.FeedKey(Key('Q')); });
    w.DispatchCommand(engine::kCmdReplaySlowMotion);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(w.tables().last_point, 3);
    for (int k = 0; k <= 3; ++k) EXPECT_TRUE(w.tables().PointExists(k));
  }
  kernel::FillRecord fill;
  kernel::InitFillRecord(fill);
  fill.mode = kernel::kFillPolygon;
  fill.vertices = {};
  fill.vertices[0] = 0;
  fill.vertices[1] = 1;
  fill.vertices[2] = 2;
  fill.vertices[3] = kernel::kFillListEnd;
  w.fills.push_back(fill);
  w.fills.push_back(fill);
  std::vector<int> fillShown;
  platform::ScriptedResponder script;
  for (int k = 0; k < 4; ++k) script.OnLoop([](platform::ModalLoop& loop) { loop.FeedKey(Key(' ')); });
  for (int k = 0; k < 2; ++k) {
    script.OnLoop([&](platform::ModalLoop& loop) {
      fillShown.push_back(w.slowReplayFill);
      EXPECT_NE(w.Caption().find("spacebar to advance, Q to quit"), std::string::npos);
      loop.FeedKey(Key('Z'));  // not taken in the fill phase
      EXPECT_TRUE(loop.running());
      loop.FeedKey(Key(' '));
    });
  }
  w.DispatchCommand(engine::kCmdReplaySlowMotion);
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(fillShown, (std::vector<int>{0, 1}));
  EXPECT_EQ(w.slowReplayFill, -1);
}

TEST_F(SlowReplay, TheCommandIsGreyedWithoutHistory) {
  PlaneWindow w(0);
  EXPECT_FALSE(w.QueryCommand(engine::kCmdReplaySlowMotion).enabled);
  w.FreePoint(1, 1);
  EXPECT_TRUE(w.QueryCommand(engine::kCmdReplaySlowMotion).enabled);
}

}  // namespace
