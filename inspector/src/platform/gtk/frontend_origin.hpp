// WebKitGTK answers a custom scheme only under its own name ("devtools://..."), never at an http
// origin. The frontend address keeps its "http://devtools.localhost/..." form everywhere else; only
// this host maps it when it loads it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavrik::gtk {

// For an address under the embedded origin ("http://" + scheme + "." + the rest of the host, any
// port or user info), the same path, query and fragment under scheme + "://localhost". Nothing
// for every other address, which loads as it is.
std::optional<std::string> scheme_address_for(std::string_view address, std::string_view scheme);

}  // namespace tavrik::gtk
