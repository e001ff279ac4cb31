// The retry loop's rules, on a clock of the test's own so nothing waits.
#include <gtest/gtest.h>

#include "discovery.hpp"

namespace tavrik {
namespace {

using namespace std::chrono_literals;

class FakeClock final : public Clock {
 public:
  std::chrono::steady_clock::time_point now() override {
    ++readings;
    return current;
  }
  void sleep_for(std::chrono::milliseconds duration) override {
    sleeps.push_back(duration);
    current += duration;
  }
  std::chrono::steady_clock::time_point current{};
  int readings = 0;
  std::vector<std::chrono::milliseconds> sleeps;
};

struct Attempts {
  // Each attempt takes `cost` of fake time, then fails with "fail N" until `succeed_at`.
  FakeClock* clock;
  std::chrono::milliseconds cost{0};
  int succeed_at = -1;
  std::string body = R"([{"webSocketDebuggerUrl":"ws://h:1/x"}])";
  int calls = 0;
  Result<std::string> operator()(std::string_view) {
    const int n = calls++;
    clock->current += cost;
    if (n == succeed_at) return body;
    return Error("fail " + std::to_string(n));
  }
};

TEST(RetryRules, SucceedsAfterFailuresWithoutAnyMessage) {
  FakeClock clock;
  Attempts attempts{&clock, 0ms, 3};
  const auto url = discover_ws_url_with("h:1", clock, std::ref(attempts));
  ASSERT_TRUE(url.ok());
  EXPECT_EQ(url.value(), "ws://h:1/x");
  EXPECT_EQ(attempts.calls, 4);
  EXPECT_EQ(clock.sleeps, std::vector<std::chrono::milliseconds>(3, 150ms));
}

TEST(RetryRules, RepeatsEvery150msUntilTheDeadlineAndKeepsOnlyTheLastError) {
  FakeClock clock;
  Attempts attempts{&clock, 0ms};
  const auto url = discover_ws_url_with("a:1", clock, std::ref(attempts));
  ASSERT_FALSE(url.ok());
  // Failures at 0, 150, ..., 4950 pause; the one at 5100 (at or past 5000) ends it: 35 attempts.
  EXPECT_EQ(attempts.calls, 35);
  EXPECT_EQ(url.error().message(), "failed to read inspector targets from http://a:1/json");
  ASSERT_EQ(url.error().causes().size(), 1u);
  EXPECT_EQ(url.error().causes()[0], "fail 34");
}

TEST(RetryRules, AFailureExactlyAtTheDeadlineEndsDiscovery) {
  FakeClock clock;
  Attempts attempts{&clock, 1000ms};  // fails at 1000, 2150, 3300, 4450, 5600
  (void)discover_ws_url_with("a:1", clock, std::ref(attempts));
  EXPECT_EQ(attempts.calls, 5);
  FakeClock exact;
  Attempts on_the_dot{&exact, 5000ms};  // the first failure is exactly at the deadline
  (void)discover_ws_url_with("a:1", exact, std::ref(on_the_dot));
  EXPECT_EQ(on_the_dot.calls, 1);
  EXPECT_TRUE(exact.sleeps.empty());
}

TEST(RetryRules, TheFirstAttemptRunsEvenWhenItAloneOutlastsTheDeadline) {
  FakeClock clock;
  Attempts attempts{&clock, 9000ms, 0};
  EXPECT_TRUE(discover_ws_url_with("a:1", clock, std::ref(attempts)).ok());
  // And the attempt after the last pause counts if it succeeds, though it begins late.
  FakeClock late;
  Attempts last{&late, 4900ms, 1};  // fails at 4900 (< 5000), pauses, succeeds at 9950
  EXPECT_TRUE(discover_ws_url_with("a:1", late, std::ref(last)).ok());
  EXPECT_EQ(last.calls, 2);
}

TEST(RetryRules, ParsingAndChoiceFailuresAreFinalAtOnce) {
  for (const std::string& body : {std::string("not json"), std::string("[]")}) {
    FakeClock clock;
    Attempts attempts{&clock, 0ms, 0, body};
    const auto url = discover_ws_url_with("a:1", clock, std::ref(attempts));
    ASSERT_FALSE(url.ok());
    EXPECT_EQ(attempts.calls, 1);
    EXPECT_TRUE(clock.sleeps.empty());
    EXPECT_EQ(url.error().message(), "failed to read inspector targets from http://a:1/json");
    ASSERT_FALSE(url.error().causes().empty());
    EXPECT_EQ(url.error().causes()[0], body == "[]"
                                           ? "no webSocketDebuggerUrl in inspector /json: []"
                                           : "inspector /json was not valid JSON");
  }
}

}  // namespace
}  // namespace tavrik
