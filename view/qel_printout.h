#pragma once
// The printout of a graphics window: one page on which the window's picture (or, in Simulprint,
// each of the print files in turn) is drawn at the print format's margins and width.

#include <string>

#include "kernel/real.h"

namespace platform {
class DC;
class Printer;
}  // namespace platform

namespace view {

class TQELWin;

class TQELPrintout {
 public:
  TQELPrintout(TQELWin& window, std::string title);

  const std::string& title() const { return title_; }
  // All four 0: the print dialog offers no page range.
  void GetDialogInfo(int& minPage, int& maxPage, int& fromPage, int& toPage) const;
  // Draws the page; false when a picture could not be drawn (the job is then abandoned).
  bool PrintPage(int page, platform::DC& dc);
  // Prints the page on the printer; false when nothing was printed (the printer failed or the
  // job was abandoned).
  bool Print(platform::Printer& printer);
  // The first message of a print file that could not be loaded (Simulprint), or 0.
  int loadError() const { return loadError_; }

 private:
  // Draws the window's current picture at the placement the print format gives it.
  bool PrintCurrentPicture(platform::DC& dc, kernel::Real widthInches, kernel::Real left, kernel::Real top);

  TQELWin& window_;
  std::string title_;
  int loadError_ = 0;
};

}  // namespace view
