#pragma once

#include <cstddef>
#include <string_view>

namespace tavrik {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool is_valid_utf8(std::string_view text);

// The length of the well-formed character at the start of the text (1 to 4), or 0 when the text
// is empty or does not start with one, under the same rules.
std::size_t utf8_sequence_length(std::string_view text);

}  // namespace tavrik
