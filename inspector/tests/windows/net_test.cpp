// Winsock behind the socket interface, against real loopback sockets.
#include "platform/net.hpp"

#include <gtest/gtest.h>
#include <winsock2.h>
#include <ws2tcpip.h>

#include <chrono>
#include <vector>

#include "discovery.hpp"
#include "windows_test_support.hpp"

namespace tavrik::net {
namespace {

using namespace std::chrono_literals;

SocketAddress loopback(std::uint16_t port) {
  SocketAddress address;
  address.address = {127, 0, 0, 1};
  address.port = port;
  return address;
}

// A port on 127.0.0.1 that nothing listens on: bound, then released.
std::uint16_t unused_port() {
  testing::WinsockInspector probe("", false);
  return probe.port();
}

Socket connected_to(const SocketAddress& address) {
  auto socket = open_stream_socket(address.family);
  EXPECT_TRUE(socket.ok());
  if (!socket) return Socket();
  auto connected = connect_socket(socket.value(), address, connect_timeout);
  EXPECT_TRUE(connected.ok()) << (connected ? "" : connected.error().message());
  return std::move(socket).value();
}

TEST(Winsock, ARefusedConnectionIsError10061) {
  auto socket = open_stream_socket(Family::ipv4);
  ASSERT_TRUE(socket);
  const auto connected = connect_socket(socket.value(), loopback(unused_port()), connect_timeout);
  ASSERT_FALSE(connected);
  EXPECT_TRUE(connected.error().message().ends_with(" (os error 10061)"))
      << connected.error().message();
}

// A listener that never completes a handshake, as a host that drops packets: its accept queue
// (backlog 0) is filled by connections of its own and never drained, so further SYNs are
// dropped. Made with Winsock itself, so Wine passes the backlog on as a Windows program would.
class UnansweredListener {
 public:
  UnansweredListener() {
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return;
    started_ = true;
    listener_ = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof address;
    if (listener_ == INVALID_SOCKET ||
        ::bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::listen(listener_, 0) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
      return;
    }
    port_ = ntohs(address.sin_port);
    for (int i = 0; i < 16; ++i) {
      const SOCKET filler = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
      if (filler == INVALID_SOCKET) return;
      fillers_.push_back(filler);
      u_long non_blocking = 1;
      ::ioctlsocket(filler, static_cast<long>(FIONBIO), &non_blocking);
      ::connect(filler, reinterpret_cast<sockaddr*>(&address), length);
      fd_set writable;
      FD_ZERO(&writable);
      FD_SET(filler, &writable);
      timeval wait{0, 500000};
      if (::select(0, nullptr, &writable, nullptr, &wait) == 0) {
        ready_ = true;
        return;
      }
    }
  }
  ~UnansweredListener() {
    for (const SOCKET filler : fillers_) ::closesocket(filler);
    if (listener_ != INVALID_SOCKET) ::closesocket(listener_);
    if (started_) WSACleanup();
  }
  UnansweredListener(const UnansweredListener&) = delete;
  UnansweredListener& operator=(const UnansweredListener&) = delete;

  bool ready() const { return ready_; }
  std::uint16_t port() const { return port_; }

 private:
  SOCKET listener_ = INVALID_SOCKET;
  std::vector<SOCKET> fillers_;
  std::uint16_t port_ = 0;
  bool ready_ = false;
  bool started_ = false;
};

TEST(Winsock, AnUnansweredConnectEndsWithError10060AtItsBound) {
  const UnansweredListener silent;
  ASSERT_TRUE(silent.ready()) << "every handshake was completed; no unanswered listener";
  auto socket = open_stream_socket(Family::ipv4);
  ASSERT_TRUE(socket);
  const auto start = std::chrono::steady_clock::now();
  const auto connected = connect_socket(socket.value(), loopback(silent.port()), 300ms);
  const auto waited = std::chrono::steady_clock::now() - start;
  ASSERT_FALSE(connected);
  EXPECT_TRUE(connected.error().message().ends_with(" (os error 10060)"))
      << connected.error().message();
  EXPECT_GE(waited, 250ms);  // select's own rounding aside, the bound was waited for
  EXPECT_LT(waited, 30s);    // and not the system's own connect time-out
}

TEST(Winsock, SocketsAreNotInheritedByChildren) {
  auto socket = open_stream_socket(Family::ipv4);
  ASSERT_TRUE(socket);
  DWORD flags = 0;
  ASSERT_TRUE(GetHandleInformation(reinterpret_cast<HANDLE>(socket.value().handle()), &flags));
  EXPECT_EQ(flags & HANDLE_FLAG_INHERIT, 0u);
}

TEST(Winsock, BytesGoBothWaysAndAPeerThatClosesEndsTheStream) {
  testing::WinsockInspector peer("HTTP/1.0 200 OK\r\n\r\n[]", false);
  const Socket socket = connected_to(loopback(peer.port()));
  const std::string request = "GET /json HTTP/1.0\r\n\r\n";
  const auto sent = send_some(socket, std::as_bytes(std::span(request.data(), request.size())));
  ASSERT_TRUE(sent);
  EXPECT_EQ(sent.value(), request.size());
  std::string received;
  std::array<std::byte, 7> buffer;  // small, so that the answer takes several receives
  for (;;) {
    const auto count = receive_some(socket, buffer);
    ASSERT_TRUE(count) << count.error().message();
    if (count.value() == 0) break;
    received.append(reinterpret_cast<const char*>(buffer.data()), count.value());
  }
  EXPECT_EQ(received, "HTTP/1.0 200 OK\r\n\r\n[]");
  ASSERT_EQ(peer.requests().size(), 1u);
  EXPECT_EQ(peer.requests()[0], request);
}

TEST(Winsock, TheReceiveTimeOutIsHonoured) {
  // Also: the connect leaves the socket blocking (non-blocking, this would be 10035 at once).
  // A peer that answers nothing and keeps the connection open. Without an overlapped socket
  // Wine lets this receive wait for ever; the test's own time limit would then end it.
  testing::WinsockInspector silent("", true);
  const Socket socket = connected_to(loopback(silent.port()));
  ASSERT_TRUE(set_receive_timeout(socket, 300ms));
  std::array<std::byte, 16> buffer;
  const auto count = receive_some(socket, buffer);
  ASSERT_FALSE(count);
  EXPECT_TRUE(count.error().message().ends_with(" (os error 10060)")) << count.error().message();
}

TEST(Winsock, AReceiveOnAShutDownSocketIsTheEndOfTheStream) {
  testing::WinsockInspector silent("", true);
  const Socket socket = connected_to(loopback(silent.port()));
  ASSERT_EQ(::shutdown(static_cast<SOCKET>(socket.handle()), SD_RECEIVE), 0);
  std::array<std::byte, 16> buffer;
  const auto count = receive_some(socket, buffer);  // WSAESHUTDOWN
  ASSERT_TRUE(count) << count.error().message();
  EXPECT_EQ(count.value(), 0u);
}

TEST(Winsock, ResolvingGivesAddressesOrTheResolversError) {
  const auto local = resolve_host("localhost");
  ASSERT_TRUE(local) << local.error().message();
  bool has_loopback = false;
  for (const auto& address : local.value()) {
    EXPECT_EQ(address.port, 0);
    if (address.family == Family::ipv4 && address.address[0] == 127) has_loopback = true;
  }
  EXPECT_TRUE(has_loopback);

  // Non-ASCII names reach the resolver as the text typed (the wide call); .invalid never
  // resolves.
  const auto missing = resolve_host(
      "\xC3\xBC"
      "ber.invalid");
  ASSERT_FALSE(missing);
  EXPECT_TRUE(missing.error().message().ends_with(")")) << missing.error().message();
  EXPECT_NE(missing.error().message().find(" (os error 1100"), std::string::npos)
      << missing.error().message();

  EXPECT_FALSE(resolve_host(std::string("local\0host", 10)));
}

TEST(Winsock, OneAttemptOfDiscoveryOverWinsock) {
  const std::string body = R"([{"webSocketDebuggerUrl":"ws://127.0.0.1:9229/x"}])";
  testing::WinsockInspector inspector(testing::http_answer("HTTP/1.1 200 OK", body), false);
  const auto fetched = fetch_targets_once(inspector.address());
  ASSERT_TRUE(fetched) << fetched.error().message();
  EXPECT_EQ(fetched.value(), body);
  ASSERT_EQ(inspector.requests().size(), 1u);
  EXPECT_EQ(inspector.requests()[0],
            "GET /json HTTP/1.0\r\nHost: " + inspector.address() +
                "\r\nAccept: application/json\r\nConnection: close\r\n\r\n");
}

}  // namespace
}  // namespace tavrik::net
