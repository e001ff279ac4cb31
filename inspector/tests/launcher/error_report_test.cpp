#include <gtest/gtest.h>

#include "error_chain.hpp"

namespace tavrik {
namespace {

Error chain(std::vector<std::string> messages) {
  Error error(messages.back());
  for (auto it = messages.rbegin() + 1; it != messages.rend(); ++it) {
    error = std::move(error).context(*it);
  }
  return error;
}

TEST(ErrorReport, UsageErrorIsOneLine) {
  EXPECT_EQ(format_error_report(Error("usage: x")), "Error: usage: x\n");
}

TEST(ErrorReport, ContextGoesInFrontAndCausesKeepTheirOrder) {
  const Error error = Error("inner").context("middle").context("outer");
  EXPECT_EQ(error.message(), "outer");
  ASSERT_EQ(error.causes().size(), 2u);
  EXPECT_EQ(error.causes()[0], "middle");
  EXPECT_EQ(error.causes()[1], "inner");
}

TEST(ErrorReport, Layouts) {
  struct Case {
    std::vector<std::string> messages;
    std::string report;
  };
  const Case cases[] = {
      {{"outer", "only"}, "Error: outer\n\nCaused by:\n    only\n"},
      {{"failed to read inspector targets from http://127.0.0.1:1/json",
        "connect to inspector at 127.0.0.1:1", "Connection refused (os error 111)"},
       "Error: failed to read inspector targets from http://127.0.0.1:1/json\n\nCaused by:\n"
       "    0: connect to inspector at 127.0.0.1:1\n    1: Connection refused (os error 111)\n"},
      // A single multi-line cause: every line under four blanks; the outermost is never indented.
      {{"out\ner", "a\nb\nc"}, "Error: out\ner\n\nCaused by:\n    a\n    b\n    c\n"},
      // Numbered multi-line causes continue under seven blanks.
      {{"o", "x\ny", "z"}, "Error: o\n\nCaused by:\n    0: x\n       y\n    1: z\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(format_error_report(chain(c.messages)), c.report);
}

TEST(ErrorReport, EleventhCauseIsRightAligned) {
  std::vector<std::string> messages = {"top"};
  for (int i = 0; i < 11; ++i) messages.push_back("c" + std::to_string(i));
  const std::string report = format_error_report(chain(messages));
  EXPECT_NE(report.find("\n    9: c9\n   10: c10\n"), std::string::npos) << report;
  EXPECT_TRUE(report.starts_with("Error: top\n\nCaused by:\n    0: c0\n"));
}

}  // namespace
}  // namespace tavrik
