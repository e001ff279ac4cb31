// The ws target and the frontend address: a debugger URL, then optionally (after a NUL) the
// override template, which may hold "{ws}" anywhere and any number of times.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "frontend_address.hpp"
#include "fuzz_check.hpp"

namespace {

// Non-overlapping matches, scanned from the left, as the template is read.
std::size_t placeholders_in(std::string_view text) {
  std::size_t count = 0;
  for (auto at = text.find("{ws}"); at != std::string_view::npos; at = text.find("{ws}", at + 4)) {
    ++count;
  }
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input = tavrik::fuzz::as_text(data, size);
  const auto nul = input.find('\0');
  const std::string_view debugger_url = input.substr(0, nul);
  std::optional<std::string> override_template;
  if (nul != std::string_view::npos) override_template = std::string(input.substr(nul + 1));

  const std::string ws_target = tavrik::ws_target_from_debugger_url(debugger_url);
  // At most one prefix goes, case-sensitively, and the rest is left as it is.
  if (debugger_url.starts_with("ws://")) {
    TAVRIK_FUZZ_CHECK(ws_target == debugger_url.substr(5));
  } else if (debugger_url.starts_with("wss://")) {
    TAVRIK_FUZZ_CHECK(ws_target == debugger_url.substr(6));
  } else {
    TAVRIK_FUZZ_CHECK(ws_target == debugger_url);
  }

  // TLS exactly when the "wss://" prefix was the one taken away.
  const auto scheme = tavrik::ws_scheme_of_debugger_url(debugger_url);
  const bool secure = debugger_url.starts_with("wss://");
  TAVRIK_FUZZ_CHECK((scheme == tavrik::WsScheme::secure) == secure);

  const std::string address =
      tavrik::compose_frontend_address_from(ws_target, scheme, override_template);
  if (!override_template) {
    TAVRIK_FUZZ_CHECK(address == std::string("http://devtools.localhost/js_app.html?") +
                                     (secure ? "wss=" : "ws=") + ws_target +
                                     "&experiments=true&v8only=true");
    return 0;
  }
  // The template ignores the scheme.
  const auto other =
      scheme == tavrik::WsScheme::secure ? tavrik::WsScheme::plain : tavrik::WsScheme::secure;
  TAVRIK_FUZZ_CHECK(tavrik::compose_frontend_address_from(ws_target, other, override_template) ==
                    address);
  const std::string& text = *override_template;
  const std::size_t matches = placeholders_in(text);
  TAVRIK_FUZZ_CHECK(address.size() == text.size() - 4 * matches + matches * ws_target.size());
  // The inserted target is never scanned again: putting "{ws}" itself in gives the template back.
  TAVRIK_FUZZ_CHECK(tavrik::compose_frontend_address_from("{ws}", scheme, override_template) ==
                    text);
  // And an empty target simply removes every placeholder.
  const std::string removed = tavrik::compose_frontend_address_from("", scheme, override_template);
  TAVRIK_FUZZ_CHECK(removed.size() == text.size() - 4 * matches);
  if (matches == 0) TAVRIK_FUZZ_CHECK(address == text);
  return 0;
}
