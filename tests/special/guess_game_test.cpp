// The transformation guessing game as its player meets it: the example it draws, the attempts the
// caption counts, success only when A, B and C land on the blue vertices in order (for a right
// and a wrong transformation of every kind), the kinds dialog, the given points kept from editing,
// and the hint shown by one paint.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "kernel/labels.h"
#include "kernel/number_text.h"
#include "kernel/random.h"
#include "kernel/transform_hint.h"
#include "kernel/vector2.h"
#include "platform/bitmap.h"
#include "platform/scripted_responder.h"
#include "special/guess_win.h"
#include "support/isolated_folders.h"

using kernel::Point2;
using kernel::Real;
using special::TGeomGWin;

namespace {

constexpr int kCmdUndo = 98;
constexpr char kCaption[] = "transform red onto blue";

class GuessGame : public IsolatedFolders {
 protected:
  std::unique_ptr<TGeomGWin> Open() {
    kernel::SeedRandom(5);
    auto w = std::make_unique<TGeomGWin>(nullptr, "guessing game");
    w->qelWin.writeSettings = 0;
    w->Create();
    w->UpdateClientArea();
    return w;
  }
  // A new example of the one kind, drawn from a known seed; with a factor other than 1 when
  // asked (a dilation of factor 1 has no centre).
  static void NewExampleOf(TGeomGWin& w, int kind, bool scaled = false) {
    w.kindEnabled = {};
    w.kindEnabled[static_cast<std::size_t>(kind)] = true;
    std::uint32_t seed = 1;
    do {
      kernel::SeedRandom(seed++);
      w.NewExample();
    } while (scaled && w.example.factor == 1);
  }
  static std::string Name(const TGeomGWin& w, int i) {
    std::string name;
    w.tables().GetPointName(i, name);
    return name;
  }
  // A point at p (as the player would type its coordinates); its name.
  static std::string PointAt(TGeomGWin& w, const Point2& p) {
    std::string x = kernel::FormatLD(p.x, 0, 19);
    std::string y = kernel::FormatLD(p.y, 0, 19);
    EXPECT_EQ(w.DoPointFromCoordinates(x, y), 0);
    return Name(w, w.tables().last_point);
  }
  static std::string Number(Real x) { return kernel::FormatLD(x, 0, 19); }
  static int BlueFillColour(const TGeomGWin& w) { return w.fills.at(1).style; }

  // Carries the red triangle onto the blue one with the Transf command of the example's kind, or
  // (wrong) with the same command given a slightly wrong amount; the command's result.
  static int Transform(TGeomGWin& w, bool right) {
    const kernel::TransformHint hint = kernel::ComputeTransformHint(w.transformKind, w.example.points);
    const Real off = right ? 0 : 0.01L;
    switch (w.transformKind) {
      case kernel::kGuessTranslation:
        return right ? w.TranslateStep("1", Name(w, 0) + Name(w, 3), "ABC") : w.TranslateStep("1", "[1,0]", "ABC");
      case kernel::kGuessReflection: {
        const Point2 u = hint.lineDirection;
        std::string line = PointAt(w, hint.linePoint) + PointAt(w, hint.linePoint + u + Point2{-u.y, u.x} * off);
        std::string objects = "ABC";
        return w.DoReflect(line, objects);
      }
      case kernel::kGuessGlideReflection: {
        const std::string axis = PointAt(w, hint.arrowTail) + PointAt(w, hint.arrowTip);
        return w.GlideReflectStep(Number(1 + off), axis, "ABC");
      }
      default: {
        const std::string centre = PointAt(w, hint.centre);
        const bool turns = w.transformKind != kernel::kGuessDilation;
        platform::ScriptedResponder script;
        script.FillAndPress("ROTDIL", {{212, centre}, {214, "ABC"}}, 1);
        return w.RotateDilate(Number(w.example.factor + off), turns ? std::to_string(w.example.rotation) : "0");
      }
    }
  }
};

TEST_F(GuessGame, TheExampleIsARedTriangleABCAndItsBlueImageOverTheirFills) {
  auto w = Open();
  const engine::FigureTables& t = w->tables();
  EXPECT_EQ(w->Caption(), kCaption);
  EXPECT_EQ(w->attemptCount, 0);
  ASSERT_EQ(t.last_point, 5);
  EXPECT_EQ(Name(*w, 0) + Name(*w, 1) + Name(*w, 2), "ABC");
  for (int i = 3; i < 6; ++i) {
    const std::string name = Name(*w, i);
    EXPECT_TRUE(name.size() == 1 && name[0] >= 'G' && name[0] <= 'Z') << name;
    EXPECT_NE(name, Name(*w, i == 5 ? 3 : i + 1));
  }
  for (int i = 0; i < 6; ++i) {
    EXPECT_NEAR(static_cast<double>(kernel::Dist2(t.xy[static_cast<std::size_t>(i)], w->example.points[static_cast<std::size_t>(i)])),
                0, 1e-15);
    EXPECT_TRUE(w->InView(t.xy[static_cast<std::size_t>(i)]));
  }
  EXPECT_EQ(t.last_line, 5);
  ASSERT_EQ(w->fills.size(), 2u);
  EXPECT_EQ(w->fills[0].style, 4);
  EXPECT_EQ(w->fills[0].vertices[2], 2);
  EXPECT_EQ(w->fills[1].style, 6);
  EXPECT_EQ(w->fills[1].vertices[0], 3);
  // The example is the game's: Undo takes none of it, closing asks nothing.
  const std::size_t steps = w->history().steps.size();
  w->DispatchCommand(kCmdUndo);
  EXPECT_EQ(w->history().steps.size(), steps);
  EXPECT_TRUE(w->CheckModified());
  // The starting kinds: translation, reflection and rotation.
  EXPECT_EQ(w->kindEnabled, (kernel::GuessKinds{true, true, true, false, false, false}));
  EXPECT_LE(w->transformKind, kernel::kGuessRotation);
}

TEST_F(GuessGame, TheCaptionCountsTheAttemptsUntilSuccess) {
  auto w = Open();
  NewExampleOf(*w, kernel::kGuessTranslation);
  ASSERT_EQ(Transform(*w, false), 0);
  EXPECT_EQ(w->Caption(), std::string(kCaption) + " (1 attempt)");
  ASSERT_EQ(Transform(*w, false), 0);
  EXPECT_EQ(w->Caption(), std::string(kCaption) + " (2 attempts)");
  EXPECT_EQ(BlueFillColour(*w), 6);
  ASSERT_EQ(Transform(*w, true), 0);
  EXPECT_EQ(w->Caption(), std::string(kCaption) + " : success");
  EXPECT_EQ(w->attemptCount, 3);
  EXPECT_EQ(BlueFillColour(*w), 4);
  // The player may go on: another attempt counts on.
  ASSERT_EQ(Transform(*w, false), 0);
  EXPECT_EQ(w->Caption(), std::string(kCaption) + " (4 attempts)");
  // A new example starts again.
  w->DispatchCommand(special::kCmdNewExample);
  EXPECT_EQ(w->Caption(), kCaption);
  EXPECT_EQ(w->attemptCount, 0);
  EXPECT_EQ(w->tables().last_point, 5);
  // The attempts are no work to save: the window closes without a question.
  ASSERT_EQ(Transform(*w, false), 0);
  w->fileMsg.modified = 1;
  platform::ScriptedResponder noQuestion;
  EXPECT_TRUE(w->Close());
  EXPECT_TRUE(noQuestion.Messages().empty());
}

TEST_F(GuessGame, EveryKindIsSolvedByItsRightTransformationOnly) {
  auto w = Open();
  for (int kind = 0; kind < kernel::kGuessKindCount; ++kind) {
    SCOPED_TRACE(testing::Message() << "kind " << kind);
    NewExampleOf(*w, kind, kind == kernel::kGuessDilation || kind == kernel::kGuessRotaryDilation);
    ASSERT_EQ(w->transformKind, kind);
    ASSERT_EQ(Transform(*w, false), 0);
    EXPECT_FALSE(w->LastTransformSolves());
    EXPECT_EQ(w->Caption(), std::string(kCaption) + " (1 attempt)");
    ASSERT_EQ(Transform(*w, true), 0);
    EXPECT_TRUE(w->LastTransformSolves());
    EXPECT_EQ(w->Caption(), std::string(kCaption) + " : success");
    // Landing on the blue vertices, the images are those vertices.
    for (int k = 0; k < 3; ++k) EXPECT_EQ(w->transformImages.image_of[static_cast<std::size_t>(k)], 3 + k);
  }
}

TEST_F(GuessGame, ImagesOnTheBlueVerticesInAnotherOrderDoNotSolve) {
  auto w = Open();
  NewExampleOf(*w, kernel::kGuessTranslation);
  std::vector<int>& image = w->transformImages.image_of;
  image.assign(engine::kPointCapacity, -1);
  image[0] = 4;
  image[1] = 5;
  image[2] = 3;
  EXPECT_FALSE(w->LastTransformSolves());
  image[0] = 3;
  image[1] = 4;
  image[2] = 5;
  EXPECT_TRUE(w->LastTransformSolves());
  // Only B and C moved: not solved.
  image[0] = -1;
  EXPECT_FALSE(w->LastTransformSolves());
}

TEST_F(GuessGame, ImagesKeptAsPointsOfTheirOwnStillSolve) {
  auto w = Open();
  NewExampleOf(*w, kernel::kGuessTranslation);
  // With Save labels off the images are new points on the blue vertices.
  w->history().save_labels = 0;
  ASSERT_EQ(Transform(*w, true), 0);
  EXPECT_EQ(w->transformImages.image_of[0], 6);
  EXPECT_EQ(w->Caption(), std::string(kCaption) + " : success");
}

TEST_F(GuessGame, TheGivenPointsCannotBeEdited) {
  auto w = Open();
  for (int i = 0; i < 6; ++i) EXPECT_EQ(w->EditCoordinates(i), 18) << i;
}

TEST_F(GuessGame, TypesNeedsOneKindAndCancelChangesNothing) {
  auto w = Open();
  {
    platform::ScriptedResponder script;
    script.OnDialog("GUESS", [](platform::Dialog& d) {
      // The starting kinds are ticked.
      EXPECT_TRUE(d.IsChecked(270) && d.IsChecked(271) && d.IsChecked(272));
      EXPECT_FALSE(d.IsChecked(273) || d.IsChecked(274) || d.IsChecked(275));
      for (int id = 270; id <= 275; ++id) d.CheckItem(id, false);
      d.PressButton(1);
      // Refused: the dialog is still open.
      d.CheckItem(274, true);
      d.PressButton(1);
    });
    script.AnswerMessage(platform::IDOK);
    w->DispatchCommand(special::kCmdGuessTypes);
    EXPECT_EQ(script.Messages(), std::vector<std::string>{"need at least one"});
    EXPECT_TRUE(script.Unexpected().empty());
  }
  EXPECT_EQ(w->kindEnabled, (kernel::GuessKinds{false, false, false, false, true, false}));
  {
    platform::ScriptedResponder script;
    script.OnDialog("GUESS", [](platform::Dialog& d) {
      d.CheckItem(270, true);
      d.PressButton(2);
    });
    w->DispatchCommand(special::kCmdGuessTypes);
  }
  EXPECT_EQ(w->kindEnabled, (kernel::GuessKinds{false, false, false, false, true, false}));
  // The kinds take effect at the next example.
  w->DispatchCommand(special::kCmdNewExample);
  EXPECT_EQ(w->transformKind, kernel::kGuessDilation);
}

class GuessHint : public GuessGame {
 protected:
  // Whether a pixel within one of the world point p has the colour index's colour.
  static bool ColourNear(const platform::Bitmap& picture, const TGeomGWin& w, const Point2& p, int index) {
    const kernel::ColorRef colour = w.Color(index);
    for (int dx = -1; dx <= 1; ++dx) {
      for (int dy = -1; dy <= 1; ++dy) {
        const auto pixel = picture.GetPixel(w.XToScreen(p.x) + dx, w.YToScreen(p.y) + dy);
        if (pixel && pixel->ToColorRef() == colour) return true;
      }
    }
    return false;
  }
  // The same on the window itself, after the paint it gets when it is shown or uncovered.
  static bool ColourNearOnScreen(TGeomGWin& w, const Point2& p, int index) {
    w.Invalidate(false);
    w.UpdateNow();
    const std::unique_ptr<platform::DC> dc = w.GetDC();
    for (int dx = -1; dx <= 1; ++dx) {
      for (int dy = -1; dy <= 1; ++dy) {
        const auto pixel = dc->GetPixel({w.XToScreen(p.x) + dx, w.YToScreen(p.y) + dy});
        if (pixel && pixel->ToColorRef() == w.Color(index)) return true;
      }
    }
    return false;
  }
};

TEST_F(GuessHint, TheWindowShowsTheHintAtItsNextPaintOnly) {
  auto w = Open();
  w->axes.axesShown = 0;
  w->Show();
  NewExampleOf(*w, kernel::kGuessReflection);
  const Point2 middle = w->mapping.centre;
  EXPECT_FALSE(ColourNearOnScreen(*w, middle, 4));
  w->DispatchCommand(special::kCmdGuessHint);
  EXPECT_TRUE(ColourNearOnScreen(*w, middle, 4));
  EXPECT_FALSE(ColourNearOnScreen(*w, middle, 4));
}

TEST_F(GuessHint, OnePaintShowsTheMirrorLineAndTheNextDoesNot) {
  auto w = Open();
  w->axes.axesShown = 0;
  NewExampleOf(*w, kernel::kGuessReflection);
  // The mirror line crosses the middle of the view, away from both triangles.
  const Point2 middle = w->mapping.centre;
  w->DispatchCommand(special::kCmdGuessHint);
  EXPECT_TRUE(w->hintPending);
  const platform::Bitmap withHint = w->ClientPicture();
  EXPECT_FALSE(w->hintPending);
  EXPECT_TRUE(ColourNear(withHint, *w, middle, 4));
  const platform::Bitmap after = w->ClientPicture();
  EXPECT_FALSE(ColourNear(after, *w, middle, 4));
}

TEST_F(GuessHint, TheCentreOfARotationIsMarkedAndADegenerateHintShowsTheWordAlone) {
  auto w = Open();
  w->axes.axesShown = 0;
  // An example whose centre lies in the view.
  w->kindEnabled = {false, false, true, false, false, false};
  kernel::TransformHint hint;
  std::uint32_t seed = 1;
  do {
    kernel::SeedRandom(seed++);
    w->NewExample();
    hint = kernel::ComputeTransformHint(w->transformKind, w->example.points);
  } while (!w->InView(hint.centre));
  ASSERT_TRUE(hint.hasCentre);
  w->ShowHint();
  // The disc's rim, four pixels from the centre.
  EXPECT_TRUE(ColourNear(w->ClientPicture(), *w, hint.centre + Point2{4 * w->mapping.unitsPerPixelX, 0}, 4));
  EXPECT_FALSE(ColourNear(w->ClientPicture(), *w, hint.centre + Point2{4 * w->mapping.unitsPerPixelX, 0}, 4));
  // A dilation of factor 1: the lines AD and BE are parallel; the word alone is drawn.
  w->kindEnabled = {false, false, false, false, true, false};
  seed = 1;
  do {
    kernel::SeedRandom(seed++);
    w->NewExample();
  } while (w->example.factor != 1);
  w->ShowHint();
  const platform::Bitmap picture = w->ClientPicture();
  EXPECT_FALSE(w->hintPending);
  EXPECT_FALSE(kernel::ComputeTransformHint(w->transformKind, w->example.points).found);
}

}  // namespace
