#include "platform/application.h"

#include <QApplication>
#include <clocale>

namespace platform {

struct Application::Impl {
  Impl(int& argc, char** argv) : app(argc, argv) {}
  QApplication app;
};

Application::Application(int& argc, char** argv) : impl_(std::make_unique<Impl>(argc, argv)) {
  QApplication::setApplicationName("kavrine");
  // Numbers in files, exports and dialogs are written with a decimal point whatever the user's
  // language; Qt takes the locale from the environment, so put the numeric part back.
  std::setlocale(LC_NUMERIC, "C");
}

Application::~Application() = default;

int Application::Run() { return QApplication::exec(); }

void Application::Quit(int code) { QApplication::exit(code); }

void Application::ProcessPendingEvents() { QApplication::processEvents(); }

bool Application::Exists() { return QApplication::instance() != nullptr; }

}  // namespace platform
