// A request URI, as the web view hands it over, turned into the `devtools` scheme's answer: 200
// with the bytes of one bundle record and the type of its extension, or the fixed 404.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "bundle.hpp"
#include "devtools_protocol.hpp"
#include "fuzz_check.hpp"

namespace {

constexpr std::string_view content_types[] = {
    "text/html; charset=utf-8",
    "text/javascript; charset=utf-8",
    "text/css; charset=utf-8",
    "application/json; charset=utf-8",
    "text/markdown; charset=utf-8",
    "image/svg+xml",
    "image/png",
    "image/avif",
    "font/woff2",
    "application/wasm",
    "application/octet-stream",
};

bool is_table_value(std::string_view value) {
  for (const auto known : content_types) {
    if (known == value) return true;
  }
  return false;
}

// The record whose bytes the body is: the very same view, not a copy.
const tavrik::FrontendAsset* record_of(std::span<const std::uint8_t> body) {
  for (const auto& asset : tavrik::frontend_bundle()) {
    if (asset.data.data() == body.data() && asset.data.size() == body.size()) return &asset;
  }
  return nullptr;
}

bool same_response(const tavrik::DevtoolsResponse& a, const tavrik::DevtoolsResponse& b) {
  return a.status == b.status && a.content_type == b.content_type &&
         a.body.data() == b.body.data() && a.body.size() == b.body.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string uri(tavrik::fuzz::as_text(data, size));
  const auto response = tavrik::handle_devtools_request({uri});

  if (response.status == 404) {
    TAVRIK_FUZZ_CHECK(response.content_type == "text/plain; charset=utf-8");
    TAVRIK_FUZZ_CHECK(response.body.size() == 9 &&
                      std::memcmp(response.body.data(), "Not Found", 9) == 0);
  } else {
    TAVRIK_FUZZ_CHECK(response.status == 200);
    TAVRIK_FUZZ_CHECK(is_table_value(response.content_type));
    const tavrik::FrontendAsset* asset = record_of(response.body);
    TAVRIK_FUZZ_CHECK(asset != nullptr);
    TAVRIK_FUZZ_CHECK(response.content_type == tavrik::content_type_for(asset->path));
    // The record's path stands in the URI (backslashes read as "/"), or it is the default document.
    std::string slashed = uri;
    for (char& c : slashed) c = c == '\\' ? '/' : c;
    TAVRIK_FUZZ_CHECK(slashed.find(asset->path) != std::string::npos ||
                      asset->path == "js_app.html");
    // Asking for the record by its own path gives the same answer.
    const std::string direct = "/" + std::string(asset->path);
    TAVRIK_FUZZ_CHECK(same_response(tavrik::handle_devtools_request({direct}), response));
  }
  // The query plays no part: one added to a URI without a query or fragment changes nothing.
  if (uri.find_first_of("?#") == std::string::npos) {
    const std::string with_query = uri + "?ws=127.0.0.1:9229/abc&experiments=true";
    TAVRIK_FUZZ_CHECK(same_response(tavrik::handle_devtools_request({with_query}), response));
  }
  return 0;
}
