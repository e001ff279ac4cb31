// The frontend tree, built into the executable as a sorted constant table.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace tavrik {

// One file of the embedded frontend. `data` is a view into the executable's read-only data,
// valid for the whole process; nothing ever copies or frees it.
struct FrontendAsset {
  // Relative to the tree's root, "/"-separated, no leading "/".
  std::string_view path;
  // Seconds since the Unix epoch, read when the bundle was built.
  std::optional<std::uint64_t> last_modified;
  // Seconds since the Unix epoch, where the build host's file system records it.
  std::optional<std::uint64_t> created;
  std::array<std::uint8_t, 32> sha256;
  std::span<const std::uint8_t> data;
};

// All records, strictly ascending by byte-wise path order.
std::span<const FrontendAsset> frontend_bundle();

// The record whose path equals `path` once backslashes are read as "/", or nothing. Exact and
// case-sensitive: no leading "/" is removed, nothing is percent-decoded or resolved. Allocates
// nothing.
const FrontendAsset* find_asset(std::string_view path);

}  // namespace tavrik
