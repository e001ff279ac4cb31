#include "socket_address.hpp"

#include <array>
#include <cstddef>

#include "ascii.hpp"

namespace tavrik {

namespace {

using ascii::hex_value;
using ascii::is_digit;

// Decimal digits only (at least one), any number of leading zeros, value at most `max`.
std::optional<std::uint64_t> parse_decimal(std::string_view text, std::uint64_t max) {
  if (text.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : text) {
    if (!is_digit(c)) return std::nullopt;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
    if (value > max) return std::nullopt;
  }
  return value;
}

// Four parts, each 0 to 255 in at most three digits, no leading zero.
std::optional<std::array<std::uint8_t, 4>> parse_ipv4(std::string_view text) {
  std::array<std::uint8_t, 4> out{};
  for (std::size_t part = 0; part < 4; ++part) {
    std::size_t length = 0;
    while (length < text.size() && is_digit(text[length])) ++length;
    if (length == 0 || length > 3) return std::nullopt;
    if (length > 1 && text[0] == '0') return std::nullopt;
    const auto value = parse_decimal(text.substr(0, length), 255);
    if (!value) return std::nullopt;
    out[part] = static_cast<std::uint8_t>(*value);
    text.remove_prefix(length);
    if (part < 3) {
      if (text.empty() || text.front() != '.') return std::nullopt;
      text.remove_prefix(1);
    }
  }
  if (!text.empty()) return std::nullopt;
  return out;
}

// Groups of one to four hex digits, at most one "::", and an optional dotted IPv4 tail.
std::optional<std::array<std::uint8_t, 16>> parse_ipv6(std::string_view text) {
  std::array<std::uint16_t, 8> head{};
  std::array<std::uint16_t, 8> tail{};
  std::size_t head_count = 0;
  std::size_t tail_count = 0;
  bool compressed = false;

  auto* groups = &head;
  auto* count = &head_count;
  if (text.starts_with("::")) {
    compressed = true;
    groups = &tail;
    count = &tail_count;
    text.remove_prefix(2);
  }
  while (!text.empty()) {
    if (head_count + tail_count >= 8) return std::nullopt;
    // An IPv4 tail takes the last two groups.
    const auto colon = text.find(':');
    if (colon == std::string_view::npos && text.find('.') != std::string_view::npos) {
      if (head_count + tail_count > 6) return std::nullopt;
      const auto v4 = parse_ipv4(text);
      if (!v4) return std::nullopt;
      (*groups)[(*count)++] = static_cast<std::uint16_t>(((*v4)[0] << 8) | (*v4)[1]);
      (*groups)[(*count)++] = static_cast<std::uint16_t>(((*v4)[2] << 8) | (*v4)[3]);
      text = {};
      break;
    }
    std::size_t length = 0;
    std::uint32_t value = 0;
    while (length < text.size() && length < 5 && hex_value(text[length]) >= 0) {
      value = value * 16 + static_cast<std::uint32_t>(hex_value(text[length]));
      ++length;
    }
    if (length == 0 || length > 4) return std::nullopt;
    (*groups)[(*count)++] = static_cast<std::uint16_t>(value);
    text.remove_prefix(length);
    if (text.empty()) break;
    if (text.front() != ':') return std::nullopt;
    text.remove_prefix(1);
    if (!text.empty() && text.front() == ':') {
      if (compressed) return std::nullopt;
      compressed = true;
      groups = &tail;
      count = &tail_count;
      text.remove_prefix(1);
    } else if (text.empty()) {
      return std::nullopt;  // a single trailing colon
    }
  }
  const std::size_t total = head_count + tail_count;
  if (compressed ? total > 7 : total != 8) return std::nullopt;

  std::array<std::uint16_t, 8> all{};
  for (std::size_t i = 0; i < head_count; ++i) all[i] = head[i];
  for (std::size_t i = 0; i < tail_count; ++i) all[8 - tail_count + i] = tail[i];
  std::array<std::uint8_t, 16> out{};
  for (std::size_t i = 0; i < 8; ++i) {
    out[2 * i] = static_cast<std::uint8_t>(all[i] >> 8);
    out[2 * i + 1] = static_cast<std::uint8_t>(all[i] & 0xFF);
  }
  return out;
}

std::optional<std::uint16_t> parse_literal_port(std::string_view text) {
  const auto value = parse_decimal(text, 65535);
  if (!value) return std::nullopt;
  return static_cast<std::uint16_t>(*value);
}

}  // namespace

std::optional<net::SocketAddress> parse_literal_socket_address(std::string_view text) {
  net::SocketAddress address;
  if (text.starts_with('[')) {
    const auto close = text.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    std::string_view inside = text.substr(1, close - 1);
    const std::string_view rest = text.substr(close + 1);
    if (!rest.starts_with(':')) return std::nullopt;
    const auto port = parse_literal_port(rest.substr(1));
    if (!port) return std::nullopt;
    const auto percent = inside.find('%');
    if (percent != std::string_view::npos) {
      const auto zone = parse_decimal(inside.substr(percent + 1), 0xFFFFFFFFu);
      if (!zone) return std::nullopt;
      address.scope_id = static_cast<std::uint32_t>(*zone);
      inside = inside.substr(0, percent);
    }
    const auto v6 = parse_ipv6(inside);
    if (!v6) return std::nullopt;
    address.family = net::Family::ipv6;
    address.address = *v6;
    address.port = *port;
    return address;
  }
  const auto colon = text.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const auto v4 = parse_ipv4(text.substr(0, colon));
  const auto port = parse_literal_port(text.substr(colon + 1));
  if (!v4 || !port) return std::nullopt;
  address.family = net::Family::ipv4;
  for (std::size_t i = 0; i < 4; ++i) address.address[i] = (*v4)[i];
  address.port = *port;
  return address;
}

Result<HostAndPort> split_host_and_port(std::string_view text) {
  const auto colon = text.rfind(':');
  if (colon == std::string_view::npos) return Error("invalid socket address");
  std::string_view port_text = text.substr(colon + 1);
  if (port_text.starts_with('+')) port_text.remove_prefix(1);
  const auto port = parse_decimal(port_text, 65535);
  if (!port) return Error("invalid port value");
  return HostAndPort{std::string(text.substr(0, colon)), static_cast<std::uint16_t>(*port)};
}

}  // namespace tavrik
