#include "bundle.hpp"

#include <algorithm>
#include <cstddef>

namespace tavrik {
namespace {

// Byte-wise three-way comparison, bytes as unsigned values, a proper prefix first: the order the
// build step sorts the table in. `Map` is applied to the key's bytes only.
template <typename Map>
int compare_paths(std::string_view path, std::string_view key, Map map) {
  const std::size_t common = std::min(path.size(), key.size());
  for (std::size_t i = 0; i < common; ++i) {
    const auto a = static_cast<unsigned char>(path[i]);
    const auto b = map(static_cast<unsigned char>(key[i]));
    if (a != b) {
      return a < b ? -1 : 1;
    }
  }
  if (path.size() == key.size()) {
    return 0;
  }
  return path.size() < key.size() ? -1 : 1;
}

template <typename Compare>
const FrontendAsset* search(std::span<const FrontendAsset> records, Compare compare) {
  const auto it = std::partition_point(records.begin(), records.end(),
                                       [&](const FrontendAsset& r) { return compare(r.path) < 0; });
  if (it != records.end() && compare(it->path) == 0) {
    return &*it;
  }
  return nullptr;
}

}  // namespace

const FrontendAsset* find_asset(std::string_view path) {
  const auto records = frontend_bundle();
  // Backslashes are read as "/" while comparing, so the lookup needs no copy of the key. Keys
  // without one, the usual case, take the plain comparison (memcmp), which orders the same way.
  if (path.find('\\') == std::string_view::npos) {
    return search(records, [path](std::string_view p) { return p.compare(path); });
  }
  return search(records, [path](std::string_view p) {
    return compare_paths(
        p, path, [](unsigned char b) { return b == '\\' ? static_cast<unsigned char>('/') : b; });
  });
}

}  // namespace tavrik
