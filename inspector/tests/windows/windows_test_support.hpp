// What the Windows tests share: running a program with a command line and an environment of the
// test's making (unpaired surrogates included), and a loopback inspector on Winsock.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace tavrik::testing {

struct WindowsRun {
  std::string out;
  std::string err;
  DWORD exit_code = 0;
  bool timed_out = false;
};

struct WindowsRunOptions {
  // Variables to set (a value) or remove (nothing) on top of this process's environment. Wide
  // text, so that a test can hand over what UTF-8 cannot carry.
  std::map<std::wstring, std::optional<std::wstring>> environment;
  DWORD time_limit_ms = 60000;
  bool close_stdout_early = false;  // the reader of standard output is gone before it writes
  bool new_console = false;         // a console of its own instead of pipes (nothing is captured)
};

// Runs `program` with `command_line` as its whole command line (program name included).
WindowsRun run_windows_program(const std::wstring& program, const std::wstring& command_line,
                               const WindowsRunOptions& options = {});

// The folder of the running test program, ending in a backslash.
std::wstring test_program_folder();

// A listener on 127.0.0.1 that reads each request head, answers, then closes the connection
// or, when `hold_open`, keeps it open until the inspector is destroyed.
class WinsockInspector {
 public:
  WinsockInspector(std::string answer, bool hold_open);
  ~WinsockInspector();
  WinsockInspector(const WinsockInspector&) = delete;
  WinsockInspector& operator=(const WinsockInspector&) = delete;

  std::uint16_t port() const { return port_; }
  std::string address() const { return "127.0.0.1:" + std::to_string(port_); }
  int connections() const { return connections_.load(); }
  std::vector<std::string> requests() const;

 private:
  void serve();

  std::string answer_;
  bool hold_open_;
  std::uintptr_t listener_;
  std::uint16_t port_ = 0;
  std::atomic<int> connections_{0};
  std::atomic<bool> stopping_{false};
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
  std::vector<std::uintptr_t> held_;
  std::thread thread_;
};

// A whole HTTP/1.0 answer that ends where the peer closes.
std::string http_answer(const std::string& status_line, const std::string& body);

}  // namespace tavrik::testing
