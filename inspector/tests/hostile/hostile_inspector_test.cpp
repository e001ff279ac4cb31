// Hostile inspectors: loopback peers that send what no real inspector would, against the built
// binary in print-only mode. Every run must end with the exact output and exit status that the
// reading rules give, within a bound. The cases of one table run side by side, since many of them
// wait for the 5-second deadline or the 3-second receive time-out.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <functional>
#include <future>
#include <memory>
#include <string>
#include <vector>

#include "scripted_inspector.hpp"
#include "subprocess.hpp"

namespace tavrik {
namespace {

using namespace std::chrono_literals;
using namespace std::string_literals;
using testing::ScriptedInspector;
using testing::ScriptStep;

const std::string binary = TAVRIK_INSPECTOR_BINARY;
constexpr auto run_limit = 60s;  // no run may come near it; it only stops a hung one
constexpr std::size_t response_limit = std::size_t{64} << 20;

const std::string target_url = "ws://127.0.0.1:9229/abc";
const std::string targets = R"([{"webSocketDebuggerUrl":"ws://127.0.0.1:9229/abc"}])";
const std::string timeout_error = "Resource temporarily unavailable (os error 11)";
const std::string utf8_error = "stream did not contain valid UTF-8";
const std::string malformed_error = "malformed HTTP response from inspector";
const std::string not_json = "inspector /json was not valid JSON";

enum class Attempts {
  one,             // success, or a failure that is final at once
  until_deadline,  // failures tried again every 150 ms until 5 s have passed
};

struct Case {
  std::string name;
  std::vector<ScriptStep> script;
  std::string out;     // standard output of a success
  std::string causes;  // what stands under "Caused by:" in the report of a failure
  Attempts attempts = Attempts::one;
};

std::string console_lines(const std::string& ws_target) {
  return "tavrik_inspector: ws target  = " + ws_target +
         "\ntavrik_inspector: devtools   = http://devtools.localhost/js_app.html?ws=" + ws_target +
         "&experiments=true&v8only=true\n"
         "tavrik_inspector: (frontend is embedded; override with TAVRIK_INSPECTOR_FRONTEND)\n";
}

std::string one_cause(const std::string& text) { return "    " + text + "\n"; }
std::string two_causes(const std::string& first, const std::string& second) {
  return "    0: " + first + "\n    1: " + second + "\n";
}

Case success(std::string name, std::vector<ScriptStep> script, const std::string& ws_target) {
  return {std::move(name), std::move(script), console_lines(ws_target), "", Attempts::one};
}
Case failure(std::string name, std::vector<ScriptStep> script, std::string causes,
             Attempts attempts) {
  return {std::move(name), std::move(script), "", std::move(causes), attempts};
}

// The answer is the same on every connection; the request is read first, as an inspector does.
std::vector<ScriptStep> answer(std::string bytes, bool then_close) {
  std::vector<ScriptStep> steps{testing::read_request(), testing::send(std::move(bytes))};
  steps.push_back(then_close ? testing::close_now() : testing::hold_open());
  return steps;
}

std::string head_with_length(const std::string& length_line) {
  return "HTTP/1.1 200 OK\r\nContent-Type: application/json; charset=UTF-8\r\n" + length_line +
         "\r\n\r\n";
}

struct Observed {
  std::string address;
  testing::RunResult run;
  int connections = 0;
};

Observed play(const Case& c) {
  ScriptedInspector inspector(c.script);
  testing::RunOptions options;
  options.environment["TAVRIK_INSPECTOR_FRONTEND"] = std::nullopt;
  options.time_limit = run_limit;
  Observed observed;
  observed.address = inspector.address();
  observed.run = testing::run_program(binary, {"--print-url", inspector.address()}, options);
  inspector.stop();
  observed.connections = inspector.connections();
  return observed;
}

void expect_outcome(const Case& c, const Observed& seen) {
  SCOPED_TRACE(c.name);
  const auto& run = seen.run;
  ASSERT_FALSE(run.timed_out);
  EXPECT_EQ(run.signal, 0);
  if (c.causes.empty()) {
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.exit_code, 0);
  } else {
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "Error: failed to read inspector targets from http://" + seen.address +
                           "/json\n\nCaused by:\n" + c.causes);
    EXPECT_EQ(run.exit_code, 1);
  }
  if (c.attempts == Attempts::one) {
    EXPECT_EQ(seen.connections, 1);
  } else {
    EXPECT_GE(seen.connections, 2);
    EXPECT_GE(run.elapsed, 5000ms);
  }
}

// Every case at once, each against its own inspector, then the checks in table order.
void play_all(const std::vector<Case>& cases) {
  std::vector<std::future<Observed>> runs;
  for (const auto& c : cases) runs.push_back(std::async(std::launch::async, play, std::cref(c)));
  for (std::size_t i = 0; i < cases.size(); ++i) expect_outcome(cases[i], runs[i].get());
}

TEST(HostileInspector, HeadsThatNeverEnd) {
  play_all({
      failure("a status line and a megabyte without any line end",
              {testing::read_request(), testing::send("HTTP/1.1 200 OK"),
               testing::send_filler(1 << 20, "A"), testing::close_now()},
              one_cause(malformed_error), Attempts::until_deadline),
      failure("bare line feeds instead of CR LF",
              answer("HTTP/1.0 200 OK\nContent-Length: 52\n\n" + targets, true),
              one_cause(malformed_error), Attempts::until_deadline),
      failure("a close before any byte", {testing::read_request(), testing::close_now()},
              one_cause(malformed_error), Attempts::until_deadline),
      // The head never ends, so no Content-Length can end the answer: only the time-out can.
      failure("a head without its blank line, held open",
              answer("HTTP/1.0 200 OK\r\nContent-Length: 2\r\n[]", false), one_cause(timeout_error),
              Attempts::until_deadline),
  });
}

TEST(HostileInspector, TextThatIsNotUtf8) {
  auto invalid = [](std::string name, const std::string& bytes) {
    return failure(std::move(name), answer("HTTP/1.0 200 OK\r\n\r\n" + bytes, true),
                   one_cause(utf8_error), Attempts::until_deadline);
  };
  play_all({
      invalid("an overlong slash", R"([{"webSocketDebuggerUrl":"ws://h/)"
                                   "\xc0\xaf"
                                   R"("}])"),
      invalid("an overlong NUL", "[\xc0\x80]"),
      invalid("an encoded surrogate", "\xed\xa0\x80"),
      invalid("a code point above U+10FFFF", "\xf4\x90\x80\x80"),
      invalid("a stray continuation byte", "\x80"),
      invalid("a byte that never occurs", "\xff"),
      invalid("a sequence cut off by the close", "[\"\xe2\x80"),
      failure("an invalid byte in the status line",
              answer("HTTP/1.0 200 \xfe OK\r\nContent-Length: 52\r\n\r\n" + targets, false),
              one_cause(utf8_error), Attempts::until_deadline),
      // A valid character cut in two by the announced length.
      failure("a Content-Length that splits a character",
              answer(head_with_length("Content-Length: 1") + "\xe2\x80\x94", false),
              one_cause(utf8_error), Attempts::until_deadline),
  });
}

TEST(HostileInspector, NulBytes) {
  const std::string with_escape = R"([{"webSocketDebuggerUrl":"ws://h/a\u0000b"}])";
  play_all({
      // NUL is valid text: the head check is loose, and an escaped NUL is printed as it is.
      success(
          "NUL bytes in the head",
          answer("HTTP/1.0 200\0 OK\r\nX-\0: \0\r\nContent-Length: 52\r\n\r\n"s + targets, false),
          "127.0.0.1:9229/abc"),
      success("an escaped NUL in the target",
              answer(testing::http_answer("HTTP/1.0 200 OK", with_escape), false), "h/a\0b"s),
      // The JSON reader would end its input at a NUL and accept the document before it.
      failure("a NUL after the whole document",
              answer("HTTP/1.0 200 OK\r\n\r\n"s + targets + "\0junk"s, true),
              two_causes(not_json, "invalid NUL byte at line 1, column 53"), Attempts::one),
      failure("a NUL where a value belongs", answer("HTTP/1.0 200 OK\r\n\r\n[\n \0]"s, true),
              two_causes(not_json, "invalid NUL byte at line 2, column 2"), Attempts::one),
  });
}

TEST(HostileInspector, ContentLengthsThatLie) {
  const std::string body = targets;
  const std::string right = "Content-Length: " + std::to_string(body.size());
  auto held = [&](const std::string& length_line, const std::string& rest = "") {
    return answer(head_with_length(length_line) + body + rest, false);
  };
  auto closed = [&](const std::string& length_line) {
    return answer(head_with_length(length_line) + body, true);
  };
  const std::string ws_target = "127.0.0.1:9229/abc";
  play_all({
      success("the right length ends a held-open answer; what follows is ignored",
              held(right, "]junk"), ws_target),
      success("the same length repeated",
              held(right + "\r\ncontent-length:\t" + std::to_string(body.size()) + " "), ws_target),
      failure("too small: the body is cut", held("Content-Length: 10"),
              two_causes(not_json,
                         "[json.exception.parse_error.101] parse error at line 1, column 11: "
                         "syntax error while parsing object key - invalid string: missing closing "
                         "quote; last read: '\"webSock'; expected string literal"),
              Attempts::one),
      failure("zero: the body is empty", held("Content-Length: 0"),
              two_causes(not_json,
                         "[json.exception.parse_error.101] parse error at line 1, column 1: "
                         "syntax error while parsing value - unexpected end of input; expected "
                         "'[', '{', or a literal"),
              Attempts::one),
      // Lengths that cannot be honoured leave the end to the peer: a close ends the answer...
      success("too large, then a close", closed("Content-Length: 1000"), ws_target),
      success("negative, then a close", closed("Content-Length: -5"), ws_target),
      success("not a number, then a close", closed("Content-Length: 5a"), ws_target),
      // ...and a peer that keeps the connection open meets the receive time-out, twice.
      failure("too large, held open", held("Content-Length: 1000"), one_cause(timeout_error),
              Attempts::until_deadline),
      failure("negative, held open", held("Content-Length: -5"), one_cause(timeout_error),
              Attempts::until_deadline),
      failure("repeated with two values", held(right + "\r\nContent-Length: 10"),
              one_cause(timeout_error), Attempts::until_deadline),
      failure("not a number", held("Content-Length: 0x34"), one_cause(timeout_error),
              Attempts::until_deadline),
      failure("a sign", held("Content-Length: +52"), one_cause(timeout_error),
              Attempts::until_deadline),
      failure("too large for any counter", held("Content-Length: 184467440737095516160"),
              one_cause(timeout_error), Attempts::until_deadline),
      failure("empty", held("Content-Length:"), one_cause(timeout_error), Attempts::until_deadline),
  });
}

TEST(HostileInspector, ThousandsOfHeaders) {
  std::string fillers;
  for (int i = 0; i < 5000; ++i)
    fillers += "X-Filler-" + std::to_string(i) + ": " + std::string(40, 'v') + "\r\n";
  std::string same_lengths;
  for (int i = 0; i < 5000; ++i) same_lengths += "Content-Length: 52\r\n";
  auto with_headers = [&](const std::string& headers) {
    return answer("HTTP/1.0 200 OK\r\n" + headers + "\r\n" + targets, false);
  };
  play_all({
      success("five thousand headers before the length",
              with_headers(fillers + "Content-Length: 52\r\n"), "127.0.0.1:9229/abc"),
      success("five thousand equal lengths", with_headers(same_lengths), "127.0.0.1:9229/abc"),
      failure("five thousand equal lengths and one other",
              with_headers(same_lengths + "Content-Length: 51\r\n"), one_cause(timeout_error),
              Attempts::until_deadline),
  });
}

TEST(HostileInspector, PeersThatStall) {
  play_all({
      // The request fits the socket buffers, so only the receive time-out ends each attempt.
      failure("accepts and never reads", {testing::hold_open()}, one_cause(timeout_error),
              Attempts::until_deadline),
      failure("reads and never answers", {testing::read_request(), testing::hold_open()},
              one_cause(timeout_error), Attempts::until_deadline),
      failure("stalls in the middle of the body",
              {testing::read_request(),
               testing::send(testing::http_answer("HTTP/1.0 200 OK", targets).substr(0, 80)),
               testing::hold_open()},
              one_cause(timeout_error), Attempts::until_deadline),
  });
}

// A status line that would recolour the terminal, retitle it, ring it, and clear it (once in a
// C1 CSI written as UTF-8).
const std::string status_with_escapes =
    "HTTP/1.1 404 \x1b[31mred\x1b]0;owned\x07\x7f\r\x1b[2J\xc2\x9b"
    "2J";

struct TerminalRun {
  std::string output;  // standard output and error, as the terminal received them
  int exit_code = -1;
};

// Runs the tool with standard output and error on a fresh pseudo-terminal, output processing
// off so that the bytes read are the bytes written.
TerminalRun run_on_terminal(const std::string& address) {
  std::vector<std::string> words = {binary, "--print-url", address};
  std::vector<char*> argv;
  for (auto& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  TerminalRun result;
  int master = -1;
  const pid_t pid = ::forkpty(&master, nullptr, nullptr, nullptr);
  if (pid < 0) return result;
  if (pid == 0) {
    termios mode{};
    ::tcgetattr(STDOUT_FILENO, &mode);
    mode.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    ::tcsetattr(STDOUT_FILENO, TCSANOW, &mode);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  const auto give_up = std::chrono::steady_clock::now() + run_limit;
  std::array<char, 4096> buffer;
  for (;;) {
    pollfd entry{master, POLLIN, 0};
    if (::poll(&entry, 1, 1000) == 0) {
      if (std::chrono::steady_clock::now() > give_up) ::kill(pid, SIGKILL);
      continue;
    }
    const ssize_t count = ::read(master, buffer.data(), buffer.size());
    if (count <= 0) break;  // EIO once the tool, the last holder of the terminal, has ended
    result.output.append(buffer.data(), static_cast<std::size_t>(count));
  }
  ::close(master);
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (WIFEXITED(status)) result.exit_code = WEXITSTATUS(status);
  return result;
}

TEST(HostileInspector, EscapeSequencesReachATerminalAsVisibleTextAndAPipeUnchanged) {
  const std::vector<ScriptStep> script =
      answer(status_with_escapes + "\r\nContent-Length: 2\r\n\r\n[]", false);
  const Case piped =
      failure("to a pipe", script, one_cause("inspector returned non-200: " + status_with_escapes),
              Attempts::until_deadline);
  auto pipe_run = std::async(std::launch::async, play, std::cref(piped));

  ScriptedInspector inspector(script);
  const TerminalRun shown = run_on_terminal(inspector.address());
  EXPECT_EQ(shown.exit_code, 1);
  EXPECT_EQ(shown.output, "Error: failed to read inspector targets from http://" +
                              inspector.address() +
                              "/json\n\nCaused by:\n    inspector returned non-200: HTTP/1.1 404 "
                              R"(\x1b[31mred\x1b]0;owned\x07\x7f\x0d\x1b[2J\u009b2J)"
                              "\n");

  const Observed observed = pipe_run.get();
  EXPECT_EQ(observed.run.exit_code, 1);
  EXPECT_EQ(observed.run.err, "Error: failed to read inspector targets from http://" +
                                  observed.address + "/json\n\nCaused by:\n" + piped.causes);
}

// The time-out is per receive and the deadline is looked at only after a failed attempt, so an
// answer that keeps arriving, however slowly, is read to its end even long after 5 seconds.
TEST(HostileInspector, AnAnswerDrippedAByteEvery100msIsReadToItsEnd) {
  const std::string whole =
      "HTTP/1.0 200 OK\r\nContent-Length: 37\r\n\r\n"
      R"([{"webSocketDebuggerUrl":"ws://h/1"}])";
  std::vector<ScriptStep> script{testing::read_request()};
  for (char c : whole) {
    script.push_back(testing::send(std::string(1, c)));
    script.push_back(testing::pause_for(100ms));
  }
  script.push_back(testing::hold_open());
  const Case c = success("drip", script, "h/1");
  const auto seen = play(c);
  expect_outcome(c, seen);
  EXPECT_GE(seen.run.elapsed, std::chrono::milliseconds(100 * (whole.size() - 1)));
}

// The response is held whole in memory, so there is a limit: an answer of any size, streamed
// without end, costs at most that much and fails like a malformed one.
TEST(HostileInspector, AnAnswerOfThreeHundredMegabytesIsRefusedAtTheLimit) {
  const std::string prefix = R"([{"webSocketDebuggerUrl":"ws://127.0.0.1:9229/big","pad":")";
  const std::size_t pad = 300'000'000;
  const std::string head =
      "HTTP/1.0 200 OK\r\nContent-Length: " + std::to_string(prefix.size() + pad + 3) + "\r\n\r\n";
  play_all(
      {failure("300 MB",
               {testing::read_request(), testing::send(head + prefix), testing::send_filler(pad),
                testing::send("\"}]"), testing::hold_open()},
               one_cause("inspector response exceeds 67108864 bytes"), Attempts::until_deadline)});
}

TEST(HostileInspector, AResponseOfExactlyTheLimitIsReadAndOneByteMoreIsNot) {
  // The bulk is one long header line, so that the run costs reading, not parsing, 64 MiB.
  auto sized = [](std::size_t total) {
    const std::string head_start =
        "HTTP/1.0 200 OK\r\nContent-Length: " + std::to_string(targets.size()) + "\r\nX-Pad: ";
    const std::size_t pad = total - head_start.size() - 4 - targets.size();
    return std::vector<ScriptStep>{testing::read_request(), testing::send(head_start),
                                   testing::send_filler(pad, "pad-"),
                                   testing::send("\r\n\r\n" + targets), testing::hold_open()};
  };
  play_all({
      success("exactly the limit", sized(response_limit), "127.0.0.1:9229/abc"),
      failure("one byte more", sized(response_limit + 1),
              one_cause("inspector response exceeds 67108864 bytes"), Attempts::until_deadline),
  });
}

std::string hex(std::size_t n) {
  char text[20];
  std::snprintf(text, sizeof text, "%zx", n);
  return text;
}

// Chunked answers that never end, lie about their sizes or break the framing: each fails its
// attempt like a malformed answer, within the same limit, and is tried again.
TEST(HostileInspector, ChunksThatLieOrNeverEnd) {
  const std::string chunked = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";
  const std::string limit_error = "inspector response exceeds 67108864 bytes";
  const std::string malformed = "malformed chunked body from inspector";
  play_all({
      // 70 MB of 4 KiB chunks with no last chunk: refused at the limit, not kept forever. (The
      // decoding of tiny chunks is covered by the unit and fuzz tests; here they would only make
      // the sanitizer build too slow to see a second attempt.)
      failure("endless chunks",
              {testing::read_request(), testing::send(chunked),
               testing::send_filler(70'000'000, "1000\r\n" + std::string(4096, 'x') + "\r\n"),
               testing::hold_open()},
              one_cause(limit_error), Attempts::until_deadline),
      // A chunk that could never fit is refused as soon as its size line is read.
      failure("a chunk larger than the limit", answer(chunked + "4000001\r\n[", false),
              one_cause(limit_error), Attempts::until_deadline),
      failure("a size beyond any integer", answer(chunked + std::string(40, 'F') + "\r\n", false),
              one_cause(limit_error), Attempts::until_deadline),
      // A chunk longer than it said: the framing breaks where its CR LF should stand.
      failure("a chunk longer than announced", answer(chunked + "2\r\n[]]\r\n0\r\n\r\n", false),
              two_causes(malformed, "chunk data is not followed by CR LF at byte 5 of the body"),
              Attempts::until_deadline),
      failure("closed before the last chunk", answer(chunked + "2\r\n[]\r\n", true),
              two_causes(malformed, "the body ends before the last chunk"),
              Attempts::until_deadline),
      // Framing in order, but the joined data is no JSON: final at once, as for a plain body.
      failure("chunks of invalid JSON", answer(chunked + "1\r\n[\r\n0\r\n\r\n", false),
              two_causes(not_json,
                         "[json.exception.parse_error.101] parse error at line 1, column 2: "
                         "syntax error while parsing value - unexpected end of input; expected "
                         "'[', '{', or a literal"),
              Attempts::one),
      // Beside them, the same framing done right, the connection held open after it.
      success("valid chunks",
              answer(chunked + "1\r\n[\r\n" + hex(targets.size() - 1) + "\r\n" + targets.substr(1) +
                         "\r\n0\r\n\r\n",
                     false),
              "127.0.0.1:9229/abc"),
  });
}

TEST(HostileInspector, DeeplyNestedJson) {
  const std::string closed = std::string(500'000, '[') + std::string(500'000, ']');
  const std::string open = std::string(500'000, '[');
  play_all({
      // Valid JSON, but its first element is no object: the whole body is quoted.
      failure("half a million nested arrays",
              answer(testing::http_answer("HTTP/1.0 200 OK", closed), false),
              one_cause("no webSocketDebuggerUrl in inspector /json: " + closed), Attempts::one),
      failure(
          "half a million arrays never closed",
          answer(testing::http_answer("HTTP/1.0 200 OK", open), false),
          two_causes(not_json,
                     "[json.exception.parse_error.101] parse error at line 1, column 500001: "
                     "syntax error while parsing value - unexpected end of input; expected '[', "
                     "'{', or a literal"),
          Attempts::one),
  });
}

}  // namespace
}  // namespace tavrik
