#include "layout/include_rules.h"

#include <fstream>
#include <sstream>

namespace layout {
namespace {

std::vector<std::string> Words(std::string_view line) {
  std::istringstream in{std::string(line)};
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

}  // namespace

std::optional<FolderStack> ParseFolderStack(std::string_view text, std::string* error) {
  FolderStack stack;
  std::vector<std::vector<std::string>> exceptions;
  int level = 0;
  int lineNumber = 0;
  std::istringstream in{std::string(text)};
  for (std::string line; std::getline(in, line);) {
    ++lineNumber;
    if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
    const std::vector<std::string> words = Words(line);
    if (words.empty()) continue;
    if (words.size() == 4 && words[1] == "may" && words[2] == "include") {
      exceptions.push_back({words[0], words[3], std::to_string(lineNumber)});
      continue;
    }
    for (const std::string& folder : words) {
      if (!stack.level.emplace(folder, level).second) {
        if (error) *error = "line " + std::to_string(lineNumber) + ": " + folder + " listed twice";
        return std::nullopt;
      }
    }
    ++level;
  }
  for (const auto& e : exceptions) {
    const auto from = stack.level.find(e[0]);
    const auto to = stack.level.find(e[1]);
    if (from == stack.level.end() || to == stack.level.end() || from->second != to->second) {
      if (error) *error = "line " + e[2] + ": an exception names folders of one level only";
      return std::nullopt;
    }
    stack.allowed.emplace(e[0], e[1]);
  }
  return stack;
}

std::string BrokenRule(const FolderStack& stack, const std::string& from, const std::string& to) {
  if (from == to) return {};
  const auto a = stack.level.find(from);
  const auto b = stack.level.find(to);
  if (a == stack.level.end() || b == stack.level.end()) return {};
  if (b->second < a->second) return {};
  if (b->second == a->second) {
    if (stack.allowed.count({from, to})) return {};
    return from + " and " + to + " stand side by side and may not include each other";
  }
  return from + " may not include " + to + ", which stands higher in the stack";
}

std::vector<IncludeViolation> CheckSource(const FolderStack& stack, const std::string& folder,
                                          const std::string& file, std::string_view text) {
  std::vector<IncludeViolation> found;
  int lineNumber = 0;
  std::istringstream in{std::string(text)};
  for (std::string line; std::getline(in, line);) {
    ++lineNumber;
    const auto start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line[start] != '#') continue;
    const auto include = line.find("include", start);
    if (include == std::string::npos) continue;
    const auto open = line.find('"', include);
    if (open == std::string::npos) continue;
    const auto close = line.find('"', open + 1);
    if (close == std::string::npos) continue;
    const std::string path = line.substr(open + 1, close - open - 1);
    const auto slash = path.find('/');
    if (slash == std::string::npos) continue;
    const std::string target = path.substr(0, slash);
    std::string rule = BrokenRule(stack, folder, target);
    if (!rule.empty()) found.push_back({file, lineNumber, path, std::move(rule)});
  }
  return found;
}

std::vector<IncludeViolation> CheckTree(const FolderStack& stack, const std::filesystem::path& root) {
  namespace fs = std::filesystem;
  std::vector<IncludeViolation> found;
  for (const auto& [folder, level] : stack.level) {
    const fs::path dir = root / folder;
    if (!fs::is_directory(dir)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
      const std::string ext = entry.path().extension().string();
      if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
      std::ifstream in(entry.path(), std::ios::binary);
      std::ostringstream text;
      text << in.rdbuf();
      auto more = CheckSource(stack, folder, fs::relative(entry.path(), root).string(), text.str());
      found.insert(found.end(), more.begin(), more.end());
    }
  }
  return found;
}

}  // namespace layout
