#include "platform/gtk/frontend_origin.hpp"

#include <algorithm>
#include <cctype>

#include "ascii.hpp"

namespace tavrik::gtk {

using ascii::starts_with_ignoring_case;

std::optional<std::string> scheme_address_for(std::string_view address, std::string_view scheme) {
  // Scheme and host are case-insensitive in a URL; WebKit hands them over in lower case anyway.
  constexpr std::string_view http = "http://";
  if (!starts_with_ignoring_case(address, http)) return std::nullopt;
  std::string_view rest = address.substr(http.size());
  const std::size_t authority_end = std::min(rest.find_first_of("/?#"), rest.size());
  std::string_view host = rest.substr(0, authority_end);
  // User info comes before the host: "http://devtools.x@elsewhere/" is elsewhere.
  if (const std::size_t at = host.rfind('@'); at != std::string_view::npos) {
    host.remove_prefix(at + 1);
  }
  if (!starts_with_ignoring_case(host, scheme) || host.size() <= scheme.size() ||
      host[scheme.size()] != '.') {
    return std::nullopt;
  }
  std::string_view tail = rest.substr(authority_end);  // path, query and fragment
  std::string mapped = std::string(scheme) + "://localhost";
  if (tail.empty() || tail.front() != '/') mapped += '/';
  mapped += tail;
  return mapped;
}

}  // namespace tavrik::gtk
