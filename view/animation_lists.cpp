#include "view/animation_lists.h"

#include <initializer_list>

#include "kernel/byte_io.h"
#include "kernel/file_bytes.h"
#include "kernel/file_names.h"
#include "kernel/text_utils.h"

namespace view {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kTeXEscape = "\\";

// The frame's name in a list: the base's file name (which has no extension; any dots in it are
// part of the name) and the frame number.
std::string ListedName(std::string_view base, int frame, int count) {
  return kernel::FileNamePart(base, false) + FrameNumber(frame, count);
}

}  // namespace

int FrameDigits(int count) {
  int digits = 1;
  for (const int limit : {9, 99, 999, 9999, 99999})
    if (count > limit) ++digits;
  return digits;
}

std::string FrameNumber(int frame, int count) {
  std::string number = std::to_string(frame);
  const int digits = FrameDigits(count);
  if (static_cast<int>(number.size()) < digits) kernel::PadLeft(digits, number, '0');
  return number;
}

std::string FrameFileName(std::string_view base, int frame, int count, std::string_view extension) {
  std::string name(base);
  if (count > 1) name += FrameNumber(frame, count);
  name += '.';
  name += extension;
  return name;
}

std::string AnimationTextList(std::string_view base, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) kernel::StrCat8(text, ListedName(base, i, count), kLineEnd);
  return text;
}

std::string AnimationTeXList(std::string_view base, int count) {
  std::string text;
  kernel::StrCat8(text, kTeXEscape, "begin{animateinline}[poster=first,controls]{1}", kLineEnd);
  for (int i = 0; i < count; ++i) {
    kernel::StrCat8(text, kTeXEscape, "input{", ListedName(base, i, count), "}", kLineEnd);
    if (i + 1 < count) kernel::StrCat8(text, kTeXEscape, "newframe", kLineEnd);
  }
  kernel::StrCat8(text, kTeXEscape, "end{animateinline}", kLineEnd);
  return text;
}

std::string AnimationListPath(std::string_view base, AnimationList list) {
  return std::string(base) + (list == AnimationList::TeX ? "ANIM.tex" : "ANIM.txt");
}

bool WriteAnimationList(std::string_view base, int count, AnimationList list) {
  if (list == AnimationList::None) return true;
  const std::string text = list == AnimationList::TeX ? AnimationTeXList(base, count) : AnimationTextList(base, count);
  return kernel::WriteFileAtomically(AnimationListPath(base, list), kernel::Bytes(text.begin(), text.end()));
}

}  // namespace view
