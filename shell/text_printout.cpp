#include "shell/text_printout.h"

#include <algorithm>
#include <cstdlib>

#include "kernel/number_text.h"
#include "kernel/printed_lines.h"
#include "platform/dc.h"
#include "platform/printing.h"
#include "platform/stored_fonts.h"

namespace shell {

namespace {
constexpr kernel::Real kInchesPerMillimetre = 0.03937007874015748;
// A printed line is measured at most this long; no page is wider.
constexpr std::size_t kLongestMeasuredLine = 2048;
}  // namespace

kernel::Real UsablePrintHeight(int heightMm, kernel::Real top) {
  const kernel::Real pageInches = heightMm * kInchesPerMillimetre;
  // Short (landscape) pages keep 7.5 inches, taller ones 10 inches; the printout also stops at
  // the bottom of the printable area.
  return (pageInches <= 9 ? kernel::Real{7.5} : kernel::Real{10}) - top;
}

TTextout::TTextout(kernel::Real left, kernel::Real top, std::string_view title, std::string_view text,
                   const kernel::FontRecord& font, int pointSize)
    : title_(title),
      text_(text),
      font_(font),
      pointSize_(pointSize),
      left_(std::max(left, kMinimumPrintMargin)),
      top_(std::max(top, kMinimumPrintMargin)) {}

bool TTextout::HasPage(int page) const { return page >= 0 && kernel::HasTextFrom(text_, next_); }

void TTextout::PrintPage(int /*page*/, platform::DC& dc) {
  const platform::DeviceCaps caps = dc.GetDeviceCaps();
  const int x = kernel::RoundLD(left_ * caps.dpiX) - caps.physicalOffsetX;
  int y = kernel::RoundLD(top_ * caps.dpiY) - caps.physicalOffsetY;

  platform::FontSpec font = platform::FontSpecFromRecord(font_);
  font.height = -kernel::MulDiv(std::abs(pointSize_), caps.dpiY, 72);
  const platform::FontSpec previousFont = dc.SelectFont(font);
  const platform::TextAlign previousAlign = dc.SetTextAlign(platform::kAlignLeft | platform::kAlignTop);
  const platform::BackgroundMode previousMode = dc.SetBackgroundMode(platform::BackgroundMode::Transparent);
  const int lineHeight = std::max(1, dc.GetTextExtent("M").height);

  const int usableBottom = y + kernel::RoundLD(UsablePrintHeight(caps.heightMm, top_) * caps.dpiY);
  const int bottom = caps.heightPixels > 0 ? std::min(usableBottom, caps.heightPixels) : usableBottom;
  const int maxLines = std::max(1, (bottom - y) / lineHeight);
  const int width = caps.widthPixels - x;

  // The longest start of a line that fits the page's width.
  const kernel::FitCount fitCount = [&dc, width](std::string_view line) -> std::size_t {
    std::size_t low = 1;
    std::size_t high = std::min(line.size(), kLongestMeasuredLine);
    while (low < high) {
      const std::size_t mid = (low + high + 1) / 2;
      if (dc.GetTextExtent(line.substr(0, mid)).width <= width) {
        low = mid;
      } else {
        high = mid - 1;
      }
    }
    return low;
  };

  const kernel::PrintedPage page = kernel::TakePrintedPage(text_, next_, maxLines, fitCount);
  for (const std::string& line : page.lines) {
    if (!line.empty()) dc.TextOut({x, y}, line);
    y += lineHeight;
  }
  next_ = page.next;

  dc.SetBackgroundMode(previousMode);
  dc.SetTextAlign(previousAlign);
  dc.SelectFont(previousFont);
}

bool TTextout::Print(platform::Printer& printer) {
  for (int page = 1; HasPage(page); ++page) {
    platform::DC* dc = printer.NextPage();
    if (!dc) break;
    PrintPage(page, *dc);
  }
  return printer.End();
}

}  // namespace shell
