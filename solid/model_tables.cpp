#include "solid/model_tables.h"

#include "engine/figure_tables.h"
#include "engine/solid_tables.h"

namespace solid {

void ModelTables::Allocate() {
  face_planes.assign(engine::kFaceCapacity, {});
  face_boxes.assign(engine::kFaceCapacity, {});
  images.assign(engine::kPointCapacity, {});
  image_index.assign(engine::kPointCapacity, -1);
  image_flag.assign(engine::kPointCapacity, 0);
  edges.assign(kEdgeCapacity, {});
  last_edge = -1;
  point_lists.clear();
}

}  // namespace solid
