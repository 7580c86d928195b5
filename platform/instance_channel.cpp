#include "platform/instance_channel.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QLocalServer>
#include <QLocalSocket>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace platform {
namespace {

// Connects to the socket at path; -1 when nobody listens there.
int ConnectTo(const std::string& path) {
  sockaddr_un address{};
  if (path.size() >= sizeof(address.sun_path)) return -1;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

bool SendAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t sent = ::send(fd, data, size, MSG_NOSIGNAL);
    if (sent <= 0) return false;
    data += sent;
    size -= static_cast<std::size_t>(sent);
  }
  return true;
}

}  // namespace

std::string InstanceSocketPath() {
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
    return (std::filesystem::path(runtime) / "kavrine-kvprev").string();
  return (std::filesystem::temp_directory_path() / ("kavrine-kvprev-" + std::to_string(::getuid()))).string();
}

bool HandOffToRunningInstance(const std::string& name, int timeoutMilliseconds) {
  const int fd = ConnectTo(InstanceSocketPath());
  if (fd < 0) return false;
  const std::uint32_t length = static_cast<std::uint32_t>(name.size());
  char header[4];
  for (int i = 0; i < 4; ++i) header[i] = static_cast<char>((length >> (8 * i)) & 0xFF);
  bool ok = SendAll(fd, header, 4) && SendAll(fd, name.data(), name.size());
  if (ok) {
    // The running instance answers once it has dealt with the name.
    pollfd waiting{fd, POLLIN, 0};
    char answer = 0;
    ok = ::poll(&waiting, 1, timeoutMilliseconds) > 0 && ::recv(fd, &answer, 1, 0) == 1;
  }
  ::close(fd);
  return ok;
}

struct InstanceListener::Impl {
  QLocalServer server;
  std::function<void(const std::string&)> onName;
};

InstanceListener::InstanceListener(std::function<void(const std::string&)> onName)
    : impl_(std::make_unique<Impl>()) {
  impl_->onName = std::move(onName);
  const QString path = QString::fromStdString(InstanceSocketPath());
  impl_->server.setSocketOptions(QLocalServer::UserAccessOption);
  if (!impl_->server.listen(path)) {
    // Nobody answers there: a socket left behind by an instance that ended abnormally.
    const int fd = ConnectTo(path.toStdString());
    if (fd >= 0) {
      ::close(fd);
      return;  // another instance really runs; do not steal its socket
    }
    QLocalServer::removeServer(path);
    impl_->server.listen(path);
  }
  QObject::connect(&impl_->server, &QLocalServer::newConnection, &impl_->server, [impl = impl_.get()] {
    while (QLocalSocket* socket = impl->server.nextPendingConnection()) {
      QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      QObject::connect(socket, &QLocalSocket::readyRead, socket, [impl, socket] {
        if (socket->bytesAvailable() < 4) return;
        const QByteArray head = socket->peek(4);
        std::uint32_t length = 0;
        for (int i = 3; i >= 0; --i) length = (length << 8) | static_cast<unsigned char>(head[i]);
        if (static_cast<std::uint64_t>(socket->bytesAvailable()) < 4ull + length) return;
        socket->read(4);
        const QByteArray name = socket->read(length);
        // The name has arrived: say so before handling it, since opening a file may ask or
        // report something and keep this instance busy for long.
        socket->write("\1", 1);
        socket->flush();
        socket->disconnectFromServer();
        impl->onName(name.toStdString());
      });
    }
  });
}

InstanceListener::~InstanceListener() = default;

bool InstanceListener::IsListening() const { return impl_->server.isListening(); }

}  // namespace platform
