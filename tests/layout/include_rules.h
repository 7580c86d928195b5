#pragma once
// The layering of the source folders, read from folder_stack.txt, and the check of every
// `#include "folder/..."` of a source tree against it.

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace layout {

struct FolderStack {
  // The level of each checked folder: 0 for the bottom of the stack.
  std::map<std::string, int> level;
  // Pairs (includer, included) of one level that may include each other one way.
  std::set<std::pair<std::string, std::string>> allowed;
};

// Reads the stack; a malformed line is reported through `error`.
std::optional<FolderStack> ParseFolderStack(std::string_view text, std::string* error);

struct IncludeViolation {
  std::string file;  // relative to the root
  int line = 0;
  std::string text;  // what the line includes
  std::string rule;  // why it may not
};

// Why `from` may not include `to`; empty when it may (or when either folder is not checked).
std::string BrokenRule(const FolderStack& stack, const std::string& from, const std::string& to);

// Checks the quoted includes of one source text that lives in `folder`.
std::vector<IncludeViolation> CheckSource(const FolderStack& stack, const std::string& folder,
                                          const std::string& file, std::string_view text);

// Checks every .h and .cpp under the stack's folders below `root`.
std::vector<IncludeViolation> CheckTree(const FolderStack& stack, const std::filesystem::path& root);

}  // namespace layout
