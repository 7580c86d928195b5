#include <gtest/gtest.h>

#include "resources/resource_library.h"
#include "resources/resource_script.h"

using namespace resources;

TEST(ResourceScript, MenusAcceleratorsAndDialogsParse) {
  const char* script = R"(# a comment
MENU TESTMENU
  POPUP "&File"
    ITEM 24 "&Open ...\tCtrl+O"
    SEPARATOR
    POPUP "&Recent"
      ITEM 25 "one"
    END
  END
  ITEM 402 "&2-dim"
END

ACCELERATORS TESTMENU
  F2 402
  Ctrl+Shift+Z 123
  Delete 7
END

DIALOG TESTDLG 200 80 "A \"quoted\" caption"
  STATIC 231 5 5 100 10 "prompt"
  EDIT 211 5 20 100 12 READONLY
  RADIO 251 5 40 50 10 "first" GROUP
  LISTBOX 301 110 5 80 60 MULTI SORT
  DEFBUTTON 1 5 60 40 14 "OK" HIDDEN
END
)";
  ResourceScript parsed;
  ASSERT_FALSE(ParseResourceScript(script, "test.rc", parsed).has_value());

  const MenuTemplate& menu = parsed.menus.at("TESTMENU");
  ASSERT_EQ(menu.items.size(), 2u);
  EXPECT_EQ(menu.items[0].kind, MenuItem::Kind::Popup);
  ASSERT_EQ(menu.items[0].children.size(), 3u);
  EXPECT_EQ(menu.items[0].children[0].text, "&Open ...\tCtrl+O");
  EXPECT_EQ(menu.items[0].children[1].kind, MenuItem::Kind::Separator);
  EXPECT_EQ(menu.items[0].children[2].children[0].id, 25);
  EXPECT_EQ(menu.items[1].id, 402);

  const auto& keys = parsed.accelerators.at("TESTMENU").entries;
  ASSERT_EQ(keys.size(), 3u);
  EXPECT_EQ(keys[0].key, kKeyF1 + 1);
  EXPECT_EQ(keys[0].command, 402);
  EXPECT_EQ(keys[1].key, 'Z');
  EXPECT_EQ(keys[1].modifiers, unsigned{kControl | kShift});
  EXPECT_EQ(keys[2].key, kKeyDelete);

  const DialogTemplate& dialog = parsed.dialogs.at("TESTDLG");
  EXPECT_EQ(dialog.caption, "A \"quoted\" caption");
  ASSERT_EQ(dialog.controls.size(), 5u);
  EXPECT_TRUE(dialog.controls[1].readOnly);
  EXPECT_TRUE(dialog.controls[2].groupStart);
  EXPECT_TRUE(dialog.controls[3].multiSelect && dialog.controls[3].sorted);
  EXPECT_EQ(dialog.controls[4].kind, ControlKind::DefButton);
  EXPECT_TRUE(dialog.controls[4].hidden);
}

TEST(ResourceScript, ErrorsNameTheFileAndLine) {
  struct Case {
    const char* script;
    const char* error;
  };
  const Case cases[] = {
      {"MENU M\n  ITEM x \"a\"\nEND\n", "t.rc:2: ITEM <id> \"text\""},
      {"MENU M\n  ITEM 1 \"a\"\n", "t.rc:2: missing END"},
      {"ACCELERATORS A\n  Hyper+Q 3\nEND\n", "t.rc:2: unknown key Hyper+Q"},
      {"DIALOG D 10 10 \"c\"\n  SLIDER 1 0 0 1 1\nEND\n", "t.rc:2: unknown control SLIDER"},
      {"DIALOG D 10 10 \"c\"\n  EDIT 1 0 0 1 1 FANCY\nEND\n", "t.rc:2: unknown option FANCY"},
      {"MENU M\n  ITEM 1 \"open\nEND\n", "t.rc:2: unterminated text"},
      {"WINDOW W\n", "t.rc:1: unknown block WINDOW"},
      {"MENU M\nEND\nMENU M\nEND\n", "t.rc:4: menu M defined twice"},
  };
  for (const Case& c : cases) {
    ResourceScript parsed;
    const auto error = ParseResourceScript(c.script, "t.rc", parsed);
    ASSERT_TRUE(error.has_value()) << c.script;
    EXPECT_EQ(*error, c.error);
  }
}

TEST(ResourceScript, StringTableWithEscapes) {
  std::map<int, std::string> strings;
  ASSERT_FALSE(ParseStringTable("# c\n7\ta\\tb\\\\c\r\n8\t\n", "s.txt", strings).has_value());
  EXPECT_EQ(strings.at(7), "a\tb\\c");
  EXPECT_EQ(strings.at(8), "");
  EXPECT_EQ(*ParseStringTable("x\ty\n", "s.txt", strings), "s.txt:1: bad string id");
  EXPECT_EQ(*ParseStringTable("9 no tab\n", "s.txt", strings), "s.txt:1: <id><TAB><text> expected");
  EXPECT_EQ(*ParseStringTable("7\tagain\n", "s.txt", strings), "s.txt:1: string 7 defined twice");
}

TEST(ResourceLibrary, EmbeddedResourcesAreWellFormed) {
  for (const std::string& problem : ResourceProblems()) ADD_FAILURE() << problem;
  EXPECT_EQ(LoadString(62), "hmm ...");
  EXPECT_EQ(LoadString(404), "no more room");
  EXPECT_EQ(LoadString(403, 10), "low memory");
  EXPECT_TRUE(HasDialogTemplate("YNCMBOX"));
  EXPECT_FALSE(HasString(99998));
  EXPECT_FALSE(FindHelpText("NO_SUCH_HELP").has_value());
}

TEST(ResourceLibraryDeathTest, MissingResourceStopsDebugBuilds) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
#ifndef NDEBUG
  EXPECT_DEATH(LoadString(99999), "missing resource: string 99999");
  EXPECT_DEATH(LoadMenu("NOSUCHMENU"), "missing resource: menu NOSUCHMENU");
#endif
}
