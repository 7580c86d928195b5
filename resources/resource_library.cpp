#include "resources/resource_library.h"

#include <cstdio>
#include <cstdlib>
#include <map>

#include "kernel/text_encoding.h"
#include "resources/resource_files.h"

namespace resources {
namespace {

// Resource files are UTF-8; the program's texts are Windows-1252 bytes.
std::string ProgramText(std::string_view utf8) { return kernel::Utf8ToProgramText(utf8); }

struct Library {
  std::map<int, std::string> strings;
  ResourceScript script;
  std::vector<std::string> problems;
};

bool EndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

Library& TheLibrary() {
  static Library library = [] {
    Library lib;
    for (const resources::ResourceFile& file : resources::EmbeddedFiles()) {
      std::optional<std::string> problem;
      if (file.name == "strings.txt") {
        std::map<int, std::string> utf8;
        problem = ParseStringTable(file.bytes, file.name, utf8);
        for (auto& [id, text] : utf8) lib.strings[id] = ProgramText(text);
      } else if (EndsWith(file.name, ".rc")) {
        ResourceScript script;
        problem = ParseResourceScript(file.bytes, file.name, script);
        for (auto& [name, menu] : script.menus)
          if (!lib.script.menus.emplace(name, std::move(menu)).second)
            lib.problems.push_back(std::string(file.name) + ": menu " + name + " defined twice");
        for (auto& [name, table] : script.accelerators)
          if (!lib.script.accelerators.emplace(name, std::move(table)).second)
            lib.problems.push_back(std::string(file.name) + ": accelerators " + name + " defined twice");
        for (auto& [name, dialog] : script.dialogs)
          if (!lib.script.dialogs.emplace(name, std::move(dialog)).second)
            lib.problems.push_back(std::string(file.name) + ": dialog " + name + " defined twice");
      }
      if (problem) lib.problems.push_back(*problem);
    }
    // Menus and dialogs are written in UTF-8; the program works in Windows-1252.
    const auto convert = [](std::string& text) { text = ProgramText(text); };
    const auto convertItems = [&](auto& self, std::vector<MenuItem>& items) -> void {
      for (MenuItem& item : items) {
        convert(item.text);
        self(self, item.children);
      }
    };
    for (auto& [name, menu] : lib.script.menus) convertItems(convertItems, menu.items);
    for (auto& [name, dialog] : lib.script.dialogs) {
      convert(dialog.caption);
      for (ControlTemplate& control : dialog.controls) convert(control.text);
    }
    return lib;
  }();
  return library;
}

void ReportMissing(const char* kind, std::string_view name) {
  std::fprintf(stderr, "kavrine: missing resource: %s %.*s\n", kind, static_cast<int>(name.size()), name.data());
#ifndef NDEBUG
  std::abort();
#endif
}

template <typename T>
const T& FindIn(const std::map<std::string, T>& map, std::string_view name, const char* kind) {
  const auto it = map.find(std::string(name));
  if (it != map.end()) return it->second;
  ReportMissing(kind, name);
  static const T empty{};
  return empty;
}

}  // namespace

std::string LoadString(int id, std::size_t maxLength) {
  const auto& strings = TheLibrary().strings;
  const auto it = strings.find(id);
  if (it == strings.end()) {
    ReportMissing("string", std::to_string(id));
    return {};
  }
  return it->second.substr(0, maxLength);
}

bool HasString(int id) { return TheLibrary().strings.count(id) != 0; }

const MenuTemplate& LoadMenu(std::string_view name) { return FindIn(TheLibrary().script.menus, name, "menu"); }

const AcceleratorTable& LoadAccelerators(std::string_view name) {
  return FindIn(TheLibrary().script.accelerators, name, "accelerators");
}

const DialogTemplate& LoadDialogTemplate(std::string_view name) {
  return FindIn(TheLibrary().script.dialogs, name, "dialog");
}

bool HasMenu(std::string_view name) { return TheLibrary().script.menus.count(std::string(name)) != 0; }
bool HasAccelerators(std::string_view name) {
  return TheLibrary().script.accelerators.count(std::string(name)) != 0;
}
bool HasDialogTemplate(std::string_view name) {
  return TheLibrary().script.dialogs.count(std::string(name)) != 0;
}

std::optional<std::string> FindResourceFile(std::string_view path) {
  for (const resources::ResourceFile& file : resources::EmbeddedFiles())
    if (file.name == path) return std::string(file.bytes);
  return std::nullopt;
}

std::optional<std::string> FindHelpText(std::string_view name) {
  const std::optional<std::string> text = FindResourceFile("help/" + std::string(name) + ".txt");
  if (!text) return std::nullopt;
  return ProgramText(*text);
}

const std::vector<std::string>& ResourceProblems() { return TheLibrary().problems; }

std::optional<std::string> AddResourceScriptForTesting(std::string_view script) {
  ResourceScript parsed;
  if (auto error = ParseResourceScript(script, "test script", parsed)) return error;
  Library& library = TheLibrary();
  for (auto& [name, menu] : parsed.menus) library.script.menus[name] = std::move(menu);
  for (auto& [name, table] : parsed.accelerators) library.script.accelerators[name] = std::move(table);
  for (auto& [name, dialog] : parsed.dialogs) library.script.dialogs[name] = std::move(dialog);
  return std::nullopt;
}

}  // namespace resources
