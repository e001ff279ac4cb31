#include "frontend_address.hpp"

#include "devtools_protocol.hpp"
#include "platform/process.hpp"

namespace tavrik {

std::string embedded_origin() {
  std::string origin = "http://";
  origin += devtools_scheme_name;
  origin += ".localhost";
  return origin;
}

std::string ws_target_from_debugger_url(std::string_view debugger_url) {
  if (debugger_url.starts_with("ws://")) return std::string(debugger_url.substr(5));
  if (debugger_url.starts_with("wss://")) return std::string(debugger_url.substr(6));
  return std::string(debugger_url);
}

WsScheme ws_scheme_of_debugger_url(std::string_view debugger_url) {
  return debugger_url.starts_with("wss://") ? WsScheme::secure : WsScheme::plain;
}

std::string compose_frontend_address_from(std::string_view ws_target, WsScheme scheme,
                                          const std::optional<std::string>& override_template) {
  if (!override_template) {
    std::string address = embedded_origin();
    // A TLS target given as `ws` would be opened as plain "ws://" and never connect.
    address += scheme == WsScheme::secure ? "/js_app.html?wss=" : "/js_app.html?ws=";
    address += ws_target;
    address += "&experiments=true&v8only=true";
    return address;
  }
  constexpr std::string_view placeholder = "{ws}";
  std::string_view rest = *override_template;
  std::string address;
  for (auto at = rest.find(placeholder); at != std::string_view::npos;
       at = rest.find(placeholder)) {
    address += rest.substr(0, at);
    address += ws_target;
    rest.remove_prefix(at + placeholder.size());
  }
  address += rest;
  return address;
}

std::string compose_frontend_address(std::string_view ws_target, WsScheme scheme) {
  return compose_frontend_address_from(ws_target, scheme,
                                       process::environment_variable(frontend_override_variable));
}

}  // namespace tavrik
