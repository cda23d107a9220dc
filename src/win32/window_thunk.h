// What every window class of the program shares: the window procedure that finds the C++ object
// a window belongs to, and the focused control kept across losing and regaining activation.
#pragma once

#include <windows.h>

namespace duskfall {

// The window procedure of a class whose objects have AttachWindow, DetachWindow and
// HandleMessage: the object comes in through CreateWindowEx's last argument and is released
// at WM_NCDESTROY.
template <typename Owner>
LRESULT CALLBACK WindowThunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* owner = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    owner->AttachWindow(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
  }
  auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (owner == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    owner->DetachWindow();
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return owner->HandleMessage(message, wParam, lParam);
}

// A plain window forgets its focused control when it loses activation: keep it, and give the
// focus back (or to the first control in the tab order) when the window is active again.
class FocusKeeper {
 public:
  void OnActivate(HWND window, WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
      const HWND focus = GetFocus();
      if (focus != nullptr && IsChild(window, focus)) saved_ = focus;
      return;
    }
    if (saved_ == nullptr || !IsWindow(saved_) || !IsChild(window, saved_) ||
        !IsWindowEnabled(saved_)) {
      saved_ = GetNextDlgTabItem(window, nullptr, FALSE);
    }
    if (saved_ != nullptr) SetFocus(saved_);
  }

 private:
  HWND saved_ = nullptr;
};

}  // namespace duskfall
