// Finding the WebView2 runtime with no WebView2Loader.dll anywhere: stand-in runtimes (copies of
// helpers/fake_webview2_loader built as EmbeddedBrowserWebView.dll) in folders named by version,
// registered in this Wine prefix's registry where the Evergreen runtime registers, per machine
// and per user. Every registry entry and environment variable a test sets is undone after it.
#include "webview2_runtime.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>

#include "devtools_protocol.hpp"
#include "win32_text.hpp"
#include "win32_window.hpp"
#include "windows_test_support.hpp"

namespace tavrik::webview2 {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::wstring stable = L"{F3017226-FE2A-4295-8BDF-00C3A9A7E4C5}";
const std::wstring beta = L"{2CD8A007-E189-409D-A2C8-9AF4EF3C72AA}";
const std::wstring dev = L"{0D50BFEC-CD6A-4F9A-964C-C7416E3ACB10}";
const std::wstring canary = L"{65C35B14-6C1D-4122-AC46-7148CC9D6497}";

// ---------------------------------------------------------------------------------------------
// Versions and channel order.

TEST(RuntimeVersion, ComparesPartByPartAndRefusesWhatIsNotAVersion) {
  struct Case {
    const wchar_t* text;
    std::optional<bool> recent_enough;  // nothing: not a version
  };
  const std::vector<Case> cases = {
      {L"86.0.616.0", true},        {L"86.0.615.99", false},
      {L"85.9.9999.9999", false},   {L"86.0.1000.0", true},  // "1000" sorts before "616" as text
      {L"100.0.0.0", true},                                  // "100" sorts before "86" as text
      {L"120.0.2210.91", true},     {L"9.0.616.0", false},
      {L"4294967295.0.0.0", true},  {L"4294967296.0.0.0", std::nullopt},  // beyond 32 bits
      {L"86.0.616", std::nullopt},  {L"86.0.616.0.1", std::nullopt},
      {L"86..616.0", std::nullopt}, {L"86.0.616.0 ", std::nullopt},
      {L"86.0.x.0", std::nullopt},  {L"-86.0.616.0", std::nullopt},
      {L"", std::nullopt},          {L"Application", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(win32::to_utf8_lossy(c.text));
    const auto version = parse_runtime_version(c.text);
    ASSERT_EQ(version.has_value(), c.recent_enough.has_value());
    if (version) {
      EXPECT_EQ(*version >= minimum_runtime_version, *c.recent_enough);
      EXPECT_EQ(to_string(*version), win32::to_utf8_lossy(c.text));
    }
  }
}

TEST(ChannelOrder, MostStableFirstUnlessTheEnvironmentSaysOtherwise) {
  using enum Channel;
  struct Case {
    RuntimeSettings settings;
    std::vector<Channel> order;
  };
  const std::vector<Case> cases = {
      {{}, {stable, beta, dev, canary}},
      {{.release_channel_preference = L"1"}, {canary, dev, beta, stable}},
      {{.release_channel_preference = L"0"}, {stable, beta, dev, canary}},
      {{.channel_search_kind = L"1"}, {canary, dev, beta, stable}},
      // The newer variable wins over the older one.
      {{.release_channel_preference = L"1", .channel_search_kind = L"0"},
       {stable, beta, dev, canary}},
      {{.release_channels = L"2"}, {dev}},
      {{.release_channels = L"3, 0"}, {stable, canary}},
      {{.release_channels = L"1,2", .channel_search_kind = L"1"}, {dev, beta}},
      // Entries that name no channel are passed over; none valid means all.
      {{.release_channels = L"2,7,x"}, {dev}},
      {{.release_channels = L"9,beta"}, {stable, beta, dev, canary}},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(channel_search_order(cases[i].settings), cases[i].order);
  }
}

// ---------------------------------------------------------------------------------------------
// The search through the registry, with runtimes on disk.

// A value written under ClientState\{channel}, and taken back when the test ends.
class Registration {
 public:
  Registration(HKEY root, const std::wstring& channel, const std::wstring& folder,
               REGSAM view = KEY_WOW64_32KEY)
      : root_(root),
        key_(L"Software\\Microsoft\\EdgeUpdate\\ClientState\\" + channel),
        view_(view) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExW(root_, key_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view_, nullptr, &key,
                        &disposition) != ERROR_SUCCESS) {
      throw std::runtime_error("cannot create the test's registry key");
    }
    created_ = disposition == REG_CREATED_NEW_KEY;
    wchar_t previous[1024];
    DWORD size = sizeof previous;
    DWORD type = 0;
    if (RegQueryValueExW(key, L"EBWebView", nullptr, &type, reinterpret_cast<BYTE*>(previous),
                         &size) == ERROR_SUCCESS) {
      previous_.emplace(previous, size / sizeof(wchar_t));
    }
    RegSetValueExW(key, L"EBWebView", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                   static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
  }
  ~Registration() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root_, key_.c_str(), 0, KEY_ALL_ACCESS | view_, &key) == ERROR_SUCCESS) {
      if (previous_) {
        RegSetValueExW(key, L"EBWebView", 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(previous_->data()),
                       static_cast<DWORD>(previous_->size() * sizeof(wchar_t)));
      } else {
        RegDeleteValueW(key, L"EBWebView");
      }
      RegCloseKey(key);
    }
    if (created_) {
      // The key and the parents that nothing else uses (deleting a key that has subkeys fails).
      std::wstring path = key_;
      for (int up = 0; up < 3; ++up) {
        if (RegDeleteKeyExW(root_, path.c_str(), view_, 0) != ERROR_SUCCESS) break;
        path = path.substr(0, path.find_last_of(L'\\'));
      }
    }
  }
  Registration(const Registration&) = delete;
  Registration& operator=(const Registration&) = delete;

 private:
  HKEY root_;
  std::wstring key_;
  REGSAM view_;
  bool created_ = false;
  std::optional<std::wstring> previous_;
};

// A folder of the test's own, with no WebView2Loader.dll in it, removed afterwards.
class RuntimeSearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    root = fs::path(temp) / (L"tavrik-runtime-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                             std::to_wstring(GetTickCount64()));
    fs::create_directories(root / L"app");
    exe_path = (root / L"app" / L"tavrik_inspector.exe").wstring();
  }

  void TearDown() override {
    registrations.clear();
    for (const auto& [name, value] : saved_environment) {
      SetEnvironmentVariableW(name.c_str(), value ? value->c_str() : nullptr);
    }
    std::error_code ignored;
    fs::remove_all(root, ignored);
  }

  // A stand-in runtime under `place`, in a folder named by its version; the folder's path.
  std::wstring runtime(const std::wstring& place, const std::wstring& version,
                       bool with_engine = true) {
    const fs::path folder = root / place / version;
    fs::create_directories(folder / L"EBWebView" / L"x64");
    if (with_engine) {
      fs::copy_file(fs::path(tavrik::testing::test_program_folder()) / L"fake_runtime" /
                        L"EBWebView" / L"x64" / L"EmbeddedBrowserWebView.dll",
                    folder / L"EBWebView" / L"x64" / L"EmbeddedBrowserWebView.dll");
    }
    return folder.wstring();
  }

  static std::wstring engine_in(const std::wstring& folder) {
    return folder + L"\\EBWebView\\x64\\EmbeddedBrowserWebView.dll";
  }

  void add(HKEY root_key, const std::wstring& channel, const std::wstring& folder,
           REGSAM view = KEY_WOW64_32KEY) {
    registrations.push_back(std::make_unique<Registration>(root_key, channel, folder, view));
  }

  void set_environment(const std::wstring& name, const std::wstring& value) {
    if (!saved_environment.contains(name)) {
      wchar_t buffer[4096];
      const DWORD length = GetEnvironmentVariableW(name.c_str(), buffer, 4096);
      saved_environment[name] =
          length == 0 ? std::nullopt : std::optional<std::wstring>(std::wstring(buffer, length));
    }
    SetEnvironmentVariableW(name.c_str(), value.c_str());
  }

  std::string found(const RuntimeSettings& settings = {}) {
    const auto runtime_found = find_runtime(settings, exe_path);
    if (!runtime_found) return "error: " + runtime_found.error().message();
    return win32::to_utf8_lossy(runtime_found.value().engine_path) +
           (runtime_found.value().kind == RuntimeKind::fixed_version ? " fixed" : " installed");
  }

  std::string expected(const std::wstring& folder, const char* kind = " installed") {
    return win32::to_utf8_lossy(engine_in(folder)) + kind;
  }

  fs::path root;
  std::wstring exe_path;
  std::vector<std::unique_ptr<Registration>> registrations;
  std::map<std::wstring, std::optional<std::wstring>> saved_environment;
};

TEST_F(RuntimeSearchTest, ChannelsInOrderPerMachineBeforePerUser) {
  const auto machine_stable = runtime(L"machine-stable", L"120.0.2210.91");
  const auto user_stable = runtime(L"user-stable", L"121.0.1.0");
  const auto machine_beta = runtime(L"machine-beta", L"122.0.1.0");
  const auto user_canary = runtime(L"user-canary", L"124.0.1.0");

  EXPECT_TRUE(found().starts_with("error: ")) << found();  // nothing registered yet

  add(HKEY_CURRENT_USER, canary, user_canary);
  EXPECT_EQ(found(), expected(user_canary));
  add(HKEY_LOCAL_MACHINE, beta, machine_beta);
  EXPECT_EQ(found(), expected(machine_beta));  // beta before canary, whoever installed it
  add(HKEY_CURRENT_USER, stable, user_stable);
  EXPECT_EQ(found(), expected(user_stable));                // the channel comes before the place
  add(HKEY_LOCAL_MACHINE, stable, machine_stable + L"\\");  // a trailing separator is allowed
  EXPECT_EQ(found(), expected(machine_stable));             // per machine before per user

  // Least stable first, by either variable; or only the channels asked for.
  EXPECT_EQ(found({.release_channel_preference = L"1"}), expected(user_canary));
  EXPECT_EQ(found({.channel_search_kind = L"1"}), expected(user_canary));
  EXPECT_EQ(found({.release_channels = L"1"}), expected(machine_beta));
  EXPECT_TRUE(found({.release_channels = L"2"}).starts_with("error: ")) << found();
}

TEST_F(RuntimeSearchTest, OldMissingAndMisnamedRuntimesArePassedOverForTheNextOne) {
  const auto too_old = runtime(L"old", L"86.0.615.0");
  const auto no_engine = runtime(L"empty", L"123.0.1.0", false);
  const auto misnamed = runtime(L"named", L"Application");
  const auto good = runtime(L"good", L"86.0.616.0");
  add(HKEY_LOCAL_MACHINE, stable, too_old);
  add(HKEY_CURRENT_USER, stable, no_engine);
  add(HKEY_LOCAL_MACHINE, beta, misnamed);
  add(HKEY_CURRENT_USER, beta, good);
  EXPECT_EQ(found(), expected(good));
}

TEST_F(RuntimeSearchTest, OnlyTheThirtyTwoBitViewCounts) {
  // Where a 64-bit program would write without the flag: not where the updater registers.
  add(HKEY_LOCAL_MACHINE, stable, runtime(L"native", L"120.0.1.0"), KEY_WOW64_64KEY);
  EXPECT_TRUE(found().starts_with("error: ")) << found();
}

TEST_F(RuntimeSearchTest, AFixedVersionFolderFromTheEnvironmentComesFirst) {
  const auto fixed = runtime(L"app\\fixed", L"WebView2.FixedVersionRuntime");
  add(HKEY_LOCAL_MACHINE, stable, runtime(L"installed", L"120.0.1.0"));
  // Absolute, or relative to the .exe's folder; its name need not be a version.
  EXPECT_EQ(found({.browser_executable_folder = fixed}), expected(fixed, " fixed"));
  EXPECT_EQ(found({.browser_executable_folder = L"fixed\\WebView2.FixedVersionRuntime"}),
            expected(fixed, " fixed"));
  // A folder without an engine is an error, not a reason to take another runtime.
  const std::wstring wrong = (root / L"nowhere").wstring();
  EXPECT_EQ(found({.browser_executable_folder = wrong}),
            "error: WEBVIEW2_BROWSER_EXECUTABLE_FOLDER names " + win32::to_utf8_lossy(wrong) +
                ", which holds no EBWebView\\x64\\EmbeddedBrowserWebView.dll; set it to the folder "
                "of a fixed-version WebView2 runtime, or remove it to use the installed runtime");
}

TEST_F(RuntimeSearchTest, WhenNothingIsFoundTheMessageSaysWhatWasLookedForAndWhere) {
  const std::string exe = win32::to_utf8_lossy(exe_path);
  const std::string advice =
      "; install the WebView2 runtime from https://developer.microsoft.com/microsoft-edge/webview2/"
      " (Windows 11 has it already), or set WEBVIEW2_BROWSER_EXECUTABLE_FOLDER to the folder of a "
      "fixed-version runtime";
  const std::string looked = "no usable WebView2 runtime: looked for WebView2Loader.dll beside " +
                             exe + ", and for the EBWebView value of the WebView2 runtime's ";
  const std::string where =
      " under HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER\\Software\\Microsoft\\EdgeUpdate\\"
      "ClientState (32-bit view)";
  EXPECT_EQ(found(), "error: " + looked + "stable, beta, dev and canary channels" + where +
                         ", and found none" + advice);
  EXPECT_EQ(found({.release_channels = L"3"}),
            "error: " + looked + "canary channel" + where + ", and found none" + advice);

  const auto too_old = runtime(L"old", L"80.0.361.111");
  const auto no_engine = runtime(L"empty", L"123.0.1.0", false);
  add(HKEY_LOCAL_MACHINE, stable, too_old);
  add(HKEY_CURRENT_USER, dev, no_engine);
  EXPECT_EQ(found(), "error: " + looked + "stable, beta, dev and canary channels" + where +
                         ", and passed over stable per machine at " +
                         win32::to_utf8_lossy(too_old) +
                         " (version 80.0.361.111, older than 86.0.616.0) and dev per user at " +
                         win32::to_utf8_lossy(no_engine) +
                         " (no EBWebView\\x64\\EmbeddedBrowserWebView.dll)" + advice);
}

// ---------------------------------------------------------------------------------------------
// The user-data folder.

TEST_F(RuntimeSearchTest, UserDataBesideTheExeElseUnderLocalApplicationData) {
  const std::wstring local = (root / L"local").wstring();
  const std::wstring beside = exe_path + L".WebView2";
  const std::wstring fallback = local + L"\\tavrik_inspector\\WebView2";

  auto chosen = choose_user_data_folder(exe_path, L"", local);
  ASSERT_TRUE(chosen) << chosen.error().message();
  EXPECT_EQ(chosen.value().path, beside);
  EXPECT_TRUE(chosen.value().is_default);
  EXPECT_TRUE(fs::is_directory(beside));
  EXPECT_EQ(std::distance(fs::directory_iterator(beside), {}), 0);  // the write test left nothing

  // The variable wins, even where the default could be used.
  chosen = choose_user_data_folder(exe_path, L"D:\\profiles\\mine", local);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen.value().path, L"D:\\profiles\\mine");
  EXPECT_FALSE(chosen.value().is_default);

  // A file where the folder should be: the default cannot be made, the fallback is (twice: it
  // exists the second time).
  fs::remove(beside);
  std::ofstream(fs::path(beside)) << "in the way";
  for (int run = 0; run < 2; ++run) {
    chosen = choose_user_data_folder(exe_path, L"", local);
    ASSERT_TRUE(chosen) << chosen.error().message();
    EXPECT_EQ(chosen.value().path, fallback);
    EXPECT_FALSE(chosen.value().is_default);
    EXPECT_TRUE(fs::is_directory(fallback));
  }

  // Neither usable: the error names both and what to do.
  fs::remove_all(local);
  std::ofstream(fs::path(local)) << "in the way";
  chosen = choose_user_data_folder(exe_path, L"", local);
  ASSERT_FALSE(chosen);
  const std::string message = chosen.error().message();
  EXPECT_TRUE(message.starts_with("WebView2 can keep its user data neither in " +
                                  win32::to_utf8_lossy(beside) + " ("))
      << message;
  EXPECT_NE(message.find(") nor in " + win32::to_utf8_lossy(fallback) + " ("), std::string::npos)
      << message;
  EXPECT_TRUE(message.ends_with("; set WEBVIEW2_USER_DATA_FOLDER to a folder you can write"))
      << message;
}

// ---------------------------------------------------------------------------------------------
// The whole host against a registered stand-in runtime, no loader anywhere.

class RuntimeHostTest : public RuntimeSearchTest {
 protected:
  void SetUp() override {
    RuntimeSearchTest::SetUp();
    for (const wchar_t* name :
         {L"WEBVIEW2_BROWSER_EXECUTABLE_FOLDER", L"WEBVIEW2_RELEASE_CHANNEL_PREFERENCE",
          L"WEBVIEW2_RELEASE_CHANNELS", L"WEBVIEW2_CHANNEL_SEARCH_KIND",
          L"WEBVIEW2_USER_DATA_FOLDER", L"TAVRIK_FAKE_WEBVIEW2"}) {
      set_environment(name, L"");
      SetEnvironmentVariableW(name, nullptr);
    }
    fs::create_directories(root / L"log");
    set_environment(L"TAVRIK_FAKE_WEBVIEW2_LOG", (root / L"log").wstring());
    auto created_loop = shell::platform().create_event_loop();
    ASSERT_TRUE(created_loop);
    loop = std::move(created_loop).value();
    auto created_window = shell::platform().create_window(*loop, {"runtime test"});
    ASSERT_TRUE(created_window);
    window = std::move(created_window).value();
  }

  void TearDown() override {
    view.reset();
    window.reset();
    loop.reset();
    pump(0ms);
    RuntimeSearchTest::TearDown();
  }

  Result<std::unique_ptr<shell::WebView>> build() {
    return shell::win32::build_webview_at(
        *window,
        {"devtools", handle_devtools_request, "http://devtools.localhost/js_app.html?ws=x", {}},
        {exe_path, (root / L"local").wstring()});
  }

  std::string log() {
    std::ifstream in(root / L"log" / L"log.txt", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  static void pump(std::chrono::milliseconds at_most) {
    const auto deadline = std::chrono::steady_clock::now() + at_most;
    do {
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    } while (std::chrono::steady_clock::now() < deadline &&
             MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT) != WAIT_FAILED);
  }

  bool pump_until_logged(const std::string& text) {
    for (int i = 0; i < 500 && log().find(text) == std::string::npos; ++i) pump(20ms);
    return log().find(text) != std::string::npos;
  }

  std::unique_ptr<shell::EventLoop> loop;
  std::unique_ptr<shell::Window> window;
  std::unique_ptr<shell::WebView> view;
};

TEST_F(RuntimeHostTest, TheRegisteredRuntimesEngineCreatesTheEnvironmentAndIsFreedAfterwards) {
  const auto installed = runtime(L"installed", L"120.0.2210.91");
  add(HKEY_CURRENT_USER, stable, installed);
  auto built = build();
  ASSERT_TRUE(built) << built.error().message();
  view = std::move(built).value();
  ASSERT_TRUE(pump_until_logged("\nloaded\n")) << log();
  const std::string engine = win32::to_utf8_lossy(engine_in(installed));
  EXPECT_TRUE(log().starts_with("engine " + engine +
                                " flag=1 kind=0 user-data=" + win32::to_utf8_lossy(exe_path) +
                                ".WebView2 options=- windows=runtime test\n"))
      << log();
  EXPECT_NE(log().find("\nfilter http://devtools.* 0 sources=0xFFFFFFFF\n"), std::string::npos);
  EXPECT_EQ(log().find("unexpected"), std::string::npos) << log();
  ASSERT_NE(GetModuleHandleW(engine_in(installed).c_str()), nullptr);

  // Nothing of the engine is left once the web view goes: it says so, and it is freed.
  view.reset();
  EXPECT_TRUE(log().ends_with("close\ncan-unload-now live=0\nunloaded\n")) << log();
  EXPECT_EQ(GetModuleHandleW(engine_in(installed).c_str()), nullptr);
}

TEST_F(RuntimeHostTest, TheEngineStaysWhenItSaysItCannotGoYet) {
  const auto installed = runtime(L"installed", L"120.0.2210.91");
  add(HKEY_LOCAL_MACHINE, stable, installed);
  set_environment(L"TAVRIK_FAKE_WEBVIEW2", L"stay-loaded");
  auto built = build();
  ASSERT_TRUE(built) << built.error().message();
  view = std::move(built).value();
  ASSERT_TRUE(pump_until_logged("\nloaded\n")) << log();
  view.reset();
  EXPECT_TRUE(log().ends_with("can-unload-now live=0 stay\n")) << log();
  EXPECT_NE(GetModuleHandleW(engine_in(installed).c_str()), nullptr);
}

TEST_F(RuntimeHostTest, TheEnvironmentVariablesReachTheSearchAndTheEngine) {
  const auto user_stable = runtime(L"user-stable", L"120.0.1.0");
  const auto user_dev = runtime(L"user-dev", L"125.0.1.0");
  const auto fixed = runtime(L"app", L"fixed");
  add(HKEY_CURRENT_USER, stable, user_stable);
  add(HKEY_CURRENT_USER, dev, user_dev);
  struct Case {
    std::map<std::wstring, std::wstring> variables;
    std::wstring engine;
    std::string kind;
    std::wstring user_data;
  };
  const std::vector<Case> cases = {
      {{}, engine_in(user_stable), "0", exe_path + L".WebView2"},
      {{{L"WEBVIEW2_RELEASE_CHANNEL_PREFERENCE", L"1"}},
       engine_in(user_dev),
       "0",
       exe_path + L".WebView2"},
      {{{L"WEBVIEW2_RELEASE_CHANNELS", L"2"}}, engine_in(user_dev), "0", exe_path + L".WebView2"},
      {{{L"WEBVIEW2_BROWSER_EXECUTABLE_FOLDER", L"fixed"}},
       engine_in(fixed),
       "1",
       exe_path + L".WebView2"},
      {{{L"WEBVIEW2_USER_DATA_FOLDER", (root / L"profile").wstring()}},
       engine_in(user_stable),
       "0",
       (root / L"profile").wstring()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(win32::to_utf8_lossy(c.engine));
    for (const auto& [name, value] : c.variables) set_environment(name, value);
    fs::remove(root / L"log" / L"log.txt");
    auto built = build();
    ASSERT_TRUE(built) << built.error().message();
    view = std::move(built).value();
    ASSERT_TRUE(pump_until_logged("\nloaded\n")) << log();
    EXPECT_TRUE(log().starts_with("engine " + win32::to_utf8_lossy(c.engine) +
                                  " flag=1 kind=" + c.kind +
                                  " user-data=" + win32::to_utf8_lossy(c.user_data) + " options=-"))
        << log();
    view.reset();
    for (const auto& [name, value] : c.variables) SetEnvironmentVariableW(name.c_str(), nullptr);
  }
}

TEST_F(RuntimeHostTest, AnUnwritableDefaultUserDataFolderFallsBackUnderLocalApplicationData) {
  add(HKEY_CURRENT_USER, stable, runtime(L"installed", L"120.0.1.0"));
  std::ofstream(fs::path(exe_path + L".WebView2")) << "in the way";
  auto built = build();
  ASSERT_TRUE(built) << built.error().message();
  view = std::move(built).value();
  ASSERT_TRUE(pump_until_logged("\nloaded\n")) << log();
  EXPECT_NE(log().find(" user-data=" + win32::to_utf8_lossy((root / L"local").wstring()) +
                       "\\tavrik_inspector\\WebView2 options=-"),
            std::string::npos)
      << log();
}

TEST_F(RuntimeHostTest, WithoutAnyRuntimeTheHostReportsTheSearch) {
  add(HKEY_LOCAL_MACHINE, stable, runtime(L"old", L"85.0.564.68"));
  const auto built = build();
  ASSERT_FALSE(built);
  EXPECT_TRUE(built.error().message().starts_with(
      "no usable WebView2 runtime: looked for WebView2Loader.dll beside " +
      win32::to_utf8_lossy(exe_path)))
      << built.error().message();
  EXPECT_NE(built.error().message().find("(version 85.0.564.68, older than 86.0.616.0)"),
            std::string::npos);
  EXPECT_EQ(built.error().causes().size(), 0u);
  EXPECT_EQ(log(), "");  // no engine was called
}

}  // namespace
}  // namespace tavrik::webview2
