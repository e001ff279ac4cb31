#include "terminal_text.hpp"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

using namespace std::string_literals;

TEST(TerminalText, WhatATerminalCouldActOnIsShownAsEscapes) {
  const std::pair<std::string, std::string> cases[] = {
      // What a hostile status line would send: colour, title, clear screen, bell.
      {"HTTP/1.1 404 \x1b[31mred\x1b[0m", R"(HTTP/1.1 404 \x1b[31mred\x1b[0m)"},
      {"\x1b]0;owned\x07", R"(\x1b]0;owned\x07)"},
      {"a\rb\bc\x7f", R"(a\x0db\x08c\x7f)"},
      {"\0\x01\x1f "s, R"(\x00\x01\x1f )"},
      // Line feed and tab are the report's own layout.
      {"one\n\ttwo\n", "one\n\ttwo\n"},
      // C1 controls written as UTF-8 (U+009B is a CSI on some terminals); U+00A0 is not one.
      {"\xc2\x80\xc2\x9b\xc2\x9f\xc2\xa0", "\\u0080\\u009b\\u009f\xc2\xa0"},
      // Bytes that are not well-formed UTF-8: a lone 0x9B would be a CSI to an 8-bit terminal.
      {"\x9b"
       "2J",
       R"(\x9b2J)"},
      {"\xc2", R"(\xc2)"},
      {"\xc0\x9b", R"(\xc0\x9b)"},
      {"\xed\xa0\x80", R"(\xed\xa0\x80)"},
      // Other text, backslashes and characters of every length included, stays as it is.
      {R"(C:\path\x1b)", R"(C:\path\x1b)"},
      {"\xc3\xbc\xe2\x80\x94\xf0\x9f\x98\x80\xe2\x80\xa8",
       "\xc3\xbc\xe2\x80\x94\xf0\x9f\x98\x80\xe2\x80\xa8"},
      {"", ""},
  };
  for (const auto& [text, shown] : cases) EXPECT_EQ(escape_for_terminal(text), shown) << shown;
}

TEST(TerminalText, NoByteACompleteReportCouldHaveIsLeftForTheTerminalToObey) {
  // Every single byte, and every two-byte character, in one text: what comes out holds no
  // control byte but line feed and tab, and no C1 character.
  std::string all;
  for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
  for (int c = 0x80; c < 0x800; ++c) {
    all += static_cast<char>(0xc0 | (c >> 6));
    all += static_cast<char>(0x80 | (c & 0x3f));
  }
  const std::string shown = escape_for_terminal(all);
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const auto c = static_cast<unsigned char>(shown[i]);
    EXPECT_FALSE((c < 0x20 && c != '\n' && c != '\t') || c == 0x7f) << "byte at " << i;
    if (c == 0xc2 && i + 1 < shown.size()) {
      EXPECT_GE(static_cast<unsigned char>(shown[i + 1]), 0xa0) << "C1 character at " << i;
    }
  }
}

}  // namespace
}  // namespace tavrik
