// Winsock 2 behind the small socket interface.
#include "platform/net.hpp"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <climits>
#include <cstring>

#include "platform/socket_address_convert.hpp"
#include "platform/system_error.hpp"
#include "win32_text.hpp"

namespace tavrik::net {

using platform::system_error_text;

namespace {

SOCKET socket_of(const Socket& socket) { return static_cast<SOCKET>(socket.handle()); }

Error last_socket_error() { return Error(system_error_text(WSAGetLastError())); }

// The header's FIONBIO is an unsigned expression that ioctlsocket takes as a long.
constexpr long set_non_blocking = static_cast<long>(FIONBIO);

// Winsock is started once per process, the first time a socket operation needs it, and left
// running until the process ends. This is the one piece of process state the platform forces.
Status ensure_winsock() {
  static const int started = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data);
  }();
  if (started != 0) return Error(system_error_text(started)).context("start Windows Sockets");
  return success();
}

}  // namespace

Socket& Socket::operator=(Socket&& other) noexcept {
  if (this != &other) {
    if (is_open()) closesocket(static_cast<SOCKET>(handle_));
    handle_ = other.release();
  }
  return *this;
}

Socket::~Socket() {
  if (is_open()) closesocket(static_cast<SOCKET>(handle_));
}

Result<std::vector<SocketAddress>> resolve_host(const std::string& host) {
  if (auto started = ensure_winsock(); !started) return std::move(started).error();
  if (host.find('\0') != std::string::npos) return Error("host name contains a NUL byte");
  // The wide form: the narrow one would read the UTF-8 text in the ANSI code page.
  const auto wide_host = win32::to_wide(host);
  if (!wide_host) return Error("host name is not valid UTF-8");
  ADDRINFOW hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  ADDRINFOW* list = nullptr;
  const int status = GetAddrInfoW(wide_host->c_str(), nullptr, &hints, &list);
  if (status != 0) {
    const int code = WSAGetLastError();
    return Error(system_error_text(code != 0 ? code : status));
  }
  std::vector<SocketAddress> out;
  for (const ADDRINFOW* entry = list; entry != nullptr; entry = entry->ai_next) {
    const auto address = socket_address_from(entry->ai_family, entry->ai_addr, entry->ai_addrlen);
    if (address) out.push_back(*address);
  }
  FreeAddrInfoW(list);
  return out;
}

Result<Socket> open_stream_socket(Family family) {
  if (auto started = ensure_winsock(); !started) return std::move(started).error();
  const int domain = family == Family::ipv4 ? AF_INET : AF_INET6;
  // Overlapped sockets still block in every call the tool makes; without the flag the receive
  // time-out can be ignored (a recv was seen to wait for ten minutes under Wine). Children
  // never inherit the socket.
  const SOCKET handle = WSASocketW(domain, SOCK_STREAM, 0, nullptr, 0,
                                   WSA_FLAG_OVERLAPPED | WSA_FLAG_NO_HANDLE_INHERIT);
  if (handle == INVALID_SOCKET) return last_socket_error();
  return Socket(static_cast<std::intptr_t>(handle));
}

Status connect_socket(const Socket& socket, const SocketAddress& address,
                      std::chrono::milliseconds timeout) {
  const SOCKET handle = socket_of(socket);
  u_long non_blocking = 1;
  if (ioctlsocket(handle, set_non_blocking, &non_blocking) != 0) return last_socket_error();
  // Every later call blocks again (the receive relies on SO_RCVTIMEO, not on waiting here).
  const auto blocking_again = [handle]() -> Status {
    u_long blocking = 0;
    if (ioctlsocket(handle, set_non_blocking, &blocking) != 0) return last_socket_error();
    return success();
  };
  sockaddr_storage storage;
  const int length = to_sockaddr(address, storage);
  if (connect(handle, reinterpret_cast<const sockaddr*>(&storage), length) == 0) {
    return blocking_again();
  }
  if (WSAGetLastError() != WSAEWOULDBLOCK) return last_socket_error();
  // Writable: connected; in the exception set: failed. SO_ERROR tells which either way.
  fd_set writable;
  fd_set failed;
  FD_ZERO(&writable);
  FD_ZERO(&failed);
  FD_SET(handle, &writable);
  FD_SET(handle, &failed);
  const auto count = std::max<std::chrono::milliseconds::rep>(timeout.count(), 0);
  timeval bound{};
  bound.tv_sec = static_cast<long>(count / 1000);
  bound.tv_usec = static_cast<long>((count % 1000) * 1000);
  const int ready = select(0, nullptr, &writable, &failed, &bound);
  if (ready == SOCKET_ERROR) return last_socket_error();
  if (ready == 0) return Error(system_error_text(WSAETIMEDOUT));
  int error = 0;
  int error_length = sizeof error;
  if (getsockopt(handle, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &error_length) !=
      0) {
    return last_socket_error();
  }
  if (error != 0) return Error(system_error_text(error));
  return blocking_again();
}

Status set_receive_timeout(const Socket& socket, std::chrono::milliseconds timeout) {
  const auto count = std::clamp<std::chrono::milliseconds::rep>(timeout.count(), 0, ULONG_MAX);
  const DWORD value = static_cast<DWORD>(count);
  if (setsockopt(socket_of(socket), SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&value),
                 sizeof value) != 0) {
    return last_socket_error();
  }
  return success();
}

Result<std::size_t> send_some(const Socket& socket, std::span<const std::byte> bytes) {
  const int length = static_cast<int>(std::min<std::size_t>(bytes.size(), INT_MAX));
  const int sent = send(socket_of(socket), reinterpret_cast<const char*>(bytes.data()), length, 0);
  if (sent == SOCKET_ERROR) return last_socket_error();
  return static_cast<std::size_t>(sent);
}

Result<std::size_t> receive_some(const Socket& socket, std::span<std::byte> buffer) {
  const int length = static_cast<int>(std::min<std::size_t>(buffer.size(), INT_MAX));
  const int received = recv(socket_of(socket), reinterpret_cast<char*>(buffer.data()), length, 0);
  if (received == SOCKET_ERROR) {
    const int code = WSAGetLastError();
    if (code == WSAESHUTDOWN) return std::size_t{0};
    return Error(system_error_text(code));
  }
  return static_cast<std::size_t>(received);
}

}  // namespace tavrik::net
