#include "win32_text.hpp"

#include <windows.h>

#include <climits>
#include <cstdio>

namespace tavrik::win32 {

namespace {

// The conversion functions count in int: longer text is refused, which no argument, variable,
// address or message comes near.
std::optional<std::string> utf8_from(std::wstring_view text, DWORD flags) {
  if (text.empty()) return std::string();
  if (text.size() > INT_MAX) return std::nullopt;
  const int in_length = static_cast<int>(text.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, flags, text.data(), in_length, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return std::nullopt;
  std::string out(static_cast<std::size_t>(length), '\0');
  if (WideCharToMultiByte(CP_UTF8, flags, text.data(), in_length, out.data(), length, nullptr,
                          nullptr) != length) {
    return std::nullopt;
  }
  return out;
}

std::optional<std::wstring> wide_from(std::string_view text, DWORD flags) {
  if (text.empty()) return std::wstring();
  if (text.size() > INT_MAX) return std::nullopt;
  const int in_length = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_UTF8, flags, text.data(), in_length, nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring out(static_cast<std::size_t>(length), L'\0');
  if (MultiByteToWideChar(CP_UTF8, flags, text.data(), in_length, out.data(), length) != length) {
    return std::nullopt;
  }
  return out;
}

}  // namespace

std::optional<std::string> to_utf8(std::wstring_view text) {
  return utf8_from(text, WC_ERR_INVALID_CHARS);
}

std::optional<std::wstring> to_wide(std::string_view text) {
  return wide_from(text, MB_ERR_INVALID_CHARS);
}

std::string to_utf8_lossy(std::wstring_view text) { return utf8_from(text, 0).value_or(""); }

std::wstring to_wide_lossy(std::string_view text) { return wide_from(text, 0).value_or(L""); }

std::optional<std::string> system_message(std::uint32_t code) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  if (length == 0 || buffer == nullptr) return std::nullopt;
  std::wstring_view text(buffer, length);
  // The system ends its texts with CR LF (Wine with CR CR LF).
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n')) text.remove_suffix(1);
  std::string message = to_utf8_lossy(text);
  LocalFree(buffer);
  if (message.empty()) return std::nullopt;
  return message;
}

std::string hresult_text(std::int32_t result) {
  const auto code = static_cast<std::uint32_t>(result);
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%08lX", static_cast<unsigned long>(code));
  return system_message(code).value_or("unknown error") + " (HRESULT " + hex + ")";
}

}  // namespace tavrik::win32
