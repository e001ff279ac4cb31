#include "frontend_address.hpp"

#include <gtest/gtest.h>

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
    EXPECT_EQ(compose_frontend_address_from(ws, tmpl), address) << tmpl.value_or("(absent)");
  }
}

TEST(FrontendAddress, InsertedTargetIsNeverScannedAgainOrEscaped) {
  EXPECT_EQ(compose_frontend_address_from("{ws}", std::string("<{ws}>")), "<{ws}>");
  EXPECT_EQ(
      compose_frontend_address_from("127.0.0.1:9229/a&b", std::nullopt),
      "http://devtools.localhost/js_app.html?ws=127.0.0.1:9229/a&b&experiments=true&v8only=true");
  EXPECT_EQ(compose_frontend_address_from("", std::nullopt),
            "http://devtools.localhost/js_app.html?ws=&experiments=true&v8only=true");
  EXPECT_EQ(embedded_origin(), "http://devtools.localhost");
}

}  // namespace
}  // namespace tavrik
