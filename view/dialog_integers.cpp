#include "view/dialog_integers.h"

#include <climits>
#include <cstdlib>
#include <string>

namespace view {

namespace {
constexpr std::size_t kFieldBuffer = 20;
}  // namespace

int ReadDialogInteger(std::string_view text) {
  const std::string field(text.substr(0, kFieldBuffer - 1));
  const long long value = std::strtoll(field.c_str(), nullptr, 10);
  return static_cast<int>(value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : value);
}

}  // namespace view
