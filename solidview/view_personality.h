#pragma once
// The two personalities of the windows in space: the 3-D window and the spherical windows share
// one viewing layer and differ in these values.

#include <cstdint>

namespace solidview {

struct ViewPersonality {
  bool spherical = false;
  const char* menu = "";          // menu and accelerator table
  const char* help = "";          // the main help text
  std::int32_t fileKind = 0;      // the kind word of the files' common block
  const char* settingsFile = "";  // in the settings folder
  const char* extension = "";     // of the figure files
  int filterString = 0;           // the open and save dialogs' filter, from the string table
};

const ViewPersonality& PersonalityOf(bool spherical);

}  // namespace solidview
