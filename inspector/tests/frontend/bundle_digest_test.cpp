// Every record's digest against SHA-256 computed by OpenSSL, independently of the build step's
// own (CMake's) implementation.
#include <gtest/gtest.h>
#include <openssl/evp.h>

#include <array>
#include <cstdint>
#include <string>

#include "bundle.hpp"

namespace tavrik {
namespace {

TEST(FrontendBundle, DigestsAreTheSha256OfTheData) {
  for (const auto& record : frontend_bundle()) {
    std::array<std::uint8_t, 32> digest{};
    unsigned int length = 0;
    ASSERT_EQ(EVP_Digest(record.data.data(), record.data.size(), digest.data(), &length,
                         EVP_sha256(), nullptr),
              1);
    ASSERT_EQ(length, digest.size());
    EXPECT_EQ(record.sha256, digest) << record.path;
  }
}

}  // namespace
}  // namespace tavrik
