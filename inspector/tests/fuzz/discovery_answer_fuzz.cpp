// Everything a peer may send on one connection, turned into the tool's result or error chain the
// way one attempt and the target choice do: the Content-Length end, the loose response check, the
// JSON target choice, and the report the process entry would print.
#include <cstdint>
#include <string>
#include <string_view>

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
// valid Content-Length, otherwise when the peer closes.
std::string_view as_received(std::string_view stream) {
  const auto end = stream.find(header_end);
  if (end == std::string_view::npos) {
    TAVRIK_FUZZ_CHECK(!tavrik::response_length_from_head(stream));
    return stream;
  }
  const std::string_view head = stream.substr(0, end + header_end.size());
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view stream = tavrik::fuzz::as_text(data, size);
  TAVRIK_FUZZ_CHECK(tavrik::is_valid_utf8(stream) == decodes_as_utf8(stream));
  const std::string_view response = as_received(stream);

  auto body = tavrik::check_response(response);
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
