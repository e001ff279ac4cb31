// Small readers of an HTTP response head, shared by the Content-Length and chunked rules.
#pragma once

#include <string_view>

#include "ascii.hpp"

namespace tavrik::http {

// Calls visit(name, value) for each header field line of a head (status line and fields, without
// the blank line), in order; the status line is not a field. Lines end in LF or CR LF; a line
// without a colon is passed over. Returns false as soon as visit does.
template <typename Visit>
bool for_each_field(std::string_view head, Visit&& visit) {
  const auto first_line_end = head.find('\n');
  if (first_line_end == std::string_view::npos) return true;
  head.remove_prefix(first_line_end + 1);
  while (!head.empty()) {
    const auto line_end = head.find('\n');
    std::string_view line = head.substr(0, line_end);
    head = line_end == std::string_view::npos ? std::string_view{} : head.substr(line_end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    const auto colon = line.find(':');
    if (colon == std::string_view::npos) continue;
    if (!visit(line.substr(0, colon), line.substr(colon + 1))) return false;
  }
  return true;
}

}  // namespace tavrik::http
