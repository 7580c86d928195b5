#pragma once
// A graphics window of a test kind: its own file kind and settings file, and a figure file that
// is the common block followed by the notebook piece. It counts the figure operations it is asked
// for.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "shell/message_numbers.h"
#include "view/qel_win.h"
#include "kernel/byte_io.h"

inline constexpr std::int32_t kTestKind = 625;
inline constexpr const char* kTestSettingsFile = "kvtest.ini";

class KindWindow : public view::TQELWin {
 public:
  explicit KindWindow(std::string_view title = "figure.kvt") : TQELWin(nullptr, title) {
    qelWin.fileKind = kTestKind;
    qelWin.settingsFileName = kTestSettingsFile;
  }

  int clears = 0;
  int newFigures = 0;
  int lastVersion = 0;

  void ClearFigure() override { ++clears; }
  void NewFigure() override { ++newFigures; }
  bool IsModified() override { return fileMsg.modified != 0; }
  bool WriteData() override {
    if (!OpenFileForSave(0)) return false;
    SaveNotebook();
    return true;
  }
  int ReadData() override {
    lastVersion = OpenFileForLoad();
    if (lastVersion < 1) return shell::kIncompatibleVersions;
    if (!LoadNotebook()) return shell::kInconsistentData;
    ClearFigure();  // the file was read whole: it replaces the figure
    return 0;
  }
};

// Little-endian words inside a file image.
inline std::int32_t WordAt(const kernel::Bytes& bytes, std::size_t offset) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | bytes.at(offset + i);
  return static_cast<std::int32_t>(v);
}

inline void SetWordAt(kernel::Bytes& bytes, std::size_t offset, std::int32_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) bytes.at(offset + i) = static_cast<std::uint8_t>(v >> (8 * i));
}
