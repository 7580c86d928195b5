#include "special/penrose_data_text.h"

#include "resources/resource_library.h"

namespace special {

namespace {

std::string Line(int word, int count) { return resources::LoadString(word) + ": " + std::to_string(count); }

}  // namespace

std::string PenroseDataText(const PenroseTiling& t) {
  int darts = 0;
  for (const PenroseTile& tile : t.tiles) darts += tile.type == 1;
  const int tiles = t.TileCount();
  return Line(866, tiles - darts) + "\r\n" + Line(867, darts) + "\r\n\r\n" + Line(868, tiles) + "\r\n" +
         Line(734, static_cast<int>(t.edges.size())) + "\r\n" + Line(733, static_cast<int>(t.vertices.size()));
}

}  // namespace special
