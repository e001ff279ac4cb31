// The inspector address text turned into a socket address: the literal forms against the system's
// own address parser, a round trip through a canonical text, and the host and port split.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

// The reference is glibc's parser; other systems' parsers differ in corners such as leading zeros
// in an IPv4 tail, so elsewhere only the round trip and the split are checked.
#ifndef _WIN32
#include <arpa/inet.h>
#define TAVRIK_FUZZ_SYSTEM_PARSER 1
#endif

#include "fuzz_check.hpp"
#include "socket_address.hpp"

namespace {

using tavrik::net::Family;
using tavrik::net::SocketAddress;

bool all_digits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// Decimal digits only, leading zeros allowed, at most `max`.
std::optional<std::uint64_t> decimal_at_most(std::string_view text, std::uint64_t max) {
  if (!all_digits(text)) return std::nullopt;
  while (text.size() > 1 && text.front() == '0') text.remove_prefix(1);
  if (text.size() > 10) return std::nullopt;
  const std::uint64_t value = std::stoull(std::string(text));
  if (value > max) return std::nullopt;
  return value;
}

#ifdef TAVRIK_FUZZ_SYSTEM_PARSER
// What the literal parse must give, by the system's text-to-address parser and plain splitting.
std::optional<SocketAddress> expected_literal(std::string_view text) {
  SocketAddress address;
  if (text.starts_with('[')) {
    const auto close = text.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    std::string_view inside = text.substr(1, close - 1);
    const std::string_view rest = text.substr(close + 1);
    if (!rest.starts_with(':')) return std::nullopt;
    const auto port = decimal_at_most(rest.substr(1), 65535);
    if (!port) return std::nullopt;
    if (const auto percent = inside.find('%'); percent != std::string_view::npos) {
      const auto zone = decimal_at_most(inside.substr(percent + 1), 0xFFFFFFFFu);
      if (!zone) return std::nullopt;
      address.scope_id = static_cast<std::uint32_t>(*zone);
      inside = inside.substr(0, percent);
    }
    const std::string host(inside);
    if (host.find('\0') != std::string::npos) return std::nullopt;
    if (::inet_pton(AF_INET6, host.c_str(), address.address.data()) != 1) return std::nullopt;
    address.family = Family::ipv6;
    address.port = static_cast<std::uint16_t>(*port);
    return address;
  }
  const auto colon = text.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const std::string host(text.substr(0, colon));
  const auto port = decimal_at_most(text.substr(colon + 1), 65535);
  if (!port || host.find('\0') != std::string::npos) return std::nullopt;
  if (::inet_pton(AF_INET, host.c_str(), address.address.data()) != 1) return std::nullopt;
  address.family = Family::ipv4;
  address.port = static_cast<std::uint16_t>(*port);
  return address;
}

#endif

bool same(const SocketAddress& a, const SocketAddress& b) {
  const std::size_t bytes = a.family == Family::ipv4 ? 4 : 16;
  return a.family == b.family && a.port == b.port && a.scope_id == b.scope_id &&
         a.flow_info == b.flow_info && std::memcmp(a.address.data(), b.address.data(), bytes) == 0;
}

// Full dotted or eight-group form, which the parser must read back as the same address.
std::string canonical_text(const SocketAddress& a) {
  char buffer[128];
  if (a.family == Family::ipv4) {
    std::snprintf(buffer, sizeof buffer, "%u.%u.%u.%u:%u", a.address[0], a.address[1], a.address[2],
                  a.address[3], a.port);
    return buffer;
  }
  std::string text = "[";
  for (std::size_t i = 0; i < 8; ++i) {
    std::snprintf(buffer, sizeof buffer, i == 0 ? "%x" : ":%x",
                  static_cast<unsigned>((a.address[2 * i] << 8) | a.address[2 * i + 1]));
    text += buffer;
  }
  if (a.scope_id != 0) text += "%" + std::to_string(a.scope_id);
  return text + "]:" + std::to_string(a.port);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = tavrik::fuzz::as_text(data, size);

  const auto literal = tavrik::parse_literal_socket_address(text);
#ifdef TAVRIK_FUZZ_SYSTEM_PARSER
  const auto expected = expected_literal(text);
  TAVRIK_FUZZ_CHECK(literal.has_value() == expected.has_value());
  if (literal) TAVRIK_FUZZ_CHECK(same(*literal, *expected));
#endif
  if (literal) {
    const auto again = tavrik::parse_literal_socket_address(canonical_text(*literal));
    TAVRIK_FUZZ_CHECK(again && same(*again, *literal));
  }

  const auto split = tavrik::split_host_and_port(text);
  const auto colon = text.rfind(':');
  if (colon == std::string_view::npos) {
    TAVRIK_FUZZ_CHECK(!split && split.error().message() == "invalid socket address");
    TAVRIK_FUZZ_CHECK(!literal);
    return 0;
  }
  std::string_view port_text = text.substr(colon + 1);
  if (port_text.starts_with('+')) port_text.remove_prefix(1);
  const auto port = decimal_at_most(port_text, 65535);
  if (!port) {
    TAVRIK_FUZZ_CHECK(!split && split.error().message() == "invalid port value");
    TAVRIK_FUZZ_CHECK(split.error().causes().empty());
    TAVRIK_FUZZ_CHECK(!literal);
    return 0;
  }
  TAVRIK_FUZZ_CHECK(split.ok());
  TAVRIK_FUZZ_CHECK(split.value().host == text.substr(0, colon));
  TAVRIK_FUZZ_CHECK(split.value().port == *port);
  // A literal's port is the one after the last colon as well.
  if (literal) TAVRIK_FUZZ_CHECK(literal->port == *port);
  return 0;
}
