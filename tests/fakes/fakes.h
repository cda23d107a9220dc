// In-memory stand-ins for the registry, the controls, the windows and the system services. They
// hold what the real ones would show and write their calls into one shared log, so a test reads
// the state a user sees and the order the system was asked in.
#pragma once

#include <algorithm>
#include <cwctype>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <tuple>

#include "app/form_builder.h"

namespace duskfall::testing {

using Log = std::vector<std::string>;
using Bytes = std::vector<std::uint8_t>;
using Box = std::tuple<std::wstring, std::uint32_t, std::wstring>;  // text, style, title

inline std::string Lower(std::wstring_view text) {
  std::string lower;
  for (wchar_t c : text) lower += static_cast<char>(std::towlower(c));
  return lower;
}
inline std::string Lower(std::string_view s) { return Lower(std::wstring(s.begin(), s.end())); }
// A text as REG_SZ data, with its terminating NUL.
inline Bytes Sz(const std::string& s) { return Bytes(s.c_str(), s.c_str() + s.size() + 1); }
// The boxes a test expects: one, or none for a null text.
inline std::vector<Box> Shown(const wchar_t* text, std::uint32_t style, const wchar_t* title) {
  return text ? std::vector<Box>{{text, style, title}} : std::vector<Box>{};
}

// HKEY_LOCAL_MACHINE as a map of key paths to values, case-insensitive, answering like advapi32:
// missing keys and values give 2, rights that a handle or a read-only key lacks give 5.
struct FakeRegistry : RegistryApi {
  std::map<std::string, std::map<std::string, std::pair<std::uint32_t, Bytes>>> keys;
  std::set<std::string> readOnly;  // as for a user without administrator rights
  std::map<RegKey, std::pair<std::string, std::uint32_t>> handles;  // open: key, access
  Log* log = nullptr;
  RegKey opened = 0;

  void Put(const std::string& key, const std::string& name, std::uint32_t type, Bytes data) {
    keys[Lower(key)][Lower(name)] = {type, std::move(data)};
  }
  // A text value without its terminating NUL; "-" for no value, or one stored without the NUL.
  std::string Text(const std::string& key, const std::string& name) {
    const auto& values = keys[Lower(key)];
    const Bytes data = values.count(Lower(name)) ? values.at(Lower(name)).second : Bytes{};
    return data.empty() || data.back() != 0 ? "-" : std::string(data.begin(), data.end() - 1);
  }
  std::int32_t RegOpenKeyExA(RegKey root, const std::string& key, std::uint32_t,
                             std::uint32_t access, RegKey* result) override {
    *result = 0;
    if (root != kHkeyLocalMachine || !keys.count(Lower(key))) return kErrorFileNotFound;
    return Grant("RegOpenKeyExA", key, access, result);
  }
  std::int32_t RegCreateKeyExA(RegKey, const std::string& key, std::uint32_t, std::uint32_t access,
                               RegKey* result, std::uint32_t*) override {
    keys[Lower(key)];  // made when missing
    return Grant("RegCreateKeyExA", key, access, result);
  }
  std::int32_t RegQueryValueExA(RegKey key, const std::string& name, std::uint32_t* type,
                                std::uint8_t* data, std::uint32_t* size) override {
    const auto& [path, access] = handles.at(key);
    if (!(access & kKeyQueryValue)) return kErrorAccessDenied;
    if (!keys[path].count(Lower(name))) return kErrorFileNotFound;
    const auto& [stored, bytes] = keys[path][Lower(name)];
    const bool fits = data == nullptr || *size >= bytes.size();
    if (data != nullptr && fits) std::copy(bytes.begin(), bytes.end(), data);
    *type = stored;
    *size = static_cast<std::uint32_t>(bytes.size());
    return fits ? kErrorSuccess : kErrorMoreData;
  }
  std::int32_t RegSetValueExA(RegKey key, const std::string& name, std::uint32_t type,
                              const std::uint8_t* data, std::uint32_t size) override {
    if (!(handles.at(key).second & kKeySetValue)) return kErrorAccessDenied;
    keys[handles.at(key).first][Lower(name)] = {type, Bytes(data, data + size)};
    return kErrorSuccess;
  }
  std::int32_t RegDeleteValueA(RegKey key, const std::string& name) override {
    if (!(handles.at(key).second & kKeySetValue)) return kErrorAccessDenied;
    return keys[handles.at(key).first].erase(Lower(name)) ? kErrorSuccess : kErrorFileNotFound;
  }
  std::int32_t RegDeleteKeyA(RegKey, const std::string& key) override {
    return readOnly.count(Lower(key)) ? kErrorAccessDenied : keys.erase(Lower(key)) ? 0 : 2;
  }
  std::int32_t RegQueryInfoKeyA(RegKey key, std::uint32_t* subs, std::uint32_t* values) override {
    const std::string below = handles.at(key).first + "\\";
    *subs = std::ranges::count_if(keys, [&](const auto& k) { return k.first.starts_with(below); });
    *values = keys[handles.at(key).first].size();
    return kErrorSuccess;
  }
  std::int32_t RegCloseKey(RegKey key) override {
    if (log != nullptr) log->push_back("RegCloseKey");
    return handles.erase(key) ? kErrorSuccess : kErrorInvalidHandle;
  }
  std::int32_t Grant(const char* call, const std::string& key, std::uint32_t access,
                     RegKey* result) {
    if (log != nullptr) log->push_back(call + (" " + Lower(key)) + " " + std::to_string(access));
    *result = 0;
    if (readOnly.count(Lower(key)) && (access & ~kKeyRead)) return kErrorAccessDenied;
    *result = 0x1000 + 4 * ++opened;
    handles[*result] = {Lower(key), access};
    return kErrorSuccess;
  }
};

// Every other system service: message boxes, the code page (Latin-1), the tray, the power-off
// calls, clock, locale, program launch and the tray menu. Calls are logged with their arguments.
struct FakeSystem : Dialogs, AnsiCodePage, TrayApi, PowerApi, SystemApi, TrayMenuHost {
  explicit FakeSystem(Log& shared) : log(shared) {}
  Log& log;
  std::vector<Box> boxes;
  std::vector<NotifyIconRecord> tray;
  std::vector<NotifyIconBalloon> balloons;
  std::map<std::string, std::pair<std::uint32_t, bool>> failWith;  // call: error left, fails
  std::uint32_t lastError = 0;
  DateTime now;
  std::wstring separator = L".";
  double twipsPerPixel = 15;
  std::set<std::wstring> startable;
  std::set<std::wstring> files;
  TwipsPoint pointer;
  Elevation elevation = Elevation::kFull;

  void ShowMessage(const std::wstring& text, std::uint32_t style,
                   const std::wstring& title) override {
    boxes.push_back({text, style, title});
  }
  std::string ToAnsi(std::wstring_view text) const override {
    std::string bytes;
    for (wchar_t c : text) bytes += c < 256 ? static_cast<char>(c) : '?';
    return bytes;
  }
  std::wstring FromAnsi(std::string_view bytes) const override {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    return std::wstring(data, data + bytes.size());
  }
  bool Shell_NotifyIconW(std::uint32_t message, const NotifyIconRecord& record) override {
    tray.push_back(record);
    return Step("Shell_NotifyIconW", message);
  }
  bool Shell_NotifyIconW(std::uint32_t message, const NotifyIconBalloon& balloon) override {
    balloons.push_back(balloon);
    return Step("Shell_NotifyIconW", message);
  }
  void SetLastError(std::uint32_t error) override { lastError = error; }
  std::uint32_t GetLastError() override { return lastError; }
  SysHandle GetCurrentProcess() override { return Step("GetCurrentProcess") ? 0x99 : 0; }
  bool OpenProcessToken(SysHandle process, std::uint32_t access, SysHandle* token) override {
    *token = Step("OpenProcessToken", process, access) ? 0x44 : 0;
    return *token != 0;
  }
  bool LookupPrivilegeValueA(const std::string& system, const std::string& name,
                             Luid* luid) override {
    *luid = Luid{0x13, 0};
    return Step(("LookupPrivilegeValueA '" + system + "' " + name).c_str());
  }
  bool AdjustTokenPrivileges(SysHandle token, bool disableAll, const TokenPrivileges& state,
                             std::uint32_t length, TokenPrivileges*, std::uint32_t*) override {
    return Step("AdjustTokenPrivileges", token, disableAll, state.privilegeCount,
                state.luid.lowPart, state.attributes, length);
  }
  bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) override {
    return Step("ExitWindowsEx", flags, reason);
  }
  bool CloseHandle(SysHandle handle) override { return Step("CloseHandle", handle); }
  std::uint32_t GetVersion() override { return 0x23F00206; }  // NT: bit 31 clear
  DateTime LocalNow() override { return now; }
  std::wstring DecimalSeparator() override { return separator; }
  double TwipsPerPixelX() override { return twipsPerPixel; }
  std::wstring timeText;  // a time in the user's format; empty: the second of the day
  std::wstring TimeOfDayText(DateTime time) override {
    return timeText.empty() ? std::to_wstring(time.secondOfDay) : timeText;
  }
  bool StartProgram(const std::wstring& path) override {
    return Step(("StartProgram " + ToAnsi(path)).c_str()) && startable.count(path);
  }
  bool FileExists(const std::wstring& path) override { return files.count(path) != 0; }
  Elevation ElevationState() override { return elevation; }
  bool StartElevated(std::uintptr_t owner, const std::wstring& parameters) override {
    return Step(("StartElevated " + ToAnsi(parameters)).c_str(), owner);
  }
  void PopupTrayMenu() override { Step("PopupTrayMenu"); }
  TwipsPoint PointerPosition() const override { return pointer; }

  // Logs the call; a call named in failWith leaves its error behind and may fail.
  template <typename... Args>
  bool Step(const char* call, Args... args) {
    log.push_back(call);
    ((log.back() += " " + std::to_string(args)), ...);
    auto failing = failWith.find(log.back());  // the call with these arguments, or any
    if (failing == failWith.end())
      failing = failWith.find(log.back().substr(0, log.back().find(' ')));
    if (failing != failWith.end()) lastError = failing->second.first;
    return failing == failWith.end() || !failing->second.second;
  }
};

// Every control with a text (the mode list's filling is logged), and the timer.
struct FakeControl : ListControl, Timer {
  explicit FakeControl(Log& shared) : log(shared) {}
  Log& log;
  std::wstring text;
  bool enabled = true;
  bool refusesToRun = false;  // a timer Windows would not give
  std::uint32_t interval = 0;
  std::vector<std::wstring> items;
  std::wstring Text() const override { return text; }
  // A filled list, as a drop-down list does, selects only an exact item: other text leaves it
  // empty. The other controls hold no items and take any text.
  void SetText(const std::wstring& value) override {
    const bool taken = items.empty() || std::ranges::find(items, value) != items.end();
    text = taken ? value : L"";
  }
  bool Enabled() const override { return enabled; }
  void SetEnabled(bool value) override { enabled = value && !refusesToRun; }
  void SetFocus() override { log.push_back("SetFocus " + std::string(text.begin(), text.end())); }
  void Clear() override {
    items.clear();
    text.clear();
    log.push_back("Clear");
  }
  void AddItem(const std::wstring& item) override {
    items.push_back(item);
    log.push_back("AddItem " + std::string(item.begin(), item.end()));
  }
  int ItemCount() const override { return static_cast<int>(items.size()); }
  std::wstring Item(int position) const override { return items.at(position); }
  std::uint32_t Interval() const override { return interval; }
  void SetInterval(std::uint32_t milliseconds) override { interval = milliseconds; }
};

struct FakePicker : TimeControl {
  DateTime value;
  bool enabled = true;
  std::wstring Text() const override { return L""; }
  void SetText(const std::wstring&) override {}
  bool Enabled() const override { return enabled; }
  void SetEnabled(bool on) override { enabled = on; }
  void SetFocus() override {}
  DateTime Value() const override { return value; }
  void SetValue(DateTime at) override { value = at; }
};

// A top-level window; Unload runs the window's unload handler first.
struct FakeWindow : FormWindow {
  FakeWindow(const char* windowName, Log& shared) : name(windowName), log(shared) {}
  std::string name;
  Log& log;
  bool loaded = true;
  bool visible = false;
  int loads = 0;
  WindowState state = WindowState::kNormal;
  std::wstring caption;
  bool cancel = false;  // the flag handed to the unload handler
  std::function<void(bool&)> onUnload = [](bool&) {};
  void Load() override {
    loaded = true;
    ++loads;
  }
  void Show() override { Note("Show", true); }
  void Hide() override { Note("Hide", false); }
  void Refresh() override { Note("Refresh"); }
  void Unload() override {
    onUnload(cancel);
    loaded = false;
    Note("Unload", false);
  }
  bool Loaded() const override { return loaded; }
  bool Visible() const override { return visible; }
  WindowState State() const override { return state; }
  void SetState(WindowState to) override {
    state = to;
    Note("SetState " + std::to_string(int(to)));
  }
  bool SetForeground() override {
    Note("SetForeground");
    return !refusesForeground;
  }
  std::wstring Caption() const override { return caption; }
  void SetCaption(const std::wstring& value) override { caption = value; }
  std::uintptr_t Handle() const override { return 0x1234; }
  std::uintptr_t IconHandle() const override { return 0x5678; }
  void Note(const std::string& what) { log.push_back(name + "." + what); }
  // A call that shows or hides the window.
  void Note(const std::string& what, bool shown) {
    visible = shown;
    Note(what);
  }
  bool topmost = false;
  void ShowOnTopWithoutFocus(bool keep) override {
    topmost = keep;
    Note("ShowOnTopWithoutFocus " + std::to_string(keep), true);
  }
  void EndTopmost() override {
    topmost = false;
    Note("EndTopmost");
  }
  bool refusesForeground = false;  // Windows' foreground lock
};

// Form1's controls as fakes, made by the builder the real window uses.
struct FakeFactory : ControlFactory {
  explicit FakeFactory(Log& shared) : log(shared) {}
  Log& log;
  FakePicker picker;
  FakeControl timer{log};
  std::vector<std::unique_ptr<FakeControl>> made;
  FakeControl& Make() { return *made.emplace_back(std::make_unique<FakeControl>(log)); }
  Control& CreateButton(const ControlDesign&) override { return Make(); }
  Control& CreateLabel(const ControlDesign&) override { return Make(); }
  Control& CreateTextBox(const ControlDesign&) override { return Make(); }
  TimeControl& CreateTimePicker(const ControlDesign&) override { return picker; }
  ListControl& CreateList(const ControlDesign&) override { return Make(); }
  Timer& CreateTimer(const ControlDesign&) override { return timer; }
  Control& CreateMenuItem(const MenuItemDesign&) override { return Make(); }
};

}  // namespace duskfall::testing
