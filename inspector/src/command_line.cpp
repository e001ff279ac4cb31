#include "command_line.hpp"

namespace tavrik {

Result<LaunchOptions> parse_command_line(std::span<const std::string> arguments) {
  LaunchOptions options;
  for (const auto& argument : arguments) {
    if (argument == print_url_flag) options.print_url_only = true;
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
