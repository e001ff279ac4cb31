#include "discovery.hpp"

#include <algorithm>
#include <array>
#include <limits>
#include <span>
#include <thread>
#include <vector>

#include "ascii.hpp"
#include "chunked_body.hpp"
#include "http_head.hpp"
#include "platform/net.hpp"
#include "socket_address.hpp"
#include "utf8.hpp"
#include "write_loop.hpp"

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
    auto connected = net::connect_socket(socket.value(), candidate, connect_timeout);
    if (connected) return socket;
    last_error = std::move(connected).error();
  }
  if (last_error) return std::move(*last_error);
  return Error("could not resolve to any addresses");
}

Status send_all(const net::Socket& socket, std::string_view piece) {
  return write_all_with(piece, [&](std::string_view rest) -> Result<WriteStep> {
    auto sent = net::send_some(socket, std::as_bytes(std::span(rest.data(), rest.size())));
    if (!sent) return std::move(sent).error();
    return WriteStep{WriteStep::Kind::wrote, sent.value()};
  });
}

enum class HttpVersion { http_1_0, http_1_1 };

// Written piece by piece as it is formatted, so a peer may well see it split across segments.
Status send_request(const net::Socket& socket, std::string_view address, HttpVersion version) {
  const std::array<std::string_view, 5> pieces = {
      "GET ", "/json",
      version == HttpVersion::http_1_0 ? " HTTP/1.0\r\nHost: " : " HTTP/1.1\r\nHost: ", address,
      "\r\nAccept: application/json\r\nConnection: close\r\n\r\n"};
  for (const auto piece : pieces) {
    auto sent = send_all(socket, piece);
    if (!sent) return sent;
  }
  return success();
}

Result<std::string> receive_response(const net::Socket& socket) {
  return receive_response_with([&](std::span<char> buffer) {
    return net::receive_some(socket, std::as_writable_bytes(buffer));
  });
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

Result<std::string> receive_response_with(const ReceiveSome& receive, std::size_t size_limit) {
  constexpr std::size_t chunk = 64 * 1024;
  std::string received;
  // Where the announced body ends; npos while there is no valid Content-Length (a plain value
  // rather than an optional keeps GCC's -Wmaybe-uninitialized quiet at -O3).
  std::size_t expected = std::string::npos;
  bool head_seen = false;
  std::size_t scanned = 0;  // the head's end is searched for only in bytes not looked at yet
  std::size_t body_start = 0;
  std::optional<ChunkedDecoder> chunks;  // while a chunked body is being received
  for (;;) {
    if (expected != std::string::npos && received.size() >= expected) {
      received.resize(expected);  // bytes after the announced body are ignored
      break;
    }
    // A peer that never stops sending must not take all memory: past the limit the attempt fails.
    if (received.size() > size_limit) {
      return Error("inspector response exceeds " + std::to_string(size_limit) + " bytes");
    }
    const std::size_t before = received.size();
    const std::size_t room = std::min(chunk, size_limit + 1 - before);
    received.resize(before + room);
    auto count = receive(std::span(received.data() + before, room));
    if (!count) return std::move(count).error();
    // More than the room offered would be bytes that were never stored.
    if (count.value() > room) return Error("received more bytes than the buffer holds");
    received.resize(before + count.value());
    if (count.value() == 0) break;
    if (!head_seen) {
      const auto end = received.find(header_end, scanned < 3 ? 0 : scanned - 3);
      if (end == std::string::npos) {
        scanned = received.size();
      } else {
        head_seen = true;
        body_start = end + header_end.size();
        const std::string_view head = std::string_view(received).substr(0, body_start);
        const auto announced = response_length_from_head(head);
        // An announced end past the limit cannot be reached; the limit decides instead.
        if (announced && *announced <= size_limit) expected = *announced;
        if (head_announces_chunked(head.substr(0, end))) chunks.emplace(size_limit);
      }
    }
    // The last chunk ends a chunked answer the way a Content-Length ends a plain one. A fault in
    // the chunks ends the reading too; the check then reports it.
    if (chunks) {
      const auto state = chunks->advance(std::string_view(received).substr(body_start));
      if (state == ChunkedDecoder::State::complete) {
        received.resize(body_start + chunks->end());
        break;
      }
      if (state != ChunkedDecoder::State::incomplete) break;
    }
  }
  return received;
}

std::chrono::steady_clock::time_point SteadyClock::now() {
  return std::chrono::steady_clock::now();
}

void SteadyClock::sleep_for(std::chrono::milliseconds duration) {
  std::this_thread::sleep_for(duration);
}

std::optional<std::size_t> response_length_from_head(std::string_view received) {
  const auto end = received.find(header_end);
  if (end == std::string_view::npos) return std::nullopt;
  const std::string_view head = received.substr(0, end);
  // A chunked body has its own end; a Content-Length beside it must not cut it short.
  if (head_announces_chunked(head)) return std::nullopt;

  // One value, or the same value repeated; anything else leaves the end to the peer.
  std::optional<std::size_t> length;
  const bool single =
      http::for_each_field(head, [&](std::string_view name, std::string_view value) {
        if (!ascii::iequals(name, "content-length")) return true;
        const auto parsed = parse_length(ascii::trim_blanks(value));
        if (!parsed || (length && *length != *parsed)) return false;
        length = parsed;
        return true;
      });
  if (!single || !length) return std::nullopt;
  const std::size_t body_start = end + header_end.size();
  if (*length > std::numeric_limits<std::size_t>::max() - body_start) return std::nullopt;
  return body_start + *length;
}

std::optional<std::size_t> chunked_response_end(std::string_view received) {
  const auto end = received.find(header_end);
  if (end == std::string_view::npos || !head_announces_chunked(received.substr(0, end))) {
    return std::nullopt;
  }
  const std::size_t body_start = end + header_end.size();
  ChunkedDecoder chunks(response_size_limit);
  if (chunks.advance(received.substr(body_start)) != ChunkedDecoder::State::complete) {
    return std::nullopt;
  }
  return body_start + chunks.end();
}

Result<std::string> check_response(std::string_view response) {
  // The chunks are taken apart first: a character may be split between two of them, so only the
  // joined data can be judged as text.
  std::string joined;
  if (const auto end = response.find(header_end);
      end != std::string_view::npos && head_announces_chunked(response.substr(0, end))) {
    auto data = decode_chunked_body(response.substr(end + header_end.size()), response_size_limit);
    if (!data) return std::move(data).error();
    joined.reserve(end + header_end.size() + data.value().size());
    joined.append(response.substr(0, end + header_end.size()));
    joined.append(data.value());
    response = joined;
  }
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

namespace {

// One connection: connect, time-out, request, the bytes received until the answer's end.
Result<std::string> exchange(std::string_view address, HttpVersion version) {
  auto socket = connect_to(address);
  if (!socket) {
    return std::move(socket).error().context("connect to inspector at " + std::string(address));
  }
  if (auto timeout = net::set_receive_timeout(socket.value(), receive_timeout); !timeout) {
    return std::move(timeout).error();
  }
  if (auto sent = send_request(socket.value(), address, version); !sent) {
    return std::move(sent).error();
  }
  return receive_response(socket.value());
}

}  // namespace

Result<std::string> fetch_targets_once(std::string_view address) {
  auto response = exchange(address, HttpVersion::http_1_0);
  if (!response) return std::move(response).error();
  // Chromium's inspector closes an HTTP/1.0 request's connection without a byte; the same
  // request as HTTP/1.1 is answered, so this attempt asks once more that way.
  if (response.value().empty()) {
    response = exchange(address, HttpVersion::http_1_1);
    if (!response) return std::move(response).error();
  }
  return check_response(response.value());
}

Result<std::string> discover_with(std::string_view address, Clock& clock, const FetchAttempt& fetch,
                                  const BodyReader& read_body) {
  const auto deadline = clock.now() + discovery_deadline;
  for (;;) {
    auto body = fetch(address);
    if (body) {
      auto result = read_body(body.value());
      if (!result) return std::move(result).error().context(outer_message(address));
      return result;
    }
    // The deadline is looked at only after a failure, so the first attempt always runs.
    if (clock.now() >= deadline) return std::move(body).error().context(outer_message(address));
    clock.sleep_for(retry_pause);
  }
}

Result<std::string> discover_ws_url_with(std::string_view address, Clock& clock,
                                         const FetchAttempt& fetch) {
  return discover_with(address, clock, fetch,
                       [](std::string_view body) { return choose_target(body); });
}

Result<std::string> discover_ws_url(std::string_view address, const TargetSelector& selector) {
  SteadyClock clock;
  return discover_with(address, clock, fetch_targets_once,
                       [&](std::string_view body) { return choose_target(body, selector); });
}

Result<std::string> discover_target_lines(std::string_view address,
                                          const TargetSelector& selector) {
  SteadyClock clock;
  return discover_with(address, clock, fetch_targets_once,
                       [&](std::string_view body) { return list_targets(body, selector); });
}

}  // namespace tavrik
