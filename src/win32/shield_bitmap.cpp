#include "win32/shield_bitmap.h"

#include <shellapi.h>

#include <cstdint>

#include "win32/handles.h"

namespace duskfall {

HBITMAP ShieldMenuBitmap() {
  // Windows Vista's: looked up, so that the program still starts on Windows XP.
  using SHGetStockIconInfoFn = HRESULT(WINAPI*)(SHSTOCKICONID, UINT, SHSTOCKICONINFO*);
  const auto getStockIconInfo = reinterpret_cast<SHGetStockIconInfoFn>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"shell32.dll"), "SHGetStockIconInfo")));
  if (getStockIconInfo == nullptr) return nullptr;
  SHSTOCKICONINFO stock{};
  stock.cbSize = sizeof stock;
  if (FAILED(getStockIconInfo(SIID_SHIELD, SHGSI_ICON | SHGSI_SMALLICON, &stock))) return nullptr;
  const UniqueIcon icon(stock.hIcon);
  ICONINFO parts{};
  if (!GetIconInfo(icon.get(), &parts)) return nullptr;
  const UniqueBitmap color(parts.hbmColor);
  const UniqueBitmap mask(parts.hbmMask);
  BITMAP size{};
  if (GetObjectW(parts.hbmColor, sizeof size, &size) == 0) return nullptr;

  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = size.bmWidth;
  format.bmiHeader.biHeight = -size.bmHeight;  // top-down
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap shield(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!shield) return nullptr;
  const HDC screen = GetDC(nullptr);
  const int lines =
      GetDIBits(screen, parts.hbmColor, 0, size.bmHeight, bits, &format, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (lines != size.bmHeight) return nullptr;
  // The icon's colors are straight; a menu blends its bitmap as premultiplied.
  auto* pixels = static_cast<std::uint8_t*>(bits);
  const int bytes = size.bmWidth * size.bmHeight * 4;
  for (int pixel = 0; pixel < bytes; pixel += 4) {
    const int alpha = pixels[pixel + 3];
    for (int channel = 0; channel < 3; ++channel) {
      pixels[pixel + channel] = static_cast<std::uint8_t>(pixels[pixel + channel] * alpha / 255);
    }
  }
  return static_cast<HBITMAP>(shield.release());
}

}  // namespace duskfall
