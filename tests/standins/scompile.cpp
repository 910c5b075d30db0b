// Stand-in for the JAWS script compiler. It checks what the installer relies on of a script
// source (Script/EndScript and Function/EndFunction blocks balanced and not nested, strings
// closed on their line, comments skipped) and writes a compiled file with the extension ".jsb"
// beside the source. Exit code 0 on success, 1 with a message on stderr otherwise.
// ZEBO_SCOMPILE_SLEEP_MS makes it sleep that long first, to outlast a caller's time limit.
// ZEBO_SCOMPILE_LOG names a file to which each call appends the source's path as one line, so a
// test can see which sources were compiled and in which order. ZEBO_SCOMPILE_FAIL makes it fail
// (exit code 2) on every source whose file name is that text, in any case.
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

std::wstring Environment(const wchar_t* name) {
  wchar_t value[1024];
  const DWORD length = GetEnvironmentVariableW(name, value, 1024);
  return length > 0 && length < 1024 ? std::wstring(value, length) : std::wstring();
}

void LogCall(const std::wstring& source) {
  const std::wstring log = Environment(L"ZEBO_SCOMPILE_LOG");
  if (log.empty()) return;
  // Opened for appending and shared, so calls that overlap cannot lose a line.
  HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  const std::wstring line = source + L"\r\n";
  const int size = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), bytes.data(), size,
                      nullptr, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

bool AskedToFail(const std::wstring& source) {
  const std::wstring name = Environment(L"ZEBO_SCOMPILE_FAIL");
  if (name.empty()) return false;
  const size_t slash = source.find_last_of(L"\\/");
  const std::wstring file = slash == std::wstring::npos ? source : source.substr(slash + 1);
  return _wcsicmp(file.c_str(), name.c_str()) == 0;
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
  LogCall(source);
  if (AskedToFail(source)) {
    fwprintf(stderr, L"%ls(1) : error : failure asked for by ZEBO_SCOMPILE_FAIL\n", source.c_str());
    return 2;
  }
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
