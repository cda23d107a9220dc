#include "win32/dpi.h"

#include "win32/user32_function.h"

namespace duskfall {

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);

UINT ReadSystemDpi() {
  // A memory DC made for the screen reports its DPI, without the round trips to the window
  // manager that the screen's own DC costs.
  const HDC screen = CreateCompatibleDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  DeleteDC(screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace

UINT SystemDpi() {
  // A process keeps the system DPI it started with until the user logs on again, and every
  // mouse move over the window asks for it: read once.
  static const UINT dpi = ReadSystemDpi();
  return dpi;
}

UINT DpiForWindow(HWND window) {
  static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
  if (getDpiForWindow != nullptr && window != nullptr) {
    const UINT dpi = getDpiForWindow(window);
    if (dpi > 0) return dpi;
  }
  return SystemDpi();
}

UINT DpiAtPoint(POINT point) {
  // Windows 8.1's, in shcore, which the program does not otherwise load: taken from the system
  // folder only. Before Windows 8 the flag is refused, and there every monitor has the system's
  // DPI anyway.
  using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
  static const auto getDpiForMonitor = [] {
    const HMODULE shcore = LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (shcore == nullptr) return GetDpiForMonitorFn{};
    return reinterpret_cast<GetDpiForMonitorFn>(
        reinterpret_cast<void*>(GetProcAddress(shcore, "GetDpiForMonitor")));
  }();
  constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
  UINT dpiX = 0;
  UINT dpiY = 0;
  if (getDpiForMonitor != nullptr &&
      SUCCEEDED(getDpiForMonitor(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), kEffectiveDpi,
                                 &dpiX, &dpiY)) &&
      dpiX > 0) {
    return dpiX;
  }
  return SystemDpi();
}

int TwipsToPixels(int twips, UINT dpi) {
  return MulDiv(twips, static_cast<int>(dpi), kTwipsPerInch);
}

RECT TwipsToPixels(const TwipsRect& rect, UINT dpi) {
  const int left = TwipsToPixels(rect.left, dpi);
  const int top = TwipsToPixels(rect.top, dpi);
  return RECT{left, top, left + TwipsToPixels(rect.width, dpi),
              top + TwipsToPixels(rect.height, dpi)};
}

RECT WindowRectForClient(const RECT& client, DWORD style, DWORD exStyle, UINT dpi) {
  RECT rect = client;
  static const auto adjustForDpi =
      User32Function<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
  if (adjustForDpi != nullptr) {
    adjustForDpi(&rect, style, FALSE, exStyle, dpi);
  } else {
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  }
  return rect;
}

SIZE WindowSizeForClient(int widthTwips, int heightTwips, DWORD style, DWORD exStyle, UINT dpi) {
  const RECT rect = WindowRectForClient(
      RECT{0, 0, TwipsToPixels(widthTwips, dpi), TwipsToPixels(heightTwips, dpi)}, style, exStyle,
      dpi);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

int SystemMetricForDpi(int index, UINT dpi) {
  static const auto forDpi = User32Function<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
  if (forDpi != nullptr) return forDpi(index, dpi);
  return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(SystemDpi()));
}

void TakeSuggestedRect(HWND window, LPARAM suggested) {
  const RECT& rect = *reinterpret_cast<const RECT*>(suggested);
  SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

HFONT CreateDialogFont(UINT dpi, int tenthsOfPoint) {
  LOGFONTW font{};
  font.lfHeight = -MulDiv(tenthsOfPoint, static_cast<int>(dpi), 720);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = DEFAULT_QUALITY;
  lstrcpynW(font.lfFaceName, L"MS Shell Dlg 2", LF_FACESIZE);
  return CreateFontIndirectW(&font);
}

}  // namespace duskfall
