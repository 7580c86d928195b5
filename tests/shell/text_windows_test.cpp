// The text windows driven by their commands: search, text files, printing to a PDF file, the
// paged text window's sections, the data window's format and the notebook.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "shell/data_win.h"
#include "shell/note_win.h"
#include "shell/page_win.h"
#include "shell/pre_text_win.h"
#include "shell/pre_win.h"
#include "shell/text_printout.h"
#include "kernel/file_bytes.h"
#include "platform/application.h"
#include "resources/resource_library.h"
#include "platform/scripted_responder.h"

using namespace shell;
using platform::IDOK;
using platform::ScriptedResponder;

namespace {

constexpr int kOneInputEdit = 211;

class TextWindows : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("kvtext" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override {
    platform::Application::ProcessPendingEvents();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  std::string Path(const char* name) const { return (folder_ / name).string(); }

  // A created text window (not shown).
  std::unique_ptr<TTextWin> TextWindow(std::string_view text) {
    auto window = std::make_unique<TTextWin>(nullptr, "notes", Path("notes.txt"), text, 4);
    window->Create();
    return window;
  }

  std::filesystem::path folder_;
};

std::pair<int, int> Selected(TPreTextWin& window) { return window.editor().Selection(); }

// The output of pdftotext with the given options.
std::string PdfToText(const std::string& path, const std::string& options) {
  std::string text;
  FILE* pipe = ::popen(("pdftotext " + options + " '" + path + "' - 2>/dev/null").c_str(), "r");
  if (!pipe) return text;
  char buffer[4096];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) text.append(buffer, n);
  ::pclose(pipe);
  return text;
}

struct PdfWord {
  int page = 0;
  double xMax = 0, yMax = 0;
  std::string text;
};

// Every word of the PDF with its box, in points from the page's upper left corner.
std::vector<PdfWord> PdfWords(const std::string& path) {
  const std::string html = PdfToText(path, "-bbox");
  std::vector<PdfWord> words;
  int page = 0;
  const std::regex token(R"re(<page |<word xMin="[^"]*" yMin="[^"]*" xMax="([^"]*)" yMax="([^"]*)">([^<]*)</word>)re");
  for (auto it = std::sregex_iterator(html.begin(), html.end(), token); it != std::sregex_iterator(); ++it) {
    if ((*it)[0].str() == "<page ") {
      ++page;
      continue;
    }
    words.push_back({page, std::stod((*it)[1].str()), std::stod((*it)[2].str()), (*it)[3].str()});
  }
  return words;
}

}  // namespace

TEST_F(TextWindows, SearchGoesOnFromTheCaretAndStartsOverAfterTheLastHit) {
  auto window = TextWindow("abc\r\nxABC abc");
  EXPECT_FALSE(window->QueryCommand(kCmdSearchNext).enabled);
  ScriptedResponder script;
  script.FillAndPress("ONEINPUT", {{kOneInputEdit, "ABC"}}, IDOK);
  window->DispatchCommand(kCmdSearch);
  EXPECT_EQ(Selected(*window), std::make_pair(0, 3));  // ABC finds abc
  EXPECT_EQ(window->preText.lastSearch, "ABC");
  window->DispatchCommand(kCmdSearchNext);
  EXPECT_EQ(Selected(*window), std::make_pair(6, 9));
  window->DispatchCommand(kCmdSearchNext);
  EXPECT_EQ(Selected(*window), std::make_pair(10, 13));
  script.AnswerMessage(IDOK);
  window->DispatchCommand(kCmdSearchNext);
  EXPECT_EQ(script.Messages().back(), "could not find");
  EXPECT_EQ(Selected(*window), std::make_pair(0, 0));
  window->DispatchCommand(kCmdSearchNext);  // starts over at the top
  EXPECT_EQ(Selected(*window), std::make_pair(0, 3));

  // The whole text is found from the caret at 0; an empty answer is nothing to do.
  window->DispatchCommand(kCmdRestartAtTop);
  EXPECT_TRUE(window->Search("ABC\r\nxabc abc", false));
  script.FillAndPress("ONEINPUT", {{kOneInputEdit, ""}}, IDOK).AnswerMessage(IDOK);
  window->DispatchCommand(kCmdSearch);
  EXPECT_EQ(script.Messages().back(), "nothing to do");
  EXPECT_TRUE(script.Unexpected().empty());
}

TEST_F(TextWindows, ASavedTextIsTheTextAndOneNulByte) {
  auto window = TextWindow("one\r\ntwo");
  window->editor().SetSelection(8, 8);
  window->editor().ReplaceSelection("\r\nthree");
  EXPECT_TRUE(window->IsModified());
  EXPECT_TRUE(window->QueryCommand(kCmdFileSave).enabled);
  const std::string path = Path("saved.txt");
  ScriptedResponder script;
  script.ChooseFile(path);
  window->DispatchCommand(kCmdFileSaveAs);
  EXPECT_TRUE(script.Unexpected().empty());
  EXPECT_FALSE(window->IsModified());
  const std::string expected("one\r\ntwo\r\nthree\0", 16);
  EXPECT_EQ(kernel::ReadFileBytes(path), kernel::Bytes(expected.begin(), expected.end()));

  // A file that cannot be written is reported once; the text stays modified.
  window->editor().ReplaceSelection("!");
  script.ChooseFile(Path("no/such/folder/x.txt")).AnswerMessage(IDOK);
  window->DispatchCommand(kCmdFileSaveAs);
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"cannot save file"});
  EXPECT_TRUE(window->IsModified());

  auto reader = TextWindow("");
  script.ChooseFile(path);
  reader->DispatchCommand(kCmdFileOpen);
  EXPECT_EQ(reader->preText.text, "one\r\ntwo\r\nthree");
  EXPECT_EQ(reader->editor().Text(), "one\r\ntwo\r\nthree");
  EXPECT_TRUE(reader->fileMsg.named);
  EXPECT_EQ(reader->Caption(), "saved");
}

TEST_F(TextWindows, LongAndForeignFilesAreCutAndGetCrLfLineEnds) {
  const std::string big = Path("big.txt");
  ASSERT_TRUE(kernel::WriteFileAtomically(big, kernel::Bytes(70000, 'x')));
  const std::string unix = Path("unix.txt");
  const std::string lf = "a\nb\n";
  ASSERT_TRUE(kernel::WriteFileAtomically(unix, kernel::Bytes(lf.begin(), lf.end())));

  auto window = TextWindow("kept");
  ScriptedResponder script;
  script.ChooseFile(big).ChooseFile(unix).ChooseFile(Path("missing.txt")).AnswerMessage(IDOK);
  window->DispatchCommand(kCmdFileOpen);
  EXPECT_EQ(window->editor().Length(), kTextLimit);
  EXPECT_EQ(window->preText.text.size(), static_cast<std::size_t>(kTextLimit));
  window->DispatchCommand(kCmdFileOpen);
  EXPECT_EQ(window->editor().Text(), "a\r\nb\r\n");
  window->DispatchCommand(kCmdFileOpen);
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"cannot open file"});
  EXPECT_EQ(window->editor().Text(), "a\r\nb\r\n");
  EXPECT_EQ(window->fileMsg.fileName, unix);

  // A text given at construction is cut too.
  const std::string given(64010, 'y');
  auto cut = TextWindow(given);
  EXPECT_EQ(cut->preText.text.size(), static_cast<std::size_t>(kTextLimit));
}

TEST_F(TextWindows, MinusSignsAndEditingCommands) {
  auto window = TextWindow("a-b - c");
  ScriptedResponder script;
  script.FillAndPress("ONEINPUT", {{kOneInputEdit, "1"}}, IDOK).AnswerMessage(IDOK);
  window->DispatchCommand(kCmdMinusSigns);
  EXPECT_EQ(script.Messages().back(), "cannot understand");
  EXPECT_EQ(window->preText.text, "a-b - c");
  script.FillAndPress("ONEINPUT", {}, IDOK);  // the offered 150: the en dash
  window->DispatchCommand(kCmdMinusSigns);
  EXPECT_EQ(window->editor().Text(), "a\x96" "b \x96 c");
  EXPECT_TRUE(window->IsModified());

  EXPECT_FALSE(window->QueryCommand(kCmdCopyText).enabled);
  window->DispatchCommand(kCmdSelectAll);
  EXPECT_EQ(Selected(*window), std::make_pair(0, 7));
  EXPECT_TRUE(window->QueryCommand(kCmdCutText).enabled);
  window->DispatchCommand(kCmdCutText);
  EXPECT_EQ(window->preText.text, "");
  EXPECT_TRUE(window->QueryCommand(kCmdPasteText).enabled);
  window->DispatchCommand(kCmdPasteText);
  window->DispatchCommand(kCmdPasteText);
  EXPECT_EQ(window->preText.text, "a\x96" "b \x96 c" "a\x96" "b \x96 c");
  EXPECT_TRUE(script.Unexpected().empty());
}

TEST_F(TextWindows, PrintingPutsOneLinePerLineEndAndAFormFeedStartsAPage) {
  std::string text = "first line\r\nsecond line\nthird line\r\n\ffourth line\r\n";
  auto window = TextWindow(text);
  const std::string pdf = Path("short.pdf");
  ScriptedResponder script;
  platform::PrintDialogAnswer answer;
  answer.pdfFile = pdf;
  script.ChoosePrinter(answer);
  window->DispatchCommand(kCmdPrintText);
  EXPECT_TRUE(script.Unexpected().empty());
  const std::string printed = PdfToText(pdf, "-layout");
  const std::size_t formFeed = printed.find('\f');
  ASSERT_NE(formFeed, std::string::npos);
  const std::string firstPage = printed.substr(0, formFeed);
  EXPECT_NE(firstPage.find("first line"), std::string::npos);
  EXPECT_NE(firstPage.find("second line"), std::string::npos);
  EXPECT_LT(firstPage.find("second line"), firstPage.find("third line"));
  EXPECT_NE(printed.find("fourth line", formFeed), std::string::npos);
  EXPECT_EQ(printed.find("fourth line"), printed.rfind("fourth line"));
}

TEST_F(TextWindows, PrintedPagesStayAboveTheBottomMarginAndWithinTheWidth) {
  std::string text;
  for (int i = 0; i < 120; ++i) text += "row" + std::to_string(i) + "\r\n";
  for (int i = 0; i < 200; ++i) text += "word" + std::to_string(i) + " ";  // one long paragraph
  auto window = TextWindow(text);
  window->printFormat.horizontalOffset = 1.0;
  window->printFormat.verticalOffset = 1.0;
  const std::string pdf = Path("long.pdf");
  ScriptedResponder script;
  platform::PrintDialogAnswer answer;
  answer.pdfFile = pdf;
  script.ChoosePrinter(answer);
  window->DispatchCommand(kCmdPrintText);

  const std::vector<PdfWord> words = PdfWords(pdf);
  // A4 is taller than 9 inches: lines from the top margin down to 10 inches.
  const double bottom = 10 * 72.0;
  const double pageWidth = 595.0;
  int rows = 0, paragraphWords = 0, pages = 0;
  double lowestOnFirstPage = 0;
  for (const PdfWord& word : words) {
    EXPECT_LE(word.yMax, bottom + 1) << word.text;
    EXPECT_LE(word.xMax, pageWidth) << word.text;
    pages = std::max(pages, word.page);
    if (word.page == 1) lowestOnFirstPage = std::max(lowestOnFirstPage, word.yMax);
    if (word.text.rfind("row", 0) == 0) ++rows;
    if (word.text.rfind("word", 0) == 0) ++paragraphWords;
  }
  EXPECT_EQ(rows, 120);
  EXPECT_EQ(paragraphWords, 200);  // wrapped, not lost
  EXPECT_GE(pages, 3);
  EXPECT_GT(lowestOnFirstPage, bottom - 30);  // the page is filled down to its margin
}

TEST_F(TextWindows, ThePrintoutKeepsItsMarginsAndStopsAtTheEnd) {
  TTextout printout(0.1, -2, "t", "a\r", kernel::FontRecord{}, 12);
  EXPECT_EQ(printout.left(), kMinimumPrintMargin);
  EXPECT_EQ(printout.top(), kMinimumPrintMargin);
  EXPECT_TRUE(printout.HasPage(1));
  EXPECT_FALSE(printout.HasPage(-1));
  EXPECT_FALSE(TTextout(1, 1, "t", "", kernel::FontRecord{}, 12).HasPage(1));
  EXPECT_EQ(UsablePrintHeight(200, 1), 6.5L);  // a page of at most 9 inches
  EXPECT_EQ(UsablePrintHeight(280, 1), 9.0L);
}

TEST_F(TextWindows, ThePagedWindowShowsOneSectionAtATime) {
  auto window = std::make_unique<TPageWin>(nullptr, "history", Path("history.txt"), std::string(32000, 'a'), 4);
  window->Create();
  EXPECT_EQ(window->SectionBreaks(), 0);
  for (const int id : {kCmdSectionBack, kCmdSectionJump, kCmdSectionForward})
    EXPECT_FALSE(window->QueryCommand(id).enabled) << id;

  window->NewLargeText(100000);
  EXPECT_EQ(window->preText.text, "new large text");
  std::string text(32001, 'b');
  text[99] = '\r';
  text[100] = '\n';
  text += std::string(31000, 'c');
  window->preText.text = text;
  window->SplitPages();
  window->ShowText();
  ASSERT_EQ(window->SectionBreaks(), 2);
  EXPECT_EQ(window->pageWin.sectionStarts[1], 101u);
  EXPECT_EQ(window->editor().Length(), 101);
  EXPECT_FALSE(window->QueryCommand(kCmdSectionBack).enabled);
  EXPECT_TRUE(window->QueryCommand(kCmdSectionJump).enabled);
  EXPECT_TRUE(window->QueryCommand(kCmdSectionForward).enabled);

  window->DispatchCommand(kCmdSectionForward);
  EXPECT_EQ(window->pageWin.current, 1);
  EXPECT_TRUE(window->QueryCommand(kCmdSectionBack).enabled);
  EXPECT_EQ(window->editor().Length(), 32000);

  // Jump takes 1 to B + 1; other answers change nothing.
  ScriptedResponder script;
  std::string prompt;
  script.OnDialog("ONEINPUT", [&prompt](platform::Dialog& d) {
    prompt = d.GetItemText(231);
    EXPECT_EQ(d.GetItemText(kOneInputEdit), "2");
    d.SetItemText(kOneInputEdit, "0");
    d.PressButton(IDOK);
  });
  for (const char* answer : {"-1", "4", "3"}) script.FillAndPress("ONEINPUT", {{kOneInputEdit, answer}}, IDOK);
  window->DispatchCommand(kCmdSectionJump);
  EXPECT_EQ(prompt, "section [1 ... 3]");
  window->DispatchCommand(kCmdSectionJump);
  window->DispatchCommand(kCmdSectionJump);
  EXPECT_EQ(window->pageWin.current, 1);
  window->DispatchCommand(kCmdSectionJump);
  EXPECT_EQ(window->pageWin.current, 2);
  EXPECT_FALSE(window->QueryCommand(kCmdSectionForward).enabled);
  EXPECT_TRUE(script.Unexpected().empty());

  // Editing the shown section keeps the rest of the text.
  window->editor().SetSelection(0, 0);
  window->editor().ReplaceSelection("new");
  window->DispatchCommand(kCmdRestartAtTop);
  EXPECT_TRUE(window->Search("newc", false));
  EXPECT_EQ(window->preText.text, text.substr(0, 32101) + "new" + text.substr(32101));
  window->DispatchCommand(kCmdSectionBack);
  EXPECT_EQ(window->editor().Text(), std::string(window->Section(1)));
}

namespace {
// An owner that counts the listings it is asked for.
class ListingOwner : public TPreWin {
 public:
  ListingOwner() : TPreWin(nullptr, "fig") {}
  void ListingText(int row) override { rows.push_back(row); }
  std::vector<int> rows;
};
}  // namespace

TEST_F(TextWindows, TheDataWindowsFormatAsksItsOwnerForANewListing) {
  ListingOwner owner;
  auto* data = new TDataWin(&owner, "data", "data.txt", "x 1.00000", 4);
  data->Create();
  EXPECT_EQ(data->numberFormat.fieldWidth, 12);
  ScriptedResponder script;
  script.FillAndPress("FWDPTAB", {{211, "3"}, {212, "9"}}, IDOK);
  script.FillAndPress("FWDPTAB", {{211, "4"}}, platform::IDCANCEL);
  data->DispatchCommand(kCmdDecimals);
  EXPECT_EQ(owner.rows, std::vector<int>{kWholeListing});
  EXPECT_EQ(data->numberFormat.decimals, 3);
  EXPECT_EQ(data->numberFormat.fieldWidth, 9);  // its own, not decimals + 2
  data->DispatchCommand(kCmdDecimals);
  EXPECT_EQ(owner.rows.size(), 1u);
  EXPECT_TRUE(script.Unexpected().empty());
  owner.Destroy();
}

