// The inspector window: creation order, release order and the one event the tool acts on.
#pragma once

#include <memory>
#include <string>

#include "error_chain.hpp"
#include "platform/shell.hpp"

namespace tavrik {

inline constexpr std::string_view inspector_window_title = "tavrik \xE2\x80\x94 script inspector";
inline constexpr std::string_view window_failure_message = "failed to create inspector window";
inline constexpr std::string_view webview_failure_message =
    "failed to create webview (is the WebView2 runtime installed?)";

// Writes wait mode on every event, then exit mode with status 0 for a close request.
void handle_inspector_event(const shell::Event& event, shell::ControlMode& mode);

// Runs the loop until the window is closed and ends the process with the loop's code.
[[noreturn]] void run_inspector_loop(std::unique_ptr<shell::EventLoop> loop);

// Creates the event loop, the window and the web view on `platform`, then hands the loop to
// `run`. Returns only with an error, having released what it created (window first, then loop).
// `run` is run_inspector_loop in the tool; tests pass their own.
using LoopRunner = void (*)(std::unique_ptr<shell::EventLoop> loop);
Error open_inspector_window_on(const shell::Platform& platform, const std::string& frontend_address,
                               LoopRunner run, shell::Rediscovery rediscovery = {});

// The tool's entry into window mode, on this build's platform.
Error open_inspector_window(const std::string& frontend_address,
                            shell::Rediscovery rediscovery = {});

}  // namespace tavrik
