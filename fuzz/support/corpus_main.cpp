// Runs a fuzz target once over inputs, without libFuzzer: every file named on the command line and
// every file inside the folders named there (in name order). The test suite runs each target so
// over its corpus; a failing input ends the run with the sanitizer's or the target's report.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

int RunFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", path.c_str());
    return 1;
  }
  const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::fprintf(stderr, "running %s (%zu bytes)\n", path.c_str(), bytes.size());
  // A copy of exactly the input's size, so reading past its end is caught.
  std::vector<std::uint8_t> copy(bytes.begin(), bytes.end());
  LLVMFuzzerTestOneInput(copy.empty() ? nullptr : copy.data(), copy.size());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  int inputs = 0;
  int failures = 0;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path arg(argv[i]);
    std::vector<std::filesystem::path> files;
    if (std::filesystem::is_directory(arg)) {
      for (const auto& entry : std::filesystem::directory_iterator(arg))
        if (entry.is_regular_file()) files.push_back(entry.path());
    } else {
      files.push_back(arg);
    }
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
      failures += RunFile(file);
      ++inputs;
    }
  }
  std::fprintf(stderr, "%d inputs run\n", inputs);
  return failures == 0 && inputs > 0 ? 0 : 1;
}
