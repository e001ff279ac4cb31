#include "webview2_runtime.hpp"

#include <windows.h>

#include <algorithm>
#include <limits>

#include "platform/system_error.hpp"
#include "win32_text.hpp"

namespace tavrik::webview2 {

namespace {

using tavrik::win32::to_utf8_lossy;

struct ChannelEntry {
  Channel channel;
  const wchar_t* client_state_key;  // where the updater registers the channel's runtime
  const char* name;
};

constexpr ChannelEntry channel_entries[] = {
    {Channel::stable,
     L"Software\\Microsoft\\EdgeUpdate\\ClientState\\{F3017226-FE2A-4295-8BDF-00C3A9A7E4C5}",
     "stable"},
    {Channel::beta,
     L"Software\\Microsoft\\EdgeUpdate\\ClientState\\{2CD8A007-E189-409D-A2C8-9AF4EF3C72AA}",
     "beta"},
    {Channel::dev,
     L"Software\\Microsoft\\EdgeUpdate\\ClientState\\{0D50BFEC-CD6A-4F9A-964C-C7416E3ACB10}",
     "dev"},
    {Channel::canary,
     L"Software\\Microsoft\\EdgeUpdate\\ClientState\\{65C35B14-6C1D-4122-AC46-7148CC9D6497}",
     "canary"},
};

const ChannelEntry& entry_of(Channel channel) {
  return channel_entries[static_cast<std::size_t>(channel)];
}

constexpr char download_advice[] =
    "install the WebView2 runtime from https://developer.microsoft.com/microsoft-edge/webview2/ "
    "(Windows 11 has it already), or set WEBVIEW2_BROWSER_EXECUTABLE_FOLDER to the folder of a "
    "fixed-version runtime";

std::wstring environment_text(const wchar_t* name) {
  std::wstring value(256, L'\0');
  for (;;) {
    const DWORD length =
        GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size()));
    if (length < value.size()) {
      value.resize(length);
      return value;
    }
    value.resize(length);
  }
}

std::wstring_view trimmed(std::wstring_view text) {
  while (!text.empty() && (text.front() == L' ' || text.front() == L'\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == L' ' || text.back() == L'\t')) text.remove_suffix(1);
  return text;
}

bool is_file(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::wstring folder_of(const std::wstring& path) {
  const auto slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring without_trailing_separators(std::wstring path) {
  while (path.size() > 3 && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
  return path;
}

bool is_absolute(std::wstring_view path) {
  return path.starts_with(L"\\\\") || path.starts_with(L"//") ||
         (path.size() >= 3 && path[1] == L':' && (path[2] == L'\\' || path[2] == L'/'));
}

std::wstring full_path(const std::wstring& path) {
  std::wstring out(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetFullPathNameW(path.c_str(), static_cast<DWORD>(out.size()), out.data(), nullptr);
    if (length == 0) return path;
    if (length < out.size()) {
      out.resize(length);
      return out;
    }
    out.resize(length);
  }
}

// The runtime folder a channel's updater registered, in the 32-bit view where the (32-bit)
// updater writes it.
std::optional<std::wstring> registered_folder(HKEY root, const wchar_t* key_path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, key_path, 0, KEY_QUERY_VALUE | KEY_WOW64_32KEY, &key) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::optional<std::wstring> folder;
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExW(key, L"EBWebView", nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ)) {
    std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key, L"EBWebView", nullptr, &type, reinterpret_cast<BYTE*>(value.data()),
                         &size) == ERROR_SUCCESS) {
      value.resize(std::min<std::size_t>(size / sizeof(wchar_t), value.size()));
      value.resize(std::wstring_view(value.c_str()).size());  // the stored NUL, if any
      if (type == REG_EXPAND_SZ) {
        const DWORD needed = ExpandEnvironmentStringsW(value.c_str(), nullptr, 0);
        std::wstring expanded(needed, L'\0');
        if (needed != 0 && ExpandEnvironmentStringsW(value.c_str(), expanded.data(), needed) != 0) {
          expanded.resize(std::wstring_view(expanded.c_str()).size());
          value = std::move(expanded);
        }
      }
      if (!value.empty()) folder = std::move(value);
    }
  }
  RegCloseKey(key);
  return folder;
}

std::string listed(const std::vector<std::string>& words) {
  std::string out;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (i != 0) out += i + 1 == words.size() ? " and " : ", ";
    out += words[i];
  }
  return out;
}

// Creates the folder, and the folders above it, unless it exists.
DWORD create_folder(const std::wstring& path) {
  if (CreateDirectoryW(path.c_str(), nullptr)) return ERROR_SUCCESS;
  DWORD error = GetLastError();
  if (error == ERROR_PATH_NOT_FOUND) {
    const std::wstring parent = folder_of(path);
    if (parent.empty() || parent.size() >= path.size()) return error;
    error = create_folder(parent);
    if (error != ERROR_SUCCESS) return error;
    if (CreateDirectoryW(path.c_str(), nullptr)) return ERROR_SUCCESS;
    error = GetLastError();
  }
  if (error != ERROR_ALREADY_EXISTS) return error;
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
             ? ERROR_SUCCESS
             : ERROR_DIRECTORY;
}

// Creates the folder unless it exists, and writes and deletes a file in it. Nothing when that
// worked, else why not.
std::optional<std::string> unusable_because(const std::wstring& folder) {
  DWORD error = create_folder(folder);
  if (error == ERROR_SUCCESS) {
    const std::wstring probe =
        folder + L"\\.tavrik-write-test-" + std::to_wstring(GetCurrentProcessId());
    const HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
      error = GetLastError();
    } else {
      CloseHandle(file);
    }
  }
  if (error == ERROR_SUCCESS) return std::nullopt;
  return platform::system_error_text(static_cast<int>(error));
}

}  // namespace

std::optional<RuntimeVersion> parse_runtime_version(std::wstring_view text) {
  RuntimeVersion version;
  for (std::size_t part = 0; part < version.parts.size(); ++part) {
    if (part != 0) {
      if (text.empty() || text.front() != L'.') return std::nullopt;
      text.remove_prefix(1);
    }
    std::uint64_t value = 0;
    std::size_t digits = 0;
    while (digits < text.size() && text[digits] >= L'0' && text[digits] <= L'9') {
      value = value * 10 + static_cast<std::uint64_t>(text[digits] - L'0');
      if (value > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
      ++digits;
    }
    if (digits == 0) return std::nullopt;
    version.parts[part] = static_cast<std::uint32_t>(value);
    text.remove_prefix(digits);
  }
  if (!text.empty()) return std::nullopt;
  return version;
}

std::string to_string(const RuntimeVersion& version) {
  std::string out;
  for (const auto part : version.parts) {
    if (!out.empty()) out += '.';
    out += std::to_string(part);
  }
  return out;
}

RuntimeSettings RuntimeSettings::from_environment() {
  return {environment_text(L"WEBVIEW2_BROWSER_EXECUTABLE_FOLDER"),
          environment_text(L"WEBVIEW2_RELEASE_CHANNEL_PREFERENCE"),
          environment_text(L"WEBVIEW2_RELEASE_CHANNELS"),
          environment_text(L"WEBVIEW2_CHANNEL_SEARCH_KIND")};
}

std::vector<Channel> channel_search_order(const RuntimeSettings& settings) {
  // WEBVIEW2_RELEASE_CHANNELS: comma-separated channel numbers, 0 stable to 3 canary; entries
  // that are not one of them are passed over.
  bool wanted[4] = {false, false, false, false};
  bool any = false;
  std::wstring_view list = settings.release_channels;
  while (!list.empty()) {
    const auto comma = list.find(L',');
    const std::wstring_view item = trimmed(list.substr(0, comma));
    list = comma == std::wstring_view::npos ? std::wstring_view() : list.substr(comma + 1);
    if (item.size() == 1 && item[0] >= L'0' && item[0] <= L'3') {
      wanted[item[0] - L'0'] = true;
      any = true;
    }
  }
  std::vector<Channel> order;
  for (const auto& entry : channel_entries) {
    if (!any || wanted[static_cast<std::size_t>(entry.channel)]) order.push_back(entry.channel);
  }
  // The newer WEBVIEW2_CHANNEL_SEARCH_KIND (1: least stable first) decides when it is set; the
  // older WEBVIEW2_RELEASE_CHANNEL_PREFERENCE (1: the same) otherwise.
  const std::wstring_view search_kind = trimmed(settings.channel_search_kind);
  const bool least_stable_first = !search_kind.empty()
                                      ? search_kind == L"1"
                                      : trimmed(settings.release_channel_preference) == L"1";
  if (least_stable_first) std::reverse(order.begin(), order.end());
  return order;
}

const wchar_t* engine_path_in_runtime() {
#if defined(__aarch64__) || defined(_M_ARM64)
  return L"EBWebView\\arm64\\EmbeddedBrowserWebView.dll";
#elif defined(__x86_64__) || defined(_M_X64)
  return L"EBWebView\\x64\\EmbeddedBrowserWebView.dll";
#else
  return L"EBWebView\\x86\\EmbeddedBrowserWebView.dll";
#endif
}

Result<Runtime> find_runtime(const RuntimeSettings& settings, const std::wstring& exe_path) {
  const std::string engine_name = to_utf8_lossy(engine_path_in_runtime());
  const std::wstring_view fixed = trimmed(settings.browser_executable_folder);
  if (!fixed.empty()) {
    std::wstring folder(fixed);
    if (!is_absolute(folder)) folder = folder_of(exe_path) + L"\\" + folder;
    folder = without_trailing_separators(full_path(folder));
    const std::wstring engine = folder + L"\\" + engine_path_in_runtime();
    if (is_file(engine)) return Runtime{engine, RuntimeKind::fixed_version};
    return Error("WEBVIEW2_BROWSER_EXECUTABLE_FOLDER names " + to_utf8_lossy(folder) +
                 ", which holds no " + engine_name +
                 "; set it to the folder of a fixed-version WebView2 runtime, or remove it to use "
                 "the installed runtime");
  }

  const std::vector<Channel> order = channel_search_order(settings);
  std::vector<std::string> channel_names;
  std::vector<std::string> passed_over;
  for (const Channel channel : order) {
    const ChannelEntry& entry = entry_of(channel);
    channel_names.emplace_back(entry.name);
    for (const HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
      const auto registered = registered_folder(root, entry.client_state_key);
      if (!registered) continue;
      const std::wstring folder = without_trailing_separators(*registered);
      const std::string where =
          std::string(entry.name) +
          (root == HKEY_LOCAL_MACHINE ? " per machine at " : " per user at ") +
          to_utf8_lossy(folder);
      // The folder's last component is the runtime's version.
      const std::wstring name = folder.substr(folder.find_last_of(L"\\/") + 1);
      const auto version = parse_runtime_version(name);
      if (!version) {
        passed_over.push_back(where + " (no version in its name)");
        continue;
      }
      if (*version < minimum_runtime_version) {
        passed_over.push_back(where + " (version " + to_string(*version) + ", older than " +
                              to_string(minimum_runtime_version) + ")");
        continue;
      }
      const std::wstring engine = folder + L"\\" + engine_path_in_runtime();
      if (!is_file(engine)) {
        passed_over.push_back(where + " (no " + engine_name + ")");
        continue;
      }
      return Runtime{engine, RuntimeKind::installed};
    }
  }

  std::string message =
      "no usable WebView2 runtime: looked for WebView2Loader.dll beside " +
      to_utf8_lossy(exe_path) + ", and for the EBWebView value of the WebView2 runtime's " +
      listed(channel_names) + (channel_names.size() == 1 ? " channel" : " channels") +
      " under HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER"
      "\\Software\\Microsoft\\EdgeUpdate\\ClientState (32-bit view)";
  if (passed_over.empty()) {
    message += ", and found none";
  } else {
    message += ", and passed over " + listed(passed_over);
  }
  return Error(message + "; " + download_advice);
}

Result<UserDataFolder> choose_user_data_folder(const std::wstring& exe_path,
                                               const std::wstring& from_environment,
                                               const std::wstring& local_app_data) {
  if (!trimmed(from_environment).empty()) return UserDataFolder{from_environment, false};
  const std::wstring beside = exe_path + L".WebView2";
  const auto beside_fault = unusable_because(beside);
  if (!beside_fault) return UserDataFolder{beside, true};
  if (local_app_data.empty()) {
    return Error("WebView2 cannot keep its user data in " + to_utf8_lossy(beside) + " (" +
                 *beside_fault + ") and the user has no local application data folder");
  }
  const std::wstring fallback =
      without_trailing_separators(local_app_data) + L"\\tavrik_inspector\\WebView2";
  const auto fallback_fault = unusable_because(fallback);
  if (!fallback_fault) return UserDataFolder{fallback, false};
  return Error("WebView2 can keep its user data neither in " + to_utf8_lossy(beside) + " (" +
               *beside_fault + ") nor in " + to_utf8_lossy(fallback) + " (" + *fallback_fault +
               "); set WEBVIEW2_USER_DATA_FOLDER to a folder you can write");
}

}  // namespace tavrik::webview2
