#include "target_choice.hpp"

#include <algorithm>
#include <nlohmann/json.hpp>

namespace tavrik {

namespace {

Result<nlohmann::json> parse_target_list(std::string_view body) {
  // The reader takes a NUL byte for the end of its input and would accept whatever came before.
  // JSON text holds no raw NUL anywhere, so a body with one is refused here, at its position.
  if (const auto nul = body.find('\0'); nul != std::string_view::npos) {
    const auto line_feed = body.rfind('\n', nul);
    const auto line =
        1 + std::count(body.begin(), body.begin() + static_cast<std::ptrdiff_t>(nul), '\n');
    const std::size_t column = line_feed == std::string_view::npos ? nul + 1 : nul - line_feed;
    return Error("invalid NUL byte at line " + std::to_string(line) + ", column " +
                 std::to_string(column))
        .context("inspector /json was not valid JSON");
  }
  try {
    return nlohmann::json::parse(body);
  } catch (const nlohmann::json::exception& error) {
    return Error(error.what()).context("inspector /json was not valid JSON");
  }
}

std::string string_member(const nlohmann::json& object, const char* name) {
  const auto member = object.find(name);
  if (member == object.end() || !member->is_string()) return {};
  return member->get<std::string>();
}

// Control bytes and the characters some line readers also split at (C1 controls, U+2028 and
// U+2029) are written as escapes, so that a title can neither end the line nor add a field.
void append_escaped(std::string& line, std::string_view field) {
  constexpr char hex[] = "0123456789abcdef";
  for (std::size_t i = 0; i < field.size(); ++i) {
    const char c = field[i];
    const auto byte = static_cast<unsigned char>(c);
    const std::string_view rest = field.substr(i);
    if (c == '\\') {
      line += "\\\\";
    } else if (c == '\t') {
      line += "\\t";
    } else if (c == '\n') {
      line += "\\n";
    } else if (c == '\r') {
      line += "\\r";
    } else if (byte < 0x20 || byte == 0x7f) {
      line += "\\x";
      line += hex[byte >> 4];
      line += hex[byte & 0xf];
    } else if (byte == 0xc2 && rest.size() >= 2 && (rest[1] & 0xe0) == 0x80) {
      const auto next = static_cast<unsigned char>(rest[1]);  // U+0080 to U+009F
      line += "\\u00";
      line += hex[next >> 4];
      line += hex[next & 0xf];
      ++i;
    } else if (rest.starts_with("\xe2\x80\xa8") || rest.starts_with("\xe2\x80\xa9")) {
      line += rest[2] == '\xa8' ? "\\u2028" : "\\u2029";
      i += 2;
    } else {
      line += c;
    }
  }
}

bool matches(const TargetEntry& target, std::string_view value) {
  return target.title.find(value) != std::string::npos ||
         target.url.find(value) != std::string::npos;
}

Result<TargetEntry> select_target(std::string_view body, std::string_view value) {
  auto targets = offered_targets(body);
  if (!targets) return std::move(targets).error();
  const auto& list = targets.value();
  auto chosen = std::find_if(list.begin(), list.end(),
                             [&](const TargetEntry& target) { return target.id == value; });
  if (chosen == list.end()) {
    chosen = std::find_if(list.begin(), list.end(),
                          [&](const TargetEntry& target) { return matches(target, value); });
  }
  if (chosen != list.end()) return *chosen;

  std::string message = "no target with the id " + std::string(value) + " or with " +
                        std::string(value) + " in its title or url; ";
  if (list.empty()) {
    message += "no targets offered";
  } else {
    message += "targets offered (id, type, title, url):";
    for (const auto& target : list) {
      message += '\n';
      std::string line = format_target_line(target);
      line.pop_back();  // the report ends every line itself
      message += line;
    }
  }
  return Error(std::move(message));
}

}  // namespace

Result<std::vector<TargetEntry>> offered_targets(std::string_view body) {
  auto document = parse_target_list(body);
  if (!document) return std::move(document).error();
  if (!document.value().is_array()) {
    return Error("inspector /json is not a list of targets: " + std::string(body));
  }
  std::vector<TargetEntry> targets;
  for (const auto& element : document.value()) {
    if (!element.is_object()) continue;
    const auto ws = element.find("webSocketDebuggerUrl");
    if (ws == element.end() || !ws->is_string()) continue;
    targets.push_back({string_member(element, "id"), string_member(element, "type"),
                       string_member(element, "title"), string_member(element, "url"),
                       ws->get<std::string>()});
  }
  return targets;
}

Result<std::string> choose_target(std::string_view body, const TargetSelector& selector) {
  if (selector.value) {
    auto chosen = select_target(body, *selector.value);
    if (!chosen) return std::move(chosen).error();
    return std::move(chosen.value().web_socket_debugger_url);
  }
  auto document = parse_target_list(body);
  if (!document) return std::move(document).error();
  const auto& list = document.value();
  if (list.is_array() && !list.empty() && list.front().is_object()) {
    const auto& target = list.front();
    const auto member = target.find("webSocketDebuggerUrl");
    if (member != target.end() && member->is_string()) return member->get<std::string>();
  }
  return Error("no webSocketDebuggerUrl in inspector /json: " + std::string(body));
}

std::string format_target_line(const TargetEntry& target) {
  std::string line;
  append_escaped(line, target.id);
  line += '\t';
  append_escaped(line, target.type);
  line += '\t';
  append_escaped(line, target.title);
  line += '\t';
  append_escaped(line, target.url);
  line += '\n';
  return line;
}

Result<std::string> list_targets(std::string_view body, const TargetSelector& selector) {
  if (selector.value) {
    auto chosen = select_target(body, *selector.value);
    if (!chosen) return std::move(chosen).error();
    return format_target_line(chosen.value());
  }
  auto targets = offered_targets(body);
  if (!targets) return std::move(targets).error();
  std::string lines;
  for (const auto& target : targets.value()) lines += format_target_line(target);
  return lines;
}

}  // namespace tavrik
