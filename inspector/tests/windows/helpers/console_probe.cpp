// Writes through the platform layer to the console it runs in, then reads the characters back
// from the console's screen buffer. Status 0 when they are the ones written, 1 when the write
// failed, 2 when other characters were shown, 3 when the console could not be set up or read.
// With the argument "report" it writes an error report that quotes escape sequences instead,
// and expects them shown as visible text (4 when standard error is not taken for a console).
#include <windows.h>

#include <string>

#include "launcher.hpp"
#include "platform/process.hpp"

namespace {

bool shown_from_the_top(HANDLE console, const std::wstring& expected) {
  std::wstring shown(expected.size(), L'\0');
  DWORD read = 0;
  if (!ReadConsoleOutputCharacterW(console, shown.data(), static_cast<DWORD>(shown.size()),
                                   COORD{0, 0}, &read)) {
    return false;
  }
  return read == expected.size() && shown == expected;
}

}  // namespace

int main(int argc, char** argv) {
  const HANDLE console = GetStdHandle(STD_OUTPUT_HANDLE);
  if (!SetConsoleScreenBufferSize(console, COORD{200, 100})) return 3;
  if (argc > 1 && std::string(argv[1]) == "report") {
    if (!tavrik::process::stderr_is_terminal()) return 4;
    tavrik::write_error_report(
        tavrik::Error("inspector returned non-200: HTTP/1.1 404 \x1b[2J\x1b]0;owned\x07"));
    return shown_from_the_top(
               console,
               L"Error: inspector returned non-200: HTTP/1.1 404 \\x1b[2J\\x1b]0;owned\\x07")
               ? 0
               : 2;
  }
  // Long enough to be written in pieces, with a three-byte character across the first cut, and
  // no line end (the rest of a line would read as blanks).
  const std::string text = std::string(8191, 'a') +
                           "\xE2\x80\x94\xC3\xBC"
                           "b";
  if (!tavrik::process::write_stdout(text)) return 1;
  const std::wstring expected = std::wstring(8191, L'a') + L"\u2014\u00fcb";
  return shown_from_the_top(console, expected) ? 0 : 2;
}
