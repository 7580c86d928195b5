// The program's own dialog templates, built as the program shows them: every fixed text fits its
// control in the font the control draws it with, and the controls in sight do not sit on each other.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "resources/resource_files.h"
#include "resources/resource_script.h"

using resources::ControlKind;
using resources::ControlTemplate;
using resources::DialogTemplate;

namespace {

struct ScriptDialog {
  std::string file;
  DialogTemplate dialog;  // texts as written (UTF-8), for the messages
};

std::vector<ScriptDialog> AllDialogTemplates() {
  std::vector<ScriptDialog> all;
  for (const resources::ResourceFile& file : resources::EmbeddedFiles()) {
    const std::string_view name = file.name;
    if (name.size() < 3 || name.substr(name.size() - 3) != ".rc") continue;
    resources::ResourceScript script;
    EXPECT_FALSE(resources::ParseResourceScript(file.bytes, name, script).has_value()) << name;
    for (auto& [dialogName, dialog] : script.dialogs) all.push_back({std::string(name), std::move(dialog)});
  }
  return all;
}

// The templates leave empty the texts the program sets while the dialog is open.
bool ShowsFixedText(const ControlTemplate& control) {
  switch (control.kind) {
    case ControlKind::Static:
    case ControlKind::Button:
    case ControlKind::DefButton:
    case ControlKind::CheckBox:
    case ControlKind::Radio:
    case ControlKind::GroupBox:
      return !control.text.empty();
    default:
      return false;
  }
}

std::string Describe(const ScriptDialog& source, const ControlTemplate& control) {
  std::ostringstream out;
  out << source.file << ": dialog " << source.dialog.name << ", control " << control.id << " \"" << control.text
      << "\"";
  return out.str();
}

}  // namespace

TEST(DialogTemplates, FixedTextsFitTheirControls) {
  const std::vector<ScriptDialog> all = AllDialogTemplates();
  ASSERT_FALSE(all.empty());
  for (const ScriptDialog& source : all) {
    platform::Dialog dialog(nullptr, source.dialog.name);
    dialog.Create();
    const auto& controls = source.dialog.controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const ControlTemplate& control = controls[i];
      if (!ShowsFixedText(control)) continue;
      const platform::Dialog::TextFit fit = dialog.MeasureControlText(static_cast<int>(i));
      EXPECT_TRUE(fit.Fits()) << Describe(source, control) << " needs " << fit.needed << " px across, has "
                              << fit.available << "; wraps into " << fit.lines << " line(s), shows "
                              << fit.visibleLines;
    }
  }
}

TEST(DialogTemplates, ControlsInSightStayInsideAndApart) {
  // In dialog units. Group boxes frame others; a combo box's template height includes its list.
  struct Box {
    int left, top, right, bottom;
  };
  const auto boxOf = [](const ControlTemplate& c) {
    const int height = c.kind == ControlKind::ComboBox ? std::min(c.height, 14) : c.height;
    return Box{c.x, c.y, c.x + c.width, c.y + height};
  };
  for (const ScriptDialog& source : AllDialogTemplates()) {
    const DialogTemplate& d = source.dialog;
    std::vector<const ControlTemplate*> inSight;
    for (const ControlTemplate& c : d.controls)
      if (!c.hidden && c.kind != ControlKind::GroupBox) inSight.push_back(&c);
    for (std::size_t i = 0; i < inSight.size(); ++i) {
      const Box a = boxOf(*inSight[i]);
      EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.right <= d.width && a.bottom <= d.height)
          << Describe(source, *inSight[i]) << " reaches out of the " << d.width << " x " << d.height << " dialog";
      for (std::size_t j = i + 1; j < inSight.size(); ++j) {
        const Box b = boxOf(*inSight[j]);
        EXPECT_FALSE(a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom)
            << Describe(source, *inSight[i]) << " overlaps control " << inSight[j]->id << " \"" << inSight[j]->text
            << "\"";
      }
    }
  }
}
