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
      {"5\r\n[]\r\n0\r\n\r\n", "!json"},  // a chunked body
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
