// UTF-16 and UTF-8 at the system boundary, and the system's texts for error codes.
#include <gtest/gtest.h>

#include "platform/net.hpp"
#include "platform/system_error.hpp"
#include "win32_text.hpp"

namespace tavrik::win32 {
namespace {

struct Conversion {
  std::wstring wide;
  std::optional<std::string> utf8;  // nothing: not valid Unicode
};

TEST(WideText, StrictConversionBothWays) {
  const std::vector<Conversion> cases = {
      {L"", ""},
      {L"127.0.0.1:9229", "127.0.0.1:9229"},
      {L"\u00fc\u20ac", "\xC3\xBC\xE2\x82\xAC"},
      {L"\U0001F600", "\xF0\x9F\x98\x80"},  // a surrogate pair
      {std::wstring(L"a\0b", 3), std::string("a\0b", 3)},
      {L"\xD800", std::nullopt},              // high surrogate alone
      {L"x\xDC00y", std::nullopt},            // low surrogate alone
      {L"\xDE00\xD83D", std::nullopt},        // a pair the wrong way round
      {L"\xD83D\xDE00\xD83D", std::nullopt},  // a pair, then a high surrogate at the end
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.utf8));
    EXPECT_EQ(to_utf8(c.wide), c.utf8);
    if (c.utf8) {
      EXPECT_EQ(to_wide(*c.utf8), c.wide);
    }
  }
}

TEST(WideText, MalformedUtf8IsRefusedStrictlyAndReplacedLeniently) {
  for (const std::string bad : {"\xFF", "\xC0\xAF", "\xED\xA0\x80", "a\xE2\x82"}) {
    EXPECT_EQ(to_wide(bad), std::nullopt);
  }
  EXPECT_EQ(to_wide_lossy("a\xFF"
                          "b"),
            L"a\uFFFDb");
  EXPECT_EQ(to_utf8_lossy(L"a\xD800"
                          L"b"),
            "a\xEF\xBF\xBD"
            "b");
}

TEST(SystemText, CodesEndInTheirNumberWithoutTheSystemsLineEnd) {
  // 10061: refused; 10060: timed out, for which Wine has no text; 126: module not found;
  // 0x20001234: a customer code that no system has a text for.
  for (const int code : {10061, 10060, 126, 0x20001234}) {
    const std::string text = platform::system_error_text(code);
    SCOPED_TRACE(text);
    const std::string suffix = " (os error " + std::to_string(code) + ")";
    ASSERT_GT(text.size(), suffix.size());
    EXPECT_EQ(text.substr(text.size() - suffix.size()), suffix);
    EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos);
    EXPECT_NE(text[0], ' ');  // some text stands before the code, if only the fallback
  }
  EXPECT_EQ(platform::system_error_text(0x20001234), "unknown error (os error 536875572)");
  EXPECT_EQ(system_message(0x20001234), std::nullopt);
}

TEST(SystemText, HresultsAreShownInHex) {
  const std::string text = hresult_text(static_cast<std::int32_t>(0x80070002));
  EXPECT_TRUE(text.ends_with(" (HRESULT 0x80070002)")) << text;
  EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos);
  // The system's text for the Win32 code inside it.
  EXPECT_EQ(text.substr(0, text.find(" (HRESULT")), system_message(2).value_or("?"));
  EXPECT_EQ(hresult_text(0x20001234), "unknown error (HRESULT 0x20001234)");
}

}  // namespace
}  // namespace tavrik::win32
