// The Win32 window shell as the web view host sees it: the window's handle, the loop state it
// shares with its event loop, and a place for the content that fills its client area.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "platform/shell.hpp"

namespace tavrik::shell::win32 {

// Told when the window's client area changes, when the window gets the focus, and when the
// window goes away (after which it is told nothing more). Messages the window does not handle
// itself (the content's own timers and posted messages) are offered to it first.
class WindowContent {
 public:
  virtual void fit(const RECT& client_area) = 0;
  virtual void take_focus() = 0;
  virtual void window_gone() = 0;
  // True when the content took the message.
  virtual bool content_message(UINT /*message*/, WPARAM /*wparam*/, LPARAM /*lparam*/) {
    return false;
  }

 protected:
  ~WindowContent() = default;
};

// What an event loop and its window share. The handler is set only while the loop runs.
struct LoopState {
  EventHandler handler = nullptr;
  bool in_handler = false;
  bool exit_requested = false;  // once set, never taken back
  int exit_code = 0;
  bool close_pending = false;  // a close request that came before the loop ran

  void deliver(EventKind kind);
};

class Win32Window final : public Window {
 public:
  static Result<std::unique_ptr<Win32Window>> create(LoopState& loop, const std::wstring& title);
  ~Win32Window() override;
  Win32Window(const Win32Window&) = delete;
  Win32Window& operator=(const Win32Window&) = delete;

  HWND handle() const { return handle_; }
  // Whether the user asked to close the window before the loop started to run.
  bool close_pending() const { return loop_.close_pending; }
  void set_content(WindowContent* content) { content_ = content; }

  // The window procedure's body, for this window.
  LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam);

 private:
  explicit Win32Window(LoopState& loop) : loop_(loop) {}

  LoopState& loop_;
  HWND handle_ = nullptr;
  bool owns_class_ = false;
  WindowContent* content_ = nullptr;

  friend LRESULT CALLBACK window_procedure(HWND, UINT, WPARAM, LPARAM);
};

LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// The web view on this shell's windows (webview2.cpp).
Result<std::unique_ptr<WebView>> build_webview(Window& window, const WebViewOptions& options);

// Where the web view host looks: beside the .exe for WebView2Loader.dll, at the .exe's path for
// the default user-data folder, and under the user's local application data for the fallback.
struct HostPlaces {
  std::wstring exe_path;
  std::wstring local_app_data;

  static HostPlaces of_this_process();
};

// build_webview with the places given, for tests that stand in for an installation.
Result<std::unique_ptr<WebView>> build_webview_at(Window& window, const WebViewOptions& options,
                                                  const HostPlaces& places);

}  // namespace tavrik::shell::win32
