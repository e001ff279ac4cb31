// The built binary, end to end: exact standard output, standard error and exit status.
#include <arpa/inet.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <thread>

#include "child_process.hpp"
#include "expected_output.hpp"
#include "scripted_inspector.hpp"
#include "subprocess.hpp"

namespace tavrik {
namespace {

using namespace std::chrono_literals;
using testing::run_program;
using testing::RunOptions;
using testing::ScriptedInspector;

const std::string binary = TAVRIK_INSPECTOR_BINARY;
const std::string usage_report =
    "Error: usage: tavrik_inspector [--print-url] <inspector-http-addr e.g. 127.0.0.1:9229>\n";
const std::string targets = R"([{"webSocketDebuggerUrl":"ws://127.0.0.1:9229/abc-def"}])";

using testing::console_lines;

RunOptions without_override() {
  RunOptions options;
  options.environment["TAVRIK_INSPECTOR_FRONTEND"] = std::nullopt;
  return options;
}

std::unique_ptr<ScriptedInspector> answering(const std::string& answer) {
  return std::make_unique<ScriptedInspector>(
      std::vector{testing::read_request(), testing::send(answer), testing::hold_open()});
}

TEST(LauncherEndToEnd, UsageErrors) {
  for (const auto& arguments :
       std::vector<std::vector<std::string>>{{},
                                             {"--print-url"},
                                             {"--help"},
                                             {"--", "--print-url"},
                                             {"--list-targets", "--target=x"}}) {
    const auto run = run_program(binary, arguments);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, usage_report);
    EXPECT_EQ(run.exit_code, 1);
  }
}

TEST(LauncherEndToEnd, PrintOnlyWritesTheThreeLines) {
  auto inspector = answering(testing::http_answer("HTTP/1.0 200 OK", targets));
  // The flag may follow the address, and unknown options are skipped.
  const auto run = run_program(binary, {"--verbose", inspector->address(), "--print-url", "x:1"},
                               without_override());
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, console_lines("127.0.0.1:9229/abc-def",
                                   "http://devtools.localhost/js_app.html?ws=127.0.0.1:9229/abc-def"
                                   "&experiments=true&v8only=true"));
}

TEST(LauncherEndToEnd, ATlsTargetIsPrintedBareAndGivenToTheFrontendAsWss) {
  auto inspector = answering(testing::http_answer(
      "HTTP/1.0 200 OK", R"([{"webSocketDebuggerUrl":"wss://inspect.test:9229/abc-def"}])"));
  const auto run = run_program(binary, {"--print-url", inspector->address()}, without_override());
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, console_lines("inspect.test:9229/abc-def",
                                   "http://devtools.localhost/js_app.html?wss=inspect.test:9229/"
                                   "abc-def&experiments=true&v8only=true"));
  // The override's {ws} stays the bare target.
  RunOptions options;
  options.environment["TAVRIK_INSPECTOR_FRONTEND"] = "http://127.0.0.1:8080/?ws={ws}";
  const auto custom = run_program(binary, {"--print-url", inspector->address()}, options);
  EXPECT_EQ(custom.exit_code, 0);
  EXPECT_EQ(custom.out, console_lines("inspect.test:9229/abc-def",
                                      "http://127.0.0.1:8080/?ws=inspect.test:9229/abc-def"));
}

TEST(LauncherEndToEnd, TheOverrideReplacesTheAddressButNotTheThirdLine) {
  auto inspector = answering(testing::http_answer("HTTP/1.0 200 OK", targets));
  RunOptions options;
  options.environment["TAVRIK_INSPECTOR_FRONTEND"] = "http://127.0.0.1:8080/js_app.html?ws={ws}";
  const auto run = run_program(binary, {"--print-url", inspector->address()}, options);
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, console_lines("127.0.0.1:9229/abc-def",
                                   "http://127.0.0.1:8080/js_app.html?ws=127.0.0.1:9229/abc-def"));
  // A value that is not valid text selects the default, silently.
  options.environment["TAVRIK_INSPECTOR_FRONTEND"] = "\xff{ws}";
  const auto invalid = run_program(binary, {"--print-url", inspector->address()}, options);
  EXPECT_EQ(invalid.exit_code, 0);
  EXPECT_NE(invalid.out.find("devtools   = http://devtools.localhost/js_app.html?ws="),
            std::string::npos);
}

TEST(LauncherEndToEnd, ARefusedConnectionIsReportedAfterTheDeadline) {
  const std::string address = "127.0.0.1:" + std::to_string(testing::unused_port());
  const auto run = run_program(binary, {"--print-url", address});
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "Error: failed to read inspector targets from http://" + address +
                         "/json\n\nCaused by:\n    0: connect to inspector at " + address +
                         "\n    1: Connection refused (os error 111)\n");
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_GE(run.elapsed, 5000ms);  // retried until the deadline
}

TEST(LauncherEndToEnd, AnUnansweredConnectIsReportedWithTheTimeOutAfterTheDeadline) {
  testing::UnansweredListener silent;
  const auto run = run_program(binary, {"--print-url", silent.address()});
  EXPECT_FALSE(run.timed_out);  // within the runner's 30 s, not the kernel's minutes
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "Error: failed to read inspector targets from http://" + silent.address() +
                         "/json\n\nCaused by:\n    0: connect to inspector at " + silent.address() +
                         "\n    1: Connection timed out (os error 110)\n");
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_GE(run.elapsed, 6000ms);  // two attempts of 3 s: the second ends past the deadline
}

TEST(LauncherEndToEnd, AfterAnUnansweredAddressTheNextOneOfTheNameIsTried) {
  // A name whose first address (::1) never answers and whose second (127.0.0.1, same port)
  // does. The name comes from a hosts file bound over /etc/hosts in a private mount namespace.
  ScriptedInspector inspector(
      {testing::read_request(), testing::send(testing::http_answer("HTTP/1.0 200 OK", targets))});
  std::unique_ptr<testing::UnansweredListener> silent;
  try {
    silent = std::make_unique<testing::UnansweredListener>(/*ipv6=*/true, inspector.port());
  } catch (const std::exception& failure) {
    GTEST_SKIP() << "no unanswered listener on ::1 at the inspector's port: " << failure.what();
  }
  const std::string unshare = "/usr/bin/unshare";
  if (::access(unshare.c_str(), X_OK) != 0) GTEST_SKIP() << "no " << unshare;
  char folder_template[] = "/tmp/tavrik_hosts_XXXXXX";
  ASSERT_NE(::mkdtemp(folder_template), nullptr);
  const std::string hosts = std::string(folder_template) + "/hosts";
  std::ofstream(hosts) << "::1 inspector.test\n127.0.0.1 inspector.test\n";
  const std::string address = "inspector.test:" + std::to_string(inspector.port());
  const auto probe = run_program(
      unshare,
      {"-rm", "sh", "-c", "mount --bind " + hosts + " /etc/hosts && getent ahosts inspector.test"});
  if (probe.exit_code != 0 || !probe.out.starts_with("::1 ")) {
    std::filesystem::remove_all(folder_template);
    GTEST_SKIP() << "no private mount namespace with ::1 first: " << probe.err << probe.out;
  }
  const auto run = run_program(
      unshare,
      {"-rm", "sh", "-c", "mount --bind " + hosts + " /etc/hosts && exec \"$0\" --print-url \"$1\"",
       binary, address});
  std::filesystem::remove_all(folder_template);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, console_lines("127.0.0.1:9229/abc-def",
                                   "http://devtools.localhost/js_app.html?ws=127.0.0.1:9229/abc-def"
                                   "&experiments=true&v8only=true"));
  EXPECT_EQ(inspector.connections(), 1);
  EXPECT_GE(run.elapsed, 2900ms);  // the first address had its whole 3 s
}

TEST(LauncherEndToEnd, ANon200AnswerIsReportedWithItsStatusLine) {
  auto inspector = answering("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n");
  const auto run = run_program(binary, {inspector->address(), "--print-url"});
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            "Error: failed to read inspector targets from http://" + inspector->address() +
                "/json\n\nCaused by:\n    inspector returned non-200: HTTP/1.1 404 Not Found\n");
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_GT(inspector->connections(), 10);  // tried again every 150 ms
}

TEST(LauncherEndToEnd, AMissingTargetIsFinalAtOnceAndQuotesTheBody) {
  const std::string body = "[{\"id\":\"x\"},\n {\"webSocketDebuggerUrl\":\"ws://h/1\"}]";
  auto inspector = answering(testing::http_answer("HTTP/1.0 200 OK", body));
  const auto run = run_program(binary, {"--print-url", inspector->address()});
  EXPECT_EQ(run.out, "");
  // The body's own line break is kept, and indented under the single cause.
  EXPECT_EQ(run.err, "Error: failed to read inspector targets from http://" + inspector->address() +
                         "/json\n\nCaused by:\n    no webSocketDebuggerUrl in inspector /json: "
                         "[{\"id\":\"x\"},\n     {\"webSocketDebuggerUrl\":\"ws://h/1\"}]\n");
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(inspector->connections(), 1);
}

// As Chromium lists its targets: a page held by another debugger has no webSocketDebuggerUrl.
const std::string several_targets =
    R"([{"id":"P1","type":"page","title":"Tab\tone\n","url":"https://a.test/",)"
    R"("webSocketDebuggerUrl":"ws://127.0.0.1:9222/devtools/page/P1"},)"
    R"({"id":"HELD","type":"page","title":"held","url":"https://held.test/"},)"
    R"({"id":"SW","type":"service_worker","title":"Service Worker","url":"https://a.test/sw.js",)"
    R"("webSocketDebuggerUrl":"ws://127.0.0.1:9222/devtools/page/SW"}])";
const std::string several_lines =
    "P1\tpage\tTab\\tone\\n\thttps://a.test/\n"
    "SW\tservice_worker\tService Worker\thttps://a.test/sw.js\n";

TEST(LauncherEndToEnd, ListTargets) {
  auto inspector = answering(testing::http_answer("HTTP/1.0 200 OK", several_targets));
  auto empty = answering(testing::http_answer("HTTP/1.0 200 OK", R"([{"id":"HELD"}])"));
  struct Case {
    std::vector<std::string> arguments;
    std::string out;
  };
  const Case cases[] = {
      {{"--list-targets", inspector->address()}, several_lines},
      // --list-targets wins over --print-url: only the list, and no window either way.
      {{inspector->address(), "--print-url", "--list-targets"}, several_lines},
      // With --target only the line of the target it would choose.
      {{"--list-targets", "--target=sw.js", inspector->address()},
       "SW\tservice_worker\tService Worker\thttps://a.test/sw.js\n"},
      // No target to offer: nothing at all, and still a success.
      {{"--list-targets", empty->address()}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.arguments));
    const auto run = run_program(binary, c.arguments, without_override());
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.exit_code, 0);
  }
}

// Standard output may be a non-blocking pipe another process shares: writes then come back short
// or with EAGAIN while the reader lags. Every byte must still arrive, exactly once and in order.
TEST(LauncherEndToEnd, ListTargetsSurvivesANonBlockingPipeThatFillsUp) {
  std::string body = "[";
  std::string expected;
  const std::string filler(200, 'x');
  for (int i = 0; i < 2000; ++i) {
    const std::string n = std::to_string(i);
    body += (i == 0 ? "" : ",") + std::string(R"({"id":"T)") + n +
            R"(","type":"page","title":"title )" + n + filler + R"(","url":"https://a.test/)" + n +
            R"(","webSocketDebuggerUrl":"ws://127.0.0.1:9229/)" + n + R"("})";
    expected += "T" + n + "\tpage\ttitle " + n + filler + "\thttps://a.test/" + n + "\n";
  }
  body += "]";
  ASSERT_GT(expected.size(), 4u * 65536u);  // several times what a pipe holds
  auto inspector = answering(testing::http_answer("HTTP/1.0 200 OK", body));

  int out[2];
  ASSERT_EQ(::pipe(out), 0);
  ASSERT_EQ(::fcntl(out[1], F_SETFL, ::fcntl(out[1], F_GETFL) | O_NONBLOCK), 0);
  const std::string address = inspector->address();
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::dup2(out[1], STDOUT_FILENO);
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, STDERR_FILENO);
    ::close(out[0]);
    ::close(out[1]);
    const char* argv[] = {binary.c_str(), "--list-targets", address.c_str(), nullptr};
    ::execv(binary.c_str(), const_cast<char* const*>(argv));
    ::_exit(127);
  }
  ::close(out[1]);
  // A slow reader, so that the pipe is full whenever the tool writes.
  std::string received;
  char buffer[1024];
  for (;;) {
    const ssize_t n = ::read(out[0], buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    ASSERT_GE(n, 0);
    if (n == 0) break;
    received.append(buffer, static_cast<std::size_t>(n));
    std::this_thread::sleep_for(100us);
  }
  ::close(out[0]);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(received.size(), expected.size());
  EXPECT_TRUE(received == expected);
}

TEST(LauncherEndToEnd, TheTargetOptionChoosesWhatIsPrintedAndOpened) {
  auto inspector = answering(testing::http_answer("HTTP/1.0 200 OK", several_targets));
  const auto run =
      run_program(binary, {"--print-url", "--target=SW", inspector->address()}, without_override());
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, console_lines("127.0.0.1:9222/devtools/page/SW",
                                   "http://devtools.localhost/js_app.html?ws=127.0.0.1:9222/"
                                   "devtools/page/SW&experiments=true&v8only=true"));
}

TEST(LauncherEndToEnd, NoMatchingTargetIsFinalAtOnceAndListsTheTargetsOffered) {
  auto inspector = answering(testing::http_answer("HTTP/1.0 200 OK", several_targets));
  for (const auto& arguments : std::vector<std::vector<std::string>>{
           {"--print-url", "--target=held", inspector->address()},
           {"--list-targets", "--target=held", inspector->address()}}) {
    SCOPED_TRACE(::testing::PrintToString(arguments));
    const int before = inspector->connections();
    const auto run = run_program(binary, arguments);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "Error: failed to read inspector targets from http://" +
                           inspector->address() +
                           "/json\n\nCaused by:\n"
                           "    no target with the id held or with held in its title or url; "
                           "targets offered (id, type, title, url):\n"
                           "    P1\tpage\tTab\\tone\\n\thttps://a.test/\n"
                           "    SW\tservice_worker\tService Worker\thttps://a.test/sw.js\n");
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_EQ(inspector->connections(), before + 1);
  }
}

TEST(LauncherEndToEnd, AChromiumLikeInspectorIsFoundOverHttp11) {
  auto script = std::vector{testing::read_request(), testing::close_if_request_has("HTTP/1.0"),
                            testing::send(testing::http_answer("HTTP/1.1 200 OK", targets)),
                            testing::hold_open()};
  ScriptedInspector inspector(script);
  const auto run = run_program(binary, {"--print-url", inspector.address()}, without_override());
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, console_lines("127.0.0.1:9229/abc-def",
                                   "http://devtools.localhost/js_app.html?ws=127.0.0.1:9229/abc-def"
                                   "&experiments=true&v8only=true"));
  EXPECT_EQ(inspector.connections(), 2);
}

TEST(LauncherEndToEnd, AChunkedAnswer) {
  auto inspector = answering("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n10\r\n" +
                             targets.substr(0, 16) + "\r\n" +
                             [] {
                               char size[16];
                               std::snprintf(size, sizeof size, "%zx", targets.size() - 16);
                               return std::string(size);
                             }() +
                             "\r\n" + targets.substr(16) + "\r\n0\r\n\r\n");
  const auto run = run_program(binary, {"--print-url", inspector->address()}, without_override());
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, console_lines("127.0.0.1:9229/abc-def",
                                   "http://devtools.localhost/js_app.html?ws=127.0.0.1:9229/abc-def"
                                   "&experiments=true&v8only=true"));
  EXPECT_EQ(inspector->connections(), 1);
}

TEST(LauncherEndToEnd, ArgumentsThatAreNotUtf8StopBeforeDiscovery) {
  auto inspector = answering(testing::http_answer("HTTP/1.0 200 OK", targets));
  const auto run = run_program(binary, {"--print-url", inspector->address() + "\xff"});
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("not valid UTF-8"), std::string::npos) << run.err;
  EXPECT_NE(run.exit_code, 0);
  EXPECT_EQ(run.signal, 0);
  EXPECT_EQ(inspector->connections(), 0);
}

TEST(LauncherEndToEnd, AStandardOutputWithoutReaderIsAnErrorNotASignal) {
  auto inspector = answering(testing::http_answer("HTTP/1.0 200 OK", targets));
  RunOptions options = without_override();
  options.close_stdout_early = true;
  const auto run = run_program(binary, {"--print-url", inspector->address()}, options);
  EXPECT_EQ(run.signal, 0);
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(
      run.err,
      "Error: failed to write to standard output\n\nCaused by:\n    Broken pipe (os error 32)\n");
}

TEST(LauncherEndToEnd, AFullDiskIsAnErrorToo) {
  if (::access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
  auto inspector = answering(testing::http_answer("HTTP/1.0 200 OK", targets));
  const std::string command = "'" + binary + "' --print-url " + inspector->address() +
                              " >/dev/full 2>&1; echo \"status $?\"";
  FILE* pipe = ::popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
  ::pclose(pipe);
  EXPECT_EQ(output, "status 1\n");
}

// A real inspector of another program on a port of the test's choosing, started with the
// arguments `arguments` gives for that address, in `directory`.
class InspectorProcess {
 public:
  InspectorProcess(const std::string& program,
                   const std::function<std::vector<std::string>(const std::string&)>& arguments,
                   const std::string& directory = ".")
      : port_(testing::unused_port()) {
    // The child changes into the folder itself, so that the test's own stays as it is.
    std::vector<std::string> words{"-c", "cd \"$0\" && exec \"$@\"", directory, program};
    for (auto& word : arguments(address())) words.push_back(std::move(word));
    process_ = std::make_unique<testing::Child>("/bin/sh", words);
  }
  std::string address() const { return "127.0.0.1:" + std::to_string(port_); }
  std::uint16_t port() const { return port_; }

  // Whether the program said `text` (on either stream) within the limit: each says when its
  // inspector is ready, and asked before that some list no target yet.
  bool wait_until_said(const std::string& text, std::chrono::milliseconds limit) {
    return process_->wait_for(
        [&](const testing::Child& c) {
          return c.out().find(text) != std::string::npos || c.err().find(text) != std::string::npos;
        },
        limit);
  }

 private:
  std::uint16_t port_;
  std::unique_ptr<testing::Child> process_;
};

// Real Node.js: the inspector most people point the tool at. It answers with a Content-Length and
// keeps the connection open.
class NodeInspector : public InspectorProcess {
 public:
  NodeInspector()
      : InspectorProcess(TAVRIK_NODE, [](const std::string& address) {
          return std::vector<std::string>{"--inspect=" + address, "-e",
                                          "setInterval(() => {}, 1000)"};
        }) {}
};

TEST(LauncherEndToEnd, PrintOnlyAgainstRealNode) {
  if (std::string(TAVRIK_NODE).empty()) GTEST_SKIP() << "Node.js is not installed";
  NodeInspector node;
  // Node.js up first, so that the time bound below is the tool's own.
  ASSERT_TRUE(node.wait_until_said("Debugger listening", 20s)) << "Node.js did not start";
  const auto run = run_program(binary, {"--print-url", node.address()}, without_override());
  EXPECT_EQ(run.err, "");
  ASSERT_EQ(run.exit_code, 0);
  const std::string port = std::to_string(node.port());
  const std::regex expected(
      "tavrik_inspector: ws target  = 127\\.0\\.0\\.1:" + port + "/([0-9a-f-]{36})\n" +
      "tavrik_inspector: devtools   = "
      "http://devtools\\.localhost/js_app\\.html\\?ws=127\\.0\\.0\\.1:" +
      port + "/\\1&experiments=true&v8only=true\n" +
      "tavrik_inspector: \\(frontend is embedded; override with TAVRIK_INSPECTOR_FRONTEND\\)\n");
  EXPECT_TRUE(std::regex_match(run.out, expected)) << run.out;
  // Node.js keeps the connection open after its answer: reading to the end of its Content-Length
  // is what keeps the tool from waiting out the 3-second receive time-out.
  EXPECT_LT(run.elapsed, 2900ms);
}

// Inspectors that nobody here wrote besides Node.js, where the registry had them for setup to
// install: each lists its own kind of target and is found in print-only mode.
TEST(LauncherEndToEnd, PrintOnlyAgainstDenoAndWorkerd) {
  char pattern[] = "/tmp/tavrik-inspectors-XXXXXX";
  ASSERT_NE(::mkdtemp(pattern), nullptr);
  const std::string dir = pattern;
  std::ofstream(dir + "/main.ts") << "setInterval(() => {}, 1000);\n";
  std::ofstream(dir + "/worker.js")
      << "addEventListener('fetch', (event) => event.respondWith(new Response('hi')));\n";
  std::ofstream(dir + "/config.capnp")
      << "using Workerd = import \"/workerd/workerd.capnp\";\n"
         "const config :Workerd.Config = (\n"
         "  services = [ (name = \"main\", worker = .mainWorker) ],\n"
         "  sockets = [ (name = \"http\", address = \"127.0.0.1:0\", http = (), service = "
         "\"main\") ],\n"
         ");\n"
         "const mainWorker :Workerd.Worker = (\n"
         "  serviceWorkerScript = embed \"worker.js\",\n"
         "  compatibilityDate = \"2024-01-01\",\n"
         ");\n";
  struct Case {
    std::string name;
    std::string program;
    std::function<std::vector<std::string>(const std::string&)> arguments;
    std::string target_pattern;  // the ws target after the address
    std::string ready;           // what it says once its inspector lists its target
  };
  const std::vector<Case> cases = {
      {"Deno", TAVRIK_DENO,
       [](const std::string& address) {
         return std::vector<std::string>{"run", "--inspect=" + address, "main.ts"};
       },
       "/[0-9a-f-]{36}", "Debugger listening"},
      {"workerd", TAVRIK_WORKERD,
       [](const std::string& address) {
         return std::vector<std::string>{"serve", "config.capnp", "--inspector-addr=" + address};
       },
       "/main", "Listening on"},
  };
  int ran = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (::access(c.program.c_str(), X_OK) != 0) continue;
    ++ran;
    InspectorProcess inspector(c.program, c.arguments, dir);
    ASSERT_TRUE(inspector.wait_until_said(c.ready, 20s)) << c.name << " did not start";
    const auto run = run_program(binary, {"--print-url", inspector.address()}, without_override());
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.exit_code, 0);
    const std::string address = "127\\.0\\.0\\.1:" + std::to_string(inspector.port());
    const std::regex expected("tavrik_inspector: ws target  = (" + address + c.target_pattern +
                              ")\ntavrik_inspector: devtools   = "
                              "http://devtools\\.localhost/js_app\\.html\\?ws=\\1"
                              "&experiments=true&v8only=true\n"
                              "tavrik_inspector: \\(frontend is embedded; override with "
                              "TAVRIK_INSPECTOR_FRONTEND\\)\n");
    EXPECT_TRUE(std::regex_match(run.out, expected)) << run.out;
  }
  std::filesystem::remove_all(dir);
  if (ran == 0) GTEST_SKIP() << "neither Deno nor workerd is installed (scripts/setup.sh does)";
}

TEST(LauncherEndToEnd, ListAndChooseTargetsOfRealNode) {
  if (std::string(TAVRIK_NODE).empty()) GTEST_SKIP() << "Node.js is not installed";
  NodeInspector node;
  const auto listed = run_program(binary, {"--list-targets", node.address()}, without_override());
  EXPECT_EQ(listed.err, "");
  ASSERT_EQ(listed.exit_code, 0);
  std::smatch line;
  ASSERT_TRUE(std::regex_match(
      listed.out, line, std::regex("([0-9a-f-]{36})\tnode\t[^\t\n]*node\\[[0-9]+\\]\tfile://\n")))
      << listed.out;
  // The listed id chooses that target.
  const auto chosen = run_program(
      binary, {"--print-url", "--target=" + line[1].str(), node.address()}, without_override());
  EXPECT_EQ(chosen.exit_code, 0);
  EXPECT_TRUE(chosen.out.starts_with("tavrik_inspector: ws target  = " + node.address() + "/" +
                                     line[1].str() + "\n"))
      << chosen.out;
}

TEST(LauncherEndToEnd, WindowModeWithoutADisplayFailsAfterTheThreeLines) {
  auto inspector = answering(testing::http_answer("HTTP/1.0 200 OK", targets));
  RunOptions options = without_override();
  options.environment["DISPLAY"] = std::nullopt;
  options.environment["WAYLAND_DISPLAY"] = std::nullopt;
  const auto run = run_program(binary, {inspector->address()}, options);
  EXPECT_EQ(run.out, console_lines("127.0.0.1:9229/abc-def",
                                   "http://devtools.localhost/js_app.html?ws=127.0.0.1:9229/abc-def"
                                   "&experiments=true&v8only=true"));
  EXPECT_TRUE(run.err.starts_with("Error: failed to create inspector window\n\nCaused by:\n    "))
      << run.err;
  EXPECT_EQ(run.exit_code, 1);
}

}  // namespace
}  // namespace tavrik
