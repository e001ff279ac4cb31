#include "windows_test_support.hpp"

// winsock2.h must come before windows.h's older socket declarations are seen.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <stdexcept>

namespace tavrik::testing {

namespace {

// Reads a pipe to its end on a thread of its own, so that neither pipe can fill up and stall
// the child.
class PipeReader {
 public:
  explicit PipeReader(HANDLE pipe) : pipe_(pipe), thread_([this] { read_all(); }) {}
  ~PipeReader() {
    if (thread_.joinable()) thread_.join();
    CloseHandle(pipe_);
  }
  std::string take() {
    thread_.join();
    return std::move(bytes_);
  }

 private:
  void read_all() {
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(pipe_, buffer, sizeof buffer, &got, nullptr) && got != 0)
      bytes_.append(buffer, got);
  }

  HANDLE pipe_;
  std::string bytes_;
  std::thread thread_;
};

std::vector<wchar_t> environment_block(
    const std::map<std::wstring, std::optional<std::wstring>>& changes) {
  std::map<std::wstring, std::wstring> variables;
  wchar_t* current = GetEnvironmentStringsW();
  for (const wchar_t* entry = current; *entry != L'\0'; entry += wcslen(entry) + 1) {
    const std::wstring text(entry);
    const auto equals = text.find(L'=', 1);  // "=C:=C:\..." entries start with '='
    if (equals == std::wstring::npos) continue;
    variables[text.substr(0, equals)] = text.substr(equals + 1);
  }
  FreeEnvironmentStringsW(current);
  for (const auto& [name, value] : changes) {
    if (value) {
      variables[name] = *value;
    } else {
      variables.erase(name);
    }
  }
  std::vector<wchar_t> block;
  for (const auto& [name, value] : variables) {
    block.insert(block.end(), name.begin(), name.end());
    block.push_back(L'=');
    block.insert(block.end(), value.begin(), value.end());
    block.push_back(L'\0');
  }
  block.push_back(L'\0');
  return block;
}

HANDLE inheritable_null() {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  return CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                     OPEN_EXISTING, 0, nullptr);
}

}  // namespace

WindowsRun run_windows_program(const std::wstring& program, const std::wstring& command_line,
                               const WindowsRunOptions& options) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE out_read = nullptr;
  HANDLE out_write = nullptr;
  HANDLE err_read = nullptr;
  HANDLE err_write = nullptr;
  if (!CreatePipe(&out_read, &out_write, &inherit, 0) ||
      !CreatePipe(&err_read, &err_write, &inherit, 0)) {
    throw std::runtime_error("CreatePipe failed");
  }
  SetHandleInformation(out_read, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(err_read, HANDLE_FLAG_INHERIT, 0);
  if (options.close_stdout_early) {
    CloseHandle(out_read);
    out_read = nullptr;
  }
  const HANDLE in = inheritable_null();

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = options.new_console ? 0 : STARTF_USESTDHANDLES;
  startup.hStdInput = in;
  startup.hStdOutput = out_write;
  startup.hStdError = err_write;
  std::vector<wchar_t> line(command_line.begin(), command_line.end());
  line.push_back(L'\0');
  std::vector<wchar_t> environment = environment_block(options.environment);
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessW(
      program.c_str(), line.data(), nullptr, nullptr, TRUE,
      CREATE_UNICODE_ENVIRONMENT | (options.new_console ? CREATE_NEW_CONSOLE : CREATE_NO_WINDOW),
      environment.data(), nullptr, &startup, &process);
  CloseHandle(out_write);
  CloseHandle(err_write);
  CloseHandle(in);
  if (!started) {
    if (out_read != nullptr) CloseHandle(out_read);
    CloseHandle(err_read);
    throw std::runtime_error("CreateProcessW failed: " + std::to_string(GetLastError()));
  }
  CloseHandle(process.hThread);

  std::optional<PipeReader> out;
  if (out_read != nullptr) out.emplace(out_read);
  PipeReader err(err_read);
  WindowsRun run;
  if (WaitForSingleObject(process.hProcess, options.time_limit_ms) != WAIT_OBJECT_0) {
    run.timed_out = true;
    TerminateProcess(process.hProcess, 255);
    WaitForSingleObject(process.hProcess, INFINITE);
  }
  GetExitCodeProcess(process.hProcess, &run.exit_code);
  CloseHandle(process.hProcess);
  if (out) run.out = out->take();
  run.err = err.take();
  return run;
}

std::wstring test_program_folder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

WinsockInspector::WinsockInspector(std::string answer, bool hold_open)
    : answer_(std::move(answer)), hold_open_(hold_open) {
  WSADATA data;
  WSAStartup(MAKEWORD(2, 2), &data);
  const SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  int length = sizeof address;
  if (listener == INVALID_SOCKET ||
      bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      listen(listener, 16) != 0 ||
      getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    throw std::runtime_error("cannot listen on 127.0.0.1");
  }
  listener_ = listener;
  port_ = ntohs(address.sin_port);
  thread_ = std::thread([this] { serve(); });
}

WinsockInspector::~WinsockInspector() {
  stopping_ = true;
  closesocket(static_cast<SOCKET>(listener_));  // ends the accept
  thread_.join();
  for (auto held : held_) closesocket(static_cast<SOCKET>(held));
  WSACleanup();
}

std::vector<std::string> WinsockInspector::requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

void WinsockInspector::serve() {
  while (!stopping_) {
    const SOCKET connection = accept(static_cast<SOCKET>(listener_), nullptr, nullptr);
    if (connection == INVALID_SOCKET) return;
    ++connections_;
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos) {
      const int got = recv(connection, buffer, sizeof buffer, 0);
      if (got <= 0) break;
      request.append(buffer, static_cast<std::size_t>(got));
    }
    {
      std::lock_guard lock(mutex_);
      requests_.push_back(request);
    }
    send(connection, answer_.data(), static_cast<int>(answer_.size()), 0);
    if (hold_open_) {
      held_.push_back(connection);
    } else {
      shutdown(connection, SD_SEND);
      closesocket(connection);
    }
  }
}

std::string http_answer(const std::string& status_line, const std::string& body) {
  return status_line + "\r\nContent-Type: application/json; charset=UTF-8\r\n\r\n" + body;
}

}  // namespace tavrik::testing
