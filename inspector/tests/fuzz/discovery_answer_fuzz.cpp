// Everything a peer may send on one connection, turned into the tool's result or error chain the
// way one attempt and the target choice do: the Content-Length end, the chunked end and decoding,
// the loose response check, the JSON target choice, and the report the process entry would print.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "chunked_body.hpp"
#include "discovery.hpp"
#include "error_chain.hpp"
#include "fuzz_check.hpp"
#include "utf8.hpp"

namespace {

using tavrik::Error;

constexpr std::string_view header_end = "\r\n\r\n";
constexpr std::string_view outer =
    "failed to read inspector targets from http://127.0.0.1:9229/json";

bool contains_ascii_case_insensitive(std::string_view text, std::string_view lower_needle) {
  for (std::size_t i = 0; i + lower_needle.size() <= text.size(); ++i) {
    bool same = true;
    for (std::size_t j = 0; j < lower_needle.size() && same; ++j) {
      char c = text[i + j];
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
      same = c == lower_needle[j];
    }
    if (same) return true;
  }
  return false;
}

// Well-formed UTF-8 by decoding: each sequence's code point must need exactly its length and be
// neither a surrogate nor above U+10FFFF. Written apart from the tool's table-driven check.
bool decodes_as_utf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    std::uint32_t point = 0;
    if ((lead & 0x80) == 0) {
      length = 1, point = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2, point = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3, point = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4, point = lead & 0x07u;
    } else {
      return false;
    }
    if (text.size() - i < length) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      point = (point << 6) | (next & 0x3Fu);
    }
    constexpr std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < smallest[length] || point > 0x10FFFF) return false;
    if (point >= 0xD800 && point <= 0xDFFF) return false;
    i += length;
  }
  return true;
}

// The report of a failed discovery starts with the outer message and is one piece of text.
void check_report(Error error) {
  const std::string report =
      tavrik::format_error_report(std::move(error).context(std::string(outer)));
  TAVRIK_FUZZ_CHECK(report.starts_with("Error: " + std::string(outer) + "\n"));
  TAVRIK_FUZZ_CHECK(report.ends_with('\n'));
}

// Where one attempt stops reading: at the announced end once the head is complete and carries one
// valid Content-Length, after the last chunk of a chunked body, otherwise when the peer closes.
std::string_view as_received(std::string_view stream) {
  const auto end = stream.find(header_end);
  if (end == std::string_view::npos) {
    TAVRIK_FUZZ_CHECK(!tavrik::response_length_from_head(stream));
    TAVRIK_FUZZ_CHECK(!tavrik::chunked_response_end(stream));
    return stream;
  }
  const std::string_view head = stream.substr(0, end + header_end.size());
  if (tavrik::head_announces_chunked(head.substr(0, end))) {
    // A Content-Length beside the chunks is not looked at.
    TAVRIK_FUZZ_CHECK(!tavrik::response_length_from_head(stream));
    const auto chunked_end = tavrik::chunked_response_end(stream);
    if (!chunked_end) return stream;
    TAVRIK_FUZZ_CHECK(*chunked_end >= head.size() + 5);  // at least "0\r\n\r\n"
    TAVRIK_FUZZ_CHECK(*chunked_end <= stream.size());
    TAVRIK_FUZZ_CHECK(stream.substr(0, *chunked_end).ends_with("\r\n\r\n"));
    return stream.substr(0, *chunked_end);
  }
  TAVRIK_FUZZ_CHECK(!tavrik::chunked_response_end(stream));
  const auto length = tavrik::response_length_from_head(head);
  // Only the head decides; the bytes after it change nothing.
  TAVRIK_FUZZ_CHECK(tavrik::response_length_from_head(stream) == length);
  if (!length) return stream;
  TAVRIK_FUZZ_CHECK(*length >= head.size());
  TAVRIK_FUZZ_CHECK(contains_ascii_case_insensitive(head, "content-length"));
  return *length <= stream.size() ? stream.substr(0, *length) : stream;
}

void check_response_failure(std::string_view response, const Error& error) {
  TAVRIK_FUZZ_CHECK(error.causes().empty());
  const std::string& message = error.message();
  if (!tavrik::is_valid_utf8(response)) {
    TAVRIK_FUZZ_CHECK(message == "stream did not contain valid UTF-8");
    return;
  }
  const auto end = response.find(header_end);
  if (end == std::string_view::npos) {
    TAVRIK_FUZZ_CHECK(message == "malformed HTTP response from inspector");
    return;
  }
  constexpr std::string_view prefix = "inspector returned non-200: ";
  TAVRIK_FUZZ_CHECK(message.starts_with(prefix));
  const std::string_view status_line = std::string_view(message).substr(prefix.size());
  // The head's first line, without its line end, and no "200" in it.
  TAVRIK_FUZZ_CHECK(response.starts_with(status_line));
  TAVRIK_FUZZ_CHECK(status_line.find('\n') == std::string_view::npos);
  TAVRIK_FUZZ_CHECK(status_line.size() <= end);
  TAVRIK_FUZZ_CHECK(status_line.find("200") == std::string_view::npos);
  const std::string_view after = response.substr(status_line.size());
  TAVRIK_FUZZ_CHECK(after.starts_with("\r\n") || after.starts_with('\n') ||
                    status_line.size() == end);
}

// The decoder resumes where it stopped: fed the body in pieces it must end exactly as when fed it
// whole. Short bodies go one byte at a time, long ones in two pieces split at `split`.
void check_resumable(std::string_view body, std::size_t split) {
  tavrik::ChunkedDecoder whole(tavrik::response_size_limit);
  whole.advance(body);
  tavrik::ChunkedDecoder pieces(tavrik::response_size_limit);
  if (body.size() <= 2048) {
    for (std::size_t n = 0; n <= body.size(); ++n) {
      if (pieces.advance(body.substr(0, n)) != tavrik::ChunkedDecoder::State::incomplete) break;
    }
  } else {
    pieces.advance(body.substr(0, split % body.size()));
    pieces.advance(body);
  }
  TAVRIK_FUZZ_CHECK(pieces.state() == whole.state());
  if (whole.state() == tavrik::ChunkedDecoder::State::complete) {
    TAVRIK_FUZZ_CHECK(pieces.data() == whole.data());
    TAVRIK_FUZZ_CHECK(pieces.end() == whole.end());
    TAVRIK_FUZZ_CHECK(whole.data().size() + 5 <= whole.end());
    TAVRIK_FUZZ_CHECK(whole.end() <= body.size());
  }
  if (whole.state() == tavrik::ChunkedDecoder::State::malformed) {
    TAVRIK_FUZZ_CHECK(pieces.fault() == whole.fault());
    TAVRIK_FUZZ_CHECK(!whole.fault().empty());
  }
}

// A chunked answer: the decoded data, or the error the response check must report.
void check_chunked(std::string_view response, std::size_t end, std::size_t split,
                   const tavrik::Result<std::string>& checked) {
  const std::string_view raw_body = response.substr(end + header_end.size());
  check_resumable(raw_body, split);
  const auto data = tavrik::decode_chunked_body(raw_body, tavrik::response_size_limit);
  if (!data) {
    TAVRIK_FUZZ_CHECK(!checked && checked.error().message() == data.error().message());
    if (data.error().message() == "malformed chunked body from inspector") {
      TAVRIK_FUZZ_CHECK(data.error().causes().size() == 1);
      TAVRIK_FUZZ_CHECK(!data.error().causes()[0].empty());
    } else {
      TAVRIK_FUZZ_CHECK(data.error().message() == "inspector response exceeds " +
                                                      std::to_string(tavrik::response_size_limit) +
                                                      " bytes");
      TAVRIK_FUZZ_CHECK(data.error().causes().empty());
    }
    return;
  }
  TAVRIK_FUZZ_CHECK(data.value().size() < raw_body.size());
  // The data sent again as one chunk comes back unchanged.
  char size[32];
  std::snprintf(size, sizeof size, "%zX", data.value().size());
  const std::string one_chunk =
      data.value().empty() ? std::string("0\r\n\r\n")
                           : std::string(size) + ";x=y\r\n" + data.value() + "\r\n0\r\n\r\n";
  const auto again = tavrik::decode_chunked_body(one_chunk, tavrik::response_size_limit);
  TAVRIK_FUZZ_CHECK(again.ok() && again.value() == data.value());
  if (checked) TAVRIK_FUZZ_CHECK(checked.value() == data.value());
}

// Whatever the titles hold, each listed target is one line of exactly four fields.
void check_target_lines(std::string_view body) {
  const auto lines = tavrik::list_targets(body);
  if (!lines) return;
  TAVRIK_FUZZ_CHECK(lines.value().empty() || lines.value().ends_with('\n'));
  std::size_t tabs = 0;
  for (std::size_t i = 0; i < lines.value().size(); ++i) {
    const auto byte = static_cast<unsigned char>(lines.value()[i]);
    if (byte == '\n') {
      TAVRIK_FUZZ_CHECK(tabs == 3);
      tabs = 0;
      continue;
    }
    if (byte == '\t') ++tabs;
    TAVRIK_FUZZ_CHECK((byte >= 0x20 && byte != 0x7f) || byte == '\t');
  }
  const std::string_view text = lines.value();
  TAVRIK_FUZZ_CHECK(text.find("\xc2\x85") == std::string_view::npos);
  TAVRIK_FUZZ_CHECK(text.find("\xe2\x80\xa8") == std::string_view::npos);
  TAVRIK_FUZZ_CHECK(text.find("\xe2\x80\xa9") == std::string_view::npos);
  TAVRIK_FUZZ_CHECK(tavrik::is_valid_utf8(text));
}

void check_target_failure(std::string_view body, const Error& error) {
  if (error.message() == "inspector /json was not valid JSON") {
    TAVRIK_FUZZ_CHECK(error.causes().size() == 1);
    TAVRIK_FUZZ_CHECK(!error.causes()[0].empty());
    return;
  }
  // The body whole and untrimmed, as received.
  TAVRIK_FUZZ_CHECK(error.message() ==
                    "no webSocketDebuggerUrl in inspector /json: " + std::string(body));
  TAVRIK_FUZZ_CHECK(error.causes().empty());
}

// Piece lengths for the peer's writes, drawn from the input itself (a small generator seeded by
// its bytes), so that one saved input always replays the same splits.
class Splitter {
 public:
  Splitter(std::string_view stream, std::uint64_t salt) : state_(0x9E3779B97F4A7C15u ^ salt) {
    for (const char c : stream) state_ = (state_ ^ static_cast<unsigned char>(c)) * 0x100000001B3u;
  }
  std::uint64_t next() {
    state_ ^= state_ >> 33;
    state_ *= 0xFF51AFD7ED558CCDu;
    state_ ^= state_ >> 29;
    return state_;
  }
  // Mostly short pieces, now and then a long one, never none.
  std::size_t piece() {
    const auto roll = next();
    if (roll % 8 == 0) return 1 + static_cast<std::size_t>((roll >> 8) % 4096);
    return 1 + static_cast<std::size_t>((roll >> 8) % 16);
  }

 private:
  std::uint64_t state_;
};

// What the receive loop must return for the whole stream, whatever its pieces: decided from the
// bytes alone. `ended_by_peer` is set when only the peer's end (close or failure) stops reading.
struct Expected {
  std::optional<std::string_view> response;  // nothing: the size limit fails the attempt
  bool ended_by_peer = false;
  bool chunk_fault = false;  // reading stops at a fault in the chunks, somewhere past its place
};

Expected expected_receive(std::string_view stream, std::size_t limit) {
  // The loop never holds more than one byte past the limit.
  const std::string_view visible = stream.substr(0, limit < stream.size() ? limit + 1 : limit);
  const bool over_limit = visible.size() > limit;
  const auto end = visible.find(header_end);
  if (end != std::string_view::npos) {
    const std::size_t body_start = end + header_end.size();
    const std::string_view head = visible.substr(0, body_start);
    if (tavrik::head_announces_chunked(head.substr(0, end))) {
      tavrik::ChunkedDecoder chunks(limit);
      const auto state = chunks.advance(visible.substr(body_start));
      if (state == tavrik::ChunkedDecoder::State::complete) {
        return {visible.substr(0, body_start + chunks.end()), false, false};
      }
      if (state != tavrik::ChunkedDecoder::State::incomplete) return {visible, false, true};
    } else if (const auto length = tavrik::response_length_from_head(head);
               length && *length <= limit && *length <= visible.size()) {
      return {visible.substr(0, *length), false, false};
    }
  }
  if (over_limit) return {std::nullopt, false, false};
  return {stream, true, false};
}

// Drives the real receive loop with the stream cut into pieces; the peer then closes, or fails.
void check_receive(std::string_view stream, std::size_t limit, std::uint64_t salt,
                   bool one_byte_each) {
  Splitter splitter(stream, salt);
  const bool peer_fails = splitter.next() % 4 == 0;
  std::size_t offset = 0;
  bool finished = false;
  std::size_t calls_after_end = 0;
  auto receive = [&](std::span<char> buffer) -> tavrik::Result<std::size_t> {
    TAVRIK_FUZZ_CHECK(!buffer.empty());
    if (finished) ++calls_after_end;
    if (offset == stream.size()) {
      finished = true;
      if (peer_fails) return Error("Resource temporarily unavailable (os error 11)");
      return std::size_t{0};
    }
    std::size_t n = one_byte_each ? 1 : splitter.piece();
    n = std::min({n, buffer.size(), stream.size() - offset});
    stream.substr(offset, n).copy(buffer.data(), n);
    offset += n;
    return n;
  };
  const auto got = tavrik::receive_response_with(receive, limit);
  TAVRIK_FUZZ_CHECK(calls_after_end == 0);
  const Expected expected = expected_receive(stream, limit);
  if (!expected.response) {
    TAVRIK_FUZZ_CHECK(!got && got.error().message() ==
                                  "inspector response exceeds " + std::to_string(limit) + " bytes");
    TAVRIK_FUZZ_CHECK(offset == limit + 1);
    return;
  }
  if (expected.ended_by_peer) {
    TAVRIK_FUZZ_CHECK(finished);
    if (peer_fails) {
      TAVRIK_FUZZ_CHECK(!got &&
                        got.error().message() == "Resource temporarily unavailable (os error 11)");
      return;
    }
    TAVRIK_FUZZ_CHECK(got.ok() && got.value() == *expected.response);
    return;
  }
  TAVRIK_FUZZ_CHECK(!finished);
  TAVRIK_FUZZ_CHECK(got.ok());
  if (!expected.chunk_fault) {
    TAVRIK_FUZZ_CHECK(got.value() == *expected.response);
    return;
  }
  // Stopped at the fault: a part of the stream that already shows the same fault.
  TAVRIK_FUZZ_CHECK(expected.response->starts_with(got.value()));
  const std::size_t body_start = got.value().find(header_end) + header_end.size();
  tavrik::ChunkedDecoder whole(limit);
  whole.advance(expected.response->substr(body_start));
  tavrik::ChunkedDecoder seen(limit);
  seen.advance(std::string_view(got.value()).substr(body_start));
  TAVRIK_FUZZ_CHECK(seen.state() == whole.state());
  TAVRIK_FUZZ_CHECK(seen.fault() == whole.fault());
}

void check_receive_splits(std::string_view stream) {
  Splitter limits(stream, 7);
  check_receive(stream, tavrik::response_size_limit, 1, false);
  check_receive(stream, tavrik::response_size_limit, 2, false);
  // A small limit, so that its end is reached by short inputs too.
  const std::size_t small = static_cast<std::size_t>(limits.next() % (stream.size() + 16));
  check_receive(stream, small, 3, false);
  if (stream.size() <= 128) check_receive(stream, tavrik::response_size_limit, 4, true);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view stream = tavrik::fuzz::as_text(data, size);
  TAVRIK_FUZZ_CHECK(tavrik::is_valid_utf8(stream) == decodes_as_utf8(stream));
  check_receive_splits(stream);
  std::string_view response = as_received(stream);

  auto body = tavrik::check_response(response);
  // A chunked answer is judged by its head and its joined data.
  std::string joined;
  if (const auto end = response.find(header_end);
      end != std::string_view::npos && tavrik::head_announces_chunked(response.substr(0, end))) {
    check_chunked(response, end, size > 0 ? data[0] * 131u : 0, body);
    auto decoded = tavrik::decode_chunked_body(response.substr(end + header_end.size()),
                                               tavrik::response_size_limit);
    if (!decoded) {
      check_report(std::move(body).error());
      return 0;
    }
    joined = std::string(response.substr(0, end + header_end.size())) + decoded.value();
    response = joined;
  }
  if (!body) {
    check_response_failure(response, body.error());
    check_report(std::move(body).error());
    return 0;
  }
  TAVRIK_FUZZ_CHECK(tavrik::is_valid_utf8(response));
  const auto end = response.find(header_end);
  TAVRIK_FUZZ_CHECK(end != std::string_view::npos);
  TAVRIK_FUZZ_CHECK(body.value() == response.substr(end + header_end.size()));
  const std::string_view first_line = response.substr(0, std::min(end, response.find('\n')));
  TAVRIK_FUZZ_CHECK(first_line.find("200") != std::string_view::npos);

  check_target_lines(body.value());
  auto target = tavrik::choose_target(body.value());
  // No raw NUL may stand anywhere in JSON text: not between tokens, not inside a string.
  if (body.value().find('\0') != std::string::npos) {
    TAVRIK_FUZZ_CHECK(!target && target.error().message() == "inspector /json was not valid JSON");
  }
  if (!target) {
    check_target_failure(body.value(), target.error());
    check_report(std::move(target).error());
    return 0;
  }
  // Decoded JSON text: printed on the console as it is, so it must stay valid UTF-8.
  TAVRIK_FUZZ_CHECK(tavrik::is_valid_utf8(target.value()));
  return 0;
}
