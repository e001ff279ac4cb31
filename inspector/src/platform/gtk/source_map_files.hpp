// Which local files the embedded frontend may read: source maps, and the sources that a map it
// has read names. The frontend asks for both by file: URL, which the web view does not load for
// it. Nothing else is served: no other file, no directory, no listing.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "error_chain.hpp"

namespace tavrik::gtk {

// Far above any real map or source; a larger file is refused rather than read into memory.
inline constexpr std::size_t local_file_size_limit = std::size_t{64} << 20;

// Reads a regular file whole (at most the limit), or says why not.
using LocalFileReader = std::function<Result<std::string>(const std::string& path)>;

class SourceMapFiles {
 public:
  // The file's bytes when it may be served: a source named by a map served before, or a file
  // that is itself a source map (whose sources become readable). Otherwise an error.
  Result<std::string> serve(const std::string& path, const LocalFileReader& read);

 private:
  std::set<std::string> named_sources_;
};

// The absolute, normalised path that a map at `map_path` names with its `sourceRoot` and one of
// its `sources`, as the frontend resolves them; nothing for sources that are not local files
// (other schemes, such as webpack:).
std::optional<std::string> resolve_source_path(std::string_view map_path,
                                               std::string_view source_root,
                                               std::string_view source);

// "." and ".." segments and repeated slashes removed from an absolute path; ".." at the root
// stays at the root.
std::string normalise_path(std::string_view absolute_path);

}  // namespace tavrik::gtk
