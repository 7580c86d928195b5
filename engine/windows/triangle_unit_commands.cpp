// Units > Triangle: a triangle from three typed measures (three angles, angle-side-angle,
// side-angle-side, three sides, or hypotenuse and leg), with defaults that suit the window's
// geometry. The step layer's triangle-from-data executor makes the points and sides; a refused
// triangle leaves the figure as it was.
#include <array>
#include <string>

#include "engine/windows/geom10_win.h"
#include "platform/message_box.h"
#include "shell/generic_dialogs.h"

namespace engine {

namespace {

struct TriangleUnit {
  int command;
  int kind;
  const char* resource;
  std::array<const char*, 3> euclidean;
  std::array<const char*, 3> hyperbolic;
  std::array<const char*, 3> spherical;
};

constexpr std::array<TriangleUnit, 5> kTriangleUnits{{
    {700, 50, "AAADATA", {"30.0", "40.0", "50.0"}, {"30.0", "40.0", "50.0"}, {"65.0", "70.0", "75.0"}},
    {702, 51, "ASADATA", {"45.0", "5.0", "60.0"}, {"45.0", "5.0", "60.0"}, {"45.0", "5.0", "60.0"}},
    {703, 52, "SASDATA", {"5.0", "60.0", "8.0"}, {"1.0", "60.0", "1.6"}, {"0.785", "60.0", "1.047"}},
    {704, 53, "SSSDATA", {"4.0", "5.0", "6.0"}, {"1.0", "1.3", "1.6"}, {"0.7", "0.9", "1.1"}},
    {798, 67, "HLDATA", {"29.0", "1.0", "20.0"}, {"1.6", "1.0", "1.0"}, {"1.1", "1.0", "0.7"}},
}};

constexpr int kTriangleTextChars = 40;

}  // namespace

bool TGeom10Win::TriangleUnitMenuCommand(int id) {
  for (std::size_t type = 0; type < kTriangleUnits.size(); ++type) {
    if (kTriangleUnits[type].command != id) continue;
    TriangleUnitCommand(static_cast<int>(type));
    return true;
  }
  return false;
}

int TGeom10Win::TriangleUnitCommand(int type) {
  if (type < 0 || type >= static_cast<int>(kTriangleUnits.size())) return -1;
  const TriangleUnit& unit = kTriangleUnits[static_cast<std::size_t>(type)];
  const std::array<const char*, 3>& defaults =
      model().Hyperbolic ? unit.hyperbolic : model().Spherical ? unit.spherical : unit.euclidean;
  std::array<std::string, 3> texts{defaults[0], defaults[1], defaults[2]};
  shell::TGenDlg dialog(this, unit.resource, kTriangleTextChars, &texts[0], &texts[1], &texts[2]);
  if (dialog.Execute() != platform::IDOK) return -1;
  const int code = NewTriangleUnitStep(unit.kind, texts);
  if (code > 0) Msg(code);
  SetupMenuChecks(true);
  return code;
}

int TGeom10Win::NewTriangleUnitStep(int kind, const std::array<std::string, 3>& texts) {
  if (tables().last_point + 3 > kLastPointLimit || tables().last_line + 3 > kLastLineLimit) return kMsgNoMoreRoom;
  kernel::ConstructionRecord& step = history().BeginStep(static_cast<kernel::StepKind>(kind));
  for (std::size_t k = 0; k < texts.size(); ++k) step.text[k] = texts[k].substr(0, kernel::kConstructionTextFieldChars);
  SetStepAttributes(3);
  return RunBuiltStep();
}

}  // namespace engine
