// Writes through the platform layer to the console it runs in, then reads the characters back
// from the console's screen buffer. Status 0 when they are the ones written, 1 when the write
// failed, 2 when other characters were shown, 3 when the console could not be set up or read.
#include <windows.h>

#include <string>

#include "platform/process.hpp"

int main() {
  const HANDLE console = GetStdHandle(STD_OUTPUT_HANDLE);
  if (!SetConsoleScreenBufferSize(console, COORD{200, 100})) return 3;
  // Long enough to be written in pieces, with a three-byte character across the first cut, and
  // no line end (the rest of a line would read as blanks).
  const std::string text = std::string(8191, 'a') +
                           "\xE2\x80\x94\xC3\xBC"
                           "b";
  if (!tavrik::process::write_stdout(text)) return 1;
  const std::wstring expected = std::wstring(8191, L'a') + L"\u2014\u00fcb";
  std::wstring shown(expected.size(), L'\0');
  DWORD read = 0;
  if (!ReadConsoleOutputCharacterW(console, shown.data(), static_cast<DWORD>(shown.size()),
                                   COORD{0, 0}, &read)) {
    return 3;
  }
  return read == expected.size() && shown == expected ? 0 : 2;
}
