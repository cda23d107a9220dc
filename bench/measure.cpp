// Measures a GUI program from inside Wine, for scripts/bench.
//
//   measure.exe startup <runs> (<name> <exe> <window class> <mode entries>)...
//     Starts each program <runs> times and reports, per start, the time from CreateProcess
//     until its window is visible, ready (its first combo box holds the given number of
//     entries; 0 for none) and painted, and its peak memory at that moment. Every program
//     starts in the same conditions: a round of unmeasured starts first takes the prefix's
//     first-start costs; then the programs take turns, each round in a shuffled order, so that
//     a drift of the machine and the program started before touch them all alike; each is
//     closed as a person would close it (WM_CLOSE, so no dead tray icon stays behind) and has
//     ended, and the tray has caught up, before the next one starts.
//   measure.exe countdown <exe> <seconds>
//     Starts Duskfall, sets a relative count-down of 10 minutes as the end-to-end driver does,
//     and reports the CPU time the process uses over the given seconds.
//
// Output is one "key=value" line per figure; scripts/bench reads it.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <numeric>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr DWORD kStartDeadlineMs = 60000;
constexpr UINT kMessageTimeoutMs = 5000;
constexpr DWORD kCloseDeadlineMs = 10000;
constexpr DWORD kSettleMs = 300;  // after a program ends, before the next one starts

double Milliseconds(LONGLONG ticks) {
  static const LONGLONG frequency = [] {
    LARGE_INTEGER value{};
    QueryPerformanceFrequency(&value);
    return value.QuadPart;
  }();
  return static_cast<double>(ticks) * 1000.0 / static_cast<double>(frequency);
}

LONGLONG Ticks() {
  LARGE_INTEGER value{};
  QueryPerformanceCounter(&value);
  return value.QuadPart;
}

std::optional<LRESULT> Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  if (SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kMessageTimeoutMs,
                          &result) == 0) {
    return std::nullopt;
  }
  return static_cast<LRESULT>(result);
}

std::wstring Text(HWND window) {
  wchar_t text[256] = {};
  Send(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
  return text;
}

std::string Narrow(const std::wstring& text) {
  std::string narrow;
  for (wchar_t ch : text) narrow += ch < 128 ? static_cast<char>(ch) : '?';
  return narrow;
}

// A program under measurement; ended when the object goes.
class Child {
 public:
  explicit Child(const std::wstring& path) {
    const std::wstring directory = path.substr(0, path.find_last_of(L"\\/"));
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startTicks_ = Ticks();
    if (CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       directory.c_str(), &startup, &info_) == 0) {
      info_ = {};
    }
  }
  ~Child() {
    if (info_.hProcess == nullptr) return;
    if (WaitForSingleObject(info_.hProcess, kCloseDeadlineMs) != WAIT_OBJECT_0) {
      TerminateProcess(info_.hProcess, 0);
      WaitForSingleObject(info_.hProcess, kCloseDeadlineMs);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
    // The desktop's tray has taken the icon away, then a pause for the rest of the prefix.
    if (const HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr)) {
      DWORD_PTR result = 0;
      SendMessageTimeoutW(tray, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kCloseDeadlineMs, &result);
    }
    Sleep(kSettleMs);
  }
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  bool Started() const { return info_.hProcess != nullptr; }
  bool Running() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }
  HANDLE Process() const { return info_.hProcess; }
  DWORD Id() const { return info_.dwProcessId; }
  LONGLONG StartTicks() const { return startTicks_; }
  bool Late() const { return Milliseconds(Ticks() - startTicks_) > kStartDeadlineMs; }

 private:
  PROCESS_INFORMATION info_{};
  LONGLONG startTicks_ = 0;
};

HWND VisibleWindow(const Child& child, const wchar_t* windowClass) {
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, windowClass, nullptr)) != nullptr) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == child.Id() && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

BOOL CALLBACK NoteUpdate(HWND window, LPARAM lParam) {
  if (IsWindowVisible(window) && GetUpdateRect(window, nullptr, FALSE)) {
    *reinterpret_cast<bool*>(lParam) = true;
  }
  return TRUE;
}

// Whether the window or a visible control on it still waits for WM_PAINT.
bool PaintPending(HWND window) {
  bool pending = GetUpdateRect(window, nullptr, FALSE) != FALSE;
  EnumChildWindows(window, NoteUpdate, reinterpret_cast<LPARAM>(&pending));
  return pending;
}

struct Ready {
  HWND window = nullptr;
  double visibleMs = 0;     // the window is visible
  double readyMs = 0;       // and its list is filled
  double milliseconds = 0;  // and painted
  int paintWaits = 0;       // polls that found a paint still pending: the check is not idle
};

// Polls, a millisecond apart at most, until the program's window is visible, its first combo
// box holds the entries start-up puts there, and nothing of it waits to be painted. Each check
// of the paint follows a message round trip, so the program's thread has run its queue.
std::optional<Ready> WaitUntilPainted(const Child& child, const wchar_t* windowClass,
                                      LRESULT entries) {
  Ready ready;
  while ((ready.window = VisibleWindow(child, windowClass)) == nullptr) {
    if (!child.Running() || child.Late()) return std::nullopt;
    Sleep(1);
  }
  ready.visibleMs = Milliseconds(Ticks() - child.StartTicks());
  if (entries > 0) {
    const HWND list = FindWindowExW(ready.window, nullptr, L"ComboBox", nullptr);
    if (list == nullptr) return std::nullopt;
    while (Send(list, CB_GETCOUNT).value_or(0) < entries) {
      if (!child.Running() || child.Late()) return std::nullopt;
      Sleep(1);
    }
  }
  ready.readyMs = Milliseconds(Ticks() - child.StartTicks());
  for (;;) {
    if (!Send(ready.window, WM_NULL) || !child.Running() || child.Late()) return std::nullopt;
    if (!PaintPending(ready.window)) break;
    ++ready.paintWaits;
    Sleep(1);
  }
  ready.milliseconds = Milliseconds(Ticks() - child.StartTicks());
  return ready;
}

double CpuMilliseconds(const FILETIME& time) {
  ULARGE_INTEGER value{};
  value.LowPart = time.dwLowDateTime;
  value.HighPart = time.dwHighDateTime;
  return static_cast<double>(value.QuadPart) / 10000.0;  // 100 ns units
}

bool ProcessCpu(HANDLE process, double& user, double& kernel) {
  FILETIME created{};
  FILETIME exited{};
  FILETIME kernelTime{};
  FILETIME userTime{};
  if (GetProcessTimes(process, &created, &exited, &kernelTime, &userTime) == 0) return false;
  user = CpuMilliseconds(userTime);
  kernel = CpuMilliseconds(kernelTime);
  return true;
}

struct Program {
  std::wstring name;
  std::wstring path;
  std::wstring windowClass;
  LRESULT entries;
  std::vector<double> milliseconds;
  std::vector<double> peakWorkingSet;
  std::vector<double> peakPagefile;
};

bool MeasureStart(Program& program, bool record, int run) {
  const Child child(program.path);
  if (!child.Started()) return false;
  const std::optional<Ready> ready =
      WaitUntilPainted(child, program.windowClass.c_str(), program.entries);
  if (!ready) return false;
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  const bool measured = GetProcessMemoryInfo(child.Process(), &memory, sizeof memory) != 0;
  PostMessageW(ready->window, WM_CLOSE, 0, 0);
  if (!measured) return false;
  if (!record) return true;
  program.milliseconds.push_back(ready->milliseconds);
  program.peakWorkingSet.push_back(static_cast<double>(memory.PeakWorkingSetSize));
  program.peakPagefile.push_back(static_cast<double>(memory.PeakPagefileUsage));
  std::printf(
      "startup name=%s run=%d ms=%.1f visible_ms=%.1f ready_ms=%.1f peak_working_set=%llu "
      "peak_pagefile=%llu paint_waits=%d\n",
      Narrow(program.name).c_str(), run, ready->milliseconds, ready->visibleMs, ready->readyMs,
      static_cast<unsigned long long>(memory.PeakWorkingSetSize),
      static_cast<unsigned long long>(memory.PeakPagefileUsage), ready->paintWaits);
  std::fflush(stdout);
  return true;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

int Startup(int runs, std::vector<Program>& programs) {
  for (Program& program : programs) {
    if (!MeasureStart(program, false, 0)) {
      std::fprintf(stderr, "%s did not show a painted window\n", Narrow(program.path).c_str());
      return 1;
    }
  }
  // Each round in its own order, the same from one bench run to the next.
  std::mt19937 shuffle(1);
  std::vector<std::size_t> order(programs.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  for (int run = 1; run <= runs; ++run) {
    std::shuffle(order.begin(), order.end(), shuffle);
    for (const std::size_t turn : order) {
      Program& program = programs[turn];
      if (!MeasureStart(program, true, run)) {
        std::fprintf(stderr, "%s did not show a painted window\n", Narrow(program.path).c_str());
        return 1;
      }
    }
  }
  for (const Program& program : programs) {
    std::printf("startup-median name=%s runs=%d ms=%.1f peak_working_set=%.0f peak_pagefile=%.0f\n",
                Narrow(program.name).c_str(), runs, Median(program.milliseconds),
                Median(program.peakWorkingSet), Median(program.peakPagefile));
  }
  return 0;
}

int Countdown(const std::wstring& path, int seconds) {
  const Child child(path);
  if (!child.Started()) return 1;
  const std::optional<Ready> ready = WaitUntilPainted(child, L"DuskfallForm1", 3);
  if (!ready) {
    std::fprintf(stderr, "Duskfall did not show its main window\n");
    return 1;
  }
  // Relative Time, 10 minutes, Set: as the person at the window would choose them.
  const HWND list = FindWindowExW(ready->window, nullptr, L"ComboBox", nullptr);
  const HWND minutes = FindWindowExW(ready->window, nullptr, L"Edit", nullptr);
  const HWND set = FindWindowExW(ready->window, nullptr, L"Button", L"Set");
  if (list == nullptr || minutes == nullptr || set == nullptr) {
    std::fprintf(stderr, "the main window's controls were not found\n");
    return 1;
  }
  Send(list, CB_SETCURSEL, 2);
  Send(ready->window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
       reinterpret_cast<LPARAM>(list));
  const std::wstring chosen = L"10";
  Send(minutes, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(chosen.c_str()));
  PostMessageW(set, BM_CLICK, 0, 0);
  const LONGLONG pressed = Ticks();
  while (Text(set) != L"Cancel") {
    if (Milliseconds(Ticks() - pressed) > 10000 || !child.Running()) {
      std::fprintf(stderr, "the count-down did not start\n");
      return 1;
    }
    Sleep(10);
  }
  // A second for the start to settle; the first tick, a minute after the start, then falls
  // inside the measured minute.
  Sleep(1000);
  double userBefore = 0;
  double kernelBefore = 0;
  double userAfter = 0;
  double kernelAfter = 0;
  if (!ProcessCpu(child.Process(), userBefore, kernelBefore)) return 1;
  const LONGLONG begin = Ticks();
  std::printf("countdown-window begin\n");
  std::fflush(stdout);
  Sleep(static_cast<DWORD>(seconds) * 1000);
  if (!ProcessCpu(child.Process(), userAfter, kernelAfter)) return 1;
  const double wall = Milliseconds(Ticks() - begin);
  std::printf("countdown-window end\n");
  std::fflush(stdout);
  const std::wstring shown = Text(minutes);
  std::printf(
      "countdown seconds=%d wall_ms=%.0f user_ms=%.1f kernel_ms=%.1f cpu_ms=%.1f "
      "minutes_set=%s minutes_shown=%s startup_user_ms=%.1f startup_kernel_ms=%.1f\n",
      seconds, wall, userAfter - userBefore, kernelAfter - kernelBefore,
      (userAfter - userBefore) + (kernelAfter - kernelBefore), Narrow(chosen).c_str(),
      Narrow(shown).c_str(), userBefore, kernelBefore);
  std::fflush(stdout);
  // A moment for scripts/bench to read the process's figures from Linux's side as well.
  Sleep(3000);
  const bool running = child.Running();
  PostMessageW(ready->window, WM_CLOSE, 0, 0);
  return running ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring mode = argc > 1 ? argv[1] : L"";
  if (mode == L"startup" && argc >= 7 && (argc - 3) % 4 == 0) {
    const int runs = std::max(1, static_cast<int>(std::wcstol(argv[2], nullptr, 10)));
    std::vector<Program> programs;
    for (int i = 3; i + 3 < argc; i += 4) {
      programs.push_back(
          {argv[i], argv[i + 1], argv[i + 2], std::wcstol(argv[i + 3], nullptr, 10), {}, {}, {}});
    }
    return Startup(runs, programs);
  }
  if (mode == L"countdown" && argc == 4) {
    return Countdown(argv[2], std::max(1, static_cast<int>(std::wcstol(argv[3], nullptr, 10))));
  }
  std::fprintf(stderr,
               "usage: measure.exe startup <runs> (<name> <exe> <window class> <entries>)...\n"
               "       measure.exe countdown <exe> <seconds>\n");
  return 2;
}
