#pragma once
// The table of the program's open geometry windows: 32 entries, 1 for a slot in use, below 1 for
// a free one. Whoever opens a window takes a slot; the window frees it when it is destroyed.

#include <array>
#include <cstdint>

namespace shell {

inline constexpr int kChildWindowSlots = 32;

using ChildWindowTable = std::array<std::int32_t, kChildWindowSlots>;

ChildWindowTable& ChildWindows();

// The index of the first free slot, or -1 when every slot is in use.
int FindFreeSlot();
int CountFreeSlots();
// Frees the slot when index names one (0..31); other indexes are ignored.
void FreeSlot(int index);

}  // namespace shell
