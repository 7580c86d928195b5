#include "kernel/file_names.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace kernel;

TEST(FileNames, GetExtension3TakesThreeCharactersAfterTheFirstDotOfTheName) {
  struct Case {
    const char* path;
    std::optional<std::string> expected;
  } cases[] = {
      {"fig.kv2", "KV2"},
      {"/home/u/figures/Fig.Kv3", "KV3"},
      {"a.b.kv2", std::nullopt},  // the first dot is followed by more than three characters
      {"fig.kv", std::nullopt},
      {"fig.kv22", std::nullopt},
      {"fig", std::nullopt},
      {"/home/u/.config/kavrine/fig.vor", "VOR"},  // dots of folders do not count
      {"/home/u/.config/fig", std::nullopt},
      {"/home/u/my.dir/fig.kit", "KIT"},
      {"/home/u/my.rho/", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(GetExtension3(c.path), c.expected) << c.path;
}

TEST(FileNames, ReplaceExtensionLooksInTheFileNameOnly) {
  struct Case {
    const char* path;
    const char* expected;
  } cases[] = {
      {"fig.kv2", "fig.bmp"},
      {"a.b.kv2", "a.b.bmp"},  // from the last dot on
      {"fig", "fig"},          // no extension: unchanged
      {".kvrc", ".kvrc"},      // a leading dot is part of the name
      {"/home/u/.config/x", "/home/u/.config/x"},
      {"/home/u/.config/.x", "/home/u/.config/.x"},
      {"/home/u/my.dir/fig.kv3", "/home/u/my.dir/fig.bmp"},
      {"x.", "x.bmp"},
  };
  for (const Case& c : cases) EXPECT_EQ(ReplaceExtension(c.path, ".bmp"), c.expected) << c.path;
}

TEST(FileNames, FileNamePartWithAndWithoutExtension) {
  struct Case {
    const char* path;
    const char* with_ext;
    const char* without_ext;
  } cases[] = {
      {"/home/u/figures/fig.kv2", "fig.kv2", "fig"},
      {"fig.tar.kv2", "fig.tar.kv2", "fig.tar"},
      {"/home/u/.config/noname", "noname", "noname"},
      {"/home/u/.hidden", ".hidden", ".hidden"},
      {"/home/u/", "", ""},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FileNamePart(c.path, false), c.with_ext) << c.path;
    EXPECT_EQ(FileNamePart(c.path, true), c.without_ext) << c.path;
  }
}
