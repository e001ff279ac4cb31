#include <gtest/gtest.h>

#include "discovery.hpp"

namespace tavrik {
namespace {

TEST(ResponseCheck, Table) {
  struct Case {
    std::string response;
    std::string outcome;  // the body, or the error message prefixed by "!"
  };
  const Case cases[] = {
      {"HTTP/1.0 200 OK\r\nContent-Length: 2\r\n\r\n[]", "[]"},
      {"HTTP/1.1 200 OK\r\n\r\n", ""},
      {"HTTP/1.1 200 OK\r\n\r\na\r\n\r\nb", "a\r\n\r\nb"},  // later blank lines belong to the body
      {"HTTP/1.1 404 Not Found\r\nX: 200\r\n\r\n[]",
       "!inspector returned non-200: HTTP/1.1 404 Not Found"},
      {"HTTP/1.1 500 Oops 200\r\n\r\n[]", "[]"},  // "200" anywhere in the status line passes
      {"1200\r\n\r\nx", "x"},
      {"\r\n\r\n[]", "!inspector returned non-200: "},
      {"HTTP/1.1 200 OK\n\r\n\r\nB", "B"},  // bare LF ends the status line
      {"HTTP/1.1 20 0\r\n\r\n", "!inspector returned non-200: HTTP/1.1 20 0"},
      {"HTTP/1.1 200 OK\r\n", "!malformed HTTP response from inspector"},
      {"", "!malformed HTTP response from inspector"},
      {"HTTP/1.1 200 OK\n\nbody", "!malformed HTTP response from inspector"},
      {std::string("HTTP/1.1 200 OK\r\n\r\n\xff"), "!stream did not contain valid UTF-8"},
      {std::string("\xc0\xaf"),
       "!stream did not contain valid UTF-8"},  // overlong, even without a head
      {std::string("HTTP/1.1 200 \xe2\x80\x94\r\n\r\n\xe2\x80\x94"), "\xe2\x80\x94"},
      {std::string("HTTP/1.1 200\0OK\r\n\r\n", 19), ""},  // NUL is valid UTF-8
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.response);
    const auto result = check_response(c.response);
    if (c.outcome.starts_with('!')) {
      ASSERT_FALSE(result.ok());
      EXPECT_EQ(result.error().message(), c.outcome.substr(1));
      EXPECT_TRUE(result.error().causes().empty());
    } else {
      ASSERT_TRUE(result.ok()) << result.error().message();
      EXPECT_EQ(result.value(), c.outcome);
    }
  }
}

TEST(ResponseCheck, ChunkedAnswers) {
  const std::string chunked_head = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";
  struct Case {
    std::string response;
    std::string outcome;  // the body, or "!" and the error's message and causes, "|" between
  };
  const Case cases[] = {
      {chunked_head + "2\r\n[]\r\n0\r\n\r\n", "[]"},
      // Also when the request was HTTP/1.0, and a Content-Length beside the chunks is ignored.
      {"HTTP/1.0 200 OK\r\nContent-Length: 1\r\nTransfer-Encoding: chunked\r\n\r\n"
       "2\r\n[]\r\n0\r\n\r\n",
       "[]"},
      // A character split between two chunks is whole again in the data.
      {chunked_head + "2\r\n\xe2\x80\r\n1\r\n\x94\r\n0\r\n\r\n", "\xe2\x80\x94"},
      {chunked_head + "1\r\n\xff\r\n0\r\n\r\n", "!stream did not contain valid UTF-8"},
      {"HTTP/1.1 404 Not Found\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nno\r\n0\r\n\r\n",
       "!inspector returned non-200: HTTP/1.1 404 Not Found"},
      // The chunks come first: a fault in them is reported whatever the status says.
      {"HTTP/1.1 404 Not Found\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nno",
       "!malformed chunked body from inspector|the body ends before the last chunk"},
      {chunked_head + "2\r\n[]",
       "!malformed chunked body from inspector|the body ends before the last chunk"},
      {chunked_head + "[]\r\n",
       "!malformed chunked body from inspector|invalid chunk size line at byte 0 of the body"},
      {chunked_head + "8000000\r\n", "!inspector response exceeds 67108864 bytes"},
      // Another last coding is not decoded: the body stays as received.
      {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked, identity\r\n\r\n2\r\n[]\r\n0\r\n\r\n",
       "2\r\n[]\r\n0\r\n\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.response);
    const auto result = check_response(c.response);
    if (!c.outcome.starts_with('!')) {
      ASSERT_TRUE(result.ok()) << format_error_report(result.error());
      EXPECT_EQ(result.value(), c.outcome);
      continue;
    }
    ASSERT_FALSE(result.ok());
    std::string chain = result.error().message();
    for (const auto& cause : result.error().causes()) chain += "|" + cause;
    EXPECT_EQ(chain, c.outcome.substr(1));
  }
}

TEST(ResponseLength, ChunkedEnd) {
  const std::string head =
      "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\nContent-Length: 3\r\n\r\n";
  const std::string body = "2\r\n[]\r\n0\r\nT: x\r\n\r\n";
  struct Case {
    std::string received;
    std::optional<std::size_t> end;
  };
  const Case cases[] = {
      {head + body, head.size() + body.size()},
      {head + body + "more", head.size() + body.size()},
      {head + body.substr(0, body.size() - 1), std::nullopt},  // not all there yet
      {head + "zz\r\n", std::nullopt},                         // malformed: left to the check
      {head + "8000000\r\n", std::nullopt},                    // too large: left to the check
      {"HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\n" + body, std::nullopt},
      {head.substr(0, head.size() - 2), std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.received);
    EXPECT_EQ(chunked_response_end(c.received), c.end);
    // A Content-Length beside the chunks never ends the answer.
    EXPECT_EQ(response_length_from_head(c.received),
              c.received.find("chunked") == std::string::npos
                  ? std::optional<std::size_t>(c.received.find("\r\n\r\n") + 4 + 3)
                  : std::nullopt);
  }
}

TEST(ResponseLength, ContentLengthRule) {
  struct Case {
    std::string received;
    std::optional<std::size_t> length;
  };
  const std::string head = "HTTP/1.0 200 OK\r\n";
  const Case cases[] = {
      {head + "Content-Length: 2\r\n\r\n", head.size() + 21 + 2},
      {head + "content-length:2\r\n\r\n[]xyz", head.size() + 20 + 2},
      {head + "CONTENT-LENGTH: \t0 \r\n\r\n", head.size() + 23},
      {head + "Content-Length: 2\r\nContent-Length: 2\r\n\r\n", head.size() + 40 + 2},
      {head + "Content-Length: 2\r\nContent-Length: 3\r\n\r\n", std::nullopt},  // conflicting
      {head + "Content-Length: -2\r\n\r\n", std::nullopt},
      {head + "Content-Length: 2x\r\n\r\n", std::nullopt},
      {head + "Content-Length: \r\n\r\n", std::nullopt},
      {head + "Content-Length: 1 2\r\n\r\n", std::nullopt},
      {head + "Content-Length: 99999999999999999999999999\r\n\r\n", std::nullopt},
      {head + "Content-Length: 2\r\n", std::nullopt},  // head not complete yet
      {head + "X-Content-Length: 2\r\n\r\n", std::nullopt},
      {"Content-Length: 2\r\n\r\n", std::nullopt},  // the status line is not a header
      {head + "\r\n", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.received);
    EXPECT_EQ(response_length_from_head(c.received), c.length);
  }
}

TEST(TargetChoice, Table) {
  struct Case {
    std::string body;
    std::string outcome;  // the URL, "!json" for invalid JSON, "!none" for no usable target
  };
  const Case cases[] = {
      {R"([{"webSocketDebuggerUrl":"ws://127.0.0.1:9229/abc"}])", "ws://127.0.0.1:9229/abc"},
      {" \t\r\n[{\"webSocketDebuggerUrl\":\"ws:\\/\\/h\\/x\\u0041\"}] \n", "ws://h/xA"},
      {R"([{"id":"1","webSocketDebuggerUrl":"a"},{"webSocketDebuggerUrl":"b"}])", "a"},
      {R"([{"webSocketDebuggerUrl":""}])", ""},
      {"[]", "!none"},
      {R"({"webSocketDebuggerUrl":"a"})", "!none"},
      {R"([{"id":"1"},{"webSocketDebuggerUrl":"b"}])", "!none"},
      {R"([{"webSocketDebuggerUrl":null}])", "!none"},
      {R"([{"webSocketDebuggerUrl":5}])", "!none"},
      {R"([{"WebSocketDebuggerUrl":"a"}])", "!none"},
      {R"([["webSocketDebuggerUrl"]])", "!none"},
      {"", "!json"},
      {"5\r\n[]\r\n0\r\n\r\n", "!json"},  // chunks are taken apart before, not here
      {"[] []", "!json"},
      {"[1,]", "!json"},
      {"[{\"a\":\"\xff\"}]", "!json"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body);
    const auto result = choose_target(c.body);
    if (c.outcome == "!json") {
      ASSERT_FALSE(result.ok());
      EXPECT_EQ(result.error().message(), "inspector /json was not valid JSON");
      ASSERT_EQ(result.error().causes().size(), 1u);
      EXPECT_FALSE(result.error().causes()[0].empty());
    } else if (c.outcome == "!none") {
      ASSERT_FALSE(result.ok());
      EXPECT_EQ(result.error().message(), "no webSocketDebuggerUrl in inspector /json: " + c.body);
      EXPECT_TRUE(result.error().causes().empty());
    } else {
      ASSERT_TRUE(result.ok()) << result.error().message();
      EXPECT_EQ(result.value(), c.outcome);
    }
  }
}

TEST(TargetChoice, DeepNestingIsAnErrorReportNotACrash) {
  const std::string unclosed(1'000'000, '[');
  EXPECT_EQ(choose_target(unclosed).error().message(), "inspector /json was not valid JSON");
  const std::string closed = unclosed + std::string(1'000'000, ']');
  EXPECT_EQ(choose_target(closed).error().message(),
            "no webSocketDebuggerUrl in inspector /json: " + closed);
}

}  // namespace
}  // namespace tavrik
