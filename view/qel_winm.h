#pragma once
// The picture layer of the picture windows: pictures pasted from the clipboard and placed on the
// figure, and the whole drawing written as a metafile for the clipboard and for files.
//
// A picture is an enhanced metafile placed by a world rectangle, optionally tied to an object
// (its rectangle then kept relative to the object's position, see picture_item.h). The figure
// windows paste, edit and drag pictures with their picture tool (PastePicture, DragPicture) and
// draw them under the figure (DrawPictures). On the screen each picture keeps its played bitmap
// at the size it is shown, so a repaint blits it; a metafile gets the picture's own records.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kernel/byte_io.h"
#include "platform/drawing_types.h"
#include "view/meta_dlg.h"
#include "view/picture_item.h"
#include "view/qel_wint.h"

namespace platform {
class DC;
}

namespace view {

inline constexpr int kCmdCopyToClipboard = 311;
inline constexpr int kCmdHighResolution = 371;
// The button of the figure windows' picture tool.
inline constexpr int kCmdPictureTool = 124;
// The most characters of the application part of a metafile's description.
inline constexpr std::size_t kMetafileApplicationLength = 39;

// A picture under a pixel: its place in the list, the pixel's offset from the picture's upper
// left corner, and the picture's size in pixels.
struct PictureHit {
  std::size_t index = 0;
  platform::PointI offset;
  platform::SizeI size;
};

class TQELWinm : public TQELWint {
 public:
  TQELWinm(platform::FrameWindow* parent, std::string_view title);

  // Enables commands 311, 370 and 371.
  std::uint8_t metafileCommandsEnabled = 1;
  // Metafiles are drawn at kHighResolutionMagnification times the resolution.
  std::uint8_t highResolution = 0;
  // The application part of a metafile's description; the figure windows set it.
  std::string metafileApplication;
  // The pasted pictures, in order; rectangles of tied pictures relative to their objects.
  std::vector<PictureItem> pictures;

  // 9 with high resolution, else 1.
  int Magnification() const;

  // --- Pictures ---
  // Edits the picture under the pixel in the picture dialog, or pastes the clipboard's metafile
  // there as a new picture (message 5 when the clipboard has none).
  void PastePicture(int x, int y);
  // Drags the picture under the pixel with the mouse; false when there is none.
  bool DragPicture(int x, int y);
  // The first picture under the pixel.
  std::optional<PictureHit> HitPicture(platform::PointI pixel);
  // Draws every picture on the painter's device (nothing for painters without one), under the
  // figure: the rectangle filled with the background colour first unless the picture is
  // transparent (or a metafile is drawn without "With back color").
  void DrawPictures(FigurePainter& painter);
  void DrawPictures(platform::DC& dc);
  // Removes the (first) picture of that id.
  void DeletePicture(std::int32_t id);
  void FreePictureList() { pictures.clear(); }
  // The picture piece of the figure files; reading replaces the list only when the piece is
  // whole (false, the list unchanged, otherwise).
  void WritePictures(kernel::ByteWriter& out) const;
  bool ReadPictures(kernel::ByteReader& in);

  // The picture's rectangle made absolute or relative by its tie.
  void PictureToAbsolute(PictureItem& item);
  void PictureToRelative(PictureItem& item);

  // --- Metafiles ---
  // The whole drawing as a metafile on the clipboard; false (message 12 shown) when it could not
  // be made.
  bool CopyToClipboard();
  // The drawing as metafile bytes (what the clipboard gets); none when the picture pass failed.
  std::optional<kernel::Bytes> MakeMetafile();
  void ToggleHighResolution();

  // The picture pass of every export draws the pictures first.
  bool ExportPicture(FigurePainter& painter, const ExportFrame& frame) override;
  void SetupMenuChecks(bool redraw) override;

  // --- What the figure windows supply ---
  // (A tied picture sits relative to ObjectPosition of its object, as tied texts do.)
  // The objects a picture can be tied to (none here: the dialog's list and "anchor" are off).
  virtual std::vector<PictureTieChoice> PictureTieChoices() const { return {}; }

 protected:
  bool OnCommand(int id) override;
  void EnableCommand(platform::CommandState& state) override;
  void OnDestroy() override;
  // The background, then the pictures (the figure windows draw the figure over them).
  void Paint(platform::DC& dc) override;
  // With the picture tool: the right button pastes or edits, the left button drags.
  void OnMouseDown(const platform::MouseEvent& e) override;

 private:
  // The screen's resolution and size (the window's device context).
  platform::DeviceCaps ScreenCaps();
  platform::Rect PixelRect(const PictureItem& item) const;
  void EditPicture(std::size_t index);
  void PasteNewPicture(int x, int y);
  void PictureChanged();
  // On a raster target from the played bitmap: over the background colour when one is given (an
  // opaque picture), else over what the target shows.
  void DrawPicture(platform::DC& dc, PictureItem& item, const platform::Rect& rect,
                   std::optional<platform::Color> background);
};

}  // namespace view
