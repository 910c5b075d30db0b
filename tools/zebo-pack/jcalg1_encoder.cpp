// JCALG1 encoder: hash-chain match finder over a large window, a cost-based parse by dynamic
// programming over positions (with the literal mode and the last offset carried along the best
// path), then a choice of index bases over the chosen matches, and the bit writer.
#include "tools/zebo-pack/jcalg1_encoder.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "package/jcalg1.h"

namespace zebo::pack {
namespace {

constexpr uint32_t kNiceLength = 256;      // a match this long is taken at once
constexpr uint32_t kTreeDepth = 32;        // tree nodes examined per position
constexpr uint32_t kRootBits = 18;         // at most 2^18 trees, one per four-byte hash
constexpr uint32_t kWindowBits = 22;       // offsets up to 4 MiB
constexpr size_t kSpan = size_t{1} << 17;  // positions optimised together
constexpr size_t kRegionBits = 10;         // the 7-bit literal base is chosen per 1 KiB region
constexpr size_t kSecondParseLimit = size_t{1} << 20;  // larger inputs are parsed once, for speed
constexpr size_t kTokensPerSegment = 128;  // the index base may change between such segments
constexpr uint32_t kInfinity = std::numeric_limits<uint32_t>::max();

// Token costs in bits.
constexpr uint32_t kLiteral7Cost = 8;
constexpr uint32_t kLiteral8Cost = 9;
constexpr uint32_t kSmallTokenCost = 7;  // zero byte, one-byte copy
constexpr uint32_t kShortMatchCost = 12;
constexpr uint32_t kMode8Cost = 9;
constexpr uint32_t kMode7Cost = 17;
constexpr uint32_t kBlockCost = 8 + 2049;  // a run of one block; runs are merged when written

inline uint32_t BitLength(uint64_t v) {
  return static_cast<uint32_t>(64 - std::countl_zero(v));
}
inline uint32_t GammaCost(uint64_t v) {
  return 2 * (BitLength(v) - 1);
}
inline uint32_t LengthAdjust(uint32_t offset) {
  if (offset < 0x80) return 4;
  if (offset < 0x27F) return 0;
  if (offset < 0x37FF) return 1;
  if (offset < 0x10000) return 2;
  return 3;
}
// The part of an explicit match's cost that depends on the index base.
inline uint32_t OffsetCost(uint32_t offset, uint32_t base) {
  return GammaCost((offset >> base) + 3) + base;
}
inline uint32_t ExplicitCost(uint32_t offset, uint32_t length, uint32_t base) {
  return 2 + OffsetCost(offset, base) + GammaCost(length - LengthAdjust(offset));
}
inline uint32_t RepeatCost(uint32_t length) {
  return 4 + GammaCost(length);
}
inline bool FitsSevenBits(unsigned char byte, unsigned char base) {
  return static_cast<unsigned char>(byte - base) < 128;
}

struct Match {
  uint32_t length;
  uint32_t offset;
};

// Binary trees over the positions sharing a four-byte hash (ordered by the bytes that follow),
// plus the latest position of every two-byte pair and of every three-byte hash. FindAndInsert lists
// the matches at a position by growing length, then makes the position part of its tree.
class MatchFinder {
 public:
  MatchFinder(const unsigned char* data, size_t size) : d_(data), n_(size) {
    size_t window = 1;
    while (window < size && window < (size_t{1} << kWindowBits)) window <<= 1;
    mask_ = window - 1;
    maxOffset_ = static_cast<uint32_t>(window - 1);
    son_.assign(2 * window, 0);
    // Small inputs get small tables: the tool packs many small files.
    rootBits_ = std::clamp<uint32_t>(BitLength(size), 8, kRootBits);
    root_.assign(size_t{1} << rootBits_, 0);
    headBits_ = std::min<uint32_t>(rootBits_, 16);
    head3_.assign(size_t{1} << headBits_, 0);
    head2_.assign(size_t{1} << headBits_, 0);
  }

  uint32_t Length(size_t a, size_t b, size_t limit) const {
    size_t len = 0;
    while (len + 8 <= limit) {
      uint64_t x, y;
      std::memcpy(&x, d_ + a + len, 8);
      std::memcpy(&y, d_ + b + len, 8);
      if (x != y)
        return static_cast<uint32_t>(len + static_cast<size_t>(std::countr_zero(x ^ y) >> 3));
      len += 8;
    }
    while (len < limit && d_[a + len] == d_[b + len]) ++len;
    return static_cast<uint32_t>(len);
  }

  // Matches at `i` no longer than `limit` go to `out` (when given).
  void FindAndInsert(size_t i, size_t limit, std::vector<Match>* out) {
    if (out != nullptr) out->clear();
    if (limit < 2 || i + 1 >= n_) return;
    uint32_t best = 1;
    uint32_t& pairHead = head2_[Pair(i)];
    const uint32_t c2 = pairHead;
    pairHead = static_cast<uint32_t>(i + 1);
    if (out != nullptr && c2 != 0 && i - (c2 - 1) <= maxOffset_) {
      const uint32_t len = Length(i, c2 - 1, limit);
      if (len > best) {
        best = len;
        out->push_back({len, static_cast<uint32_t>(i - (c2 - 1))});
      }
    }
    if (limit < 3) return;
    uint32_t& tripleHead = head3_[Hash3(i)];
    const uint32_t c3 = tripleHead;
    tripleHead = static_cast<uint32_t>(i + 1);
    if (out != nullptr && c3 != 0 && i - (c3 - 1) <= maxOffset_) {
      const uint32_t len = Length(i, c3 - 1, limit);
      if (len > best) {
        best = len;
        out->push_back({len, static_cast<uint32_t>(i - (c3 - 1))});
      }
    }
    if (limit < 4) return;
    uint32_t& head = root_[Hash4(i)];
    uint32_t cur = head;
    head = static_cast<uint32_t>(i + 1);
    uint32_t* smaller = &son_[2 * (i & mask_)];
    uint32_t* larger = &son_[2 * (i & mask_) + 1];
    size_t lenSmaller = 0, lenLarger = 0;
    for (uint32_t depth = 0;; ++depth) {
      if (cur == 0 || i - (cur - 1) > maxOffset_ || depth == kTreeDepth) {
        *smaller = *larger = 0;
        break;
      }
      const size_t p = cur - 1;
      uint32_t* children = &son_[2 * (p & mask_)];
      size_t len = std::min(lenSmaller, lenLarger);
      if (d_[p + len] == d_[i + len]) {
        len += Length(i + len, p + len, limit - len);
        if (out != nullptr && len > best) {
          out->push_back({static_cast<uint32_t>(len), static_cast<uint32_t>(i - p)});
        }
        if (len == limit) {  // equal as far as we look: `i` takes the place of `p`
          *smaller = children[0];
          *larger = children[1];
          break;
        }
      }
      if (d_[p + len] < d_[i + len]) {
        *smaller = cur;
        smaller = &children[1];
        cur = *smaller;
        lenSmaller = len;
      } else {
        *larger = cur;
        larger = &children[0];
        cur = *larger;
        lenLarger = len;
      }
    }
    if (out != nullptr) KeepCheapest(*out);
  }

 private:
  // The tree is not walked in order of distance: keep, for every length, the nearest match that
  // reaches it, as a list of growing lengths and growing offsets.
  static void KeepCheapest(std::vector<Match>& matches) {
    std::sort(matches.begin(), matches.end(), [](const Match& a, const Match& b) {
      return a.offset != b.offset ? a.offset < b.offset : a.length > b.length;
    });
    size_t kept = 0;
    for (const Match& m : matches) {
      if (kept == 0 || m.length > matches[kept - 1].length) matches[kept++] = m;
    }
    matches.resize(kept);
  }

  uint32_t Pair(size_t i) const {
    const uint32_t v = uint32_t{d_[i]} | uint32_t{d_[i + 1]} << 8;
    return headBits_ == 16 ? v : (v * 2654435761u) >> (32 - headBits_);
  }
  uint32_t Hash4(size_t i) const {
    uint32_t v;
    std::memcpy(&v, d_ + i, 4);
    return (v * 2654435761u) >> (32 - rootBits_);
  }
  uint32_t Hash3(size_t i) const {
    const uint32_t v = uint32_t{d_[i]} | uint32_t{d_[i + 1]} << 8 | uint32_t{d_[i + 2]} << 16;
    return (v * 2654435761u) >> (32 - headBits_);
  }

  const unsigned char* d_;
  size_t n_;
  size_t mask_ = 0;
  uint32_t maxOffset_ = 0;
  uint32_t rootBits_ = kRootBits;
  uint32_t headBits_ = 16;
  std::vector<uint32_t> son_, root_, head3_, head2_;
};

// MatchLiteralRepeat is a path step only: an explicit match, one byte, and a repeat of the same
// offset (a copy interrupted by one changed byte, which the single repeat offset of the format
// rewards but a parse that keeps one state per position would often miss).
enum class Kind : uint8_t {
  Start,
  Switch,
  Literal,
  Zero,
  OneByte,
  Short,
  Repeat,
  Explicit,
  Block,
  MatchLiteralRepeat
};

struct Token {
  Kind kind;
  uint8_t mode;  // literal: 0 = 8-bit literal wanted, 1 = 7-bit literal in the region's base
  uint32_t pos;
  uint32_t length;
  uint32_t offset;
};

struct Node {
  uint32_t cost;
  uint32_t rep;
  uint32_t from;
  uint32_t length;
  uint32_t offset;
  uint32_t tail;  // MatchLiteralRepeat: the length of the repeat
  uint8_t fromMode;
  Kind kind;
};

// The base under which most bytes of each region fit a 7-bit literal (zero bytes have their own
// token and do not count).
std::vector<unsigned char> RegionBases(const unsigned char* d, size_t n) {
  std::vector<unsigned char> bases((n >> kRegionBits) + 1, 0);
  for (size_t r = 0; r < bases.size(); ++r) {
    uint32_t histogram[256] = {};
    const size_t begin = r << kRegionBits, end = std::min(n, (r + 1) << kRegionBits);
    for (size_t i = begin; i < end; ++i) ++histogram[d[i]];
    histogram[0] = 0;
    uint32_t sum = 0;
    for (int b = 0; b < 128; ++b) sum += histogram[b];
    uint32_t bestSum = sum;
    int best = 0;
    for (int b = 1; b < 256; ++b) {
      sum += histogram[(b + 127) & 255] - histogram[b - 1];
      if (sum > bestSum) bestSum = sum, best = b;
    }
    bases[r] = static_cast<unsigned char>(best);
  }
  return bases;
}

// The index base a first parse assumes at a position: far offsets grow with the position.
inline uint8_t GuessedIndexBase(size_t pos) {
  if (pos < 0xC000) return 9;
  if (pos < 0x10000) return 10;
  if (pos < 0x40000) return 12;
  return 13;
}

// `indexBases` holds the index base to assume for each region of the input.
std::vector<Token> Parse(const unsigned char* d, size_t n, const std::vector<uint8_t>& indexBases) {
  std::vector<Token> tokens;
  MatchFinder finder(d, n);
  const std::vector<unsigned char> regionBase = RegionBases(d, n);
  std::vector<Node> nodes((std::min(n, kSpan) + 1) * 2);
  std::vector<uint32_t> costs(nodes.size());  // the costs alone, dense for the hot comparisons
  std::vector<Match> matches;
  std::vector<Token> reversed;
  uint32_t lastSeen[256] = {};  // position + 1 of each byte's latest occurrence

  size_t pos = 0;
  uint8_t mode = 0;
  uint32_t rep = 1;
  bool first = true;
  while (pos < n) {
    const size_t spanEnd = std::min(n, pos + kSpan);
    const size_t spanLen = spanEnd - pos;
    std::fill(costs.begin(), costs.begin() + static_cast<std::ptrdiff_t>(spanLen * 2 + 2),
              kInfinity);
    for (size_t k = 0; k <= spanLen * 2 + 1; ++k) nodes[k].cost = kInfinity;
    auto at = [&](size_t k, int m) -> Node& { return nodes[k * 2 + static_cast<size_t>(m)]; };
    auto set = [&](size_t k, int m, const Node& node) {
      at(k, m) = node;
      costs[k * 2 + static_cast<size_t>(m)] = node.cost;
    };
    if (first) {
      set(0, 0, Node{kMode8Cost, rep, 0, 0, 0, 0, 0, Kind::Start});
      set(0, 1, Node{kMode7Cost, rep, 0, 0, 0, 0, 1, Kind::Start});
    } else {
      set(0, mode, Node{0, rep, 0, 0, 0, 0, mode, Kind::Start});
      set(0, 1 - mode, Node{mode ? kMode8Cost : kMode7Cost, rep, 0, 0, 0, 0, mode, Kind::Switch});
    }
    first = false;

    auto relax = [&](size_t k, int m, uint32_t cost, Kind kind, uint32_t length, uint32_t offset,
                     uint32_t newRep, size_t from, int fromMode, uint32_t tail = 0) {
      uint32_t& best = costs[k * 2 + static_cast<size_t>(m)];
      if (cost < best) {
        best = cost;
        at(k, m) = {cost,   newRep, static_cast<uint32_t>(from),    length,
                    offset, tail,   static_cast<uint8_t>(fromMode), kind};
      }
    };

    size_t cut = spanEnd;
    bool longCut = false;
    for (size_t i = pos; i < spanEnd; ++i) {
      const size_t k = i - pos;
      {
        const uint32_t c0 = at(k, 0).cost, c1 = at(k, 1).cost;
        if (c0 != kInfinity && c0 + kMode7Cost < c1) {
          set(k, 1,
              Node{c0 + kMode7Cost, at(k, 0).rep, static_cast<uint32_t>(k), 0, 0, 0, 0,
                   Kind::Switch});
        } else if (c1 != kInfinity && c1 + kMode8Cost < c0) {
          set(k, 0,
              Node{c1 + kMode8Cost, at(k, 1).rep, static_cast<uint32_t>(k), 0, 0, 0, 1,
                   Kind::Switch});
        }
      }
      const size_t left = spanEnd - i;
      finder.FindAndInsert(i, std::min<size_t>(n - i, kNiceLength), &matches);
      const unsigned char byte = d[i];
      const uint32_t seen = lastSeen[byte];
      lastSeen[byte] = static_cast<uint32_t>(i + 1);

      uint32_t repLength[2] = {0, 0};
      for (int m = 0; m < 2; ++m) {
        const Node& node = at(k, m);
        if (node.cost == kInfinity || node.rep > i) continue;
        if (m == 1 && at(k, 0).cost != kInfinity && at(k, 0).rep == node.rep) {
          repLength[1] = repLength[0];
          continue;
        }
        repLength[m] = finder.Length(i, i - node.rep, std::min<size_t>(n - i, kNiceLength));
      }
      const uint32_t longest = matches.empty() ? 0 : matches.back().length;
      if (longest >= kNiceLength || repLength[0] >= kNiceLength || repLength[1] >= kNiceLength) {
        cut = i;
        longCut = true;
        break;
      }

      const size_t region = i >> kRegionBits;
      const uint32_t indexBase = indexBases[region];
      for (int m = 0; m < 2; ++m) {
        const Node& node = at(k, m);
        if (node.cost == kInfinity) continue;
        const uint32_t c = node.cost;
        const uint32_t r = node.rep;
        // Reaching another region in 7-bit mode may need a new literal-size token.
        auto regionPenalty = [&](size_t len) -> uint32_t {
          if (m == 0) return 0;
          const size_t other = (i + len) >> kRegionBits;
          return (other != region && other < regionBase.size() &&
                  regionBase[other] != regionBase[region])
                     ? kMode7Cost
                     : 0;
        };
        if (m == 0) {
          relax(k + 1, 0, c + kLiteral8Cost, Kind::Literal, 1, 0, r, k, m);
        } else if (FitsSevenBits(byte, regionBase[region])) {
          relax(k + 1, 1, c + kLiteral7Cost, Kind::Literal, 1, 0, r, k, m);
        }
        if (byte == 0) {
          relax(k + 1, m, c + kSmallTokenCost, Kind::Zero, 1, 0, r, k, m);
        } else if (seen != 0 && i + 1 - seen <= 14) {
          relax(k + 1, m, c + kSmallTokenCost, Kind::OneByte, 1,
                static_cast<uint32_t>(i + 1 - seen), r, k, m);
        }
        if (left >= 256) {
          // A block that follows a block only adds its bytes and its continue bit.
          const uint32_t blockCost = node.kind == Kind::Block ? kBlockCost - 8 : kBlockCost;
          relax(k + 256, m, c + blockCost + regionPenalty(256), Kind::Block, 256, 0, r, k, m);
        }
        const uint32_t repLen = static_cast<uint32_t>(std::min<size_t>(repLength[m], left));
        for (uint32_t len = 2; len <= repLen; ++len) {
          relax(k + len, m, c + RepeatCost(len) + regionPenalty(len), Kind::Repeat, len, r, r, k,
                m);
        }
        uint32_t prevLength = 1;
        for (const Match& match : matches) {
          const uint32_t top = static_cast<uint32_t>(std::min<size_t>(match.length, left));
          if (match.offset != r) {
            const uint32_t adjust = LengthAdjust(match.offset);
            for (uint32_t len = prevLength + 1; len <= top; ++len) {
              if (match.offset < 128 && len <= 5) {
                relax(k + len, m, c + kShortMatchCost + regionPenalty(len), Kind::Short, len,
                      match.offset, match.offset, k, m);
              } else if (len >= adjust + 2) {
                relax(k + len, m,
                      c + ExplicitCost(match.offset, len, indexBase) + regionPenalty(len),
                      Kind::Explicit, len, match.offset, match.offset, k, m);
              }
            }
          }
          prevLength = std::max(prevLength, top);
          const size_t j = i + top;  // the changed byte
          if (match.offset == r || top < LengthAdjust(match.offset) + 2 || j + 3 > spanEnd) {
            continue;
          }
          uint32_t byteCost = 0;
          if (d[j] == 0) {
            byteCost = kSmallTokenCost;
          } else if (m == 0) {
            byteCost = kLiteral8Cost;
          } else if (FitsSevenBits(d[j], regionBase[j >> kRegionBits])) {
            byteCost = kLiteral7Cost;
          } else {
            continue;
          }
          const uint32_t tail = finder.Length(j + 1, j + 1 - match.offset,
                                              std::min<size_t>(spanEnd - j - 1, kNiceLength));
          if (tail < 2) continue;
          const uint32_t total = top + 1 + tail;
          relax(k + total, m,
                c + ExplicitCost(match.offset, top, indexBase) + byteCost + RepeatCost(tail) +
                    regionPenalty(total),
                Kind::MatchLiteralRepeat, top, match.offset, match.offset, k, m, tail);
        }
      }
    }

    // Walk back from the cheaper end state.
    const size_t kEnd = cut - pos;
    int m = at(kEnd, 0).cost <= at(kEnd, 1).cost ? 0 : 1;
    mode = static_cast<uint8_t>(m);
    rep = at(kEnd, m).rep;
    reversed.clear();
    for (size_t k = kEnd; k != 0;) {
      const Node& node = at(k, m);
      if (node.kind == Kind::MatchLiteralRepeat) {
        const uint32_t start = static_cast<uint32_t>(pos + node.from);
        const uint32_t j = start + node.length;
        reversed.push_back({Kind::Repeat, static_cast<uint8_t>(m), j + 1, node.tail, node.offset});
        reversed.push_back(
            {d[j] == 0 ? Kind::Zero : Kind::Literal, static_cast<uint8_t>(m), j, 1, 0});
        reversed.push_back(
            {Kind::Explicit, static_cast<uint8_t>(m), start, node.length, node.offset});
      } else if (node.kind != Kind::Switch) {
        reversed.push_back({node.kind, static_cast<uint8_t>(m),
                            static_cast<uint32_t>(pos + node.from), node.length, node.offset});
      }
      k = node.from;
      m = node.fromMode;
    }
    tokens.insert(tokens.end(), reversed.rbegin(), reversed.rend());

    if (!longCut) {
      pos = spanEnd;
      continue;
    }
    // A long match: the repeat offset when it reaches as far, else the longest explicit match.
    const size_t i = cut;
    uint32_t length = 0, offset = 0;
    Kind kind = Kind::Explicit;
    if (rep <= i) {
      length = finder.Length(i, i - rep, n - i);
      offset = rep;
      kind = Kind::Repeat;
    }
    if (!matches.empty() && matches.back().length >= kNiceLength) {
      const uint32_t explicitLength = finder.Length(i, i - matches.back().offset, n - i);
      if (explicitLength > length) {
        length = explicitLength;
        offset = matches.back().offset;
        kind = Kind::Explicit;
      }
    }
    tokens.push_back({kind, mode, static_cast<uint32_t>(i), length, offset});
    rep = offset;
    for (size_t j = i + 1; j < i + length; ++j) {
      finder.FindAndInsert(j, std::min<size_t>(n - j, kNiceLength), nullptr);
      lastSeen[d[j]] = static_cast<uint32_t>(j + 1);
    }
    lastSeen[d[i]] = static_cast<uint32_t>(i + 1);
    pos = i + length;
  }
  return tokens;
}

inline uint32_t BaseChangeCost(uint32_t base) {
  return base <= 15 ? 16 : 17;
}

// The index base for each segment of tokens: a shortest path over segments × bases 1..31, where a
// base costs what it adds to the segment's explicit matches, and a change costs its token.
std::vector<uint8_t> ChooseIndexBases(const std::vector<Token>& tokens) {
  const size_t segments = (tokens.size() + kTokensPerSegment - 1) / kTokensPerSegment;
  std::vector<uint8_t> from(segments * 32, 0);
  uint64_t best[32];
  for (uint32_t b = 1; b < 32; ++b) best[b] = b == 8 ? 0 : BaseChangeCost(b);
  for (size_t s = 0; s < segments; ++s) {
    uint64_t segmentCost[32] = {};
    const size_t end = std::min(tokens.size(), (s + 1) * kTokensPerSegment);
    for (size_t t = s * kTokensPerSegment; t < end; ++t) {
      if (tokens[t].kind != Kind::Explicit) continue;
      for (uint32_t b = 1; b < 32; ++b) segmentCost[b] += OffsetCost(tokens[t].offset, b);
    }
    uint32_t cheapest = 1;
    for (uint32_t b = 2; b < 32; ++b) {
      if (best[b] < best[cheapest]) cheapest = b;
    }
    uint64_t next[32];
    for (uint32_t b = 1; b < 32; ++b) {
      const uint64_t switched = best[cheapest] + BaseChangeCost(b);
      if (s > 0 && switched < best[b]) {
        next[b] = switched + segmentCost[b];
        from[s * 32 + b] = static_cast<uint8_t>(cheapest);
      } else {
        next[b] = best[b] + segmentCost[b];
        from[s * 32 + b] = static_cast<uint8_t>(s == 0 ? 8 : b);
      }
    }
    std::copy(next + 1, next + 32, best + 1);
  }
  std::vector<uint8_t> chosen(segments, 8);
  if (segments == 0) return chosen;
  uint32_t b = 1;
  for (uint32_t c = 2; c < 32; ++c) {
    if (best[c] < best[b]) b = c;
  }
  for (size_t s = segments; s-- > 0;) {
    chosen[s] = static_cast<uint8_t>(b);
    b = from[s * 32 + b];
  }
  return chosen;
}

class BitWriter {
 public:
  explicit BitWriter(std::string& out) : out_(out) {}

  // `count` is 0..32.
  void Put(uint32_t value, unsigned count) {
    acc_ = acc_ << count | value;
    bits_ += count;
    if (bits_ >= 32) {
      bits_ -= 32;
      const uint32_t word = static_cast<uint32_t>(acc_ >> bits_);
      const char bytes[4] = {static_cast<char>(word), static_cast<char>(word >> 8),
                             static_cast<char>(word >> 16), static_cast<char>(word >> 24)};
      out_.append(bytes, 4);
    }
  }

  void Gamma(uint32_t v) {
    for (int i = static_cast<int>(BitLength(v)) - 2; i >= 0; --i) {
      Put((v >> i & 1) << 1 | (i > 0 ? 1u : 0u), 2);
    }
  }

  void Finish() {
    if (bits_ > 0) Put(0, 32 - bits_);
  }

 private:
  std::string& out_;
  uint64_t acc_ = 0;
  unsigned bits_ = 0;
};

void PutLe32(std::string& out, uint32_t v) {
  for (int k = 0; k < 4; ++k) out.push_back(static_cast<char>(v >> (8 * k)));
}

// The stream for a token list: header, tokens with the literal-size and index-base tokens they
// need, end token.
std::string Write(const unsigned char* d, size_t n, const std::vector<Token>& tokens,
                  const std::vector<uint8_t>& bases) {
  const std::vector<unsigned char> regionBase = RegionBases(d, n);
  std::string out;
  out.reserve(kJcalg1HeaderSize + n + n / 8 + 16);
  out.append("JC");
  PutLe32(out, static_cast<uint32_t>(n));
  PutLe32(out, Jcalg1Checksum(d, n));
  BitWriter w(out);
  int litBits = 0;
  unsigned char litBase = 0;
  uint32_t indexBase = 8;
  uint32_t last = 1;
  for (size_t t = 0; t < tokens.size(); ++t) {
    const Token& tok = tokens[t];
    if (t % kTokensPerSegment == 0 && bases[t / kTokensPerSegment] != indexBase) {
      indexBase = bases[t / kTokensPerSegment];
      if (indexBase <= 15) {
        w.Put(1, 12);
        w.Put(indexBase, 4);
      } else {
        w.Put(2, 12);
        w.Put(indexBase, 5);
      }
    }
    switch (tok.kind) {
      case Kind::Literal: {
        const unsigned char byte = d[tok.pos];
        if (!(litBits == 7 && FitsSevenBits(byte, litBase))) {
          if (tok.mode == 1) {
            litBits = 7;
            litBase = regionBase[tok.pos >> kRegionBits];
            w.Put(0x40, 9);
            w.Put(litBase, 8);
          } else if (litBits != 8) {
            litBits = 8;
            litBase = 0;
            w.Put(0x41, 9);
          }
        }
        w.Put(1, 1);
        w.Put(static_cast<unsigned char>(byte - litBase), static_cast<unsigned>(litBits));
        break;
      }
      case Kind::Zero:
        w.Put(0x11, 7);
        break;
      case Kind::OneByte:
        w.Put(0x10 | (tok.offset + 1), 7);
        break;
      case Kind::Short:
        w.Put(tok.offset << 2 | (tok.length - 2), 12);
        last = tok.offset;
        break;
      case Kind::Repeat:
      case Kind::Explicit:
        w.Put(1, 2);
        if (tok.offset == last) {
          w.Put(0, 2);  // gamma 2: the last offset again
          w.Gamma(tok.length);
        } else {
          w.Gamma((tok.offset >> indexBase) + 3);
          w.Put(tok.offset & ((uint32_t{1} << indexBase) - 1), indexBase);
          w.Gamma(tok.length - LengthAdjust(tok.offset));
          last = tok.offset;
        }
        break;
      case Kind::Block: {
        const bool continues =
            t % kTokensPerSegment != 0 && t > 0 && tokens[t - 1].kind == Kind::Block;
        if (!continues) w.Put(0x21, 8);
        for (uint32_t k = 0; k < 256; ++k) w.Put(d[tok.pos + k], 8);
        const bool more = t + 1 < tokens.size() && tokens[t + 1].kind == Kind::Block &&
                          (t + 1) % kTokensPerSegment != 0;
        w.Put(more ? 1 : 0, 1);
        break;
      }
      case Kind::Start:
      case Kind::Switch:
      case Kind::MatchLiteralRepeat:
        break;
    }
  }
  w.Put(0, 12);
  w.Finish();
  return out;
}

// Raw blocks and 8-bit literals only: the stream a fault in the parse must never replace with
// damaged data.
std::vector<Token> PlainTokens(size_t n) {
  std::vector<Token> tokens;
  size_t pos = 0;
  for (; pos + 256 <= n; pos += 256) {
    tokens.push_back({Kind::Block, 0, static_cast<uint32_t>(pos), 256, 0});
  }
  for (; pos < n; ++pos) tokens.push_back({Kind::Literal, 0, static_cast<uint32_t>(pos), 1, 0});
  return tokens;
}

}  // namespace

std::string Jcalg1EncodeUnchecked(std::string_view data) {
  const size_t n = data.size();
  if (n >= (size_t{1} << 31)) return {};
  const auto* d = reinterpret_cast<const unsigned char*>(data.data());

  // Parse with guessed index bases, choose the bases that suit the matches found, then (for inputs
  // of common size) parse again assuming those.
  const size_t regions = (n >> kRegionBits) + 1;
  std::vector<uint8_t> assumed(regions);
  for (size_t r = 0; r < regions; ++r) assumed[r] = GuessedIndexBase(r << kRegionBits);
  std::vector<Token> tokens = Parse(d, n, assumed);
  std::vector<uint8_t> bases = ChooseIndexBases(tokens);
  if (n <= kSecondParseLimit) {
    for (size_t s = 0; s < bases.size(); ++s) {
      const size_t first = tokens[s * kTokensPerSegment].pos >> kRegionBits;
      const size_t last =
          s + 1 < bases.size() ? tokens[(s + 1) * kTokensPerSegment].pos >> kRegionBits : regions;
      for (size_t r = first; r < last; ++r) assumed[r] = bases[s];
    }
    tokens = Parse(d, n, assumed);
    bases = ChooseIndexBases(tokens);
  }
  return Write(d, n, tokens, bases);
}

std::string Jcalg1Encode(std::string_view data) {
  std::string out = Jcalg1EncodeUnchecked(data);
  const size_t n = data.size();
  if (out.empty()) return out;
  const auto* d = reinterpret_cast<const unsigned char*>(data.data());

  // The installer has only this stream to restore the file from: check it, as decoding is cheap.
  std::vector<unsigned char> check(n + 1);
  const Jcalg1Result r = Jcalg1DecodeStream(reinterpret_cast<const unsigned char*>(out.data()),
                                            out.size(), check.data(), n);
  if (!r.ok || r.produced != n || (n > 0 && std::memcmp(check.data(), d, n) != 0)) {
    const std::vector<Token> plain = PlainTokens(n);
    out = Write(d, n, plain, std::vector<uint8_t>(plain.size() / kTokensPerSegment + 1, 8));
  }
  return out;
}

}  // namespace zebo::pack
