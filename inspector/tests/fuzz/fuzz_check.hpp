// What the fuzz targets share: a check that stops the run loudly (libFuzzer and the replay program
// both treat an abort as a finding), and the splitting of one input into several texts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#define TAVRIK_FUZZ_CHECK(condition)                                                         \
  do {                                                                                       \
    if (!(condition)) {                                                                      \
      std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                          \
    }                                                                                        \
  } while (false)

namespace tavrik::fuzz {

inline std::string_view as_text(const std::uint8_t* data, std::size_t size) {
  return size == 0 ? std::string_view{}
                   : std::string_view(reinterpret_cast<const char*>(data), size);
}

// NUL-separated fields; an input without NUL is one field, the empty input is one empty field.
inline std::vector<std::string> split_at_nul(std::string_view text) {
  std::vector<std::string> fields;
  for (;;) {
    const auto nul = text.find('\0');
    fields.emplace_back(text.substr(0, nul));
    if (nul == std::string_view::npos) return fields;
    text.remove_prefix(nul + 1);
  }
}

inline std::size_t count_of(std::string_view text, char c) {
  std::size_t n = 0;
  for (char x : text) n += x == c ? 1 : 0;
  return n;
}

}  // namespace tavrik::fuzz
