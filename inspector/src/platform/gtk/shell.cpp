// Placeholder until the GTK 4 + WebKitGTK host lands: an honest failure, never a pretend window.
#include "platform/shell.hpp"

namespace tavrik::shell {

namespace {
Result<std::unique_ptr<EventLoop>> no_event_loop() {
  return Error("this build has no window shell yet");
}
Result<std::unique_ptr<Window>> no_window(EventLoop&, const WindowAttributes&) {
  return Error("this build has no window shell yet");
}
Result<std::unique_ptr<WebView>> no_webview(Window&, const WebViewOptions&) {
  return Error("this build has no web view yet");
}
}  // namespace

const Platform& platform() {
  static constexpr Platform none{no_event_loop, no_window, no_webview};
  return none;
}

}  // namespace tavrik::shell
