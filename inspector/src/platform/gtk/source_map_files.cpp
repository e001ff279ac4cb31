#include "platform/gtk/source_map_files.hpp"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <optional>
#include <vector>

#include "ascii.hpp"

namespace tavrik::gtk {

namespace {

bool is_source_map(const nlohmann::json& document) {
  if (!document.is_object()) return false;
  const auto version = document.find("version");
  if (version == document.end() || !version->is_number()) return false;
  const auto mappings = document.find("mappings");
  const auto sections = document.find("sections");
  return (mappings != document.end() && mappings->is_string()) ||
         (sections != document.end() && sections->is_array());
}

// Percent escapes decoded, as the frontend's URL resolution and the file: URL it asks for carry
// them; a malformed escape is kept as it is.
std::string percent_decoded(std::string_view text) {
  const auto hex = ascii::hex_value;
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && hex(text[i + 1]) >= 0 && hex(text[i + 2]) >= 0) {
      out += static_cast<char>(hex(text[i + 1]) * 16 + hex(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

// The scheme of a URL ("file", "webpack", ...), or nothing for a plain path.
std::optional<std::string_view> scheme_of(std::string_view text) {
  const auto colon = text.find(':');
  if (colon == std::string_view::npos || colon == 0) return std::nullopt;
  for (std::size_t i = 0; i < colon; ++i) {
    const char c = text[i];
    if (!ascii::is_alpha(c) &&
        !(i > 0 && (ascii::is_digit(c) || c == '+' || c == '-' || c == '.'))) {
      return std::nullopt;
    }
  }
  return text.substr(0, colon);
}

void collect_sources(const nlohmann::json& map, const std::string& map_path,
                     std::set<std::string>& named) {
  if (const auto sections = map.find("sections"); sections != map.end() && sections->is_array()) {
    for (const auto& section : *sections) {
      if (section.is_object()) {
        if (const auto inner = section.find("map"); inner != section.end()) {
          collect_sources(*inner, map_path, named);
        }
      }
    }
  }
  const auto sources = map.find("sources");
  if (sources == map.end() || !sources->is_array()) return;
  std::string root;
  if (const auto found = map.find("sourceRoot"); found != map.end() && found->is_string()) {
    root = found->get<std::string>();
  }
  for (const auto& source : *sources) {
    if (!source.is_string()) continue;
    if (auto path = resolve_source_path(map_path, root, source.get_ref<const std::string&>())) {
      named.insert(std::move(*path));
    }
  }
}

}  // namespace

std::string normalise_path(std::string_view absolute_path) {
  std::vector<std::string_view> kept;
  std::size_t start = 0;
  while (start <= absolute_path.size()) {
    const auto end = std::min(absolute_path.find('/', start), absolute_path.size());
    const std::string_view segment = absolute_path.substr(start, end - start);
    if (segment == "..") {
      if (!kept.empty()) kept.pop_back();
    } else if (!segment.empty() && segment != ".") {
      kept.push_back(segment);
    }
    start = end + 1;
  }
  std::string out;
  for (const auto segment : kept) {
    out += '/';
    out += segment;
  }
  return out.empty() ? "/" : out;
}

std::optional<std::string> resolve_source_path(std::string_view map_path,
                                               std::string_view source_root,
                                               std::string_view source) {
  // The root goes in front of the source unless the source is absolute itself.
  std::string joined(source);
  if (!source_root.empty() && !scheme_of(source) && !source.starts_with('/')) {
    joined = std::string(source_root);
    if (!joined.ends_with('/')) joined += '/';
    joined += source;
  }
  if (const auto scheme = scheme_of(joined)) {
    if (*scheme != "file") return std::nullopt;
    std::string_view rest = std::string_view(joined).substr(5);
    if (rest.starts_with("//")) {
      rest.remove_prefix(2);
      const auto slash = rest.find('/');
      const std::string_view host = rest.substr(0, slash);
      if (!host.empty() && host != "localhost") return std::nullopt;  // another machine's file
      if (slash == std::string_view::npos) return std::nullopt;
      rest.remove_prefix(slash);
    }
    if (!rest.starts_with('/')) return std::nullopt;
    return normalise_path(percent_decoded(rest.substr(0, rest.find_first_of("?#"))));
  }
  const std::string_view clean = std::string_view(joined).substr(0, joined.find_first_of("?#"));
  if (clean.starts_with('/')) return normalise_path(percent_decoded(clean));
  const std::string_view directory = map_path.substr(0, map_path.rfind('/') + 1);
  return normalise_path(std::string(directory) + percent_decoded(clean));
}

Result<std::string> SourceMapFiles::serve(const std::string& path, const LocalFileReader& read) {
  const std::string normal = normalise_path(path);
  if (normal != path) return Error("not a plain absolute path: " + path);
  auto bytes = read(path);
  if (!bytes) return std::move(bytes).error();
  if (named_sources_.contains(path)) return bytes;
  // A map is served, and opens its sources; anything else is no business of the frontend's.
  const auto document = nlohmann::json::parse(bytes.value(), nullptr, false);
  if (document.is_discarded() || !is_source_map(document)) {
    return Error("neither a source map nor a source named by one: " + path);
  }
  collect_sources(document, path, named_sources_);
  return bytes;
}

}  // namespace tavrik::gtk
