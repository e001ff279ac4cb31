#include "inspector_window.hpp"

#include "devtools_protocol.hpp"
#include "platform/process.hpp"

namespace tavrik {

void handle_inspector_event(const shell::Event& event, shell::ControlMode& mode) {
  mode.flow = shell::ControlMode::Flow::wait;
  if (event.kind == shell::EventKind::close_requested) {
    mode.flow = shell::ControlMode::Flow::exit;
    mode.exit_code = 0;
  }
}

void run_inspector_loop(std::unique_ptr<shell::EventLoop> loop) {
  const int code = loop->run(handle_inspector_event);
  // Nothing is torn down one by one: the process exit takes the loop, the window, the web view
  // and the browser processes down.
  process::exit_process(code);
}

Error open_inspector_window_on(const shell::Platform& platform, const std::string& frontend_address,
                               LoopRunner run, shell::Rediscovery rediscovery) {
  auto loop = platform.create_event_loop();
  if (!loop) return std::move(loop).error().context(std::string(window_failure_message));

  auto window = platform.create_window(*loop.value(), {std::string(inspector_window_title)});
  if (!window) return std::move(window).error().context(std::string(window_failure_message));

  shell::WebViewOptions options;
  options.protocol_name = std::string(devtools_scheme_name);
  options.protocol_handler = handle_devtools_request;
  options.initial_url = frontend_address;
  options.rediscovery = std::move(rediscovery);
  auto webview = platform.build_webview(*window.value(), options);
  if (!webview) {
    auto error = std::move(webview).error().context(std::string(webview_failure_message));
    window.value().reset();
    loop.value().reset();
    return error;
  }

  // The window and the web view stay in this frame for the rest of the process: in the tool the
  // runner never comes back.
  run(std::move(loop).value());
  return Error("the inspector event loop returned");
}

Error open_inspector_window(const std::string& frontend_address, shell::Rediscovery rediscovery) {
  return open_inspector_window_on(shell::platform(), frontend_address, run_inspector_loop,
                                  std::move(rediscovery));
}

}  // namespace tavrik
