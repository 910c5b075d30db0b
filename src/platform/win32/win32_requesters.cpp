// The modal requesters: a one-line text input (a dialog built in memory, in the system's dialog
// font, scaled by the system) and the system's folder browser.
#include <vector>

#include "platform/win32/text.h"
#include "platform/win32/win32_ui.h"
// After the program's own headers: the shell's header brings back the A/W name macros.
#include <shlobj.h>

namespace zebo::win32 {
namespace {

constexpr WORD kPromptId = 100;
constexpr WORD kInputId = 101;

// A dialog template in memory: the header, then each item on a 4-byte boundary.
class DialogTemplate {
 public:
  DialogTemplate(DWORD style, WORD items, short width, short height) {
    DWord(style);
    DWord(0);
    Word(items);
    Words({0, 0, static_cast<WORD>(width), static_cast<WORD>(height)});
    Word(0);    // no menu
    Word(0);    // the standard dialog class
    Text(L"");  // the title is set when the dialog opens
    Word(8);    // with DS_SHELLFONT: the system's dialog font
    Text(L"MS Shell Dlg");
  }
  void Item(DWORD style, short x, short y, short width, short height, WORD id, WORD atom,
            const wchar_t* text) {
    if (words_.size() % 2 != 0) Word(0);
    DWord(style | WS_CHILD | WS_VISIBLE);
    DWord(0);
    Words({static_cast<WORD>(x), static_cast<WORD>(y), static_cast<WORD>(width),
           static_cast<WORD>(height), id, 0xFFFF, atom});
    Text(text);
    Word(0);  // no creation data
  }
  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void Word(WORD w) { words_.push_back(w); }
  void Words(std::initializer_list<WORD> ws) { words_.insert(words_.end(), ws); }
  void DWord(DWORD d) {
    Word(LOWORD(d));
    Word(HIWORD(d));
  }
  void Text(const wchar_t* text) {
    for (; *text; ++text) Word(static_cast<WORD>(*text));
    Word(0);
  }
  std::vector<WORD> words_;
};

struct InputState {
  std::wstring title, prompt, text;
};

INT_PTR CALLBACK InputProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    auto* state = reinterpret_cast<InputState*>(lparam);
    ::SetWindowLongPtrW(dialog, DWLP_USER, lparam);
    ::SetWindowTextW(dialog, state->title.c_str());
    ::SetDlgItemTextW(dialog, kPromptId, state->prompt.c_str());
    ::SetDlgItemTextW(dialog, kInputId, state->text.c_str());
    return TRUE;  // the focus goes to the first tab stop: the text field
  }
  if (message == WM_COMMAND && (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL)) {
    auto* state = reinterpret_cast<InputState*>(::GetWindowLongPtrW(dialog, DWLP_USER));
    if (LOWORD(wparam) == IDOK && state != nullptr) {
      const HWND input = ::GetDlgItem(dialog, kInputId);
      const int length = ::GetWindowTextLengthW(input);
      std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
      const int got = ::GetWindowTextW(input, text.data(), length + 1);
      text.resize(static_cast<size_t>(got > 0 ? got : 0));
      state->text = text;
    }
    ::EndDialog(dialog, LOWORD(wparam));
    return TRUE;
  }
  return FALSE;
}

int CALLBACK BrowseProc(HWND hwnd, UINT message, LPARAM, LPARAM data) {
  if (message == BFFM_INITIALIZED && data != 0) {
    ::SendMessageW(hwnd, BFFM_SETSELECTIONW, TRUE, data);
  }
  return 0;
}

}  // namespace

std::string Win32Ui::InputRequester(const std::string& title, const std::string& prompt,
                                    const std::string& defaultText) {
  // The prompt is created just before the field, so it names the field for screen readers.
  DialogTemplate dialog(
      DS_SHELLFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU, 4, 220, 60);
  dialog.Item(SS_LEFT | SS_NOPREFIX, 7, 7, 206, 10, kPromptId, 0x0082, L"");
  dialog.Item(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 19, 206, 12, kInputId, 0x0081, L"");
  dialog.Item(BS_DEFPUSHBUTTON | WS_TABSTOP, 109, 39, 50, 14, IDOK, 0x0080, L"OK");
  dialog.Item(BS_PUSHBUTTON | WS_TABSTOP, 163, 39, 50, 14, IDCANCEL, 0x0080, L"Annuler");
  InputState state{Widen(title), Widen(prompt), Widen(defaultText)};
  const INT_PTR result = ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), dialog.Get(), owner,
                                                   InputProc, reinterpret_cast<LPARAM>(&state));
  return result == IDOK ? Narrow(state.text) : std::string();
}

std::string Win32Ui::FolderRequester(const std::string& title, const std::string& startFolder) {
  std::wstring start = Widen(startFolder);
  // The browser finds "C:\Data" but not always "C:\Data\"; a drive root keeps its backslash.
  if (start.size() > 3 && start.back() == L'\\') start.pop_back();
  const std::wstring prompt = Widen(title);
  BROWSEINFOW browse{};
  browse.hwndOwner = owner;
  browse.lpszTitle = prompt.c_str();
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  browse.lpfn = BrowseProc;
  browse.lParam = start.empty() ? 0 : reinterpret_cast<LPARAM>(start.c_str());
  PIDLIST_ABSOLUTE chosen = ::SHBrowseForFolderW(&browse);
  if (chosen == nullptr) return {};
  wchar_t path[MAX_PATH] = {};
  const bool ok = ::SHGetPathFromIDListW(chosen, path) && path[0] != L'\0';
  ::CoTaskMemFree(chosen);
  if (!ok) return {};
  std::string folder = Narrow(path);
  if (folder.back() != '\\') folder += '\\';
  return folder;
}

}  // namespace zebo::win32
