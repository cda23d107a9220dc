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
struct MenuCloser {
  void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct IconCloser {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct KeyCloser {
  void operator()(HKEY key) const { RegCloseKey(key); }
};
struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};

using UniqueWindow = UniqueAny<HWND, WindowCloser>;
using UniqueFont = UniqueAny<HGDIOBJ, GdiObjectCloser>;
using UniqueBrush = UniqueAny<HGDIOBJ, GdiObjectCloser>;
using UniqueMenu = UniqueAny<HMENU, MenuCloser>;
using UniqueIcon = UniqueAny<HICON, IconCloser>;
using UniqueHandle = UniqueAny<HANDLE, HandleCloser>;

}  // namespace duskfall
