// Finding the inspector's target: one HTTP/1.0 request for "/json" per attempt (asked again once
// as HTTP/1.1 when the peer closes without a byte), retried every 150 ms until 5 seconds have
// passed.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "error_chain.hpp"
#include "target_choice.hpp"

namespace tavrik {

inline constexpr std::chrono::milliseconds discovery_deadline{5000};
inline constexpr std::chrono::milliseconds retry_pause{150};
// How long one connect, and one receive, may go without an answer.
inline constexpr std::chrono::milliseconds socket_timeout{3000};
inline constexpr std::chrono::milliseconds connect_timeout = socket_timeout;
inline constexpr std::chrono::milliseconds receive_timeout = socket_timeout;
// Far above any real target list; a longer response fails the attempt like a malformed one.
inline constexpr std::size_t response_size_limit = std::size_t{64} << 20;

// The monotonic clock and the sleep, so that the retry rules can be tested without waiting.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::chrono::steady_clock::time_point now() = 0;
  virtual void sleep_for(std::chrono::milliseconds duration) = 0;
};

class SteadyClock final : public Clock {
 public:
  std::chrono::steady_clock::time_point now() override;
  void sleep_for(std::chrono::milliseconds duration) override;
};

// One attempt: the body text of an acceptable answer, or why there was none.
using FetchAttempt = std::function<Result<std::string>(std::string_view address)>;
// What is made of an acceptable body; its failure is final at once, without another attempt.
using BodyReader = std::function<Result<std::string>(std::string_view body)>;

// The `webSocketDebuggerUrl` of the target the selector names (the first one without a value).
Result<std::string> discover_ws_url(std::string_view address, const TargetSelector& selector = {});
// The lines of --list-targets.
Result<std::string> discover_target_lines(std::string_view address,
                                          const TargetSelector& selector = {});

// The retry loop itself, with the clock, the attempt and the use of the body given.
Result<std::string> discover_with(std::string_view address, Clock& clock, const FetchAttempt& fetch,
                                  const BodyReader& read_body);
Result<std::string> discover_ws_url_with(std::string_view address, Clock& clock,
                                         const FetchAttempt& fetch);

Result<std::string> fetch_targets_once(std::string_view address);

// Receives some bytes into the buffer (never more than it holds); 0 means the peer has closed.
using ReceiveSome = std::function<Result<std::size_t>(std::span<char> buffer)>;

// Reads one answer through `receive` until it ends: at the Content-Length end once the head is
// complete and announces one no larger than the limit, after the last chunk of a chunked body (or
// at a fault in the chunks, which the check then reports), otherwise when the peer closes. Bytes
// after the end are dropped. More than `size_limit` bytes without an end fail the attempt.
Result<std::string> receive_response_with(const ReceiveSome& receive,
                                          std::size_t size_limit = response_size_limit);

// Where a response ends when its head carries one valid Content-Length: the head and that many
// body bytes. Nothing when the head is not complete yet, has no single valid Content-Length, or
// announces a chunked body (whose own end then counts, else the peer's close).
std::optional<std::size_t> response_length_from_head(std::string_view received);

// Where a chunked response ends (head, chunks, trailers and the blank line after them). Nothing
// while the head is incomplete, does not announce chunks, or the last chunk has not arrived, and
// also when the chunks are malformed or too large (reading then goes on until the peer closes,
// and the check reports the fault).
std::optional<std::size_t> chunked_response_end(std::string_view received);

// The loose check of a whole response; returns a copy of the body, decoded when it is chunked.
Result<std::string> check_response(std::string_view response);

}  // namespace tavrik
