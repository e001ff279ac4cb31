// The inspector's target list: which target to attach to, and the list as lines of text.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "error_chain.hpp"

namespace tavrik {

// What --target=VALUE asks for. Nothing: the first target, exactly as without the option.
struct TargetSelector {
  std::optional<std::string> value;
};

// One target the inspector offers. A member that is missing or not a string reads as empty.
struct TargetEntry {
  std::string id;
  std::string type;
  std::string title;
  std::string url;
  std::string web_socket_debugger_url;
};

// The targets that can be chosen: the objects of the top-level array that carry a string
// `webSocketDebuggerUrl` (Chromium leaves it out for a page another debugger holds), in order.
// Other elements are passed over. Fails when the body is not JSON or not an array.
Result<std::vector<TargetEntry>> offered_targets(std::string_view body);

// The `webSocketDebuggerUrl` of the target the selector names. Without a value: the first
// element's, by the original rules and with their messages. With one: the first offered target
// whose id equals it, or else the first whose title or url contains it, bytes compared as they
// are; no match is an error that lists the targets offered.
Result<std::string> choose_target(std::string_view body, const TargetSelector& selector = {});

// One target as a line: id, type, title and url separated by tabs, ended by a line feed. Inside a
// field a backslash, tab, line feed or carriage return is written \\, \t, \n or \r, and every
// other control byte (below 0x20, and 0x7f) as \xHH, so that no value can break the line.
std::string format_target_line(const TargetEntry& target);

// The lines of --list-targets: every offered target, or, with a selector value, only the target
// it would choose (and the same error when there is none).
Result<std::string> list_targets(std::string_view body, const TargetSelector& selector = {});

}  // namespace tavrik
