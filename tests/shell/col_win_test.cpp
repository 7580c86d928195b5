#include <gtest/gtest.h>

#include <vector>

#include "shell/col_win.h"
#include "shell/edit_rgb_dlg.h"
#include "platform/application.h"
#include "platform/dc.h"
#include "platform/scripted_responder.h"

using namespace shell;
using platform::MouseButton;
using platform::MouseEvent;

namespace {

class OwnerWindow : public TPreWin {
 public:
  using TPreWin::TPreWin;
  void ColorChanged(int roleKind) override { changes.push_back(roleKind); }
  std::vector<int> changes;
};

// The owner and its colour window on role 2, the palette drawn in cells of 20 x 20 pixels.
class ColWinTest : public testing::Test {
 protected:
  void SetUp() override {
    owner_.Create();
    owner_.preWin.roles[2] = 7;
    colours_ = new TColWin(&owner_, "colours");  // owned by its parent window
    colours_->Create();
  }
  void TearDown() override {
    owner_.Destroy();
    platform::Application::ProcessPendingEvents();
  }
  void OpenOnRoleTwo() {
    colours_->EditRole(-1, &owner_.preWin.roles[2], 2, "line colour");
    colours_->SetClientSize(160, 280);
    platform::Application::ProcessPendingEvents();
    Draw();
  }
  platform::Bitmap Draw() {
    platform::Bitmap picture(160, 280, platform::kBlack);
    auto dc = picture.CreateDC();
    colours_->PaintInto(*dc);
    dc.reset();
    return picture;
  }
  // A click in the middle of picture cell (column, row).
  void Click(int column, int row, MouseButton button = MouseButton::Left) {
    MouseEvent e;
    e.x = column * 20 + 10;
    e.y = row * 20 + 10;
    e.button = button;
    colours_->DeliverMouseDown(e);
  }

  OwnerWindow owner_{nullptr, "owner"};
  TColWin* colours_ = nullptr;
};

}  // namespace

TEST_F(ColWinTest, ThePaletteShowsTheOwnersColours) {
  owner_.preWin.colors[3] = kernel::Rgb(1, 2, 3);
  OpenOnRoleTwo();
  EXPECT_TRUE(colours_->IsVisible());
  EXPECT_EQ(colours_->Caption(), "line colour");
  EXPECT_EQ(colours_->cellWidth(), 20);
  EXPECT_EQ(colours_->cellHeight(), 20);
  colours_->preWin.bufferValid[0] = 0;
  const platform::Bitmap picture = Draw();
  const auto at = [&](int column, int row) { return picture.GetPixel(column * 20 + 10, row * 20 + 10)->ToColorRef(); };
  EXPECT_EQ(at(3, 3), kernel::Rgb(1, 2, 3));         // grid row 1, column 3
  EXPECT_EQ(at(6, 12), kernel::Rgb(20, 100, 20));    // grid row 10, column 6: colour 60
  EXPECT_EQ(at(1, 2), kernel::Rgb(0, 0, 0));         // colour 0 above column 1
  EXPECT_EQ(at(3, 1), owner_.preWin.colors[7]);      // the swatch of the current colour
  EXPECT_EQ(at(0, 0), kernel::Rgb(192, 192, 192));   // background
  EXPECT_EQ(at(7, 5), kernel::Rgb(192, 192, 192));
  EXPECT_EQ(colours_->preWin.bufferValid[0], 1);
}

TEST_F(ColWinTest, ClicksPickTheCellUnderThem) {
  // Clicks before the palette was ever drawn find no cells.
  colours_->EditRole(-1, &owner_.preWin.roles[2], 2, "");
  Click(3, 3);
  EXPECT_EQ(owner_.preWin.roles[2], 7);
  EXPECT_TRUE(owner_.changes.empty());

  OpenOnRoleTwo();
  struct Case {
    int column, row;  // picture cells
    int index;        // picked, or -1 for nothing
  };
  const Case cases[] = {
      {3, 3, 3},    // grid row 1, column 3
      {6, 12, 60},  // grid row 10, column 6
      {1, 2, 0},    // the cell above column 1
      {3, 2, -1},   // the band above the other columns
      {0, 5, -1},   // left of the grid
      {7, 5, -1},   // right of the grid
      {2, 13, -1},  // below the grid
      {2, 1, -1},   // the swatch band
  };
  for (const Case& c : cases) {
    owner_.preWin.roles[2] = 7;
    owner_.changes.clear();
    Click(c.column, c.row);
    EXPECT_EQ(owner_.preWin.roles[2], c.index < 0 ? 7 : c.index) << c.column << "," << c.row;
    EXPECT_EQ(owner_.changes, c.index < 0 ? std::vector<int>{} : std::vector<int>{2}) << c.column << "," << c.row;
  }
}

TEST_F(ColWinTest, TheRgbEditorOpensOnTheSwatchExceptForBlackAndWhite) {
  OpenOnRoleTwo();
  TEditRGBDlg* editor = colours_->rgbDialog();
  ASSERT_NE(editor, nullptr);
  EXPECT_FALSE(editor->IsVisible());
  for (const std::uint16_t index : {0, 1}) {
    owner_.preWin.roles[2] = index;
    Click(3, 1, MouseButton::Right);
    EXPECT_FALSE(editor->IsVisible()) << index;
  }
  owner_.preWin.roles[2] = 5;
  Click(0, 1, MouseButton::Right);  // beside the swatch band
  EXPECT_FALSE(editor->IsVisible());
  Click(4, 1, MouseButton::Right);
  ASSERT_TRUE(editor->IsVisible());
  EXPECT_EQ(editor->GetItemText(211), "0");
  EXPECT_EQ(editor->GetItemText(212), "191");
  EXPECT_EQ(editor->GetItemText(213), "63");

  // Picking another colour refreshes the fields; picking white hides the editor.
  Click(4, 3);
  EXPECT_EQ(editor->GetItemText(211), "255");
  EXPECT_EQ(editor->GetItemText(212), "0");
  Click(2, 3);  // colour 2 is magenta; colour 1 is white
  Click(1, 3);
  EXPECT_FALSE(editor->IsVisible());
}

TEST_F(ColWinTest, ApplyChecksTheValuesAndGivesTheColourToTheOwner) {
  OpenOnRoleTwo();
  owner_.preWin.roles[2] = 8;
  Click(3, 1, MouseButton::Right);
  TEditRGBDlg* editor = colours_->rgbDialog();
  ASSERT_TRUE(editor->IsVisible());
  owner_.changes.clear();
  const kernel::ColorRef before = owner_.preWin.colors[8];

  platform::ScriptedResponder script;
  script.AnswerMessage(platform::IDOK).AnswerMessage(platform::IDOK);
  for (const char* bad : {"256", "-1"}) {
    editor->SetItemText(211, bad);
    editor->PressButton(kCmdApplyRgb);
  }
  EXPECT_EQ(script.Messages(), (std::vector<std::string>{"out of bounds", "out of bounds"}));
  EXPECT_EQ(owner_.preWin.colors[8], before);
  EXPECT_EQ(colours_->preWin.colors[8], before);
  EXPECT_TRUE(owner_.changes.empty());

  editor->SetItemText(211, "10");
  editor->SetItemText(212, "20");
  editor->SetItemText(213, "30");
  editor->PressKey(resources::kKeyEnter);
  EXPECT_EQ(owner_.preWin.colors[8], kernel::Rgb(10, 20, 30));
  EXPECT_EQ(colours_->preWin.colors[8], kernel::Rgb(10, 20, 30));
  EXPECT_EQ(owner_.changes, std::vector<int>{2});
  EXPECT_EQ(colours_->preWin.bufferValid[0], 0);
  EXPECT_TRUE(script.Unexpected().empty());

  // Close hides the editor; hiding the colour window hides it too.
  editor->PressButton(2);
  EXPECT_FALSE(editor->IsVisible());
  Click(3, 1, MouseButton::Right);
  EXPECT_TRUE(editor->IsVisible());
  colours_->Hide();
  EXPECT_FALSE(editor->IsVisible());
  EXPECT_FALSE(colours_->IsVisible());
}
