#pragma once
// The program's resource scripts: menus, accelerator tables and dialog templates written as text
// (resources/*.rc), and the string table (resources/strings.txt). Parsing is plain C++ so the
// scripts are checked by tests without a window system.
//
// Script syntax (one statement per line, '#' starts a comment line, texts in double quotes with
// the escapes \" \\ \t \n):
//   MENU <name>                ACCELERATORS <name>            DIALOG <name> <w> <h> "<caption>"
//     ITEM <id> "<text>"         <key> <id>                     <KIND> <id> <x> <y> <w> <h> ["<text>"] [OPTION ...]
//     SEPARATOR                  (key: F1..F12, A..Z, 0..9,   END
//     POPUP "<text>"              Delete, Insert, Home, End,
//       ...                       PageUp, PageDown, Left,
//     END                         Right, Up, Down, Escape,
//   END                           Enter, Tab, Space, Backspace,
//                                 Plus, Minus, with any of
//                                 Ctrl+ Shift+ Alt+ before it)
//                               END
// Dialog sizes and positions are in dialog units. Control kinds: STATIC, EDIT, MULTIEDIT, BUTTON,
// DEFBUTTON, CHECKBOX, RADIO, GROUPBOX, LISTBOX, COMBOBOX, SCROLLBAR. Options: READONLY, MULTI
// (list box with several selections), SORT, GROUP (first radio button of a group), HIDDEN,
// DISABLED, CENTER, RIGHT, VSCROLL. Texts are UTF-8 in the files and program text in the program.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace resources {

struct MenuItem {
  enum class Kind { Command, Popup, Separator };
  Kind kind = Kind::Command;
  int id = 0;             // command id (Command items only)
  std::string text;       // with '&' mnemonics and an optional "\t" accelerator hint
  bool checked = false;
  bool enabled = true;
  std::vector<MenuItem> children;  // Popup items only
};

struct MenuTemplate {
  std::string name;
  std::vector<MenuItem> items;
};

enum KeyModifier : unsigned { kShift = 1, kControl = 2, kAlt = 4 };

struct Accelerator {
  int key = 0;              // a KeyCode value
  unsigned modifiers = 0;   // KeyModifier bits
  int command = 0;
};

struct AcceleratorTable {
  std::string name;
  std::vector<Accelerator> entries;
};

enum class ControlKind { Static, Edit, MultiEdit, Button, DefButton, CheckBox, Radio, GroupBox, ListBox, ComboBox, ScrollBar };

struct ControlTemplate {
  ControlKind kind = ControlKind::Static;
  int id = -1;
  int x = 0, y = 0, width = 0, height = 0;  // dialog units
  std::string text;
  bool readOnly = false, multiSelect = false, sorted = false, groupStart = false;
  bool hidden = false, disabled = false, centered = false, rightAligned = false, verticalScroll = false;
};

struct DialogTemplate {
  std::string name;
  int width = 0, height = 0;  // dialog units
  std::string caption;
  std::vector<ControlTemplate> controls;
};

struct ResourceScript {
  std::map<std::string, MenuTemplate> menus;
  std::map<std::string, AcceleratorTable> accelerators;
  std::map<std::string, DialogTemplate> dialogs;
};

// Parses one script into `into`; on a syntax error returns a message "file:line: what" and
// leaves `into` with whatever came before the error.
std::optional<std::string> ParseResourceScript(std::string_view text, std::string_view fileName,
                                               ResourceScript& into);

// Parses a string table ("<id><TAB><text>" lines, the same escapes); returns an error message or none.
std::optional<std::string> ParseStringTable(std::string_view text, std::string_view fileName,
                                            std::map<int, std::string>& into);

// Key codes of accelerators and key events: printable keys are their upper-case ASCII code,
// the others these values.
enum KeyCode : int {
  kKeyF1 = 0x1001,  // F1..F12 follow in order
  kKeyDelete = 0x1100, kKeyInsert, kKeyHome, kKeyEnd, kKeyPageUp, kKeyPageDown,
  kKeyLeft, kKeyRight, kKeyUp, kKeyDown, kKeyEscape, kKeyEnter, kKeyTab, kKeyBackspace,
};

}  // namespace resources
