#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "app/join_args.h"
#include "support/isolated_folders.h"
#include "support/source_paths.h"
#include "platform/instance_channel.h"

using namespace std::chrono_literals;

TEST(JoinArgs, ArgumentsAfterTheProgramAreJoinedWithOneBlank) {
  struct Case {
    std::vector<const char*> args;
    std::string joined;
  };
  const std::string longPart(600, 'x');
  const Case cases[] = {
      {{"kavrine"}, ""},
      {{"kavrine", "a.kv2"}, "a.kv2"},
      {{"kavrine", "My", "figure.kv2"}, "My figure.kv2"},
      {{"kavrine", "a", "", "b"}, "a  b"},
      {{"kavrine", longPart.c_str(), "z.kv3"}, longPart + " z.kv3"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(app::JoinArgs(static_cast<int>(c.args.size()), c.args.data()), c.joined);
}

namespace {

// A run of the real program with its standard error in a file; killed when it goes out of scope.
class ProgramRun {
 public:
  ProgramRun(const std::filesystem::path& folder, const std::string& logName, std::vector<std::string> args)
      : log_(folder / logName) {
    pid_ = ::fork();
    if (pid_ == 0) {
      const int fd = ::open(log_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      if (fd >= 0) ::dup2(fd, 2);
      setenv("QT_QPA_PLATFORM", "offscreen", 1);
      setenv("KV_TRACE_WINDOWS", "1", 1);
      std::vector<char*> argv;
      argv.push_back(const_cast<char*>(test_support::ProgramPath().c_str()));
      for (std::string& a : args) argv.push_back(a.data());
      argv.push_back(nullptr);
      ::execv(test_support::ProgramPath().c_str(), argv.data());
      ::_exit(127);
    }
  }
  ~ProgramRun() { Kill(SIGKILL); }

  // The exit code once the program ended within the time, else -1.
  int WaitForExit(std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (pid_ > 0 && std::chrono::steady_clock::now() < end) {
      int status = 0;
      if (::waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      }
      std::this_thread::sleep_for(20ms);
    }
    return -1;
  }
  bool IsRunning() {
    if (pid_ <= 0) return false;
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      return false;
    }
    return true;
  }
  void Kill(int signal) {
    if (pid_ <= 0) return;
    ::kill(pid_, signal);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
  }
  std::string Log() const {
    std::ifstream in(log_);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  // Waits until the log holds `line`.
  bool WaitForLog(const std::string& line, std::chrono::milliseconds limit) const {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
      if (Log().find(line) != std::string::npos) return true;
      std::this_thread::sleep_for(20ms);
    }
    return false;
  }

 private:
  std::filesystem::path log_;
  pid_t pid_ = -1;
};

int CountOpened(const std::string& log) {
  int count = 0;
  for (std::size_t at = log.find("kavrine: opened"); at != std::string::npos; at = log.find("kavrine: opened", at + 1))
    ++count;
  return count;
}

}  // namespace

class TwoStarts : public IsolatedFolders {};

TEST_F(TwoStarts, ASecondStartHandsItsFileToTheFirstAndEnds) {
  ProgramRun first(folder_, "first.log", {});
  // The test itself makes the empty hand-off of a start without arguments, once the first listens.
  bool handedOver = false;
  const auto end = std::chrono::steady_clock::now() + 60s;
  while (!handedOver && first.IsRunning() && std::chrono::steady_clock::now() < end) {
    handedOver = platform::HandOffToRunningInstance("", 2000);
    if (!handedOver) std::this_thread::sleep_for(50ms);
  }
  ASSERT_TRUE(handedOver) << first.Log();

  ProgramRun second(folder_, "second.log", {"My", "figure.kv2"});
  EXPECT_EQ(second.WaitForExit(60s), 0) << second.Log();
  EXPECT_EQ(CountOpened(second.Log()), 0);
  ASSERT_TRUE(first.WaitForLog("kavrine: opened 2-D window \"noname1.kv2\" file \"My figure.kv2\"", 30s))
      << first.Log();
  // The empty hand-off opened nothing.
  EXPECT_EQ(CountOpened(first.Log()), 1) << first.Log();

  // The first ends abruptly and leaves its socket behind; a new start runs on its own.
  first.Kill(SIGKILL);
  ProgramRun third(folder_, "third.log", {"solo.kv3"});
  EXPECT_TRUE(third.WaitForLog("kavrine: opened 3-D window \"noname1.kv3\" file \"solo.kv3\"", 60s)) << third.Log();
  EXPECT_TRUE(third.IsRunning());
}
