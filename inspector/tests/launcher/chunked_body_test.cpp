// The chunked transfer coding: strict decoding, its end, and the limit.
#include "chunked_body.hpp"

#include <gtest/gtest.h>

#include "discovery.hpp"

namespace tavrik {
namespace {

constexpr std::size_t limit = response_size_limit;

TEST(ChunkedBody, Decoding) {
  struct Case {
    std::string body;
    std::string outcome;  // the data, or "!" and the fault beneath the malformed message
  };
  const Case cases[] = {
      {"2\r\n[]\r\n0\r\n\r\n", "[]"},
      {"0\r\n\r\n", ""},
      {"1\r\n[\r\nA\r\n0123456789\r\n1\r\n]\r\n0\r\n\r\n", "[0123456789]"},
      {"00a\r\n0123456789\r\n000\r\n\r\n", "0123456789"},  // leading zeros, lower-case hex
      // Extensions are read past, with or without blanks before them and on the last chunk.
      {"2;name=value\r\nab\r\n2 ; q=\"x;y\"\r\ncd\r\n0;end\r\n\r\n", "abcd"},
      // Trailers are read past.
      {"2\r\nab\r\n0\r\nExpires: never\r\nX-Checksum:  1 2\r\n\r\n", "ab"},
      // Bytes after the end are not part of the answer.
      {"2\r\nab\r\n0\r\n\r\nHTTP/1.1 200 OK\r\n", "ab"},
      // The data is taken as it is, CR LF and NUL included.
      {std::string("4\r\n\r\n\0\n\r\n0\r\n\r\n", 14), std::string("\r\n\0\n", 4)},
      {"", "!the body ends before the last chunk"},
      {"2\r\nab\r\n", "!the body ends before the last chunk"},
      {"2\r\nab\r\n0\r\n", "!the body ends before the last chunk"},
      {"2\r\nab\r\n0\r\nX: y\r\n", "!the body ends before the last chunk"},
      {"5\r\nab", "!the body ends before the last chunk"},
      {"\r\n", "!invalid chunk size line at byte 0 of the body"},
      {"x\r\nab\r\n0\r\n\r\n", "!invalid chunk size line at byte 0 of the body"},
      {"-2\r\nab\r\n0\r\n\r\n", "!invalid chunk size line at byte 0 of the body"},
      {"+2\r\nab\r\n0\r\n\r\n", "!invalid chunk size line at byte 0 of the body"},
      {"0x2\r\nab\r\n0\r\n\r\n", "!invalid chunk size line at byte 0 of the body"},
      {"2 3\r\nabcde\r\n0\r\n\r\n", "!invalid chunk size line at byte 0 of the body"},
      {" 2\r\nab\r\n0\r\n\r\n", "!invalid chunk size line at byte 0 of the body"},
      {"2;a\x01\r\nab\r\n0\r\n\r\n", "!invalid chunk size line at byte 0 of the body"},
      {"2\r\nab\r\nzz\r\n0\r\n\r\n", "!invalid chunk size line at byte 7 of the body"},
      {"2\nab\r\n0\r\n\r\n", "!chunk size line at byte 0 of the body does not end in CR LF"},
      {"2\r\nab\r\n0\n\r\n", "!chunk size line at byte 7 of the body does not end in CR LF"},
      {"2\r\nabc\r\n0\r\n\r\n", "!chunk data is not followed by CR LF at byte 5 of the body"},
      {"2\r\nab\n0\r\n\r\n", "!chunk data is not followed by CR LF at byte 5 of the body"},
      {"2\r\nab0\r\n\r\n", "!chunk data is not followed by CR LF at byte 5 of the body"},
      {"0\r\nno colon\r\n\r\n", "!invalid trailer line at byte 3 of the body"},
      {"0\r\n: empty name\r\n\r\n", "!invalid trailer line at byte 3 of the body"},
      {"0\r\nBad Name: x\r\n\r\n", "!invalid trailer line at byte 3 of the body"},
      {"0\r\nX: \x1b\r\n\r\n", "!invalid trailer line at byte 3 of the body"},
      {"0\r\nX: y\n\r\n", "!trailer line at byte 3 of the body does not end in CR LF"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body);
    const auto data = decode_chunked_body(c.body, limit);
    if (c.outcome.starts_with('!')) {
      ASSERT_FALSE(data.ok());
      EXPECT_EQ(data.error().message(), "malformed chunked body from inspector");
      ASSERT_EQ(data.error().causes().size(), 1u);
      EXPECT_EQ(data.error().causes()[0], c.outcome.substr(1));
    } else {
      ASSERT_TRUE(data.ok()) << format_error_report(data.error());
      EXPECT_EQ(data.value(), c.outcome);
    }
  }
}

TEST(ChunkedBody, AChunkLargerThanTheLimitFailsAtOnceWithTheLimitMessage) {
  const std::string exceeds = "inspector response exceeds 67108864 bytes";
  for (const std::string& body : std::vector<std::string>{
           "4000001\r\n", "4000001;x\r\n", "FFFFFFFFFFFFFFFF\r\n", "10000000000000000\r\n",
           std::string(200, 'f') + "\r\n", "2\r\nab\r\n4000001\r\nabc"}) {
    SCOPED_TRACE(body.substr(0, 40));
    const auto data = decode_chunked_body(body, limit);
    ASSERT_FALSE(data.ok());
    EXPECT_EQ(data.error().message(), exceeds);
    EXPECT_TRUE(data.error().causes().empty());
  }
  // A chunk of exactly the limit is announced legitimately; it is only incomplete here.
  const auto at_limit = decode_chunked_body("4000000\r\nab", limit);
  ASSERT_FALSE(at_limit.ok());
  ASSERT_EQ(at_limit.error().causes().size(), 1u);
  EXPECT_EQ(at_limit.error().causes()[0], "the body ends before the last chunk");
}

TEST(ChunkedBody, DecodingInPiecesEndsAsDecodingWhole) {
  const std::string body = "3;x=1\r\n[{}\r\n1\r\n]\r\n0\r\nT: v\r\n\r\ntrailing";
  ChunkedDecoder whole(limit);
  ASSERT_EQ(whole.advance(body), ChunkedDecoder::State::complete);
  EXPECT_EQ(whole.data(), "[{}]");
  EXPECT_EQ(whole.end(), body.size() - std::string("trailing").size());
  // Every split into growing prefixes, one byte at a time, reaches the same end.
  ChunkedDecoder bytewise(limit);
  std::size_t complete_at = 0;
  for (std::size_t n = 0; n <= body.size(); ++n) {
    if (bytewise.advance(std::string_view(body).substr(0, n)) == ChunkedDecoder::State::complete) {
      complete_at = n;
      break;
    }
  }
  EXPECT_EQ(complete_at, whole.end());
  EXPECT_EQ(bytewise.data(), whole.data());
  EXPECT_EQ(bytewise.end(), whole.end());
  // A fault in a later piece is found where it stands.
  ChunkedDecoder faulty(limit);
  EXPECT_EQ(faulty.advance("2\r\nab\r"), ChunkedDecoder::State::incomplete);
  EXPECT_EQ(faulty.advance("2\r\nab\rX"), ChunkedDecoder::State::malformed);
  EXPECT_EQ(faulty.fault(), "chunk data is not followed by CR LF at byte 5 of the body");
}

TEST(ChunkedBody, TheHeadAnnouncesChunks) {
  const std::string status = "HTTP/1.1 200 OK\r\n";
  const std::pair<std::string, bool> cases[] = {
      {status + "Transfer-Encoding: chunked", true},
      {status + "transfer-encoding:CHUNKED  ", true},
      {status + "Transfer-Encoding: gzip, chunked", true},
      {status + "Transfer-Encoding: gzip\r\nTransfer-Encoding: chunked", true},
      {status + "Transfer-Encoding: chunked\nX: y", true},  // a bare line feed ends a line too
      {status + "Transfer-Encoding: chunked, gzip", false},
      {status + "Transfer-Encoding: chunked\r\nTransfer-Encoding: gzip", false},
      {status + "Transfer-Encoding: chunkedx", false},
      {status + "Transfer-Encoding: identity", false},
      {status + "X-Transfer-Encoding: chunked", false},
      {status + "Content-Length: 5", false},
      {"Transfer-Encoding: chunked", false},  // the status line is no field
  };
  for (const auto& [head, chunked] : cases) {
    SCOPED_TRACE(head);
    EXPECT_EQ(head_announces_chunked(head), chunked);
  }
}

}  // namespace
}  // namespace tavrik
