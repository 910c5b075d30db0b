// Stand-in for the JAWS script compiler. It checks what the installer relies on of a script
// source (Script/EndScript and Function/EndFunction blocks balanced and not nested, strings
// closed on their line, comments skipped) and writes a compiled file with the extension ".jsb"
// beside the source. Exit code 0 on success, 1 with a message on stderr otherwise.
// ZEBO_SCOMPILE_SLEEP_MS makes it sleep that long first, to outlast a caller's time limit.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <cwctype>
#include <string>
#include <vector>

namespace {

int Fail(const std::wstring& file, int line, const char* message) {
  fwprintf(stderr, L"%ls(%d) : error : %hs\n", file.c_str(), line, message);
  return 1;
}

std::string Lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

std::vector<std::string> Words(const std::string& code) {
  std::vector<std::string> words;
  std::string word;
  for (char c : code) {
    const bool part =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    if (part) {
      word += c;
    } else if (!word.empty()) {
      words.push_back(Lower(word));
      word.clear();
    }
  }
  if (!word.empty()) words.push_back(Lower(word));
  return words;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  wchar_t sleepText[32];
  if (GetEnvironmentVariableW(L"ZEBO_SCOMPILE_SLEEP_MS", sleepText, 32) > 0) {
    Sleep(static_cast<DWORD>(wcstoul(sleepText, nullptr, 10)));
  }
  if (argc != 2) {
    fwprintf(stderr, L"usage: scompile <source.jss>\n");
    return 1;
  }
  const std::wstring source = argv[1];
  FILE* in = _wfopen(source.c_str(), L"rb");
  if (in == nullptr) return Fail(source, 0, "cannot open the source");
  std::string text;
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, in)) > 0;) text.append(buffer, n);
  fclose(in);

  enum { None, InScript, InFunction } block = None;
  int blockLine = 0, scripts = 0, functions = 0, lineNumber = 0;
  bool inComment = false;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    ++lineNumber;
    start = end + 1;
    std::string code;
    for (size_t i = 0; i < line.size(); ++i) {
      if (inComment) {
        if (line.compare(i, 2, "*/") == 0) {
          inComment = false;
          ++i;
        }
      } else if (line[i] == '"') {
        const size_t close = line.find('"', i + 1);
        if (close == std::string::npos) return Fail(source, lineNumber, "string not closed");
        code += " \"\" ";
        i = close;
      } else if (line[i] == ';') {
        break;
      } else if (line.compare(i, 2, "/*") == 0) {
        inComment = true;
        ++i;
      } else {
        code += line[i];
      }
    }
    const std::vector<std::string> words = Words(code);
    if (words.empty()) continue;
    const bool opensFunction =
        words[0] == "function" || (words.size() > 1 && words[1] == "function");
    if (words[0] == "script" || opensFunction) {
      if (block != None) return Fail(source, lineNumber, "block opened inside another block");
      block = opensFunction ? InFunction : InScript;
      blockLine = lineNumber;
    } else if (words[0] == "endscript" || words[0] == "endfunction") {
      if (block != (words[0] == "endscript" ? InScript : InFunction)) {
        return Fail(source, lineNumber, "end of a block that is not open");
      }
      ++(block == InScript ? scripts : functions);
      block = None;
    }
  }
  if (block != None) return Fail(source, blockLine, "block not closed");

  std::wstring compiled = source;
  const size_t dot = compiled.find_last_of(L".\\/");
  if (dot != std::wstring::npos && compiled[dot] == L'.') compiled.erase(dot);
  compiled += L".jsb";
  FILE* out = _wfopen(compiled.c_str(), L"wb");
  if (out == nullptr) return Fail(source, 0, "cannot write the compiled file");
  fprintf(out, "ZeBo stand-in binary: %d scripts, %d functions\r\n", scripts, functions);
  const bool written = fclose(out) == 0;
  return written ? 0 : Fail(source, 0, "cannot write the compiled file");
}
