#pragma once
// Support for the export writer tests: a fixed text measure, painters on a string, and the real
// readers every written file must pass (Ghostscript for EPS; xmllint and rsvg-convert for SVG).

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "view/export_output.h"
#include "view/figure_painter.h"
#include "view/vector_export_settings.h"
#include "view/view_mapping.h"

namespace export_test {

// The writers' output into a string stream the tests read and clear.
class StreamOutput : public view::ExportOutput {
 public:
  explicit StreamOutput(std::ostringstream& out) : out_(out) {}
  void Write(std::string_view text) override { out_ << text; }

 private:
  std::ostringstream& out_;
};

// Texts are 7 pixels wide per character and 16 high, whatever the font.
inline view::VectorExportSettings Settings() {
  view::VectorExportSettings s;
  s.creationDate = "Monday, March 3, 2025";
  s.fileName = "/home/user/figures/fig.kv2";
  s.title = "fig.kv2";
  s.measureText = [](const view::TextStyle&, std::string_view text) {
    return platform::SizeI{7 * static_cast<int>(text.size()), 16};
  };
  return s;
}

// A client of 401 x 401 pixels showing -4..4 both ways: 0.02 world units per pixel; at 96 dpi the
// page is 300 x 300 points, 37.5 points per world unit, the origin at (150, 150).
inline view::ViewMapping SquareView() {
  view::ViewMapping m;
  m.width = 401;
  m.height = 401;
  m.unequal = 1;
  m.box = {-4, 4, -4, 4};
  view::FitViewToClient(m);
  return m;
}

// The lines of a CR LF text; false in ok when some line ends otherwise.
inline std::vector<std::string> CrLfLines(const std::string& text, bool* ok = nullptr) {
  std::vector<std::string> lines;
  bool good = true;
  std::size_t from = 0;
  while (from < text.size()) {
    const std::size_t lf = text.find('\n', from);
    if (lf == std::string::npos) {
      lines.push_back(text.substr(from));
      good = false;
      break;
    }
    if (lf == from || text[lf - 1] != '\r') good = false;
    lines.push_back(text.substr(from, lf - from - (lf > from && text[lf - 1] == '\r' ? 1 : 0)));
    from = lf + 1;
  }
  if (ok) *ok = good;
  return lines;
}

inline int Count(const std::string& text, const std::string& word) {
  int n = 0;
  for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + word.size())) ++n;
  return n;
}

struct ToolRun {
  int status = -1;
  std::string output;
};

// Runs a shell command, its standard output and error together.
inline ToolRun RunTool(const std::string& command) {
  ToolRun run;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return run;
  std::array<char, 4096> buffer;
  std::size_t n;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.output.append(buffer.data(), n);
  run.status = pclose(pipe);
  return run;
}

inline bool HaveTool(const std::string& name) {
  return RunTool("command -v " + name + " >/dev/null").status == 0;
}

// A file of its own for each document a test writes.
inline std::string WriteTempFile(const std::string& text, const std::string& extension) {
  static int serial = 0;
  const std::string path = testing::TempDir() + "kv_export_" + std::to_string(getpid()) + "_" +
                           std::to_string(++serial) + "." + extension;
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

// Ghostscript reads the EPS without error, and what it marks lies inside 0 0 width height (to
// within the bbox device's pixel, 1/4000 inch, by which it widens every fill).
inline void ExpectGhostscriptAccepts(const std::string& eps, int width, int height) {
  ASSERT_TRUE(HaveTool("gs")) << "Ghostscript (gs) is not installed; ./kv.sh test installs it";
  const std::string path = WriteTempFile(eps, "eps");
  const ToolRun run = RunTool("gs -q -dSAFER -dBATCH -dNOPAUSE -r4000 -sDEVICE=bbox '" + path + "'");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(run.output.find("Error"), std::string::npos) << run.output;
  const std::size_t at = run.output.find("%%HiResBoundingBox:");
  ASSERT_NE(at, std::string::npos) << run.output;
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  std::istringstream box(run.output.substr(at + 19));
  box >> x0 >> y0 >> x1 >> y1;
  const double pixel = 72.0 / 4000;
  EXPECT_GE(x0, -pixel) << run.output;
  EXPECT_GE(y0, -pixel) << run.output;
  EXPECT_LE(x1, width + pixel) << run.output;
  EXPECT_LE(y1, height + pixel) << run.output;
  std::remove(path.c_str());
}

// The SVG is well-formed XML and renders with something drawn.
inline void ExpectSvgReadable(const std::string& svg) {
  ASSERT_TRUE(HaveTool("xmllint")) << "xmllint is not installed; ./kv.sh test installs it";
  ASSERT_TRUE(HaveTool("rsvg-convert")) << "rsvg-convert is not installed; ./kv.sh test installs it";
  const std::string path = WriteTempFile(svg, "svg");
  const ToolRun lint = RunTool("xmllint --noout '" + path + "'");
  EXPECT_EQ(lint.status, 0) << lint.output;
  EXPECT_TRUE(lint.output.empty()) << lint.output;
  // Rendered (as PDF), the picture has ink: a reader that finds the document in error draws
  // nothing.
  const std::string pdf = path + ".pdf";
  const ToolRun render = RunTool("rsvg-convert -f pdf -o '" + pdf + "' '" + path + "'");
  EXPECT_EQ(render.status, 0) << render.output;
  const ToolRun marks = RunTool("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=bbox '" + pdf + "'");
  EXPECT_EQ(marks.status, 0) << marks.output;
  EXPECT_EQ(marks.output.find("%%BoundingBox: 0 0 0 0"), std::string::npos) << "rsvg-convert drew nothing";
  EXPECT_NE(marks.output.find("%%BoundingBox:"), std::string::npos) << marks.output;
  std::remove(pdf.c_str());
  std::remove(path.c_str());
}

inline constexpr kernel::ColorRef kPink = kernel::Rgb(255, 0, 128);

// An export painter writing into a string, with colour index 5 pink.
template <class Painter>
struct PainterFile {
  explicit PainterFile(const view::ViewMapping& m = SquareView(), view::VectorExportSettings s = Settings())
      : mapping(m), settings(Pink(std::move(s))), painter(output, mapping, settings) {}

  static view::VectorExportSettings Pink(view::VectorExportSettings s) {
    s.colors[5] = kPink;
    return s;
  }
  // What the primitives wrote so far, and the writing cleared.
  std::string Take() {
    std::string text = out.str();
    out.str({});
    return text;
  }
  // A whole file around the primitives that draw.
  template <class Draw>
  std::string Document(Draw draw) {
    out.str({});
    painter.BeginPicture();
    draw(painter);
    painter.EndPicture();
    return Take();
  }

  view::ViewMapping mapping;
  view::VectorExportSettings settings;
  std::ostringstream out;
  StreamOutput output{out};
  Painter painter;
};

inline view::LinePen Pen(int width = 1, int style = view::kLineSolid) {
  return {view::InkColor::Index(5), width, style};
}
inline view::LinePen NullPen() { return {view::InkColor::Index(5), 1, view::kLineNone}; }
inline view::FillBrush Brush(int pattern = 0) { return {true, view::InkColor::Index(5), pattern}; }

}  // namespace export_test
