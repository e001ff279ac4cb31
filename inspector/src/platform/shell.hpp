// The window shell and web view, as the shared window code needs them. One implementation per
// platform (GTK 4 + WebKitGTK, Win32 + WebView2), chosen by the build.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "devtools_protocol.hpp"
#include "error_chain.hpp"

namespace tavrik::shell {

// What the handler writes on every call: sleep until the next event, or leave with a code.
struct ControlMode {
  enum class Flow { wait, exit };
  Flow flow = Flow::wait;
  int exit_code = 0;
};

enum class EventKind {
  new_cycle,
  close_requested,  // the user asked to close the window (close button, Alt+F4, WM_CLOSE, ...)
  window_other,     // any other window event: resize, move, focus, input, destroyed
  device,
  redraw,
  cycle_end,
  loop_ending,
};

struct Event {
  EventKind kind = EventKind::new_cycle;
};

// Captures nothing by design, so a plain function pointer.
using EventHandler = void (*)(const Event& event, ControlMode& mode);

using ProtocolHandler = DevtoolsResponse (*)(const DevtoolsRequest& request);

class EventLoop {
 public:
  virtual ~EventLoop() = default;
  // Runs the loop on the main thread with the handler until exit mode is set, then delivers
  // loop_ending and returns the exit code.
  virtual int run(EventHandler handler) = 0;
};

class Window {
 public:
  virtual ~Window() = default;  // asks the shell to destroy the window
};

class WebView {
 public:
  virtual ~WebView() = default;
};

struct WindowAttributes {
  std::string title;  // the only attribute the tool sets
};

// Finding the frontend address again on the same inspector, for a user's reload or to follow the
// inspector. Each call blocks while it talks to the inspector, so the shell runs it away from the
// event loop's thread; the shell then opens the address it returns.
using FrontendLookup = std::function<Result<std::string>()>;

struct Rediscovery {
  // The whole discovery, retries included: run for F5 / Ctrl+R and for the page's own reload.
  // Empty: a reload reloads the page as it is.
  FrontendLookup full;
  // One attempt, no retry: run about once a second while the window follows the inspector. Empty:
  // nothing is watched and no timer runs.
  FrontendLookup once;
};

struct WebViewOptions {
  std::string protocol_name;
  ProtocolHandler protocol_handler = nullptr;
  std::string initial_url;
  Rediscovery rediscovery;
};

// The platform's three constructors, gathered so that the shared window code can be tested with
// stand-ins of the tests' own.
struct Platform {
  Result<std::unique_ptr<EventLoop>> (*create_event_loop)();
  Result<std::unique_ptr<Window>> (*create_window)(EventLoop& loop,
                                                   const WindowAttributes& attributes);
  Result<std::unique_ptr<WebView>> (*build_webview)(Window& window, const WebViewOptions& options);
};

const Platform& platform();

}  // namespace tavrik::shell
