// The frontend tree as it is on disk, read independently of the build step, for comparing with
// what the build step embedded.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik::testing {

// The source tree's frontend directory (passed in by the build).
std::filesystem::path frontend_root();

// Every regular file under the root: "/"-separated relative paths, sorted byte-wise.
std::vector<std::string> frontend_files_on_disk();

// A file's bytes.
std::vector<std::uint8_t> read_bytes(const std::filesystem::path& file);

// Byte-wise order: bytes as unsigned values, a proper prefix first.
bool bytewise_less(std::string_view a, std::string_view b);

}  // namespace tavrik::testing
