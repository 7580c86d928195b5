// Attaching figures: a figure named by two of its points copied onto every link of a chain of
// points (Units > Polygon > Attach > Figure), and the whole figure of a source window carried onto
// two points of its target (Edit > Import > Attach).
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "engine/line_suggestions.h"
#include "engine/windows/do_undo_dlg.h"
#include "kernel/file_names.h"
#include "plane/geom_d_win.h"

namespace plane {

namespace {

constexpr int kAttachFigureAction = 15;
constexpr int kAttachFigureKind = 155;
constexpr int kAttachedPointsKind = 157;
constexpr int kChainPoints = 99;
constexpr int kSegmentKind = 111;
constexpr int kLineKind = 116;
constexpr int kRayKind = 117;
constexpr int kCircleKind = 95;

// The points of a typed list in order, the ends of its groups left out.
std::vector<int> ListedPoints(const engine::FigureTables& t, std::string text) {
  std::vector<std::uint16_t> parsed(kChainPoints + 1);
  const int last = t.ParsePointList(text, parsed, kChainPoints);
  std::vector<int> points;
  for (int i = 0; i <= last; ++i) {
    if (parsed[static_cast<std::size_t>(i)] < engine::kPointCapacity) points.push_back(parsed[static_cast<std::size_t>(i)]);
  }
  return points;
}

// A pen as a step keeps it: each word one less.
void SetStepPen(kernel::ConstructionRecord& step, int first, const kernel::LinePen& pen) {
  step.operands[static_cast<std::size_t>(first)] = static_cast<std::uint16_t>(pen.colour - 1);
  step.operands[static_cast<std::size_t>(first) + 1] = static_cast<std::uint16_t>(pen.width - 1);
  step.operands[static_cast<std::size_t>(first) + 2] = static_cast<std::uint16_t>(pen.style - 1);
}

}  // namespace

void TGeomDWin::ShowAttachFigureDialog() {
  if (!attachFigureDialog_) {
    std::string figure;
    std::string chain;
    if (!engine::SuggestLineInput(tables(), figure, engine::LineSuggestion::kTwoLines, chain)) return;
    attachFigureDialog_ = std::make_unique<engine::TDoUndoDlg>(this, "GLUE2", kAttachFigureAction, kAttachFigureKind,
                                                               engine::kDoUndoTextLimit,
                                                               engine::DialogTexts{figure, chain, "", "", ""});
  }
  attachFigureDialog_->Show();
}

int TGeomDWin::DoAttachFigure(std::string& figure, std::string& chain, std::string* /*extra*/, int /*choice*/) {
  const std::vector<int> shape = ListedPoints(tables(), figure);
  const std::vector<int> links = ListedPoints(tables(), chain);
  if (shape.size() < 2 || links.size() < 2) return engine::kMsgCannotUnderstand;
  int made = 0;
  int result = 0;
  for (std::size_t k = 0; k + 1 < links.size(); ++k) {
    const int p = links[k];
    const int q = links[k + 1];
    if (!tables().PointExists(p) || !tables().PointExists(q)) continue;
    kernel::ConstructionRecord& step = history().BeginStep(kAttachFigureKind, static_cast<std::int16_t>(shape[0]),
                                                           static_cast<std::int16_t>(shape[1]), static_cast<std::int16_t>(p),
                                                           static_cast<std::int16_t>(q));
    if (FindLineThrough(p, q) >= 0) step.operands[4] = static_cast<std::uint16_t>(FindLineThrough(shape[0], shape[1]));
    if (history().save_labels == 0) step.operands[39] = 1;
    step.text[0] = figure.substr(0, kernel::kConstructionTextFieldChars);
    const int code = RunNewStep();
    if (code > 0) {
      result = code;
      continue;
    }
    ++made;
    PushUndoMark(kAttachFigureKind);
    TransformFills();
  }
  if (made == 0) return result != 0 ? result : engine::kMsgCouldNotFind;
  Update(true);
  wing.pictureValid = 0;
  Invalidate(false);
  return result;
}

int TGeomDWin::AttachImport(bool mouse) {
  auto* target = dynamic_cast<TGeomDWin*>(linkedParent);
  if (target == nullptr) return 0;
  engine::FigureTables& tt = target->tables();
  const engine::FigureTables& st = tables();
  std::vector<AttachedPointList>* lists = target->attachedLists();
  if (lists == nullptr || static_cast<int>(lists->size()) >= kAttachedListCount ||
      tt.last_point + st.last_point + 1 > engine::kLastPointLimit ||
      tt.last_line + st.last_line + 1 > engine::kLastLineLimit ||
      tt.last_circle + st.last_circle + 1 > engine::kLastCircleLimit) {
    return engine::kMsgNoMoreRoom;
  }
  if (AskAttachInputs(mouse) != 0) return 0;
  const int n = st.last_point;
  const int a0 = importInputs[0];
  const int a1 = importInputs[1];
  const int b0 = pointMap[static_cast<std::size_t>(a0)];
  const int b1 = pointMap[static_cast<std::size_t>(a1)];
  const std::vector<kernel::Point2> sourcePoints(st.xy.begin(), st.xy.begin() + n + 1);
  if (const int r = target->MapPointsBySimilarity({st.xy[static_cast<std::size_t>(a0)], st.xy[static_cast<std::size_t>(a1)]},
                                                  {tt.xy[static_cast<std::size_t>(b0)], tt.xy[static_cast<std::size_t>(b1)]}, n,
                                                  sourcePoints);
      r != 0) {
    return r;
  }
  std::vector<std::uint16_t> index(static_cast<std::size_t>(n) + 1);
  std::vector<std::uint16_t> labels(static_cast<std::size_t>(n) + 1);
  const int k = target->FindPointAt(n, index, labels);

  // The list keeps the source points, so the step makes them again on every replay.
  const bool attributeCopy = target->transform.attributeCopy != 0;
  AttachedPointList list;
  list.points = sourcePoints;
  list.names.resize(static_cast<std::size_t>(n) + 1);
  for (int i = 0; i <= n; ++i) {
    engine::PointNameRecord& name = list.names[static_cast<std::size_t>(i)];
    if (attributeCopy) {
      const engine::PointNameRecord& own = st.names[static_cast<std::size_t>(i)];
      name.shown = own.shown;
      name.marker = own.marker;
      name.dx = own.dx;
      name.dy = own.dy;
    }
    name.label = labels[static_cast<std::size_t>(i)];
  }
  target->PushImportMark();
  const int listIndex = static_cast<int>(lists->size());
  lists->push_back(std::move(list));

  engine::StepHistory& th = target->history();
  kernel::ConstructionRecord& step = th.BeginStep(kAttachedPointsKind, static_cast<std::int16_t>(a0), static_cast<std::int16_t>(a1),
                                                  static_cast<std::int16_t>(b0), static_cast<std::int16_t>(b1),
                                                  static_cast<std::int16_t>(n));
  const int tag = tt.attrs[static_cast<std::size_t>(b0)].tag;
  step.operands[5] = tag == tt.attrs[static_cast<std::size_t>(b1)].tag ? static_cast<std::uint16_t>(tag) : kernel::kNoOperand;
  step.operands[6] = static_cast<std::uint16_t>(k);
  step.operands[7] = static_cast<std::uint16_t>(listIndex);
  step.extra_words[0] = static_cast<std::uint16_t>(tt.last_point + k);
  step.extra_words[1] = static_cast<std::uint16_t>(tt.last_line + st.last_line + 1);
  step.extra_words[2] = static_cast<std::uint16_t>(tt.last_circle + st.last_circle + 1);
  const std::string name = kernel::FileNamePart(fileMsg.fileName, false).substr(0, kernel::kConstructionTextFieldChars);
  step.text[0] = name;
  const auto run = [target]() {
    engine::StepHistory& h = target->history();
    h.current = h.pending();
    target->stepEngine.building = 1;
    target->RedoStep(nullptr);
    target->stepEngine.building = 0;
    target->AppendStep();
  };
  run();

  // The source's lines and circles, as ordinary steps of the target.
  const auto image = [&index](int p) { return static_cast<std::int16_t>(index[static_cast<std::size_t>(p)]); };
  const kernel::LinePen plain{0, 1, 0};
  for (int i = 0; i <= st.last_line; ++i) {
    const kernel::SegmentRecord& line = st.lines[static_cast<std::size_t>(i)];
    if (!line.exists || line.points.count < 2) continue;
    const int kind = !line.extends_first ? kSegmentKind : line.extends_second ? kLineKind : kRayKind;
    kernel::ConstructionRecord& s = th.BeginStep(static_cast<kernel::StepKind>(kind), image(line.points.entries[0]),
                                                 image(line.points.entries[static_cast<std::size_t>(line.points.count - 1)]));
    SetStepPen(s, 3, attributeCopy ? line.pen : plain);
    s.text[2] = name;
    run();
  }
  for (int i = 0; i <= st.last_circle; ++i) {
    const kernel::CircleRecord& circle = st.circles[static_cast<std::size_t>(i)];
    if (!circle.exists || circle.count < 1) continue;
    const int last = circle.points[static_cast<std::size_t>(std::min<int>(circle.count, kernel::kCirclePointCapacity) - 1)];
    kernel::ConstructionRecord& s = th.BeginStep(kCircleKind, image(circle.centre), image(circle.points[0]),
                                                 circle.full_circle ? static_cast<std::int16_t>(-1) : image(last));
    s.parameters[0] = circle.full_circle ? 360 : circle.arc_angle;
    SetStepPen(s, 3, attributeCopy ? circle.pen : plain);
    s.text[2] = name;
    run();
  }

  target->PushImportMark();
  target->ReplayConstruction(true);
  target->PushCurveMarks();
  // Fills and conics follow with their points renumbered.
  const auto renumber = [&index, n](std::uint16_t p, bool& ok) {
    ok = ok && p <= n;
    return ok ? index[p] : p;
  };
  for (const kernel::FillRecord& source : fills) {
    if (source.mode == 4) continue;
    kernel::FillRecord copy = source;
    copy.next = nullptr;
    bool ok = true;
    if (source.mode == kernel::kFillInsideCircle) {
      ok = source.circle >= 0 && source.circle <= st.last_circle;
      if (ok) {
        const kernel::CircleRecord& circle = st.circles[static_cast<std::size_t>(source.circle)];
        const int centre = renumber(circle.centre, ok);
        const int through = circle.count > 0 ? renumber(circle.points[0], ok) : -1;
        copy.circle = static_cast<std::int16_t>(ok ? target->FindCircle(centre, through, circle.arc_angle) : -1);
        ok = ok && copy.circle >= 0;
      }
    } else {
      const int limit = source.mode == kernel::kFillPolygon ? 100 : source.mode;
      for (int v = 0; v < limit && v < kernel::kFillVertexCapacity && ok; ++v) {
        const std::uint16_t p = source.vertices[static_cast<std::size_t>(v)];
        if (source.mode == kernel::kFillPolygon && p >= 0x8000) break;
        copy.vertices[static_cast<std::size_t>(v)] = renumber(p, ok);
      }
    }
    // A fill whose points lie outside the source's table is left behind.
    if (ok) target->fills.push_back(copy);
  }
  if (ConicInventories* from = conicLists(); from != nullptr) {
    ConicInventories& to = target->conics;
    const auto copyDefinitions = [&](const std::vector<ConicDefinition>& source, std::vector<ConicDefinition>& into) {
      for (auto it = source.rbegin(); it != source.rend(); ++it) {
        ConicDefinitionFields fields = ReadDefinition(*it);
        bool ok = true;
        for (int& p : fields.points) p = renumber(static_cast<std::uint16_t>(p), ok);
        if (!ok) continue;
        ConicDefinition copy = *it;
        const ConicDefinition mapped = MakeDefinition(fields);
        std::copy(mapped.begin(), mapped.begin() + 6, copy.begin());
        into.insert(into.begin(), copy);
      }
    };
    copyDefinitions(from->twoFoci, to.twoFoci);
    copyDefinitions(from->threePoint, to.threePoint);
    for (auto it = from->fivePoint.rbegin(); it != from->fivePoint.rend(); ++it) {
      kernel::ConicRecord copy = *it;
      copy.next = nullptr;
      bool ok = true;
      for (std::uint16_t& p : copy.point_slots) p = renumber(p, ok);
      if (ok) to.fivePoint.insert(to.fivePoint.begin(), copy);
    }
  }
  target->EndCurveMarks();
  target->RefreshConicDialog();
  target->Update(true);
  target->wing.pictureValid = 0;
  target->Invalidate(false);
  target->SetupMenuChecks(false);
  return 0;
}

}  // namespace plane
