// Small readers of an HTTP response head, shared by the Content-Length and chunked rules.
#pragma once

#include <string_view>

namespace tavrik::http {

inline bool ascii_iequals(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) {
      return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

inline std::string_view trim_blanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

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
