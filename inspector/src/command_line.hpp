// The command line turned into launch options.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "error_chain.hpp"
#include "target_choice.hpp"

namespace tavrik {

inline constexpr std::string_view usage_message =
    "usage: tavrik_inspector [--print-url] <inspector-http-addr e.g. 127.0.0.1:9229>";
inline constexpr std::string_view print_url_flag = "--print-url";
inline constexpr std::string_view list_targets_flag = "--list-targets";
inline constexpr std::string_view follow_flag = "--follow";
// Only this joined form carries a value; a bare "--target" is an unknown option like any other,
// so that the word after it can never be mistaken for, or taken from, the address.
inline constexpr std::string_view target_option_prefix = "--target=";

struct LaunchOptions {
  bool print_url_only = false;
  bool list_targets = false;
  bool follow = false;            // the window re-attaches by itself when the target changes
  TargetSelector target;          // the last --target=VALUE with a non-empty value, if any
  std::string inspector_address;  // exactly as typed: not parsed, trimmed or validated here
};

// Takes the arguments without the program name.
Result<LaunchOptions> parse_command_line(std::span<const std::string> arguments);

}  // namespace tavrik
