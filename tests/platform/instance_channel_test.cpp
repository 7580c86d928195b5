#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <thread>

#include "platform/application.h"
#include "platform/instance_channel.h"
#include "platform/settings_folder.h"

using namespace platform;

namespace {

// Points the runtime and config folders at a fresh folder of this test.
class IsolatedFolders : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("kv_instance_" + std::to_string(::getpid()) + "_" +
               testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    setenv("XDG_RUNTIME_DIR", folder_.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (folder_ / "config").c_str(), 1);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::filesystem::path folder_;
};

template <typename T>
T WaitWhileProcessingEvents(std::future<T>& result) {
  while (result.wait_for(std::chrono::milliseconds(2)) != std::future_status::ready)
    Application::ProcessPendingEvents();
  return result.get();
}

}  // namespace

TEST_F(IsolatedFolders, NothingListeningMeansNoHandOff) {
  EXPECT_FALSE(HandOffToRunningInstance("a.kv2", 200));
}

TEST_F(IsolatedFolders, TheRunningInstanceReceivesTheWholeName) {
  std::vector<std::string> received;
  InstanceListener listener([&](const std::string& name) { received.push_back(name); });
  ASSERT_TRUE(listener.IsListening());
  const std::string longName = "My figure " + std::string(600, 'x') + ".kv2";
  for (const std::string& name : {std::string("My figure.kv2"), std::string(), longName}) {
    auto sent = std::async(std::launch::async, [&] { return HandOffToRunningInstance(name); });
    EXPECT_TRUE(WaitWhileProcessingEvents(sent));
  }
  EXPECT_EQ(received, (std::vector<std::string>{"My figure.kv2", "", longName}));
}

TEST_F(IsolatedFolders, AStaleSocketIsReplaced) {
  // A socket file left behind by an instance that crashed.
  {
    std::ofstream stale(InstanceSocketPath());
  }
  std::string received;
  InstanceListener listener([&](const std::string& name) { received = name; });
  ASSERT_TRUE(listener.IsListening());
  auto sent = std::async(std::launch::async, [] { return HandOffToRunningInstance("b.kv3"); });
  EXPECT_TRUE(WaitWhileProcessingEvents(sent));
  EXPECT_EQ(received, "b.kv3");
}

TEST_F(IsolatedFolders, SettingsFolderFollowsTheConfigHome) {
  const std::string folder = SettingsFolder();
  EXPECT_EQ(folder, (folder_ / "config" / "kavrine").string() + "/");
  EXPECT_TRUE(std::filesystem::is_directory(folder));
}

TEST_F(IsolatedFolders, TheSenderIsAnsweredBeforeTheNameIsHandled) {
  // Opening the file may keep the running instance busy (a question, a message) for longer than
  // the sender waits; the sender must not take that for "nobody runs".
  std::shared_future<bool> sent;
  bool answeredWhileBusy = false;
  InstanceListener listener([&](const std::string&) {
    answeredWhileBusy = sent.wait_for(std::chrono::seconds(5)) == std::future_status::ready && sent.get();
  });
  ASSERT_TRUE(listener.IsListening());
  sent = std::async(std::launch::async, [] { return HandOffToRunningInstance("busy.kv2", 1000); }).share();
  while (sent.wait_for(std::chrono::milliseconds(2)) != std::future_status::ready) Application::ProcessPendingEvents();
  EXPECT_TRUE(sent.get());
  EXPECT_TRUE(answeredWhileBusy);
}
