// The WebView2 host in this process against the stand-in loader (helpers/fake_webview2_loader)
// beside a stand-in .exe path: the order of calls, the filter that reaches workers where the
// runtime offers it, the requests answered from the protocol handler through our stream, and
// every failure on the way turned into an error with its cause.
#include "webview2.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <memory>
#include <mutex>
#include <vector>

#include "bundle.hpp"
#include "devtools_protocol.hpp"
#include "win32_window.hpp"
#include "windows_test_support.hpp"

namespace tavrik::shell {
namespace {

using namespace std::chrono_literals;

const std::string title = "tavrik \xE2\x80\x94 script inspector";
const std::string address =
    "http://devtools.localhost/js_app.html?ws=127.0.0.1:9229/abc&experiments=true&v8only=true";

// The stand-in's own exports, for looking at what the host did.
struct Fake {
  const char* (*log)();
  void (*clear)();
  void (*request)(const wchar_t*);
  const char* (*body)(int, std::size_t*);
  void (*key)(unsigned, int);
  void (*page_reload)();
};

template <typename F>
F exported(HMODULE module, const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

class WebView2Test : public ::testing::Test {
 protected:
  void SetUp() override {
    auto created_loop = platform().create_event_loop();
    ASSERT_TRUE(created_loop);
    loop = std::move(created_loop).value();
    auto created_window = platform().create_window(*loop, {title});
    ASSERT_TRUE(created_window);
    window = std::move(created_window).value();
    handle = dynamic_cast<win32::Win32Window&>(*window).handle();
  }

  void TearDown() override {
    SetEnvironmentVariableW(L"TAVRIK_FAKE_WEBVIEW2", nullptr);
    view.reset();
    window.reset();
    loop.reset();
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
  }

  Result<std::unique_ptr<WebView>> build(const wchar_t* scenario, const std::string& url,
                                         Rediscovery rediscovery = {}) {
    SetEnvironmentVariableW(L"TAVRIK_FAKE_WEBVIEW2", scenario);
    if (fake().clear != nullptr) fake().clear();
    // The stand-in loader stands beside this .exe path, as a user would put the real one.
    const win32::HostPlaces places{
        testing::test_program_folder() + L"fake_webview2\\tavrik_inspector.exe",
        testing::test_program_folder() + L"local_app_data"};
    return win32::build_webview_at(
        *window,
        {std::string(devtools_scheme_name), handle_devtools_request, url, std::move(rediscovery)},
        places);
  }

  Fake fake() {
    const HMODULE module = GetModuleHandleW(L"WebView2Loader.dll");
    if (module == nullptr) return {};
    return {exported<const char* (*)()>(module, "fake_webview2_log"),
            exported<void (*)()>(module, "fake_webview2_clear"),
            exported<void (*)(const wchar_t*)>(module, "fake_webview2_request"),
            exported<const char* (*)(int, std::size_t*)>(module, "fake_webview2_body"),
            exported<void (*)(unsigned, int)>(module, "fake_webview2_key"),
            exported<void (*)()>(module, "fake_webview2_page_reload")};
  }

  std::string log() { return fake().log != nullptr ? fake().log() : ""; }

  // Runs the window's messages until the log holds the text, for at most `limit`.
  bool pump_until_logged(const std::string& text, std::chrono::milliseconds limit = 10s) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (log().find(text) == std::string::npos) {
      if (std::chrono::steady_clock::now() >= deadline) return false;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_TIMER && message.hwnd == handle) ++timer_messages;
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
    return true;
  }

  // Runs the window's messages for a while, with nothing in particular to wait for.
  void pump_for(std::chrono::milliseconds time) { pump_until_logged("\x01never", time); }

  std::string body(int index) {
    std::size_t size = 0;
    const char* bytes = fake().body(index, &size);
    return bytes != nullptr ? std::string(bytes, size) : "<none>";
  }

  std::unique_ptr<EventLoop> loop;
  std::unique_ptr<Window> window;
  std::unique_ptr<WebView> view;
  HWND handle = nullptr;
  int timer_messages = 0;
};

// A lookup of the test's making: its answers in turn (the last one again once they run out),
// and how often it was called. Shared, since the host copies the function to its worker.
struct ScriptedLookup {
  std::mutex mutex;
  std::vector<Result<std::string>> answers;
  std::size_t calls = 0;

  static FrontendLookup of(const std::shared_ptr<ScriptedLookup>& script) {
    return [script]() -> Result<std::string> {
      const std::lock_guard lock(script->mutex);
      const std::size_t index = std::min(script->calls, script->answers.size() - 1);
      ++script->calls;
      return script->answers[index];
    };
  }
  std::size_t called() {
    const std::lock_guard lock(mutex);
    return calls;
  }
};

std::string frontend_for(const std::string& id) {
  return "http://devtools.localhost/js_app.html?ws=127.0.0.1:9229/" + id +
         "&experiments=true&v8only=true";
}

// The navigations in a log, in order.
std::vector<std::string> navigations(const std::string& log) {
  std::vector<std::string> found;
  std::size_t at = 0;
  while ((at = log.find("navigate ", at)) != std::string::npos) {
    const std::size_t end = log.find('\n', at);
    found.push_back(log.substr(at + 9, end - at - 9));
    at = end;
  }
  return found;
}

TEST_F(WebView2Test, BuildsInOrderAndAnswersTheDevtoolsOriginFromTheHandler) {
  int width = 700;
  const std::string origin = "http://devtools.localhost";
  const std::string worker = origin + "/entrypoints/formatter_worker/formatter_worker.js";
  const auto size_of = [](const char* path) {
    const auto size = std::to_string(find_asset(path)->data.size());
    return size + " stat=" + size;
  };
  struct Case {
    const wchar_t* scenario;
    std::string filter;  // the filter the host adds
    std::string worker;  // what became of a shared worker's request
  };
  const std::string worker_answered =
      "response " + worker + " 200 OK|Content-Type: text/javascript; charset=utf-8|" +
      size_of("entrypoints/formatter_worker/formatter_worker.js") + "\n";
  const std::vector<Case> cases = {
      // A current runtime: the filter with request source kinds, which reaches the worker.
      {L"ok", "filter http://devtools.* 0 sources=0xFFFFFFFF\n", worker_answered},
      {L"sync", "filter http://devtools.* 0 sources=0xFFFFFFFF\n", worker_answered},
      // A runtime without ICoreWebView2_22: the deprecated filter, documents only.
      {L"old-runtime", "filter http://devtools.* 0\n",
       "request " + worker + " outside every filter\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(std::wstring(c.scenario)));
    auto built = build(c.scenario, address);
    ASSERT_TRUE(built) << built.error().message();
    view = std::move(built).value();
    ASSERT_TRUE(pump_until_logged("loaded\n")) << log();

    RECT client{};
    GetClientRect(handle, &client);
    EXPECT_EQ(
        log(),
        "environment browser-folder=- user-data=- options=- windows=" + title + "\n" +
            "controller parent=" + title + " visible=1\n" +  //
            "bounds 0 0 " + std::to_string(client.right) + " " + std::to_string(client.bottom) +
            "\n" +                          //
            "handler added\n" + c.filter +  //
            "navigate " + address + "\n" + "response " + address +
            " 200 OK|Content-Type: text/html; charset=utf-8|" + size_of("js_app.html") + "\n" +
            "response " + origin +
            "/entrypoints/js_app/js_app.js 200 OK|Content-Type: text/javascript; charset=utf-8|" +
            size_of("entrypoints/js_app/js_app.js") + "\n" + "response " + origin +
            "/no/such/file.js 404 Not Found|Content-Type: text/plain; charset=utf-8|9 stat=9\n" +
            c.worker + "loaded\n");
    const auto& page = find_asset("js_app.html")->data;
    EXPECT_EQ(body(0), std::string(page.begin(), page.end()));
    EXPECT_EQ(body(2), "Not Found");

    // The client area is followed; letting go of the web view closes it and removes the handler.
    fake().clear();
    SetWindowPos(handle, nullptr, 0, 0, width += 10, 500, SWP_NOZORDER | SWP_NOMOVE);
    GetClientRect(handle, &client);
    EXPECT_NE(log().find("bounds 0 0 " + std::to_string(client.right) + " " +
                         std::to_string(client.bottom) + "\n"),
              std::string::npos)
        << log();
    view.reset();
    EXPECT_TRUE(log().ends_with("handler removed 7\nclose\n")) << log();
  }
}

// The slot of a virtual method, from GCC's pointer to member (the Itanium C++ ABI keeps one plus
// the byte offset into the vtable), so that a miscounted interface shows here and not as a call
// into the wrong method of the real runtime.
template <typename Method>
std::ptrdiff_t slot_of(Method method) {
  std::ptrdiff_t words[2];
  static_assert(sizeof method == sizeof words);
  std::memcpy(words, &method, sizeof words);
  return (words[0] - 1) / static_cast<std::ptrdiff_t>(sizeof(void*));
}

TEST(WebView2Declarations, TheMethodsCalledSitInThePublishedSlots) {
  using namespace webview2;
  EXPECT_EQ(slot_of(&ICoreWebView2::Navigate), 5);
  EXPECT_EQ(slot_of(&ICoreWebView2::add_WebResourceRequested), 55);
  EXPECT_EQ(slot_of(&ICoreWebView2::AddWebResourceRequestedFilter), 57);
  EXPECT_EQ(slot_of(&ICoreWebView2::remove_WindowCloseRequested), 60);  // the last of version 1
  EXPECT_EQ(slot_of(&ICoreWebView2_22::AddWebResourceRequestedFilterWithRequestSourceKinds), 123);
  EXPECT_EQ(slot_of(&ICoreWebView2Controller::put_Bounds), 6);
  EXPECT_EQ(slot_of(&ICoreWebView2Controller::get_CoreWebView2), 25);
  EXPECT_EQ(slot_of(&ICoreWebView2Environment::CreateWebResourceResponse), 4);
  EXPECT_EQ(slot_of(&ICoreWebView2::add_NavigationStarting), 7);
  EXPECT_EQ(slot_of(&ICoreWebView2::remove_NavigationStarting), 8);
  EXPECT_EQ(slot_of(&ICoreWebView2Controller::add_AcceleratorKeyPressed), 19);
  EXPECT_EQ(slot_of(&ICoreWebView2Controller::remove_AcceleratorKeyPressed), 20);
  EXPECT_EQ(slot_of(&ICoreWebView2AcceleratorKeyPressedEventArgs::get_KeyEventKind), 3);
  EXPECT_EQ(slot_of(&ICoreWebView2AcceleratorKeyPressedEventArgs::get_VirtualKey), 4);
  EXPECT_EQ(slot_of(&ICoreWebView2AcceleratorKeyPressedEventArgs::put_Handled), 8);
  EXPECT_EQ(slot_of(&ICoreWebView2NavigationStartingEventArgs::get_Uri), 3);
  EXPECT_EQ(slot_of(&ICoreWebView2NavigationStartingEventArgs::put_Cancel), 8);
  EXPECT_EQ(slot_of(&ICoreWebView2NavigationStartingEventArgs3::get_NavigationKind), 12);
}

TEST_F(WebView2Test, EveryFailureOnTheWayIsAnErrorWithItsCause) {
  struct Case {
    const wchar_t* scenario;
    std::string url;
    std::string message;
    std::string cause_ends_with;
  };
  const std::vector<Case> cases = {
      {L"no-runtime", address, "create the WebView2 environment", "(HRESULT 0x80070002)"},
      {L"environment-fails", address, "create the WebView2 environment", "(HRESULT 0x80070005)"},
      {L"controller-fails", address, "create the WebView2 controller", "(HRESULT 0x80004005)"},
      {L"bounds-fails", address, "size the web view to the window", "(HRESULT 0x80070057)"},
      // An address the web view refuses to start navigating to (an empty override).
      {L"ok", "", "navigate to ", "(HRESULT 0x80070057)"},
      {L"ok", "devtools.localhost", "navigate to devtools.localhost", "(HRESULT 0x80070057)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    const auto built = build(c.scenario, c.url);
    ASSERT_FALSE(built);
    EXPECT_EQ(built.error().message(), c.message);
    ASSERT_EQ(built.error().causes().size(), 1u);
    EXPECT_TRUE(built.error().causes()[0].ends_with(c.cause_ends_with))
        << built.error().causes()[0];
    EXPECT_EQ(log().find("unexpected"), std::string::npos) << log();
  }
}

TEST_F(WebView2Test, AWindowClosedWhileTheWebViewIsCreatedEndsTheWaitAtOnce) {
  PostMessageW(handle, WM_CLOSE, 0, 0);  // reaches the window before the environment completes
  auto built = build(L"ok", address);
  ASSERT_TRUE(built) << built.error().message();
  view = std::move(built).value();
  EXPECT_EQ(log().find("navigate"), std::string::npos) << log();
  // The loop then acts on the close request first.
  EXPECT_EQ(loop->run([](const Event& event, ControlMode& mode) {
    mode.flow = event.kind == EventKind::close_requested ? ControlMode::Flow::exit
                                                         : ControlMode::Flow::wait;
  }),
            0);
}

TEST_F(WebView2Test, F5CtrlRAndThePagesReloadFindTheFrontendAgainAndOpenIt) {
  // A current runtime says which navigation is a reload; an older one does not, and the host
  // then takes the page's navigation to the address shown, not started by itself, for one.
  for (const wchar_t* scenario : {L"ok", L"old-runtime"}) {
    SCOPED_TRACE(::testing::PrintToString(std::wstring(scenario)));
    auto script = std::make_shared<ScriptedLookup>();
    script->answers = {frontend_for("one"), frontend_for("two"), frontend_for("three")};
    auto built = build(scenario, address, {ScriptedLookup::of(script), {}});
    ASSERT_TRUE(built) << built.error().message();
    view = std::move(built).value();
    ASSERT_TRUE(pump_until_logged("loaded\n")) << log();
    EXPECT_NE(log().find("key handler added\nnavigation handler added\nnavigate " + address),
              std::string::npos)
        << log();

    // F5: the runtime is told the key was handled, so it does not reload the old address.
    fake().clear();
    fake().key(VK_F5, 0);
    ASSERT_TRUE(pump_until_logged("loaded\n")) << log();
    EXPECT_TRUE(log().starts_with("key F5 handled\nnavigate " + frontend_for("one") + "\n" +
                                  "response " + frontend_for("one") + " 200 OK|"))
        << log();

    // R without Ctrl is typing, not a reload; Ctrl+R is.
    fake().clear();
    fake().key('R', 0);
    EXPECT_EQ(log(), "key R\n");
    fake().key('R', 1);
    ASSERT_TRUE(pump_until_logged("loaded\n")) << log();
    EXPECT_TRUE(
        log().starts_with("key R\nkey Ctrl+R handled\nnavigate " + frontend_for("two") + "\n"))
        << log();

    // The page's own reload ("Reconnect DevTools") is cancelled and replaced by a lookup.
    fake().clear();
    fake().page_reload();
    ASSERT_TRUE(pump_until_logged("loaded\n")) << log();
    EXPECT_TRUE(log().starts_with("reload " + frontend_for("two") + "\ncancelled " +
                                  frontend_for("two") + "\nnavigate " + frontend_for("three") +
                                  "\n"))
        << log();
    EXPECT_EQ(script->called(), 3u);
    EXPECT_EQ(log().find("unexpected"), std::string::npos) << log();

    fake().clear();
    view.reset();
    EXPECT_EQ(log(),
              "key handler removed 9\nnavigation handler removed 8\nhandler removed 7\nclose\n");
  }
}

TEST_F(WebView2Test, AFailedLookupOpensTheAddressShownAgainOnce) {
  for (const wchar_t* scenario : {L"ok", L"old-runtime"}) {
    SCOPED_TRACE(::testing::PrintToString(std::wstring(scenario)));
    auto script = std::make_shared<ScriptedLookup>();
    script->answers = {Error("nothing answers")};
    auto built = build(scenario, address, {ScriptedLookup::of(script), {}});
    ASSERT_TRUE(built) << built.error().message();
    view = std::move(built).value();
    ASSERT_TRUE(pump_until_logged("loaded\n")) << log();

    fake().clear();
    fake().page_reload();
    ASSERT_TRUE(pump_until_logged("loaded\n")) << log();
    // The host's own navigation to the same address is let through, not taken for another
    // reload (which would look again, and again).
    pump_for(500ms);
    EXPECT_EQ(navigations(log()), std::vector<std::string>{address}) << log();
    EXPECT_EQ(log().find("cancelled " + address + "\nnavigate"), log().find("cancelled")) << log();
    EXPECT_EQ(script->called(), 1u);
    view.reset();
  }
}

TEST_F(WebView2Test, FollowingOpensTheAddressWhenItChangesOrComesBackAndNeverWhenUnchanged) {
  auto full = std::make_shared<ScriptedLookup>();
  full->answers = {Error("not used")};
  auto once = std::make_shared<ScriptedLookup>();
  once->answers = {address,              // as shown: nothing to do
                   frontend_for("new"),  // restarted: open it
                   frontend_for("new"),  // unchanged
                   Error("refused"),     // gone: the page stays
                   frontend_for("new"),  // back, even at the same address: open it again
                   frontend_for("new"),  // unchanged
                   frontend_for("last")};
  auto built = build(L"ok", address, {ScriptedLookup::of(full), ScriptedLookup::of(once)});
  ASSERT_TRUE(built) << built.error().message();
  view = std::move(built).value();
  ASSERT_TRUE(pump_until_logged("loaded\n")) << log();
  fake().clear();
  // Seven looks a second apart; generous for a machine busy with other builds.
  ASSERT_TRUE(pump_until_logged("navigate " + frontend_for("last"), 90s)) << log();
  EXPECT_EQ(navigations(log()), (std::vector<std::string>{frontend_for("new"), frontend_for("new"),
                                                          frontend_for("last")}))
      << log();
  // The same answer from now on: nothing more is opened, while the looks go on.
  const std::size_t looks = once->called();
  pump_for(2500ms);
  EXPECT_GT(once->called(), looks);
  EXPECT_EQ(navigations(log()).size(), 3u) << log();
  EXPECT_EQ(full->called(), 0u);
}

TEST_F(WebView2Test, WithoutFollowingNoTimerRunsAndWithoutLookupsReloadsAreTheRuntimes) {
  auto script = std::make_shared<ScriptedLookup>();
  script->answers = {frontend_for("one")};
  auto built = build(L"ok", address, {ScriptedLookup::of(script), {}});
  ASSERT_TRUE(built) << built.error().message();
  view = std::move(built).value();
  ASSERT_TRUE(pump_until_logged("loaded\n")) << log();
  pump_for(2500ms);
  EXPECT_EQ(timer_messages, 0);
  EXPECT_EQ(script->called(), 0u);
  view.reset();

  // No lookup at all: the host registers nothing, and the runtime reloads as it always does.
  built = build(L"ok", address);
  ASSERT_TRUE(built) << built.error().message();
  view = std::move(built).value();
  ASSERT_TRUE(pump_until_logged("loaded\n")) << log();
  EXPECT_EQ(log().find("key handler"), std::string::npos) << log();
  fake().clear();
  fake().key(VK_F5, 0);
  ASSERT_TRUE(pump_until_logged("loaded\n")) << log();
  EXPECT_TRUE(log().starts_with("key F5\nreload " + address + "\nresponse " + address)) << log();

  // And with following, the timer does run.
  view.reset();
  built = build(L"ok", address, {ScriptedLookup::of(script), ScriptedLookup::of(script)});
  ASSERT_TRUE(built) << built.error().message();
  view = std::move(built).value();
  pump_for(2500ms);
  EXPECT_GT(timer_messages, 0);
}

TEST_F(WebView2Test, AWindowClosedWhileALookupBlocksEndsTheLoopAtOnce) {
  // The lookup blocks until the test lets it go, as discovery does while the inspector is down.
  struct Gate {
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::atomic<bool> started{false};
    std::atomic<bool> finished{false};
    ~Gate() { CloseHandle(release); }
  };
  auto gate = std::make_shared<Gate>();
  FrontendLookup blocking = [gate]() -> Result<std::string> {
    gate->started = true;
    WaitForSingleObject(gate->release, 20000);
    gate->finished = true;
    return frontend_for("late");
  };
  auto built = build(L"ok", address, {blocking, {}});
  ASSERT_TRUE(built) << built.error().message();
  view = std::move(built).value();
  ASSERT_TRUE(pump_until_logged("loaded\n")) << log();

  fake().clear();
  fake().key(VK_F5, 0);
  EXPECT_EQ(log(), "key F5 handled\n");
  for (int i = 0; i < 200 && !gate->started; ++i) Sleep(25);
  ASSERT_TRUE(gate->started);
  PostMessageW(handle, WM_CLOSE, 0, 0);
  EXPECT_EQ(loop->run([](const Event& event, ControlMode& mode) {
    mode.flow = event.kind == EventKind::close_requested ? ControlMode::Flow::exit
                                                         : ControlMode::Flow::wait;
  }),
            0);
  EXPECT_FALSE(gate->finished) << "the loop waited for the lookup";

  // Its answer, after the web view is gone, goes nowhere.
  view.reset();
  SetEvent(gate->release);
  for (int i = 0; i < 200 && !gate->finished; ++i) Sleep(25);
  EXPECT_TRUE(gate->finished);
  pump_for(300ms);
  EXPECT_EQ(navigations(log()), std::vector<std::string>{}) << log();
}

TEST(WebView2, TheWindowMustBeOneOfTheShells) {
  class Foreign final : public Window {
  } foreign;
  const auto built =
      platform().build_webview(foreign, {"devtools", handle_devtools_request, "http://x/", {}});
  ASSERT_FALSE(built);
  EXPECT_EQ(built.error().message(), "the web view needs a window of the Win32 shell");
}

}  // namespace
}  // namespace tavrik::shell
