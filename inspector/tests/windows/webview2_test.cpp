// The WebView2 host in this process against the stand-in loader (helpers/fake_webview2_loader)
// beside a stand-in .exe path: the order of calls, the filter that reaches workers where the
// runtime offers it, the requests answered from the protocol handler through our stream, and
// every failure on the way turned into an error with its cause.
#include "webview2.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>

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

  Result<std::unique_ptr<WebView>> build(const wchar_t* scenario, const std::string& url) {
    SetEnvironmentVariableW(L"TAVRIK_FAKE_WEBVIEW2", scenario);
    if (fake().clear != nullptr) fake().clear();
    // The stand-in loader stands beside this .exe path, as a user would put the real one.
    const win32::HostPlaces places{
        testing::test_program_folder() + L"fake_webview2\\tavrik_inspector.exe",
        testing::test_program_folder() + L"local_app_data"};
    return win32::build_webview_at(
        *window, {std::string(devtools_scheme_name), handle_devtools_request, url, {}}, places);
  }

  Fake fake() {
    const HMODULE module = GetModuleHandleW(L"WebView2Loader.dll");
    if (module == nullptr) return {};
    return {exported<const char* (*)()>(module, "fake_webview2_log"),
            exported<void (*)()>(module, "fake_webview2_clear"),
            exported<void (*)(const wchar_t*)>(module, "fake_webview2_request"),
            exported<const char* (*)(int, std::size_t*)>(module, "fake_webview2_body")};
  }

  std::string log() { return fake().log != nullptr ? fake().log() : ""; }

  // Runs the window's messages until the log holds the text, for at most ten seconds.
  bool pump_until_logged(const std::string& text) {
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (log().find(text) == std::string::npos) {
      if (std::chrono::steady_clock::now() >= deadline) return false;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
    return true;
  }

  std::string body(int index) {
    std::size_t size = 0;
    const char* bytes = fake().body(index, &size);
    return bytes != nullptr ? std::string(bytes, size) : "<none>";
  }

  std::unique_ptr<EventLoop> loop;
  std::unique_ptr<Window> window;
  std::unique_ptr<WebView> view;
  HWND handle = nullptr;
};

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
