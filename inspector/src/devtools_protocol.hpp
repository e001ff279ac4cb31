// The `devtools` scheme handler: answers the web view's requests from the embedded bundle.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tavrik {

// The one name under which the handler is registered, and the first label of the embedded
// origin's host ("http://devtools.localhost").
inline constexpr std::string_view devtools_scheme_name = "devtools";

// What the handler reads of a request: only its URI (scheme and authority optional).
struct DevtoolsRequest {
  std::string_view uri;
};

// Status, the single "content-type" header and a body view of constant bytes that live for the
// whole process. The response never owns the body.
struct DevtoolsResponse {
  std::uint16_t status = 0;
  std::string_view content_type;
  std::span<const std::uint8_t> body;
};

// The content-type value for a path, by the text after its last "." (the whole path if it has
// none), compared case-sensitively; "application/octet-stream" for anything unknown.
std::string_view content_type_for(std::string_view path);

// Synchronous form: the web view adapter passes the returned response to the request's responder
// at once. 200 with the file's bytes for a path of the bundle (leading "/" removed, "" meaning
// "js_app.html"), else 404 "Not Found" as text/plain; charset=utf-8. Never fails, never copies.
DevtoolsResponse handle_devtools_request(const DevtoolsRequest& request);

}  // namespace tavrik
