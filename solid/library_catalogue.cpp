#include "solid/library_catalogue.h"

namespace solid {

namespace {

constexpr int kStringPrism = 292;
constexpr int kStringAntiprism = 294;

constexpr std::array<std::uint16_t, kLibraryItemCount> MakeKindTable() {
  std::array<std::uint16_t, kLibraryItemCount> kinds{};
  const std::uint16_t head[] = {316, 317, 318, 319, 320,                                         // Platonic
                                324, 323, 333, 328, 327, 329, 321, 331, 332, 326, 330, 334, 325,  // Archimedean
                                303, 306,                                                        // n-prisms
                                335, 336, 337, 338};                                             // Kepler-Poinsot
  std::size_t g = 0;
  for (const std::uint16_t kind : head) kinds[g++] = kind;
  // Johnson J1 to J92: 500 + J, except those with kinds of their own in the 340s.
  for (int j = 1; j <= 92; ++j) {
    std::uint16_t kind = static_cast<std::uint16_t>(500 + j);
    switch (j) {
      case 12: kind = 342; break;
      case 13: kind = 343; break;
      case 17: kind = 344; break;
      case 51: kind = 341; break;
      case 63: kind = 345; break;
      case 84: kind = 340; break;
      default: break;
    }
    kinds[g++] = kind;
  }
  const std::uint16_t miscellany[] = {339, 322, 346, 347, 348, 349, 350, 593, 594, 595, 596, 597, 597, 598, 599};
  for (const std::uint16_t kind : miscellany) kinds[g++] = kind;
  return kinds;
}

}  // namespace

const std::array<std::uint16_t, kLibraryItemCount> LibraryKindTable = MakeKindTable();

const std::array<std::uint16_t, 15> ArchimedeanOrder{1007, 1006, 1016, 1011, 1010, 1012, 1005, 1014,
                                                     1015, 1009, 1013, 1017, 1008, kStringPrism, kStringAntiprism};

int LibraryGlobalIndex(int family, int position) {
  if (family < 0 || family >= kLibraryFamilyCount) return -1;
  const LibraryFamily& f = kLibraryFamilies[static_cast<std::size_t>(family)];
  return position >= 0 && position < f.count ? f.offset + position : -1;
}

int LibraryItemCode(int family, int position) {
  if (LibraryGlobalIndex(family, position) < 0 || IsNSelection(family, position)) return 0;
  if (family == kArchimedean) return ArchimedeanOrder[static_cast<std::size_t>(position)];
  return kLibraryFamilies[static_cast<std::size_t>(family)].firstCode + position;
}

std::string LibraryItemText(int family, int position, std::string (*word)(int id)) {
  if (LibraryGlobalIndex(family, position) < 0) return {};
  if (IsNSelection(family, position)) return "n-" + word(ArchimedeanOrder[static_cast<std::size_t>(position)]);
  const std::string name = word(LibraryItemCode(family, position));
  if (family != kJohnson) return name;
  const int j = position + 1;
  return std::string("J") + (j < 10 ? "0" : "") + std::to_string(j) + " " + name;
}

bool IsChiralSelection(int family, int position) {
  switch (family) {
    case kArchimedean: return position == 9 || position == 10;
    case kJohnson: return position >= 43 && position <= 47;
    case kMiscellany: return position == 14;
    default: return false;
  }
}

bool IsNSelection(int family, int position) { return family == kArchimedean && position > 12 && position < 15; }

}  // namespace solid
