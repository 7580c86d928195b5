#pragma once
// The step layer of a geometry window as plain data: the figure tables, the history, the state
// the executors share (building and replaying flags, unit tag counter, line style, polygons), the
// dispatcher that runs a step by its kind, the replay of the whole history or of the steps
// downstream of a moved point, the allocation of points and polygons and the description
// templates. The window layers own one StepEngine by value and fill its executors.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/figure_tables.h"
#include "engine/geometry_model.h"
#include "engine/solid_tables.h"
#include "engine/step_executors.h"
#include "engine/step_history.h"
#include "kernel/colour_table.h"
#include "kernel/construction_record.h"

namespace engine {

class ExpressionCompiler;

// A template item list: codes and their arguments, ended by the first item of 0 or less in code
// position (stored templates end with 0xFFFF).
using DescriptionTemplate = std::span<const std::int16_t>;
inline constexpr std::int16_t kTemplateEnd = -1;
inline constexpr std::size_t kTemplateWorkLimit = 2000;

// The text of a string-table word, empty when there is none.
using WordLookup = std::string (*)(int id);
std::string StringTableWord(int id);

// Where the tables ended after a step: its last indices, the unit tag counter and, in space, the
// last face and surface and the object-number counter.
struct StepEnds {
  std::int16_t points = -1;
  std::int16_t lines = -1;
  std::int16_t circles = -1;
  std::int16_t hypercycles = -1;
  std::int16_t horocycles = -1;
  std::int16_t polygons = -1;
  std::uint16_t counter = 0;
  std::int16_t faces = -1;
  std::int16_t surfaces = -1;
  std::uint16_t objects = 0;
  bool operator==(const StepEnds&) const = default;
};

// A polygon a point may move on: n is the position of its last vertex.
struct PolygonRecord {
  std::int16_t n = -1;
  std::uint8_t unused = 0;
  std::array<std::uint16_t, 29> vertices{};
  std::uint8_t fixed_parameter = 0;  // the point's parameter is a number, not an expression
};
inline constexpr int kPolygonCapacity = 101;

class StepEngine {
 public:
  StepEngine();
  StepEngine(const StepEngine&) = delete;
  StepEngine& operator=(const StepEngine&) = delete;

  FigureTables tables;
  StepHistory history;
  // The faces, curves and curved surfaces of a figure in space (allocated by the 3-D windows).
  SolidTables solid;

  GeometryModel model;
  int dimension = 2;  // 3 in the 3-D and spherical windows
  std::uint8_t building = 0;
  std::uint8_t randomize_allowed = 0;
  std::uint16_t figure_counter = 0;  // the unit tag counter
  // The figure-file version the steps were written by: executors adapt the steps of older files
  // while it is below the current version (the 3-D file reader sets it for its replay).
  int fileVersion = 63;

  // The view (world units) that random figures are scaled to.
  Point2 view_centre;
  Real half_width = 5;
  Real half_height = 5;

  // The window's plain number form.
  int number_width = 10;
  int number_decimals = 4;

  // The attribute triple the sides of AddPolygon take: colour, thickness, style.
  kernel::LinePen line_style{0, 1, 0};
  std::array<std::string, 6> style_names;

  std::vector<PolygonRecord> polygons;
  std::int16_t last_polygon = -1;
  std::vector<std::uint8_t> kind_records;  // the kind byte of each 132-byte record

  WordLookup words = &StringTableWord;
  const kernel::ColorArray* colours = nullptr;  // the window's colour table
  ExpressionCompiler* compiler = nullptr;       // evaluates typed numbers

  // Where the tables ended after each history step, as of the last replay or commit.
  std::vector<StepEnds> ends;

  void SetExecutors(StepExecutors* executors);
  // Takes the words of descriptions from lookup (and the line-style names, words 173 to 178).
  void LoadWords(WordLookup lookup);
  StepExecutors& executors() { return *executors_; }

  kernel::ConstructionRecord* current() { return history.current; }
  StepEnds CurrentEnds() const;
  void RestoreEnds(const StepEnds& at);

  // --- running steps ----------------------------------------------------------------------
  // Runs the current step by its kind; the operation's result (0 for a kind without one).
  int RedoStep(std::string* out);
  // Rebuilds the figure by running every step of the history in order; the number of steps.
  // With describe, each step writes its description, which is handed to describe after the step
  // ran (word 235, "impossible step", for a step that wrote none).
  int ReplayConstruction(bool replaying_flag,
                         const std::function<void(const kernel::ConstructionRecord&, const std::string&)>& describe = {});
  // Rebuilds the figure as it stood after the step at history position `last` (an empty figure
  // for -1): the tables are reset and the steps up to it run in order. The number of steps run.
  int ReplayThrough(int last, bool replaying_flag);
  // The one-line description of every step, in history order, written by a whole replay (which
  // leaves the figure as any replay does).
  std::vector<std::string> StepDescriptions();
  // Runs only the given history positions (ascending) again, each from where the tables stood
  // before it, keeping every other object and every label in place. Falls back to the whole
  // replay when a step ends elsewhere than before. The number of steps run.
  int ReplaySteps(std::span<const int> positions);
  // Runs the pending step of a command as a new step (building flag set): on success (0 or
  // below; any count for the deletions of lines and circles) appends it to the history;
  // otherwise gives back what it reserved and drops it. The executor's result.
  int ExecuteNewStep(std::string* out);

  // --- point and polygon allocation -------------------------------------------------------
  int AddPoint(const Point2& p, std::uint16_t tag, std::int16_t label);
  int AddPoint3D(const Point3& p, std::uint16_t tag, std::int16_t label);
  // n points without coordinates and n sides (cycles closing by the step s); message 4 when the
  // tables have no room for them.
  int AddPolygon(int n, std::uint16_t tag, int step);
  void SetLineStyle(std::uint16_t colour, std::uint16_t thickness, std::uint16_t style);
  void AdjustTables(int d_points, int d_lines, int d_circles, int d_hypercycles = 0, int d_horocycles = 0);
  // Adds a line from a to b with the pen; message 4 when the line table is full.
  int AddLine(int a, int b, const kernel::LinePen& pen);
  void PolygonPerimeter(int n, std::span<const Point2> vertices, std::span<Real> lengths) const;
  int PlacePolygonPoints(int polygon, std::uint16_t tag, Real t);
  int CountKind3() const;
  static int IsTransformStep(const kernel::ConstructionRecord& step);
  void FillSideRecord2D(int side, int p, int q);
  void SideIntersection(int i, int j, int p);
  void SideConstruction(int i, int a, int b, int c);

  // --- texts ------------------------------------------------------------------------------
  std::string FormatNumber(Real x) const;
  std::string RgbText(int colour_index) const;
  std::string StyleName(int style) const;
  void StepTexts(std::string& t1, std::string& t2, std::string& t3) const;
  void ExpandTemplate(std::string* out, DescriptionTemplate items, std::size_t limit = 0,
                      const Real* values = nullptr);
  void AttributeTripleText(std::string& out, int n);
  void BoxText(std::string& out, std::string t1, std::string t2, std::string t3) const;
  void PointCoordText(std::string& out, int i) const;
  int CircleText(int c, std::string& out, bool first_point_only, bool with_numbers, bool with_equation) const;
  void ConicDefinitionText(std::string& out, int a, int b, int c, std::string_view value, int kind, int colour_code) const;
  void AppendColorPairText(std::string& out, int code) const;

  // --- the step layer's own executors -----------------------------------------------------
#define KV_DECLARE_OWN_OPERATION(kind, name) int name(std::string* out);
  KV_OWN_STEP_OPERATIONS_UNIQUE(KV_DECLARE_OWN_OPERATION)
#undef KV_DECLARE_OWN_OPERATION
  int DeleteAllLines(std::string* out);
  int ChainOfCircles(std::string* out);

  // Evaluates a text of the current step; 0 on success, else a message number (1 when it does
  // not evaluate).
  int Evaluate(std::string text, Real& value);

 private:
  // Takes the next point entry with its label (the one asked for, or the next free) and marks it
  // as existing, coordinates left to the caller; the label, or -1 when there is no room.
  int ClaimNewPoint(std::uint16_t tag, std::int16_t label);
  int RunOperation(const kernel::ConstructionRecord& step, std::string* out);

  StepExecutors default_executors_;
  StepExecutors* executors_ = nullptr;
};

}  // namespace engine
