#include "command_line.hpp"

#include <gtest/gtest.h>

#include <optional>

namespace tavrik {
namespace {

TEST(CommandLine, Table) {
  struct Case {
    std::vector<std::string> arguments;
    bool usage_error;
    bool print_url_only;
    std::string address;
    bool list_targets = false;
    std::optional<std::string> target = std::nullopt;
    bool follow = false;
  };
  const Case cases[] = {
      {{}, true, false, ""},
      {{"--print-url"}, true, true, ""},
      {{"--help"}, true, false, ""},
      {{"--"}, true, false, ""},
      {{"--print-url", "--print-url"}, true, true, ""},
      {{"127.0.0.1:9229"}, false, false, "127.0.0.1:9229"},
      {{"--print-url", "127.0.0.1:9229"}, false, true, "127.0.0.1:9229"},
      {{"127.0.0.1:9229", "--print-url"}, false, true, "127.0.0.1:9229"},
      {{"--help", "h:1"}, false, false, "h:1"},
      // Not the flag: different case, or anything appended; skipped as an unknown option.
      {{"--PRINT-URL", "h:1"}, false, false, "h:1"},
      {{"--print-url=1", "h:1"}, false, false, "h:1"},
      {{"--print-urlx", "h:1"}, false, false, "h:1"},
      // Anything not starting with "--" is the address, short words included.
      {{"-p", "127.0.0.1:9229"}, false, false, "-p"},
      {{"-", "h:1"}, false, false, "-"},
      {{"", "h:1"}, false, false, ""},
      {{"--", "h:1"}, false, false, "h:1"},
      {{"a:1", "b:2", "--print-url"}, false, true, "a:1"},
      // The address text is kept as typed.
      {{" 127.0.0.1:9229 "}, false, false, " 127.0.0.1:9229 "},
      // --list-targets, exactly so, anywhere; with --print-url too.
      {{"h:1", "--list-targets"}, false, false, "h:1", true},
      {{"--list-targets", "--print-url", "h:1"}, false, true, "h:1", true},
      {{"--list-targets"}, true, false, ""},
      {{"--list-targets=1", "--LIST-TARGETS", "h:1"}, false, false, "h:1", false},
      // --target=VALUE: everything after the first "=", kept as typed; the last one counts.
      {{"--target=abc", "h:1"}, false, false, "h:1", false, "abc"},
      {{"h:1", "--target=a=b c"}, false, false, "h:1", false, "a=b c"},
      {{"--target=a", "h:1", "--target=b"}, false, false, "h:1", false, "b"},
      {{"--target=", "h:1"}, false, false, "h:1"},                // empty: no choice
      {{"--target=a", "--target=", "h:1"}, false, false, "h:1"},  // and it undoes an earlier one
      {{"--target=--print-url", "h:1"}, false, false, "h:1", false, "--print-url"},
      // A bare --target is an unknown option: the next word is not its value but the address.
      {{"--target", "abc", "h:1"}, false, false, "abc"},
      {{"--TARGET=x", "--targets=x", "-target=x"}, false, false, "-target=x"},
      {{"--target=x"}, true, false, ""},
      // --follow, exactly so, anywhere.
      {{"--follow", "h:1"}, false, false, "h:1", false, std::nullopt, true},
      {{"h:1", "--print-url", "--follow"}, false, true, "h:1", false, std::nullopt, true},
      {{"--follow=1", "--FOLLOW", "--followx", "h:1"}, false, false, "h:1"},
      {{"--follow"}, true, false, ""},
  };
  for (const auto& c : cases) {
    const auto result = parse_command_line(c.arguments);
    SCOPED_TRACE(::testing::PrintToString(c.arguments));
    ASSERT_EQ(!result.ok(), c.usage_error);
    if (c.usage_error) {
      EXPECT_EQ(result.error().message(),
                "usage: tavrik_inspector [--print-url] <inspector-http-addr e.g. 127.0.0.1:9229>");
      EXPECT_TRUE(result.error().causes().empty());
      continue;
    }
    EXPECT_EQ(result.value().print_url_only, c.print_url_only);
    EXPECT_EQ(result.value().inspector_address, c.address);
    EXPECT_EQ(result.value().list_targets, c.list_targets);
    EXPECT_EQ(result.value().target.value, c.target);
    EXPECT_EQ(result.value().follow, c.follow);
  }
}

}  // namespace
}  // namespace tavrik
