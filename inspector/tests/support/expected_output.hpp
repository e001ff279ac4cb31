// What the tool is expected to print, written out once for every test that compares its output.
#pragma once

#include <string>

namespace tavrik::testing {

// The three console lines of a launch that got past discovery.
inline std::string console_lines(const std::string& ws_target, const std::string& devtools) {
  return "tavrik_inspector: ws target  = " + ws_target +
         "\ntavrik_inspector: devtools   = " + devtools +
         "\ntavrik_inspector: (frontend is embedded; override with TAVRIK_INSPECTOR_FRONTEND)\n";
}

// The default frontend address for a plain ws:// target.
inline std::string embedded_address(const std::string& ws_target) {
  return "http://devtools.localhost/js_app.html?ws=" + ws_target + "&experiments=true&v8only=true";
}

}  // namespace tavrik::testing
