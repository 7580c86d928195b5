#include "view/eps_header.h"

#include <algorithm>
#include <cmath>

#include "kernel/file_names.h"
#include "kernel/number_text.h"

namespace view {

using kernel::Real;

namespace {

constexpr const char* kLineEnd = "\r\n";

// Truncated toward zero, then raised by one when that lost a fraction.
Real RoundUp(Real x) {
  const Real t = std::trunc(x);
  return t < x ? t + 1 : t;
}

std::string IntText(Real x) { return kernel::FormatLD(x, 0, 0); }

}  // namespace

void SetEpsPageMetrics(EpsPage& page, int clientWidth, int clientHeight, int dpi) {
  const Real u = dpi > 0 ? dpi : 96;
  // A client one pixel wide or high counts as two, so the sizes stay finite.
  const Real w1 = std::max(1, clientWidth - 1);
  const Real h1 = std::max(1, clientHeight - 1);
  page.width = w1 * 72 / u;
  page.height = page.width * h1 / w1;
  page.pointsPerPixel = 72 / u;

  struct Dashes {
    double k;
    std::array<int, 6> multiples;  // of a; 0 ends the list
  };
  static constexpr std::array<Dashes, 5> kDashes{{{0, {}},
                                                  {4.3, {1, 1}},
                                                  {7.8, {3, 1}},
                                                  {2.5, {1, 2, 3, 2}},
                                                  {3.7, {1, 1, 3, 1, 1, 1}}}};
  for (std::size_t style = 0; style < kDashes.size(); ++style) {
    const long a = std::max(2L, static_cast<long>(std::trunc(static_cast<Real>(kDashes[style].k) * page.pointsPerPixel)));
    std::string text = "[";
    for (const int m : kDashes[style].multiples) {
      if (m == 0) break;
      if (text.size() > 1) text += ' ';
      text += std::to_string(m * a);
    }
    page.dash[style] = text + "] 0 setdash";
  }
}

EpsPage MakeEpsPage(const ViewMapping& mapping, const VectorExportSettings& settings) {
  EpsPage page;
  page.frames = settings.frames;
  page.animationHalfWidth = settings.animationHalfWidth;
  page.animationHalfHeight = settings.animationHalfWidth * mapping.halfHeight / mapping.halfWidth;
  SetEpsPageMetrics(page, mapping.width, mapping.height, settings.screenDpi);
  page.width = RoundUp(page.width);
  page.height = RoundUp(page.height);
  if (page.frames < 2) {
    page.xScale = page.width * static_cast<Real>(0.5) / mapping.halfWidth;
    page.yScale = page.height * static_cast<Real>(0.5) / mapping.halfHeight;
  } else {
    page.xScale = page.width * static_cast<Real>(0.5) / page.animationHalfWidth;
    page.yScale = page.height * static_cast<Real>(0.5) / page.animationHalfHeight;
  }
  return page;
}

std::string EpsHeaderText(const EpsPage& page, const VectorExportSettings& settings) {
  const std::string w = IntText(page.width);
  const std::string h = IntText(page.height);
  std::string text;
  text += "%!PS-Adobe-3.0 EPSF-3.0";
  text += kLineEnd;
  text += "%%BoundingBox: 0 0 " + w + " " + h + kLineEnd;
  text += "%%Creator: (" + PostScriptEscape(settings.creator) + ")" + kLineEnd;
  text += "%%Title: (" + PostScriptEscape(kernel::FileNamePart(settings.fileName, false)) + ")" + kLineEnd;
  text += "%%CreationDate:(" + PostScriptEscape(settings.creationDate) + ")" + kLineEnd;
  text += "%%Pages: 1";
  text += kLineEnd;
  text += "%%Page: 1 1";
  text += kLineEnd;
  text += EpsLineWidth(static_cast<Real>(0.32)) + " setlinewidth" + kLineEnd;
  // Nothing of the picture reaches past the declared box (the frame and the axes' ends do).
  text += "0 0 moveto " + w + " 0 lineto " + w + " " + h + " lineto 0 " + h + " lineto clip newpath" + kLineEnd;
  return text;
}

std::string EpsTrailerText() { return std::string("%%EOF") + kLineEnd; }

std::string EpsCreationDate(std::time_t when) {
  static constexpr const char* kDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
  static constexpr const char* kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                            "July",    "August",   "September", "October", "November", "December"};
  std::tm t{};
  if (localtime_r(&when, &t) == nullptr) return {};
  return std::string(kDays[t.tm_wday % 7]) + ", " + kMonths[t.tm_mon % 12] + " " + std::to_string(t.tm_mday) + ", " +
         std::to_string(t.tm_year + 1900);
}

std::string EpsNumber(Real x) { return kernel::FormatLD(x, 5, 3); }
std::string EpsAngle(Real degrees) { return kernel::FormatLD(degrees, 8, 6); }
std::string EpsLineWidth(Real points) { return kernel::FormatLD(points, 4, 2); }

std::string EpsColorText(kernel::ColorRef color) {
  return EpsNumber(kernel::RedOf(color) / static_cast<Real>(255)) + " " +
         EpsNumber(kernel::GreenOf(color) / static_cast<Real>(255)) + " " +
         EpsNumber(kernel::BlueOf(color) / static_cast<Real>(255));
}

std::string PostScriptEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    if (ch == '(' || ch == ')' || ch == '\\') {
      out += '\\';
      out += ch;
    } else if (byte < 32 || byte >= 127) {
      out += '\\';
      out += static_cast<char>('0' + ((byte >> 6) & 7));
      out += static_cast<char>('0' + ((byte >> 3) & 7));
      out += static_cast<char>('0' + (byte & 7));
    } else {
      out += ch;
    }
  }
  return out;
}

}  // namespace view
