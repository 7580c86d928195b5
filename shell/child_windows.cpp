#include "shell/child_windows.h"

namespace shell {

ChildWindowTable& ChildWindows() {
  static ChildWindowTable table{};
  return table;
}

int FindFreeSlot() {
  const ChildWindowTable& table = ChildWindows();
  for (int i = 0; i < kChildWindowSlots; ++i)
    if (table[i] < 1) return i;
  return -1;
}

int CountFreeSlots() {
  int count = 0;
  for (const std::int32_t entry : ChildWindows())
    if (entry < 1) ++count;
  return count;
}

void FreeSlot(int index) {
  if (index >= 0 && index < kChildWindowSlots) ChildWindows()[index] = 0;
}

}  // namespace shell
