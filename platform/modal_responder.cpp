#include "platform/modal_responder.h"

namespace platform {
namespace {
ModalResponder* current = nullptr;
}

ModalResponder* SetModalResponder(ModalResponder* responder) {
  ModalResponder* previous = current;
  current = responder;
  return previous;
}

ModalResponder* CurrentModalResponder() { return current; }

}  // namespace platform
