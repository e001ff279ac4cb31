#include "scripted_inspector.hpp"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace tavrik::testing {

namespace {

int bind_loopback(bool ipv6, std::uint16_t port_wanted, std::uint16_t& port_out) {
  const int fd = ::socket(ipv6 ? AF_INET6 : AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) throw std::runtime_error("socket failed");
  const int yes = 1;
  ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  sockaddr_storage storage{};
  socklen_t length = 0;
  if (ipv6) {
    sockaddr_in6 a{};
    a.sin6_family = AF_INET6;
    a.sin6_addr = in6addr_loopback;
    a.sin6_port = htons(port_wanted);
    std::memcpy(&storage, &a, sizeof a);
    length = sizeof a;
  } else {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(port_wanted);
    std::memcpy(&storage, &a, sizeof a);
    length = sizeof a;
  }
  if (::bind(fd, reinterpret_cast<sockaddr*>(&storage), length) != 0) {
    ::close(fd);
    throw std::runtime_error("bind failed");
  }
  socklen_t got = sizeof storage;
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&storage), &got);
  port_out = ipv6 ? ntohs(reinterpret_cast<sockaddr_in6*>(&storage)->sin6_port)
                  : ntohs(reinterpret_cast<sockaddr_in*>(&storage)->sin_port);
  return fd;
}

bool send_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

ScriptStep send(std::string bytes) { return {ScriptStep::Kind::send, std::move(bytes), {}}; }
ScriptStep pause_for(std::chrono::milliseconds duration) {
  return {ScriptStep::Kind::pause, {}, duration};
}
ScriptStep read_request() { return {ScriptStep::Kind::read_request, {}, {}}; }
ScriptStep hold_open() { return {ScriptStep::Kind::hold, {}, {}}; }
ScriptStep close_now() { return {ScriptStep::Kind::close, {}, {}}; }
ScriptStep close_if_request_has(std::string text) {
  return {ScriptStep::Kind::close_if_request_has, std::move(text), {}};
}
ScriptStep send_filler(std::size_t count, std::string pattern) {
  return {ScriptStep::Kind::send_filler, std::move(pattern), {}, count};
}

std::string http_answer(std::string_view status_line, std::string_view body,
                        bool with_content_length) {
  std::string out(status_line);
  out += "\r\nContent-Type: application/json; charset=UTF-8\r\n";
  if (with_content_length) out += "Content-Length: " + std::to_string(body.size()) + "\r\n";
  out += "\r\n";
  out += body;
  return out;
}

UnansweredListener::UnansweredListener(bool ipv6, std::uint16_t port) : ipv6_(ipv6) {
  listen_fd_ = bind_loopback(ipv6_, port, port_);
  ::listen(listen_fd_, 0);
  sockaddr_storage storage{};
  socklen_t length = sizeof storage;
  ::getsockname(listen_fd_, reinterpret_cast<sockaddr*>(&storage), &length);
  // Connect until one connection stays pending: from then on the queue is full.
  for (int i = 0; i < 16; ++i) {
    const int fd =
        ::socket(ipv6_ ? AF_INET6 : AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) break;
    fillers_.push_back(fd);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&storage), length) == 0) continue;
    if (errno != EINPROGRESS) break;
    pollfd entry{fd, POLLOUT, 0};
    if (::poll(&entry, 1, 500) == 0) return;
  }
  for (const int fd : fillers_) ::close(fd);
  ::close(listen_fd_);
  throw std::runtime_error("the kernel completed every handshake; no unanswered listener");
}

UnansweredListener::~UnansweredListener() {
  for (const int fd : fillers_) ::close(fd);
  ::close(listen_fd_);
}

std::string UnansweredListener::address() const {
  return (ipv6_ ? "[::1]:" : "127.0.0.1:") + std::to_string(port_);
}

ScriptedInspector::ScriptedInspector(std::vector<ScriptStep> script, bool listen_now, bool ipv6)
    : script_(std::move(script)), ipv6_(ipv6) {
  // Reserve a port first, so that a late start still has a known address.
  listen_fd_ = bind_loopback(ipv6_, 0, port_);
  if (listen_now) {
    start_listening();
  } else {
    ::close(listen_fd_);
    listen_fd_ = -1;
  }
}

ScriptedInspector::~ScriptedInspector() { stop(); }

std::string ScriptedInspector::address() const {
  return (ipv6_ ? "[::1]:" : "127.0.0.1:") + std::to_string(port_);
}

void ScriptedInspector::start_listening() {
  if (listen_fd_ < 0) {
    std::uint16_t same = 0;
    listen_fd_ = bind_loopback(ipv6_, port_, same);
  }
  ::listen(listen_fd_, 64);
  acceptor_ = std::thread([this] { serve(); });
}

void ScriptedInspector::stop() {
  stopping_ = true;
  if (acceptor_.joinable()) acceptor_.join();
  for (auto& worker : workers_) {
    if (worker.joinable()) worker.join();
  }
  workers_.clear();
  if (listen_fd_ >= 0) ::close(listen_fd_);
  listen_fd_ = -1;
}

std::vector<std::string> ScriptedInspector::requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

void ScriptedInspector::serve() {
  while (!stopping_) {
    pollfd entry{listen_fd_, POLLIN, 0};
    if (::poll(&entry, 1, 20) <= 0) continue;
    const int fd = ::accept4(listen_fd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) continue;
    ++connections_;
    workers_.emplace_back([this, fd] { play(fd); });
  }
}

void ScriptedInspector::play(int fd) {
  std::string request;
  for (const auto& step : script_) {
    if (stopping_) break;
    switch (step.kind) {
      case ScriptStep::Kind::send:
        send_all(fd, step.bytes);
        break;
      case ScriptStep::Kind::send_filler: {
        if (step.bytes.empty()) break;
        std::string block;  // a whole number of patterns, so the repetition runs on unbroken
        while (block.size() < (std::size_t{1} << 20)) block += step.bytes;
        for (std::size_t left = step.count; left > 0 && !stopping_;) {
          const std::size_t piece = std::min(left, block.size());
          if (!send_all(fd, std::string_view(block).substr(0, piece))) break;
          left -= piece;
        }
        break;
      }
      case ScriptStep::Kind::pause: {
        const auto until = std::chrono::steady_clock::now() + step.duration;
        while (!stopping_ && std::chrono::steady_clock::now() < until) {
          std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        break;
      }
      case ScriptStep::Kind::read_request: {
        char buffer[4096];
        while (request.find("\r\n\r\n") == std::string::npos && !stopping_) {
          pollfd entry{fd, POLLIN, 0};
          if (::poll(&entry, 1, 20) <= 0) continue;
          const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
          if (n <= 0) break;
          request.append(buffer, static_cast<std::size_t>(n));
        }
        std::lock_guard lock(mutex_);
        requests_.push_back(request);
        break;
      }
      case ScriptStep::Kind::hold:
        while (!stopping_) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        break;
      case ScriptStep::Kind::close_if_request_has:
        if (request.find(step.bytes) == std::string::npos) break;
        ::close(fd);
        return;
      case ScriptStep::Kind::close:
        ::close(fd);
        return;
    }
  }
  ::close(fd);
}

std::uint16_t unused_port() {
  std::uint16_t port = 0;
  const int fd = bind_loopback(false, 0, port);
  ::close(fd);
  return port;
}

}  // namespace tavrik::testing
