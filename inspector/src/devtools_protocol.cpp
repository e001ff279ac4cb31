#include "devtools_protocol.hpp"

#include "bundle.hpp"

namespace tavrik {
namespace {

constexpr std::string_view kDefaultDocument = "js_app.html";

struct ContentTypeRow {
  std::string_view extension;
  std::string_view value;
};

constexpr ContentTypeRow kContentTypes[] = {
    {"html", "text/html; charset=utf-8"},
    {"js", "text/javascript; charset=utf-8"},
    {"mjs", "text/javascript; charset=utf-8"},
    {"css", "text/css; charset=utf-8"},
    {"json", "application/json; charset=utf-8"},
    {"md", "text/markdown; charset=utf-8"},
    {"svg", "image/svg+xml"},
    {"png", "image/png"},
    {"avif", "image/avif"},
    {"woff2", "font/woff2"},
    {"wasm", "application/wasm"},
};
constexpr std::string_view kFallbackContentType = "application/octet-stream";

constexpr std::string_view kNotFoundContentType = "text/plain; charset=utf-8";
constexpr std::uint8_t kNotFoundBody[] = {'N', 'o', 't', ' ', 'F', 'o', 'u', 'n', 'd'};

// What the web views accept as a header value: no control byte other than the tab.
constexpr bool is_valid_header_value(std::string_view value) {
  for (const char c : value) {
    const auto b = static_cast<unsigned char>(c);
    if (b <= 0x08 || (b >= 0x0A && b <= 0x1F) || b == 0x7F) {
      return false;
    }
  }
  return true;
}

constexpr bool content_types_are_valid() {
  for (const auto& row : kContentTypes) {
    if (!is_valid_header_value(row.value)) {
      return false;
    }
  }
  return is_valid_header_value(kFallbackContentType);
}

// Every header value is a constant, so building a response cannot fail at run time.
static_assert(content_types_are_valid(), "static content-type header is valid");
static_assert(is_valid_header_value(kNotFoundContentType), "static 404 response is valid");

constexpr bool is_scheme_char(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '+' ||
         c == '-' || c == '.';
}

// Position of the first of `stops` in `text` at or after `from`, or the size of `text`.
template <std::size_t N>
std::size_t scan_to(std::string_view text, std::size_t from, const char (&stops)[N]) {
  for (std::size_t i = from; i < text.size(); ++i) {
    for (std::size_t k = 0; k + 1 < N; ++k) {
      if (text[i] == stops[k]) {
        return i;
      }
    }
  }
  return text.size();
}

// The path component: after "scheme:" and "//authority" where the URI has them, up to the query.
// A fragment (which web views do not pass on) ends it too.
std::string_view uri_path(std::string_view uri) {
  std::size_t start = 0;
  const bool starts_alpha =
      !uri.empty() && ((uri[0] >= 'a' && uri[0] <= 'z') || (uri[0] >= 'A' && uri[0] <= 'Z'));
  if (starts_alpha) {
    std::size_t scheme_end = 1;
    while (scheme_end < uri.size() && is_scheme_char(uri[scheme_end])) {
      ++scheme_end;
    }
    if (scheme_end < uri.size() && uri[scheme_end] == ':') {
      start = scheme_end + 1;
    }
  }
  if (uri.substr(start).starts_with("//")) {
    start = scan_to(uri, start + 2, "/?#");
  }
  return uri.substr(start, scan_to(uri, start, "?#") - start);
}

}  // namespace

std::string_view content_type_for(std::string_view path) {
  const std::size_t dot = path.rfind('.');
  const std::string_view extension = dot == std::string_view::npos ? path : path.substr(dot + 1);
  for (const auto& row : kContentTypes) {
    if (row.extension == extension) {
      return row.value;
    }
  }
  return kFallbackContentType;
}

DevtoolsResponse handle_devtools_request(const DevtoolsRequest& request) {
  std::string_view path = uri_path(request.uri);
  const std::size_t first = path.find_first_not_of('/');
  path.remove_prefix(first == std::string_view::npos ? path.size() : first);
  if (path.empty()) {
    path = kDefaultDocument;
  }
  if (const FrontendAsset* asset = find_asset(path)) {
    return {200, content_type_for(path), asset->data};
  }
  return {404, kNotFoundContentType, kNotFoundBody};
}

}  // namespace tavrik
