// The inspector address text turned into something to connect to. The text itself is never
// changed: it is only read here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "error_chain.hpp"
#include "platform/net.hpp"

namespace tavrik {

// The whole text as a literal socket address: dotted-decimal IPv4 and a port, or "[" IPv6
// (optionally "%" and a decimal zone index) "]" and a port. Nothing else qualifies.
std::optional<net::SocketAddress> parse_literal_socket_address(std::string_view text);

struct HostAndPort {
  std::string host;  // may be empty, may hold colons
  std::uint16_t port = 0;
};

// Splits at the last ":"; the port is an optional "+" and decimal digits, 0 to 65535.
Result<HostAndPort> split_host_and_port(std::string_view text);

}  // namespace tavrik
