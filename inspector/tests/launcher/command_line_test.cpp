#include "command_line.hpp"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

TEST(CommandLine, Table) {
  struct Case {
    std::vector<std::string> arguments;
    bool usage_error;
    bool print_url_only;
    std::string address;
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
  }
}

}  // namespace
}  // namespace tavrik
