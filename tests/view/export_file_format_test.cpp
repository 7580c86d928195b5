// The EPS and SVG formats as the export sequence sees them: file names and the painters they make.
#include <gtest/gtest.h>

#include "export_readers.h"
#include "view/export_file_format.h"
#include "view/export_sequence.h"

using namespace view;

TEST(ExportFileFormat, BaseNamesMatchTheExtensionWithoutRegardToCase) {
  struct Case {
    const char* chosen;
    const char* extension;
    std::optional<std::string> base;
  };
  const Case cases[] = {
      {"/home/u/figure.eps", "eps", "/home/u/figure"},
      {"/home/u/figure.EPS", "eps", "/home/u/figure"},
      {"figure.Svg", "svg", "figure"},
      {"/home/u/noname.eps.eps", "eps", "/home/u/noname.eps"},  // only the last ending is cut
      {"/home/u/my.eps.d/figure.eps", "eps", "/home/u/my.eps.d/figure"},  // folders are not names
      {"/home/u/figure.epsx", "eps", std::nullopt},
      {"/home/u/figure.ps", "eps", std::nullopt},
      {"/home/u/figure", "svg", std::nullopt},
      {"/home/u.svg/figure", "svg", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ExportBaseName(c.chosen, c.extension), c.base) << c.chosen;
}

TEST(ExportFileFormat, EachFormatMakesItsWriter) {
  EXPECT_EQ(EpsFileFormat().extension, "eps");
  EXPECT_EQ(EpsFileFormat().dialogExtension, "EPS");
  EXPECT_EQ(EpsFileFormat().filterStringId, 96);
  EXPECT_EQ(EpsFileFormat().savedStringId, 91);
  EXPECT_EQ(SvgFileFormat().extension, "svg");
  EXPECT_EQ(SvgFileFormat().filterStringId, 97);
  EXPECT_EQ(SvgFileFormat().savedStringId, 92);

  const ViewMapping mapping = export_test::SquareView();
  VectorExportSettings settings = export_test::Settings();
  settings.measureText = {};  // measured on the writer's own bitmap
  for (const ExportFileFormat* format : {&EpsFileFormat(), &SvgFileFormat()}) {
    StringOutput file;
    const std::unique_ptr<ExportFilePainter> painter = format->makePainter(file, mapping, settings);
    ASSERT_NE(painter, nullptr);
    painter->BeginPicture();
    painter->SetPen({InkColor::Index(1), 1, kLineSolid});
    painter->Segment({0, 0}, {1, 1}, true);
    const platform::SizeI extent = painter->TextExtent("Wide text");
    EXPECT_GT(extent.width, 20);
    EXPECT_GT(extent.height, 5);
    painter->Text({100, 100}, "Wide text", 1, -1, std::nullopt);
    painter->EndPicture();
    const std::string text = file.text();
    if (format == &EpsFileFormat()) {
      EXPECT_EQ(text.rfind("%!PS-Adobe-3.0 EPSF-3.0\r\n", 0), 0u);
      EXPECT_EQ(text.substr(text.size() - 7), "%%EOF\r\n");
      export_test::ExpectGhostscriptAccepts(text, 300, 300);
    } else {
      EXPECT_EQ(text.rfind("<?xml version=\"1.0\"", 0), 0u);
      EXPECT_EQ(text.substr(text.size() - 8), "</svg>\r\n");
      export_test::ExpectSvgReadable(text);
    }
  }
}
