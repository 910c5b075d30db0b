// The insertion walk over the scan copy: one pass, building the new source by appending.
#include "adaptation/insertion.h"

#include <array>
#include <cstring>
#include <unordered_map>
#include <utility>
#include <vector>

#include "adaptation/adaptation_texts.h"
#include "adaptation/script_scan.h"
#include "core/cp1252.h"

namespace zebo {
namespace {

constexpr size_t npos = std::string_view::npos;

bool IsBlank(char c) {
  return c == ' ' || c == '\n';
}

// The return types a function may be declared with, before its Function keyword or alone on
// the line before it.
bool IsReturnType(std::string_view word) {
  static constexpr std::array<std::string_view, 13> kTypes = {
      "handle",      "int",         "object",      "string",   "void",
      "variant",     "collection",  "bool",        "intarray", "stringarray",
      "handlearray", "objectarray", "variantarray"};
  for (std::string_view type : kTypes) {
    if (word == type) return true;
  }
  return false;
}

std::string_view TrimBlanks(std::string_view text) {
  size_t start = 0;
  size_t end = text.size();
  while (start < end && IsBlank(text[start])) ++start;
  while (end > start && IsBlank(text[end - 1])) --end;
  return text.substr(start, end - start);
}

// The directives by lower-case block name, so each block end looks only at its own records.
class DirectiveIndex {
 public:
  explicit DirectiveIndex(const AdaptationState& state) : state_(state) {
    for (size_t k = 0; k < state.MergeDirectives.size(); ++k) {
      byName_[LowerCase(state.MergeDirectives[k].BlockName)].push_back(k);
    }
    mark_ = InsertMarkOf(state.AdaptationTag) + "\n";
  }

  std::string Collect(const std::string& lowerName, int32_t level, int32_t atBegin) const {
    std::string text;
    const auto found = byName_.find(lowerName);
    if (found == byName_.end()) return text;
    for (size_t k : found->second) {
      const MergeDirective& d = state_.MergeDirectives[k];
      if ((d.DirectiveKind & 0xFF) == level && d.AtBegin == atBegin) {
        text += d.LineText;
        text += mark_;
      }
    }
    return text;
  }

  const MergeDirective* Replacement(const std::string& lowerName, int32_t kind) const {
    const auto found = byName_.find(lowerName);
    if (found == byName_.end()) return nullptr;
    for (size_t k : found->second) {
      if (state_.MergeDirectives[k].DirectiveKind == kind) return &state_.MergeDirectives[k];
    }
    return nullptr;
  }

 private:
  const AdaptationState& state_;
  std::unordered_map<std::string, std::vector<size_t>> byName_;
  std::string mark_;
};

bool HeaderCarriesOtherMark(AdaptationState& state, const MergeDirective& record,
                            std::string_view name, std::string_view header) {
  const size_t semi = header.find(';');
  if (semi == npos) return false;
  static constexpr std::string_view kPrefix = "zebocomment-";
  bool conflict = false;
  ForEachBracketPair(
      header, semi, header.size(), [&](size_t open, size_t, size_t a, size_t b) -> size_t {
        if (b - a >= kPrefix.size() && EqualsFolded(header, a, a + kPrefix.size(), kPrefix)) {
          state.ConflictMessages += (record.DirectiveKind & 0xFF) == MergeScriptLevel
                                        ? texts::kConflictScript
                                        : texts::kConflictFunction;
          state.ConflictMessages += '"';
          state.ConflictMessages += LowerCase(name);
          state.ConflictMessages += '"';
          state.ConflictMessages += texts::kConflictUsedBy;
          state.ConflictMessages +=
              LowerCase(header.substr(a + kPrefix.size(), b - a - kPrefix.size()));
          state.ConflictMessages += '\n';
          conflict = true;
          return npos;
        }
        return open + 1;
      });
  return conflict;
}

// The new source, built by appending: the original text is copied up to each insertion point.
// A point before text already placed (only in sources whose blocks do not nest as they should)
// is still put at its own place in the original text.
class Output {
 public:
  Output(const std::string& source, int64_t& shift) : source_(source), shift_(shift) {
    out_.reserve(source.size() + source.size() / 8 + 64);
  }

  // A disable mark (`mark`) belongs to the line after it: text placed later at the same point
  // goes before the mark, so that the mark keeps its own line.
  void Insert(size_t pos, std::string_view text, bool mark = false) {
    if (text.empty()) return;
    if (pos > source_.size()) pos = source_.size();
    if (pos > copied_ || (pos == copied_ && (mark || !MarkAt(pos)))) {
      out_.append(source_, copied_, pos - copied_);
      copied_ = pos;
      out_.append(text);
      placed_.push_back({pos, text.size(), mark});
    } else {
      size_t outPos = pos;
      auto it = placed_.begin();
      for (; it != placed_.end() && (it->pos < pos || (it->pos == pos && (mark || !it->mark)));
           ++it) {
        outPos += it->length;
      }
      out_.insert(outPos, text);
      placed_.insert(it, {pos, text.size(), mark});
    }
    shift_ += static_cast<int64_t>(text.size());
  }

  std::string Finish(std::string_view endText) {
    out_.append(source_, copied_, std::string::npos);
    copied_ = source_.size();
    out_.append(endText);
    shift_ += static_cast<int64_t>(endText.size());
    return std::move(out_);
  }

 private:
  const std::string& source_;
  int64_t& shift_;
  std::string out_;
  size_t copied_ = 0;
  struct Placed {
    size_t pos;  // in the original text
    size_t length;
    bool mark;
  };
  std::vector<Placed> placed_;  // by position, then in the order placed

  bool MarkAt(size_t pos) const {
    for (auto it = placed_.rbegin(); it != placed_.rend() && it->pos == pos; ++it) {
      if (it->mark) return true;
    }
    return false;
  }
};

// First occurrence of a word, or of one character after a given start, in a line that may grow
// (a pending header joins the next lines to it); each part of the line is searched once.
struct Find {
  size_t pos = npos;
  size_t searched = 0;

  void Reset(size_t start) {
    pos = npos;
    searched = start;
  }
  void Word(std::string_view scan, std::string_view word, size_t end) {
    if (pos != npos || searched >= end) return;
    const size_t hit = scan.substr(0, end).find(word, searched);
    if (hit != npos) {
      pos = hit;
    } else {
      searched = end;  // the line's line feed cannot be part of a word
    }
  }
  void CharAfter(std::string_view scan, char c, size_t from, size_t end) {
    if (pos != npos || from == npos) return;
    if (searched < from) searched = from;
    if (searched >= end) return;
    const void* hit = std::memchr(scan.data() + searched, c, end - searched);
    if (hit) {
      pos = static_cast<size_t>(static_cast<const char*>(hit) - scan.data());
    } else {
      searched = end;
    }
  }
};

// A header keyword ("script" or "function") with its parentheses.
struct HeaderFind {
  Find keyword, open, close;
  int beforeOk = -1;  // cached once the keyword is known: 1 when the text before it qualifies

  void Reset(size_t start) {
    keyword.Reset(start);
    open.Reset(start);
    close.Reset(start);
    beforeOk = -1;
  }
  void Extend(std::string_view scan, std::string_view word, size_t end) {
    keyword.Word(scan, word, end);
    open.CharAfter(scan, '(', keyword.pos, end);
    close.CharAfter(scan, ')', open.pos, end);
  }
};

// The line under test: from the line start to the current line feed, the line feeds of joined
// lines counting as blanks.
struct Line {
  size_t start = 0;
  size_t end = 0;
  size_t firstNonBlank = npos;
  size_t nonBlankSearched = 0;
  Find ret, endScript, endFunction;
  HeaderFind script, function;

  void Reset(size_t lineStart) {
    start = end = nonBlankSearched = lineStart;
    firstNonBlank = npos;
    ret.Reset(lineStart);
    endScript.Reset(lineStart);
    endFunction.Reset(lineStart);
    script.Reset(lineStart);
    function.Reset(lineStart);
  }

  void Extend(std::string_view scan, size_t lineFeed) {
    end = lineFeed;
    while (firstNonBlank == npos && nonBlankSearched < end) {
      if (!IsBlank(scan[nonBlankSearched])) firstNonBlank = nonBlankSearched;
      ++nonBlankSearched;
    }
    ret.Word(scan, "return", end);
    endScript.Word(scan, "endscript", end);
    endFunction.Word(scan, "endfunction", end);
    script.Extend(scan, "script", end);
    function.Extend(scan, "function", end);
  }

  bool BlankBefore(size_t pos) const { return firstNonBlank == npos || firstNonBlank >= pos; }

  // Where text goes for an end keyword or a Return at `pos`: the line start when only blanks
  // precede it, the keyword itself after a blank, ")" or a quote; npos when it is part of a word.
  size_t KeywordPoint(std::string_view scan, size_t pos) const {
    if (pos == npos) return npos;
    if (BlankBefore(pos)) return start;
    const char before = scan[pos - 1];
    if (IsBlank(before) || before == ')' || before == '"') return pos;
    return npos;
  }
};

// Whether scan[from, to) holds the word right after a blank (line feeds counting as blanks).
bool HasWordAfterBlank(std::string_view scan, size_t from, size_t to, std::string_view word) {
  if (from >= to) return false;
  const std::string_view window = scan.substr(0, to);
  size_t pos = from + 1;
  while (true) {
    const size_t hit = window.find(word, pos);
    if (hit == npos) return false;
    if (IsBlank(scan[hit - 1])) return true;
    pos = hit + 1;
  }
}

// Whether the last physical line of scan[start, end) ends inside a string: the scan copy keeps
// only the quotes that delimit strings, and a line feed closes a string.
bool EndsInString(std::string_view scan, size_t start, size_t end) {
  size_t quotes = 0;
  for (size_t k = end; k > start; --k) {
    if (scan[k - 1] == '\n') break;
    if (scan[k - 1] == '"') ++quotes;
  }
  return quotes % 2 == 1;
}

}  // namespace

std::string CollectDirectiveText(const AdaptationState& state, std::string_view name, int32_t level,
                                 int32_t atBegin) {
  const std::string lowerName = LowerCase(name);
  const std::string mark = InsertMarkOf(state.AdaptationTag) + "\n";
  std::string text;
  for (const MergeDirective& d : state.MergeDirectives) {
    if ((d.DirectiveKind & 0xFF) == level && d.AtBegin == atBegin &&
        LowerCase(d.BlockName) == lowerName) {
      text += d.LineText;
      text += mark;
    }
  }
  return text;
}

bool CheckBlockReplacement(AdaptationState& state, std::string_view name, int32_t kind,
                           std::string_view headerLine) {
  const std::string lowerName = LowerCase(name);
  for (const MergeDirective& d : state.MergeDirectives) {
    if (d.DirectiveKind == kind && LowerCase(d.BlockName) == lowerName) {
      return !HeaderCarriesOtherMark(state, d, name, headerLine);
    }
  }
  return false;
}

void InsertAdaptations(AdaptationState& state) {
  state.ConflictMessages.clear();
  state.InsertShift = 0;
  state.InlineInsertions = 0;
  state.InsertMark = InsertMarkOf(state.AdaptationTag);
  state.DisableMark = DisableMarkOf(state.AdaptationTag);
  const std::string source = std::move(state.ScriptText);
  if (state.ScanText.size() != source.size()) state.ScanText = BuildScanText(source);
  const std::string_view scan(state.ScanText);
  const DirectiveIndex index(state);
  Output output(source, state.InsertShift);

  // Text for a block end: when its point lies inside a line, it starts a line of its own, so that
  // the removal of its marked lines leaves the code before the point alone.
  auto insertAtBlockEnd = [&](size_t point, std::string text) {
    if (text.empty()) return;
    if (point > 0 && source[point - 1] != '\n') {
      text.insert(text.begin(), '\n');
      ++state.InlineInsertions;
    }
    output.Insert(point, text);
  };
  auto headerName = [&](const HeaderFind& header, size_t wordLength) {
    std::string name(TrimBlanks(scan.substr(header.keyword.pos + wordLength,
                                            header.open.pos - header.keyword.pos - wordLength)));
    for (char& c : name) {
      if (c == '\n') c = ' ';
    }
    return name;
  };
  // A recognised header: checks a replacement and, when it is one, returns where the header's
  // disable mark goes (npos otherwise).
  auto replacementMark = [&](const std::string& name, int32_t kind, const Line& line) -> size_t {
    const MergeDirective* record = index.Replacement(name, kind);
    if (!record) return npos;
    const std::string_view header(source.data() + line.start, line.end - line.start);
    if (HeaderCarriesOtherMark(state, *record, name, header)) return npos;
    if (EndsInString(scan, line.start, line.end)) {
      state.ConflictMessages +=
          (kind & 0xFF) == MergeScriptLevel ? texts::kConflictScript : texts::kConflictFunction;
      state.ConflictMessages += '"' + name + '"' + texts::kHeaderOpenString + '\n';
      return npos;
    }
    return line.end;
  };

  Line line;
  line.Reset(0);
  size_t lastReturn = npos;
  std::string scriptName;
  std::string functionName;
  bool replacing = false;
  bool headerPending = false;
  bool beginDone = false;
  size_t previousStart = npos;
  size_t previousEnd = npos;
  size_t nextToDisable = 0;  // physical lines that start before this were handled
  const size_t lastFilled = source.find_last_not_of('\n');
  const size_t emptyTail = lastFilled == std::string::npos ? 0 : lastFilled + 2;
  size_t pos = 0;
  while (pos < scan.size()) {
    const void* hit = std::memchr(scan.data() + pos, '\n', scan.size() - pos);
    if (!hit) break;
    const size_t lineFeed = static_cast<size_t>(static_cast<const char*>(hit) - scan.data());
    line.Extend(scan, lineFeed);
    bool headerHere = false;
    size_t headerMark = npos;

    // Return.
    if (const size_t kp = line.ret.pos; kp != npos) {
      const size_t point = line.KeywordPoint(scan, kp);
      const size_t after = kp + 6;
      if (point != npos &&
          (after == lineFeed || IsBlank(scan[after]) || scan[after] == '(' || scan[after] == '"')) {
        lastReturn = point;
      }
    }
    // Script end.
    if (const size_t point = line.KeywordPoint(scan, line.endScript.pos); point != npos) {
      insertAtBlockEnd(point, index.Collect(scriptName, MergeScriptLevel, 0));
      scriptName.clear();
      replacing = false;
    }
    // Script header.
    if (const size_t kp = line.script.keyword.pos;
        kp != npos && line.BlankBefore(kp) && (kp + 6 == lineFeed || IsBlank(scan[kp + 6]))) {
      if (line.script.close.pos != npos) {
        scriptName = headerName(line.script, 6);
        headerHere = true;
        lastReturn = npos;
        headerMark = replacementMark(scriptName, MergeReplace | MergeScriptLevel, line);
        replacing = headerMark != npos;
      } else {
        headerPending = true;
      }
    }
    // Function end.
    if (const size_t kp = line.KeywordPoint(scan, line.endFunction.pos); kp != npos) {
      std::string text = index.Collect(functionName, MergeFunctionLevel, 0);
      if (!text.empty()) {
        size_t point = kp;
        if (lastReturn != npos && !replacing) {
          // Before the final Return, unless the Return sits inside a block that ends later.
          const size_t from = lastReturn + 6 < lineFeed ? lastReturn + 6 : lineFeed;
          if (!HasWordAfterBlank(scan, from, lineFeed, "endif") &&
              !HasWordAfterBlank(scan, from, lineFeed, "endwhile") &&
              !HasWordAfterBlank(scan, from, lineFeed, "endfor")) {
            point = lastReturn;
          }
        }
        insertAtBlockEnd(point, std::move(text));
      }
      functionName.clear();
      replacing = false;
      lastReturn = npos;
    }
    // Function header.
    if (const size_t kp = line.function.keyword.pos; kp != npos) {
      if (line.function.beforeOk < 0) {
        line.function.beforeOk = line.BlankBefore(kp) ||
                                 IsReturnType(TrimBlanks(scan.substr(line.start, kp - line.start)));
      }
      if (line.function.beforeOk == 1 && (kp + 8 == lineFeed || IsBlank(scan[kp + 8]))) {
        if (line.function.close.pos != npos) {
          functionName = headerName(line.function, 8);
          headerHere = true;
          lastReturn = npos;
          headerMark = replacementMark(functionName, MergeReplace | MergeFunctionLevel, line);
          replacing = headerMark != npos;
        } else {
          headerPending = true;
        }
      }
    }
    // End of the line.
    if (headerHere) {
      headerPending = false;
      if (!beginDone) {
        beginDone = true;
        size_t at = line.start;
        if (previousStart != npos &&
            IsReturnType(TrimBlanks(scan.substr(previousStart, previousEnd - previousStart)))) {
          at = previousStart;  // a return type alone on the line before the header
        }
        output.Insert(at, index.Collect("", MergeFileLevel, 1));
      }
      if (headerMark != npos) output.Insert(headerMark, state.DisableMark, true);
    } else if (replacing) {
      // Every physical line, also those a block comment joins into this one.
      size_t start = nextToDisable > line.start ? nextToDisable : line.start;
      while (start <= lineFeed) {
        // Not the empty lines that end the text (a block left open to the end of the source):
        // the preparation adds one at each application, and a mark would keep it for good.
        if (start >= emptyTail) break;
        output.Insert(start, state.DisableMark, true);
        const void* next = std::memchr(source.data() + start, '\n', lineFeed - start);
        if (!next) break;
        start = static_cast<size_t>(static_cast<const char*>(next) - source.data()) + 1;
      }
    }
    nextToDisable = lineFeed + 1;
    if (!headerPending) {
      if (line.firstNonBlank != npos) {
        previousStart = line.start;
        previousEnd = lineFeed;
      }
      line.Reset(lineFeed + 1);
    }
    pos = lineFeed + 1;
  }

  const std::string endText = index.Collect("", MergeFileLevel, 0);
  if (!endText.empty() && !scan.empty() && scan.back() != '\n') {
    state.ConflictMessages += texts::kEndInComment;
    state.ConflictMessages += '\n';
  }
  state.ScriptText = output.Finish(endText);
}

}  // namespace zebo
