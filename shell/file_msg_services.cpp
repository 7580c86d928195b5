// Services of the window layer for the layers above: questions for a value, help texts, the key
// poll and status captions of long work.

#include <climits>
#include <cstdlib>
#include <string>

#include "shell/file_msg_win.h"
#include "shell/generic_dialogs.h"
#include "shell/message_numbers.h"
#include "platform/key_poll.h"
#include "platform/modal_responder.h"
#include "resources/resource_library.h"

namespace shell {

namespace {
constexpr int kAskTextLimit = 80;
constexpr int kRangePromptLimit = 50;
constexpr int kNumberInputSize = 20;

constexpr int kStatusStringBase = 600;
constexpr int kSlideString = 607;      // "slide #"
constexpr int kQuitString = 601;       // "press Q to quit"
constexpr int kAnyKeyString = 608;     // "press any key"
constexpr int kAxisKeysString = 611;   // "Q=quit X,Y,Z,R=axis  F=fast  S=slow  space=rev"
constexpr int kSlideHintString = 614;

// Status texts that the string table does not hold read as empty.
std::string StatusString(int id) { return resources::HasString(id) ? resources::LoadString(id) : std::string(); }

// atoi's reading, held within the range of an int.
int IntegerOf(const std::string& text) {
  const long value = std::strtol(text.c_str(), nullptr, 10);
  return static_cast<int>(value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : value);
}
}  // namespace

int TFileMsgWin::AskValue(int captionId, int promptId, std::string& buffer, int bufferSize) {
  TInpDlg dialog(this, resources::LoadString(captionId, kAskTextLimit), resources::LoadString(promptId, kAskTextLimit),
                 &buffer, bufferSize);
  return dialog.Execute();
}

int TFileMsgWin::AskIntInRange(int promptId, int labelId, int minimum, int maximum, int& value, bool showRange) {
  std::string input = std::to_string(value);
  std::string label = resources::LoadString(labelId, kRangePromptLimit);
  if (showRange) label = std::to_string(minimum) + " .. " + label + " .. " + std::to_string(maximum);
  TInpDlg dialog(this, resources::LoadString(promptId, kRangePromptLimit), label, &input, kNumberInputSize);
  if (dialog.Execute() != platform::IDOK) return kAskCancelled;
  value = IntegerOf(input);
  return minimum <= value && value <= maximum ? 0 : kOutOfBounds;
}

int TFileMsgWin::LoadHelpText(std::string_view name, std::string& text, int bufferSize) {
  const std::optional<std::string> found = resources::FindHelpText(name);
  if (!found) return 11;
  if (static_cast<long long>(found->size()) + 10 > bufferSize) return 20;
  text = *found;
  if (const std::size_t stop = text.find("???"); stop != std::string::npos) text.resize(stop);
  if (text.size() > static_cast<std::size_t>(kHelpTextLimit)) text.resize(kHelpTextLimit);
  return 0;
}

int TFileMsgWin::PollKey() {
  const std::optional<platform::PolledKey> polled = platform::TakePendingKey(this);
  if (!polled) return 0;
  if (polled->accelerator) return kStopKey;
  int code = polled->key.text.empty() ? polled->key.key : static_cast<unsigned char>(polled->key.text[0]);
  if (code >= 'a' && code <= 'z') code -= 'a' - 'A';
  return code;
}

void TFileMsgWin::CaptionStatus(int kind, int a, int b) {
  const bool slide = kind == 12 || kind == 14;
  std::string text = StatusString(slide ? kSlideString : kStatusStringBase + kind);
  switch (kind) {
    case 6:
      text += std::to_string(a) + "; " + StatusString(kQuitString);
      break;
    case 7:
      text += std::to_string(a) + "; " + StatusString(kAnyKeyString);
      break;
    case 11:
      text = StatusString(kAxisKeysString);
      if (a > -1) {
        text += std::to_string(a);
        if (b > 1) text += "/" + std::to_string(b);
      }
      break;
    case 12:
      text += " " + std::to_string(a) + "/" + std::to_string(b);
      break;
    case 14:
      text += std::to_string(a) + "; " + StatusString(kSlideHintString);
      break;
    default:
      break;
  }
  SetCaption(text);
}

}  // namespace shell
