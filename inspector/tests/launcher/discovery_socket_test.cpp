// Discovery over real loopback sockets against a scripted inspector.
#include <fcntl.h>
#include <gtest/gtest.h>

#include "discovery.hpp"
#include "launcher.hpp"
#include "platform/net.hpp"
#include "scripted_inspector.hpp"

namespace tavrik {
namespace {

using namespace std::chrono_literals;
using testing::ScriptedInspector;

const std::string targets = R"([{"id":"1","webSocketDebuggerUrl":"ws://127.0.0.1:9229/abc"}])";

std::vector<testing::ScriptStep> in_pieces(const std::string& bytes, std::size_t size) {
  std::vector<testing::ScriptStep> steps{testing::read_request()};
  for (std::size_t i = 0; i < bytes.size(); i += size) {
    steps.push_back(testing::send(bytes.substr(i, size)));
    steps.push_back(testing::pause_for(2ms));
  }
  return steps;
}

TEST(DiscoveryOverSockets, SendsTheRequestAndReadsAnAnswerInSmallPieces) {
  auto script = in_pieces(testing::http_answer("HTTP/1.0 200 OK", targets), 3);
  script.push_back(testing::close_now());
  ScriptedInspector inspector(script);
  const auto url = discover_ws_url(inspector.address());
  ASSERT_TRUE(url.ok()) << format_error_report(url.error());
  EXPECT_EQ(url.value(), "ws://127.0.0.1:9229/abc");
  ASSERT_EQ(inspector.requests().size(), 1u);
  EXPECT_EQ(inspector.requests()[0],
            "GET /json HTTP/1.0\r\nHost: " + inspector.address() +
                "\r\nAccept: application/json\r\nConnection: close\r\n\r\n");
}

TEST(DiscoveryOverSockets, AContentLengthEndsAHeldOpenAnswer) {
  // As Node.js does: the whole answer, then the connection stays open; trailing bytes are ignored.
  ScriptedInspector inspector(
      {testing::read_request(),
       testing::send(testing::http_answer("HTTP/1.0 200 OK", targets) + "junk"),
       testing::hold_open()});
  const auto start = std::chrono::steady_clock::now();
  const auto body = fetch_targets_once(inspector.address());
  ASSERT_TRUE(body.ok()) << format_error_report(body.error());
  EXPECT_EQ(body.value(), targets);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 2500ms);  // not the receive time-out
}

TEST(DiscoveryOverSockets, WithoutContentLengthTheAnswerEndsWhenThePeerCloses) {
  ScriptedInspector inspector(
      {testing::read_request(),
       testing::send(testing::http_answer("HTTP/1.1 200 OK", targets, false)),
       testing::pause_for(300ms), testing::send("\n"), testing::close_now()});
  const auto body = fetch_targets_once(inspector.address());
  ASSERT_TRUE(body.ok()) << format_error_report(body.error());
  EXPECT_EQ(body.value(), targets + "\n");
}

TEST(DiscoveryOverSockets, AHeldOpenAnswerWithoutContentLengthMeetsTheReceiveTimeout) {
  ScriptedInspector inspector(
      {testing::read_request(),
       testing::send(testing::http_answer("HTTP/1.0 200 OK", targets, false)),
       testing::hold_open()});
  const auto start = std::chrono::steady_clock::now();
  const auto body = fetch_targets_once(inspector.address());
  const auto waited = std::chrono::steady_clock::now() - start;
  ASSERT_FALSE(body.ok());
  EXPECT_EQ(body.error().message(), "Resource temporarily unavailable (os error 11)");
  EXPECT_TRUE(body.error().causes().empty());
  EXPECT_GE(waited, 2900ms);  // the time-out is 3000 ms of silence
}

std::string request(const std::string& version, const std::string& address) {
  return "GET /json " + version + "\r\nHost: " + address +
         "\r\nAccept: application/json\r\nConnection: close\r\n\r\n";
}

TEST(DiscoveryOverSockets, AChromiumLikePeerIsAskedAgainAsHttp11InTheSameAttempt) {
  // Closes on HTTP/1.0 without a byte; answers HTTP/1.1 with a Content-Length and keeps the
  // connection open, in small pieces.
  auto script = in_pieces(testing::http_answer("HTTP/1.1 200 OK", targets), 7);
  script.insert(script.begin() + 1, testing::close_if_request_has("HTTP/1.0"));
  script.push_back(testing::hold_open());
  ScriptedInspector inspector(script);
  const auto body = fetch_targets_once(inspector.address());
  ASSERT_TRUE(body.ok()) << format_error_report(body.error());
  EXPECT_EQ(body.value(), targets);
  const auto requests = inspector.requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0], request("HTTP/1.0", inspector.address()));
  EXPECT_EQ(requests[1], request("HTTP/1.1", inspector.address()));
}

TEST(DiscoveryOverSockets, OnlyAnAnswerOfNoBytesAtAllIsAskedAgain) {
  struct Case {
    std::vector<testing::ScriptStep> script;
    int connections;
    std::string error;  // empty for a success
  };
  const std::vector<Case> cases = {
      // Silent on both: the attempt fails as an empty answer always did.
      {{testing::read_request(), testing::close_now()},
       2,
       "malformed HTTP response from inspector"},
      // Any answer to HTTP/1.0, even a useless one, is judged as it is.
      {{testing::read_request(), testing::send("H"), testing::close_now()},
       1,
       "malformed HTTP response from inspector"},
      {{testing::read_request(), testing::send("HTTP/1.1 404 Not Found\r\n\r\n")},
       1,
       "inspector returned non-200: HTTP/1.1 404 Not Found"},
      // The second answer is judged by the same rules.
      {{testing::read_request(), testing::close_if_request_has("HTTP/1.0"),
        testing::send("HTTP/1.1 404 Not Found\r\n\r\n")},
       2,
       "inspector returned non-200: HTTP/1.1 404 Not Found"},
      {{testing::read_request(), testing::close_if_request_has("HTTP/1.0"),
        testing::send(testing::http_answer("HTTP/1.1 200 OK", targets, false)),
        testing::close_now()},
       2,
       ""},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(i);
    ScriptedInspector inspector(cases[i].script);
    const auto body = fetch_targets_once(inspector.address());
    EXPECT_EQ(inspector.connections(), cases[i].connections);
    if (cases[i].error.empty()) {
      ASSERT_TRUE(body.ok()) << format_error_report(body.error());
      EXPECT_EQ(body.value(), targets);
    } else {
      ASSERT_FALSE(body.ok());
      EXPECT_EQ(body.error().message(), cases[i].error);
    }
  }
}

TEST(DiscoveryOverSockets, AChunkedAnswerEndsAtItsLastChunkThoughThePeerKeepsTheConnection) {
  // A character split between two chunks, an extension, a trailer, then junk and an open line.
  const std::string body = R"([{"title":"—","webSocketDebuggerUrl":"ws://h/x"}])";
  const auto dash = body.find("\xe2\x80\x94");
  const auto hex = [](std::size_t n) {
    char text[16];
    std::snprintf(text, sizeof text, "%zx", n);
    return std::string(text);
  };
  const std::string chunks = hex(dash + 1) + ";a=b\r\n" + body.substr(0, dash + 1) + "\r\n" +
                             hex(body.size() - dash - 1) + "\r\n" + body.substr(dash + 1) +
                             "\r\n0\r\nX-Trailer: y\r\n\r\n";
  auto script = in_pieces(
      "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\nContent-Length: 3\r\n\r\n" + chunks, 5);
  script.push_back(testing::send("HTTP/1.1 200 OK\r\n"));
  script.push_back(testing::hold_open());
  ScriptedInspector inspector(script);
  const auto url = discover_ws_url(inspector.address());
  ASSERT_TRUE(url.ok()) << format_error_report(url.error());
  EXPECT_EQ(url.value(), "ws://h/x");
  EXPECT_EQ(inspector.connections(), 1);
}

TEST(DiscoveryOverSockets, TheSelectorChoosesAmongSeveralTargets) {
  const std::string several =
      R"([{"id":"A","type":"page","title":"first","url":"https://a/","webSocketDebuggerUrl":"ws://h/A"},)"
      R"({"id":"B","type":"worker","title":"second","url":"https://b/w.js","webSocketDebuggerUrl":"ws://h/B"}])";
  ScriptedInspector inspector({testing::read_request(),
                               testing::send(testing::http_answer("HTTP/1.0 200 OK", several)),
                               testing::hold_open()});
  const std::pair<TargetSelector, std::string> cases[] = {
      {{}, "ws://h/A"}, {{"B"}, "ws://h/B"}, {{"w.js"}, "ws://h/B"}, {{"first"}, "ws://h/A"}};
  for (const auto& [selector, url] : cases) {
    const auto chosen = discover_ws_url(inspector.address(), selector);
    ASSERT_TRUE(chosen.ok()) << format_error_report(chosen.error());
    EXPECT_EQ(chosen.value(), url);
  }
  const auto lines = discover_target_lines(inspector.address());
  ASSERT_TRUE(lines.ok()) << format_error_report(lines.error());
  EXPECT_EQ(lines.value(), "A\tpage\tfirst\thttps://a/\nB\tworker\tsecond\thttps://b/w.js\n");
  // No match is final at once: one more connection, not a retry until the deadline.
  const int before = inspector.connections();
  const auto none = discover_ws_url(inspector.address(), TargetSelector{"C"});
  ASSERT_FALSE(none.ok());
  EXPECT_EQ(none.error().message(),
            "failed to read inspector targets from http://" + inspector.address() + "/json");
  EXPECT_EQ(inspector.connections(), before + 1);
}

// What the window runs to find its frontend again: the whole discovery with the same choice of
// target for a reload, and, only when following, single attempts that never retry.
TEST(DiscoveryOverSockets, TheWindowFindsItsTargetAgainWithTheSameChoice) {
  const std::string several =
      R"([{"id":"A","webSocketDebuggerUrl":"ws://h/A"},{"id":"B","webSocketDebuggerUrl":"ws://h/B"}])";
  ScriptedInspector inspector({testing::read_request(),
                               testing::send(testing::http_answer("HTTP/1.0 200 OK", several)),
                               testing::hold_open()});
  LaunchOptions options;
  options.inspector_address = inspector.address();
  options.target.value = "B";
  const std::string expected =
      "http://devtools.localhost/js_app.html?ws=h/B&experiments=true&v8only=true";

  const shell::Rediscovery plain = rediscovery_for(options);
  ASSERT_TRUE(plain.full);
  EXPECT_FALSE(plain.once) << "without --follow nothing may be watched";
  const auto found = plain.full();
  ASSERT_TRUE(found.ok()) << format_error_report(found.error());
  EXPECT_EQ(found.value(), expected);

  options.follow = true;
  const shell::Rediscovery following = rediscovery_for(options);
  ASSERT_TRUE(following.once);
  const auto looked = following.once();
  ASSERT_TRUE(looked.ok()) << format_error_report(looked.error());
  EXPECT_EQ(looked.value(), expected);

  // An inspector that does not answer acceptably: one look is one connection, never the retries
  // of a whole discovery.
  ScriptedInspector failing({testing::read_request(),
                             testing::send(testing::http_answer("HTTP/1.0 500 Oops", "")),
                             testing::close_now()});
  options.inspector_address = failing.address();
  const auto absent = rediscovery_for(options).once();
  ASSERT_FALSE(absent.ok());
  EXPECT_EQ(absent.error().message(), "inspector returned non-200: HTTP/1.0 500 Oops");
  EXPECT_EQ(failing.connections(), 1);
}

TEST(DiscoveryOverSockets, AnInspectorThatStartsLateIsFoundWithoutAnyMessage) {
  ScriptedInspector inspector(
      {testing::read_request(), testing::send(testing::http_answer("HTTP/1.0 200 OK", targets))},
      /*listen_now=*/false);
  std::thread starter([&] {
    std::this_thread::sleep_for(1200ms);
    inspector.start_listening();
  });
  const auto url = discover_ws_url(inspector.address());
  starter.join();
  ASSERT_TRUE(url.ok()) << format_error_report(url.error());
  EXPECT_EQ(inspector.connections(), 1);
}

TEST(DiscoveryOverSockets, AttemptFailuresOfOneConnection) {
  struct Case {
    std::vector<testing::ScriptStep> script;
    std::string error;
  };
  const std::vector<Case> cases = {
      {{testing::read_request(), testing::close_now()}, "malformed HTTP response from inspector"},
      {{testing::read_request(), testing::send("HTTP/1.1 404 Not Found\r\nX: y\r\n\r\n[]")},
       "inspector returned non-200: HTTP/1.1 404 Not Found"},
      {{testing::read_request(), testing::send("HTTP/1.1 200 OK\r\n\r\n\xc3\x28")},
       "stream did not contain valid UTF-8"},
      // A Content-Length that cuts a character in two leaves an invalid text.
      {{testing::read_request(),
        testing::send("HTTP/1.1 200 OK\r\nContent-Length: 1\r\n\r\n\xe2\x80\x94"),
        testing::hold_open()},
       "stream did not contain valid UTF-8"},
  };
  for (const auto& c : cases) {
    ScriptedInspector inspector(c.script);
    const auto body = fetch_targets_once(inspector.address());
    ASSERT_FALSE(body.ok());
    EXPECT_EQ(body.error().message(), c.error);
  }
}

TEST(DiscoveryOverSockets, AddressForms) {
  ScriptedInspector v4(
      {testing::read_request(), testing::send(testing::http_answer("HTTP/1.0 200 OK", targets))});
  for (const std::string& address :
       {"localhost:" + std::to_string(v4.port()), "127.0.0.1:+" + std::to_string(v4.port()),
        "127.0.0.1:000" + std::to_string(v4.port())}) {
    const auto body = fetch_targets_once(address);
    ASSERT_TRUE(body.ok()) << address << ": " << format_error_report(body.error());
  }
  // The Host header carries the text as typed, sign included.
  ASSERT_GE(v4.requests().size(), 2u);
  EXPECT_NE(v4.requests()[1].find("\r\nHost: 127.0.0.1:+" + std::to_string(v4.port()) + "\r\n"),
            std::string::npos);

  std::unique_ptr<ScriptedInspector> v6;
  try {
    v6 = std::make_unique<ScriptedInspector>(
        std::vector{testing::read_request(),
                    testing::send(testing::http_answer("HTTP/1.0 200 OK", targets))},
        true, /*ipv6=*/true);
  } catch (const std::exception&) {
    GTEST_SKIP() << "no IPv6 loopback on this machine";
  }
  const auto body = fetch_targets_once(v6->address());
  ASSERT_TRUE(body.ok()) << format_error_report(body.error());
  ASSERT_EQ(v6->requests().size(), 1u);
  EXPECT_NE(v6->requests()[0].find("\r\nHost: " + v6->address() + "\r\n"), std::string::npos);
}

TEST(DiscoveryOverSockets, ConnectFailuresAreWrappedWithTheAddress) {
  const std::string refused = "127.0.0.1:" + std::to_string(testing::unused_port());
  const std::pair<std::string, std::string> cases[] = {
      {refused, "Connection refused (os error 111)"},
      {"9229", "invalid socket address"},
      {"127.0.0.1:", "invalid port value"},
      {"127.0.0.1:70000", "invalid port value"},
  };
  for (const auto& [address, cause] : cases) {
    const auto body = fetch_targets_once(address);
    ASSERT_FALSE(body.ok());
    EXPECT_EQ(body.error().message(), "connect to inspector at " + address);
    ASSERT_EQ(body.error().causes().size(), 1u);
    EXPECT_EQ(body.error().causes()[0], cause);
  }
  // A resolver failure says what the resolver said.
  const auto unresolvable = fetch_targets_once("no-such-host.invalid:1");
  ASSERT_FALSE(unresolvable.ok());
  EXPECT_EQ(unresolvable.error().message(), "connect to inspector at no-such-host.invalid:1");
  ASSERT_EQ(unresolvable.error().causes().size(), 1u);
  EXPECT_FALSE(unresolvable.error().causes()[0].empty());
}

TEST(DiscoveryOverSockets, AConnectThatIsNeverAnsweredEndsWithTheTimeOut) {
  // Without the bound this attempt would wait for the kernel's own connect time-out (minutes).
  testing::UnansweredListener silent;
  const auto start = std::chrono::steady_clock::now();
  const auto body = fetch_targets_once(silent.address());
  const auto waited = std::chrono::steady_clock::now() - start;
  ASSERT_FALSE(body.ok());
  EXPECT_EQ(body.error().message(), "connect to inspector at " + silent.address());
  ASSERT_EQ(body.error().causes().size(), 1u);
  EXPECT_EQ(body.error().causes()[0], "Connection timed out (os error 110)");
  EXPECT_GE(waited, 2900ms);  // the whole 3000 ms were given
  EXPECT_LT(waited, 30s);     // and not the system's minutes
}

TEST(PosixSockets, ConnectHonoursItsBoundAndLeavesTheSocketBlocking) {
  net::SocketAddress address;
  address.address = {127, 0, 0, 1};

  testing::UnansweredListener silent;
  address.port = silent.port();
  auto unanswered = net::open_stream_socket(net::Family::ipv4);
  ASSERT_TRUE(unanswered.ok());
  const auto timed_out = net::connect_socket(unanswered.value(), address, 200ms);
  ASSERT_FALSE(timed_out.ok());
  EXPECT_EQ(timed_out.error().message(), "Connection timed out (os error 110)");

  // A connect that succeeds leaves a blocking socket: the receive time-out depends on it.
  ScriptedInspector live({testing::hold_open()});
  address.port = live.port();
  auto connected = net::open_stream_socket(net::Family::ipv4);
  ASSERT_TRUE(connected.ok());
  const auto done = net::connect_socket(connected.value(), address, 200ms);
  ASSERT_TRUE(done.ok()) << done.error().message();
  const int flags = ::fcntl(static_cast<int>(connected.value().handle()), F_GETFL);
  ASSERT_GE(flags, 0);
  EXPECT_EQ(flags & O_NONBLOCK, 0);

  // A refusal is still told at once, by its own error.
  address.port = testing::unused_port();
  auto refused = net::open_stream_socket(net::Family::ipv4);
  ASSERT_TRUE(refused.ok());
  const auto failed = net::connect_socket(refused.value(), address, 3000ms);
  ASSERT_FALSE(failed.ok());
  EXPECT_EQ(failed.error().message(), "Connection refused (os error 111)");
}

}  // namespace
}  // namespace tavrik
