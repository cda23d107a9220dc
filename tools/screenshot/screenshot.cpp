// Starts Duskfall.exe from its own folder, shows its windows one after the other and saves a
// PNG picture of each: for the README, and for scripts/run on a machine without a display.
//
//   duskfall_screenshot.exe <folder> [--all] [--suffix <text>]
//
// Without --all it saves main-window<suffix>.png only; with it also tray-menu, about-window,
// main-window-running and tray-warning. Every step waits for what it needs, up to a deadline.
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "text/texts.h"
#include "win32/text_resources.h"

namespace {

bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::seconds deadline = std::chrono::seconds(20)) {
  const auto end = std::chrono::steady_clock::now() + deadline;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    Sleep(20);
  }
  return true;
}

// A button's caption in the language the program shows.
const wchar_t* Caption(duskfall::TextId id) { return duskfall::Text(id).c_str(); }

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result);
  return static_cast<LRESULT>(result);
}

// A visible window of the class under the parent (nullptr: a top-level one) that belongs to the
// process and, when a text is given, shows it.
HWND Find(DWORD processId, HWND parent, const wchar_t* windowClass, const wchar_t* text = nullptr) {
  for (HWND window = FindWindowExW(parent, nullptr, windowClass, nullptr); window != nullptr;
       window = FindWindowExW(parent, window, windowClass, nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t caption[64] = {};
    if (text != nullptr) Send(window, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(caption));
    if (owner == processId && IsWindowVisible(window) &&
        (text == nullptr || caption == std::wstring(text))) {
      return window;
    }
  }
  return nullptr;
}

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(std::uint8_t(value >> shift));
}

void PutChunk(std::vector<std::uint8_t>& png, const char* type,
              const std::vector<std::uint8_t>& data) {
  PutBigEndian(png, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = png.size();
  png.insert(png.end(), type, type + 4);
  png.insert(png.end(), data.begin(), data.end());
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::size_t i = start; i < png.size(); ++i) {
    crc ^= png[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  PutBigEndian(png, ~crc);
}

// An RGB PNG of top-down BGRA pixels in stored (uncompressed) deflate blocks: little code, and
// optipng shrinks the pictures that go into the repository.
bool WritePng(const std::wstring& path, int width, int height, const std::uint8_t* bgra) {
  std::vector<std::uint8_t> raw;
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);  // no filter
    for (const std::uint8_t* pixel = bgra + std::size_t(y) * width * 4;
         pixel != bgra + std::size_t(y + 1) * width * 4; pixel += 4) {
      raw.insert(raw.end(), {pixel[2], pixel[1], pixel[0]});
    }
  }
  std::vector<std::uint8_t> zlib = {0x78, 0x01};
  for (std::size_t offset = 0; offset < raw.size();) {
    const std::size_t length = std::min<std::size_t>(65535, raw.size() - offset);
    const auto low = std::uint8_t(length), high = std::uint8_t(length >> 8);
    const auto last = std::uint8_t(offset + length == raw.size());
    zlib.insert(zlib.end(), {last, low, high, std::uint8_t(~low), std::uint8_t(~high)});
    zlib.insert(zlib.end(), raw.begin() + std::ptrdiff_t(offset),
                raw.begin() + std::ptrdiff_t(offset + length));
    offset += length;
  }
  std::uint32_t a = 1, b = 0;  // Adler-32
  for (std::uint8_t byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  PutBigEndian(zlib, (b << 16) | a);
  std::vector<std::uint8_t> header;
  PutBigEndian(header, static_cast<std::uint32_t>(width));
  PutBigEndian(header, static_cast<std::uint32_t>(height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB
  std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", zlib);
  PutChunk(png, "IEND", {});
  FILE* file = _wfopen(path.c_str(), L"wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(png.data(), 1, png.size(), file) == png.size();
  return std::fclose(file) == 0 && written;
}

// The screen's pixels in a rectangle, top-down BGRA.
std::vector<std::uint8_t> Grab(const RECT& rect) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<std::uint8_t> pixels(std::size_t(width) * height * 4);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  SelectObject(memory, previous);
  GetDIBits(memory, bitmap, 0, UINT(height), pixels.data(), &info, DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

bool Fail(const char* what) {
  std::fprintf(stderr, "duskfall_screenshot: %s\n", what);
  return false;
}

std::wstring folder, suffix;

// Saves a window's place on the screen, or the given part of the screen, once two grabs in a row
// agree, so that the picture shows the window fully drawn. The grabs lie further apart than the
// 50 ms in which Wine passes what a window drew on to the display.
bool Save(HWND window, const wchar_t* name, const RECT* area = nullptr) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT rect{};
  GetWindowRect(window, &rect);
  if (area != nullptr) rect = *area;
  std::vector<std::uint8_t> pixels = Grab(rect), previous;
  WaitUntil([&] {
    previous.swap(pixels);
    Sleep(60);
    pixels = Grab(rect);
    return pixels == previous;
  });
  const std::wstring path = folder + L"\\" + name + suffix + L".png";
  if (!WritePng(path, rect.right - rect.left, rect.bottom - rect.top, pixels.data())) {
    return Fail("a picture could not be written");
  }
  std::printf("saved %ls%ls.png\n", name, suffix.c_str());
  return true;
}

// Brings a window forward, so that its caption is drawn active; a picture is taken either way.
void Activate(HWND window) {
  SetForegroundWindow(window);
  WaitUntil([&] { return GetForegroundWindow() == window; }, std::chrono::seconds(2));
}

// The tray menu, the About window and a running count-down, in the order a user might go.
bool SaveTheOthers(DWORD id, HWND window) {
  // The menu opens where the shell's callback message finds the pointer: beside the window.
  RECT place{};
  GetWindowRect(window, &place);
  SetCursorPos(place.right + 20, place.top + 20);
  const auto openMenu = [&] {
    PostMessageW(window, WM_MOUSEMOVE, 0, WM_RBUTTONUP);  // the icon's callback: a right click
    HWND menu = nullptr;
    WaitUntil([&] { return (menu = Find(id, nullptr, L"#32768")) != nullptr; });
    return menu;
  };
  HWND menu = openMenu();
  if (menu == nullptr) return Fail("the tray menu did not open");
  if (!Save(menu, L"tray-menu")) return false;
  PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
  WaitUntil([&] { return Find(id, nullptr, L"#32768") == nullptr; });

  // About is the menu's first item; the menu's own loop reads these keys.
  if ((menu = openMenu()) == nullptr) return Fail("the tray menu did not open");
  PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
  HWND about = nullptr;
  if (!WaitUntil([&] { return (about = Find(id, nullptr, L"DuskfallAbout")) != nullptr; })) {
    return Fail("the About window did not open");
  }
  Activate(about);
  if (!Save(about, L"about-window")) return false;
  PostMessageW(about, WM_CLOSE, 0, 0);
  WaitUntil([&] { return Find(id, nullptr, L"DuskfallAbout") == nullptr; });

  // A relative count-down of 30 minutes, set as a user would, and cancelled after the picture.
  const HWND modes = Find(id, window, L"ComboBox");
  Send(modes, CB_SETCURSEL, 2);
  Send(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(modes), CBN_SELCHANGE), LPARAM(modes));
  Send(Find(id, window, L"Edit"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"30"));
  PostMessageW(Find(id, window, L"Button", Caption(duskfall::TextId::kCaptionSet)), BM_CLICK, 0, 0);
  HWND cancel = nullptr;
  if (!WaitUntil([&] {
        return (cancel = Find(id, window, L"Button", Caption(duskfall::TextId::kCaptionCancel))) !=
               nullptr;
      })) {
    return Fail("the count-down did not start");
  }
  Activate(window);
  if (!Save(window, L"main-window-running")) return false;
  PostMessageW(cancel, BM_CLICK, 0, 0);
  if (!WaitUntil([&] {
        return Find(id, window, L"Button", Caption(duskfall::TextId::kCaptionSet)) != nullptr;
      })) {
    return Fail("the count-down did not end");
  }

  // A count-down of one minute warns at once: the shell's balloon, with the taskbar below it.
  Send(Find(id, window, L"Edit"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"1"));
  PostMessageW(Find(id, window, L"Button", Caption(duskfall::TextId::kCaptionSet)), BM_CLICK, 0, 0);
  const HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
  HWND balloon = nullptr;
  WaitUntil([&] {
    for (balloon = FindWindowW(L"tooltips_class32", nullptr); balloon != nullptr;
         balloon = FindWindowExW(nullptr, balloon, L"tooltips_class32", nullptr)) {
      if (IsWindowVisible(balloon) && GetWindow(balloon, GW_OWNER) == taskbar) return true;
    }
    return false;
  });
  if (taskbar == nullptr || balloon == nullptr) return Fail("the warning did not show");
  RECT area{}, below{};
  GetWindowRect(balloon, &area);
  GetWindowRect(taskbar, &below);
  area.bottom = below.bottom;
  if (!Save(balloon, L"tray-warning", &area)) return false;
  PostMessageW(Find(id, window, L"Button", Caption(duskfall::TextId::kCaptionCancel)), BM_CLICK, 0,
               0);
  return WaitUntil([&] {
           return Find(id, window, L"Button", Caption(duskfall::TextId::kCaptionSet)) != nullptr;
         }) ||
         Fail("the count-down did not end");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  SetProcessDPIAware();  // pixels as they are on the screen, whatever its DPI
  bool all = false;
  for (int i = 1; i < argc; ++i) {
    const std::wstring argument = argv[i];
    if (argument == L"--all") {
      all = true;
    } else if (argument == L"--suffix" && i + 1 < argc) {
      suffix = argv[++i];
    } else {
      folder = argument;
    }
  }
  if (folder.empty()) {
    std::fputs("usage: duskfall_screenshot <folder> [--all] [--suffix <text>]\n", stderr);
    return 2;
  }
  CreateDirectoryW(folder.c_str(), nullptr);

  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring directory = self;
  directory.resize(directory.find_last_of(L"\\/"));
  const std::wstring program = directory + L"\\Duskfall.exe";
  std::wstring commandLine = L"\"" + program + L"\"";
  duskfall::LoadDisplayTexts(LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      directory.c_str(), &startup, &process)) {
    Fail("Duskfall.exe could not be started");
    return 1;
  }
  const DWORD id = process.dwProcessId;
  HWND window = nullptr;
  // Start-up is over once the mode list holds its entries.
  bool saved = WaitUntil([&] {
                 window = Find(id, nullptr, L"DuskfallForm1");
                 return window != nullptr && Send(Find(id, window, L"ComboBox"), CB_GETCOUNT) == 3;
               }) ||
               Fail("the main window did not appear");
  if (saved) Activate(window);
  saved = saved && Save(window, L"main-window") && (!all || SaveTheOthers(id, window));
  if (window != nullptr) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0) {
    saved = Fail("Duskfall did not end");
    TerminateProcess(process.hProcess, 1);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return saved ? 0 : 1;
}
