#include "frontend_address.hpp"

#include <gtest/gtest.h>

#include <tuple>

namespace tavrik {
namespace {

TEST(WsTarget, WorkedExamples) {
  const std::pair<std::string, std::string> cases[] = {
      {"ws://127.0.0.1:9229/abc", "127.0.0.1:9229/abc"},
      {"wss://127.0.0.1:9229/abc", "127.0.0.1:9229/abc"},
      {"WS://127.0.0.1:9229/abc", "WS://127.0.0.1:9229/abc"},
      {"ws://ws://127.0.0.1:9229/abc", "ws://127.0.0.1:9229/abc"},
      {"ws://", ""},
      {"127.0.0.1:9229/abc", "127.0.0.1:9229/abc"},
      {"", ""},
      {"ws:/x", "ws:/x"},
      {" ws://x", " ws://x"},
  };
  for (const auto& [url, target] : cases)
    EXPECT_EQ(ws_target_from_debugger_url(url), target) << url;
}

TEST(FrontendAddress, WorkedExamples) {
  const std::string ws = "127.0.0.1:9229/abc";
  const std::string fallback =
      "http://devtools.localhost/js_app.html?ws=127.0.0.1:9229/abc&experiments=true&v8only=true";
  const std::pair<std::optional<std::string>, std::string> cases[] = {
      {std::nullopt, fallback},
      {"http://127.0.0.1:8080/js_app.html?ws={ws}", "http://127.0.0.1:8080/js_app.html?ws=" + ws},
      {"a{ws}b{ws}c", "a" + ws + "b" + ws + "c"},
      {"{{ws}}", "{" + ws + "}"},
      {"http://127.0.0.1:8080/", "http://127.0.0.1:8080/"},
      {"{WS}", "{WS}"},
      {"", ""},
      {"{ws", "{ws"},
      {"{ws}{ws}", ws + ws},
  };
  for (const auto& [tmpl, address] : cases) {
    EXPECT_EQ(compose_frontend_address_from(ws, WsScheme::plain, tmpl), address)
        << tmpl.value_or("(absent)");
  }
}

TEST(FrontendAddress, ATlsTargetIsGivenAsWssInTheDefaultAddressOnly) {
  // The frontend puts "ws://" before a `ws` value, so a TLS target passed that way never connects.
  const std::tuple<std::string, WsScheme, std::string> cases[] = {
      {"ws://127.0.0.1:9229/abc", WsScheme::plain,
       "http://devtools.localhost/js_app.html?ws=127.0.0.1:9229/abc&experiments=true&v8only=true"},
      {"wss://inspect.test:443/abc", WsScheme::secure,
       "http://devtools.localhost/js_app.html?wss=inspect.test:443/"
       "abc&experiments=true&v8only=true"},
      {"wss://", WsScheme::secure,
       "http://devtools.localhost/js_app.html?wss=&experiments=true&v8only=true"},
      // Only the prefix that is taken away counts, case-sensitively.
      {"WSS://h/x", WsScheme::plain,
       "http://devtools.localhost/js_app.html?ws=WSS://h/x&experiments=true&v8only=true"},
      {"ws://wss://h/x", WsScheme::plain,
       "http://devtools.localhost/js_app.html?ws=wss://h/x&experiments=true&v8only=true"},
      {"https://h/x", WsScheme::plain,
       "http://devtools.localhost/js_app.html?ws=https://h/x&experiments=true&v8only=true"},
  };
  for (const auto& [url, scheme, address] : cases) {
    EXPECT_EQ(ws_scheme_of_debugger_url(url), scheme) << url;
    EXPECT_EQ(compose_frontend_address_from(ws_target_from_debugger_url(url),
                                            ws_scheme_of_debugger_url(url), std::nullopt),
              address)
        << url;
  }
  // The override template's {ws} is the bare target whatever the scheme.
  EXPECT_EQ(compose_frontend_address_from("h:1/x", WsScheme::secure, std::string("a?ws={ws}")),
            "a?ws=h:1/x");
}

TEST(FrontendAddress, InsertedTargetIsNeverScannedAgainOrEscaped) {
  EXPECT_EQ(compose_frontend_address_from("{ws}", WsScheme::plain, std::string("<{ws}>")),
            "<{ws}>");
  EXPECT_EQ(
      compose_frontend_address_from("127.0.0.1:9229/a&b", WsScheme::plain, std::nullopt),
      "http://devtools.localhost/js_app.html?ws=127.0.0.1:9229/a&b&experiments=true&v8only=true");
  EXPECT_EQ(compose_frontend_address_from("", WsScheme::plain, std::nullopt),
            "http://devtools.localhost/js_app.html?ws=&experiments=true&v8only=true");
  EXPECT_EQ(embedded_origin(), "http://devtools.localhost");
}

}  // namespace
}  // namespace tavrik
