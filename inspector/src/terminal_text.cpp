#include "terminal_text.hpp"

#include <cstddef>

#include "utf8.hpp"

namespace tavrik {

namespace {

void append_escape(std::string& out, std::string_view prefix, unsigned char value) {
  constexpr std::string_view digits = "0123456789abcdef";
  out += prefix;
  out += digits[value >> 4];
  out += digits[value & 0x0f];
}

}  // namespace

std::string escape_for_terminal(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    const auto first = static_cast<unsigned char>(text.front());
    const std::size_t length = utf8_sequence_length(text);
    if (length == 0) {
      append_escape(out, "\\x", first);
      text.remove_prefix(1);
      continue;
    }
    if (length == 1 && ((first < 0x20 && first != '\n' && first != '\t') || first == 0x7f)) {
      append_escape(out, "\\x", first);
    } else if (length == 2 && first == 0xc2 && static_cast<unsigned char>(text[1]) < 0xa0) {
      append_escape(out, "\\u00", static_cast<unsigned char>(text[1]));  // U+0080..U+009F
    } else {
      out.append(text.substr(0, length));
    }
    text.remove_prefix(length);
  }
  return out;
}

}  // namespace tavrik
