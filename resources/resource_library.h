#pragma once
// The program's resources by id or name, loaded from the data files embedded into the binary:
// the string table (strings.txt), the scripts (*.rc: menus, accelerators, dialog templates) and
// the help texts (help/<NAME>.txt). Texts come back as program-text bytes.
//
// Asking for a string, menu, accelerator table or dialog that does not exist is a programming
// error: debug builds (and so the tests) stop with a message naming it; release builds log it and
// carry on with an empty text or template.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "resources/resource_script.h"

namespace resources {

// String `id`, cut to at most maxLength characters (the caller's buffer limit).
std::string LoadString(int id, std::size_t maxLength = std::string::npos);
bool HasString(int id);

const MenuTemplate& LoadMenu(std::string_view name);
const AcceleratorTable& LoadAccelerators(std::string_view name);
const DialogTemplate& LoadDialogTemplate(std::string_view name);
bool HasMenu(std::string_view name);
bool HasAccelerators(std::string_view name);
bool HasDialogTemplate(std::string_view name);

// The bytes of any embedded resource file by its path under resources/ (icons and other data).
std::optional<std::string> FindResourceFile(std::string_view path);

// A help text by resource name; none when there is no such text (callers report that themselves).
std::optional<std::string> FindHelpText(std::string_view name);

// Every problem found while reading the embedded resources (syntax errors, duplicates); empty
// when all is well. The resources are read once, on first use.
const std::vector<std::string>& ResourceProblems();

// Adds the menus, accelerators and dialogs of a script to the loaded ones (tests use it for
// templates of their own); returns the parse error, if any.
std::optional<std::string> AddResourceScriptForTesting(std::string_view script);

}  // namespace resources
