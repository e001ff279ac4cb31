// Text at the Win32 boundary: the system speaks UTF-16, the tool UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavrik::win32 {

// Strict conversions: nothing when the text is not valid Unicode (an unpaired surrogate, a
// malformed UTF-8 sequence).
std::optional<std::string> to_utf8(std::wstring_view text);
std::optional<std::wstring> to_wide(std::string_view text);

// Lenient conversions for text that only has to be shown: faults become U+FFFD.
std::string to_utf8_lossy(std::wstring_view text);
std::wstring to_wide_lossy(std::string_view text);

// The system's message for an error code, without the line end the system puts after it, or
// nothing when the system has no text for the code.
std::optional<std::string> system_message(std::uint32_t code);

// An HRESULT as "<system text> (HRESULT 0x80070002)".
std::string hresult_text(std::int32_t result);

}  // namespace tavrik::win32
