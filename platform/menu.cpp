#include "platform/menu.h"

namespace platform {
namespace {

resources::MenuItem* FindIn(std::vector<resources::MenuItem>& items, int id) {
  for (resources::MenuItem& item : items) {
    if (item.kind == resources::MenuItem::Kind::Command && item.id == id) return &item;
    if (item.kind == resources::MenuItem::Kind::Popup)
      if (resources::MenuItem* found = FindIn(item.children, id)) return found;
  }
  return nullptr;
}

bool RemoveIn(std::vector<resources::MenuItem>& items, int id) {
  for (auto it = items.begin(); it != items.end(); ++it) {
    if (it->kind == resources::MenuItem::Kind::Command && it->id == id) {
      items.erase(it);
      return true;
    }
    if (it->kind == resources::MenuItem::Kind::Popup && RemoveIn(it->children, id)) return true;
  }
  return false;
}

void CollectIds(const std::vector<resources::MenuItem>& items, std::vector<int>& ids) {
  for (const resources::MenuItem& item : items) {
    if (item.kind == resources::MenuItem::Kind::Command) ids.push_back(item.id);
    if (item.kind == resources::MenuItem::Kind::Popup) CollectIds(item.children, ids);
  }
}

}  // namespace

resources::MenuItem* Menu::FindMutable(int id) { return FindIn(items_, id); }

const resources::MenuItem* Menu::Find(int id) const { return const_cast<Menu*>(this)->FindMutable(id); }

bool Menu::Check(int id, bool checked) {
  resources::MenuItem* item = FindMutable(id);
  if (!item) return false;
  if (item->checked != checked) {
    item->checked = checked;
    Touch();
  }
  return true;
}

bool Menu::Enable(int id, bool enabled) {
  resources::MenuItem* item = FindMutable(id);
  if (!item) return false;
  if (item->enabled != enabled) {
    item->enabled = enabled;
    Touch();
  }
  return true;
}

bool Menu::SetText(int id, std::string_view text) {
  resources::MenuItem* item = FindMutable(id);
  if (!item) return false;
  item->text = std::string(text);
  TouchLayout();
  return true;
}

bool Menu::Remove(int id) {
  if (!RemoveIn(items_, id)) return false;
  TouchLayout();
  return true;
}

bool Menu::IsChecked(int id) const {
  const resources::MenuItem* item = Find(id);
  return item && item->checked;
}

bool Menu::IsEnabled(int id) const {
  const resources::MenuItem* item = Find(id);
  return item && item->enabled;
}

std::vector<resources::MenuItem>* Menu::ListAt(const std::vector<int>& popupPath) {
  std::vector<resources::MenuItem>* list = &items_;
  for (int position : popupPath) {
    if (position < 0 || position >= static_cast<int>(list->size())) return nullptr;
    resources::MenuItem& item = (*list)[static_cast<std::size_t>(position)];
    if (item.kind != resources::MenuItem::Kind::Popup) return nullptr;
    list = &item.children;
  }
  return list;
}

resources::MenuItem* Menu::ItemAtMutable(const std::vector<int>& path) {
  if (path.empty()) return nullptr;
  std::vector<resources::MenuItem>* list = ListAt(std::vector<int>(path.begin(), path.end() - 1));
  const int last = path.back();
  if (!list || last < 0 || last >= static_cast<int>(list->size())) return nullptr;
  return &(*list)[static_cast<std::size_t>(last)];
}

const resources::MenuItem* Menu::ItemAt(const std::vector<int>& path) const {
  return const_cast<Menu*>(this)->ItemAtMutable(path);
}

bool Menu::RemoveAt(const std::vector<int>& path) {
  if (!ItemAtMutable(path)) return false;
  std::vector<resources::MenuItem>* list = ListAt(std::vector<int>(path.begin(), path.end() - 1));
  list->erase(list->begin() + path.back());
  TouchLayout();
  return true;
}

bool Menu::SetTextAt(const std::vector<int>& path, std::string_view text) {
  resources::MenuItem* item = ItemAtMutable(path);
  if (!item) return false;
  item->text = std::string(text);
  TouchLayout();
  return true;
}

bool Menu::EnableAt(const std::vector<int>& path, bool enabled) {
  resources::MenuItem* item = ItemAtMutable(path);
  if (!item) return false;
  item->enabled = enabled;
  Touch();
  return true;
}

bool Menu::Append(const std::vector<int>& popupPath, resources::MenuItem item) {
  std::vector<resources::MenuItem>* list = ListAt(popupPath);
  if (!list) return false;
  list->push_back(std::move(item));
  TouchLayout();
  return true;
}

std::vector<int> Menu::CommandIds() const {
  std::vector<int> ids;
  CollectIds(items_, ids);
  return ids;
}

}  // namespace platform
