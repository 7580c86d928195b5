// The PiCTeX set-up dialog and the export settings dialog: what they show, what they refuse and
// that a refusal stores nothing.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/modal_responder.h"
#include "platform/scripted_responder.h"
#include "resources/resource_library.h"
#include "export_window.h"
#include "view/export_settings_dlg.h"
#include "view/pictex_dlg.h"

using namespace view;
using kernel::Real;
using platform::IDCANCEL;
using platform::IDOK;
using platform::ScriptedResponder;

namespace {

std::string Message(int n) { return resources::LoadString(400 + n); }

// The PiCTeX dialog's variables.
struct TeXFields {
  int format = kTeXStandalone;
  int box = 1;
  int frames = 2;
  Real width = 8;
  std::string parameter = "old";
};

// Runs the PiCTeX dialog: the edits are set (and "pages" checked when asked), then OK; a refusal
// is answered and the dialog cancelled. The messages shown are returned.
std::vector<std::string> RunTeX(ExportWindow& w, TeXFields& f, std::map<int, std::string> texts, int flavour,
                                bool pages, int& result) {
  ScriptedResponder script;
  script.OnDialog("PICTEX", [&](platform::Dialog& d) {
    if (pages) d.PressButton(kTeXPagesCheck);
    if (flavour >= 0) d.PressButton(kTeXFirstFlavour + flavour);
    for (const auto& [id, text] : texts) d.SetItemText(id, text);
    d.PressButton(IDOK);
  });
  script.AnswerMessage(IDOK);
  TTeXDlg dialog(&w, &f.format, &f.box, &f.frames, &f.width, &f.parameter);
  result = dialog.Execute();
  return script.Messages();
}

TEST(ExportDialogs, ThePiCTeXDialogShowsTheCurrentSettings) {
  ExportWindow w;
  TeXFields f;
  f.format = kTeXCompilable;
  f.width = 12.345L;
  ScriptedResponder script;
  std::map<int, std::string> shown;
  std::map<int, bool> visible;
  script.OnDialog("PICTEX", [&](platform::Dialog& d) {
    for (const int id : {kTeXWidthEdit, kTeXBoxEdit, kTeXFramesEdit, kTeXParameterEdit, kTeXWhitespaceEdit})
      shown[id] = d.GetItemText(id);
    for (const int id : {kTeXPagesCheck, kTeXFramesEdit, kTeXParameterEdit, kTeXWhitespaceEdit, kTeXWhitespaceLabel})
      visible[id] = d.IsItemShown(id);
    EXPECT_TRUE(d.IsChecked(kTeXFirstFlavour + kTeXCompilable));
    EXPECT_FALSE(d.IsChecked(kTeXFirstFlavour));
    EXPECT_FALSE(d.IsChecked(kTeXPagesCheck));
    d.PressButton(IDCANCEL);
  });
  TTeXDlg dialog(&w, &f.format, &f.box, &f.frames, &f.width, &f.parameter);
  EXPECT_EQ(dialog.Execute(), IDCANCEL);
  EXPECT_EQ(shown[kTeXWidthEdit], "12.35");
  EXPECT_EQ(shown[kTeXBoxEdit], "1");
  EXPECT_EQ(shown[kTeXFramesEdit], "2");
  EXPECT_EQ(shown[kTeXParameterEdit], "old");
  EXPECT_EQ(shown[kTeXWhitespaceEdit], "0.0");
  // Without animation there are no pages; the whitespace field never shows.
  for (const auto& [id, shownNow] : visible) EXPECT_FALSE(shownNow) << id;
  w.Destroy();
}

TEST(ExportDialogs, ThePiCTeXDialogChecksEveryFieldBeforeStoringAny) {
  ExportWindow w;
  const struct {
    const char* what;
    std::map<int, std::string> texts;
    int flavour;
    int mode;
    bool pages;
    int message;  // 0: accepted
  } cases[] = {
      {"a width of 0.1 passes", {{kTeXWidthEdit, "0.1"}}, -1, 0, false, 0},
      {"a width of 0.09 is inconsistent", {{kTeXWidthEdit, "0.09"}}, 2, 0, false, 6},
      {"a width that is no number", {{kTeXWidthEdit, "nan"}}, -1, 0, false, 6},
      {"box 256 for TeX standalone", {{kTeXBoxEdit, "256"}}, 0, 0, false, 17},
      {"box -1 for LaTeX2e standalone", {{kTeXBoxEdit, "-1"}}, 1, 0, false, 17},
      {"box 256 for TeX compilable", {{kTeXBoxEdit, "256"}}, 2, 0, false, 0},
      {"1000000 frames", {{kTeXFramesEdit, "1000000"}}, -1, 1, true, 17},
      {"no frames", {{kTeXFramesEdit, "0"}}, -1, 1, true, 6},
      {"a bad box and no frames: the later test speaks", {{kTeXBoxEdit, "300"}, {kTeXFramesEdit, "0"}}, 0, 1,
       true, 6},
      {"a parameter the window does not know", {{kTeXFramesEdit, "5"}, {kTeXParameterEdit, "zz"}}, -1, 1, true, 2},
      {"the frames field is not read without pages", {{kTeXFramesEdit, "0"}}, -1, 1, false, 0},
  };
  for (const auto& c : cases) {
    w.exports.animationMode = c.mode;
    w.control = std::string(c.texts.count(kTeXParameterEdit) ? c.texts.at(kTeXParameterEdit) : "") == "zz" ? 0 : 3;
    w.exports.animationControl = -5;
    TeXFields f;
    int result = 0;
    const std::vector<std::string> messages = RunTeX(w, f, c.texts, c.flavour, c.pages, result);
    if (c.message == 0) {
      EXPECT_EQ(result, IDOK) << c.what;
      EXPECT_TRUE(messages.empty()) << c.what;
      continue;
    }
    EXPECT_EQ(result, IDCANCEL) << c.what;
    EXPECT_EQ(messages, std::vector<std::string>{Message(c.message)}) << c.what;
    // Nothing was stored.
    EXPECT_EQ(f.format, kTeXStandalone) << c.what;
    EXPECT_EQ(f.width, 8) << c.what;
    EXPECT_EQ(f.frames, 2) << c.what;
    EXPECT_EQ(f.parameter, "old") << c.what;
    EXPECT_EQ(w.exports.animationControl, -5) << c.what;
  }
  w.Destroy();
}

TEST(ExportDialogs, ThePiCTeXDialogStoresWhatWasConfirmed) {
  ExportWindow w;
  w.exports.animationMode = 1;
  w.control = 4;
  TeXFields f;
  int result = 0;
  const std::string longText(50, 'p');
  EXPECT_TRUE(RunTeX(w, f,
                     {{kTeXWidthEdit, "10.5"}, {kTeXBoxEdit, "3"}, {kTeXFramesEdit, "12"}, {kTeXParameterEdit, longText}},
                     kTeXInsertable, true, result)
                  .empty());
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(f.format, kTeXInsertable);
  EXPECT_EQ(f.box, 3);
  EXPECT_EQ(f.frames, 12);
  EXPECT_EQ(f.width, 10.5L);
  EXPECT_EQ(f.parameter, std::string(40, 'p'));  // what the buffer holds
  EXPECT_EQ(w.exports.animationControl, 4);
  // Without pages one frame, and no control value.
  RunTeX(w, f, {}, -1, false, result);
  EXPECT_EQ(f.frames, 1);
  EXPECT_EQ(w.exports.animationControl, 0);
  // The window's own animation: its default control value, and no parameter field.
  w.exports.animationMode = 2;
  ScriptedResponder script;
  script.OnDialog("PICTEX", [](platform::Dialog& d) {
    d.PressButton(kTeXPagesCheck);
    EXPECT_TRUE(d.IsItemShown(kTeXFramesEdit));
    EXPECT_FALSE(d.IsItemShown(kTeXParameterEdit));
    d.PressButton(kTeXPagesCheck);
    EXPECT_FALSE(d.IsItemShown(kTeXFramesEdit));
    d.PressButton(IDCANCEL);
  });
  TTeXDlg dialog(&w, &f.format, &f.box, &f.frames, &f.width, &f.parameter);
  EXPECT_EQ(dialog.Execute(), IDCANCEL);
  w.Destroy();
}

TEST(ExportDialogs, TheSettingsDialogOfEachExport) {
  ExportWindow w;
  const struct {
    int kind;
    const char* caption;
    bool size;
  } kinds[] = {{kSettingsForMetafile, "EMF settings", false},
               {kSettingsForBMP, "BMP settings", false},
               {kSettingsForSVG, "SVG settings", true},
               {kSettingsForEPS, "EPS settings", false}};
  for (const auto& k : kinds) {
    ScriptedResponder script;
    script.OnDialog("SVG", [&k](platform::Dialog& d) {
      EXPECT_EQ(d.Caption(), k.caption);
      EXPECT_EQ(d.GetItemText(kSettingsWidthLabel), "width");
      EXPECT_EQ(d.GetItemText(kSettingsPagesCheck), "number of pages");
      EXPECT_EQ(d.GetItemText(1), "ok");
      EXPECT_EQ(d.IsItemShown(kSettingsWidthEdit), k.size);
      EXPECT_EQ(d.IsItemShown(kSettingsHeightLabel), k.size);
      EXPECT_EQ(d.GetItemText(kSettingsWidthEdit), "400");
      EXPECT_FALSE(d.IsItemShown(kSettingsPagesCheck));
      EXPECT_FALSE(d.IsItemShown(kSettingsParameterEdit));
      // Too small a picture matters to SVG only.
      d.SetItemText(kSettingsWidthEdit, "9");
      d.PressButton(IDOK);
    });
    if (k.size) script.AnswerMessage(IDOK);
    int frames = 5;
    std::string parameter = "p";
    TSVGDlg dialog(&w, k.kind, &frames, &parameter);
    EXPECT_EQ(dialog.Execute(), k.size ? IDCANCEL : IDOK) << k.caption;
    EXPECT_EQ(script.Messages(), k.size ? std::vector<std::string>{Message(17)} : std::vector<std::string>{});
    EXPECT_EQ(frames, k.size ? 5 : 1);
    EXPECT_EQ(w.exports.svgWidth, 400);
  }
  w.Destroy();
}

TEST(ExportDialogs, TheSettingsDialogChecksFramesAndTheParameter) {
  ExportWindow w;
  w.exports.animationMode = 1;
  w.control = 0;  // the window knows no parameter
  const struct {
    const char* frames;
    int message;
  } cases[] = {{"0", 6}, {"1000000", 17}, {"3", 2}, {"1", 0}};
  for (const auto& c : cases) {
    ScriptedResponder script;
    script.OnDialog("SVG", [&c](platform::Dialog& d) {
      d.PressButton(kSettingsPagesCheck);
      EXPECT_TRUE(d.IsItemShown(kSettingsFramesEdit));
      EXPECT_TRUE(d.IsItemShown(kSettingsParameterEdit));
      d.SetItemText(kSettingsFramesEdit, c.frames);
      d.SetItemText(kSettingsParameterEdit, "q");
      d.SetItemText(kSettingsWidthEdit, "640");
      d.SetItemText(kSettingsHeightEdit, "480");
      d.PressButton(IDOK);
    });
    if (c.message) script.AnswerMessage(IDOK);
    int frames = 5;
    std::string parameter = "p";
    TSVGDlg dialog(&w, kSettingsForSVG, &frames, &parameter);
    const int result = dialog.Execute();
    if (c.message) {
      EXPECT_EQ(result, IDCANCEL) << c.frames;
      EXPECT_EQ(script.Messages(), std::vector<std::string>{Message(c.message)}) << c.frames;
      EXPECT_EQ(frames, 5);
      EXPECT_EQ(parameter, "p");
      EXPECT_EQ(w.exports.svgWidth, 400);
    } else {
      // One frame needs no parameter the window knows.
      EXPECT_EQ(result, IDOK);
      EXPECT_EQ(frames, 1);
      EXPECT_EQ(parameter, "q");
      EXPECT_EQ(w.exports.svgWidth, 640);
      EXPECT_EQ(w.exports.svgHeight, 480);
    }
  }
  w.Destroy();
}

}  // namespace
