#include "engine/windows/dialog_actions.h"

namespace engine {

int RunDialogAction(DialogActions& a, int actionKind, DialogTexts& t, int choice, int extra) {
  switch (actionKind) {
    case 1: return a.DoDrawAngle(t[0], t[1]);
    case 2:
    case 3:
    case 4: return a.DoParallelPerpendicular(t[0], t[1], actionKind);
    case 5:
    case 6:
    case 7: return a.DoRelativePoint(actionKind - 4, t[0], t[1], t[2], t[3]);
    case 8: return a.DoDivideCircles(t[0], t[1]);
    case 9: return a.DoLineIntersection(t[0], t[1]);
    case 12: return a.DoRelabelOrSwap(t[0], t[1]);
    case 13: return a.DoPointFromCoordinates(t[0], t[1]);
    case 14: return a.DoAttachRegular(t[0], t[1]);
    case 15: return a.DoAttachFigure(t[0], t[1], nullptr, 1);
    case 16: return a.DoReflect(t[0], t[1]);
    case 18: return a.DoPointOnPolygon(t[0], t[1], choice);
    case 19: return a.DoParallelNonEuclidean(t[0], t[1]);
    case 20: return a.DoEquidistantCurve(t[0], t[1]);
    case 21: return a.DoHorocycleThrough(t[0], t[1]);
    case 22: return a.DoCommonPerpendicular(t[0], t[1]);
    case 23: return a.DoCircleChain(t[0], t[1], choice, extra);
    case 31: return a.DoPointFromCoordinates3D(t, choice);
    case 32:
    case 33: return a.DoAltitude3D(actionKind - 31, t[0], t[1]);
    case 34: return a.DoAttachFigure(t[0], t[1], &t[2], choice);
    case 35: return a.DoHinge(t[0], t[1], t[2]);
    case 44: return a.DoGreatCircleThrough(t[0], t[1], t[2], choice);
    case 45: return a.DoMeridianThrough(t);
    case 46: return a.DoLatitude(t[0], t[1], t[2]);
    case 47: return a.DoPointAtLatLong(t);
    case 48: return a.DoPrismPyramid(t[0], t[1], t[2], 0, 0);
    case 49: return a.DoPrismPyramid(t[0], t[1], t[2], 1, choice);
    case 50: return a.DoRandomPrismPyramid(t[0], choice, 0);
    case 51: return a.DoRandomPrismPyramid(t[0], choice, 1);
    case 52: return a.DoAntiprism(t[0], t[1], t[2]);
    case 53: return a.DoPolarPolyhedron(t[0], t[1], t[2], choice);
    default: return 0;
  }
}

}  // namespace engine
