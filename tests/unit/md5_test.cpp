// MD5 against the test suite of RFC 1321, plus lengths around the padding boundary.
#include "core/md5.h"

#include <gtest/gtest.h>

namespace zebo {
namespace {

TEST(Md5, RfcTestSuite) {
  const std::pair<std::string, std::string> cases[] = {
      {"", "d41d8cd98f00b204e9800998ecf8427e"},
      {"a", "0cc175b9c0f1b6a831c399e269772661"},
      {"abc", "900150983cd24fb0d6963f7d28e17f72"},
      {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
      {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
       "d174ab98d277d9f5a5611c2c9f419d9f"},
      {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
       "57edf4a22be3c955ac49da2e2107b67a"},
      // 55, 56 and 64 bytes: the length fits, just misses, and a whole block.
      {std::string(55, 'x'), "04364420e25c512fd958a70738aa8f72"},
      {std::string(56, 'x'), "668a72d5ba17f08e62dabcafad6db14b"},
      {std::string(64, 'x'), "c1bb4f81d892b2d57947682aeb252456"},
      {"\xE9t\xE9", "70b06e3087350c8c4fc3f13e741879f3"},
  };
  for (const auto& [text, digest] : cases) EXPECT_EQ(Md5Hex(text), digest) << text;
}

}  // namespace
}  // namespace zebo
