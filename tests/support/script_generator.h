// A small deterministic generator of JAWS-like script sources, for tests and benchmarks.
#pragma once

#include <cstdint>
#include <string>

namespace zebo::testing {

struct GeneratedSource {
  std::string text;
  int functions = 0;
  int scripts = 0;
};

// Fixed-seed pseudo-random numbers (xorshift), the same on every machine.
class Rng {
 public:
  explicit Rng(uint64_t seed) : state_(seed ? seed : 1) {}
  uint32_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return static_cast<uint32_t>(state_);
  }
  uint32_t Below(uint32_t n) { return n ? Next() % n : 0; }

 private:
  uint64_t state_;
};

// Scripts and functions named Script<n> and Func<n>, with comments, strings, block comments,
// If/While blocks, Returns and headers split over lines, CR LF line ends. `replacedLines` adds a
// script BigScript with that many body lines. Keeps adding blocks until `bytes` are reached.
inline GeneratedSource GenerateSource(uint64_t seed, size_t bytes, int replacedLines = 0) {
  Rng rng(seed);
  GeneratedSource out;
  std::string& t = out.text;
  t += "; Generated script source\r\nInclude \"HJConst.jsh\"\r\n\r\n";
  static const char* kTypes[] = {"", "Int ", "String ", "Void ", "Handle ", "Object "};
  auto body = [&](int lines) {
    for (int k = 0; k < lines; ++k) {
      switch (rng.Below(9)) {
        case 0:
          t += "  ; a comment with \"quotes\" and [brackets]\r\n";
          break;
        case 1:
          t += "  SayString (\"text; not a comment /* nor this */\")\r\n";
          break;
        case 2:
          t += "  If x == " + std::to_string(k) + " Then\r\n    Let y = 1\r\n  EndIf\r\n";
          break;
        case 3:
          t += "  /* a block\r\n     comment */\r\n";
          break;
        case 4:
          t += "\tLet n = n + 1 ; counting\r\n";
          break;
        case 5:
          t += "  While n < 3\r\n    Let n = n + 1\r\n  EndWhile\r\n";
          break;
        case 6:
          t += "\r\n";
          break;
        case 7:
          t += "  If n Then\r\n    Return n\r\n  EndIf\r\n";
          break;
        default:
          t += "  PerformScript SayLine ()\r\n";
          break;
      }
    }
  };
  if (replacedLines > 0) {
    t += "Script BigScript ()\r\n";
    for (int k = 0; k < replacedLines; ++k) t += "  SayInteger (" + std::to_string(k) + ")\r\n";
    t += "EndScript\r\n\r\n";
    ++out.scripts;
  }
  while (t.size() < bytes) {
    const uint32_t kind = rng.Below(4);
    if (kind == 0) {
      t += "Script Script" + std::to_string(out.scripts) + " ()\r\n";
      body(static_cast<int>(rng.Below(6)));
      t += "EndScript\r\n\r\n";
      ++out.scripts;
    } else {
      const char* type = kTypes[rng.Below(6)];
      const std::string name = "Func" + std::to_string(out.functions);
      if (kind == 1 && type[0] != '\0') {
        t += std::string(type, std::char_traits<char>::length(type) - 1) + "\r\nFunction " + name +
             " (int a)\r\n";
      } else if (kind == 2) {
        t += std::string(type) + "Function " + name + "\r\n  (int a, string b)\r\n";
      } else {
        t += std::string(type) + "Function " + name + " ()\r\n";
      }
      body(static_cast<int>(rng.Below(6)));
      if (rng.Below(2)) t += "  Return 0\r\n";
      t += "EndFunction\r\n\r\n";
      ++out.functions;
    }
  }
  return out;
}

}  // namespace zebo::testing
