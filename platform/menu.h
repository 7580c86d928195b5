#pragma once
// A window's menu as plain data: a bar of items, each a command, a separator or a popup with
// items of its own. Windows change it by command id (check, grey, rename, remove) and by
// position within a popup (several windows edit their sub-menus by position, so the order of
// items and separators is the order of the resource script). The window shows whatever the
// model holds; every change bumps the revision so the screen menu follows, and a change of what
// the items are (their texts, which items there are) also the layout revision, so the screen menu
// is built again; after other changes (grey states, check marks) it is only brought up to date.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "resources/resource_script.h"

namespace platform {

class Menu {
 public:
  Menu() = default;
  explicit Menu(const resources::MenuTemplate& source) : items_(source.items) {}

  const std::vector<resources::MenuItem>& items() const { return items_; }
  bool empty() const { return items_.empty(); }

  // By command id, anywhere in the tree. Each returns false when no item has that id.
  const resources::MenuItem* Find(int id) const;
  bool Check(int id, bool checked);
  bool Enable(int id, bool enabled);
  bool SetText(int id, std::string_view text);
  bool Remove(int id);
  bool IsChecked(int id) const;
  bool IsEnabled(int id) const;

  // By position: `path` walks popups from the bar (path {2, 0} is the first item of the third
  // bar entry's popup). Out-of-range positions give null / false.
  const resources::MenuItem* ItemAt(const std::vector<int>& path) const;
  bool RemoveAt(const std::vector<int>& path);
  bool SetTextAt(const std::vector<int>& path, std::string_view text);
  bool EnableAt(const std::vector<int>& path, bool enabled);
  // Appends to the popup at `popupPath` (an empty path appends to the bar).
  bool Append(const std::vector<int>& popupPath, resources::MenuItem item);

  // Every command id of the tree, in order (for refreshing check marks and grey states).
  std::vector<int> CommandIds() const;

  std::uint64_t revision() const { return revision_; }
  std::uint64_t layoutRevision() const { return layoutRevision_; }

 private:
  resources::MenuItem* FindMutable(int id);
  resources::MenuItem* ItemAtMutable(const std::vector<int>& path);
  std::vector<resources::MenuItem>* ListAt(const std::vector<int>& popupPath);
  void Touch() { ++revision_; }
  void TouchLayout() {
    ++revision_;
    ++layoutRevision_;
  }

  std::vector<resources::MenuItem> items_;
  std::uint64_t revision_ = 0;
  std::uint64_t layoutRevision_ = 0;
};

}  // namespace platform
