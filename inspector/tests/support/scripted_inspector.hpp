// A real loopback server that plays back a script on every connection it accepts: answers split
// into pieces, pauses, silence, a connection held open. Discovery is tested against it, not
// against a mock of the socket layer.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tavrik::testing {

struct ScriptStep {
  enum class Kind { send, pause, close, hold, read_request, send_filler, close_if_request_has };
  Kind kind = Kind::send;
  std::string bytes;  // for send; the pattern for send_filler; the text for close_if_request_has
  std::chrono::milliseconds duration{};  // for pause
  std::size_t count = 0;                 // for send_filler: how many bytes in all
};

// Helpers for building scripts.
ScriptStep send(std::string bytes);
ScriptStep pause_for(std::chrono::milliseconds duration);
ScriptStep read_request();  // reads until the blank line that ends the request head
ScriptStep hold_open();  // keeps the connection open, reading nothing more, until the server stops
ScriptStep close_now();
// Closes without a byte when the request read so far contains `text` (as Chromium's inspector
// does with "HTTP/1.0"); otherwise the script goes on.
ScriptStep close_if_request_has(std::string text);
// `count` bytes of `pattern` repeated, generated while sending: an answer of any size without
// holding it in memory. Stops early when the peer goes away.
ScriptStep send_filler(std::size_t count, std::string pattern = "x");

// A whole HTTP/1.0 answer with a Content-Length, as Node.js sends it.
std::string http_answer(std::string_view status_line, std::string_view body,
                        bool with_content_length = true);

class ScriptedInspector {
 public:
  // Listens on 127.0.0.1 (or ::1) at a free port at once, or later with start_listening.
  explicit ScriptedInspector(std::vector<ScriptStep> script, bool listen_now = true,
                             bool ipv6 = false);
  ~ScriptedInspector();
  ScriptedInspector(const ScriptedInspector&) = delete;
  ScriptedInspector& operator=(const ScriptedInspector&) = delete;

  std::uint16_t port() const { return port_; }
  std::string address() const;  // "127.0.0.1:PORT" or "[::1]:PORT"
  void start_listening();
  void stop();

  int connections() const { return connections_.load(); }
  std::vector<std::string> requests() const;  // what each connection sent, in order

 private:
  void serve();
  void play(int fd);

  std::vector<ScriptStep> script_;
  bool ipv6_ = false;
  int listen_fd_ = -1;
  std::uint16_t port_ = 0;
  std::atomic<bool> stopping_{false};
  std::atomic<int> connections_{0};
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
  std::vector<std::thread> workers_;
  std::thread acceptor_;
};

// A listener on 127.0.0.1 (or ::1) that never completes a handshake, as a host that drops
// packets: its accept queue (backlog 0) is filled by connections of its own and never drained,
// so the kernel drops every further SYN and a connect neither succeeds nor is refused. Throws
// when the kernel completes every handshake anyway.
class UnansweredListener {
 public:
  explicit UnansweredListener(bool ipv6 = false, std::uint16_t port = 0);
  ~UnansweredListener();
  UnansweredListener(const UnansweredListener&) = delete;
  UnansweredListener& operator=(const UnansweredListener&) = delete;

  std::uint16_t port() const { return port_; }
  std::string address() const;  // "127.0.0.1:PORT" or "[::1]:PORT"

 private:
  bool ipv6_ = false;
  int listen_fd_ = -1;
  std::uint16_t port_ = 0;
  std::vector<int> fillers_;
};

// A port on 127.0.0.1 that nothing listens on (bound, then released).
std::uint16_t unused_port();

}  // namespace tavrik::testing
