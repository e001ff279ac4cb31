// The argument vector (NUL-separated words, program name already dropped) turned into launch
// options or the usage error.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "command_line.hpp"
#include "fuzz_check.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> words;
  if (size > 0) words = tavrik::fuzz::split_at_nul(tavrik::fuzz::as_text(data, size));

  const auto options = tavrik::parse_command_line(std::span<const std::string>(words));
  bool flag = false;
  bool list = false;
  std::optional<std::string> target;
  const std::string* address = nullptr;
  for (const auto& word : words) {
    flag = flag || word == "--print-url";
    list = list || word == "--list-targets";
    if (word.rfind("--target=", 0) == 0) {
      target = word.substr(9);
      if (target->empty()) target.reset();
    }
    if (address == nullptr && (word.size() < 2 || word[0] != '-' || word[1] != '-'))
      address = &word;
  }
  if (address == nullptr) {
    TAVRIK_FUZZ_CHECK(!options);
    TAVRIK_FUZZ_CHECK(
        options.error().message() ==
        "usage: tavrik_inspector [--print-url] <inspector-http-addr e.g. 127.0.0.1:9229>");
    TAVRIK_FUZZ_CHECK(options.error().causes().empty());
    return 0;
  }
  TAVRIK_FUZZ_CHECK(options.ok());
  TAVRIK_FUZZ_CHECK(options.value().print_url_only == flag);
  TAVRIK_FUZZ_CHECK(options.value().list_targets == list);
  TAVRIK_FUZZ_CHECK(options.value().target.value == target);
  // Exactly as typed: the first word that is not an option, unchanged.
  TAVRIK_FUZZ_CHECK(options.value().inspector_address == *address);
  return 0;
}
