#include "command_line.hpp"

namespace tavrik {

Result<LaunchOptions> parse_command_line(std::span<const std::string> arguments) {
  LaunchOptions options;
  for (const auto& argument : arguments) {
    if (argument == print_url_flag) options.print_url_only = true;
    if (argument == list_targets_flag) options.list_targets = true;
    if (argument == follow_flag) options.follow = true;
    if (argument.starts_with(target_option_prefix)) {
      // The last one counts, so a wrapper script's default can be overridden by appending.
      // An empty value would match every title; it means "no choice", the first target.
      std::string value = argument.substr(target_option_prefix.size());
      if (value.empty()) {
        options.target.value.reset();
      } else {
        options.target.value = std::move(value);
      }
    }
  }
  // Anything that starts with "--" is an option and passed over silently; there is no "--" marker.
  for (const auto& argument : arguments) {
    if (!argument.starts_with("--")) {
      options.inspector_address = argument;
      return options;
    }
  }
  return Error(std::string(usage_message));
}

}  // namespace tavrik
