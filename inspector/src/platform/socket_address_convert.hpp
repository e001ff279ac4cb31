// Conversions between SocketAddress and the BSD socket structures, which POSIX and Winsock share.
// Include after the platform's own socket headers (<netinet/in.h> or <ws2tcpip.h>).
#pragma once

#include <cstring>
#include <optional>

#include "platform/net.hpp"

namespace tavrik::net {

// An IPv4 or IPv6 entry of a resolver's list; nothing for any other family or a short entry.
inline std::optional<SocketAddress> socket_address_from(int family, const sockaddr* raw,
                                                        std::size_t length) {
  SocketAddress address;
  if (family == AF_INET && length >= sizeof(sockaddr_in)) {
    sockaddr_in v4;
    std::memcpy(&v4, raw, sizeof v4);
    address.family = Family::ipv4;
    std::memcpy(address.address.data(), &v4.sin_addr, 4);
    return address;
  }
  if (family == AF_INET6 && length >= sizeof(sockaddr_in6)) {
    sockaddr_in6 v6;
    std::memcpy(&v6, raw, sizeof v6);
    address.family = Family::ipv6;
    std::memcpy(address.address.data(), &v6.sin6_addr, 16);
    address.flow_info = ntohl(v6.sin6_flowinfo);
    address.scope_id = v6.sin6_scope_id;
    return address;
  }
  return std::nullopt;
}

// Fills `storage` for connect and returns the length of the structure written.
inline int to_sockaddr(const SocketAddress& address, sockaddr_storage& storage) {
  storage = {};
  if (address.family == Family::ipv4) {
    sockaddr_in v4{};
    v4.sin_family = AF_INET;
    v4.sin_port = htons(address.port);
    std::memcpy(&v4.sin_addr, address.address.data(), 4);
    std::memcpy(&storage, &v4, sizeof v4);
    return static_cast<int>(sizeof v4);
  }
  sockaddr_in6 v6{};
  v6.sin6_family = AF_INET6;
  v6.sin6_port = htons(address.port);
  v6.sin6_flowinfo = htonl(address.flow_info);
  v6.sin6_scope_id = address.scope_id;
  std::memcpy(&v6.sin6_addr, address.address.data(), 16);
  std::memcpy(&storage, &v6, sizeof v6);
  return static_cast<int>(sizeof v6);
}

}  // namespace tavrik::net
