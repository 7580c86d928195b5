#pragma once
// The conics a plane window keeps beside its history: the conics by two foci and an eccentricity,
// the conics by three points (two foci and a point of the curve, or a focus, a directrix and an
// eccentricity), the conics through five points and the conics typed as an equation. The conic
// dialogs fill them, the paint draws them, the conic steps read them and the figure file stores
// them. Each list is newest first: position 0 is the record made last.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/curve_list_index.h"
#include "kernel/conic_equation_records.h"
#include "kernel/real.h"
#include "plane/plane_file_pieces.h"

namespace plane {

// Codes of a conic definition record.
inline constexpr std::uint16_t kDefinitionEllipse = 0;       // foci and a point of the ellipse
inline constexpr std::uint16_t kDefinitionEccentricity = 1;  // directrix (points 0, 1), focus, e
inline constexpr std::uint16_t kDefinitionHyperbola = 2;     // foci and a point of the hyperbola
inline constexpr std::uint16_t kDefinitionTwoFoci = 4;       // foci (points 0, 1; 2 repeats 1), e
// The eccentricity text a record holds: at most 40 characters.
inline constexpr std::size_t kDefinitionTextChars = 40;

// A conic definition record read into its fields.
struct ConicDefinitionFields {
  std::array<int, 3> points{};
  std::uint16_t colour = 0;
  std::uint16_t code = 0;
  std::string text;
  kernel::Real value = 0;
};

ConicDefinitionFields ReadDefinition(const ConicDefinition& record);
// The record of the fields (the text cut to its field), with a clear link.
ConicDefinition MakeDefinition(const ConicDefinitionFields& fields);
void SetDefinitionValue(ConicDefinition& record, kernel::Real value);

// Codes of the four lists in the running index over all of them (engine/curve_list_index.h).
using engine::CurveListPlace;
inline constexpr int kCurveListTwoFoci = engine::kCurveListA;
inline constexpr int kCurveListThreePoint = engine::kCurveListB;
inline constexpr int kCurveListEquation = engine::kCurveListEquations;
inline constexpr int kCurveListFivePoint = engine::kCurveListConics;

struct ConicInventories {
  std::vector<ConicDefinition> twoFoci;
  std::vector<ConicDefinition> threePoint;
  std::vector<kernel::ConicRecord> fivePoint;
  std::vector<kernel::EquationRecord> equations;

  void Clear();
  bool Empty() const { return Count() == 0; }
  int Count() const;
  // The lengths of the two-foci, three-point, five-point and equation lists.
  std::array<int, 4> Counts() const;
  // The running index runs through the two-foci, three-point, five-point and equation lists in
  // this order; an index beyond the last entry gives position -1.
  CurveListPlace Locate(int index) const;

  // The n-th record (from 0) of a list, or null.
  const ConicDefinition* NthCurveA(int n) const { return engine::NthRecord(twoFoci, n); }
  const ConicDefinition* NthCurveB(int n) const { return engine::NthRecord(threePoint, n); }
  const kernel::ConicRecord* NthConic(int n) const { return engine::NthRecord(fivePoint, n); }
  const kernel::EquationRecord* NthCurveD(int n) const { return engine::NthRecord(equations, n); }
  // The record of entry `index` of the running index: one of the three pointers is set, or none
  // for an index outside the lists.
  struct Entry {
    CurveListPlace place;
    const ConicDefinition* definition = nullptr;  // two-foci or three-point list
    const kernel::ConicRecord* conic = nullptr;
    const kernel::EquationRecord* equation = nullptr;
    bool Found() const { return definition || conic || equation; }
  };
  Entry EntryAt(int index) const;
};

// A new five-point record of the points, in the colour.
kernel::ConicRecord MakeFivePointRecord(const std::array<int, 5>& points, std::uint16_t colour);
// A new equation record of the six coefficient texts (each cut to its field), in the colour.
kernel::EquationRecord MakeEquationRecord(const kernel::CoefficientTexts& texts, std::uint16_t colour);

}  // namespace plane
