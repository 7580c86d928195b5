#include "platform/application.h"

#include <QApplication>

namespace platform {

struct Application::Impl {
  Impl(int& argc, char** argv) : app(argc, argv) {}
  QApplication app;
};

Application::Application(int& argc, char** argv) : impl_(std::make_unique<Impl>(argc, argv)) {
  QApplication::setApplicationName("kavrine");
}

Application::~Application() = default;

int Application::Run() { return QApplication::exec(); }

void Application::Quit(int code) { QApplication::exit(code); }

void Application::ProcessPendingEvents() { QApplication::processEvents(); }

bool Application::Exists() { return QApplication::instance() != nullptr; }

}  // namespace platform
