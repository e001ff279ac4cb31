// Prints every record of a bundle built from a fixture tree, for the embedding step's test: path,
// size, digest, content and whether the lookup finds the record again, one tab-separated line each.
#include <cstdio>
#include <string>

#include "bundle.hpp"

int main() {
  for (const auto& record : tavrik::frontend_bundle()) {
    std::string line(record.path);
    line += '\t' + std::to_string(record.data.size()) + '\t';
    char hex[3];
    for (const auto byte : record.sha256) {
      std::snprintf(hex, sizeof hex, "%02x", static_cast<unsigned>(byte));
      line += hex;
    }
    line += '\t';
    for (const auto byte : record.data) {
      std::snprintf(hex, sizeof hex, "%02x", static_cast<unsigned>(byte));
      line += hex;
    }
    line += '\t';
    line += tavrik::find_asset(record.path) == &record ? "found" : "lost";
    line += record.last_modified.has_value() ? "\tmtime\n" : "\tno-mtime\n";
    std::fputs(line.c_str(), stdout);
  }
  return 0;
}
