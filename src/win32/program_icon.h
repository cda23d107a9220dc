// The program's icon at the size a place asks for, taken from the image drawn for that size
// rather than shrunk or stretched from another.
#pragma once

#include <windows.h>

#include "win32/handles.h"
#include "win32/resource_ids.h"

namespace duskfall {

inline UniqueIcon LoadProgramIcon(HINSTANCE instance, int pixels) {
  return UniqueIcon(static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(kIconId), IMAGE_ICON, pixels, pixels, 0)));
}

}  // namespace duskfall
