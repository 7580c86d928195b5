// The translation of a macro step into the target figure, rule by rule: points through the map,
// lines and circles found again through the images of their points, hypercycles and horocycles,
// lists, texts, counters, and the steps that cannot be translated.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plane/macro_remap.h"
#include "plane_window.h"
#include "support/isolated_folders.h"

namespace {

using plane_test::PlaneWindow;

constexpr int kSegment = 111;
constexpr int kCircle = 91;
constexpr std::uint16_t kNone = kernel::kNoOperand;

// Macro figure: A(0,0), B(2,0), C(0,2), segment AB (line 0), circle about A through B (circle 0).
// Target: points A..E, a segment AB and a circle about E through A that nothing maps to, then
// segment CD (line 1) and the circle about C through D (circle 1). The map takes A, B, C of the
// macro to C, D, E of the target.
class MacroRemapTest : public IsolatedFolders {
 protected:
  void SetUp() override {
    IsolatedFolders::SetUp();
    macro = std::make_unique<PlaneWindow>(0);
    target = std::make_unique<PlaneWindow>(0);
    macro->FreePoint(0, 0);
    macro->FreePoint(2, 0);
    macro->FreePoint(0, 2);
    ASSERT_EQ(macro->Step(kSegment, {0, 1}), 0);
    ASSERT_EQ(macro->Step(kCircle, {0, 1}), 0);
    for (int i = 0; i < 5; ++i) target->FreePoint(i, i * i);
    ASSERT_EQ(target->Step(kSegment, {0, 1}), 0);
    ASSERT_EQ(target->Step(kCircle, {4, 0}), 0);
    ASSERT_EQ(target->Step(kSegment, {2, 3}), 0);
    ASSERT_EQ(target->Step(kCircle, {2, 3}), 0);
    map.assign(engine::kPointCapacity, -1);
    map[0] = 2;
    map[1] = 3;
    map[2] = 4;
  }
  void TearDown() override {
    macro.reset();
    target.reset();
    IsolatedFolders::TearDown();
  }
  plane::MacroRemap Remap() const {
    plane::MacroRemap r{macro->tables(), target->tables(), map, surfaces, functions};
    return r;
  }
  // A step of the kind with the operands from 0 (-1 for none) and the flag byte.
  static kernel::ConstructionRecord Make(int kind, std::vector<int> ops, std::uint8_t flag = 0) {
    kernel::ConstructionRecord step;
    step.kind = static_cast<kernel::StepKind>(kind);
    for (std::size_t i = 0; i < ops.size(); ++i) step.operands[i] = static_cast<std::uint16_t>(ops[i]);
    step.flag = flag;
    return step;
  }

  std::unique_ptr<PlaneWindow> macro;
  std::unique_ptr<PlaneWindow> target;
  std::vector<std::int16_t> map;
  std::vector<std::int16_t> surfaces;
  std::vector<engine::UserFunction> functions;
};

struct Row {
  const char* what;
  int kind;
  std::vector<int> in;
  std::uint8_t flag;
  int result;
  std::vector<int> out;  // the operands from 0 after the translation (checked when result is 0)
};

TEST_F(MacroRemapTest, EachKindTranslatesItsOperandsByItsRule) {
  const std::vector<Row> rows = {
      {"random point on a segment: the line of the two images", 81, {0, 1, 7}, 0, 0, {2, 3, 1}},
      {"point on a circle: the circle about the first image", 82, {0, 1, 7}, 0, 0, {2, 3, 1}},
      {"segment: two points", 111, {0, 1, 5}, 0, 0, {2, 3, 5}},
      {"circumcentre: three points", 124, {0, 1, 2}, 0, 0, {2, 3, 4}},
      {"a point without image", 124, {0, 1, 9}, 0, 1, {}},
      {"a missing point", 124, {0, 1, -1}, 0, 1, {}},
      {"circle by centre and radius: one point", 92, {2, 7}, 0, 0, {4, 7}},
      {"the line through two images must exist", 99, {0, 1, 2}, 0, 1, {}},
      {"line-line: both lines found again", 103, {0, 1, 0, 1, 9, 9, -1}, 0, 0, {2, 3, 2, 3, 1, 1, -1}},
      {"line-circle", 104, {0, 1, 0, 1, 9, 9, 1}, 0, 0, {2, 3, 2, 3, 1, 1, 3}},
      {"hypercycle: a macro line found again and a point", 130, {0, 2}, 0, 0, {1, 4}},
      {"a macro line without image", 130, {5, 2}, 0, 1, {}},
      {"point deletion: a list ended by its first negative entry", 141, {0, 2, -1, 1}, 0, 0, {2, 4, -1, 1}},
      {"a listed point without image", 141, {0, 9, -1}, 0, 1, {}},
      {"line deletions: triples", 142, {0, 1, 0, -1}, 0, 0, {2, 3, 1, -1}},
      {"circle deletions: triples", 143, {0, 1, 0, -1}, 0, 0, {2, 3, 1, -1}},
      {"line attributes: macro lines found again", 160, {1, 0, 0, 0, 0}, 1, 0, {1, 0, 0, 0, 1}},
      {"circle attributes: macro circles found again", 160, {1, 0, 0, 0, 0}, 0, 0, {1, 0, 0, 0, 1}},
      {"more objects than one step holds", 160, {37}, 1, 1, {}},
      {"a slice without its flag cannot be translated", 440, {0, 1, 2}, 0, 1, {}},
      {"relative point: the count says how many", 401, {1, 0, 1, 9}, 0, 0, {1, 2, 3, 9}},
      {"a preset figure keeps its operands", 60, {0, 1, 2}, 0, 0, {0, 1, 2}},
      {"a kind without a rule keeps its operands", 109, {0, 1, 9}, 0, 0, {0, 1, 9}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    kernel::ConstructionRecord step = Make(row.kind, row.in, row.flag);
    EXPECT_EQ(plane::RemapStep(step, Remap()), row.result);
    if (row.result != 0) continue;
    for (std::size_t i = 0; i < row.out.size(); ++i) {
      EXPECT_EQ(static_cast<std::int16_t>(step.operands[i]), row.out[i]) << "operand " << i;
    }
  }
}

TEST_F(MacroRemapTest, ASumOfVectorsIsRenamedAfterTheImages) {
  kernel::ConstructionRecord step = Make(208, {1, 0, 1, 2});
  step.text[0] = "AB;C";
  ASSERT_EQ(plane::RemapStep(step, Remap()), 0);
  EXPECT_EQ(step.text[0], "CD;E");
}

TEST_F(MacroRemapTest, TextsTakeTheTargetNamesAndCountersMoveByTheOffsets) {
  plane::MacroRemap r = Remap();
  r.pointOffset = 2;
  r.firstOffset = 1;
  r.secondOffset = 1;
  kernel::ConstructionRecord step = Make(146, {0});
  step.text[0] = "[SEG](AB)*2";
  step.text[2] = "abc";
  step.extra_words = {4, 0, kNone};
  ASSERT_EQ(plane::RemapStep(step, r), 0);
  EXPECT_EQ(step.text[0], "[SEG](CD)*2");
  EXPECT_EQ(step.text[2], "CDE");
  EXPECT_EQ(step.extra_words[0], 6);
  EXPECT_EQ(step.extra_words[1], 1);
  EXPECT_EQ(step.extra_words[2], kNone);  // never set, stays so

  // A label without image.
  std::string text = "AF";
  EXPECT_EQ(plane::TranslateStepText(text, r), 1);
  EXPECT_EQ(text, "AF");
}

TEST_F(MacroRemapTest, ATextThatGrowsPastFortyCharactersIsRefusedAndKept) {
  // Images with subscripted names are longer than the macro's letters.
  for (int i = 5; i <= 60; ++i) target->FreePoint(i, 0);
  map[0] = 53;  // B_1
  map[1] = 54;  // C_1
  const std::string forty = "A+B+A+B+A+B+A+B+A+B+A+B+A+B+A+B+A+B+A+B";
  ASSERT_EQ(forty.size(), 39u);
  std::string text = forty;
  EXPECT_EQ(plane::TranslateStepText(text, Remap()), 17);
  EXPECT_EQ(text, forty);
  kernel::ConstructionRecord step = Make(111, {0, 1});
  step.text[1] = forty;
  EXPECT_EQ(plane::RemapStep(step, Remap()), 17);
}

TEST_F(MacroRemapTest, HorocyclesAreFoundByTheirThreeMappedPoints) {
  engine::FigureTables& m = macro->tables();
  engine::FigureTables& t = target->tables();
  // The macro's horocycle is defined by A, B, C.
  m.last_horocycle = 0;
  m.horocycle_points[0].exists = 1;
  m.horocycles[0].owner = 0;
  m.horocycles[0].index1 = 1;
  m.horocycles[0].index2 = 2;
  // The target's first horocycle shares only two points with the images; the second is the one.
  t.last_horocycle = 1;
  for (int i = 0; i < 2; ++i) t.horocycle_points[i].exists = 1;
  t.horocycles[0] = m.horocycles[0];
  t.horocycles[0].owner = 2;
  t.horocycles[0].index1 = 3;
  t.horocycles[0].index2 = 0;
  t.horocycles[1].owner = 2;
  t.horocycles[1].index1 = 3;
  t.horocycles[1].index2 = 4;
  EXPECT_EQ(plane::MapMacroHorocycle(Remap(), 0), 1);
  kernel::ConstructionRecord step = Make(174, {0, 0, -1});
  ASSERT_EQ(plane::RemapStep(step, Remap()), 0);
  EXPECT_EQ(step.operands[0], 1);
  EXPECT_EQ(step.operands[1], 1);
  EXPECT_EQ(step.operands[2], kNone);
  // Without the matching horocycle the step cannot be translated.
  t.horocycle_points[1].exists = 0;
  step = Make(174, {0, 0, -1});
  EXPECT_EQ(plane::RemapStep(step, Remap()), 1);
}

}  // namespace
