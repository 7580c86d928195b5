#include "kernel/file_writer.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace kernel {

FileWriter::FileWriter(std::string path) : path_(std::move(path)), temporary_(path_ + ".kvtmp") {
  file_ = std::fopen(temporary_.c_str(), "wb");
  opened_ = file_ != nullptr;
}

FileWriter::~FileWriter() {
  if (!committed_) Discard();
}

void FileWriter::Write(std::string_view bytes) {
  if (!file_ || !good_ || bytes.empty()) return;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) good_ = false;
}

bool FileWriter::Commit() {
  if (!file_ || committed_) return false;
  const bool flushed = std::fflush(file_) == 0;
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  if (!good_ || !flushed || !closed) {
    Discard();
    return false;
  }
  std::error_code error;
  std::filesystem::rename(temporary_, path_, error);
  if (error) {
    Discard();
    return false;
  }
  committed_ = true;
  return true;
}

void FileWriter::Discard() {
  if (!opened_) return;
  if (file_) {
    std::fclose(file_);
    file_ = nullptr;
  }
  opened_ = false;
  std::error_code ignored;
  std::filesystem::remove(temporary_, ignored);
}

}  // namespace kernel
