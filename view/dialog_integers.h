#pragma once
// Integers typed into the fields of the export dialogs, read as the C library's atoi reads them
// from a buffer of 20 characters, but held within the range of an int.

#include <string_view>

namespace view {

int ReadDialogInteger(std::string_view text);

}  // namespace view
