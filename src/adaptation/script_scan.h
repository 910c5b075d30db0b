// Reading a JAWS script source as the engine does (comments, strings, the scan copy) and taking an
// adaptation's changes out of it again by its tag.
#pragma once

#include <string>
#include <string_view>

#include "adaptation/adaptation_state.h"

namespace zebo {

// The scan copy of a prepared source: same length, lower case, tabs as blanks, the content of
// ";" comments, "/* */" comments and strings as blanks (a string keeps its two quotes). A line
// feed inside a block comment is blanked too, which joins the comment's lines.
std::string BuildScanText(std::string_view text);
// The same into `scan`, reusing its storage.
void BuildScanText(std::string_view text, std::string& scan);

// True when a line, scanned on its own, ends inside a string or a block comment: a mark written
// after it would not be seen as a comment.
bool LineLeavesOpen(std::string_view line);

// The mark texts of a tag, as written into the source.
std::string InsertMarkOf(const std::string& tag);
std::string DisableMarkOf(const std::string& tag);

// Prepares ScriptText (a line feed appended, every carriage return deleted), deletes every line
// that carries this tag's insertion mark and every disable mark of this tag, then builds ScanText
// from the text as it is left.
void RemoveAdaptations(AdaptationState& state, const std::string& tag);

// Calls onPair(open, close, innerStart, innerEnd) for the bracket pairs of text[from, to): the
// first "[" at or after the search start and the first "]" after it; the inner range is without
// blanks at its ends. onPair returns where the search goes on, or npos to stop.
template <class OnPair>
void ForEachBracketPair(std::string_view text, size_t from, size_t to, OnPair&& onPair);

// The program's case folding of one byte.
unsigned char LowerByte(unsigned char c);

// Whether text[start, end) equals `lower` (already lower case) once folded.
bool EqualsFolded(std::string_view text, size_t start, size_t end, std::string_view lower);

template <class OnPair>
void ForEachBracketPair(std::string_view text, size_t from, size_t to, OnPair&& onPair) {
  constexpr size_t npos = std::string_view::npos;
  size_t close = npos;
  size_t closeTrim = 0;  // end of the text before `close` without its final blanks
  size_t pos = from;
  while (pos < to) {
    const size_t open = text.substr(0, to).find('[', pos);
    if (open == npos) return;
    if (close == npos || close < open) {
      close = text.substr(0, to).find(']', open);
      if (close == npos) return;
      closeTrim = close;
      while (closeTrim > open + 1 && text[closeTrim - 1] == ' ') --closeTrim;
    }
    const size_t innerEnd = closeTrim > open + 1 ? closeTrim : open + 1;
    size_t innerStart = open + 1;
    while (innerStart < innerEnd && text[innerStart] == ' ') ++innerStart;
    pos = onPair(open, close, innerStart, innerEnd);
  }
}

}  // namespace zebo
