// SHA-256 against the FIPS 180-2 examples, and the same digest whatever the pieces fed.
#include "core/sha256.h"

#include <gtest/gtest.h>

namespace zebo {
namespace {

TEST(Sha256, Fips180Examples) {
  const std::pair<std::string, std::string> cases[] = {
      {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
      {std::string(1000000, 'a'),
       "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
      {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
  };
  for (const auto& [text, digest] : cases) {
    for (bool portable : {false, true}) {
      Sha256 sha(portable);
      sha.Update(text);
      EXPECT_EQ(DigestHex(sha.Finish()), digest) << text.size() << " bytes, portable " << portable;
    }
  }
}

TEST(Sha256, PiecesOfEverySizeGiveTheSameDigest) {
  std::string data;
  for (int i = 0; i < 300; ++i) data.push_back(static_cast<char>(i * 7));
  for (size_t length : {55u, 56u, 63u, 64u, 65u, 119u, 128u, 300u}) {
    const std::string_view whole(data.data(), length);
    const Sha256Digest expected = Sha256Of(whole);
    for (size_t piece : {1u, 3u, 63u, 64u, 100u}) {
      Sha256 sha(piece == 1);
      for (size_t at = 0; at < length; at += piece) sha.Update(whole.substr(at, piece));
      EXPECT_EQ(sha.Finish(), expected) << length << " bytes in pieces of " << piece;
    }
  }
}

}  // namespace
}  // namespace zebo
