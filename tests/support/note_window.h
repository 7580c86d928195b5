#pragma once
// A small document window for testing the file-and-message layer: its document is one text,
// stored after the permission word and, for a protected file, the author piece.

#include <cstdint>
#include <string>
#include <utility>

#include "shell/file_msg_win.h"

class NoteWindow : public shell::TFileMsgWin {
 public:
  using TFileMsgWin::TFileMsgWin;

  std::string text;
  int writes = 0;

  bool IsModified() override { return fileMsg.modified != 0; }
  int LoadFile() override { return ReadDocument(); }

  bool WriteData() override {
    ++writes;
    OutFile()->U16(authorData.permissions);
    if (authorData.permissions != 0) WriteAuthorData();
    WriteStr(text);
    return true;
  }

  int ReadData() override {
    const std::uint16_t permissions = InFile()->U16();
    shell::AuthorData author;
    std::string read;
    if (!InFile()->ok() || !ReadAuthorData(permissions, author) || !ReadStr(read, 64)) return 6;
    authorData = std::move(author);
    text = std::move(read);
    return 0;
  }

  void Edit(std::string newText) {
    text = std::move(newText);
    fileMsg.modified = 1;
  }
};
