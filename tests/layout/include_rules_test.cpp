#include "layout/include_rules.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/source_paths.h"

namespace {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

layout::FolderStack TheStack() {
  std::string error;
  auto stack = layout::ParseFolderStack(ReadFile(test_support::SourceRoot() + "/tests/layout/folder_stack.txt"), &error);
  EXPECT_TRUE(stack) << error;
  return stack.value_or(layout::FolderStack{});
}

TEST(IncludeRules, EveryIncludeOfTheProgramFollowsTheStack) {
  const layout::FolderStack stack = TheStack();
  ASSERT_FALSE(stack.level.empty());
  std::ostringstream report;
  for (const auto& v : layout::CheckTree(stack, test_support::SourceRoot()))
    report << v.file << ":" << v.line << ": includes \"" << v.text << "\": " << v.rule << "\n";
  EXPECT_EQ(report.str(), "");
}

TEST(IncludeRules, AHigherOrSidewaysIncludeIsReportedWithItsLine) {
  const layout::FolderStack stack = TheStack();
  const char* source =
      "#include <vector>\n"
      "#include \"kernel/labels.h\"\n"
      "  #  include \"view/qel_win.h\"\n"
      "// #include \"app/geom_app.h\" is a comment\n"
      "#include \"local.h\"\n";
  const auto found = layout::CheckSource(stack, "shell", "shell/x.cpp", source);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].line, 3);
  EXPECT_EQ(found[0].text, "view/qel_win.h");
  EXPECT_EQ(found[0].rule, "shell may not include view, which stands higher in the stack");

  struct Case { const char* from; const char* to; bool allowed; };
  const Case cases[] = {
      {"kernel", "platform", false}, {"platform", "kernel", true},  {"engine", "view", true},
      {"view", "engine", false},     {"plane", "sphere", false},    {"sphere", "solidview", true},
      {"solidview", "sphere", false}, {"app", "special", true},     {"kernel", "tests", true},
      {"resources", "platform", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(layout::BrokenRule(stack, c.from, c.to).empty(), c.allowed) << c.from << " -> " << c.to;
}

TEST(IncludeRules, AMalformedStackIsRefused) {
  std::string error;
  EXPECT_FALSE(layout::ParseFolderStack("kernel\nview\nkernel\n", &error));
  EXPECT_EQ(error, "line 3: kernel listed twice");
  EXPECT_FALSE(layout::ParseFolderStack("kernel\nview\nview may include kernel\n", &error));
  EXPECT_EQ(error, "line 3: an exception names folders of one level only");
}

}  // namespace
