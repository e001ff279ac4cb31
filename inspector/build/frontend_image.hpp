// Where the embedded files' bytes lie in the executable image: the generated assembly puts every
// file's bytes, back to back, between these two symbols in read-only data.
#pragma once

#include <cstdint>

extern "C" {
extern const std::uint8_t tavrik_frontend_data_begin[];
extern const std::uint8_t tavrik_frontend_data_end[];
}
