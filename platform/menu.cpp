#include "platform/menu.h"

namespace platform {
namespace {

MenuItem* FindIn(std::vector<MenuItem>& items, int id) {
  for (MenuItem& item : items) {
    if (item.kind == MenuItem::Kind::Command && item.id == id) return &item;
    if (item.kind == MenuItem::Kind::Popup)
      if (MenuItem* found = FindIn(item.children, id)) return found;
  }
  return nullptr;
}

bool RemoveIn(std::vector<MenuItem>& items, int id) {
  for (auto it = items.begin(); it != items.end(); ++it) {
    if (it->kind == MenuItem::Kind::Command && it->id == id) {
      items.erase(it);
      return true;
    }
    if (it->kind == MenuItem::Kind::Popup && RemoveIn(it->children, id)) return true;
  }
  return false;
}

void CollectIds(const std::vector<MenuItem>& items, std::vector<int>& ids) {
  for (const MenuItem& item : items) {
    if (item.kind == MenuItem::Kind::Command) ids.push_back(item.id);
    if (item.kind == MenuItem::Kind::Popup) CollectIds(item.children, ids);
  }
}

}  // namespace

MenuItem* Menu::FindMutable(int id) { return FindIn(items_, id); }

const MenuItem* Menu::Find(int id) const { return const_cast<Menu*>(this)->FindMutable(id); }

bool Menu::Check(int id, bool checked) {
  MenuItem* item = FindMutable(id);
  if (!item) return false;
  if (item->checked != checked) {
    item->checked = checked;
    Touch();
  }
  return true;
}

bool Menu::Enable(int id, bool enabled) {
  MenuItem* item = FindMutable(id);
  if (!item) return false;
  if (item->enabled != enabled) {
    item->enabled = enabled;
    Touch();
  }
  return true;
}

bool Menu::SetText(int id, std::string_view text) {
  MenuItem* item = FindMutable(id);
  if (!item) return false;
  item->text = std::string(text);
  Touch();
  return true;
}

bool Menu::Remove(int id) {
  if (!RemoveIn(items_, id)) return false;
  Touch();
  return true;
}

bool Menu::IsChecked(int id) const {
  const MenuItem* item = Find(id);
  return item && item->checked;
}

bool Menu::IsEnabled(int id) const {
  const MenuItem* item = Find(id);
  return item && item->enabled;
}

std::vector<MenuItem>* Menu::ListAt(const std::vector<int>& popupPath) {
  std::vector<MenuItem>* list = &items_;
  for (int position : popupPath) {
    if (position < 0 || position >= static_cast<int>(list->size())) return nullptr;
    MenuItem& item = (*list)[static_cast<std::size_t>(position)];
    if (item.kind != MenuItem::Kind::Popup) return nullptr;
    list = &item.children;
  }
  return list;
}

MenuItem* Menu::ItemAtMutable(const std::vector<int>& path) {
  if (path.empty()) return nullptr;
  std::vector<MenuItem>* list = ListAt(std::vector<int>(path.begin(), path.end() - 1));
  const int last = path.back();
  if (!list || last < 0 || last >= static_cast<int>(list->size())) return nullptr;
  return &(*list)[static_cast<std::size_t>(last)];
}

const MenuItem* Menu::ItemAt(const std::vector<int>& path) const {
  return const_cast<Menu*>(this)->ItemAtMutable(path);
}

bool Menu::RemoveAt(const std::vector<int>& path) {
  if (!ItemAtMutable(path)) return false;
  std::vector<MenuItem>* list = ListAt(std::vector<int>(path.begin(), path.end() - 1));
  list->erase(list->begin() + path.back());
  Touch();
  return true;
}

bool Menu::SetTextAt(const std::vector<int>& path, std::string_view text) {
  MenuItem* item = ItemAtMutable(path);
  if (!item) return false;
  item->text = std::string(text);
  Touch();
  return true;
}

bool Menu::EnableAt(const std::vector<int>& path, bool enabled) {
  MenuItem* item = ItemAtMutable(path);
  if (!item) return false;
  item->enabled = enabled;
  Touch();
  return true;
}

bool Menu::Append(const std::vector<int>& popupPath, MenuItem item) {
  std::vector<MenuItem>* list = ListAt(popupPath);
  if (!list) return false;
  list->push_back(std::move(item));
  Touch();
  return true;
}

std::vector<int> Menu::CommandIds() const {
  std::vector<int> ids;
  CollectIds(items_, ids);
  return ids;
}

}  // namespace platform
