#include "view/view_record.h"

#include "view/view_mapping.h"
#include "view/wing_settings.h"

namespace view {

ViewRecord MakeViewRecord(const ViewMapping& mapping, const AxesSettings& axes) {
  ViewRecord r;
  if (mapping.unequal)
    r.extents = {mapping.box.xmin, mapping.box.xmax, mapping.box.ymin, mapping.box.ymax};
  else
    r.extents = {mapping.centre.x, mapping.centre.y, mapping.halfWidth, mapping.halfHeight};
  r.aspect = mapping.aspect;
  r.scaleNumbers = axes.scaleNumbers;
  r.gridKind = axes.gridKind;
  r.sectorCount = axes.sectorCount;
  r.tickLength = axes.tickLength;
  r.shortTickLength = axes.shortTickLength;
  r.axesKind = axes.axesKind;
  r.labelSuffix = axes.labelSuffix;
  r.unequal = mapping.unequal;
  r.latticeDots = axes.latticeDots;
  r.ticks = axes.ticks;
  r.showAxisNames = axes.showAxisNames;
  r.axesShown = axes.axesShown;
  r.arrows = axes.arrows;
  r.originLetter = axes.originLetter;
  r.xLabelsInAxisPass = axes.xLabelsInAxisPass;
  r.yLabelsInAxisPass = axes.yLabelsInAxisPass;
  r.gridSpacingX = axes.gridSpacingX;
  r.gridSpacingY = axes.gridSpacingY;
  r.xLabelPlaces = axes.xLabelPlaces;
  r.yLabelPlaces = axes.yLabelPlaces;
  r.xLabelFrequency = axes.xLabelFrequency;
  r.yLabelFrequency = axes.yLabelFrequency;
  r.xScalePi = axes.xScalePi;
  r.yScalePi = axes.yScalePi;
  return r;
}

void ApplyViewRecord(const ViewRecord& r, ViewMapping& mapping, AxesSettings& axes) {
  mapping.unequal = r.unequal;
  if (mapping.unequal) {
    mapping.box = {r.extents[0], r.extents[1], r.extents[2], r.extents[3]};
  } else {
    mapping.centre = {r.extents[0], r.extents[1]};
    mapping.halfWidth = r.extents[2];
    mapping.halfHeight = r.extents[3];
  }
  mapping.aspect = r.aspect;
  axes.scaleNumbers = r.scaleNumbers;
  axes.gridKind = r.gridKind;
  axes.sectorCount = r.sectorCount;
  axes.tickLength = r.tickLength;
  axes.shortTickLength = r.shortTickLength;
  axes.axesKind = r.axesKind;
  axes.labelSuffix = r.labelSuffix;
  axes.latticeDots = r.latticeDots;
  axes.ticks = r.ticks;
  axes.showAxisNames = r.showAxisNames;
  axes.axesShown = r.axesShown;
  axes.arrows = r.arrows;
  axes.originLetter = r.originLetter;
  axes.xLabelsInAxisPass = r.xLabelsInAxisPass;
  axes.yLabelsInAxisPass = r.yLabelsInAxisPass;
  axes.gridSpacingX = r.gridSpacingX;
  axes.gridSpacingY = r.gridSpacingY;
  axes.xLabelPlaces = r.xLabelPlaces;
  axes.yLabelPlaces = r.yLabelPlaces;
  axes.xLabelFrequency = r.xLabelFrequency;
  axes.yLabelFrequency = r.yLabelFrequency;
  axes.xScalePi = r.xScalePi;
  axes.yScalePi = r.yScalePi;
}

}  // namespace view
