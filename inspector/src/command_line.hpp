// The command line turned into launch options.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "error_chain.hpp"

namespace tavrik {

inline constexpr std::string_view usage_message =
    "usage: tavrik_inspector [--print-url] <inspector-http-addr e.g. 127.0.0.1:9229>";
inline constexpr std::string_view print_url_flag = "--print-url";

struct LaunchOptions {
  bool print_url_only = false;
  std::string inspector_address;  // exactly as typed: not parsed, trimmed or validated here
};

// Takes the arguments without the program name.
Result<LaunchOptions> parse_command_line(std::span<const std::string> arguments);

}  // namespace tavrik
