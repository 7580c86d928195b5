#include "platform/key_poll.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/application.h"

using namespace platform;

namespace {
class KeyWindow : public FrameWindow {
 public:
  using FrameWindow::FrameWindow;
  std::vector<int> keys;

 protected:
  void OnKeyDown(const KeyEvent& e) override { keys.push_back(e.key); }
};
}  // namespace

TEST(KeyPoll, TakesOnlyTheKeysOfThePollingWindow) {
  KeyWindow polling(nullptr, "polling");
  KeyWindow other(nullptr, "other");
  polling.Create();
  other.Create();
  EXPECT_FALSE(TakePendingKey(&polling));

  PostKeyPressForTesting(&other, 'B', 0, "b");
  PostKeyPressForTesting(&polling, 'A', resources::kShift, "A");
  const std::optional<PolledKey> taken = TakePendingKey(&polling);
  ASSERT_TRUE(taken);
  EXPECT_EQ(taken->key.key, 'A');
  EXPECT_EQ(taken->key.modifiers, resources::kShift);
  EXPECT_EQ(taken->key.text, "A");
  EXPECT_FALSE(taken->accelerator);
  // The polling window never saw its key; the other window got its own as usual.
  EXPECT_TRUE(polling.keys.empty());
  EXPECT_EQ(other.keys, std::vector<int>{'B'});

  // Outside a poll, keys go to the window as usual.
  PostKeyPressForTesting(&polling, 'C', 0, "c");
  Application::ProcessPendingEvents();
  EXPECT_EQ(polling.keys, std::vector<int>{'C'});
  EXPECT_FALSE(TakePendingKey(&polling));
}
