// The read-only stream a devtools response body travels in, and the response's other parts.
#include "response_stream.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <thread>

namespace tavrik::webview2 {
namespace {

struct Releaser {
  void operator()(IUnknown* object) const { object->Release(); }
};
using StreamPtr = std::unique_ptr<IStream, Releaser>;

constexpr std::uint8_t body[] = {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9'};

std::string read_all(IStream* stream, ULONG piece) {
  std::string out;
  std::vector<char> buffer(piece);
  for (;;) {
    ULONG got = 0;
    const HRESULT result = stream->Read(buffer.data(), piece, &got);
    EXPECT_TRUE(result == S_OK || result == S_FALSE);
    out.append(buffer.data(), got);
    if (got < piece) return out;
  }
}

TEST(ConstantStream, ReadsTheBytesThemselvesInAnyPieces) {
  for (const ULONG piece : {1ul, 3ul, 10ul, 4096ul}) {
    StreamPtr stream(new_constant_stream(body));
    EXPECT_EQ(read_all(stream.get(), piece), "0123456789");
  }
  // No copy: the stream reports the size of the view it was given, and an empty body reads as
  // the end at once.
  StreamPtr empty(new_constant_stream({}));
  ULONG got = 99;
  char byte = 0;
  EXPECT_EQ(empty->Read(&byte, 1, &got), S_FALSE);
  EXPECT_EQ(got, 0u);
}

// The usual IStream::Read convention: S_OK whenever a byte came, S_FALSE only at the end with
// none. A reader that stops at S_FALSE would otherwise drop a short last piece.
TEST(ConstantStream, ReadSaysFalseOnlyAtTheEndWithNothingRead) {
  struct Case {
    std::int64_t at;
    ULONG wanted;
    HRESULT result;
    ULONG got;
  };
  const std::vector<Case> cases = {
      {0, 4, S_OK, 4},      // a whole piece
      {8, 4, S_OK, 2},      // the short last piece
      {0, 100, S_OK, 10},   // all of it in one short read
      {9, 1, S_OK, 1},      // the last byte
      {10, 4, S_FALSE, 0},  // the end
      {50, 4, S_FALSE, 0},  // past the end
      {3, 0, S_OK, 0},      // nothing asked for
      {10, 0, S_OK, 0},     // nothing asked for, at the end
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "at " << c.at << ", " << c.wanted << " wanted");
    StreamPtr stream(new_constant_stream(body));
    LARGE_INTEGER move{};
    move.QuadPart = c.at;
    ASSERT_EQ(stream->Seek(move, STREAM_SEEK_SET, nullptr), S_OK);
    char buffer[100];
    ULONG got = 12345;
    EXPECT_EQ(stream->Read(buffer, c.wanted, &got), c.result);
    EXPECT_EQ(got, c.got);
  }

  // A reader that stops at the first S_FALSE still gets every byte.
  StreamPtr stream(new_constant_stream(body));
  std::string out;
  char buffer[4];
  for (;;) {
    ULONG got = 0;
    const HRESULT result = stream->Read(buffer, sizeof buffer, &got);
    out.append(buffer, got);
    if (result != S_OK) break;
  }
  EXPECT_EQ(out, "0123456789");
}

TEST(ConstantStream, SeekStatAndCloneFollowThePosition) {
  StreamPtr stream(new_constant_stream(body));
  ULARGE_INTEGER at{};
  LARGE_INTEGER move{};
  move.QuadPart = -3;
  ASSERT_EQ(stream->Seek(move, STREAM_SEEK_END, &at), S_OK);
  EXPECT_EQ(at.QuadPart, 7u);
  IStream* raw_clone = nullptr;
  ASSERT_EQ(stream->Clone(&raw_clone), S_OK);
  StreamPtr clone(raw_clone);
  EXPECT_EQ(read_all(stream.get(), 2), "789");
  EXPECT_EQ(read_all(clone.get(), 2), "789");  // its own position, copied at the clone

  move.QuadPart = 2;
  ASSERT_EQ(stream->Seek(move, STREAM_SEEK_SET, &at), S_OK);
  move.QuadPart = 3;
  ASSERT_EQ(stream->Seek(move, STREAM_SEEK_CUR, &at), S_OK);
  EXPECT_EQ(at.QuadPart, 5u);
  EXPECT_EQ(read_all(stream.get(), 100), "56789");

  // Before the start is refused and changes nothing; past the end reads nothing.
  move.QuadPart = -11;
  EXPECT_EQ(stream->Seek(move, STREAM_SEEK_END, &at), STG_E_INVALIDFUNCTION);
  EXPECT_EQ(stream->Seek(move, 7, &at), STG_E_INVALIDFUNCTION);
  move.QuadPart = 50;
  ASSERT_EQ(stream->Seek(move, STREAM_SEEK_SET, nullptr), S_OK);
  EXPECT_EQ(read_all(stream.get(), 4), "");

  STATSTG statistics{};
  ASSERT_EQ(stream->Stat(&statistics, STATFLAG_NONAME), S_OK);
  EXPECT_EQ(statistics.type, static_cast<DWORD>(STGTY_STREAM));
  EXPECT_EQ(statistics.cbSize.QuadPart, sizeof body);
  EXPECT_EQ(statistics.pwcsName, nullptr);
}

TEST(ConstantStream, IsReadOnlyAndAnswersForItsInterfacesOnly) {
  StreamPtr stream(new_constant_stream(body));
  ULONG written = 5;
  EXPECT_EQ(stream->Write("x", 1, &written), STG_E_ACCESSDENIED);
  EXPECT_EQ(written, 0u);
  EXPECT_EQ(stream->SetSize(ULARGE_INTEGER{}), STG_E_ACCESSDENIED);
  EXPECT_EQ(read_all(stream.get(), 100), "0123456789");  // unchanged

  for (const IID& iid : {IID_IUnknown, IID_ISequentialStream, IID_IStream}) {
    IUnknown* same = nullptr;
    ASSERT_EQ(stream->QueryInterface(iid, reinterpret_cast<void**>(&same)), S_OK);
    EXPECT_EQ(same, static_cast<IUnknown*>(stream.get()));
    same->Release();
  }
  void* other = &other;
  EXPECT_EQ(stream->QueryInterface(IID_IStorage, &other), E_NOINTERFACE);
  EXPECT_EQ(other, nullptr);
}

TEST(ConstantStream, CopyToWritesTheRestIntoAnotherStream) {
  StreamPtr stream(new_constant_stream(body));
  IStream* raw_target = nullptr;
  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &raw_target), S_OK);
  StreamPtr target(raw_target);
  LARGE_INTEGER move{};
  move.QuadPart = 4;
  ASSERT_EQ(stream->Seek(move, STREAM_SEEK_SET, nullptr), S_OK);
  ULARGE_INTEGER wanted{};
  wanted.QuadPart = 100;
  ULARGE_INTEGER read{};
  ULARGE_INTEGER written{};
  ASSERT_EQ(stream->CopyTo(target.get(), wanted, &read, &written), S_OK);
  EXPECT_EQ(read.QuadPart, 6u);
  EXPECT_EQ(written.QuadPart, 6u);
  move.QuadPart = 0;
  ASSERT_EQ(target->Seek(move, STREAM_SEEK_SET, nullptr), S_OK);
  EXPECT_EQ(read_all(target.get(), 100), "456789");
}

TEST(ConstantStream, ReadersOnSeveralThreadsNeverGetTheSameBytes) {
  std::vector<std::uint8_t> bytes(1 << 20);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7);
  StreamPtr stream(new_constant_stream(bytes));
  std::atomic<std::size_t> total{0};
  std::vector<std::thread> readers;
  for (int t = 0; t < 4; ++t) {
    readers.emplace_back([&] { total += read_all(stream.get(), 1000).size(); });
  }
  for (auto& reader : readers) reader.join();
  EXPECT_EQ(total.load(), bytes.size());
}

TEST(Response, ReasonPhrasesAndTheHeaderLine) {
  EXPECT_STREQ(reason_phrase(200), L"OK");
  EXPECT_STREQ(reason_phrase(404), L"Not Found");
  EXPECT_STREQ(reason_phrase(299), L"");
  EXPECT_EQ(response_headers("text/html; charset=utf-8"),
            L"Content-Type: text/html; charset=utf-8");
}

}  // namespace
}  // namespace tavrik::webview2
