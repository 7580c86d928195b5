#pragma once
// Line ends of plain texts: the program keeps CR LF; texts from other systems may end their lines
// with a lone LF.

#include <string>
#include <string_view>

namespace kernel {

// The text with every lone LF (one not after a CR) made CR LF.
std::string WithCrLfLineEnds(std::string_view text);

}  // namespace kernel
