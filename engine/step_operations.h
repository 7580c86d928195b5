#pragma once
// The operations that execute the step kinds, one per kind (a few serve several kinds). The
// window layers fill the per-kind operations; the step layer runs its own ones itself.
//
// KV_WINDOW_STEP_OPERATIONS(X): X(kind, Name) for each per-kind operation of the window layers.
// KV_OWN_STEP_OPERATIONS(X): X(kind, Name) for the kinds the step layer executes itself.

#define KV_WINDOW_STEP_OPERATIONS(X)                                                                   \
  X(11, DoTess33344) X(12, DoTess3636) X(13, DoTess333333) X(14, DoHexagonTess) X(15, DoTess488)       \
  X(16, DoTess4444) X(17, DoTess4612) X(18, DoTess3464) X(19, DoTess31212) X(20, DoTess33434)          \
  X(21, DoTess33336r) X(22, DoQuadTess) X(30, DoHyperbolicTessellation) X(31, DoKind31)                \
  X(54, DoRandomCircle) X(55, DoRegularPolygon) X(57, DoRandomTrapezoid) X(59, DoRandomParallelogram)  \
  X(60, DoRandomTriangle) X(61, DoRandomRightTriangle) X(62, DoKind62) X(64, DoUnitSegment)            \
  X(65, DoRandomKite) X(66, DoUnitGrid) X(71, DoRandomIsoscelesTrapezoid) X(72, DoRandomRectangle)     \
  X(73, DoRandomIsoscelesTriangle) X(75, DoRandomRhombus) X(81, DoRandomPointOnSegment)                \
  X(82, DoRandomPointOnCircle) X(90, DoKind90) X(92, DoCircleCenterRadius) X(93, DoArcCenter)          \
  X(94, DoArcCenter2) X(95, DoKind95) X(99, DoNinePointCircle) X(100, DoLineCurveIntersection)                  \
  X(103, DoIntersection103) X(104, DoLineCircleIntersection) X(105, DoCircleCircleIntersection)        \
  X(106, DoPointInTriangle) X(107, DoIncenter) X(108, DoCentroid) X(113, DoAngleBisector)              \
  X(114, DoAngle) X(115, DoPerpendicularParallel) X(118, DoOrthogonalArc) X(119, DoParallel)       \
  X(121, DoMovablePoint) X(122, DoKind122) X(124, DoCircumcenter) X(125, DoFermatPoint)                \
  X(126, DoFermatPoint126) X(127, DoKind127) X(128, DoOrthocenter) X(130, DoHypercycle)                \
  X(131, DoCircumcenter131) X(132, DoIncenter132) X(133, DoTangentCircles) X(134, DoExcenter)          \
  X(135, DoTangentToCircle) X(136, DoTangentToCircle2) X(137, DoCommonTangents) X(138, DoHorocycle)    \
  X(139, DoPerpendicular) X(141, DoDeletePoint) X(144, DoDeleteAllLines) X(145, DoTranslate)           \
  X(146, DoTransform146) X(147, DoTransform147) X(148, DoInvert) X(149, DoKind149)                     \
  X(150, DoGlideReflect) X(155, DoKind155) X(157, DoKind157) X(167, DoKind167) X(168, DoKind168)       \
  X(169, DoKind169) X(170, DoPolarTriangle) X(171, DoLineHypercycleIntersection)                       \
  X(172, DoCircleHypercycleIntersection) X(173, DoHypercycleHypercycleIntersection)                    \
  X(174, DoHorocycleHorocycleIntersection) X(175, DoLineHorocycleIntersection)                         \
  X(176, DoCircleHorocycleIntersection) X(177, DoHypercycleHorocycleIntersection) X(203, DoConic)      \
  X(205, DoAnalyticLine) X(206, DoAnalyticCircle) X(208, DoVectorSum) X(210, DoTangentToConic)         \
  X(211, DoKind211) X(212, DoKind212) X(300, DoPrismPyramidFrom2D) X(301, DoBox)                       \
  X(302, DoTetrahedron) X(303, DoPrism) X(304, DoPyramid) X(305, DoVertexType)                         \
  X(306, DoArchimedeanPrism) X(307, DoPrismAntiprism) X(308, DoRegularPolygon3D)                       \
  X(309, DoPolarTessellation) X(310, DoKind310) X(311, DoKind311) X(312, DoParallelepiped)             \
  X(351, DoCylinderConeFrustum) X(352, DoSphereInCone) X(353, DoDandelinSpheres)                       \
  X(354, DoSurfaceFromRecord) X(357, DoLatitudeCircle) X(358, DoMeridian) X(359, DoGreatCircle)        \
  X(360, DoDisk) X(361, DoSphere) X(363, DoCircumsphere) X(364, DoHemisphere) X(365, DoSphereSegment)  \
  X(366, DoInsphere) X(367, DoSquarePyramidOfSpheres) X(368, DoTriangularPyramidOfSpheres)             \
  X(369, DoCubeOfSpheres) X(370, DoLatLongPoint) X(371, DoPyramidOfCubes) X(373, DoIntersection)       \
  X(374, DoIntersection2) X(375, DoSphereSphereIntersection) X(376, DoSphereCylinderIntersection)      \
  X(377, DoLineSurfaceIntersection) X(378, DoLineSurfaceIntersections) X(379, DoDeleteSurface)         \
  X(380, DoAddDeleteFace) X(381, DoFaceColor) X(382, DoFill) X(383, DoAllFacesWhite) X(384, DoOpaque)  \
  X(385, DoTracing) X(386, DoAllFacesTransparent) X(387, DoSubdivideFace)                              \
  X(388, DoSphereDiskIntersection) X(389, DoFacesFromList) X(390, DoCopyMagnified)                     \
  X(401, DoPointRelative) X(402, DoFootToLine) X(403, DoFootToPlane) X(404, DoPointOnCircle3D)          \
  X(422, DoPointXYZ) X(423, DoVerticesTabled) X(427, DoSoddySpheres) X(440, DoSlice440)                \
  X(441, DoSlice441) X(442, DoPlaneNormal) X(443, DoNormalTranslate) X(444, DoDilate)                  \
  X(445, DoTranslate3D) X(446, DoRotate) X(447, DoSlice447) X(448, DoSlice448)                         \
  X(449, DoRemoveVertices) X(450, DoSlice450) X(451, DoRemoveVertices2) X(452, DoSlice452)             \
  X(455, DoAttach) X(456, DoKind456) X(457, DoCopy)

#define KV_OWN_STEP_OPERATIONS(X)                                                                      \
  X(50, DoTriangleFromData) X(51, DoTriangleFromData) X(52, DoTriangleFromData)                        \
  X(53, DoTriangleFromData) X(67, DoTriangleFromData) X(56, DoSpecialQuadrilateral)                    \
  X(58, DoSpecialQuadrilateral) X(63, DoSpecialQuadrilateral) X(91, DoCircleCenterPoint)               \
  X(101, DoDivisionPoint) X(102, DoPointOnCircleAtAngle) X(111, DoSegmentLineRay)                      \
  X(116, DoSegmentLineRay) X(117, DoSegmentLineRay) X(112, DoToggleExtension) X(120, ApplyRelabel)     \
  X(123, SwapLabels) X(129, DoApollonianCircle) X(142, DoDeleteLines) X(143, DoDeleteCircles)          \
  X(160, DoObjectAttributes) X(201, DoPointOnSegment) X(202, DoPointOnCircle)                          \
  X(204, DoPointOnPolygonStep) X(207, DoPointOnHypercycle) X(209, DoPointOnHorocycle)

// The own operations once each (several kinds share one).
#define KV_OWN_STEP_OPERATIONS_UNIQUE(X)                                                               \
  X(50, DoTriangleFromData) X(56, DoSpecialQuadrilateral) X(91, DoCircleCenterPoint)                   \
  X(101, DoDivisionPoint) X(102, DoPointOnCircleAtAngle) X(111, DoSegmentLineRay)                      \
  X(112, DoToggleExtension) X(120, ApplyRelabel) X(123, SwapLabels) X(129, DoApollonianCircle)         \
  X(142, DoDeleteLines) X(143, DoDeleteCircles) X(160, DoObjectAttributes) X(201, DoPointOnSegment)    \
  X(202, DoPointOnCircle) X(204, DoPointOnPolygonStep) X(207, DoPointOnHypercycle)                     \
  X(209, DoPointOnHorocycle)
