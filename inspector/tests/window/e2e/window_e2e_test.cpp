// The built tool under Xvfb against a real Node.js: the frontend attaches and debugs, and closing
// the window as a user does ends the process cleanly, browser processes included.
#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <thread>

#include "child_process.hpp"
#include "expected_output.hpp"
#include "node_target.hpp"
#include "x_session.hpp"

namespace tavrik {
namespace {

using namespace std::chrono_literals;
using testing::Child;
using testing::ChildOptions;
using testing::NodeTarget;
using testing::Screenshot;
using testing::start_node;
using testing::XSession;

const std::string binary = TAVRIK_INSPECTOR_BINARY;
const std::string artifacts = TAVRIK_ARTIFACTS_DIR;
const std::string title = "tavrik \xE2\x80\x94 script inspector";
// Loading 640 files and starting the frontend takes about a second on an idle machine; a busy
// shared one can take many times that.
constexpr auto ready_limit = 90s;

using testing::console_lines;
using testing::embedded_address;

// The window once it shows what `ready` looks for, or as it is at the end of the time limit: the
// page draws at its own pace, slower on a busy machine.
template <typename Condition>
std::optional<Screenshot> capture_when(XSession& x, unsigned long window, Condition ready) {
  const auto deadline = std::chrono::steady_clock::now() + 30s;
  std::optional<Screenshot> shot;
  do {
    std::this_thread::sleep_for(500ms);
    shot = x.capture(window);
  } while ((!shot || !ready(*shot)) && std::chrono::steady_clock::now() < deadline);
  return shot;
}

// Read by the sanitizer builds only. The tool hosts GTK and WebKit here, whose libraries keep
// allocations to the end of the process and load and unload graphics drivers that differ from
// machine to machine; the tool's own code is leak-checked in every other test.
std::string without_leak_check() {
  const char* options = std::getenv("ASAN_OPTIONS");
  return std::string(options != nullptr ? options : "") + ":detect_leaks=0";
}

class WindowEndToEnd : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // WebKit's processes that outlive the tool come to us instead of to init, where this test
    // could no longer reap them.
    ::prctl(PR_SET_CHILD_SUBREAPER, 1);
    std::filesystem::create_directories(artifacts);
  }

  void SetUp() override {
    char pattern[] = "/tmp/tavrik-window-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    home_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(home_); }

  // The tool's environment: the test's display and bus, a locale without a language (as on these
  // machines), and a home of its own so that parallel runs share no web storage.
  ChildOptions tool_options(const XSession* x) const {
    ChildOptions options;
    options.environment = {
        {"DISPLAY", x != nullptr ? std::optional(x->display_name()) : std::nullopt},
        {"WAYLAND_DISPLAY", std::nullopt},
        {"DBUS_SESSION_BUS_ADDRESS", x != nullptr ? std::optional(x->bus_address()) : std::nullopt},
        {"XDG_RUNTIME_DIR", x != nullptr ? std::optional(x->runtime_dir()) : std::nullopt},
        {"LANG", "C.UTF-8"},
        {"LC_ALL", std::nullopt},
        {"LANGUAGE", std::nullopt},
        {"TAVRIK_INSPECTOR_FRONTEND", std::nullopt},
        {"HOME", home_},
        {"XDG_DATA_HOME", home_ + "/data"},
        {"XDG_CACHE_HOME", home_ + "/cache"},
        {"XDG_CONFIG_HOME", home_ + "/config"},
        {"ASAN_OPTIONS", without_leak_check()},
    };
    return options;
  }

  std::string write_file(const std::string& name, const std::string& text) const {
    const std::string path = home_ + "/" + name;
    std::ofstream(path) << text;
    return path;
  }

  // Closes the window as a window manager would and checks the clean end: status 0, the three
  // lines only, and no process of the tool's left.
  void close_like_a_user(XSession& x, unsigned long window, Child& tool,
                         const std::string& expected_out) {
    const std::vector<pid_t> browser_processes = testing::descendants_of(tool.pid());
    EXPECT_FALSE(browser_processes.empty()) << "the web view runs no processes of its own?";
    // A second close on the heels of the first, as an impatient user sends, changes nothing.
    x.request_close(window);
    x.request_close(window);
    EXPECT_EQ(tool.wait_exit(10s), 0);
    const auto exited = std::chrono::steady_clock::now();
    EXPECT_EQ(tool.out(), expected_out);
    EXPECT_EQ(tool.err(), "");
    std::vector<pid_t> left = browser_processes;
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (!left.empty() && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(50ms);
      while (::waitpid(-1, nullptr, WNOHANG) > 0) {
      }  // the orphans that came to us
      std::erase_if(left, [](pid_t pid) { return !testing::process_alive(pid); });
    }
    EXPECT_TRUE(left.empty()) << left.size() << " of the tool's processes outlived it";
    RecordProperty("browser_processes_gone_after_ms",
                   static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                        std::chrono::steady_clock::now() - exited)
                                        .count()));
  }

  // A window attached to a script that the test can stop and start again on the same port.
  struct Attached {
    NodeTarget first;
    std::unique_ptr<Child> tool;
    unsigned long window = 0;
    int port = 0;
  };
  const std::vector<std::string> restartable_script{
      "-e", "console.log('frontend ready'); setInterval(() => {}, 1000)"};

  // Fills `attached` with the first process, the tool (with these options before the address) and
  // its window; the caller wraps it in ASSERT_NO_FATAL_FAILURE.
  void attach_restartable(XSession& x, std::vector<std::string> options, Attached& attached) {
    attached.first = start_node(restartable_script);
    ASSERT_FALSE(attached.first.address.empty());
    options.push_back(attached.first.address);
    attached.tool = std::make_unique<Child>(binary, options, tool_options(&x));
    ASSERT_TRUE(attached.first.process->wait_for_out("frontend ready", ready_limit))
        << attached.tool->err();
    const auto window = x.find_window(title, 10s);
    ASSERT_TRUE(window);
    attached.window = *window;
    const std::string& address = attached.first.address;
    attached.port = std::stoi(address.substr(address.rfind(':') + 1));
  }

  std::string home_;
};

TEST_F(WindowEndToEnd, TheFrontendAttachesAndClosingTheWindowEndsEverything) {
  XSession x;
  NodeTarget target =
      start_node({"-e", "console.log('frontend ready'); setInterval(() => {}, 1000)"});
  ASSERT_FALSE(target.address.empty());
  Child tool(binary, {target.address}, tool_options(&x));

  // Node runs the script only once a debugger has attached and the frontend told it to go on.
  ASSERT_TRUE(target.process->wait_for_out("frontend ready", ready_limit))
      << "tool stderr: " << tool.err() << "\nnode stderr: " << target.process->err();
  EXPECT_NE(target.process->err().find("Debugger attached."), std::string::npos);

  const auto window = x.find_window(title, 10s);
  ASSERT_TRUE(window) << "no visible window titled " << title;
  const auto size = x.window_size(*window);
  EXPECT_GE(size.width, 640);
  EXPECT_GE(size.height, 400);
  std::this_thread::sleep_for(2s);  // let the panels finish their first layout
  const auto shot = x.capture(*window);
  ASSERT_TRUE(shot);
  EXPECT_TRUE(shot->save_png(artifacts + "/window_attached.png"));
  EXPECT_GT(shot->distinct_colours(), 16u) << "the window looks blank";

  // The page follows the window: grown by 300 x 150, the frontend's toolbar icons (settings and
  // the menu, dark on light) are again at its right edge, with no handling of ours.
  const int wider = size.width + 300;
  x.resize(*window, wider, size.height + 150);
  const auto resized = capture_when(x, *window, [&](const Screenshot& s) {
    return s.width == wider && s.has_dark_pixel(wider - 60, 0, 60, 26);
  });
  ASSERT_TRUE(resized);
  EXPECT_TRUE(resized->save_png(artifacts + "/window_resized.png"));
  EXPECT_EQ(resized->width, wider);
  EXPECT_TRUE(resized->has_dark_pixel(wider - 60, 0, 60, 26))
      << "nothing at the right edge of the grown window; see window_resized.png";

  close_like_a_user(x, *window, tool,
                    console_lines(target.ws_target, embedded_address(target.ws_target)));
}

TEST_F(WindowEndToEnd, PausesAtTheLineEvaluatesInTheFrameAndResumes) {
  XSession x;
  const std::string script = write_file("app.js",
                                        "function add(a, b) {\n"
                                        "  const sum = a + b;\n"
                                        "  debugger;\n"
                                        "  return sum;\n"
                                        "}\n"
                                        "console.log('frontend ready');\n"
                                        "console.log('result ' + add(20, 22));\n"
                                        "setInterval(() => {}, 1000);\n");
  NodeTarget target = start_node({script});
  ASSERT_FALSE(target.address.empty());
  Child tool(binary, {target.address}, tool_options(&x));
  ASSERT_TRUE(target.process->wait_for_out("frontend ready", ready_limit)) << tool.err();
  const auto window = x.find_window(title, 10s);
  ASSERT_TRUE(window);

  // The frontend enabled the debugger before it let the script run, so the script stops on line 3.
  EXPECT_FALSE(target.process->wait_for_out("result", 3s)) << "the script did not pause";

  // The console evaluates in the paused frame, where `sum` is 42. Its tab is the first of the
  // main panels, at the window's top left; a click in the panel then puts the caret in its prompt.
  x.focus(*window);
  x.click(*window, 30, 13);
  const auto size = x.window_size(*window);
  x.click(*window, size.width / 2, size.height * 3 / 4);
  bool evaluated = false;
  for (int attempt = 0; attempt < 3 && !evaluated; ++attempt) {
    x.type_text("process.stdout.write(String(sum * 1000))\n");
    evaluated = target.process->wait_for_out("42000", 10s);
  }
  EXPECT_TRUE(evaluated) << target.process->out();
  if (const auto shot = x.capture(*window)) shot->save_png(artifacts + "/window_console.png");

  // Back on the paused source, its line is marked across the editor: a row wider than anything
  // else of that colour (the "Debugger paused" badge shares it). The editor's styles that WebKit
  // would otherwise drop draw it.
  x.click(*window, 100, 13);
  constexpr std::uint32_t execution_line = 0xFDF3AA;
  const auto paused = capture_when(x, *window, [](const Screenshot& s) {
    return s.widest_row_of(execution_line) > s.width / 3;
  });
  ASSERT_TRUE(paused);
  EXPECT_TRUE(paused->save_png(artifacts + "/window_paused.png"));
  EXPECT_GT(paused->widest_row_of(execution_line), paused->width / 3)
      << "no paused line marked; see window_paused.png";

  // Resume from there: a click in the editor, then F8.
  x.click(*window, size.width / 2, size.height / 2);
  x.press_key("F8");
  EXPECT_TRUE(target.process->wait_for_out("result 42\n", 20s)) << target.process->out();

  close_like_a_user(x, *window, tool,
                    console_lines(target.ws_target, embedded_address(target.ws_target)));
}

TEST_F(WindowEndToEnd, AnOverrideLoadsAsItIsAndALaterNavigationReachesTheEmbeddedFrontend) {
  XSession x;
  // A page elsewhere that sends the window on to the embedded origin, as a link would.
  write_file("hop.html",
             "<!doctype html><script>location.href = 'http://devtools.localhost/js_app.html' + "
             "location.search;</script>\n");
  Child server("python3",
               {"-u", "-m", "http.server", "--bind", "127.0.0.1", "--directory", home_, "0"});
  ASSERT_TRUE(server.wait_for_out(")", 20s)) << server.err();
  std::smatch port;
  const std::string announced = server.out();
  ASSERT_TRUE(std::regex_search(announced, port, std::regex(R"(port (\d+))"))) << announced;

  NodeTarget target =
      start_node({"-e", "console.log('frontend ready'); setInterval(() => {}, 1000)"});
  ASSERT_FALSE(target.address.empty());
  ChildOptions options = tool_options(&x);
  const std::string override_address =
      "http://127.0.0.1:" + port[1].str() + "/hop.html?ws={ws}&experiments=true&v8only=true";
  options.environment["TAVRIK_INSPECTOR_FRONTEND"] = override_address;
  Child tool(binary, {target.address}, options);

  ASSERT_TRUE(target.process->wait_for_out("frontend ready", ready_limit)) << tool.err();
  EXPECT_TRUE(server.wait_for_err("GET /hop.html?ws=", 5s)) << server.err();
  // Only the hop came from the server; the frontend itself came from the embedded bundle.
  EXPECT_EQ(server.err().find("js_app"), std::string::npos) << server.err();

  const auto window = x.find_window(title, 10s);
  ASSERT_TRUE(window);
  std::string devtools = override_address;
  devtools.replace(devtools.find("{ws}"), 4, target.ws_target);
  close_like_a_user(x, *window, tool, console_lines(target.ws_target, devtools));
}

// Without a session bus (a bare X server, a container, a remote shell) GTK and the web process
// would each warn on standard error that there is no accessibility bus; the user sees nothing
// but the window.
TEST_F(WindowEndToEnd, LibrariesSayNothingOnStandardErrorWithoutASessionBus) {
  XSession x;
  NodeTarget target =
      start_node({"-e", "console.log('frontend ready'); setInterval(() => {}, 1000)"});
  ASSERT_FALSE(target.address.empty());
  ChildOptions options = tool_options(&x);
  const std::string runtime_dir = home_ + "/run";
  std::filesystem::create_directories(runtime_dir);
  ::chmod(runtime_dir.c_str(), 0700);
  options.environment["DBUS_SESSION_BUS_ADDRESS"] = std::nullopt;
  options.environment["XDG_RUNTIME_DIR"] = runtime_dir;
  Child tool(binary, {target.address}, options);
  ASSERT_TRUE(target.process->wait_for_out("frontend ready", ready_limit)) << tool.err();
  const auto window = x.find_window(title, 10s);
  ASSERT_TRUE(window);
  close_like_a_user(x, *window, tool,
                    console_lines(target.ws_target, embedded_address(target.ws_target)));
}

// The debugged process restarts on the same port under a new target address, as with
// `node --watch` or nodemon: F5 finds the new target and opens it, also when pressed while the
// inspector is still down; without it nothing is watched.
TEST_F(WindowEndToEnd, F5FindsTheRestartedProcessAndOpensIt) {
  XSession x;
  Attached attached;
  ASSERT_NO_FATAL_FAILURE(attach_restartable(x, {}, attached));
  NodeTarget& first = attached.first;
  const int port = attached.port;

  first.process->stop();
  x.focus(attached.window);
  x.press_key("F5");  // the inspector is down: the tool keeps looking, the window stays usable
  std::this_thread::sleep_for(1s);
  NodeTarget second = start_node(restartable_script, true, port);
  ASSERT_FALSE(second.address.empty());
  ASSERT_NE(second.ws_target, first.ws_target);
  EXPECT_TRUE(second.process->wait_for_out("frontend ready", ready_limit))
      << "the reload did not reach the restarted process";

  NodeTarget third;
  second.process->stop();
  third = start_node(restartable_script, true, port);
  ASSERT_FALSE(third.address.empty());
  EXPECT_FALSE(third.process->wait_for_out("frontend ready", 3s))
      << "the window attached by itself without --follow";
  x.press_key("Control_L+r");
  EXPECT_TRUE(third.process->wait_for_out("frontend ready", ready_limit)) << "Ctrl+R";

  // The three lines of the start stay the only standard output.
  close_like_a_user(x, attached.window, *attached.tool,
                    console_lines(first.ws_target, embedded_address(first.ws_target)));
}

// With --follow the window re-attaches by itself after a restart, and can be closed while the
// inspector is down.
TEST_F(WindowEndToEnd, WithFollowTheWindowReattachesByItselfAfterARestart) {
  XSession x;
  Attached attached;
  ASSERT_NO_FATAL_FAILURE(attach_restartable(x, {"--follow"}, attached));
  NodeTarget& first = attached.first;
  const int port = attached.port;

  first.process->stop();
  std::this_thread::sleep_for(2s);  // down for a while: the window waits
  NodeTarget second = start_node(restartable_script, true, port);
  ASSERT_FALSE(second.address.empty());
  EXPECT_TRUE(second.process->wait_for_out("frontend ready", ready_limit))
      << "the window did not follow the restarted process";

  second.process->stop();
  std::this_thread::sleep_for(1500ms);
  close_like_a_user(x, attached.window, *attached.tool,
                    console_lines(first.ws_target, embedded_address(first.ws_target)));
}

TEST_F(WindowEndToEnd, WindowFailuresAreReportedAfterTheThreeLines) {
  NodeTarget target =
      start_node({"-e", "setInterval(() => {}, 1000)"}, /*wait_for_debugger=*/false);
  ASSERT_FALSE(target.address.empty());
  const std::string lines = console_lines(target.ws_target, embedded_address(target.ws_target));

  struct Case {
    std::optional<std::string> display;
    std::string report;
  };
  const std::vector<Case> cases = {
      {std::nullopt,
       "Error: failed to create inspector window\n\nCaused by:\n"
       "    no display to open: neither DISPLAY nor WAYLAND_DISPLAY is set\n"},
      {":4711",
       "Error: failed to create inspector window\n\nCaused by:\n"
       "    cannot open display (DISPLAY=:4711)\n"},
  };
  for (const Case& c : cases) {
    ChildOptions options = tool_options(nullptr);
    options.environment["DISPLAY"] = c.display;
    Child tool(binary, {target.address}, options);
    EXPECT_EQ(tool.wait_exit(30s), 1);
    EXPECT_EQ(tool.out(), lines);
    EXPECT_EQ(tool.err(), c.report);
  }
}

TEST_F(WindowEndToEnd, AnAddressTheWebViewRefusesFailsTheWebView) {
  XSession x;
  NodeTarget target =
      start_node({"-e", "setInterval(() => {}, 1000)"}, /*wait_for_debugger=*/false);
  ASSERT_FALSE(target.address.empty());
  ChildOptions options = tool_options(&x);
  options.environment["TAVRIK_INSPECTOR_FRONTEND"] = "js_app.html?ws={ws}";
  Child tool(binary, {target.address}, options);
  EXPECT_EQ(tool.wait_exit(30s), 1);
  EXPECT_EQ(tool.out(), console_lines(target.ws_target, "js_app.html?ws=" + target.ws_target));
  const std::string expected_start =
      "Error: failed to create webview (is the WebView2 runtime installed?)\n\nCaused by:\n"
      "    cannot navigate to js_app.html?ws=" +
      target.ws_target + ": ";
  EXPECT_EQ(tool.err().substr(0, expected_start.size()), expected_start) << tool.err();
}

}  // namespace
}  // namespace tavrik
