// The error report writer over any chain: NUL-separated fields are the outermost message and then
// the causes, innermost last. The report is read back line by line against its layout.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "error_chain.hpp"
#include "fuzz_check.hpp"
#include "terminal_text.hpp"
#include "utf8.hpp"

namespace {

// Takes `expected` off the front of `rest`; false when it is not there.
bool take(std::string_view& rest, std::string_view expected) {
  if (!rest.starts_with(expected)) return false;
  rest.remove_prefix(expected.size());
  return true;
}

// One message as the report writes it: every line feed inside it followed by the continuation.
bool take_text(std::string_view& rest, std::string_view text, std::string_view continuation) {
  for (;;) {
    const auto line_feed = text.find('\n');
    if (!take(rest, text.substr(0, line_feed))) return false;
    if (line_feed == std::string_view::npos) return true;
    if (!take(rest, "\n") || !take(rest, continuation)) return false;
    text.remove_prefix(line_feed + 1);
  }
}

// C0 controls but line feed and tab, DEL, and U+0080 to U+009F (C2 is only ever a lead byte).
bool has_terminal_controls(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if ((c < 0x20 && c != '\n' && c != '\t') || c == 0x7f) return true;
    if (c == 0xc2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xa0) {
      return true;
    }
  }
  return false;
}

std::string numbered_prefix(std::size_t index) {
  std::string number = std::to_string(index);
  if (number.size() < 5) number.insert(0, 5 - number.size(), ' ');
  return number + ": ";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> fields =
      tavrik::fuzz::split_at_nul(tavrik::fuzz::as_text(data, size));

  // Built the way layers wrap errors: innermost first, each layer's message put in front.
  tavrik::Error error(fields.back());
  for (std::size_t i = fields.size() - 1; i-- > 0;) error = std::move(error).context(fields[i]);
  TAVRIK_FUZZ_CHECK(error.message() == fields.front());
  TAVRIK_FUZZ_CHECK(error.causes().size() == fields.size() - 1);

  const std::string report = tavrik::format_error_report(error);
  std::string_view rest = report;
  // The outermost message is never indented, whatever it holds.
  TAVRIK_FUZZ_CHECK(take(rest, "Error: ") && take(rest, fields.front()) && take(rest, "\n"));
  const std::size_t causes = fields.size() - 1;
  if (causes > 0) {
    TAVRIK_FUZZ_CHECK(take(rest, "\nCaused by:\n"));
    for (std::size_t i = 1; i < fields.size(); ++i) {
      const bool single = causes == 1;
      TAVRIK_FUZZ_CHECK(take(rest, single ? std::string("    ") : numbered_prefix(i - 1)));
      TAVRIK_FUZZ_CHECK(take_text(rest, fields[i], single ? "    " : "       "));
      TAVRIK_FUZZ_CHECK(take(rest, "\n"));
    }
  }
  // Exactly one line feed ends it: nothing is left over.
  TAVRIK_FUZZ_CHECK(rest.empty());

  // The form for a terminal: well-formed UTF-8 with nothing a terminal acts on but line feed and
  // tab, the same lines, and the report itself whenever it held nothing to escape.
  const std::string shown = tavrik::escape_for_terminal(report);
  TAVRIK_FUZZ_CHECK(tavrik::is_valid_utf8(shown));
  TAVRIK_FUZZ_CHECK(!has_terminal_controls(shown));
  TAVRIK_FUZZ_CHECK(std::count(shown.begin(), shown.end(), '\n') ==
                    std::count(report.begin(), report.end(), '\n'));
  if (tavrik::is_valid_utf8(report) && !has_terminal_controls(report)) {
    TAVRIK_FUZZ_CHECK(shown == report);
  } else {
    TAVRIK_FUZZ_CHECK(shown.size() > report.size());
  }
  return 0;
}
