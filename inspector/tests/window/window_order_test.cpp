// Creation and release order of the inspector window, on stand-in platforms of the tests' own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "devtools_protocol.hpp"
#include "inspector_window.hpp"

namespace tavrik {
namespace {

// The platform's constructors are plain function pointers, so the stand-ins share this log.
struct Log {
  std::vector<std::string> steps;
  bool fail_loop = false;
  bool fail_window = false;
  bool fail_webview = false;
  shell::WindowAttributes attributes;
  shell::WebViewOptions options;
};
Log log;

struct FakeLoop final : shell::EventLoop {
  ~FakeLoop() override { log.steps.push_back("release loop"); }
  int run(shell::EventHandler) override { return 0; }
};
struct FakeWindow final : shell::Window {
  ~FakeWindow() override { log.steps.push_back("release window"); }
};
struct FakeWebView final : shell::WebView {
  ~FakeWebView() override { log.steps.push_back("release webview"); }
};

Result<std::unique_ptr<shell::EventLoop>> make_loop() {
  log.steps.push_back("create loop");
  if (log.fail_loop) return Error("no display");
  return std::unique_ptr<shell::EventLoop>(std::make_unique<FakeLoop>());
}
Result<std::unique_ptr<shell::Window>> make_window(shell::EventLoop&,
                                                   const shell::WindowAttributes& attributes) {
  log.steps.push_back("create window");
  log.attributes = attributes;
  if (log.fail_window) return Error("window refused");
  return std::unique_ptr<shell::Window>(std::make_unique<FakeWindow>());
}
Result<std::unique_ptr<shell::WebView>> make_webview(shell::Window&,
                                                     const shell::WebViewOptions& options) {
  log.steps.push_back("build webview");
  log.options = options;
  if (log.fail_webview) return Error("runtime missing");
  return std::unique_ptr<shell::WebView>(std::make_unique<FakeWebView>());
}
constexpr shell::Platform stand_in{make_loop, make_window, make_webview};

void runner(std::unique_ptr<shell::EventLoop> loop) {
  log.steps.push_back(loop ? "run" : "run without a loop");
}

const std::string address =
    "http://devtools.localhost/js_app.html?ws=127.0.0.1:9229/abc&experiments=true&v8only=true";

class WindowOrder : public ::testing::Test {
 protected:
  void SetUp() override { log = Log{}; }
};

TEST_F(WindowOrder, CreatesInOrderAndHandsTheLoopOverWithEverythingAlive) {
  (void)open_inspector_window_on(stand_in, address, runner);
  // Nothing is released before the loop runs; in the tool the runner never comes back.
  const std::vector<std::string> expected = {"create loop",   "create window", "build webview",
                                             "run",           "release loop",  "release webview",
                                             "release window"};
  EXPECT_EQ(log.steps, expected);
  EXPECT_EQ(log.attributes.title, "tavrik \xE2\x80\x94 script inspector");
  EXPECT_EQ(log.attributes.title.size(), 27u);
  EXPECT_EQ(log.options.protocol_name, "devtools");
  EXPECT_EQ(log.options.protocol_handler, &handle_devtools_request);
  EXPECT_EQ(log.options.initial_url, address);
}

TEST_F(WindowOrder, FailuresCarryTheirMessageAndReleaseWhatWasMade) {
  struct Case {
    bool Log::*fail;
    std::vector<std::string> steps;
    std::string message;
    std::string cause;
  };
  const std::vector<Case> cases = {
      {&Log::fail_loop, {"create loop"}, "failed to create inspector window", "no display"},
      {&Log::fail_window,
       {"create loop", "create window", "release loop"},
       "failed to create inspector window",
       "window refused"},
      {&Log::fail_webview,
       {"create loop", "create window", "build webview", "release window", "release loop"},
       "failed to create webview (is the WebView2 runtime installed?)",
       "runtime missing"},
  };
  for (const Case& c : cases) {
    log = Log{};
    log.*c.fail = true;
    const Error error = open_inspector_window_on(stand_in, address, runner);
    EXPECT_EQ(log.steps, c.steps) << c.message;
    EXPECT_EQ(error.message(), c.message);
    ASSERT_EQ(error.causes().size(), 1u);
    EXPECT_EQ(error.causes()[0], c.cause);
  }
}

}  // namespace
}  // namespace tavrik
