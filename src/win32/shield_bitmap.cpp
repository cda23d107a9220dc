#include "win32/shield_bitmap.h"

#include <shellapi.h>

#include <cstdint>
#include <vector>

#include "win32/dpi.h"
#include "win32/handles.h"

namespace duskfall {

namespace {

template <typename Function>
Function Shell32Function(const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"shell32.dll"), name)));
}

// The stock shield drawn for the size: its frame nearest to it, or the system's small one.
HICON ShieldIcon(int size) {
  // Windows Vista's: looked up, so that the program still starts on Windows XP.
  using SHGetStockIconInfoFn = HRESULT(WINAPI*)(SHSTOCKICONID, UINT, SHSTOCKICONINFO*);
  using SHDefExtractIconWFn = HRESULT(WINAPI*)(PCWSTR, int, UINT, HICON*, HICON*, UINT);
  const auto getStockIconInfo = Shell32Function<SHGetStockIconInfoFn>("SHGetStockIconInfo");
  const auto extractIcon = Shell32Function<SHDefExtractIconWFn>("SHDefExtractIconW");
  if (getStockIconInfo == nullptr) return nullptr;
  SHSTOCKICONINFO stock{};
  stock.cbSize = sizeof stock;
  HICON icon = nullptr;
  if (extractIcon != nullptr &&
      SUCCEEDED(getStockIconInfo(SIID_SHIELD, SHGSI_ICONLOCATION, &stock)) &&
      extractIcon(stock.szPath, stock.iIcon, 0, &icon, nullptr, static_cast<UINT>(size)) == S_OK) {
    return icon;
  }
  if (FAILED(getStockIconInfo(SIID_SHIELD, SHGSI_ICON | SHGSI_SMALLICON, &stock))) return nullptr;
  return stock.hIcon;
}

// 32-bit pixels in top-down rows.
BITMAPINFO PixelFormat(const BITMAP& size) {
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = size.bmWidth;
  format.bmiHeader.biHeight = -size.bmHeight;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  return format;
}

// The bitmap's pixels in that format, into bits; false when they cannot be read.
bool ReadPixels(HBITMAP bitmap, const BITMAP& size, void* bits) {
  BITMAPINFO format = PixelFormat(size);
  const HDC screen = GetDC(nullptr);
  const int lines = GetDIBits(screen, bitmap, 0, size.bmHeight, bits, &format, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  return lines == size.bmHeight;
}

}  // namespace

HBITMAP ShieldMenuBitmap(UINT dpi) {
  const UniqueIcon icon(ShieldIcon(SystemMetricForDpi(SM_CXSMICON, dpi)));
  ICONINFO parts{};
  if (!icon || !GetIconInfo(icon.get(), &parts)) return nullptr;
  const UniqueBitmap color(parts.hbmColor);
  const UniqueBitmap mask(parts.hbmMask);
  BITMAP size{};
  if (GetObjectW(parts.hbmColor, sizeof size, &size) == 0) return nullptr;

  const BITMAPINFO format = PixelFormat(size);
  void* bits = nullptr;
  UniqueBitmap shield(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!shield || !ReadPixels(parts.hbmColor, size, bits)) return nullptr;
  auto* pixels = static_cast<std::uint8_t*>(bits);
  const int bytes = size.bmWidth * size.bmHeight * 4;
  bool hasAlpha = false;
  for (int pixel = 0; pixel < bytes; pixel += 4) hasAlpha = hasAlpha || pixels[pixel + 3] != 0;
  // A frame of fewer colors carries no alpha: where its mask is black, the shield is opaque.
  if (!hasAlpha) {
    std::vector<std::uint8_t> maskPixels(static_cast<std::size_t>(bytes));
    if (!ReadPixels(parts.hbmMask, size, maskPixels.data())) return nullptr;
    for (int pixel = 0; pixel < bytes; pixel += 4) {
      pixels[pixel + 3] = maskPixels[static_cast<std::size_t>(pixel)] == 0 ? 255 : 0;
    }
  }
  // The icon's colors are straight; a menu blends its bitmap as premultiplied.
  for (int pixel = 0; pixel < bytes; pixel += 4) {
    const int alpha = pixels[pixel + 3];
    for (int channel = 0; channel < 3; ++channel) {
      pixels[pixel + channel] = static_cast<std::uint8_t>(pixels[pixel + channel] * alpha / 255);
    }
  }
  return static_cast<HBITMAP>(shield.release());
}

}  // namespace duskfall
