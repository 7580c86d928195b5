#pragma once
// Frame files of an animated export and the lists that tie them together. Frame n of an export of
// `count` frames is named base + n + "." + extension, the number padded on the left with "0" to the
// digits of the frame count (9 frames: "0" to "8"; 10 frames: "00" to "09"); a single frame has no
// number. "ANIM.txt" (the frames of an SVG, BMP or metafile export, one bare name a line) and
// "ANIM.tex" (an animateinline environment that inputs the PiCTeX frames) lie beside the frames,
// named base + "ANIM.txt" and base + "ANIM.tex". Lines end with CR LF.

#include <string>
#include <string_view>

namespace view {

enum class AnimationList { None, Text, TeX };

// 1, plus 1 for each of count > 9, > 99, > 999, > 9999, > 99999.
int FrameDigits(int count);
// The frame number n padded to the digits of count.
std::string FrameNumber(int frame, int count);
// base + the frame number (only when count > 1) + "." + extension.
std::string FrameFileName(std::string_view base, int frame, int count, std::string_view extension);

// The texts of the two lists for `count` frames of the base path (the names in them are the frame
// files' names without folder and extension).
std::string AnimationTextList(std::string_view base, int count);
std::string AnimationTeXList(std::string_view base, int count);
// base + "ANIM.txt" or base + "ANIM.tex".
std::string AnimationListPath(std::string_view base, AnimationList list);
// Writes the list; false when it could not be written.
bool WriteAnimationList(std::string_view base, int count, AnimationList list);

}  // namespace view
