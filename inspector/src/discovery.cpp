#include "discovery.hpp"

#include <algorithm>
#include <array>
#include <limits>
#include <nlohmann/json.hpp>
#include <span>
#include <thread>
#include <vector>

#include "platform/net.hpp"
#include "socket_address.hpp"
#include "utf8.hpp"

namespace tavrik {

namespace {

constexpr std::string_view header_end = "\r\n\r\n";

std::string outer_message(std::string_view address) {
  std::string message = "failed to read inspector targets from http://";
  message += address;
  message += "/json";
  return message;
}

Result<std::vector<net::SocketAddress>> addresses_for(std::string_view address) {
  if (auto literal = parse_literal_socket_address(address)) {
    return std::vector<net::SocketAddress>{*literal};
  }
  auto split = split_host_and_port(address);
  if (!split) return std::move(split).error();
  auto resolved = net::resolve_host(split.value().host);
  if (!resolved) return std::move(resolved).error();
  for (auto& entry : resolved.value()) entry.port = split.value().port;
  return resolved;
}

Result<net::Socket> connect_to(std::string_view address) {
  auto addresses = addresses_for(address);
  if (!addresses) return std::move(addresses).error();
  std::optional<Error> last_error;
  for (const auto& candidate : addresses.value()) {
    auto socket = net::open_stream_socket(candidate.family);
    if (!socket) {
      last_error = std::move(socket).error();
      continue;
    }
    auto connected = net::connect_socket(socket.value(), candidate);
    if (connected) return socket;
    last_error = std::move(connected).error();
  }
  if (last_error) return std::move(*last_error);
  return Error("could not resolve to any addresses");
}

Status send_all(const net::Socket& socket, std::string_view piece) {
  auto bytes = std::as_bytes(std::span(piece.data(), piece.size()));
  while (!bytes.empty()) {
    auto sent = net::send_some(socket, bytes);
    if (!sent) return std::move(sent).error();
    if (sent.value() == 0) return Error("failed to write whole buffer");
    bytes = bytes.subspan(sent.value());
  }
  return success();
}

// Written piece by piece as it is formatted, so a peer may well see it split across segments.
Status send_request(const net::Socket& socket, std::string_view address) {
  const std::array<std::string_view, 5> pieces = {
      "GET ", "/json", " HTTP/1.0\r\nHost: ", address,
      "\r\nAccept: application/json\r\nConnection: close\r\n\r\n"};
  for (const auto piece : pieces) {
    auto sent = send_all(socket, piece);
    if (!sent) return sent;
  }
  return success();
}

Result<std::string> receive_response(const net::Socket& socket) {
  constexpr std::size_t chunk = 64 * 1024;
  std::string received;
  // Where the announced body ends; npos while there is no valid Content-Length (a plain value
  // rather than an optional keeps GCC's -Wmaybe-uninitialized quiet at -O3).
  std::size_t expected = std::string::npos;
  bool head_seen = false;
  std::size_t scanned = 0;  // the head's end is searched for only in bytes not looked at yet
  for (;;) {
    if (expected != std::string::npos && received.size() >= expected) {
      received.resize(expected);  // bytes after the announced body are ignored
      break;
    }
    // A peer that never stops sending must not take all memory: past the limit the attempt fails.
    if (received.size() > response_size_limit) {
      return Error("inspector response exceeds " + std::to_string(response_size_limit) + " bytes");
    }
    const std::size_t before = received.size();
    const std::size_t room = std::min(chunk, response_size_limit + 1 - before);
    received.resize(before + room);
    auto count = net::receive_some(
        socket, std::as_writable_bytes(std::span(received.data() + before, room)));
    if (!count) return std::move(count).error();
    received.resize(before + count.value());
    if (count.value() == 0) break;
    if (!head_seen) {
      const auto end = received.find(header_end, scanned < 3 ? 0 : scanned - 3);
      if (end == std::string::npos) {
        scanned = received.size();
      } else {
        head_seen = true;
        const auto announced =
            response_length_from_head(std::string_view(received).substr(0, end + 4));
        // An announced end past the limit cannot be reached; the limit decides instead.
        if (announced && *announced <= response_size_limit) expected = *announced;
      }
    }
  }
  return received;
}

bool ascii_iequals(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) {
      return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::string_view trim_blanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::optional<std::size_t> parse_length(std::string_view text) {
  if (text.empty()) return std::nullopt;
  std::size_t value = 0;
  constexpr std::size_t max = std::numeric_limits<std::size_t>::max() / 16;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<std::size_t>(c - '0');
    if (value > max) return std::nullopt;
  }
  return value;
}

}  // namespace

std::chrono::steady_clock::time_point SteadyClock::now() {
  return std::chrono::steady_clock::now();
}

void SteadyClock::sleep_for(std::chrono::milliseconds duration) {
  std::this_thread::sleep_for(duration);
}

std::optional<std::size_t> response_length_from_head(std::string_view received) {
  const auto end = received.find(header_end);
  if (end == std::string_view::npos) return std::nullopt;
  std::string_view head = received.substr(0, end);
  const auto first_line_end = head.find('\n');
  if (first_line_end == std::string_view::npos) return std::nullopt;
  head.remove_prefix(first_line_end + 1);

  // One value, or the same value repeated; anything else leaves the end to the peer.
  std::optional<std::size_t> length;
  while (!head.empty()) {
    const auto line_end = head.find('\n');
    std::string_view line = head.substr(0, line_end);
    head = line_end == std::string_view::npos ? std::string_view{} : head.substr(line_end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    const auto colon = line.find(':');
    if (colon == std::string_view::npos ||
        !ascii_iequals(line.substr(0, colon), "content-length")) {
      continue;
    }
    const auto value = parse_length(trim_blanks(line.substr(colon + 1)));
    if (!value || (length && *length != *value)) return std::nullopt;
    length = value;
  }
  if (!length) return std::nullopt;
  const std::size_t body_start = end + header_end.size();
  if (*length > std::numeric_limits<std::size_t>::max() - body_start) return std::nullopt;
  return body_start + *length;
}

Result<std::string> check_response(std::string_view response) {
  if (!is_valid_utf8(response)) return Error("stream did not contain valid UTF-8");
  const auto end = response.find(header_end);
  if (end == std::string_view::npos) return Error("malformed HTTP response from inspector");
  const std::string_view head = response.substr(0, end);
  std::string_view status_line = head.substr(0, head.find('\n'));
  if (status_line.size() < head.size() && status_line.ends_with('\r')) status_line.remove_suffix(1);
  if (status_line.find("200") == std::string_view::npos) {
    return Error("inspector returned non-200: " + std::string(status_line));
  }
  return std::string(response.substr(end + header_end.size()));
}

Result<std::string> choose_target(std::string_view body) {
  // The reader takes a NUL byte for the end of its input and would accept whatever came before.
  // JSON text holds no raw NUL anywhere, so a body with one is refused here, at its position.
  if (const auto nul = body.find('\0'); nul != std::string_view::npos) {
    const auto line_feed = body.rfind('\n', nul);
    const auto line =
        1 + std::count(body.begin(), body.begin() + static_cast<std::ptrdiff_t>(nul), '\n');
    const std::size_t column = line_feed == std::string_view::npos ? nul + 1 : nul - line_feed;
    return Error("invalid NUL byte at line " + std::to_string(line) + ", column " +
                 std::to_string(column))
        .context("inspector /json was not valid JSON");
  }
  nlohmann::json document;
  try {
    document = nlohmann::json::parse(body);
  } catch (const nlohmann::json::exception& error) {
    return Error(error.what()).context("inspector /json was not valid JSON");
  }
  if (document.is_array() && !document.empty() && document.front().is_object()) {
    const auto& target = document.front();
    const auto member = target.find("webSocketDebuggerUrl");
    if (member != target.end() && member->is_string()) return member->get<std::string>();
  }
  return Error("no webSocketDebuggerUrl in inspector /json: " + std::string(body));
}

Result<std::string> fetch_targets_once(std::string_view address) {
  auto socket = connect_to(address);
  if (!socket) {
    return std::move(socket).error().context("connect to inspector at " + std::string(address));
  }
  if (auto timeout = net::set_receive_timeout(socket.value(), receive_timeout); !timeout) {
    return std::move(timeout).error();
  }
  if (auto sent = send_request(socket.value(), address); !sent) return std::move(sent).error();
  auto response = receive_response(socket.value());
  if (!response) return std::move(response).error();
  return check_response(response.value());
}

Result<std::string> discover_ws_url_with(std::string_view address, Clock& clock,
                                         const FetchAttempt& fetch) {
  const auto deadline = clock.now() + discovery_deadline;
  for (;;) {
    auto body = fetch(address);
    if (body) {
      auto target = choose_target(body.value());
      if (!target) return std::move(target).error().context(outer_message(address));
      return target;
    }
    // The deadline is looked at only after a failure, so the first attempt always runs.
    if (clock.now() >= deadline) return std::move(body).error().context(outer_message(address));
    clock.sleep_for(retry_pause);
  }
}

Result<std::string> discover_ws_url(std::string_view address) {
  SteadyClock clock;
  return discover_ws_url_with(address, clock, fetch_targets_once);
}

}  // namespace tavrik
