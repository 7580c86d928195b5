#pragma once
// The printout of a text window: the text page by page in the text slot's font, from the left
// and top margins on. Lines end at CR LF, a lone CR or a lone LF; a form feed starts a new page;
// a line wider than the page goes on in the next line, and no line is printed below the page's
// usable height.

#include <cstddef>
#include <string>
#include <string_view>

#include "kernel/font_records.h"
#include "kernel/real.h"

namespace platform {
class DC;
class Printer;
}  // namespace platform

namespace shell {

// The smallest margin a printout keeps, in inches.
inline constexpr kernel::Real kMinimumPrintMargin = 0.25;

class TTextout {
 public:
  // Margins in inches; below kMinimumPrintMargin they become that margin.
  TTextout(kernel::Real left, kernel::Real top, std::string_view title, std::string_view text,
           const kernel::FontRecord& font, int pointSize);

  // Whether page (1, 2, ...) has text left to print.
  bool HasPage(int page) const;
  // Prints the next page's lines on dc (a printer page) and moves on past them.
  void PrintPage(int page, platform::DC& dc);
  // Prints every page; false when the printer failed.
  bool Print(platform::Printer& printer);

  const std::string& title() const { return title_; }
  kernel::Real left() const { return left_; }
  kernel::Real top() const { return top_; }
  std::size_t next() const { return next_; }

 private:
  std::string title_;
  std::string text_;
  kernel::FontRecord font_;
  int pointSize_;
  kernel::Real left_;
  kernel::Real top_;
  std::size_t next_ = 0;
};

// The height in inches that a page of heightMm millimetres offers below a top margin.
kernel::Real UsablePrintHeight(int heightMm, kernel::Real top);

}  // namespace shell
