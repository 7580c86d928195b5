#pragma once
// An off-screen picture of 24-bit colour pixels: drawn on through its own device context, blitted
// to and from other device contexts, read and written as BMP files.

#include <memory>
#include <optional>
#include <string>

#include "kernel/byte_io.h"
#include "platform/drawing_types.h"

namespace platform {

class DC;

class Bitmap {
 public:
  // A bitmap of width x height pixels filled with the colour; a size of 0 or less in either
  // direction, or too large to allocate, gives an empty bitmap.
  Bitmap(int width, int height, Color fill = kWhite);
  Bitmap();  // empty
  ~Bitmap();
  Bitmap(const Bitmap& other);
  Bitmap& operator=(const Bitmap& other);
  Bitmap(Bitmap&& other) noexcept;
  Bitmap& operator=(Bitmap&& other) noexcept;

  int width() const;
  int height() const;
  bool IsEmpty() const;

  // Pixels; outside the bitmap GetPixel gives nothing and SetPixel does nothing.
  std::optional<Color> GetPixel(int x, int y) const;
  void SetPixel(int x, int y, Color color);
  void Fill(Color color);

  // A device context drawing on this bitmap, with its own state; several may be open at once.
  // Each must be destroyed before the bitmap, and the bitmap must not be assigned to while one
  // exists.
  std::unique_ptr<DC> CreateDC();

  // Copies the source rectangle of a raster device context into this bitmap with its top-left
  // corner at `at`; what falls outside this bitmap is dropped. False for vector targets.
  bool CopyFrom(const DC& source, const Rect& sourceRect, PointI at = {});

  // BMP files: written as 24-bit bottom-up rows padded to 4 bytes. Reading also accepts 8-bit
  // palette and 32-bit files, top-down or bottom-up; anything malformed gives nothing.
  kernel::Bytes ToBmp() const;
  static std::optional<Bitmap> FromBmp(const kernel::Bytes& bytes);
  bool WriteBmpFile(const std::string& path) const;
  static std::optional<Bitmap> ReadBmpFile(const std::string& path);

 private:
  friend struct BitmapAccess;
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform
