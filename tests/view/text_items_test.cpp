// The text layer of the picture windows: placing, editing and deleting texts through the text
// dialogs, frame-tied texts on a zoom, dragging with the mouse, home positions, the text commands,
// and texts with special characters in every export.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "export_readers.h"
#include "platform/application.h"
#include "platform/bitmap.h"
#include "platform/dc.h"
#include "platform/scripted_responder.h"
#include "shell/msg_dlg.h"
#include "text_window.h"
#include "view/dc_figure_painter.h"
#include "view/eps_painter.h"
#include "view/export_output.h"
#include "view/pictex_painter.h"
#include "view/qel_wint.h"
#include "view/svg_painter.h"
#include "view/text_hit.h"
#include "view/text_item_dlg.h"

using namespace view;
using platform::PointI;
using platform::ScriptedResponder;

namespace {

platform::MouseEvent Mouse(int x, int y) {
  platform::MouseEvent e;
  e.x = x;
  e.y = y;
  return e;
}

}  // namespace

TEST(TextItems, TheTextDialogPlacesTextsWithTheirAngles) {
  TextWindow window;
  struct Case {
    const char* typed;
    int tenths;
  };
  const Case cases[] = {{"400", 400}, {"-30", -300}, {"90", 900}};
  int n = 0;
  for (const Case& c : cases) {
    ScriptedResponder script;
    script.FillAndPress("NEWTEXT", {{kTextEdit, "text"}, {kAngleEdit, c.typed}}, 1);
    const PointI at{50 + 100 * n, 60};
    window.EditText(at);
    EXPECT_TRUE(script.Unexpected().empty());
    ASSERT_EQ(window.textItems.plain.size(), static_cast<std::size_t>(n + 1));
    const TextItem& item = window.textItems.plain.back();
    EXPECT_EQ(item.font.escapement, c.tenths) << c.typed;
    EXPECT_EQ(item.number, n) << "numbered after the last text";
    EXPECT_EQ(item.tie, kTieFigure);
    EXPECT_EQ(window.PixelOf(item), at);
    ++n;
  }
  EXPECT_EQ(window.fileMsg.modified, 1);
  // A text tied to the frame and with a dash code: the next text takes its tie.
  ScriptedResponder script;
  script.OnDialog("NEWTEXT", [](platform::Dialog& d) {
    d.SetItemText(kTextEdit, "a-b");
    d.CheckItem(kTieFigureRadio, false);
    d.CheckItem(kTieFrameRadio, true);
    d.CheckItem(kHyphenCheck, true);
    d.PressButton(1);
  });
  script.FillAndPress("NEWTEXT", {{kTextEdit, "next"}}, 1);
  window.EditText({300, 300});
  window.EditText({300, 400});
  const TextList& plain = window.textItems.plain;
  ASSERT_EQ(plain.size(), 5u);
  EXPECT_EQ(plain[3].text,
            "a\x96"
            "b")
      << "the default code 150";
  EXPECT_EQ(plain[3].tie, kTieFrame);
  EXPECT_EQ(plain[4].tie, kTieFrame);
  EXPECT_EQ(window.PixelOf(plain[4]), (PointI{300, 400}));
}

TEST(TextItems, EditingATextInPlaceAndDeletingItWithAnEmptyText) {
  TextWindow window;
  window.Add(window.textItems.plain, {100, 100}, "first");
  window.Add(window.textItems.plain, {100, 200}, "second");
  window.Draw();

  ScriptedResponder script;
  script.OnDialog("NEWTEXT", [](platform::Dialog& d) {
    EXPECT_EQ(d.GetItemText(kTextEdit), "second");
    d.SetItemText(kTextEdit, "changed");
    d.PressButton(1);
  });
  window.EditText({105, 205});
  ASSERT_EQ(window.textItems.plain.size(), 2u);
  EXPECT_EQ(window.textItems.plain[1].text, "changed");
  EXPECT_EQ(window.PixelOf(window.textItems.plain[1]), (PointI{100, 200})) << "stays where it was";

  script.FillAndPress("NEWTEXT", {{kTextEdit, ""}}, 1);
  window.EditText({103, 104});
  ASSERT_EQ(window.textItems.plain.size(), 1u);
  EXPECT_EQ(window.textItems.plain[0].text, "changed");
  EXPECT_EQ(window.textItems.plain[0].number, 0) << "renumbered";

  // An empty new text adds nothing; Cancel changes nothing.
  script.FillAndPress("NEWTEXT", {{kTextEdit, ""}}, 1).FillAndPress("NEWTEXT", {{kTextEdit, "x"}}, 2);
  window.EditText({300, 300});
  window.EditText({300, 300});
  EXPECT_EQ(window.textItems.plain.size(), 1u);
  EXPECT_TRUE(script.Unexpected().empty());
}

TEST(TextItems, EvaluatedTextsCheckTheirPlacesAndCanBeDeleted) {
  TextWindow window;
  window.SetCurrentTool(kCmdEvalTextTool);
  ScriptedResponder script;
  // Places outside 0 to 15 keep the dialog open with "out of bounds".
  script.OnDialog("NEWTEXT1", [](platform::Dialog& d) {
    d.SetItemText(kTextEdit, "AB");
    d.SetItemText(kFirstPlacesEdit, "16");
    d.PressButton(1);
    d.SetItemText(kFirstPlacesEdit, "4");
    d.PressButton(1);
  });
  script.AnswerMessage(platform::IDOK);
  window.EditText({100, 100});
  ASSERT_EQ(script.Messages().size(), 1u);
  EXPECT_EQ(script.Messages()[0], "out of bounds");
  ASSERT_EQ(window.textItems.evaluated.size(), 1u);
  EXPECT_EQ(window.textItems.evaluated[0].text, "X");
  window.Draw();

  script.OnDialog("NEWTEXT1", [](platform::Dialog& d) { d.PressButton(kDeleteButton); });
  window.EditText({103, 103});
  EXPECT_TRUE(window.textItems.evaluated.empty());
  EXPECT_TRUE(script.Unexpected().empty());
}

// A window with two objects a text can be tied to: 7 at (1, 2) and 9 at (-2, -1).
class ObjectWindow : public TextWindow {
 public:
  ObjectWindow() { textItems.objectsAvailable = 1; }
  kernel::Point2 ObjectPosition(int object) override {
    return object == 7 ? kernel::Point2{1, 2} : kernel::Point2{-2, -1};
  }
  void ObjectName(platform::Dialog& dialog, int listId, int tie) override {
    dialog.ListClear(listId);
    dialog.ListAdd(listId, "A");
    dialog.ListAdd(listId, "B");
    textItems.objectMap[0] = 7;
    textItems.objectMap[1] = 9;
    if (tie == 9) dialog.ListSelect(listId, 1);
  }
};

TEST(TextItems, TextsTiedToAnObjectAndTheirFont) {
  ObjectWindow window;
  ScriptedResponder script;
  script.OnDialog("NEWTEXT", [](platform::Dialog& d) {
    d.SetItemText(kTextEdit, "on B");
    d.CheckItem(kTieFigureRadio, false);
    d.CheckItem(kTieOtherRadio, true);
    d.PressButton(1);  // nothing chosen: "make a selection"
    d.ListSelect(kObjectList, 1);
    d.PressButton(kFontButton);
    d.PressButton(1);
  });
  script.AnswerMessage(platform::IDOK);
  platform::FontChoice font;
  font.font.face = "Courier New";
  font.font.height = -27;
  font.font.weight = 700;
  font.pointTenths = 205;
  font.color = platform::Color{0, 128, 255};
  script.ChooseFont(font);
  window.EditText({100, 100});
  EXPECT_TRUE(script.Unexpected().empty());
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"make a selection"});
  ASSERT_EQ(window.textItems.plain.size(), 1u);
  const TextItem& item = window.textItems.plain[0];
  EXPECT_EQ(item.tie, 9);
  // Stored relative to the object, so it stays where it was put.
  EXPECT_NEAR(item.x, window.XToWorld(100) + 2, 1e-12L);
  EXPECT_NEAR(item.y, window.YToWorld(100) + 1, 1e-12L);
  EXPECT_EQ(window.PixelOf(item), (PointI{100, 100}));
  EXPECT_EQ(item.font.faceName, "Courier New");
  EXPECT_EQ(item.font.weight, 700);
  EXPECT_EQ(TextItemSize(item), 20);
  EXPECT_EQ(item.color, kernel::Rgb(0, 128, 255));

  // Opened again on the text, the dialog shows its object.
  script.OnDialog("NEWTEXT", [](platform::Dialog& d) {
    EXPECT_TRUE(d.IsChecked(kTieOtherRadio));
    EXPECT_EQ(d.ListSelection(kObjectList), 1);
    d.PressButton(2);
  });
  window.Draw();
  window.EditText({103, 103});
  EXPECT_TRUE(script.Finished());
}

TEST(TextItems, FrameTiedTextsKeepTheirPlaceWhenTheViewZooms) {
  TextWindow window;
  window.Add(window.textItems.plain, {100, 150}, "frame", kTieFrame);
  window.Add(window.textItems.plain, {100, 150}, "figure", kTieFigure);
  window.DispatchCommand(kCmdZoomOut);
  EXPECT_NEAR(window.mapping.halfWidth, 5.5L, 1e-9L);
  const PointI frame = window.PixelOf(window.textItems.plain[0]);
  EXPECT_NEAR(frame.x, 100, 1);
  EXPECT_NEAR(frame.y, 150, 1);
  EXPECT_NE(window.PixelOf(window.textItems.plain[1]).x, 100) << "a figure text moves with the figure";
  // Last window brings both back.
  window.DispatchCommand(kCmdLastWindow);
  EXPECT_NEAR(window.PixelOf(window.textItems.plain[0]).x, 100, 1);
  EXPECT_EQ(window.PixelOf(window.textItems.plain[1]).x, 100);
  // So does the reset of the view.
  window.DispatchCommand(kCmdZoomOut);
  window.DispatchCommand(kCmdZoomOut);
  window.DispatchCommand(kCmdResetView);
  EXPECT_NEAR(window.mapping.halfWidth, 5.0L, 1e-9L);
  EXPECT_NEAR(window.PixelOf(window.textItems.plain[0]).x, 100, 1);
  EXPECT_NEAR(window.PixelOf(window.textItems.plain[0]).y, 150, 1);
}

TEST(TextItems, DraggingATextMovesItWithTheMouse) {
  TextWindow window;
  window.Add(window.textItems.plain, {100, 100}, "drag me");
  window.Draw();
  ScriptedResponder script;
  script.OnLoop([&window](platform::ModalLoop&) {
    window.DeliverMouseMove(Mouse(130, 120));
    window.DeliverMouseMove(Mouse(150, 130));
    window.DeliverMouseUp(Mouse(165, 145));
  });
  EXPECT_TRUE(window.DragText({105, 105}, window.textItems.plain));
  EXPECT_EQ(window.PixelOf(window.textItems.plain[0]), (PointI{160, 140}));
  EXPECT_EQ(window.fileMsg.modified, 1);

  // Let go outside the window: back where it was. Missed: nothing is dragged.
  script.OnLoop([&window](platform::ModalLoop&) { window.DeliverMouseUp(Mouse(900, 145)); });
  EXPECT_TRUE(window.DragText({165, 145}, window.textItems.plain));
  EXPECT_EQ(window.PixelOf(window.textItems.plain[0]), (PointI{160, 140}));
  EXPECT_FALSE(window.DragText({400, 400}, window.textItems.plain));
  EXPECT_TRUE(script.Unexpected().empty());
}

TEST(TextItems, ADragEndsCleanlyWhenTheWindowCloses) {
  TextWindow window;
  window.Add(window.textItems.plain, {100, 100}, "drag me");
  window.Draw();
  ScriptedResponder script;
  script.OnLoop([&window](platform::ModalLoop&) {
    window.DeliverMouseMove(Mouse(150, 130));
    window.RequestClose();
  });
  EXPECT_TRUE(window.DragText({105, 105}, window.textItems.plain));
  EXPECT_EQ(window.PixelOf(window.textItems.plain[0]), (PointI{100, 100})) << "left where it was";
}

TEST(TextItems, TheTextToolsDragWithTheLeftButtonAndEditWithTheRight) {
  TextWindow window;
  window.DispatchCommand(kCmdTextTool);
  EXPECT_EQ(window.qelWin.currentTool, kCmdTextTool);
  ScriptedResponder script;
  script.FillAndPress("NEWTEXT", {{kTextEdit, "by the mouse"}}, 1);
  platform::MouseEvent right = Mouse(200, 200);
  right.button = platform::MouseButton::Right;
  window.DeliverMouseDown(right);
  ASSERT_EQ(window.textItems.plain.size(), 1u);
  window.Draw();
  script.OnLoop([&window](platform::ModalLoop&) { window.DeliverMouseUp(Mouse(250, 260)); });
  window.DeliverMouseDown(Mouse(202, 202));
  EXPECT_EQ(window.PixelOf(window.textItems.plain[0]), (PointI{248, 258}));
  EXPECT_TRUE(script.Unexpected().empty());
}

TEST(TextItems, HomePositionsFillColumnsFromTheTopLeft) {
  TextWindow window;
  for (int i = 0; i < 3; ++i)
    window.Add(window.textItems.measurements, {300, 300 + 20 * i}, "m" + std::to_string(i));
  window.textItems.measurements[1].font.escapement = 450;
  EXPECT_TRUE(window.QueryCommand(kCmdHomePositions).enabled);
  window.DispatchCommand(kCmdHomePositions);
  const TextList& list = window.textItems.measurements;
  for (const TextItem& item : list) {
    EXPECT_EQ(item.tie, kTieFrame);
    EXPECT_EQ(item.font.escapement, 0);
  }
  EXPECT_EQ(window.PixelOf(list[0]), (PointI{3, 3}));
  EXPECT_EQ(window.PixelOf(list[1]).x, 3);
  EXPECT_GT(window.PixelOf(list[1]).y, 3);
  EXPECT_GT(window.PixelOf(list[2]).y, window.PixelOf(list[1]).y);

  // A text taller than the view: one row a column, never a division by nothing.
  for (TextItem& item : window.textItems.measurements) item.font.height = -4000;
  window.DispatchCommand(kCmdHomePositions);
  EXPECT_EQ(window.PixelOf(list[0]).y, 3);
  EXPECT_EQ(window.PixelOf(list[1]).y, 3);
  EXPECT_GT(window.PixelOf(list[1]).x, window.PixelOf(list[0]).x);
  EXPECT_GT(window.PixelOf(list[2]).x, window.PixelOf(list[1]).x);
}

TEST(TextItems, ShowingHidingAndDeletingAllTexts) {
  TextWindow window;
  EXPECT_FALSE(window.QueryCommand(kCmdDeleteTexts).enabled);
  window.Add(window.textItems.plain, {100, 100}, "a", kTieFrame);
  TextItem& far = window.Add(window.textItems.plain, {100, 100}, "b", kTieFrame);
  far.x = 100;  // far outside the view
  EXPECT_TRUE(window.QueryCommand(kCmdToggleTexts).enabled);
  window.DispatchCommand(kCmdToggleTexts);
  EXPECT_EQ(window.textItems.plain[0].shown, 0);
  EXPECT_EQ(window.textItems.plain[1].shown, 0);
  EXPECT_TRUE(window.InView({window.textItems.plain[1].x + window.mapping.centre.x,
                             window.textItems.plain[1].y + window.mapping.centre.y}))
      << "brought into view";

  ScriptedResponder script;
  std::vector<std::string> questions;
  for (const int button : {shell::kNoButton, shell::kYesButton}) {
    script.OnDialog("YNMBOX", [&questions, button](platform::Dialog& d) {
      questions.push_back(d.GetItemText(shell::kMessageTextStatic));
      d.PressButton(button);
    });
  }
  window.DispatchCommand(kCmdDeleteTexts);
  EXPECT_EQ(window.textItems.plain.size(), 2u);
  window.DispatchCommand(kCmdDeleteTexts);
  EXPECT_TRUE(window.textItems.plain.empty());
  EXPECT_EQ(questions, (std::vector<std::string>{"delete all text?", "delete all text?"}));
}

TEST(TextItems, TextsWithSpecialCharactersInEveryExport) {
  TextWindow window;
  const std::string special = "a<b & \"c\" (50% $1 #2) \\ caf\xE9";
  window.Add(window.textItems.plain, {100, 100}, special);
  TextItem& opaque = window.Add(window.textItems.plain, {100, 200}, "opaque & turned");
  opaque.transparent = 0;
  opaque.font.escapement = 300;
  window.Draw();

  export_test::PainterFile<SvgPainter> svg;
  const std::string document = svg.Document([&](SvgPainter& p) { window.DrawTexts(p); });
  EXPECT_NE(document.find("> a&lt;b &amp; \"c\" (50% $1 #2) \\ caf&#233; </text>"), std::string::npos)
      << document;
  EXPECT_NE(document.find("rotate(-30)"), std::string::npos);
  export_test::ExpectSvgReadable(document);

  export_test::PainterFile<EpsPainter> eps;
  const std::string epsText = eps.Document([&](EpsPainter& p) { window.DrawTexts(p); });
  EXPECT_NE(epsText.find("(a<b & \"c\" \\(50% $1 #2\\) \\\\ caf\\351) show"), std::string::npos) << epsText;
  export_test::ExpectGhostscriptAccepts(epsText, 300, 300);

  ViewMapping m;
  m.width = 501;
  m.height = 501;
  FitViewToClient(m);
  PiCTeXPicture picture;
  picture.format = kTeXCompilable;
  picture.decimals = 2;
  StringOutput out;
  PiCTeXPainter tex(m, out, picture);
  window.DrawTextList(tex, window.textItems.plain, false, false, 0);
  window.DrawTextList(tex, window.textItems.plain, false, true, 0);
  const std::string& texText = out.text();
  // Centred on the box as last drawn, escaped, in math mode when asked.
  EXPECT_NE(texText.find("\\put {a<b \\& \"c\" (50\\% \\$1 \\#2) \\ caf\\hbox{\\'e}} at "), std::string::npos)
      << texText;
  EXPECT_NE(texText.find("\\put {$opaque \\& turned$} at "), std::string::npos) << texText;
  EXPECT_EQ(texText.find("[lt]"), std::string::npos);
}

TEST(TextItems, OpaqueTextsStandOnTheBackgroundColourTurnedOrNot) {
  TextWindow window;
  window.preWin.colors[40] = kernel::Rgb(255, 255, 0);
  window.preWin.roles[0] = 40;
  TextItem& blank = window.Add(window.textItems.plain, {100, 100}, "          ");
  blank.transparent = 0;
  for (const int angle : {0, 300}) {
    window.textItems.plain[0].font.escapement = angle;
    for (const bool forced : {false, true}) {
      // The window's picture (the background, then the texts), or the texts alone forced
      // transparent on white.
      platform::Bitmap bitmap(501, 501, platform::kWhite);
      const auto dc = bitmap.CreateDC();
      if (forced) {
        DcFigurePainter painter(*dc, window.mapping, window.DcRules());
        window.DrawTextList(painter, window.textItems.plain, true, false, 0);
      } else {
        window.PaintInto(*dc);
      }
      const TextItem& item = window.textItems.plain[0];
      const int w = window.XToScreen(item.x2) - 100;
      const int h = window.YToScreen(item.y2) - 100;
      ASSERT_GT(w, 10);
      const TextBoxVectors box = TurnedTextBox(w, h, angle);
      const auto middle =
          bitmap.GetPixel(100 + (box.along.x + box.down.x) / 2, 100 + (box.along.y + box.down.y) / 2);
      EXPECT_EQ(*middle, forced ? platform::kWhite : (platform::Color{255, 255, 0}))
          << angle << " " << forced;
    }
  }
}
