// The small socket interface discovery is written against. One implementation per platform
// (POSIX sockets, Winsock 2), chosen by the build; no platform header leaks through here.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "error_chain.hpp"

namespace tavrik::net {

enum class Family { ipv4, ipv6 };

struct SocketAddress {
  Family family = Family::ipv4;
  // Network byte order: the first 4 bytes for IPv4, all 16 for IPv6.
  std::array<std::uint8_t, 16> address{};
  std::uint16_t port = 0;
  std::uint32_t flow_info = 0;  // IPv6 only
  std::uint32_t scope_id = 0;   // IPv6 only
};

// An open stream socket; closing it is the destructor's job.
class Socket {
 public:
  Socket() = default;
  explicit Socket(std::intptr_t handle) : handle_(handle) {}
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;
  Socket(Socket&& other) noexcept : handle_(other.release()) {}
  Socket& operator=(Socket&& other) noexcept;
  ~Socket();

  std::intptr_t handle() const { return handle_; }
  bool is_open() const { return handle_ != invalid_handle; }
  std::intptr_t release() {
    const auto h = handle_;
    handle_ = invalid_handle;
    return h;
  }

  static constexpr std::intptr_t invalid_handle = -1;

 private:
  std::intptr_t handle_ = invalid_handle;
};

// Resolves a host name (any family, stream sockets) in the resolver's order. Entries of
// families other than IPv4 and IPv6 are skipped; ports are left 0 for the caller to set.
Result<std::vector<SocketAddress>> resolve_host(const std::string& host);

Result<Socket> open_stream_socket(Family family);
// Connects, giving up with the system's time-out error once `timeout` has passed without an
// answer (a host that drops packets would otherwise hold the caller for the system's own
// connect time-out, minutes on Linux). The socket is left blocking either way.
Status connect_socket(const Socket& socket, const SocketAddress& address,
                      std::chrono::milliseconds timeout);
Status set_receive_timeout(const Socket& socket, std::chrono::milliseconds timeout);

// Sends some of the bytes; returns how many were taken (0 is possible and is the caller's to
// judge).
Result<std::size_t> send_some(const Socket& socket, std::span<const std::byte> bytes);

// Receives into the buffer; 0 means the peer has closed the stream (a shut-down socket counts too).
Result<std::size_t> receive_some(const Socket& socket, std::span<std::byte> buffer);

}  // namespace tavrik::net
