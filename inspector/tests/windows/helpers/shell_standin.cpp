// The window shell and its event loop on their own: the tool's window code on the real Win32
// loop and window, with a stand-in web view that builds at once. Ends like the tool: status 0
// when the window is closed, or the error report and status 1.
#include "error_chain.hpp"
#include "inspector_window.hpp"
#include "platform/process.hpp"
#include "platform/shell.hpp"

namespace {

class StandinView final : public tavrik::shell::WebView {};

tavrik::Result<std::unique_ptr<tavrik::shell::WebView>> build_standin(
    tavrik::shell::Window&, const tavrik::shell::WebViewOptions&) {
  return std::unique_ptr<tavrik::shell::WebView>(std::make_unique<StandinView>());
}

}  // namespace

int main() {
  tavrik::process::prepare();
  const tavrik::shell::Platform& real = tavrik::shell::platform();
  const tavrik::shell::Platform standin{real.create_event_loop, real.create_window, build_standin};
  const tavrik::Error error = tavrik::open_inspector_window_on(
      standin, "http://devtools.localhost/js_app.html", tavrik::run_inspector_loop);
  tavrik::process::write_stderr(tavrik::format_error_report(error));
  return 1;
}
