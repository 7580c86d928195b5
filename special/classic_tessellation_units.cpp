#include "special/classic_tessellation_units.h"

#include <array>

namespace special {

namespace {

constexpr UnitPolygon kHexagonal[] = {{"LMNOTS", 1},  {"CDEFUV", 1}, {"ABCVQR", 24},
                                      {"FGHSTU", 24}, {"OPQVUT", 7}, {"HIJKLS", 7}};
constexpr UnitPolygon k488[] = {{"ABCDEFGH", 1}, {"FIJG", 4}};
constexpr UnitPolygon k4612[] = {
    {"ABCDEFGE_0F_0G_0H_0D_0", 1}, {"OPSTUVI_0J_0K_0L_0M_0N_0", 1}, {"JKLMN_0M_0", 24}, {"GHIL_0K_0E_0", 24},
    {"XYG_0F_0J_0I_0", 24},        {"ZA_0B_0C_0D_0H_0", 24},        {"MNON_0", 7},      {"IJM_0L_0", 7},
    {"F_0E_0K_0J_0", 7},           {"VWXI_0", 7},                   {"YZH_0G_0", 7},    {"QRSP", 7}};
constexpr UnitPolygon k4444[] = {{"ABIH", 3}, {"BCDI", 24}, {"DEFI", 3}, {"FGHI", 24}};
constexpr UnitPolygon k31212[] = {{"ABCDXWPQSTUV", 12}, {"EFHIJKLMNOWX", 12}, {"FGH", 7},
                                  {"DEX", 7},           {"OPW", 7},           {"SQR", 7}};
constexpr UnitPolygon k3636[] = {{"ABDMKL", 3}, {"EFGHJM", 3}, {"BCD", 24}, {"DEM", 24}, {"JKM", 24}, {"HIJ", 24}};
constexpr UnitPolygon k3464[] = {{"ABQRST", 8}, {"FGHIJU", 8}, {"BCDQ", 24}, {"DEFU", 24},
                                 {"QUJR", 24},  {"KLSR", 24},  {"SMNT", 24}, {"TOPA", 24},
                                 {"DUQ", 7},    {"RJK", 7},    {"SLM", 7},   {"NOT", 7}};
constexpr UnitPolygon k33336[] = {{"CDEFKL", 3}, {"ABL", 24}, {"BCL", 24}, {"FGH", 24}, {"FHK", 24},
                                  {"IJK", 24},   {"JKL", 24}, {"HIK", 1},  {"JAL", 1}};
constexpr UnitPolygon k33434[] = {{"BONL", 3}, {"ABL", 24}, {"BCO", 24}, {"MNO", 24}, {"NKL", 24}, {"GHMF", 7},
                                  {"HIM", 5},  {"FMO", 5},  {"JKN", 5},  {"CDE", 5},  {"IJNM", 1}, {"EFOC", 1}};
constexpr UnitPolygon k33344[] = {{"BCIJ", 3}, {"DEGH", 3}, {"ABJ", 24}, {"CDH", 24}, {"CHI", 7}, {"EFG", 7}};
constexpr UnitPolygon k333333[] = {{"ABF", 1}, {"CDF", 1}, {"BCF", 7}, {"DEF", 7}};
constexpr UnitPolygon kQuad[] = {{"ABCD", 4}, {"CEFD", 1}};

constexpr std::array<ClassicUnit, 13> kUnits{{
    {640, 14, 0, 801, 10, 16, 4, 6, 0, 12, "ABCDEFGHIJKLMNOPQRSTUV", kHexagonal},
    {641, 15, 0, 802, 20, 7, 2, 20, 1, 4, "ABCDEFGHIJ", k488},
    {642, 17, 0, 803, 12, 19, 9, 10, 27, 15, "A-N_0", k4612},
    {643, 16, 0, 804, 16, 0, 2, 16, 0, 6, "ABCDEFGHI", k4444},
    {644, 19, 0, 805, 6, 19, 7, 10, 0, 16, "ABCDEFGHIJKLMNOPQRSTUVWX", k31212},
    {645, 12, 0, 806, 16, 10, 4, 10, 0, 8, "ABCDEFGHIJKLM", k3636},
    {646, 18, 0, 807, 6, 13, 5, 10, 11, 0, "ABCDEFGHIJKLMNOPQRSTU", k3464},
    // Twelve strips, not ten: the region the view may show reaches six lattice steps out along
    // the second vector.
    {647, 21, 1, 809, 12, 8, 4, 12, 1, 4, "ABCDEFGHIJKL", k33336},
    {648, 21, 0, 808, 12, 8, 4, 12, 1, 4, "ABCDEFGHIJKL", k33336},
    {649, 20, 0, 810, 10, 0, 3, 10, 0, 9, "ABCDEFGHIJKLMNO", k33434},
    {650, 11, 0, 811, 22, 9, 1, 6, 0, 6, "ABCDEFGHIJ", k33344},
    {651, 13, 0, 812, 20, 5, 2, 14, 0, 4, "ABCDEF", k333333},
    {652, 22, 0, 800, 20, 3, 1, 12, 0, 5, "ABCDEF", kQuad},
}};

}  // namespace

const ClassicUnit* ClassicUnitOfCommand(int command) {
  if (command < kCmdFirstUnit || command > kCmdLastUnit) return nullptr;
  return &kUnits[static_cast<std::size_t>(command - kCmdFirstUnit)];
}

std::span<const ClassicUnit> ClassicUnits() { return kUnits; }

}  // namespace special
