// The ws target and the address the web view opens first.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavrik {

inline constexpr const char* frontend_override_variable = "TAVRIK_INSPECTOR_FRONTEND";

// "http://devtools.localhost": the origin under which the web view serves the embedded frontend.
std::string embedded_origin();

// The debugger URL without one leading "ws://" or "wss://" (case-sensitive); nothing else changes.
std::string ws_target_from_debugger_url(std::string_view debugger_url);

// Whether the debugger URL asks for TLS: the frontend prefixes "ws://" to a `ws` value and
// "wss://" to a `wss` value, so the default address must say which one it was.
enum class WsScheme { plain, secure };
WsScheme ws_scheme_of_debugger_url(std::string_view debugger_url);

// The override template with every "{ws}" replaced (the scheme plays no part there), or the
// default embedded address when there is no template.
std::string compose_frontend_address_from(std::string_view ws_target, WsScheme scheme,
                                          const std::optional<std::string>& override_template);

// Reads TAVRIK_INSPECTOR_FRONTEND once; absent or not valid Unicode selects the default.
std::string compose_frontend_address(std::string_view ws_target, WsScheme scheme);

}  // namespace tavrik
