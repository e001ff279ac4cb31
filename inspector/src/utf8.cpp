#include "utf8.hpp"

#include <cstddef>

namespace tavrik {

std::size_t utf8_sequence_length(std::string_view text) {
  if (text.empty()) return 0;
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const unsigned char c = p[0];
  if (c < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (c >= 0xC2 && c <= 0xDF) {
    length = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    length = 3;
    if (c == 0xE0) low = 0xA0;   // overlong
    if (c == 0xED) high = 0x9F;  // surrogates
  } else if (c >= 0xF0 && c <= 0xF4) {
    length = 4;
    if (c == 0xF0) low = 0x90;   // overlong
    if (c == 0xF4) high = 0x8F;  // above U+10FFFF
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  if (p[1] < low || p[1] > high) return 0;
  for (std::size_t k = 2; k < length; ++k) {
    if ((p[k] & 0xC0) != 0x80) return 0;
  }
  return length;
}

bool is_valid_utf8(std::string_view text) {
  while (!text.empty()) {
    const std::size_t length = utf8_sequence_length(text);
    if (length == 0) return false;
    text.remove_prefix(length);
  }
  return true;
}

}  // namespace tavrik
