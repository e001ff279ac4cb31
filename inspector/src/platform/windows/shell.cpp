// The Win32 window shell: one top-level window and a message loop that follows the control modes.
#include "platform/system_error.hpp"
#include "win32_text.hpp"
#include "win32_window.hpp"

namespace tavrik::shell {

namespace win32 {

namespace {

constexpr wchar_t window_class_name[] = L"tavrik_inspector_window";

Error last_error(std::string doing) {
  return Error(platform::system_error_text(static_cast<int>(GetLastError())))
      .context(std::move(doing));
}

class Win32EventLoop final : public EventLoop {
 public:
  int run(EventHandler handler) override;
  LoopState& state() { return state_; }

 private:
  LoopState state_;
};

int Win32EventLoop::run(EventHandler handler) {
  state_.handler = handler;
  state_.deliver(EventKind::new_cycle);
  // A close request that came while the web view was being built is acted on now.
  if (state_.close_pending) state_.deliver(EventKind::close_requested);
  MSG message;
  while (!state_.exit_requested) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      // Nothing in the tool posts WM_QUIT; should anything else, leave as Windows programs do.
      if (!state_.exit_requested) {
        state_.exit_requested = true;
        state_.exit_code = got == 0 ? static_cast<int>(message.wParam) : 1;
      }
      break;
    }
    state_.deliver(EventKind::new_cycle);
    TranslateMessage(&message);
    DispatchMessageW(&message);
    state_.deliver(EventKind::cycle_end);
  }
  state_.deliver(EventKind::loop_ending);
  state_.handler = nullptr;
  return state_.exit_code;
}

Result<std::unique_ptr<EventLoop>> create_event_loop() {
  return std::unique_ptr<EventLoop>(std::make_unique<Win32EventLoop>());
}

Result<std::unique_ptr<Window>> create_window(EventLoop& loop, const WindowAttributes& attributes) {
  auto* own_loop = dynamic_cast<Win32EventLoop*>(&loop);
  if (own_loop == nullptr) return Error("the event loop does not belong to the Win32 shell");
  const auto title = tavrik::win32::to_wide(attributes.title);
  if (!title) return Error("the window title is not valid UTF-8");
  auto window = Win32Window::create(own_loop->state(), *title);
  if (!window) return std::move(window).error();
  return std::unique_ptr<Window>(std::move(window).value());
}

}  // namespace

void LoopState::deliver(EventKind kind) {
  if (handler == nullptr) {
    if (kind == EventKind::close_requested) close_pending = true;
    return;
  }
  if (in_handler) return;  // handler calls never nest
  in_handler = true;
  ControlMode mode;
  handler(Event{kind}, mode);
  in_handler = false;
  if (!exit_requested && mode.flow == ControlMode::Flow::exit) {
    exit_requested = true;
    exit_code = mode.exit_code;
  }
}

Result<std::unique_ptr<Win32Window>> Win32Window::create(LoopState& loop,
                                                         const std::wstring& title) {
  std::unique_ptr<Win32Window> window(new Win32Window(loop));
  const HINSTANCE instance = GetModuleHandleW(nullptr);

  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = window_procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  window_class.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
  window_class.lpszClassName = window_class_name;
  if (RegisterClassExW(&window_class) != 0) {
    window->owns_class_ = true;
  } else if (GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    return last_error("register the window class");
  }

  // Only the title is the tool's; style, place and size are the system's defaults.
  if (CreateWindowExW(0, window_class_name, title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                      window.get()) == nullptr) {
    return last_error("create the window");
  }
  ShowWindow(window->handle_, SW_SHOWDEFAULT);
  UpdateWindow(window->handle_);
  return window;
}

Win32Window::~Win32Window() {
  if (handle_ != nullptr) DestroyWindow(handle_);
  if (content_ != nullptr) content_->window_gone();
  if (owns_class_) UnregisterClassW(window_class_name, GetModuleHandleW(nullptr));
}

LRESULT Win32Window::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CLOSE:
      // The loop decides what a close request means; the window is not destroyed here.
      loop_.deliver(EventKind::close_requested);
      return 0;
    case WM_SIZE:
      if (content_ != nullptr) {
        RECT client{};
        GetClientRect(handle_, &client);
        content_->fit(client);
      }
      loop_.deliver(EventKind::window_other);
      break;
    case WM_DPICHANGED: {
      // Moved to a monitor of another scale: take the size and place the system suggests.
      const auto* suggested = reinterpret_cast<const RECT*>(lparam);
      SetWindowPos(handle_, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      loop_.deliver(EventKind::window_other);
      return 0;
    }
    case WM_SETFOCUS:
      if (content_ != nullptr) content_->take_focus();
      loop_.deliver(EventKind::window_other);
      break;
    case WM_PAINT:
      loop_.deliver(EventKind::redraw);
      break;
    case WM_INPUT:
      loop_.deliver(EventKind::device);
      break;
    default:
      if (content_ != nullptr && content_->content_message(message, wparam, lparam)) {
        loop_.deliver(EventKind::window_other);
        return 0;
      }
      loop_.deliver(EventKind::window_other);
      break;
  }
  return DefWindowProcW(handle_, message, wparam, lparam);
}

LRESULT CALLBACK window_procedure(HWND handle, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    auto* window = static_cast<Win32Window*>(creation->lpCreateParams);
    window->handle_ = handle;
    SetWindowLongPtrW(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  auto* window = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
  if (window == nullptr) return DefWindowProcW(handle, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(handle, GWLP_USERDATA, 0);
    window->handle_ = nullptr;
    if (window->content_ != nullptr) window->content_->window_gone();
    window->content_ = nullptr;
    window->loop_.deliver(EventKind::window_other);
    return DefWindowProcW(handle, message, wparam, lparam);
  }
  return window->handle_message(message, wparam, lparam);
}

}  // namespace win32

const Platform& platform() {
  static constexpr Platform windows_platform{win32::create_event_loop, win32::create_window,
                                             win32::build_webview};
  return windows_platform;
}

}  // namespace tavrik::shell
