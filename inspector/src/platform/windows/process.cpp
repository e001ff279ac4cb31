// Windows process services: the wide command line, the wide environment, the standard handles
// and the exit.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <algorithm>
#include <cstdio>

#include "platform/process.hpp"
#include "platform/system_error.hpp"
#include "win32_text.hpp"
#include "write_loop.hpp"

namespace tavrik::process {

namespace {

Error last_error() { return Error(platform::system_error_text(static_cast<int>(GetLastError()))); }

bool is_console(HANDLE handle) {
  DWORD mode = 0;
  return GetConsoleMode(handle, &mode) != 0;
}

// Files and pipes get the bytes as they are: no CR is put before an LF, nothing is re-encoded.
// The shared loop carries on after a short write, as on the other platforms.
Status write_file(HANDLE handle, std::string_view bytes) {
  return write_all_with(bytes, [handle](std::string_view rest) -> Result<WriteStep> {
    const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(rest.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(handle, rest.data(), piece, &written, nullptr)) return last_error();
    return WriteStep{WriteStep::Kind::wrote, written};
  });
}

// A console shows characters, not bytes: the same text goes through as UTF-16, whatever the
// console's code page. Pieces stay small (older consoles refuse large writes) and never end
// inside a UTF-8 sequence.
Status write_console(HANDLE handle, std::string_view bytes) {
  constexpr std::size_t piece_limit = 8192;
  while (!bytes.empty()) {
    std::size_t piece = std::min(bytes.size(), piece_limit);
    if (piece < bytes.size()) {
      std::size_t cut = piece;
      while (cut > piece - 3 && (static_cast<unsigned char>(bytes[cut]) & 0xC0) == 0x80) --cut;
      piece = cut;
    }
    const std::wstring text = win32::to_wide_lossy(bytes.substr(0, piece));
    std::wstring_view rest = text;
    while (!rest.empty()) {
      DWORD written = 0;
      if (!WriteConsoleW(handle, rest.data(), static_cast<DWORD>(rest.size()), &written, nullptr)) {
        return last_error();
      }
      if (written == 0) return Error("failed to write whole buffer");
      rest.remove_prefix(std::min<std::size_t>(written, rest.size()));
    }
    bytes.remove_prefix(piece);
  }
  return success();
}

Status write_standard(DWORD which, std::string_view bytes) {
  const HANDLE handle = GetStdHandle(which);
  if (handle == INVALID_HANDLE_VALUE) return last_error();
  if (handle == nullptr) return Error("the process has no such standard handle");
  if (bytes.empty()) return success();
  return is_console(handle) ? write_console(handle, bytes) : write_file(handle, bytes);
}

}  // namespace

Result<std::vector<std::string>> arguments(int /*argc*/, char** /*argv*/) {
  // The C runtime's argv went through the ANSI code page; the wide command line is the truth.
  int count = 0;
  wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
  if (words == nullptr) return last_error().context("split the command line");
  std::vector<std::string> out;
  std::optional<Error> fault;
  for (int i = 0; i < count; ++i) {
    auto word = win32::to_utf8(words[i]);
    if (!word) {
      fault = Error(i == 0 ? std::string("the program name is not valid Unicode")
                           : "argument " + std::to_string(i) + " is not valid Unicode");
      break;
    }
    out.push_back(std::move(*word));
  }
  LocalFree(words);
  if (fault) return std::move(*fault);
  return out;
}

std::optional<std::string> environment_variable(const char* name) {
  const auto wide_name = win32::to_wide(name);
  if (!wide_name || wide_name->empty()) return std::nullopt;
  std::wstring value(256, L'\0');
  for (;;) {
    SetLastError(ERROR_SUCCESS);
    const DWORD length =
        GetEnvironmentVariableW(wide_name->c_str(), value.data(), static_cast<DWORD>(value.size()));
    if (length == 0) {
      // 0 is also the length of a value that is present and empty; any other failure counts
      // as absent.
      if (GetLastError() == ERROR_SUCCESS) return std::string();
      return std::nullopt;
    }
    if (length < value.size()) {
      value.resize(length);
      return win32::to_utf8(value);
    }
    // Too small: the length asked for includes the terminating NUL. The variable may grow
    // between the calls, hence the loop.
    value.resize(length);
  }
}

Status write_stdout(std::string_view bytes) { return write_standard(STD_OUTPUT_HANDLE, bytes); }

bool stderr_is_terminal() { return is_console(GetStdHandle(STD_ERROR_HANDLE)); }

void write_stderr(std::string_view bytes) { (void)write_standard(STD_ERROR_HANDLE, bytes); }

void prepare() {
  // DLLs are loaded from the .exe's folder and System32 only (the WebView2 runtime's engine by
  // its absolute path), never from the current folder or PATH, where anyone may put one.
  if (!SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_APPLICATION_DIR |
                                LOAD_LIBRARY_SEARCH_SYSTEM32)) {
    SetDllDirectoryW(L"");  // at least not the current folder
  }
}

void exit_process(int code) {
  std::fflush(nullptr);
  ExitProcess(static_cast<UINT>(code));
}

}  // namespace tavrik::process
