// Import from a source window: the points of the source that are carried onto points of the
// target, typed or picked, and taking the last attachment back.
#include <algorithm>
#include <string>
#include <vector>

#include "engine/figure_tables.h"
#include "plane/mac_win.h"
#include "resources/resource_library.h"
#include "platform/modal_responder.h"
#include "shell/generic_dialogs.h"

namespace plane {

namespace {

constexpr int kStringAttach = 229;
constexpr int kStringToVertices = 284;
constexpr int kStringVertices = 733;
constexpr int kAttachTextChars = 30;

}  // namespace

int TMacWin::AskAttachInputs(bool mouse) {
  if (linkedParent == nullptr) return -1;
  TMacWin& target = *linkedParent;
  const int d = dimension() >= 3 ? 3 : 2;
  const std::string anchors = d == 3 ? "ABC" : "AB";
  if (importInputText.empty()) importInputText = anchors;
  std::vector<std::int16_t> source(static_cast<std::size_t>(d) + 2, -1);
  std::vector<std::int16_t> onto(static_cast<std::size_t>(d) + 2, -1);
  std::string sourceText = importInputText;
  int e = 0;
  if (!mouse) {
    std::string targetText = anchors;
    shell::TInp2Dlg dialog(this, resources::LoadString(kStringAttach), "TWOINPUT", resources::LoadString(kStringVertices),
                           resources::LoadString(kStringToVertices), &sourceText, &targetText, kAttachTextChars);
    if (dialog.Execute() != platform::IDOK) return -1;
    // At most d + 1 points are read on each side; the first d are used.
    std::vector<std::uint16_t> found(static_cast<std::size_t>(d) + 2);
    std::string text = sourceText;
    const int fromCount = tables().ParseExistingPoints(text, found, d + 1);
    for (int i = 0; i < d; ++i) source[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(found[static_cast<std::size_t>(i)]);
    text = targetText;
    const int toCount = target.tables().ParseExistingPoints(text, found, d + 1);
    for (int i = 0; i < d; ++i) onto[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(found[static_cast<std::size_t>(i)]);
    if (fromCount < d || toCount < d) e = engine::kMsgInconsistentData;
  } else {
    e = PickPoints(source, d, "", kStringAttach);
    if (e == 0) {
      std::string names;
      for (int i = 0; i < d; ++i) {
        if (i > 0) names += ",";
        AppendPointName(names, source[static_cast<std::size_t>(i)]);
      }
      e = target.PickPoints(onto, d, names, kStringAttach);
      sourceText.clear();
      for (int i = 0; i < d; ++i) AppendPointName(sourceText, source[static_cast<std::size_t>(i)]);
    }
  }
  if (e == 0) {
    const auto duplicates = [d](const std::vector<std::int16_t>& p) {
      return p[0] == p[1] || (d == 3 && (p[2] == p[0] || p[2] == p[1]));
    };
    if (duplicates(source) || duplicates(onto)) e = kMsgDuplicateLabel;
  }
  if (e != 0) {
    Msg(e);
    return -1;
  }
  importInputText = sourceText;
  std::fill(pointMap.begin(), pointMap.end(), -1);
  std::fill(surfaceMap.begin(), surfaceMap.end(), -1);
  for (int i = 0; i < d; ++i) {
    importInputs[static_cast<std::size_t>(i)] = source[static_cast<std::size_t>(i)];
    pointMap[static_cast<std::size_t>(source[static_cast<std::size_t>(i)])] = onto[static_cast<std::size_t>(i)];
  }
  return 0;
}

int TMacWin::UndoAttach() {
  if (linkedParent == nullptr) return engine::kMsgNothingToDo;
  TMacWin& target = *linkedParent;
  if (const int result = target.UndoImport(); result != 0) return result;
  target.PopCurveList1();
  target.PopCurveList2();
  target.PopCurveList3();
  target.ReplayConstruction(true);
  AfterTargetChange(target);
  return 0;
}

}  // namespace plane
