// Discovery over real loopback sockets against a scripted inspector.
#include <gtest/gtest.h>

#include "discovery.hpp"
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
  EXPECT_FALSE(unresolvable.error().causes()[0].empty());
}

}  // namespace
}  // namespace tavrik
