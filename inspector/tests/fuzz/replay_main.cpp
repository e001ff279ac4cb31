// Runs a fuzz target over every saved input, with the ordinary compiler: the test suite replays the
// corpus on every run, under the sanitizers in the debug build. A broken invariant aborts.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::uint8_t> read_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s CORPUS_DIR_OR_FILE...\n", argv[0]);
    return 2;
  }
  // The empty input first, as the fuzzer itself does.
  LLVMFuzzerTestOneInput(nullptr, 0);
  std::size_t replayed = 0;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path root(argv[i]);
    std::vector<std::filesystem::path> files;
    std::error_code error;
    if (std::filesystem::is_directory(root, error)) {
      for (const auto& entry : std::filesystem::directory_iterator(root, error)) {
        if (entry.is_regular_file()) files.push_back(entry.path());
      }
    } else if (std::filesystem::is_regular_file(root, error)) {
      files.push_back(root);
    }
    if (files.empty()) {
      std::fprintf(stderr, "%s: no inputs in %s\n", argv[0], argv[i]);
      return 1;
    }
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
      // Named before it runs, so that a failing input is the last name on standard error.
      std::fprintf(stderr, "%s\n", file.string().c_str());
      const auto bytes = read_file(file);
      LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
      ++replayed;
    }
  }
  std::printf("replayed %zu inputs\n", replayed);
  return 0;
}
