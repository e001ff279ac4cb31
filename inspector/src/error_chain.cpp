#include "error_chain.hpp"

#include <cstdio>

namespace tavrik {

namespace {

// Writes one cause; every further line of a multi-line text is indented under the first.
void append_cause(std::string& out, std::string_view prefix, std::string_view continuation,
                  std::string_view text) {
  out += prefix;
  for (char c : text) {
    out += c;
    if (c == '\n') out += continuation;
  }
  out += '\n';
}

}  // namespace

std::string format_error_report(const Error& error) {
  std::string out = "Error: ";
  out += error.message();
  out += '\n';
  const auto causes = error.causes();
  if (causes.empty()) return out;
  out += "\nCaused by:\n";
  if (causes.size() == 1) {
    append_cause(out, "    ", "    ", causes.front());
    return out;
  }
  for (std::size_t i = 0; i < causes.size(); ++i) {
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "%5zu: ", i);
    append_cause(out, prefix, "       ", causes[i]);
  }
  return out;
}

}  // namespace tavrik
