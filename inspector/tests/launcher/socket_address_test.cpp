#include "socket_address.hpp"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

std::array<std::uint8_t, 16> v6(std::initializer_list<std::uint16_t> groups) {
  std::array<std::uint8_t, 16> out{};
  std::size_t i = 0;
  for (auto g : groups) {
    out[i++] = static_cast<std::uint8_t>(g >> 8);
    out[i++] = static_cast<std::uint8_t>(g & 0xFF);
  }
  return out;
}

TEST(LiteralAddress, Ipv4Forms) {
  const auto a = parse_literal_socket_address("127.0.0.1:9229");
  ASSERT_TRUE(a);
  EXPECT_EQ(a->family, net::Family::ipv4);
  EXPECT_EQ(a->address[0], 127);
  EXPECT_EQ(a->address[3], 1);
  EXPECT_EQ(a->port, 9229);
  EXPECT_EQ(parse_literal_socket_address("0.0.0.0:00009229")->port, 9229);  // leading zeros in port
  EXPECT_EQ(parse_literal_socket_address("255.255.255.255:65535")->port, 65535);
  EXPECT_EQ(parse_literal_socket_address("1.2.3.4:0")->port, 0);
}

TEST(LiteralAddress, Ipv6Forms) {
  struct Case {
    std::string text;
    std::array<std::uint8_t, 16> address;
    std::uint16_t port;
    std::uint32_t scope;
  };
  const Case cases[] = {
      {"[::1]:9229", v6({0, 0, 0, 0, 0, 0, 0, 1}), 9229, 0},
      {"[::]:1", v6({}), 1, 0},
      {"[fe80::1%7]:80", v6({0xfe80, 0, 0, 0, 0, 0, 0, 1}), 80, 7},
      {"[1:2:3:4:5:6:7:8]:2", v6({1, 2, 3, 4, 5, 6, 7, 8}), 2, 0},
      {"[1::]:2", v6({1}), 2, 0},
      {"[::ffff:192.168.0.1]:3", v6({0, 0, 0, 0, 0, 0xffff, 0xc0a8, 0x0001}), 3, 0},
      {"[1:2:3:4:5:6:1.2.3.4]:4", v6({1, 2, 3, 4, 5, 6, 0x0102, 0x0304}), 4, 0},
      {"[ABCD:ef01::]:5", v6({0xabcd, 0xef01}), 5, 0},
      {"[::1%4294967295]:6", v6({0, 0, 0, 0, 0, 0, 0, 1}), 6, 4294967295u},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const auto a = parse_literal_socket_address(c.text);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->family, net::Family::ipv6);
    EXPECT_EQ(a->address, c.address);
    EXPECT_EQ(a->port, c.port);
    EXPECT_EQ(a->scope_id, c.scope);
  }
}

TEST(LiteralAddress, NotLiterals) {
  for (const char* text : {"",
                           "127.0.0.1",
                           "127.0.0.1:",
                           "127.0.0.1:+9229",
                           "127.0.0.1:-1",
                           "127.0.0.1:65536",
                           "127.0.0.01:1",
                           "1.2.3:4",
                           "1.2.3.4.5:6",
                           "256.0.0.1:1",
                           "1234.0.0.1:1",
                           " 1.2.3.4:5",
                           "1.2.3.4:5 ",
                           "localhost:9229",
                           "::1:9229",
                           "[::1]",
                           "[::1]:",
                           "[::1]9229",
                           "[::1:9229",
                           "[1:2:3:4:5:6:7:8:9]:1",
                           "[1::2::3]:1",
                           "[12345::]:1",
                           "[:1]:1",
                           "[1:]:1",
                           "[::1%]:1",
                           "[::1%x]:1",
                           "[::1%4294967296]:1",
                           "[1:2:3:4:5:6:7::8]:1",
                           "[1.2.3.4]:1",
                           "[::1.2.3]:1",
                           "[g::]:1",
                           "1.2.3.4:99999999999999999999999"}) {
    EXPECT_FALSE(parse_literal_socket_address(text)) << text;
  }
}

TEST(HostAndPortSplit, Table) {
  struct Case {
    std::string text;
    std::string host;
    int port;  // -1: invalid socket address, -2: invalid port value
  };
  const Case cases[] = {
      {"localhost:9229", "localhost", 9229},
      {"::1:9229", "::1", 9229},
      {":9229", "", 9229},
      {"127.0.0.1:+9229", "127.0.0.1", 9229},
      {"h:007", "h", 7},
      {"h:65535", "h", 65535},
      {"9229", "", -1},
      {"", "", -1},
      {"127.0.0.1:", "", -2},
      {"h:+", "", -2},
      {"h:-1", "", -2},
      {"h:-0", "", -2},
      {"h:65536", "", -2},
      {"127.0.0.1:70000", "", -2},
      {"h:1x", "", -2},
      {"h: 1", "", -2},
      {"h:++1", "", -2},
      {"h:99999999999999999999999999", "", -2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const auto split = split_host_and_port(c.text);
    if (c.port == -1 || c.port == -2) {
      ASSERT_FALSE(split.ok());
      EXPECT_EQ(split.error().message(),
                c.port == -1 ? "invalid socket address" : "invalid port value");
      continue;
    }
    ASSERT_TRUE(split.ok());
    EXPECT_EQ(split.value().host, c.host);
    EXPECT_EQ(split.value().port, c.port);
  }
}

}  // namespace
}  // namespace tavrik
