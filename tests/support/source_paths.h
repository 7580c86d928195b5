#pragma once
// Where the tests find the source tree and the built program. Only the one file that defines these
// is compiled with the folders' names, so every other test object is the same whichever folder the
// tree was checked out in, and the compiler cache serves any checkout.

#include <string>

namespace test_support {

// The root folder of the source tree.
const std::string& SourceRoot();

// The path of the built program.
const std::string& ProgramPath();

}  // namespace test_support
