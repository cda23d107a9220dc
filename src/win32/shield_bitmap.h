// The shield of User Account Control, which Windows shows on a command that asks for consent.
#pragma once

#include <windows.h>

namespace duskfall {

// The small shield for the DPI as a menu item bitmap, 32 bits with premultiplied alpha as menus
// blend it; null where Windows has no stock shield (before Vista). The caller deletes it.
HBITMAP ShieldMenuBitmap(UINT dpi);

}  // namespace duskfall
