// Owners for the Windows handles the program keeps.
#pragma once

#include <windows.h>

#include "platform/unique_any.h"

namespace duskfall {

struct WindowCloser {
  void operator()(HWND window) const { DestroyWindow(window); }
};
struct GdiObjectCloser {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct IconCloser {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
struct MenuCloser {
  void operator()(HMENU menu) const { DestroyMenu(menu); }
};

using UniqueWindow = UniqueAny<HWND, WindowCloser>;
using UniqueFont = UniqueAny<HGDIOBJ, GdiObjectCloser>;
using UniqueBrush = UniqueAny<HGDIOBJ, GdiObjectCloser>;
using UniqueBitmap = UniqueAny<HGDIOBJ, GdiObjectCloser>;
using UniqueHandle = UniqueAny<HANDLE, HandleCloser>;
using UniqueMenu = UniqueAny<HMENU, MenuCloser>;
using UniqueIcon = UniqueAny<HICON, IconCloser>;

}  // namespace duskfall
