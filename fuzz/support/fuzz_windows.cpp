#include "fuzz/support/fuzz_windows.h"

#include "fuzz/support/fuzz_support.h"
#include "fuzz/support/window_files.h"
#include "kernel/construction_record.h"
#include "platform/application.h"
#include "view/text_item.h"

namespace kvfuzz {
namespace {

// Windows that live until the process ends: the fuzzer never ends it in an orderly way.
template <class Window>
void ShowHeadless(Window& w) {
  w.qelWin.writeSettings = 0;
  w.fileMsg.version = 63;  // as the launcher gives its windows
  w.Create();
  w.Show();
  w.SetClientSize(401, 401);
  platform::Application::ProcessPendingEvents();
  w.DeliverSize(w.ClientWidth(), w.ClientHeight());
}

}  // namespace

plane::TGeom2Win& PlaneWindowOf(std::uint8_t hyperbolic) {
  StartApplication();
  static plane::TGeom2Win* windows[2] = {nullptr, nullptr};
  plane::TGeom2Win*& w = windows[hyperbolic != 0];
  if (w == nullptr) {
    w = new plane::TGeom2Win(nullptr, "plane", hyperbolic != 0 ? 1 : 0);
    ShowHeadless(*w);
  }
  return *w;
}

special::TGeomVWin& VoronoiWindow() {
  StartApplication();
  static special::TGeomVWin* w = nullptr;
  if (w == nullptr) {
    w = new special::TGeomVWin(nullptr, "voronoi");
    ShowHeadless(*w);
  }
  return *w;
}

special::TPenrWin& PenroseWindowOf(std::uint8_t tilingKind) {
  StartApplication();
  static special::TPenrWin* windows[2] = {nullptr, nullptr};
  special::TPenrWin*& w = windows[tilingKind != 0];
  if (w == nullptr) {
    w = new special::TPenrWin(nullptr, tilingKind != 0 ? "noname.rho" : "noname.kit", tilingKind != 0 ? 1 : 0);
    ShowHeadless(*w);
  }
  return *w;
}

int AddFreePoint(plane::TGeomEWin& w, kernel::Real x, kernel::Real y) {
  w.tables().xy[w.tables().last_point + 1] = {x, y};
  w.history().BeginStep(121, static_cast<std::int16_t>(w.tables().FindFreeLabel()));
  w.RunNewStep();
  return w.tables().last_point;
}

int AddStep(plane::TGeomEWin& w, int kind, const std::vector<int>& operands, const std::vector<std::string>& texts) {
  kernel::ConstructionRecord& step = w.history().BeginStep(static_cast<kernel::StepKind>(kind));
  for (std::size_t i = 0; i < operands.size(); ++i) step.operands[i] = static_cast<std::uint16_t>(operands[i]);
  for (std::size_t i = 0; i < texts.size() && i < 3; ++i) step.text[i] = texts[i];
  return w.RunNewStep();
}

void BuildSampleFigure(plane::TGeomEWin& w) {
  w.ClearFigure();
  const bool hyperbolic = w.hyperbolic != 0;
  const kernel::Real s = hyperbolic ? 0.2L : 1;
  AddFreePoint(w, -2 * s, -1 * s);
  AddFreePoint(w, 2 * s, 1 * s);
  AddFreePoint(w, -1 * s, 2 * s);
  AddFreePoint(w, 1 * s, -2 * s);
  AddStep(w, 111, {0, 1, -1, 0, 0, 0});
  AddStep(w, 111, {2, 3, -1, 0, 0, 0});
  AddStep(w, 103, {0, 1, 2, 3, 0, 1});
}

namespace {

template <class Window, class Build>
std::string BaseFile(Window& w, const std::string& name, Build build) {
  build(w);
  const kernel::Bytes bytes = SavedBytes(w, name);
  Require(!bytes.empty(), "the sample figure does not save");
  return ScratchPath(name);
}

}  // namespace

std::string PlaneBaseFile(std::uint8_t hyperbolic) {
  static std::string paths[2];
  std::string& path = paths[hyperbolic != 0];
  if (path.empty())
    path = BaseFile(PlaneWindowOf(hyperbolic), hyperbolic != 0 ? "base.kvh" : "base.kv2",
                    [](plane::TGeom2Win& w) { BuildSampleFigure(w); });
  return path;
}

std::string VoronoiBaseFile() {
  static std::string path;
  if (path.empty())
    path = BaseFile(VoronoiWindow(), "base.vor", [](special::TGeomVWin& w) {
      w.ClearFigure();
      AddFreePoint(w, -1, -1);
      AddFreePoint(w, 1, 0.5L);
      AddFreePoint(w, 0, 1.5L);
    });
  return path;
}

std::string PenroseBaseFile(std::uint8_t tilingKind) {
  static std::string paths[2];
  std::string& path = paths[tilingKind != 0];
  if (path.empty())
    path = BaseFile(PenroseWindowOf(tilingKind), tilingKind != 0 ? "base.rho" : "base.kit", [](special::TPenrWin& w) {
      w.LoadPatch(2);
      view::TextItem text;
      text.text = "sample";
      text.x = 0.5L;
      text.y = 0.25L;
      w.textItems.plain.push_back(text);
    });
  return path;
}

}  // namespace kvfuzz
