#include "resources/resource_script.h"

#include <charconv>

namespace resources {
namespace {

struct Token {
  bool quoted = false;
  std::string text;
};

// Splits a line into words and quoted texts; returns false on an unterminated text.
bool Tokenize(std::string_view line, std::vector<Token>& tokens) {
  tokens.clear();
  std::size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
    } else if (c == '"') {
      Token token;
      token.quoted = true;
      ++i;
      bool closed = false;
      while (i < line.size()) {
        char d = line[i++];
        if (d == '"') {
          closed = true;
          break;
        }
        if (d == '\\' && i < line.size()) {
          const char e = line[i++];
          d = e == 't' ? '\t' : e == 'n' ? '\n' : e == 'r' ? '\r' : e;
        }
        token.text += d;
      }
      if (!closed) return false;
      tokens.push_back(std::move(token));
    } else {
      Token token;
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' && line[i] != '"')
        token.text += line[i++];
      tokens.push_back(std::move(token));
    }
  }
  return true;
}

std::optional<int> ToInt(const Token& token) {
  if (token.quoted) return std::nullopt;
  int value = 0;
  const char* first = token.text.data();
  const char* last = first + token.text.size();
  const auto result = std::from_chars(first, last, value);
  if (result.ec != std::errc() || result.ptr != last) return std::nullopt;
  return value;
}

std::optional<int> KeyFromName(std::string_view name) {
  static const std::pair<std::string_view, int> named[] = {
      {"Delete", kKeyDelete}, {"Insert", kKeyInsert},     {"Home", kKeyHome},   {"End", kKeyEnd},
      {"PageUp", kKeyPageUp}, {"PageDown", kKeyPageDown}, {"Left", kKeyLeft},   {"Right", kKeyRight},
      {"Up", kKeyUp},         {"Down", kKeyDown},         {"Escape", kKeyEscape}, {"Enter", kKeyEnter},
      {"Tab", kKeyTab},       {"Backspace", kKeyBackspace}, {"Space", ' '},     {"Plus", '+'},
      {"Minus", '-'},
  };
  for (const auto& [n, code] : named)
    if (n == name) return code;
  if (name.size() >= 2 && name[0] == 'F') {
    int number = 0;
    const auto result = std::from_chars(name.data() + 1, name.data() + name.size(), number);
    if (result.ec == std::errc() && result.ptr == name.data() + name.size() && number >= 1 && number <= 12)
      return kKeyF1 + number - 1;
  }
  if (name.size() == 1 && ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9')))
    return name[0];
  return std::nullopt;
}

std::optional<Accelerator> ParseAccelerator(std::string_view spec) {
  Accelerator accelerator;
  for (;;) {
    const std::size_t plus = spec.find('+');
    if (plus == std::string_view::npos || plus + 1 == spec.size()) break;
    const std::string_view modifier = spec.substr(0, plus);
    if (modifier == "Ctrl") accelerator.modifiers |= kControl;
    else if (modifier == "Shift") accelerator.modifiers |= kShift;
    else if (modifier == "Alt") accelerator.modifiers |= kAlt;
    else return std::nullopt;
    spec.remove_prefix(plus + 1);
  }
  const auto key = KeyFromName(spec);
  if (!key) return std::nullopt;
  accelerator.key = *key;
  return accelerator;
}

std::optional<ControlKind> ControlKindFromName(std::string_view name) {
  static const std::pair<std::string_view, ControlKind> kinds[] = {
      {"STATIC", ControlKind::Static},       {"EDIT", ControlKind::Edit},
      {"MULTIEDIT", ControlKind::MultiEdit}, {"BUTTON", ControlKind::Button},
      {"DEFBUTTON", ControlKind::DefButton}, {"CHECKBOX", ControlKind::CheckBox},
      {"RADIO", ControlKind::Radio},         {"GROUPBOX", ControlKind::GroupBox},
      {"LISTBOX", ControlKind::ListBox},     {"COMBOBOX", ControlKind::ComboBox},
      {"SCROLLBAR", ControlKind::ScrollBar},
  };
  for (const auto& [n, kind] : kinds)
    if (n == name) return kind;
  return std::nullopt;
}

bool ApplyOption(std::string_view option, ControlTemplate& control) {
  if (option == "READONLY") control.readOnly = true;
  else if (option == "MULTI") control.multiSelect = true;
  else if (option == "SORT") control.sorted = true;
  else if (option == "GROUP") control.groupStart = true;
  else if (option == "HIDDEN") control.hidden = true;
  else if (option == "DISABLED") control.disabled = true;
  else if (option == "CENTER") control.centered = true;
  else if (option == "RIGHT") control.rightAligned = true;
  else if (option == "VSCROLL") control.verticalScroll = true;
  else return false;
  return true;
}

class ScriptParser {
 public:
  ScriptParser(std::string_view text, std::string_view fileName, ResourceScript& into)
      : text_(text), fileName_(fileName), into_(into) {}

  std::optional<std::string> Run() {
    while (NextLine()) {
      if (tokens_.empty()) continue;
      const std::string& keyword = tokens_[0].text;
      if (tokens_.size() < 2 || tokens_[1].quoted) return Error("a block needs a name");
      const std::string name = tokens_[1].text;
      std::optional<std::string> error;
      if (keyword == "MENU") error = ParseMenu(name);
      else if (keyword == "ACCELERATORS") error = ParseAccelerators(name);
      else if (keyword == "DIALOG") error = ParseDialog(name);
      else return Error("unknown block " + keyword);
      if (error) return error;
    }
    return std::nullopt;
  }

 private:
  bool NextLine() {
    tokens_.clear();
    while (pos_ < text_.size()) {
      std::size_t end = text_.find('\n', pos_);
      if (end == std::string_view::npos) end = text_.size();
      std::string_view line = text_.substr(pos_, end - pos_);
      pos_ = end + 1;
      ++lineNumber_;
      std::size_t first = line.find_first_not_of(" \t\r");
      if (first == std::string_view::npos || line[first] == '#') continue;
      if (!Tokenize(line, tokens_)) {
        tokens_.clear();
        badLine_ = true;
      }
      return true;
    }
    return false;
  }

  std::string Error(const std::string& what) const {
    return std::string(fileName_) + ":" + std::to_string(lineNumber_) + ": " + what;
  }

  std::optional<std::string> CheckLine() {
    if (badLine_) return Error("unterminated text");
    return std::nullopt;
  }

  std::optional<std::string> ParseMenuItems(std::vector<MenuItem>& items) {
    while (NextLine()) {
      if (auto e = CheckLine()) return e;
      if (tokens_.empty()) continue;
      const std::string& keyword = tokens_[0].text;
      if (keyword == "END") return std::nullopt;
      MenuItem item;
      if (keyword == "ITEM") {
        if (tokens_.size() != 3 || !ToInt(tokens_[1]) || !tokens_[2].quoted) return Error("ITEM <id> \"text\"");
        item.kind = MenuItem::Kind::Command;
        item.id = *ToInt(tokens_[1]);
        item.text = tokens_[2].text;
      } else if (keyword == "SEPARATOR") {
        item.kind = MenuItem::Kind::Separator;
      } else if (keyword == "POPUP") {
        if (tokens_.size() != 2 || !tokens_[1].quoted) return Error("POPUP \"text\"");
        item.kind = MenuItem::Kind::Popup;
        item.text = tokens_[1].text;
        if (auto e = ParseMenuItems(item.children)) return e;
      } else {
        return Error("unknown menu statement " + keyword);
      }
      items.push_back(std::move(item));
    }
    return Error("missing END");
  }

  std::optional<std::string> ParseMenu(const std::string& name) {
    MenuTemplate menu;
    menu.name = name;
    if (auto e = ParseMenuItems(menu.items)) return e;
    if (!into_.menus.emplace(name, std::move(menu)).second) return Error("menu " + name + " defined twice");
    return std::nullopt;
  }

  std::optional<std::string> ParseAccelerators(const std::string& name) {
    AcceleratorTable table;
    table.name = name;
    while (NextLine()) {
      if (auto e = CheckLine()) return e;
      if (tokens_.empty()) continue;
      if (tokens_[0].text == "END") {
        if (!into_.accelerators.emplace(name, std::move(table)).second)
          return Error("accelerators " + name + " defined twice");
        return std::nullopt;
      }
      if (tokens_.size() != 2 || !ToInt(tokens_[1])) return Error("<key> <id>");
      auto accelerator = ParseAccelerator(tokens_[0].text);
      if (!accelerator) return Error("unknown key " + tokens_[0].text);
      accelerator->command = *ToInt(tokens_[1]);
      table.entries.push_back(*accelerator);
    }
    return Error("missing END");
  }

  std::optional<std::string> ParseDialog(const std::string& name) {
    DialogTemplate dialog;
    dialog.name = name;
    if (tokens_.size() != 5 || !ToInt(tokens_[2]) || !ToInt(tokens_[3]) || !tokens_[4].quoted)
      return Error("DIALOG <name> <width> <height> \"caption\"");
    dialog.width = *ToInt(tokens_[2]);
    dialog.height = *ToInt(tokens_[3]);
    dialog.caption = tokens_[4].text;
    while (NextLine()) {
      if (auto e = CheckLine()) return e;
      if (tokens_.empty()) continue;
      if (tokens_[0].text == "END") {
        if (!into_.dialogs.emplace(name, std::move(dialog)).second)
          return Error("dialog " + name + " defined twice");
        return std::nullopt;
      }
      const auto kind = ControlKindFromName(tokens_[0].text);
      if (!kind) return Error("unknown control " + tokens_[0].text);
      if (tokens_.size() < 6) return Error("<KIND> <id> <x> <y> <width> <height>");
      ControlTemplate control;
      control.kind = *kind;
      int* fields[] = {&control.id, &control.x, &control.y, &control.width, &control.height};
      for (int i = 0; i < 5; ++i) {
        const auto value = ToInt(tokens_[1 + i]);
        if (!value) return Error("a number was expected");
        *fields[i] = *value;
      }
      std::size_t next = 6;
      if (next < tokens_.size() && tokens_[next].quoted) control.text = tokens_[next++].text;
      for (; next < tokens_.size(); ++next)
        if (tokens_[next].quoted || !ApplyOption(tokens_[next].text, control))
          return Error("unknown option " + tokens_[next].text);
      dialog.controls.push_back(std::move(control));
    }
    return Error("missing END");
  }

  std::string_view text_;
  std::string_view fileName_;
  ResourceScript& into_;
  std::size_t pos_ = 0;
  int lineNumber_ = 0;
  bool badLine_ = false;
  std::vector<Token> tokens_;
};

}  // namespace

std::optional<std::string> ParseResourceScript(std::string_view text, std::string_view fileName,
                                               ResourceScript& into) {
  return ScriptParser(text, fileName, into).Run();
}

std::optional<std::string> ParseStringTable(std::string_view text, std::string_view fileName,
                                            std::map<int, std::string>& into) {
  int lineNumber = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line[0] == '#') continue;
    const auto where = [&] { return std::string(fileName) + ":" + std::to_string(lineNumber) + ": "; };
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) return where() + "<id><TAB><text> expected";
    int id = 0;
    const auto result = std::from_chars(line.data(), line.data() + tab, id);
    if (result.ec != std::errc() || result.ptr != line.data() + tab) return where() + "bad string id";
    std::string value;
    for (std::size_t i = tab + 1; i < line.size(); ++i) {
      char c = line[i];
      if (c == '\\' && i + 1 < line.size()) {
        const char e = line[++i];
        c = e == 't' ? '\t' : e == 'n' ? '\n' : e == 'r' ? '\r' : e;
      }
      value += c;
    }
    if (!into.emplace(id, std::move(value)).second) return where() + "string " + std::to_string(id) + " defined twice";
  }
  return std::nullopt;
}

}  // namespace resources
