// The built tavrik_inspector.exe end to end under Wine, driven from the Linux side: exact bytes on
// standard output and standard error, exit statuses, scripted inspectors and a real Node.js on
// 127.0.0.1, arguments as a Linux shell hands them over; and in window mode under Xvfb, the
// window as X sees it and closed as a user closes it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <thread>

#include "child_process.hpp"
#include "expected_output.hpp"
#include "scripted_inspector.hpp"
#include "subprocess.hpp"
#include "x_session.hpp"

namespace tavrik {
namespace {

using namespace std::chrono_literals;
using testing::Child;
using testing::ChildOptions;
using testing::run_program;
using testing::RunOptions;
using testing::ScriptedInspector;

const std::string wine_run = TAVRIK_WINE_RUN;
const std::string headless_prefix = TAVRIK_WINE_HEADLESS_PREFIX;
const std::string x11_prefix = TAVRIK_WINE_X11_PREFIX;
const std::string tool = TAVRIK_TOOL_EXE;
const std::string helpers = TAVRIK_HELPERS_DIR;  // show_arguments.exe, close_window.exe, ...
const std::string fake_loader_dir = TAVRIK_FAKE_LOADER_DIR;
const std::string frontend_dir = TAVRIK_FRONTEND_DIR;
const std::string node = TAVRIK_NODE;
const std::string work_dir = TAVRIK_WORK_DIR;

const std::string title = "tavrik \xE2\x80\x94 script inspector";
const std::string targets = R"([{"webSocketDebuggerUrl":"ws://127.0.0.1:9229/abc-def"}])";
const std::string usage_report =
    "Error: usage: tavrik_inspector [--print-url] <inspector-http-addr e.g. 127.0.0.1:9229>\n";

using testing::console_lines;
using testing::embedded_address;

// A Linux path as a Windows program sees it: Wine maps the whole file system to Z:.
std::string dos_path(std::string path) {
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return "Z:" + path;
}

std::string read_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Runs a Windows program under Wine without a display, on the headless prefix.
testing::RunResult run_headless(const std::string& program, std::vector<std::string> arguments,
                                RunOptions options = {}) {
  arguments.insert(arguments.begin(), {"--prefix=" + headless_prefix, program});
  options.environment["WINEPREFIX"] = std::nullopt;
  options.environment.try_emplace("TAVRIK_INSPECTOR_FRONTEND", std::nullopt);
  // Generous: Wine starts its server and desktop first, which takes a while on a busy machine.
  if (options.time_limit < 120s) options.time_limit = 120s;
  return run_program(wine_run, arguments, options);
}

std::unique_ptr<ScriptedInspector> answering(const std::string& answer) {
  return std::make_unique<ScriptedInspector>(
      std::vector{testing::read_request(), testing::send(answer), testing::hold_open()});
}

// ---------------------------------------------------------------------------------------------
// Console runs: no window, no display.

TEST(WindowsConsole, UsageErrorsWriteOneLineOnStandardError) {
  for (const auto& arguments : std::vector<std::vector<std::string>>{
           {}, {"--print-url"}, {"--help"}, {"--", "--print-url"}}) {
    const auto run = run_headless(tool, arguments);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, usage_report);  // LF only, no CR
    EXPECT_EQ(run.exit_code, 1);
  }
}

TEST(WindowsConsole, PrintOnlyAgainstAScriptedInspector) {
  auto inspector = answering(testing::http_answer("HTTP/1.0 200 OK", targets));
  const auto run = run_headless(tool, {"--verbose", inspector->address(), "--print-url", "x:1"});
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out,
            console_lines("127.0.0.1:9229/abc-def", embedded_address("127.0.0.1:9229/abc-def")));
  const auto requests = inspector->requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0], "GET /json HTTP/1.0\r\nHost: " + inspector->address() +
                             "\r\nAccept: application/json\r\nConnection: close\r\n\r\n");
}

TEST(WindowsConsole, PrintOnlyAgainstRealNode) {
  Child node_process(node, {"--inspect=127.0.0.1:0", "-e", "setInterval(() => {}, 1000)"});
  ASSERT_TRUE(node_process.wait_for_err("\n", 30s)) << node_process.err();
  std::smatch match;
  const std::string announced = node_process.err();
  ASSERT_TRUE(std::regex_search(announced, match,
                                std::regex("ws://(127\\.0\\.0\\.1:([0-9]+))/([0-9a-f-]{36})")))
      << announced;
  const std::string address = match[1];
  const std::string ws_target = address + "/" + std::string(match[3]);

  const auto run = run_headless(tool, {"--print-url", address});
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, console_lines(ws_target, embedded_address(ws_target)));
  node_process.stop();
}

TEST(WindowsConsole, ARefusedConnectionIsReportedAfterTheDeadline) {
  const std::string address = "127.0.0.1:" + std::to_string(testing::unused_port());
  const auto run = run_headless(tool, {"--print-url", address});
  EXPECT_EQ(run.out, "");
  // The system's text is Wine's own; its place and the code are the tool's.
  EXPECT_TRUE(std::regex_match(
      run.err, std::regex("Error: failed to read inspector targets from http://" + address +
                          "/json\n\nCaused by:\n    0: connect to inspector at " + address +
                          "\n    1: [^\n]+ \\(os error 10061\\)\n")))
      << run.err;
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_GE(run.elapsed, 5000ms);  // tried again until the deadline
}

TEST(WindowsConsole, AnUnansweredConnectIsReportedWithTheTimeOutAfterTheDeadline) {
  // A Linux listener whose full accept queue makes the kernel drop every further SYN.
  testing::UnansweredListener silent;
  const auto run = run_headless(tool, {"--print-url", silent.address()});
  EXPECT_FALSE(run.timed_out);
  EXPECT_EQ(run.out, "");
  EXPECT_TRUE(std::regex_match(
      run.err,
      std::regex("Error: failed to read inspector targets from http://" + silent.address() +
                 "/json\n\nCaused by:\n    0: connect to inspector at " + silent.address() +
                 "\n    1: [^\n]+ \\(os error 10060\\)\n")))
      << run.err;
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_GE(run.elapsed, 6000ms);  // two attempts of 3 s each
}

TEST(WindowsConsole, AReportToAPipeKeepsTheInspectorsControlBytes) {
  // Only a console gets visible escapes; a pipe gets the status line byte for byte.
  const std::string status = "HTTP/1.1 404 \x1b[31mred\x07\x7f";
  auto inspector = answering(status + "\r\nContent-Length: 2\r\n\r\n[]");
  const auto run = run_headless(tool, {"--print-url", inspector->address()});
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "Error: failed to read inspector targets from http://" + inspector->address() +
                         "/json\n\nCaused by:\n    inspector returned non-200: " + status + "\n");
  EXPECT_EQ(run.exit_code, 1);
}

TEST(WindowsConsole, AnAnswerWithoutLengthOnAConnectionHeldOpenEndsInTheReceiveTimeOut) {
  // A complete answer, but no Content-Length and no close: every attempt waits 3 seconds.
  auto inspector = answering(testing::http_answer("HTTP/1.0 200 OK", targets, false));
  const auto run = run_headless(tool, {"--print-url", inspector->address()});
  EXPECT_EQ(run.out, "");
  // Wine has no text for 10060: the fallback stands in for it.
  EXPECT_TRUE(std::regex_match(
      run.err,
      std::regex("Error: failed to read inspector targets from http://" + inspector->address() +
                 "/json\n\nCaused by:\n    [^\n]+ \\(os error 10060\\)\n")))
      << run.err;
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(inspector->connections(), 2);  // at 0 s and after the first time-out, at about 3 s
  EXPECT_GE(run.elapsed, 6000ms);
}

TEST(WindowsConsole, ArgumentsArriveAsTheShellGaveThem) {
  using namespace std::string_literals;
  // Wine turns the argument vector into a Windows command line; the platform layer splits it
  // again by the Windows rules. Every word must come back byte for byte.
  const std::vector<std::string> words = {
      "plain",
      "two words",
      "",
      "quote\"inside",
      "\"quoted\"",
      "back\\slash",
      "trailing\\",
      "\\\\server\\share\\",
      "tab\there",
      "\xC3\xBC\xE2\x82\xAC\xF0\x9F\x98\x80",
      "--print-url",
  };
  const auto run = run_headless(helpers + "/show_arguments.exe", words);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exit_code, 0);
  std::string expected;
  for (const auto& word : words) expected += word + '\0';
  EXPECT_EQ(run.out, expected);

  // The tool skips such words when they begin with "--", and finds the address after them.
  auto inspector = answering(testing::http_answer("HTTP/1.0 200 OK", targets));
  const auto tool_run =
      run_headless(tool, {"--\"quoted option\"", "--back\\slash\\", "--", "--\xC3\xBC",
                          inspector->address(), "--print-url", "ignored \"second\" address"});
  EXPECT_EQ(tool_run.err, "");
  EXPECT_EQ(tool_run.exit_code, 0);
  EXPECT_EQ(tool_run.out,
            console_lines("127.0.0.1:9229/abc-def", embedded_address("127.0.0.1:9229/abc-def")));

  // An empty word is an address (the empty one), and non-ASCII text reaches the messages as
  // typed.
  const auto empty = run_headless(tool, {"", inspector->address(), "--print-url"});
  EXPECT_EQ(empty.err,
            "Error: failed to read inspector targets from http:///json\n\nCaused by:\n"
            "    0: connect to inspector at \n    1: invalid socket address\n");
  const std::string host =
      "\xC3\xBC"
      "ber.invalid:9229";
  const auto named = run_headless(tool, {"--print-url", host});
  EXPECT_TRUE(named.err.starts_with("Error: failed to read inspector targets from http://" + host +
                                    "/json\n\nCaused by:\n    0: connect to inspector at " + host +
                                    "\n    1: "))
      << named.err;
  EXPECT_EQ(named.exit_code, 1);
}

// ---------------------------------------------------------------------------------------------
// Window mode under Xvfb, on a prefix of its own (Wine keeps the graphics driver per prefix).

class WindowsWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { x = new testing::XSession(); }

  static void TearDownTestSuite() {
    // Wine's server and its desktop process go 3 seconds after the last program; the display
    // stays until then.
    run_program("/bin/sh", {"-c", "WINEPREFIX='" + x11_prefix + "' wineserver -w"},
                RunOptions{{}, 60s});
    delete x;
    x = nullptr;
  }

  // A Windows program running beside the test, on the display; in `current_folder` when one is
  // given (Wine starts the program in the Unix current folder).
  std::unique_ptr<Child> start(const std::string& program, std::vector<std::string> arguments,
                               std::map<std::string, std::optional<std::string>> environment = {},
                               const std::string& current_folder = {}) {
    arguments.insert(arguments.begin(), {"--prefix=" + x11_prefix, "--x11", program});
    environment["DISPLAY"] = x->display_name();
    environment["WINEPREFIX"] = std::nullopt;
    environment.try_emplace("TAVRIK_INSPECTOR_FRONTEND", std::nullopt);
    if (current_folder.empty()) {
      return std::make_unique<Child>(wine_run, arguments, ChildOptions{environment, true});
    }
    arguments.insert(arguments.begin(),
                     {"-c", "cd \"$0\" && exec \"$@\"", current_folder, wine_run});
    return std::make_unique<Child>("/bin/sh", arguments, ChildOptions{environment, true});
  }

  // The exit status, with what the program said on standard error when it is not 0.
  std::string run_to_end(const std::string& program, std::vector<std::string> arguments) {
    auto child = start(program, std::move(arguments));
    const int status = child->wait_exit(60s).value_or(-1);
    return status == 0 ? "0" : std::to_string(status) + ": " + child->err();
  }

  // A folder of the test's own for the stand-in loader's log.
  std::filesystem::path fresh_folder(const std::string& name) {
    const std::filesystem::path folder = std::filesystem::path(work_dir) / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
  }

  static testing::XSession* x;
};

testing::XSession* WindowsWindow::x = nullptr;

// The window on the Windows shell with a stand-in web view: nothing but the shell and its loop.
TEST_F(WindowsWindow, TheShellsWindowHasTheTitleAndClosingItEndsTheProcessWithStatusZero) {
  auto shell = start(helpers + "/shell_standin.exe", {});
  // Starting the prefix's desktop the first time takes a while on a busy machine.
  const auto window = x->find_window(title, 120s);
  ASSERT_TRUE(window) << shell->err();

  // Resizing, maximising and restoring do not end it.
  EXPECT_EQ(run_to_end(helpers + "/close_window.exe", {"resize", "maximize", "restore"}), "0");
  EXPECT_FALSE(shell->wait_exit(1500ms)) << "the loop ended without a close request";

  x->request_close(*window);  // WM_DELETE_WINDOW, as the close button of a window manager
  EXPECT_EQ(shell->wait_exit(30s), 0);
  EXPECT_EQ(shell->err(), "");
  EXPECT_EQ(shell->out(), "");
}

TEST_F(WindowsWindow, TwoCloseRequestsFromAnotherProgramEndItWithStatusZero) {
  auto shell = start(helpers + "/shell_standin.exe", {});
  ASSERT_TRUE(x->find_window(title, 120s)) << shell->err();
  // WM_CLOSE twice, the way another program asks; the second comes after exit mode is set.
  EXPECT_EQ(run_to_end(helpers + "/close_window.exe", {"close-twice"}), "0");
  EXPECT_EQ(shell->wait_exit(30s), 0);
  EXPECT_EQ(shell->err(), "");
}

TEST_F(WindowsWindow, AltF4EndsItWithStatusZero) {
  auto shell = start(helpers + "/shell_standin.exe", {});
  const auto window = x->find_window(title, 120s);
  ASSERT_TRUE(window) << shell->err();
  x->focus(*window);
  x->press_key("Alt_L+F4");
  EXPECT_EQ(shell->wait_exit(30s), 0);
  EXPECT_EQ(shell->err(), "");
}

TEST_F(WindowsWindow, WithoutTheWebView2RuntimeTheReportFollowsTheThreeLines) {
  // The stand-in loader on the search path and in the current folder: neither is a place the
  // tool loads DLLs from.
  auto inspector = answering(testing::http_answer("HTTP/1.0 200 OK", targets));
  const auto folder = fresh_folder("nowhere");
  auto run = start(tool, {inspector->address()},
                   {{"WINEPATH", dos_path(fake_loader_dir)},
                    {"TAVRIK_FAKE_WEBVIEW2_LOG", dos_path(folder.string())}},
                   fake_loader_dir);
  ASSERT_EQ(run->wait_exit(120s), 1);
  EXPECT_EQ(run->out(),
            console_lines("127.0.0.1:9229/abc-def", embedded_address("127.0.0.1:9229/abc-def")));
  EXPECT_EQ(run->err(),
            "Error: failed to create webview (is the WebView2 runtime installed?)\n\nCaused by:\n"
            "    no usable WebView2 runtime: looked for WebView2Loader.dll beside " +
                dos_path(tool) +
                ", and for the EBWebView value of the WebView2 runtime's stable, beta, dev and "
                "canary channels under HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER\\Software\\"
                "Microsoft\\EdgeUpdate\\ClientState (32-bit view), and found none; install the "
                "WebView2 runtime from https://developer.microsoft.com/microsoft-edge/webview2/ "
                "(Windows 11 has it already), or set WEBVIEW2_BROWSER_EXECUTABLE_FOLDER to the "
                "folder of a fixed-version runtime\n");
  EXPECT_FALSE(std::filesystem::exists(folder / "log.txt"));
}

TEST_F(WindowsWindow, ALoaderBesideTheExeWithoutARuntimeReleasesTheWindowBeforeTheEnd) {
  // The tool and the stand-in loader in a folder of their own, as a user would ship them.
  const auto folder = fresh_folder("beside");
  std::filesystem::copy_file(tool, folder / "tavrik_inspector.exe");
  std::filesystem::copy_file(fake_loader_dir + "/WebView2Loader.dll",
                             folder / "WebView2Loader.dll");
  auto inspector = answering(testing::http_answer("HTTP/1.0 200 OK", targets));
  auto run = start((folder / "tavrik_inspector.exe").string(), {inspector->address()},
                   {{"TAVRIK_FAKE_WEBVIEW2", "no-runtime"},
                    {"TAVRIK_FAKE_WEBVIEW2_LOG", dos_path(folder.string())}});
  ASSERT_EQ(run->wait_exit(120s), 1);
  EXPECT_EQ(run->out(),
            console_lines("127.0.0.1:9229/abc-def", embedded_address("127.0.0.1:9229/abc-def")));
  EXPECT_TRUE(run->err().starts_with(
      "Error: failed to create webview (is the WebView2 runtime installed?)\n\nCaused by:\n"
      "    0: create the WebView2 environment\n    1: "))
      << run->err();
  EXPECT_TRUE(run->err().ends_with(" (HRESULT 0x80070002)\n")) << run->err();
  // The window was shown before the web view was asked for, and gone before the process ended.
  EXPECT_EQ(read_file(folder / "log.txt"),
            "environment browser-folder=- user-data=- options=- windows=" + title +
                "\nexit windows-alive=0\n");
}

TEST_F(WindowsWindow, TheToolServesTheEmbeddedFrontendAndEndsWhenTheWindowIsClosed) {
  const auto folder = fresh_folder("served");
  auto inspector = answering(testing::http_answer("HTTP/1.0 200 OK", targets));
  // No loader: the stand-in runtime's engine, named as a fixed-version runtime folder.
  const std::string runtime = helpers + "/fake_runtime";
  auto run = start(tool, {inspector->address()},
                   {{"WEBVIEW2_BROWSER_EXECUTABLE_FOLDER", dos_path(runtime)},
                    {"TAVRIK_FAKE_WEBVIEW2_LOG", dos_path(folder.string())}});
  const auto window = x->find_window(title, 120s);
  ASSERT_TRUE(window) << run->err();
  const auto loaded = [&] { return read_file(folder / "log.txt").find("\nloaded\n"); };
  for (int i = 0; i < 600 && loaded() == std::string::npos; ++i) std::this_thread::sleep_for(100ms);
  const std::string log = read_file(folder / "log.txt");
  const std::string address = embedded_address("127.0.0.1:9229/abc-def");
  EXPECT_TRUE(log.starts_with("engine " + dos_path(runtime) +
                              "\\EBWebView\\x64\\EmbeddedBrowserWebView.dll flag=1 kind=1 "
                              "user-data=" +
                              dos_path(tool) + ".WebView2 options=- windows=" + title + "\n"))
      << log;
  EXPECT_NE(log.find("\nfilter http://devtools.* 0 sources=0xFFFFFFFF\n"), std::string::npos)
      << log;
  EXPECT_NE(log.find("\nnavigate " + address + "\n"), std::string::npos) << log;
  EXPECT_NE(log.find("\nresponse " + address + " 200 OK|Content-Type: text/html; charset=utf-8|"),
            std::string::npos)
      << log;
  EXPECT_NE(log.find("\nresponse http://devtools.localhost/no/such/file.js 404 Not Found|"
                     "Content-Type: text/plain; charset=utf-8|9 stat=9\n"),
            std::string::npos)
      << log;
  EXPECT_EQ(log.find("unexpected"), std::string::npos) << log;
  EXPECT_EQ(read_file(folder / "body-0.bin"), read_file(frontend_dir + "/js_app.html"));

  x->request_close(*window);
  EXPECT_EQ(run->wait_exit(30s), 0);
  EXPECT_EQ(run->out(), console_lines("127.0.0.1:9229/abc-def", address));
  EXPECT_EQ(run->err(), "");
}

// Waits for the stand-in's log to hold `text` at or after position `from`; the position after
// it (the start of the next line when `text` ends one), or npos after a minute.
std::size_t wait_for_log(const std::filesystem::path& log, const std::string& text,
                         std::size_t from = 0) {
  for (int i = 0; i < 600; ++i) {
    const std::string now = read_file(log);
    if (const auto at = now.find(text, from); at != std::string::npos) return at + text.size();
    std::this_thread::sleep_for(100ms);
  }
  return std::string::npos;
}

// A Node.js inspector on 127.0.0.1 (port 0: any free one), and the address and ws target it
// announces.
struct NodeInspector {
  std::unique_ptr<Child> process;
  std::string address;
  std::string ws_target;
};

NodeInspector start_node(const std::string& port) {
  NodeInspector started;
  started.process = std::make_unique<Child>(
      node,
      std::vector<std::string>{"--inspect=127.0.0.1:" + port, "-e", "setInterval(() => {}, 1000)"});
  started.process->wait_for_err("\n", 30s);
  std::smatch match;
  const std::string announced = started.process->err();
  if (std::regex_search(announced, match,
                        std::regex("ws://(127\\.0\\.0\\.1:([0-9]+))/([0-9a-f-]{36})"))) {
    started.address = match[1];
    started.ws_target = started.address + "/" + std::string(match[3]);
  }
  return started;
}

TEST_F(WindowsWindow, F5InTheWindowAsksTheInspectorAgainAndOpensWhatItFound) {
  const auto folder = fresh_folder("reload");
  auto inspector = answering(testing::http_answer("HTTP/1.0 200 OK", targets));
  // The stand-in presses F5 once the first page has loaded.
  auto run = start(tool, {inspector->address()},
                   {{"WEBVIEW2_BROWSER_EXECUTABLE_FOLDER", dos_path(helpers + "/fake_runtime")},
                    {"TAVRIK_FAKE_WEBVIEW2_LOG", dos_path(folder.string())},
                    {"TAVRIK_FAKE_WEBVIEW2_PLAY", "f5"}});
  const auto window = x->find_window(title, 120s);
  ASSERT_TRUE(window) << run->err();
  const std::string address = embedded_address("127.0.0.1:9229/abc-def");
  const auto pressed =
      wait_for_log(folder / "log.txt", "\nkey F5 handled\nnavigate " + address + "\n");
  ASSERT_NE(pressed, std::string::npos) << read_file(folder / "log.txt");
  EXPECT_NE(wait_for_log(folder / "log.txt", "\nloaded\n", pressed), std::string::npos);
  EXPECT_EQ(inspector->connections(), 2);  // the start, and the lookup after F5
  EXPECT_EQ(read_file(folder / "log.txt").find("reload"), std::string::npos);

  x->request_close(*window);
  EXPECT_EQ(run->wait_exit(30s), 0);
  EXPECT_EQ(run->out(), console_lines("127.0.0.1:9229/abc-def", address));
  EXPECT_EQ(run->err(), "");
}

TEST_F(WindowsWindow, WithFollowTheWindowOpensNodeRestartedOnTheSamePort) {
  auto first = start_node("0");
  ASSERT_FALSE(first.address.empty()) << first.process->err();
  const auto folder = fresh_folder("follow");
  auto run = start(tool, {"--follow", first.address},
                   {{"WEBVIEW2_BROWSER_EXECUTABLE_FOLDER", dos_path(helpers + "/fake_runtime")},
                    {"TAVRIK_FAKE_WEBVIEW2_LOG", dos_path(folder.string())}});
  const auto window = x->find_window(title, 120s);
  ASSERT_TRUE(window) << run->err();
  const auto loaded = wait_for_log(folder / "log.txt", "\nloaded\n");
  ASSERT_NE(loaded, std::string::npos) << read_file(folder / "log.txt");

  // The process restarts on the same port under a new target id.
  first.process->stop();
  auto second = start_node(first.address.substr(first.address.rfind(':') + 1));
  ASSERT_EQ(second.address, first.address) << second.process->err();
  ASSERT_NE(second.ws_target, first.ws_target);
  EXPECT_NE(wait_for_log(folder / "log.txt",
                         "navigate " + embedded_address(second.ws_target) + "\n", loaded),
            std::string::npos)
      << read_file(folder / "log.txt");

  x->request_close(*window);
  EXPECT_EQ(run->wait_exit(30s), 0);
  EXPECT_EQ(run->out(), console_lines(first.ws_target, embedded_address(first.ws_target)));
  EXPECT_EQ(run->err(), "");
  second.process->stop();
}

}  // namespace
}  // namespace tavrik
