// What a `devtools` response becomes for WebView2: a read-only stream over the constant body
// (never a copy of it), the standard reason phrase and the one header line.
#pragma once

#include <objidl.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tavrik::webview2 {

// A new stream, reference count 1, over bytes that outlive it (the bundle, a constant text).
IStream* new_constant_stream(std::span<const std::uint8_t> bytes);

// The standard reason phrase of the two statuses the handler gives ("OK", "Not Found"); empty
// for any other.
const wchar_t* reason_phrase(std::uint16_t status);

// The header text WebView2 takes: "Content-Type: <value>".
std::wstring response_headers(std::string_view content_type);

}  // namespace tavrik::webview2
