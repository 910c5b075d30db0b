// What a screen reader can name a control by: the accessibility layer's name, or the label
// created just before the control.
#include <oleacc.h>

#include "tests/e2e/harness/harness.h"

namespace zebo::e2e {

// The name the accessibility layer gives a control, or "" when it has none for it.
std::wstring AccessibleName(HWND hwnd) {
  // Spelled out: the import library's IID_IAccessible does not link to the right value.
  static const GUID kIAccessible = {
      0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
  IAccessible* accessible = nullptr;
  if (FAILED(::AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), kIAccessible,
                                          reinterpret_cast<void**>(&accessible))) ||
      accessible == nullptr) {
    return {};
  }
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  std::wstring text;
  if (SUCCEEDED(accessible->get_accName(self, &name)) && name != nullptr) {
    text = name;
    ::SysFreeString(name);
  }
  accessible->Release();
  return text;
}

// What screen readers fall back on: the text of the static control created just before.
std::wstring LabelBefore(HWND hwnd) {
  const HWND previous = ::GetWindow(hwnd, GW_HWNDPREV);
  if (previous == nullptr || _wcsicmp(ClassName(previous).c_str(), L"Static") != 0) return {};
  return WindowText(previous);
}

}  // namespace zebo::e2e
