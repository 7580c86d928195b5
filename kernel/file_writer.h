#pragma once
// A file written in pieces. The pieces go to a temporary file beside the target, which replaces the
// target only when Commit finds everything written; otherwise it is removed, so an old file of
// that name stays as it was.

#include <cstdio>
#include <string>
#include <string_view>

namespace kernel {

class FileWriter {
 public:
  explicit FileWriter(std::string path);
  // Removes the temporary file unless it was committed.
  ~FileWriter();
  FileWriter(const FileWriter&) = delete;
  FileWriter& operator=(const FileWriter&) = delete;

  // Whether the temporary file could be created.
  bool IsOpen() const { return file_ != nullptr; }
  // Appends the bytes; a failed write is remembered.
  void Write(std::string_view bytes);
  // Whether every write so far succeeded.
  bool Good() const { return file_ != nullptr && good_; }
  // Closes the file and renames it over the target; false (the target untouched) when anything
  // failed.
  bool Commit();
  const std::string& path() const { return path_; }

 private:
  void Discard();

  std::string path_;
  std::string temporary_;
  std::FILE* file_ = nullptr;
  bool opened_ = false;  // the temporary file was created by us
  bool good_ = true;
  bool committed_ = false;
};

}  // namespace kernel
