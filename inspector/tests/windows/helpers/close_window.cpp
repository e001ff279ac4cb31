// Does to the inspector window what another program or the user can do to it:
//
//   close_window.exe [--within=MS] ACTION...
//
// ACTION is close (WM_CLOSE), close-twice (two WM_CLOSE messages at once, so that the second
// arrives after the first has been acted on), maximize, minimize, restore (the window menu's
// commands) or resize (a new size and place). The window is looked for by its title for up to MS
// milliseconds (default 20000); the actions follow each other 200 ms apart. Status 0 when the
// window was found and every action was posted, 1 otherwise.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <string>

namespace {

constexpr wchar_t title[] = L"tavrik \u2014 script inspector";

void say(const char* text) {
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_ERROR_HANDLE), text,
            static_cast<DWORD>(std::char_traits<char>::length(text)), &written, nullptr);
}

bool act(HWND window, const std::wstring& action) {
  if (action == L"close") return PostMessageW(window, WM_CLOSE, 0, 0) != 0;
  if (action == L"close-twice") {
    if (!PostMessageW(window, WM_CLOSE, 0, 0)) return false;
    // On a busy machine the first may have ended the program already; then there is nothing
    // left to ask.
    return PostMessageW(window, WM_CLOSE, 0, 0) != 0 || !IsWindow(window);
  }
  if (action == L"maximize") return PostMessageW(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0) != 0;
  if (action == L"minimize") return PostMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0) != 0;
  if (action == L"restore") return PostMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0) != 0;
  if (action == L"resize") {
    return SetWindowPos(window, nullptr, 20, 30, 640, 480,
                        SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS) != 0;
  }
  say("close_window: unknown action\n");
  return false;
}

}  // namespace

int main() {
  int count = 0;
  wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
  if (words == nullptr) return 1;
  DWORD within = 20000;
  int first_action = 1;
  if (count > 1 && std::wstring(words[1]).rfind(L"--within=", 0) == 0) {
    within = static_cast<DWORD>(std::stoul(std::wstring(words[1]).substr(9)));
    first_action = 2;
  }
  HWND window = nullptr;
  const ULONGLONG deadline = GetTickCount64() + within;
  while ((window = FindWindowW(nullptr, title)) == nullptr && GetTickCount64() < deadline) {
    Sleep(50);
  }
  if (window == nullptr) {
    say("close_window: no window with the inspector's title\n");
    return 1;
  }
  for (int i = first_action; i < count; ++i) {
    if (i > first_action) Sleep(200);
    if (!act(window, words[i])) return 1;
  }
  return 0;
}
