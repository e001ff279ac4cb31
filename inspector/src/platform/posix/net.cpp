// POSIX sockets behind the small socket interface.
#include "platform/net.hpp"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "platform/socket_address_convert.hpp"
#include "platform/system_error.hpp"

namespace tavrik::net {

using platform::system_error_text;

namespace {

int fd_of(const Socket& socket) { return static_cast<int>(socket.handle()); }

Error last_system_error() { return Error(system_error_text(errno)); }

}  // namespace

Socket& Socket::operator=(Socket&& other) noexcept {
  if (this != &other) {
    if (is_open()) ::close(static_cast<int>(handle_));
    handle_ = other.release();
  }
  return *this;
}

Socket::~Socket() {
  if (is_open()) ::close(static_cast<int>(handle_));
}

Result<std::vector<SocketAddress>> resolve_host(const std::string& host) {
  if (host.find('\0') != std::string::npos) return Error("host name contains a NUL byte");
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* list = nullptr;
  const int status = ::getaddrinfo(host.c_str(), nullptr, &hints, &list);
  if (status != 0) {
    // Say what the resolver said; a system failure inside it carries its errno.
    if (status == EAI_SYSTEM) return last_system_error();
    return Error(std::string(::gai_strerror(status)));
  }
  std::vector<SocketAddress> out;
  for (const addrinfo* entry = list; entry != nullptr; entry = entry->ai_next) {
    const auto address = socket_address_from(entry->ai_family, entry->ai_addr, entry->ai_addrlen);
    if (address) out.push_back(*address);
  }
  ::freeaddrinfo(list);
  return out;
}

Result<Socket> open_stream_socket(Family family) {
  const int domain = family == Family::ipv4 ? AF_INET : AF_INET6;
  const int fd = ::socket(domain, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return last_system_error();
  return Socket(fd);
}

Status connect_socket(const Socket& socket, const SocketAddress& address,
                      std::chrono::milliseconds timeout) {
  const int fd = fd_of(socket);
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags < 0 || ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) != 0) return last_system_error();
  // Every later call blocks again (the receive relies on SO_RCVTIMEO, not on polling).
  const auto blocking_again = [fd, flags]() -> Status {
    if (::fcntl(fd, F_SETFL, flags) != 0) return last_system_error();
    return success();
  };
  sockaddr_storage storage;
  const auto length = static_cast<socklen_t>(to_sockaddr(address, storage));
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&storage), length) == 0) {
    return blocking_again();
  }
  if (errno != EINPROGRESS && errno != EINTR) return last_system_error();
  // The handshake goes on in the background: wait for it to settle, within the bound.
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  pollfd entry{fd, POLLOUT, 0};
  for (;;) {
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    const int ready = ::poll(&entry, 1, static_cast<int>(std::max<long long>(left.count(), 0)));
    if (ready > 0) break;
    if (ready == 0) return Error(system_error_text(ETIMEDOUT));
    if (errno != EINTR) return last_system_error();
  }
  int error = 0;
  socklen_t error_length = sizeof error;
  if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &error_length) != 0) {
    return last_system_error();
  }
  if (error != 0) return Error(system_error_text(error));
  return blocking_again();
}

Status set_receive_timeout(const Socket& socket, std::chrono::milliseconds timeout) {
  timeval value{};
  value.tv_sec = static_cast<time_t>(timeout.count() / 1000);
  value.tv_usec = static_cast<suseconds_t>((timeout.count() % 1000) * 1000);
  if (::setsockopt(fd_of(socket), SOL_SOCKET, SO_RCVTIMEO, &value, sizeof value) != 0) {
    return last_system_error();
  }
  return success();
}

Result<std::size_t> send_some(const Socket& socket, std::span<const std::byte> bytes) {
  for (;;) {
    // MSG_NOSIGNAL: a peer that has gone is an error value, not a SIGPIPE.
    const ssize_t sent = ::send(fd_of(socket), bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent >= 0) return static_cast<std::size_t>(sent);
    if (errno != EINTR) return last_system_error();
  }
}

Result<std::size_t> receive_some(const Socket& socket, std::span<std::byte> buffer) {
  for (;;) {
    const ssize_t received = ::recv(fd_of(socket), buffer.data(), buffer.size(), 0);
    if (received >= 0) return static_cast<std::size_t>(received);
    if (errno == ESHUTDOWN) return std::size_t{0};
    if (errno != EINTR) return last_system_error();
  }
}

}  // namespace tavrik::net
