#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

#include "kernel/file_writer.h"

using namespace kernel;

namespace {

class FileWriterTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("kvfw" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::string Path(const char* name) const { return (folder_ / name).string(); }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::filesystem::path folder_;
};

TEST_F(FileWriterTest, PiecesReplaceTheFileOnlyWhenCommitted) {
  const std::string path = Path("pic.tex");
  std::ofstream(path) << "old";
  {
    FileWriter file(path);
    ASSERT_TRUE(file.IsOpen());
    file.Write("new ");
    file.Write(std::string_view("te\0xt", 5));
    EXPECT_EQ(Read(path), "old");
    EXPECT_TRUE(file.Commit());
  }
  EXPECT_EQ(Read(path), std::string("new te\0xt", 9));
  {
    FileWriter dropped(path);
    dropped.Write("lost");
  }
  EXPECT_EQ(Read(path), std::string("new te\0xt", 9));
  EXPECT_FALSE(std::filesystem::exists(path + ".kvtmp"));
}

TEST_F(FileWriterTest, AFolderThatCannotTakeTheFileFailsWithoutATrace) {
  FileWriter missing(Path("no/such/folder.tex"));
  EXPECT_FALSE(missing.IsOpen());
  missing.Write("x");
  EXPECT_FALSE(missing.Commit());
  // The target's name is taken by a folder: the rename fails and the folder stays.
  std::filesystem::create_directory(Path("taken.tex"));
  std::filesystem::create_directory(Path("taken.tex") + "/inside");
  FileWriter blocked(Path("taken.tex"));
  ASSERT_TRUE(blocked.IsOpen());
  blocked.Write("x");
  EXPECT_FALSE(blocked.Commit());
  EXPECT_TRUE(std::filesystem::is_directory(Path("taken.tex")));
  EXPECT_FALSE(std::filesystem::exists(Path("taken.tex") + ".kvtmp"));
}

}  // namespace
