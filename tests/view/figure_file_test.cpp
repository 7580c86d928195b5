// Figure files start with the common block; loading one places the window where the file says.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kind_window.h"
#include "support/isolated_folders.h"
#include "shell/counted_text.h"
#include "shell/note_win.h"
#include "kernel/file_bytes.h"
#include "platform/bitmap.h"
#include "platform/scripted_responder.h"
#include "platform/text_editor.h"

namespace {

class FigureFile : public IsolatedFolders {
 protected:
  std::string FigurePath() const { return (folder_ / "figure.kvt").string(); }

  // A figure file of the test kind placed at p, with the given notes.
  void WriteFigure(const kernel::WinPlacement& p, std::int32_t kind = kTestKind, const std::string& notes = "notes") {
    KindWindow w;
    w.fileMsg.placement = p;
    kernel::ByteWriter out;
    w.WriteCommonBlock(out, kind);
    shell::WriteCountedText(out, notes);
    ASSERT_TRUE(kernel::WriteFileAtomically(FigurePath(), out.bytes()));
  }
};

TEST_F(FigureFile, ALoadedPlacementThatDoesNotFitTheScreenIsReplaced) {
  const platform::WindowRect screen = platform::FrameWindow::ScreenRect();
  struct Case {
    kernel::WinPlacement placement;
    bool replaced;
  };
  const Case cases[] = {
      {{20, 30, 300, 200, 0}, false},
      {{20, 30, 120, 72, 0}, false},
      {{20, 30, 119, 200, 0}, true},
      {{20, 30, 300, 71, 0}, true},
      {{-1, 30, 300, 200, 0}, true},
      {{20, -1, 300, 200, 0}, true},
      {{screen.width - 300, 30, 300, 200, 0}, false},
      {{screen.width - 299, 30, 300, 200, 0}, true},
      {{20, screen.height - 199, 300, 200, 0}, true},
      {{2147483000, 30, 2147483000, 200, 1}, true},
  };
  for (const Case& c : cases) {
    const kernel::WinPlacement& in = c.placement;
    SCOPED_TRACE(std::to_string(in.x) + "," + std::to_string(in.y) + " " + std::to_string(in.width) + "x" +
                 std::to_string(in.height));
    WriteFigure(in);
    KindWindow w;
    w.qelWin.writeSettings = 0;
    w.Create();
    w.fileMsg.fileName = FigurePath();
    ASSERT_EQ(w.LoadFile(), 0);
    EXPECT_EQ(w.clears, 1);
    EXPECT_EQ(w.lastVersion, 1);
    EXPECT_TRUE(w.IsVisible());
    EXPECT_EQ(w.fileMsg.named, 1);
    const kernel::WinPlacement& p = w.fileMsg.placement;
    EXPECT_EQ(p.zoomed, 0);
    if (c.replaced) {
      EXPECT_EQ(p.width, w.fileMsg.defaultSize);
      EXPECT_EQ(p.height, w.fileMsg.defaultSize);
      EXPECT_TRUE(p.x >= 0 && p.x < 80) << p.x;
      EXPECT_TRUE(p.y >= w.fileMsg.defaultTop && p.y < w.fileMsg.defaultTop + 30) << p.y;
    } else {
      EXPECT_EQ(p.x, in.x);
      EXPECT_EQ(p.y, in.y);
      EXPECT_EQ(p.width, in.width);
      EXPECT_EQ(p.height, in.height);
    }
    w.Destroy();
  }
}

TEST_F(FigureFile, AFileThatCannotBeTakenLeavesTheWindowAsItWas) {
  KindWindow w;
  w.qelWin.writeSettings = 0;
  w.fileMsg.placement = {20, 30, 300, 200, 0};
  w.Create();
  w.preWin.backBitmap.emplace(4, 4, platform::kWhite);
  w.fileMsg.fileName = (folder_ / "missing.kvt").string();
  EXPECT_EQ(w.LoadFile(), shell::kCannotOpenFile);
  EXPECT_EQ(w.clears, 0);

  WriteFigure({40, 50, 200, 200, 0}, 441);
  w.fileMsg.fileName = FigurePath();
  EXPECT_EQ(w.LoadFile(), shell::kIncompatibleVersions);
  EXPECT_EQ(w.lastVersion, 0);
  EXPECT_EQ(w.fileMsg.placement.x, 20);
  EXPECT_TRUE(w.preWin.backBitmap.has_value());

  // A block cut short is damaged.
  kernel::Bytes bytes = kernel::ReadFileBytes(FigurePath()).value();
  SetWordAt(bytes, 0, kTestKind);
  bytes.resize(900);
  ASSERT_TRUE(kernel::WriteFileAtomically(FigurePath(), bytes));
  EXPECT_EQ(w.LoadFile(), shell::kIncompatibleVersions);
  EXPECT_EQ(w.lastVersion, -1);
  EXPECT_EQ(w.clears, 0);  // the figure is cleared only for a file read whole
  EXPECT_EQ(w.fileMsg.placement.x, 20);
  EXPECT_TRUE(w.preWin.backBitmap.has_value());

  // A block that is taken drops the background bitmap of the figure before.
  WriteFigure({40, 50, 200, 200, 0});
  EXPECT_EQ(w.LoadFile(), 0);
  EXPECT_EQ(w.fileMsg.placement.x, 40);
  EXPECT_FALSE(w.preWin.backBitmap.has_value());
  w.Destroy();
}

TEST_F(FigureFile, TheNotebookTravelsWithTheFigure) {
  const std::string notes(64000, 'n');
  {
    KindWindow w;
    w.qelWin.writeSettings = 0;
    w.notebook = 1;
    w.fileMsg.placement = {20, 30, 300, 200, 0};
    w.Create();
    w.notebookWindow()->SetText(notes);
    w.notebookWindow()->editor().SetModified(true);
    w.fileMsg.fileName = FigurePath();
    w.fileMsg.named = 1;
    platform::ScriptedResponder script;
    ASSERT_TRUE(w.Save());
    EXPECT_FALSE(w.notebookWindow()->editor().IsModified());
    EXPECT_EQ(w.notebookWindow()->Caption(), "notebook [figure]");
    w.Destroy();
  }
  const kernel::Bytes bytes = kernel::ReadFileBytes(FigurePath()).value();
  ASSERT_EQ(bytes.size(), view::kCommonBlockBytes + 2 + 64001);
  EXPECT_EQ(bytes[view::kCommonBlockBytes] | bytes[view::kCommonBlockBytes + 1] << 8, 64001);
  EXPECT_EQ(bytes.back(), 0);

  KindWindow reader("other.kvt");
  reader.qelWin.writeSettings = 0;
  reader.notebook = 1;
  reader.Create();
  reader.fileMsg.fileName = FigurePath();
  ASSERT_EQ(reader.LoadFile(), 0);
  EXPECT_EQ(reader.notebookWindow()->editor().Text(), notes);
  EXPECT_EQ(reader.notebookWindow()->Caption(), "notebook [figure]");
  reader.Destroy();

  // A window without a notebook still reads past the notes.
  KindWindow plain;
  plain.qelWin.writeSettings = 0;
  plain.Create();
  plain.fileMsg.fileName = FigurePath();
  EXPECT_EQ(plain.LoadFile(), 0);
  plain.Destroy();
}

}  // namespace
