// The JCALG1 codec: the decoder against streams of the original compressor, our encoder through
// the decoder, damaged streams, and the checksum.
#include "package/jcalg1.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "tools/zebo-pack/jcalg1_encoder.h"

namespace zebo {
namespace {

std::string FromHex(const std::string& hex) {
  std::string out;
  for (size_t i = 0; i + 1 < hex.size(); i += 2) {
    out.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
  }
  return out;
}

const unsigned char* Bytes(const std::string& s) {
  return reinterpret_cast<const unsigned char*>(s.data());
}

std::string Repeat(const std::string& unit, size_t count) {
  std::string out;
  for (size_t i = 0; i < count; ++i) out += unit;
  return out;
}

// Decodes into a buffer of the given capacity; "!refused" stands for a refusal.
std::string Decode(const std::string& packed, size_t capacity) {
  std::vector<unsigned char> out(capacity + 1);
  const Jcalg1Result r = Jcalg1DecodeStream(Bytes(packed), packed.size(), out.data(), capacity);
  if (!r.ok) return "!refused";
  return std::string(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(r.produced));
}

// A stream from a header (size, checksum) and the bits of its body, written as '0'/'1' (blanks
// ignored), packed into little-endian words top bit first and padded with zero bits.
std::string Stream(uint32_t size, const std::string& bits, uint32_t checksum = 0) {
  std::string out = "JC";
  for (uint32_t v : {size, checksum}) {
    for (int k = 0; k < 4; ++k) out.push_back(static_cast<char>(v >> (8 * k)));
  }
  std::string clean;
  for (char c : bits) {
    if (c == '0' || c == '1') clean.push_back(c);
  }
  while (clean.size() % 32 != 0) clean.push_back('0');
  for (size_t w = 0; w < clean.size(); w += 32) {
    uint32_t word = static_cast<uint32_t>(std::stoul(clean.substr(w, 32), nullptr, 2));
    for (int k = 0; k < 4; ++k) out.push_back(static_cast<char>(word >> (8 * k)));
  }
  return out;
}

const std::string kRefText =
    Repeat("JCALG1 reads its bit stream as 32-bit words, top bit first. ", 3);
const std::string kRefTextPacked = FromHex(
    "4a43b4000000e4e227c551551020c853d6d0e06269c0c99769e2200c01d4a05c2a142898e620517212079faf8da0"
    "86910fa408d0180d41ba623c8f611c19c038723d00000000");

TEST(Jcalg1Decode, DecodesStreamsOfTheOriginalCompressor) {
  std::string noChecksum = kRefTextPacked;
  noChecksum.replace(6, 4, std::string(4, '\0'));
  struct Case {
    const char* name;
    std::string input;
    std::string packed;
  } cases[] = {
      {"one-byte-41", "A", FromHex("4a4301000000000000000040d020")},
      {"one-byte-00", std::string(1, '\0'), FromHex("4a43010000000000000000009120")},
      {"xyz20", "xyzxyzxyzxyzxyzxyzxy", FromHex("4a43140000009396739240403c20851b30c10000140a")},
      {"zeros64", std::string(64, '\0'), FromHex("4a434000000000000000f04f912000000088")},
      {"text", kRefText, kRefTextPacked},
      {"text-nochecksum", kRefText, noChecksum},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Jcalg1DeclaredSize(Bytes(c.packed), c.packed.size()),
              static_cast<int64_t>(c.input.size()));
    EXPECT_EQ(Decode(c.packed, c.input.size()), c.input);
    // Bytes after the word holding the end token are not part of the stream.
    const Jcalg1Result r =
        Jcalg1DecodeStream(Bytes(c.packed + "trailing"), c.packed.size() + 8,
                           std::vector<unsigned char>(c.input.size()).data(), c.input.size());
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.consumed, c.packed.size());
  }
}

TEST(Jcalg1Decode, RejectsDamagedStreams) {
  const std::string lit8 = "001000001";   // literal size: 8 bits
  const std::string litA = "1 01000001";  // literal 'A' in 8-bit mode
  const std::string end = "000 0000000 00";
  const std::string ones(200, '1');
  std::string badSignature = kRefTextPacked;
  badSignature[1] = 'D';
  std::string badChecksum = kRefTextPacked;
  badChecksum[6] ^= 1;
  const std::string xyz = FromHex("4a43140000009396739240403c20851b30c10000140a");
  struct Case {
    const char* name;
    std::string packed;
    size_t capacity;
  } cases[] = {
      {"bad signature", badSignature, 180},
      {"shorter than a header", kRefTextPacked.substr(0, 9), 180},
      {"header only", Stream(0, ""), 16},
      {"size above the capacity", kRefTextPacked, 179},
      {"literal before a literal size", Stream(1, "1 1000001" + end), 16},
      {"offset beyond the output", Stream(3, lit8 + litA + "000 0000010 00" + end), 16},
      {"offset 0", Stream(8, lit8 + litA + "01 10 00000000 0100" + end), 16},
      {"one-byte copy before any byte", Stream(1, "001 0010" + end), 16},
      {"index base 0", Stream(1, "000 0000000 01 0000" + lit8 + litA + end), 16},
      {"index base above 31", Stream(1, "000 0000000 11 101000" + lit8 + litA + end), 16},
      {"endless gamma", Stream(1, lit8 + litA + "01" + ones), 16},
      {"ends inside a token", Stream(4, lit8 + litA + litA + "01" + std::string(35, '1')), 16},
      {"more output than the size", Stream(1, lit8 + litA + litA + end), 16},
      {"repeat past the size", Stream(4, lit8 + litA + "01 00 0110" + end), 16},
      {"literal block past the size", Stream(255, "001 0000 1" + std::string(2049, '0')), 512},
      {"less output than the size", Stream(2, lit8 + litA + end), 16},
      {"checksum mismatch", badChecksum, 180},
      {"last word cut short", xyz.substr(0, xyz.size() - 1), 20},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<unsigned char> out(c.capacity + 1);
    EXPECT_EQ(Jcalg1Decode(Bytes(c.packed), c.packed.size(), out.data(), c.capacity), 0u);
  }
  // The same shapes, made sound, decode: the cases above fail for the reason they name.
  EXPECT_EQ(Decode(Stream(2, lit8 + litA + litA + end), 2), "AA");
  EXPECT_EQ(Decode(Stream(6, lit8 + litA + "01 00 0110" + end), 6), "AAAAAA");
  EXPECT_EQ(Decode(Stream(256, "001 0000 1" + std::string(2049, '0') + end), 256),
            std::string(256, '\0'));
  EXPECT_EQ(Decode(Stream(3, "000 0000000 11 011111" + lit8 + litA + "000 0000001 00" + end), 3),
            "AAA");
}

TEST(Jcalg1Checksum, MatchesTheOriginalForEveryTailLength) {
  const std::string data = Repeat("abcdefgh", 13);
  struct Case {
    size_t n;
    uint32_t checksum;
  } cases[] = {{0, 0},           {1, 0},           {2, 0},           {3, 0},
               {97, 0x8F32FD5B}, {98, 0x8A19E458}, {99, 0x8918EF49}, {100, 0x981BEA52}};
  for (const Case& c : cases) {
    EXPECT_EQ(Jcalg1Checksum(Bytes(data), c.n), c.checksum) << c.n;
  }
  EXPECT_EQ(Jcalg1Checksum(Bytes(std::string(64, '\0')), 64), 0u);
}

std::string RandomBytes(size_t n, uint32_t seed, int lo = 0, int hi = 255) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> dist(lo, hi);
  std::string out(n, '\0');
  for (char& c : out) c = static_cast<char>(dist(rng));
  return out;
}

// A random chunk repeated at a given distance, for each class of offset.
std::string WithMatchesAt(size_t distance) {
  const std::string chunk = RandomBytes(40, static_cast<uint32_t>(distance));
  std::string out = chunk + RandomBytes(distance - chunk.size(), 7) + chunk;
  return out + RandomBytes(3, 9) + chunk.substr(0, 9);
}

TEST(Jcalg1Encode, RoundTripsThroughTheDecoder) {
  std::string script;
  for (int i = 0; i < 300; ++i) {
    script += "Script Sample" + std::to_string(i % 17) + " ()\r\n\tSayString (\"Fen\xEAtre " +
              std::to_string(i) + "\")\r\nEndScript\r\n";
  }
  struct Case {
    const char* name;
    std::string input;
    bool shrinks;
  } cases[] = {
      {"empty", "", false},
      {"one byte", "A", false},
      {"zero byte", std::string(1, '\0'), false},
      {"reference text", kRefText, true},
      {"script", script, true},
      {"long zero run", std::string(300000, '\0'), true},
      {"high bytes only", RandomBytes(5000, 1, 0x80, 0xFF), true},
      {"seven-bit range across the wrap", RandomBytes(5000, 2, 0xC0, 0x13F), true},
      {"random", RandomBytes(70000, 3), false},
      {"offset below 128", WithMatchesAt(100), false},
      {"offset below 639", WithMatchesAt(600), false},
      {"offset below 14335", WithMatchesAt(14000), false},
      {"offset below 65536", WithMatchesAt(60000), false},
      {"offset beyond 65535", WithMatchesAt(200000), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string packed = pack::Jcalg1EncodeUnchecked(c.input);
    EXPECT_EQ(Decode(packed, c.input.size()), c.input);
    EXPECT_EQ(pack::Jcalg1Encode(c.input), packed);  // the self-check keeps a sound stream
    EXPECT_EQ(
        Jcalg1DecodeStream(Bytes(packed), packed.size(),
                           std::vector<unsigned char>(c.input.size() + 1).data(), c.input.size())
            .consumed,
        packed.size());
    if (c.shrinks) {
      EXPECT_LT(packed.size(), c.input.size());
    }
    // Incompressible data cost little more than their size (raw 256-byte blocks).
    EXPECT_LE(packed.size(), c.input.size() + c.input.size() / 2048 + 48);
  }
  EXPECT_EQ(pack::Jcalg1Encode(""), FromHex("4a43000000000000000000000000"));
}

// Every match class costs fewer bits than its literals: a repeated random chunk shrinks the stream.
TEST(Jcalg1Encode, FindsMatchesInEveryOffsetClass) {
  for (size_t distance : {100u, 600u, 14000u, 60000u, 200000u}) {
    const std::string base = RandomBytes(distance, 11);
    const std::string twice = base + base.substr(0, 3000);
    EXPECT_LT(pack::Jcalg1Encode(twice).size(), pack::Jcalg1Encode(base).size() + 100) << distance;
  }
}

}  // namespace
}  // namespace zebo
