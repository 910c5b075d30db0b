// The scanner of JAWS script sources and the removal of an adaptation's lines and marks.
#include "adaptation/script_scan.h"

#include <array>
#include <cstring>
#include <utility>
#include <vector>

#include "adaptation/adaptation_texts.h"
#include "core/cp1252.h"

namespace zebo {
namespace {

const std::array<unsigned char, 256>& LowerTable() {
  static const std::array<unsigned char, 256> table = [] {
    std::array<unsigned char, 256> t{};
    for (int c = 0; c < 256; ++c) {
      const char byte = static_cast<char>(c);
      t[static_cast<size_t>(c)] =
          static_cast<unsigned char>(LowerCase(std::string_view(&byte, 1))[0]);
    }
    return t;
  }();
  return table;
}

// The scanner's state machine. Step() takes the character at i and tells whether the scan copy
// holds a blank there. "/*" opens a block comment only outside strings and ";" comments, as the
// compiler reads it; "*/" ends one and is blanked wherever it stands. OnLineEnd(i, state) runs at
// each line feed before the line's string and comment end.
struct Scanner {
  bool inString = false;
  bool inLineComment = false;
  bool inBlockComment = false;
  bool skipSlash = false;  // the "/" of a "*/", already blanked
  size_t lineStart = 0;
  size_t commentStart = 0;

  // Inside a ";" comment nothing but its line feed changes the state: jumps to that line feed.
  size_t SkipLineComment(std::string_view s, size_t i) {
    if (!inLineComment || skipSlash) return i;
    const void* hit = std::memchr(s.data() + i, '\n', s.size() - i);
    return hit ? static_cast<size_t>(static_cast<const char*>(hit) - s.data()) : s.size();
  }

  template <class OnLineEnd>
  bool Step(std::string_view s, size_t i, OnLineEnd&& onLineEnd) {
    if (skipSlash) {
      skipSlash = false;
      return true;
    }
    bool quoteHere = false;
    switch (s[i]) {
      case '\n':
        onLineEnd(i, *this);
        lineStart = i + 1;
        inString = false;
        inLineComment = false;
        break;
      case '/':
        if (!inString && !inLineComment && i + 1 < s.size() && s[i + 1] == '*') {
          inBlockComment = true;
        }
        break;
      case '*':
        if (i + 1 < s.size() && s[i + 1] == '/') {
          inBlockComment = false;
          skipSlash = true;
          return true;
        }
        break;
      case ';':
        if (!inString && !inBlockComment && !inLineComment) {
          inLineComment = true;
          commentStart = i + 1;
        }
        break;
      case '"':
        if (!inLineComment && !inBlockComment) {
          if (inString) {
            inString = false;
          } else {
            inString = true;
            quoteHere = true;
          }
        }
        break;
      default:
        break;
    }
    return (inString || inLineComment || inBlockComment) && !quoteHere;
  }
};

// True for the bytes the scanner reacts to; the others pass unchanged while no comment or string
// is open.
constexpr std::array<bool, 256> kSpecial = [] {
  std::array<bool, 256> t{};
  t['\n'] = t['/'] = t['*'] = t[';'] = t['"'] = true;
  return t;
}();

}  // namespace

unsigned char LowerByte(unsigned char c) {
  return LowerTable()[c];
}

bool EqualsFolded(std::string_view text, size_t start, size_t end, std::string_view lower) {
  if (end - start != lower.size()) return false;
  const auto& table = LowerTable();
  for (size_t k = 0; k < lower.size(); ++k) {
    if (table[static_cast<unsigned char>(text[start + k])] !=
        static_cast<unsigned char>(lower[k])) {
      return false;
    }
  }
  return true;
}

// One pass of the scanner over the text, writing the scan copy and calling onLineEnd at each line
// feed.
template <class OnLineEnd>
void ScanPass(std::string_view text, std::string& scan, OnLineEnd&& onLineEnd) {
  const auto& table = LowerTable();
  scan.assign(text.size(), ' ');
  Scanner scanner;
  const size_t n = text.size();
  size_t i = 0;
  while (i < n) {
    i = scanner.SkipLineComment(text, i);  // the scan copy already holds blanks there
    if (i == n) break;
    const bool open =
        scanner.inString || scanner.inLineComment || scanner.inBlockComment || scanner.skipSlash;
    if (!open) {
      // Plain code: fold until the next byte that can change the state.
      while (i < n && !kSpecial[static_cast<unsigned char>(text[i])]) {
        const auto c = static_cast<unsigned char>(text[i]);
        scan[i] = c == '\t' ? ' ' : static_cast<char>(table[c]);
        ++i;
      }
      if (i == n) break;
    }
    const bool blank = scanner.Step(text, i, onLineEnd);
    if (!blank) {
      const auto c = static_cast<unsigned char>(text[i]);
      scan[i] = c == '\t' ? ' ' : static_cast<char>(table[c]);
    }
    ++i;
  }
}

void BuildScanText(std::string_view text, std::string& scan) {
  ScanPass(text, scan, [](size_t, const Scanner&) {});
}

std::string BuildScanText(std::string_view text) {
  std::string scan;
  BuildScanText(text, scan);
  return scan;
}

bool LineLeavesOpen(std::string_view line) {
  Scanner scanner;
  auto noLineEnd = [](size_t, const Scanner&) {};
  for (size_t i = 0; i < line.size(); ++i) (void)scanner.Step(line, i, noLineEnd);
  return scanner.inString || scanner.inBlockComment;
}

std::string InsertMarkOf(const std::string& tag) {
  return texts::kInsertMarkStart + tag + texts::kMarkEnd;
}

std::string DisableMarkOf(const std::string& tag) {
  return texts::kDisableMarkStart + tag + texts::kMarkEnd;
}

void RemoveAdaptations(AdaptationState& state, const std::string& tag) {
  state.InsertMark = InsertMarkOf(tag);
  state.DisableMark = DisableMarkOf(tag);

  // Line ends become single line feeds; a carriage return inside a line goes too. Done in place,
  // like the deletions below, so a large source is not copied.
  std::string& text = state.ScriptText;
  {
    const void* first = std::memchr(text.data(), '\r', text.size());
    if (first) {
      size_t to = static_cast<size_t>(static_cast<const char*>(first) - text.data());
      size_t from = to + 1;
      while (from < text.size()) {
        const void* hit = std::memchr(text.data() + from, '\r', text.size() - from);
        const size_t end =
            hit ? static_cast<size_t>(static_cast<const char*>(hit) - text.data()) : text.size();
        std::memmove(text.data() + to, text.data() + from, end - from);
        to += end - from;
        from = end + 1;
      }
      text.resize(to);
    }
    text.push_back('\n');
  }

  const std::string tagMark = LowerCase("zebo-" + tag);
  const std::string commentMark = LowerCase("zebocomment-" + tag);
  // Ranges to delete, in order; a later range may only overlap the one before it.
  std::vector<std::pair<size_t, size_t>> cuts;
  auto cut = [&cuts](size_t start, size_t end) {
    if (!cuts.empty() && start <= cuts.back().second) {
      if (end > cuts.back().second) cuts.back().second = end;
    } else {
      cuts.emplace_back(start, end);
    }
  };
  const std::string_view view(text);
  auto examine = [&](size_t lineFeed, const Scanner& s) {
    if (!s.inLineComment) return;
    const size_t lineStart = s.lineStart;
    const size_t commentStart = s.commentStart;
    size_t lastSemi = commentStart - 1;  // the ";" that opened the comment
    size_t semiSearched = commentStart;
    // A line that starts with this tag's disable mark was disabled whole: what follows the mark
    // is the line as it was, code and strings included, and holds no mark of its own.
    bool disabledLine = commentStart - 1 == lineStart;
    ForEachBracketPair(view, commentStart, lineFeed,
                       [&](size_t open, size_t close, size_t a, size_t b) -> size_t {
                         if (EqualsFolded(view, a, b, tagMark)) {
                           while (!cuts.empty() && cuts.back().first >= lineStart) cuts.pop_back();
                           cut(lineStart, lineFeed + 1);
                           return std::string_view::npos;
                         }
                         if (EqualsFolded(view, a, b, commentMark)) {
                           // The mark starts at its own ";", else at the comment's.
                           while (semiSearched < open) {
                             if (view[semiSearched] == ';') lastSemi = semiSearched;
                             ++semiSearched;
                           }
                           cut(lastSemi, close + 1);
                           return disabledLine ? std::string_view::npos : close + 1;
                         }
                         disabledLine = false;
                         // Go on after this "[": another "[" inside may open the mark.
                         return open + 1;
                       });
  };
  // The scan copy comes with the walk; when lines or marks go, it is made again from the text as
  // the removal leaves it, so that the insertion sees the restored lines as code.
  ScanPass(view, state.ScanText, examine);
  if (!cuts.empty()) {
    size_t to = cuts.front().first;
    for (size_t k = 0; k < cuts.size(); ++k) {
      const size_t from = cuts[k].second;
      const size_t end = k + 1 < cuts.size() ? cuts[k + 1].first : text.size();
      std::memmove(text.data() + to, text.data() + from, end - from);
      to += end - from;
    }
    text.resize(to);
    BuildScanText(text, state.ScanText);
  }
}

}  // namespace zebo
