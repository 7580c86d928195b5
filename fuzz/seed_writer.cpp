// Writes the seed corpora of the fuzz targets with the program's own writers:
//   fuzz_seed_writer FOLDER     (FOLDER is fuzz/corpus; each target's seeds go to FOLDER/NAME/seeds)
// The seeds are small: a figure of each window kind, the settings file, a metafile, a bitmap, a few
// texts, steps and reals.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz/support/fuzz_support.h"
#include "fuzz/support/fuzz_windows.h"
#include "fuzz/support/window_files.h"
#include "kernel/byte_io.h"
#include "kernel/construction_record.h"
#include "kernel/file_bytes.h"
#include "platform/bitmap.h"
#include "platform/metafile_dc.h"
#include "solid/solid_figure_file.h"
#include "view/metafile_export.h"
#include "view/settings_files.h"

namespace {

std::filesystem::path corpus;

void Seed(const std::string& target, const std::string& name, const kernel::Bytes& bytes) {
  const std::filesystem::path folder = corpus / target / "seeds";
  std::filesystem::create_directories(folder);
  kvfuzz::Require(!bytes.empty() && kernel::WriteFileAtomically((folder / name).string(), bytes), "a seed is not written");
}

kernel::Bytes TextBytes(const std::string& text) { return kernel::Bytes(text.begin(), text.end()); }

void FigureSeeds() {
  for (const std::uint8_t hyperbolic : {0, 1}) {
    plane::TGeom2Win& w = kvfuzz::PlaneWindowOf(hyperbolic);
    const std::string extension = hyperbolic != 0 ? ".kvh" : ".kv2";
    w.ClearFigure();
    const kernel::Bytes empty = kvfuzz::SavedBytes(w, "empty" + extension);
    kvfuzz::BuildSampleFigure(w);
    const kernel::Bytes sample = kvfuzz::SavedBytes(w, "sample" + extension);
    for (const char* target : {"plane_file", "plane_window"}) {
      Seed(target, "empty" + extension, empty);
      Seed(target, "sample" + extension, sample);
    }
    // The sample's steps after its four free points, over those points.
    kernel::ByteWriter steps;
    steps.U8(hyperbolic);
    for (int i = 0; i < 4; ++i) steps.Point(w.tables().xy[static_cast<std::size_t>(i)]);
    for (std::size_t i = 4; i < w.history().steps.size(); ++i) kernel::WriteConstructionRecord(steps, w.history().steps[i]);
    Seed("step_replay", hyperbolic != 0 ? "sample-hyperbolic" : "sample-euclidean", steps.bytes());
    if (hyperbolic == 0) Seed("common_block", "figure-head.kv2", sample);
  }
  Seed("voronoi_window", "sample.vor", kvfuzz::ReadWholeFile(kvfuzz::VoronoiBaseFile()));
  Seed("penrose_window", "ace.kit", kvfuzz::ReadWholeFile(kvfuzz::PenroseBaseFile(0)));
  Seed("penrose_window", "start.rho", kvfuzz::SavedBytes(kvfuzz::PenroseWindowOf(1), "start.rho"));
}

kernel::Bytes SolidFileBytes(const solid::SolidFigureFile& file) {
  kernel::ByteWriter out;
  solid::WriteSolidFigureFile(out, view::kSolidFileKind, file);
  return out.Take();
}

// An empty 3-D figure, and a triangle with a face step, a table text, notes and a graph's settings.
void SolidFileSeeds() {
  solid::SolidFigureFile file;
  Seed("solid_file", "empty.kv3", SolidFileBytes(file));
  for (std::uint16_t i = 0; i < 3; ++i) {
    file.points.push_back({static_cast<kernel::Real>(i), static_cast<kernel::Real>(i * i), 1});
    engine::PointNameRecord name;
    name.label = i;
    name.shown = 1;
    file.names.push_back(name);
    file.labelMap.push_back(static_cast<std::int16_t>(i));
  }
  kernel::ConstructionRecord face;
  face.sequence = 0;
  face.kind = 380;
  face.flag = 1;
  face.operands[0] = 0;
  face.operands[1] = 1;
  face.operands[2] = 2;
  face.operands[3] = 0;
  face.operands[39] = 4;
  face.text[0] = "ABCA";
  file.history.push_back(face);
  file.hasTableText = true;
  file.tableText = "ABC";
  file.flags[solid::kFlagNoNotebook] = 0;
  file.notebook = "notes";
  file.flags[solid::kFlagNoGraphWindow] = 0;
  Seed("solid_file", "triangle.kv3", SolidFileBytes(file));
}

void SettingsSeeds() {
  plane::TGeom2Win& w = kvfuzz::PlaneWindowOf(0);
  w.qelWin.writeSettings = 1;
  kvfuzz::Require(w.WriteSettings(), "the settings file is not written");
  const kernel::Bytes plain = kvfuzz::ReadWholeFile(w.SettingsPath());
  w.qelWin.animationDelay = 250;
  w.qelWin.settings.reals[2][20] = 2.5;
  w.fileMsg.names[0] = "/figures/last.kv2";
  kvfuzz::Require(w.WriteSettings(), "the settings file is not written");
  const kernel::Bytes changed = kvfuzz::ReadWholeFile(w.SettingsPath());
  w.qelWin.writeSettings = 0;
  for (const char* target : {"settings_file", "common_block"}) {
    Seed(target, "default.ini", plain);
    Seed(target, "changed.ini", changed);
  }
}

void PictureSeeds() {
  platform::Bitmap bitmap(5, 3, platform::kWhite);
  bitmap.SetPixel(1, 1, platform::Color{200, 30, 40});
  bitmap.SetPixel(4, 2, platform::Color{10, 220, 90});
  Seed("bmp", "five-by-three.bmp", bitmap.ToBmp());

  platform::MetafileDC dc(view::WindowMetafileSetup(kvfuzz::PlaneWindowOf(0), 1, "kavrine"));
  dc.MoveTo({10, 10});
  dc.LineTo({120, 80});
  const platform::PointI triangle[] = {{20, 90}, {90, 20}, {150, 110}};
  dc.Polygon(triangle);
  dc.Ellipse({40, 40, 100, 90});
  dc.Arc({0, 0, 60, 60}, {60, 30}, {30, 0});
  dc.TextOut({30, 120}, "AB");
  dc.StretchBitmap({100, 100, 130, 120}, bitmap, {0, 0, 5, 3}, platform::RasterOp::Copy);
  Seed("emf", "shapes.emf", dc.Finish());
}

void TextSeeds() {
  Seed("pasted_text", "pairs", TextBytes("1 2\n3.5 -4\n"));
  Seed("pasted_text", "table", TextBytes("x\ty\n0.25\t1e3\n(1,2) (3,4)\n"));
  Seed("expression", "arithmetic", TextBytes("(1+2)*3^2-sqrt(2)/4"));
  Seed("expression", "functions", TextBytes("sin(30)+cos(60)*ln(2)"));
  Seed("expression", "labels", TextBytes("A+B"));
  for (const kernel::Real x : {1.5L, -0.1L, 1e-300L, 1e4900L}) {
    kernel::Bytes bytes(3 + kernel::kRealBytes, 6);
    kernel::RealToBytes(x, bytes.data() + 3);
    char name[32];
    std::snprintf(name, sizeof name, "%Lg", x);
    Seed("real_text", name, bytes);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_seed_writer CORPUS_FOLDER\n");
    return 2;
  }
  corpus = argv[1];
  kvfuzz::StartApplication();
  FigureSeeds();
  SolidFileSeeds();
  SettingsSeeds();
  PictureSeeds();
  TextSeeds();
  return 0;
}
