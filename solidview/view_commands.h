#pragma once
// The commands of the View, Point and Other menus of the windows in space.

namespace solidview {

inline constexpr int kCmdObserverCoordinates = 864;
inline constexpr int kCmdObserverIn = 982;
inline constexpr int kCmdObserverOut = 983;
inline constexpr int kCmdObserverFarOut = 986;
inline constexpr int kCmdObserverIsometric = 994;
inline constexpr int kCmdRotationAngle = 993;
inline constexpr int kCmdTurn = 984;
inline constexpr int kCmdTurnBack = 985;
inline constexpr int kCmdRotateUp = 989;
inline constexpr int kCmdRotateDown = 990;
inline constexpr int kCmdPointCoordinates = 789;
inline constexpr int kCmdArrowheadSize = 929;
inline constexpr int kCmdFixAxisLengths = 830;
inline constexpr int kCmdAxisArrows = 118;
inline constexpr int kCmdAxisLabels = 116;
inline constexpr int kCmdPainted = 816;
inline constexpr int kCmdDotHiddenLines = 815;
inline constexpr int kCmdShowHiddenLines = 817;
inline constexpr int kCmdRayTraced = 854;
inline constexpr int kCmdPaintedAndDotted = 856;
inline constexpr int kCmdOutlines = 855;
inline constexpr int kCmdLabelsInDottedMode = 770;
inline constexpr int kCmdConvexityAssumed = 822;

// The command of a display mode (0 to 4), and the mode of a command (-1 for another command).
inline int DisplayModeCommand(int mode) {
  constexpr int commands[] = {kCmdPainted, kCmdDotHiddenLines, kCmdShowHiddenLines, kCmdRayTraced,
                              kCmdPaintedAndDotted};
  return mode >= 0 && mode < 5 ? commands[mode] : -1;
}
inline int DisplayModeOfCommand(int id) {
  for (int mode = 0; mode < 5; ++mode) {
    if (DisplayModeCommand(mode) == id) return mode;
  }
  return -1;
}

}  // namespace solidview
