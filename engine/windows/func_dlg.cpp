#include "engine/windows/func_dlg.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "engine/windows/geom10_win.h"

namespace engine {

namespace {

constexpr int kMsgMakeSelection = 15;
constexpr int kMsgMissingData = 24;
constexpr int kMsgNoOccurrencesOfX = 140;

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string Trimmed(std::string text) {
  const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
  while (!text.empty() && blank(static_cast<unsigned char>(text.back()))) text.pop_back();
  std::size_t i = 0;
  while (i < text.size() && blank(static_cast<unsigned char>(text[i]))) ++i;
  return text.substr(i);
}

}  // namespace

TFuncDlg::TFuncDlg(TGeom10Win* window) : TDlg(window, "FNLIB"), window_(window) {}

void TFuncDlg::SetupWindow() {
  TDlg::SetupWindow();
  SetTextLimit(kFuncNameEdit, static_cast<int>(UserFunction::kMaxName));
  SetTextLimit(kFuncExpressionEdit, static_cast<int>(UserFunction::kMaxBody));
  FillList();
}

bool TFuncDlg::OnCommand(int id) {
  switch (id) {
    case kFuncEnter: Enter(); return true;
    case kFuncEdit: EditSelected(false); return true;
    case kFuncCopy: EditSelected(true); return true;
    case kFuncDelete: DeleteSelected(); return true;
    case 1:
    case 2: Hide(); return true;
    default: return TDlg::OnCommand(id);
  }
}

void TFuncDlg::FillList() {
  ListClear(kFuncList);
  for (const UserFunction& f : window_->compiler.settings.user_functions) ListAdd(kFuncList, f.name + "(X) = " + f.body);
}

int TFuncDlg::Selection() {
  const int count = ListCount(kFuncList);
  int selected = count == 1 ? 0 : ListSelection(kFuncList);
  if (count == 0 || selected < 0) {
    window_->Msg(kMsgMakeSelection);
    return -1;
  }
  return selected;
}

void TFuncDlg::Refuse(int message, int field) {
  window_->Msg(message);
  FocusItem(field);
}

void TFuncDlg::Recompute() {
  window_->ReplayConstruction(true);
  window_->wing.pictureValid = 0;
  window_->Invalidate(false);
}

int TFuncDlg::Enter() {
  std::string name = Trimmed(GetItemText(kFuncNameEdit)).substr(0, UserFunction::kMaxName);
  std::string body = Trimmed(GetItemText(kFuncExpressionEdit)).substr(0, UserFunction::kMaxBody);
  if (name.empty()) {
    Refuse(kMsgMissingData, kFuncNameEdit);
    return kMsgMissingData;
  }
  if (body.empty()) {
    Refuse(kMsgMissingData, kFuncExpressionEdit);
    return kMsgMissingData;
  }
  // A name is called as [NAME](...): brackets, parentheses, blanks and signs cannot be part of it.
  if (!std::all_of(name.begin(), name.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; })) {
    Refuse(kMsgCannotUnderstand, kFuncNameEdit);
    return kMsgCannotUnderstand;
  }
  name = Upper(std::move(name));
  body = Upper(std::move(body));
  std::vector<UserFunction>& functions = window_->compiler.settings.user_functions;
  // No name twice and no built-in name; an edited function may keep its own name.
  bool taken = FunctionCode(name) != 0;
  for (std::size_t k = 0; k < functions.size(); ++k) {
    if (static_cast<int>(k) != editing_ && functions[k].name == name) taken = true;
  }
  if (taken) {
    Refuse(kMsgDuplicateLabel, kFuncNameEdit);
    return kMsgDuplicateLabel;
  }
  std::string trial = UserFunctionTrialText(body, functions);
  ExprValue value;
  const int code = window_->CompileExpression(trial, value);
  if (code > 0) {
    Refuse(code, kFuncExpressionEdit);
    return code;
  }
  if (UserFunctionTrialText(body, functions).find('#') == std::string::npos) window_->Msg(kMsgNoOccurrencesOfX);

  const bool edited = editing_ >= 0 && static_cast<std::size_t>(editing_) < functions.size();
  if (edited) {
    functions[static_cast<std::size_t>(editing_)] = {body, name};
  } else {
    functions.push_back({body, name});
  }
  editing_ = -1;
  if (edited) Recompute();
  FillList();
  SetItemText(kFuncNameEdit, "");
  SetItemText(kFuncExpressionEdit, "");
  window_->SetModified();
  FocusItem(kFuncNameEdit);
  return 0;
}

int TFuncDlg::EditSelected(bool copy) {
  const int k = Selection();
  if (k < 0) return kMsgMakeSelection;
  const UserFunction& f = window_->compiler.settings.user_functions[static_cast<std::size_t>(k)];
  SetItemText(kFuncNameEdit, f.name);
  SetItemText(kFuncExpressionEdit, f.body);
  if (!copy) editing_ = k;
  FocusItem(kFuncNameEdit);
  return 0;
}

int TFuncDlg::DeleteSelected() {
  const int k = Selection();
  if (k < 0) return kMsgMakeSelection;
  std::vector<UserFunction>& functions = window_->compiler.settings.user_functions;
  functions.erase(functions.begin() + k);
  if (editing_ == k) editing_ = -1;
  else if (editing_ > k) --editing_;
  window_->SetModified();
  Recompute();
  FillList();
  SetItemText(kFuncNameEdit, "");
  SetItemText(kFuncExpressionEdit, "");
  return 0;
}

void TGeom10Win::RefreshFunctionDialog() {
  if (functionDialog_ && functionDialog_->IsCreated()) functionDialog_->FillList();
}

void TGeom10Win::ShowFunctionDialog() {
  if (!functionDialog_) {
    functionDialog_ = std::make_unique<TFuncDlg>(this);
    functionDialog_->Create();
  }
  functionDialog_->FillList();
  functionDialog_->Show();
}

}  // namespace engine
