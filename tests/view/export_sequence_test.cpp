// The export commands driven by id, with the file dialog, the set-up dialog and the messages
// answered by a script: file names, frames, the running state, the lists and the outcome.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/modal_responder.h"
#include "platform/scripted_responder.h"
#include "resources/resource_library.h"
#include "shell/msg_dlg.h"
#include "support/isolated_folders.h"
#include "export_window.h"
#include "view/export_formats.h"
#include "view/export_sequence.h"
#include "view/pictex_dlg.h"
#include "view/pictex_painter.h"

using namespace view;
using platform::IDOK;
using platform::ScriptedResponder;

namespace {

// The set-up dialog confirmed; with frames, "pages" checked and that many frames asked.
void ConfirmSetUp(ScriptedResponder& script, int frames = 0, std::string parameter = "t") {
  script.OnDialog("PICTEX", [frames, parameter](platform::Dialog& d) {
    if (frames > 0) {
      d.PressButton(kTeXPagesCheck);
      d.SetItemText(kTeXFramesEdit, std::to_string(frames));
      d.SetItemText(kTeXParameterEdit, parameter);
    }
    d.PressButton(IDOK);
  });
}

class ExportSequence : public IsolatedFolders {
 protected:
  std::string Path(const std::string& name) const { return (folder_ / name).string(); }
  static std::string Saved() { return resources::LoadString(89); }
  static std::string CannotSave() { return resources::LoadString(412); }
};

TEST_F(ExportSequence, AChosenNameInAnyLetterCaseWritesOneFrameWithTheLowerCaseExtension) {
  ExportWindow w;
  ScriptedResponder script;
  script.ChooseFile(Path("figure.TEX"));
  ConfirmSetUp(script);
  script.AnswerMessage(IDOK);
  w.DispatchCommand(kCmdExportPiCTeX);
  EXPECT_TRUE(script.Unexpected().empty());
  ASSERT_TRUE(script.Finished());
  EXPECT_EQ(script.Messages(), std::vector<std::string>{Saved()});
  // The file dialog started at "noname.tex" with the PiCTeX filter.
  EXPECT_EQ(script.shown().front().caption, "TeX files (*.TEX)|*.tex");
  const std::string text = ReadText(folder_ / "figure.tex");
  EXPECT_EQ(text.rfind("\\input pictex\r\n\\font\\fiverm = cmr5\r\n\\setbox1=\\vbox{\r\n\\beginpicture\r\n", 0), 0u);
  EXPECT_NE(text.find("\\putrule from -1.00 0.00 to 1.00 0.00\r\n"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 14), "\\endpicture}\r\n");
  EXPECT_FALSE(std::filesystem::exists(folder_ / "figure.TEX"));
  EXPECT_FALSE(std::filesystem::exists(folder_ / "figureANIM.tex"));  // a single frame has no list
  // The pass ran once with the PiCTeX export running; nothing runs afterwards.
  ASSERT_EQ(w.passes.size(), 1u);
  EXPECT_EQ(w.passes[0].running, ExportKind::PiCTeX);
  EXPECT_EQ(w.passes[0].frame.frames, 1);
  EXPECT_EQ(w.exports.running, ExportKind::None);
  // Next time the dialog offers the bare name.
  EXPECT_EQ(w.exports.basePaths[KindIndex(ExportKind::PiCTeX)], "figure");
  w.Destroy();
}

TEST_F(ExportSequence, TheFirstExportOffersTheFiguresOwnName) {
  struct Case {
    std::string figure;
    std::string offered;
  };
  const Case cases[] = {
      {Path("fig1.kv2"), Path("fig1") + ".tex"},
      {"noname1.kv2", "noname1.tex"},
      {"", "noname.tex"},
  };
  for (const Case& c : cases) {
    ExportWindow w;
    w.fileMsg.fileName = c.figure;
    {
      ScriptedResponder script;
      script.ChooseFile(std::nullopt);
      w.DispatchCommand(kCmdExportPiCTeX);
      ASSERT_FALSE(script.shown().empty());
      EXPECT_EQ(script.shown().front().path, c.offered) << c.figure;
    }
    w.Destroy();
  }
  // Once a name was chosen for the kind, that name is offered again.
  ExportWindow w;
  w.fileMsg.fileName = Path("fig1.kv2");
  w.exports.basePaths[KindIndex(ExportKind::PiCTeX)] = Path("other");
  ScriptedResponder script;
  script.ChooseFile(std::nullopt);
  w.DispatchCommand(kCmdExportPiCTeX);
  ASSERT_FALSE(script.shown().empty());
  EXPECT_EQ(script.shown().front().path, Path("other") + ".tex");
  w.Destroy();
}

TEST_F(ExportSequence, CancelAndOtherExtensionsEndTheExportWithNothingWritten) {
  ExportWindow w;
  {
    ScriptedResponder script;
    script.ChooseFile(std::nullopt);
    w.DispatchCommand(kCmdExportPiCTeX);
    EXPECT_TRUE(script.Unexpected().empty());
  }
  EXPECT_EQ(w.exports.basePaths[KindIndex(ExportKind::PiCTeX)], "noname");
  {
    ScriptedResponder script;
    script.ChooseFile(Path("figure.txt"));
    w.DispatchCommand(kCmdExportPiCTeX);
    EXPECT_TRUE(script.Unexpected().empty());
  }
  EXPECT_EQ(w.exports.basePaths[KindIndex(ExportKind::PiCTeX)], Path("figure.txt"));
  {
    ScriptedResponder script;
    script.ChooseFile(Path("figure.tex")).FillAndPress("PICTEX", {}, platform::IDCANCEL);
    w.DispatchCommand(kCmdExportPiCTeX);
    EXPECT_TRUE(script.Unexpected().empty());
  }
  {
    w.prepare = false;
    ScriptedResponder script;
    script.ChooseFile(Path("figure.tex"));
    ConfirmSetUp(script);
    w.DispatchCommand(kCmdExportPiCTeX);
    EXPECT_TRUE(script.Unexpected().empty());
    EXPECT_TRUE(script.Messages().empty());
  }
  EXPECT_TRUE(w.passes.empty());
  for (const auto& entry : std::filesystem::directory_iterator(folder_))
    EXPECT_TRUE(entry.is_directory()) << entry.path();  // no file was written
  EXPECT_FALSE(std::filesystem::exists(folder_ / "figure.tex"));
  EXPECT_EQ(ExportBaseName("/a/b.tex", "tex"), "/a/b");
  EXPECT_EQ(ExportBaseName("/a/my.fig.Tex", "tex"), "/a/my.fig");
  EXPECT_EQ(ExportBaseName("/a/b.texture", "tex"), std::nullopt);
  EXPECT_EQ(ExportBaseName("/a/.tex", "tex"), std::nullopt);
  w.Destroy();
}

TEST_F(ExportSequence, AnAnimationWritesNumberedFramesAndTheTeXList) {
  ExportWindow w;
  w.exports.animationMode = 1;
  ScriptedResponder script;
  script.ChooseFile(Path("my.pic.tex"));
  ConfirmSetUp(script, 10, "a=1..10");
  script.AnswerMessage(IDOK);
  w.DispatchCommand(kCmdExportPiCTeX);
  EXPECT_TRUE(script.Unexpected().empty());
  EXPECT_EQ(script.Messages(), std::vector<std::string>{Saved()});
  EXPECT_EQ(w.parameterTexts, std::vector<std::string>{"a=1..10"});
  EXPECT_EQ(w.exports.tex.parameterText, "a=1..10");
  EXPECT_EQ(w.exports.tex.frames, 10);
  ASSERT_EQ(w.passes.size(), 10u);
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(w.passes[i].frame.frame, i);
    EXPECT_EQ(w.passes[i].frame.frames, 10);
    const std::string name = "my.pic0" + std::to_string(i) + ".tex";
    const std::string text = ReadText(folder_ / name);
    // Animation frames carry no flavour lines and no closing brace.
    EXPECT_EQ(text.rfind("\\beginpicture\r\n", 0), 0u) << name;
    EXPECT_EQ(text.substr(text.size() - 13), "\\endpicture\r\n") << name;
  }
  EXPECT_FALSE(std::filesystem::exists(folder_ / "my.pic10.tex"));
  EXPECT_EQ(ReadText(folder_ / "my.picANIM.tex"), AnimationTeXList(Path("my.pic"), 10));
  EXPECT_NE(ReadText(folder_ / "my.picANIM.tex").find("\\input{my.pic09}\r\n"), std::string::npos);
  w.Destroy();
}

TEST_F(ExportSequence, AListThatCannotBeWrittenIsReportedAndTheFramesStay) {
  ExportWindow w;
  w.exports.animationMode = 1;
  std::filesystem::create_directories(folder_ / "picANIM.tex" / "taken");
  ScriptedResponder script;
  script.ChooseFile(Path("pic.tex"));
  ConfirmSetUp(script, 3);
  script.AnswerMessage(IDOK).AnswerMessage(IDOK);
  w.DispatchCommand(kCmdExportPiCTeX);
  EXPECT_TRUE(script.Unexpected().empty());
  ASSERT_EQ(script.Messages(), (std::vector<std::string>{CannotSave(), Saved()}));
  // The message names the list.
  EXPECT_EQ(script.shown()[script.shown().size() - 2].caption, Path("picANIM.tex"));
  for (const char* name : {"pic0.tex", "pic1.tex", "pic2.tex"}) EXPECT_TRUE(std::filesystem::exists(folder_ / name));
  w.Destroy();
}

TEST_F(ExportSequence, AFailedPictureKeepsTheOldFileAndWritesNoList) {
  ExportWindow w;
  w.exports.animationMode = 1;
  std::ofstream(folder_ / "pic0.tex") << "old";
  w.fileMsg.noOverwriteQuestion = 1;
  w.failPicture = true;
  ScriptedResponder script;
  script.ChooseFile(Path("pic.tex"));
  ConfirmSetUp(script, 3);
  script.AnswerMessage(IDOK);
  w.DispatchCommand(kCmdExportPiCTeX);
  EXPECT_TRUE(script.Unexpected().empty());
  EXPECT_EQ(script.Messages(), std::vector<std::string>{CannotSave()});
  EXPECT_EQ(ReadText(folder_ / "pic0.tex"), "old");
  EXPECT_EQ(w.passes.size(), 1u);  // the export ends at the first failed frame
  EXPECT_FALSE(std::filesystem::exists(folder_ / "picANIM.tex"));
  EXPECT_FALSE(std::filesystem::exists(folder_ / "pic1.tex"));
  EXPECT_EQ(w.exports.running, ExportKind::None);
  // The base name keeps its folder after a failure.
  EXPECT_EQ(w.exports.basePaths[KindIndex(ExportKind::PiCTeX)], Path("pic"));
  w.Destroy();
}

TEST_F(ExportSequence, AnExistingFileIsReplacedOnlyWhenTheUserAgrees) {
  ExportWindow w;
  std::ofstream(folder_ / "pic.tex") << "old";
  {
    ScriptedResponder script;
    script.ChooseFile(Path("pic.tex"));
    ConfirmSetUp(script);
    script.OnDialog("YNMBOX", [](platform::Dialog& d) { d.PressButton(shell::kNoButton); });
    script.AnswerMessage(IDOK);
    w.DispatchCommand(kCmdExportPiCTeX);
    EXPECT_TRUE(script.Unexpected().empty());
    EXPECT_EQ(script.Messages(), std::vector<std::string>{CannotSave()});
    EXPECT_EQ(ReadText(folder_ / "pic.tex"), "old");
  }
  {
    ScriptedResponder script;
    script.ChooseFile(Path("pic.tex"));
    ConfirmSetUp(script);
    script.OnDialog("YNMBOX", [](platform::Dialog& d) { d.PressButton(shell::kYesButton); });
    script.AnswerMessage(IDOK);
    w.DispatchCommand(kCmdExportPiCTeX);
    EXPECT_TRUE(script.Unexpected().empty());
    EXPECT_NE(ReadText(folder_ / "pic.tex"), "old");
  }
  w.Destroy();
}

// A format of another kind, to see what reaches it after a PiCTeX animation.
class PlainFormat : public ExportFormat {
 public:
  ExportKind Kind() const override { return ExportKind::EPS; }
  std::string Extension() const override { return "eps"; }
  std::string Filters() const override { return "EPS|*.eps"; }
  int SavedStringId() const override { return 88; }
  bool AskOptions(TQELWing& window, ExportRun& run) override {
    run.frames = window.exports.eps.frames;
    return true;
  }
  std::unique_ptr<ExportPainter> MakePainter(TQELWing& window, const ExportRun&, int, ExportOutput& output) override {
    PiCTeXPicture picture;
    picture.decimals = 2;
    return std::make_unique<PiCTeXPainter>(window.mapping, output, picture);
  }
};

TEST_F(ExportSequence, EachExportStartsFromItsOwnSettings) {
  ExportWindow w(401, 201);
  w.exports.animationMode = 1;
  w.SetSquareView({2, 0}, 10);
  {
    ScriptedResponder script;
    script.ChooseFile(Path("anim.tex"));
    ConfirmSetUp(script, 3);
    script.AnswerMessage(IDOK);
    w.DispatchCommand(kCmdExportPiCTeX);
    EXPECT_TRUE(script.Unexpected().empty());
  }
  // The animation's frames are scaled about the view centre: (1, 0) lies at (1 - 2) x 5 / 10.
  EXPECT_NE(ReadText(folder_ / "anim0.tex").find("\\putrule from -1.50 0.00 to -0.50 0.00\r\n"), std::string::npos);
  {
    ScriptedResponder script;
    script.ChooseFile(Path("single.tex"));
    ConfirmSetUp(script);  // "pages" left unchecked
    script.AnswerMessage(IDOK);
    w.DispatchCommand(kCmdExportPiCTeX);
    EXPECT_TRUE(script.Unexpected().empty());
  }
  EXPECT_NE(ReadText(folder_ / "single.tex").find("\\putrule from -1.00 0.00 to 1.00 0.00\r\n"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(folder_ / "single0.tex"));
  {
    ScriptedResponder script;
    script.ChooseFile(Path("plain.EPS")).AnswerMessage(IDOK);
    PlainFormat format;
    EXPECT_TRUE(RunExport(w, format));
    EXPECT_TRUE(script.Unexpected().empty());
  }
  EXPECT_NE(ReadText(folder_ / "plain.eps").find("\\putrule from -1.00 0.00 to 1.00 0.00\r\n"), std::string::npos);
  EXPECT_EQ(w.passes.back().frame.kind, ExportKind::EPS);
  EXPECT_EQ(w.passes.back().frame.frames, 1);
  w.Destroy();
}

TEST_F(ExportSequence, TheCommandFollowsItsEnabler) {
  ExportWindow w;
  EXPECT_TRUE(w.QueryCommand(kCmdExportPiCTeX).enabled);
  w.exports.enabled[KindIndex(ExportKind::PiCTeX)] = 0;
  EXPECT_FALSE(w.QueryCommand(kCmdExportPiCTeX).enabled);
  EXPECT_EQ(ExportCommandKind(kCmdExportPiCTeX), ExportKind::PiCTeX);
  EXPECT_EQ(ExportCommandKind(kCmdExportPiCTeX + 1), ExportKind::None);
  EXPECT_EQ(MakeExportFormat(kCmdExportPiCTeX + 1), nullptr);
  w.Destroy();
}

}  // namespace
