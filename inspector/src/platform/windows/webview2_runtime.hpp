// Finding an installed WebView2 runtime without Microsoft's loader DLL, and the user-data folder
// the web view keeps its profile in.
#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "error_chain.hpp"
#include "webview2.hpp"

namespace tavrik::webview2 {

// A runtime version, "120.0.2210.91": four numbers, compared part by part.
struct RuntimeVersion {
  std::array<std::uint32_t, 4> parts{};
  auto operator<=>(const RuntimeVersion&) const = default;
};

std::optional<RuntimeVersion> parse_runtime_version(std::wstring_view text);
std::string to_string(const RuntimeVersion& version);

// Older runtimes lack what the host calls.
inline constexpr RuntimeVersion minimum_runtime_version{{86, 0, 616, 0}};

enum class Channel { stable, beta, dev, canary };

// The environment variables that steer the search, as the process has them (empty when unset).
struct RuntimeSettings {
  std::wstring browser_executable_folder = {};   // WEBVIEW2_BROWSER_EXECUTABLE_FOLDER
  std::wstring release_channel_preference = {};  // WEBVIEW2_RELEASE_CHANNEL_PREFERENCE
  std::wstring release_channels = {};            // WEBVIEW2_RELEASE_CHANNELS
  std::wstring channel_search_kind = {};         // WEBVIEW2_CHANNEL_SEARCH_KIND

  static RuntimeSettings from_environment();
};

// The channels to look at, in order: most stable first unless the settings ask for the
// reverse; only those that WEBVIEW2_RELEASE_CHANNELS names when it names any valid one.
std::vector<Channel> channel_search_order(const RuntimeSettings& settings);

struct Runtime {
  std::wstring engine_path;  // absolute path of EmbeddedBrowserWebView.dll
  RuntimeKind kind = RuntimeKind::installed;
};

// The engine's path inside a runtime folder, for the architecture of this build.
const wchar_t* engine_path_in_runtime();

// The runtime named by WEBVIEW2_BROWSER_EXECUTABLE_FOLDER (absolute, or relative to the .exe's
// folder), else the first Evergreen runtime registered for a channel in search order, per machine
// before per user, that is recent enough and whose engine exists. `exe_path` is the full path of
// the .exe. The error says what was looked for, where, and what to do.
Result<Runtime> find_runtime(const RuntimeSettings& settings, const std::wstring& exe_path);

struct UserDataFolder {
  std::wstring path;
  bool is_default = false;  // the runtime's own default, beside the .exe
};

// WEBVIEW2_USER_DATA_FOLDER when set (`from_environment`), else WebView2's default beside the
// .exe ("<exe>.WebView2") when it can be created and written, else a folder under the user's
// local application data (`local_app_data`), which fails only when neither can be used.
Result<UserDataFolder> choose_user_data_folder(const std::wstring& exe_path,
                                               const std::wstring& from_environment,
                                               const std::wstring& local_app_data);

}  // namespace tavrik::webview2
