// Choosing among several targets, and the line format of --list-targets.
#include "target_choice.hpp"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

// As Chromium lists them: the newest page first, then others; one page is held by another
// debugger (no webSocketDebuggerUrl), and a few entries are odd.
const std::string several = R"([
  {"id":"P2","type":"page","title":"Inbox","url":"https://mail.example/inbox",
   "webSocketDebuggerUrl":"ws://127.0.0.1:9222/devtools/page/P2"},
  {"id":"HELD","type":"page","title":"Held elsewhere","url":"https://held.example/"},
  "not an object",
  {"id":"SW","type":"service_worker","title":"Service Worker https://mail.example/sw.js",
   "url":"https://mail.example/sw.js","webSocketDebuggerUrl":"ws://127.0.0.1:9222/devtools/page/SW"},
  {"id":7,"type":null,"title":"numbers","webSocketDebuggerUrl":"ws://h/seven"},
  {"id":"Inbox","type":"page","title":"named like a title","url":"about:blank",
   "webSocketDebuggerUrl":"ws://h/id-inbox"},
  {"id":"BAD","title":"bad url","webSocketDebuggerUrl":5}
])";

TEST(TargetChoice, BySelector) {
  struct Case {
    std::string value;
    std::string url;  // the chosen webSocketDebuggerUrl
  };
  const Case cases[] = {
      {"P2", "ws://127.0.0.1:9222/devtools/page/P2"},
      {"SW", "ws://127.0.0.1:9222/devtools/page/SW"},
      // An exact id wins over an earlier target whose title contains the value.
      {"Inbox", "ws://h/id-inbox"},
      // Otherwise the first title or url that contains it, in list order.
      {"Inb", "ws://127.0.0.1:9222/devtools/page/P2"},
      {"sw.js", "ws://127.0.0.1:9222/devtools/page/SW"},
      {"mail.example", "ws://127.0.0.1:9222/devtools/page/P2"},
      {"Service Worker", "ws://127.0.0.1:9222/devtools/page/SW"},
      {"numbers", "ws://h/seven"},
      {"about:", "ws://h/id-inbox"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    const auto chosen = choose_target(several, TargetSelector{c.value});
    ASSERT_TRUE(chosen.ok()) << format_error_report(chosen.error());
    EXPECT_EQ(chosen.value(), c.url);
  }
}

TEST(TargetChoice, NoMatchListsTheTargetsThatCouldBeChosen) {
  // Ids compare whole and case-sensitively; a number id is no string id; a target without a
  // string webSocketDebuggerUrl matches nothing, though its title would.
  for (const std::string value : {"p2", "P", "7", "Held", "BAD", "INBOX"}) {
    SCOPED_TRACE(value);
    const auto chosen = choose_target(several, TargetSelector{value});
    ASSERT_FALSE(chosen.ok());
    EXPECT_EQ(chosen.error().message(),
              "no target with the id " + value + " or with " + value +
                  " in its title or url; targets offered (id, type, title, url):\n"
                  "P2\tpage\tInbox\thttps://mail.example/inbox\n"
                  "SW\tservice_worker\tService Worker "
                  "https://mail.example/sw.js\thttps://mail.example/sw.js\n"
                  "\t\tnumbers\t\n"
                  "Inbox\tpage\tnamed like a title\tabout:blank");
    EXPECT_TRUE(chosen.error().causes().empty());
  }
}

TEST(TargetChoice, SelectorOnListsWithoutChoosableTargets) {
  struct Case {
    std::string body;
    std::string message;
  };
  const Case cases[] = {
      {"[]", "no target with the id x or with x in its title or url; no targets offered"},
      {R"([{"id":"x","title":"x"}, 1, null])",
       "no target with the id x or with x in its title or url; no targets offered"},
      {R"({"id":"x","webSocketDebuggerUrl":"ws://h/x"})",
       R"(inspector /json is not a list of targets: {"id":"x","webSocketDebuggerUrl":"ws://h/x"})"},
      {"[", "inspector /json was not valid JSON"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body);
    const auto chosen = choose_target(c.body, TargetSelector{"x"});
    ASSERT_FALSE(chosen.ok());
    EXPECT_EQ(chosen.error().message(), c.message);
    // --list-targets with the same selector fails the same way.
    const auto listed = list_targets(c.body, TargetSelector{"x"});
    ASSERT_FALSE(listed.ok());
    EXPECT_EQ(listed.error().message(), c.message);
  }
}

TEST(TargetChoice, WithoutSelectorTheFirstElementRuleIsUnchanged) {
  // The first element decides alone, even when a later one could be chosen.
  const std::string held_first =
      R"([{"id":"HELD","title":"t"},{"id":"2","webSocketDebuggerUrl":"ws://h/2"}])";
  const auto chosen = choose_target(held_first);
  ASSERT_FALSE(chosen.ok());
  EXPECT_EQ(chosen.error().message(), "no webSocketDebuggerUrl in inspector /json: " + held_first);
  // The selector, in contrast, passes over the held target.
  const auto selected = choose_target(held_first, TargetSelector{"2"});
  ASSERT_TRUE(selected.ok());
  EXPECT_EQ(selected.value(), "ws://h/2");
}

TEST(TargetList, LineFormat) {
  struct Case {
    TargetEntry target;
    std::string line;
  };
  const Case cases[] = {
      {{"1", "node", "app.js", "file:///srv/app.js", "ws://h/1"},
       "1\tnode\tapp.js\tfile:///srv/app.js\n"},
      {{"", "", "", "", "ws://h/1"}, "\t\t\t\n"},
      // Nothing in a field can end the line or add a field, and an escape cannot be forged.
      {{"a\tb", "x\ny", "T\r\nU", "\\t", ""}, "a\\tb\tx\\ny\tT\\r\\nU\t\\\\t\n"},
      {{"\x1b[31m", std::string("\0", 1), "\x7f\x01", "\x1f ", ""},
       "\\x1b[31m\t\\x00\t\\x7f\\x01\t\\x1f \n"},
      // Characters some readers also split lines at: C1 controls, U+2028 and U+2029.
      {{"\xc2\x85", "\xc2\x9f\xc2\xa0",
        "a\xe2\x80\xa8"
        "b\xe2\x80\xa9"
        "c",
        "\xe2\x80\xa7", ""},
       "\\u0085\t\\u009f\xc2\xa0\ta\\u2028b\\u2029c\t\xe2\x80\xa7\n"},
      // Other text, quotes and non-ASCII included, stays as it is.
      {{"id", "page", "\"Grüße\" — 日本", "https://x/?a=1&b='2'", ""},
       "id\tpage\t\"Grüße\" — 日本\thttps://x/?a=1&b='2'\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(format_target_line(c.target), c.line);
  }
}

TEST(TargetList, ListsTheChoosableTargetsOrTheOneChosen) {
  struct Case {
    std::string body;
    TargetSelector selector;
    std::string lines;
  };
  const Case cases[] = {
      {several,
       {},
       "P2\tpage\tInbox\thttps://mail.example/inbox\n"
       "SW\tservice_worker\tService Worker https://mail.example/sw.js\thttps://mail.example/sw.js\n"
       "\t\tnumbers\t\n"
       "Inbox\tpage\tnamed like a title\tabout:blank\n"},
      {several,
       {"sw.js"},
       "SW\tservice_worker\tService Worker "
       "https://mail.example/sw.js\thttps://mail.example/sw.js\n"},
      {"[]", {}, ""},
      {R"([{"id":"HELD"}])", {}, ""},
      // JSON escapes are decoded first, then escaped for the line.
      {R"([{"id":"a\tb","title":"x\u2028y","webSocketDebuggerUrl":"w"}])",
       {},
       "a\\tb\t\tx\\u2028y\t\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body);
    const auto listed = list_targets(c.body, c.selector);
    ASSERT_TRUE(listed.ok()) << format_error_report(listed.error());
    EXPECT_EQ(listed.value(), c.lines);
  }
  const std::pair<std::string, std::string> failures[] = {
      {"", "inspector /json was not valid JSON"},
      {"[] x", "inspector /json was not valid JSON"},
      {"{}", "inspector /json is not a list of targets: {}"},
      {"5", "inspector /json is not a list of targets: 5"},
  };
  for (const auto& [body, message] : failures) {
    SCOPED_TRACE(body);
    const auto listed = list_targets(body);
    ASSERT_FALSE(listed.ok());
    EXPECT_EQ(listed.error().message(), message);
  }
}

}  // namespace
}  // namespace tavrik
