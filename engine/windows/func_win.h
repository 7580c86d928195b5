#pragma once
// The expression layer of the geometry windows: the window's expression compiler, and what only
// the window knows of an expression (its measuring hooks, model, scale, number form and
// dimension). Every number field of the window reads expressions through it.

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "engine/expr_compiler.h"
#include "engine/expr_tokens.h"
#include "engine/windows/fill_win.h"

namespace engine {

class TFuncWin : public TFillWin, public ExpressionContext {
 public:
  TFuncWin(platform::FrameWindow* parent, std::string_view title);

  ExpressionCompiler compiler{*this};

  // Compiles and evaluates text (which loses its blanks): a positive error number, or 0 or minus
  // the kind of the value on success.
  int CompileExpression(std::string& text, ExprValue& value) { return compiler.CompileExpression(text, value); }
  // Number fields take expressions: 0 and x of the value, or the error number.
  int ParseNumber(std::string_view text, Real& value) override;

  // Rebuilds the figure from its history; the number of steps run. Nothing here.
  virtual int ReplayConstruction(bool /*replaying*/) { return 0; }
  // Renames a point in every text placed on the figure; the number of texts left as they were
  // because they would have become too long.
  virtual int RenameLabelInTexts(const std::string& oldName, const std::string& newName);
  // Runs `change` over the texts of every text item placed on the figure (plain, evaluated and
  // measurement texts, in that order) and keeps what it made of them; its result.
  int ChangeFigureTexts(const std::function<int(std::span<std::string>)>& change);

  // What the compiler asks of the window.
  using view::TQELWin::FormatNumber;
  bool InNonEuclideanModel() const override;
  Real PixelsPerUnitX() const override { return mapping.pixelsPerUnitX; }
  std::string FormatNumber(Real x) const override { return FormatNumber(x, false); }
  int Dimension() const override { return dimension(); }
  // A minus that starts an expression or follows an operator or "(" negates. The measuring layer
  // above replaces its measuring codes first and then marks the minus signs the same way.
  int CompileHook116(ExprTokenArray& tokens) override {
    MarkUnaryMinus(tokens);
    return 0;
  }
};

}  // namespace engine
