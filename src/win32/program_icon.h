// The program's icon at the size a place asks for. Where the icon has no image of that size
// (24 x 24 at 175 %, say), LoadIconWithScaleDown shrinks the next larger image, which stays
// sharp, where LoadImage would blow up a smaller one. Versions of the common controls before 6
// lack it: it is looked up at run time, and LoadImage serves there.
#pragma once

#include <windows.h>

#include "win32/handles.h"
#include "win32/resource_ids.h"

namespace duskfall {

inline UniqueIcon LoadProgramIcon(HINSTANCE instance, int pixels) {
  using LoadIconWithScaleDownFn = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);
  static const auto scaleDown = reinterpret_cast<LoadIconWithScaleDownFn>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"comctl32.dll"), "LoadIconWithScaleDown")));
  HICON icon = nullptr;
  if (scaleDown != nullptr &&
      SUCCEEDED(scaleDown(instance, MAKEINTRESOURCEW(kIconId), pixels, pixels, &icon))) {
    return UniqueIcon(icon);
  }
  return UniqueIcon(static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(kIconId), IMAGE_ICON, pixels, pixels, 0)));
}

}  // namespace duskfall
