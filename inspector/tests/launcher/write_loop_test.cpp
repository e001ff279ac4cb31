// The whole-buffer write loop shared by standard output and the inspector socket, driven by a
// scripted write call: short writes, interruptions, a full stream, failures.
#include "write_loop.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tavrik {
namespace {

// One scripted write call. `take` bytes are taken from the front of what is offered (capped to it
// unless `overreport`, which claims them all the same).
struct Call {
  enum class Kind { take, take_all, interrupt, full, fail } kind = Kind::take_all;
  std::size_t take = 0;
  bool overreport = false;
};

Call take(std::size_t n) { return {Call::Kind::take, n, false}; }
Call take_all() { return {Call::Kind::take_all, 0, false}; }
Call interrupt() { return {Call::Kind::interrupt, 0, false}; }
Call full() { return {Call::Kind::full, 0, false}; }
Call fail() { return {Call::Kind::fail, 0, false}; }
Call claim(std::size_t n) { return {Call::Kind::take, n, true}; }

struct Stream {
  std::vector<Call> script;
  Call after_script = take_all();  // what every call past the script does
  std::string written;
  std::size_t calls = 0;
  std::size_t waits = 0;
  std::optional<std::string> wait_failure;

  Result<WriteStep> write(std::string_view rest) {
    EXPECT_FALSE(rest.empty()) << "a write was asked to take nothing";
    const Call call = calls < script.size() ? script[calls] : after_script;
    ++calls;
    switch (call.kind) {
      case Call::Kind::take_all:
        written.append(rest);
        return WriteStep{WriteStep::Kind::wrote, rest.size()};
      case Call::Kind::take: {
        const std::size_t n = std::min(call.take, rest.size());
        written.append(rest.substr(0, n));
        return WriteStep{WriteStep::Kind::wrote, call.overreport ? call.take : n};
      }
      case Call::Kind::interrupt:
        return WriteStep{WriteStep::Kind::interrupted, 0};
      case Call::Kind::full:
        return WriteStep{WriteStep::Kind::would_block, 0};
      case Call::Kind::fail:
        return Error("Broken pipe (os error 32)");
    }
    return Error("unreachable");
  }
  Status wait() {
    ++waits;
    if (wait_failure) return Error(*wait_failure);
    return success();
  }
};

struct Case {
  const char* name;
  std::string input;
  std::vector<Call> script;
  Call after_script = take_all();
  bool can_wait = true;
  std::optional<std::string> wait_failure;
  // Expected: the error (none for success), the bytes written, the calls and the waits.
  std::optional<std::string> error;
  std::string written;
  std::size_t calls = 0;
  std::size_t waits = 0;
};

const std::string stall_error =
    "write made no progress after " + std::to_string(write_stall_limit) + " attempts";

std::vector<Case> cases() {
  return {
      {"all at once", "hello\n", {}, take_all(), true, {}, {}, "hello\n", 1, 0},
      {"nothing to write", "", {}, take_all(), true, {}, {}, "", 0, 0},
      {"one byte per call", "abcd", {}, take(1), true, {}, {}, "abcd", 4, 0},
      {"short then rest", "abcdefgh", {take(3)}, take_all(), true, {}, {}, "abcdefgh", 2, 0},
      {"interrupted then whole", "abc", {interrupt()}, take_all(), true, {}, {}, "abc", 2, 0},
      {"interrupted between short writes",
       "abcdef",
       {take(2), interrupt(), interrupt(), take(1)},
       take_all(),
       true,
       {},
       {},
       "abcdef",
       5,
       0},
      {"full, waited for, then whole", "abc", {full()}, take_all(), true, {}, {}, "abc", 2, 1},
      {"full after a short write",
       "abcdef",
       {take(4), full(), full()},
       take_all(),
       true,
       {},
       {},
       "abcdef",
       4,
       2},
      {"full and no way to wait",
       "abc",
       {take(1), full()},
       take_all(),
       false,
       {},
       "write would block on a stream that cannot be waited for",
       "a",
       2,
       0},
      {"the wait fails",
       "abc",
       {full()},
       take_all(),
       true,
       "Bad file descriptor (os error 9)",
       "Bad file descriptor (os error 9)",
       "",
       1,
       1},
      {"always full gives up",
       "abc",
       {take(2)},
       full(),
       true,
       {},
       stall_error,
       "ab",
       1 + write_stall_limit,
       write_stall_limit},
      {"always interrupted gives up",
       "abc",
       {},
       interrupt(),
       true,
       {},
       stall_error,
       "",
       write_stall_limit,
       0},
      {"progress resets the stall count",
       "ab",
       [] {
         std::vector<Call> script(write_stall_limit - 1, interrupt());
         script.push_back(take(1));
         script.insert(script.end(), write_stall_limit - 1, full());
         return script;
       }(),
       take_all(),
       true,
       {},
       {},
       "ab",
       2 * write_stall_limit,
       write_stall_limit - 1},
      {"takes nothing",
       "abc",
       {take(1), take(0)},
       take_all(),
       true,
       {},
       "failed to write whole buffer",
       "a",
       2,
       0},
      {"fails midway",
       "abcdef",
       {take(2), interrupt(), fail()},
       take_all(),
       true,
       {},
       "Broken pipe (os error 32)",
       "ab",
       3,
       0},
      {"claims more than offered",
       "abc",
       {take(1), claim(5)},
       take_all(),
       true,
       {},
       "write reported 5 bytes written of 2 offered",
       "abc",
       2,
       0},
  };
}

TEST(WriteLoop, TableOfWriteBehaviours) {
  for (const auto& c : cases()) {
    SCOPED_TRACE(c.name);
    Stream stream;
    stream.script = c.script;
    stream.after_script = c.after_script;
    stream.wait_failure = c.wait_failure;
    const WriteSome write = [&](std::string_view rest) { return stream.write(rest); };
    const WaitWritable wait = [&] { return stream.wait(); };
    const Status status = write_all_with(c.input, write, c.can_wait ? wait : nullptr);
    if (c.error) {
      ASSERT_FALSE(status.ok());
      EXPECT_EQ(status.error().message(), *c.error);
    } else {
      ASSERT_TRUE(status.ok()) << status.error().message();
    }
    // Every byte at most once and in order; all of them on success.
    EXPECT_EQ(stream.written, c.written);
    EXPECT_TRUE(std::string_view(c.input).starts_with(stream.written));
    EXPECT_EQ(stream.calls, c.calls);
    EXPECT_EQ(stream.waits, c.waits);
  }
}

// Each short write continues exactly where the last one stopped, for every split of a longer text.
TEST(WriteLoop, EverySplitKeepsEveryByteOnce) {
  const std::string input = "GET /json HTTP/1.0\r\nHost: 127.0.0.1:9229\r\n\r\n";
  for (std::size_t first = 1; first < input.size(); ++first) {
    for (std::size_t step = 1; step <= 7; ++step) {
      Stream stream;
      stream.script = {take(first), interrupt(), full()};
      stream.after_script = take(step);
      const Status status = write_all_with(
          input, [&](std::string_view rest) { return stream.write(rest); },
          [&] { return stream.wait(); });
      ASSERT_TRUE(status.ok()) << first << "/" << step;
      ASSERT_EQ(stream.written, input) << first << "/" << step;
    }
  }
}

}  // namespace
}  // namespace tavrik
