#pragma once
// The polyhedral library as the user picks from it: five families, each a list of solids, and the
// step kind each list item builds. A global index g = family offset + list position numbers all
// 131 items.

#include <array>
#include <cstdint>
#include <string>

namespace solid {

inline constexpr int kLibraryFamilyCount = 5;
inline constexpr int kLibraryItemCount = 131;

enum LibraryFamilyId { kPlatonic = 0, kArchimedean = 1, kKeplerPoinsot = 2, kJohnson = 3, kMiscellany = 4 };

struct LibraryFamily {
  int offset;     // global index of the first item
  int count;      // items in the list
  int firstCode;  // solid code of the first item (the Archimedean list has its own order)
};

inline constexpr std::array<LibraryFamily, kLibraryFamilyCount> kLibraryFamilies{{
    {0, 5, 1000}, {5, 15, 1007}, {20, 4, 1018}, {24, 92, 1022}, {116, 15, 1114}}};

// The step kind of each global index.
extern const std::array<std::uint16_t, kLibraryItemCount> LibraryKindTable;

// The string ids of the Archimedean list: thirteen solid names, then the words "prism" and
// "antiprism" of the n-prism and the n-antiprism.
extern const std::array<std::uint16_t, 15> ArchimedeanOrder;

inline constexpr int kNPrismIndex = 18;
inline constexpr int kNAntiprismIndex = 19;
// The small icosihemidodecahedron: its step carries the flag byte set.
inline constexpr int kIcosihemidodecahedronIndex = 127;

int LibraryGlobalIndex(int family, int position);
// The solid code of a list item; 0 for the n-prism and the n-antiprism.
int LibraryItemCode(int family, int position);
// The text of a list item, the words read by `word` (a string id to its text).
std::string LibraryItemText(int family, int position, std::string (*word)(int id));
// The snub solids, J44 to J48 and the five-tetrahedron compound come in two mirror images.
bool IsChiralSelection(int family, int position);
// The n-prism and the n-antiprism ask for n.
bool IsNSelection(int family, int position);

}  // namespace solid
