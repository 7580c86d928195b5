#pragma once
// Where an export writer's text goes. A writer assembles the text of each primitive and hands it
// over in one Write; a long plot goes in several pieces.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "kernel/file_writer.h"

namespace view {

class ExportOutput {
 public:
  virtual ~ExportOutput() = default;
  virtual void Write(std::string_view text) = 0;
};

// Collects the text, and the size of every piece written.
class StringOutput : public ExportOutput {
 public:
  void Write(std::string_view text) override {
    text_ += text;
    pieces_.push_back(text.size());
  }
  const std::string& text() const { return text_; }
  const std::vector<std::size_t>& pieces() const { return pieces_; }

 private:
  std::string text_;
  std::vector<std::size_t> pieces_;
};

// A frame file: written beside its target and put in its place by Commit (see kernel::FileWriter).
class FileOutput : public ExportOutput {
 public:
  explicit FileOutput(std::string path) : file_(std::move(path)) {}
  bool IsOpen() const { return file_.IsOpen(); }
  void Write(std::string_view text) override { file_.Write(text); }
  bool Commit() { return file_.Commit(); }

 private:
  kernel::FileWriter file_;
};

}  // namespace view
