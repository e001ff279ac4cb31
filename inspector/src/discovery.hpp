// Finding the inspector's first target: one HTTP/1.0 request for "/json" per attempt, retried
// every 150 ms until 5 seconds have passed.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "error_chain.hpp"

namespace tavrik {

inline constexpr std::chrono::milliseconds discovery_deadline{5000};
inline constexpr std::chrono::milliseconds retry_pause{150};
inline constexpr std::chrono::milliseconds receive_timeout{3000};
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

Result<std::string> discover_ws_url(std::string_view address);
Result<std::string> discover_ws_url_with(std::string_view address, Clock& clock,
                                         const FetchAttempt& fetch);

Result<std::string> fetch_targets_once(std::string_view address);

// Where a response ends when its head carries one valid Content-Length: the head and that many
// body bytes. Nothing when the head is not complete yet or has no single valid Content-Length,
// in which case the response ends only when the peer closes.
std::optional<std::size_t> response_length_from_head(std::string_view received);

// The loose check of a whole response; returns a copy of the body.
Result<std::string> check_response(std::string_view response);

// The string value of `webSocketDebuggerUrl` in the first element of the target list.
Result<std::string> choose_target(std::string_view body);

}  // namespace tavrik
