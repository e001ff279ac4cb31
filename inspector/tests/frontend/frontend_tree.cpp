#include "frontend_tree.hpp"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace tavrik::testing {

namespace fs = std::filesystem;

fs::path frontend_root() { return fs::path(TAVRIK_FRONTEND_DIR); }

std::vector<std::string> frontend_files_on_disk() {
  const fs::path root = frontend_root();
  std::vector<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file()) {
      files.push_back(entry.path().lexically_relative(root).generic_string());
    }
  }
  std::sort(files.begin(), files.end(), bytewise_less);
  return files;
}

std::vector<std::uint8_t> read_bytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    throw std::runtime_error("cannot open " + file.string());
  }
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool bytewise_less(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
  });
}

}  // namespace tavrik::testing
