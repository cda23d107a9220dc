// In-memory stand-ins for the registry, the controls, the windows and the system services. They
// hold what the real ones would show and write every call into one shared log, so a test reads
// the state a user sees and the order the system was asked in.
#pragma once

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/form_builder.h"

namespace duskfall::testing {

using Log = std::vector<std::string>;

inline std::string Narrow(std::wstring_view text) { return std::string(text.begin(), text.end()); }

inline std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// HKEY_LOCAL_MACHINE as a map of key paths, case-insensitive, answering like advapi32: missing
// keys and values give 2, rights a key or handle lacks give 5, short buffers give 234.
class FakeRegistry : public RegistryApi {
 public:
  struct Value {
    std::uint32_t type;
    std::vector<std::uint8_t> data;
  };
  struct Key {
    std::map<std::string, Value> values;
    bool readOnly = false;  // anything beyond reading is refused, as for a user without rights
  };
  std::map<std::string, Key> keys;
  std::map<RegKey, std::pair<Key*, std::uint32_t>> handles;  // open handle: key, access
  bool refuseCreate = false;
  Log* log = nullptr;

  void Put(const std::string& path, const std::string& name, std::uint32_t type,
           std::vector<std::uint8_t> data) {
    keys[Lower(path)].values[Lower(name)] = Value{type, std::move(data)};
  }
  void PutText(const std::string& path, const std::string& name, const std::string& text) {
    Put(path, name, kRegSz,
        std::vector<std::uint8_t>(text.c_str(), text.c_str() + text.size() + 1));
  }
  // A REG_SZ value without its terminating NUL; "-" when there is none.
  std::string Text(const std::string& path, const std::string& name) {
    const auto& values = keys[Lower(path)].values;
    const auto found = values.find(Lower(name));
    if (found == values.end()) return "-";
    std::string text(found->second.data.begin(), found->second.data.end());
    return text.empty() || text.back() != '\0' ? text : text.substr(0, text.size() - 1);
  }

  std::int32_t RegOpenKeyExA(RegKey root, const std::string& sub, std::uint32_t,
                             std::uint32_t access, RegKey* result) override {
    Note("RegOpenKeyExA " + sub + " " + std::to_string(access));
    *result = 0;
    const auto key = keys.find(Lower(sub));
    if (root != kHkeyLocalMachine || key == keys.end()) return kErrorFileNotFound;
    return Grant(key->second, access, result);
  }
  std::int32_t RegCreateKeyExA(RegKey root, const std::string& sub, std::uint32_t,
                               std::uint32_t access, RegKey* result,
                               std::uint32_t* disposition) override {
    Note("RegCreateKeyExA " + sub + " " + std::to_string(access));
    *result = 0;
    if (root != kHkeyLocalMachine || (refuseCreate && !keys.count(Lower(sub)))) {
      return kErrorAccessDenied;
    }
    *disposition = keys.count(Lower(sub)) ? 2 : 1;
    return Grant(keys[Lower(sub)], access, result);
  }
  std::int32_t RegQueryValueExA(RegKey key, const std::string& name, std::uint32_t* type,
                                std::uint8_t* data, std::uint32_t* size) override {
    Note("RegQueryValueExA " + name);
    const auto open = handles.find(key);
    if (open == handles.end()) return kErrorInvalidHandle;
    if (!(open->second.second & kKeyQueryValue)) return kErrorAccessDenied;
    const auto found = open->second.first->values.find(Lower(name));
    if (found == open->second.first->values.end()) return kErrorFileNotFound;
    const auto& bytes = found->second.data;
    const bool fits = data == nullptr || *size >= bytes.size();
    *type = found->second.type;
    if (data != nullptr && fits) std::copy(bytes.begin(), bytes.end(), data);
    *size = static_cast<std::uint32_t>(bytes.size());
    return fits ? kErrorSuccess : kErrorMoreData;
  }
  std::int32_t RegSetValueExA(RegKey key, const std::string& name, std::uint32_t type,
                              const std::uint8_t* data, std::uint32_t size) override {
    const auto open = handles.find(key);
    if (open == handles.end()) return kErrorInvalidHandle;
    if (!(open->second.second & kKeySetValue)) return kErrorAccessDenied;
    open->second.first->values[Lower(name)] = Value{type, {data, data + size}};
    return kErrorSuccess;
  }
  std::int32_t RegCloseKey(RegKey key) override {
    Note("RegCloseKey");
    return handles.erase(key) ? kErrorSuccess : kErrorInvalidHandle;
  }

 private:
  void Note(const std::string& call) {
    if (log != nullptr) log->push_back(call);
  }
  std::int32_t Grant(Key& key, std::uint32_t access, RegKey* result) {
    if (key.readOnly && (access & ~kKeyRead)) return kErrorAccessDenied;
    *result = 0x1000 + 4 * ++opened_;
    handles[*result] = {&key, access};
    return kErrorSuccess;
  }
  RegKey opened_ = 0;
};

// Every system service at once: message boxes, code page (Latin-1), tray, power-off calls,
// clock, locale, program launch and the tray menu.
struct Box {
  std::wstring text;
  std::uint32_t style;
  std::wstring title;
  bool operator==(const Box&) const = default;
};

class FakeSystem : public Dialogs,
                   public AnsiCodePage,
                   public TrayApi,
                   public PowerApi,
                   public SystemApi,
                   public TrayMenuHost {
 public:
  explicit FakeSystem(Log& shared) : log(shared) {}
  Log& log;
  std::vector<Box> boxes;
  std::vector<NotifyIconRecord> tray;
  std::map<std::string, std::pair<std::uint32_t, bool>> failWith;  // call: last error, fails
  std::uint32_t lastError = 0, version = 0x23F00206;               // NT: bit 31 clear
  DateTime now;
  std::wstring separator = L".";
  double twipsPerPixel = 15.0;
  std::set<std::wstring> startable, files;
  TwipsPoint pointer{-1, -1};

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
    std::wstring text;
    for (char c : bytes) text += static_cast<unsigned char>(c);
    return text;
  }
  bool Shell_NotifyIconA(std::uint32_t message, const NotifyIconRecord& record) override {
    tray.push_back(record);
    return Step("Shell_NotifyIconA " + std::to_string(message));
  }
  void SetLastError(std::uint32_t error) override { lastError = error; }
  std::uint32_t GetLastError() override { return lastError; }
  SysHandle GetCurrentProcess() override { return Step("GetCurrentProcess") ? 0x99 : 0; }
  bool OpenProcessToken(SysHandle process, std::uint32_t access, SysHandle* token) override {
    const bool ok =
        Step("OpenProcessToken " + std::to_string(process) + " " + std::to_string(access));
    *token = ok ? 0x44 : 0;
    return ok;
  }
  bool LookupPrivilegeValueA(const std::string& system, const std::string& name,
                             Luid* luid) override {
    *luid = Luid{0x13, 0};
    return Step("LookupPrivilegeValueA '" + system + "' " + name);
  }
  bool AdjustTokenPrivileges(SysHandle token, bool disableAll, const TokenPrivileges& state,
                             std::uint32_t length, TokenPrivileges*, std::uint32_t*) override {
    return Step("AdjustTokenPrivileges " + std::to_string(token) + " " +
                std::to_string(disableAll) + " " + std::to_string(state.privilegeCount) + " " +
                std::to_string(state.luid.lowPart) + " " + std::to_string(state.attributes) + " " +
                std::to_string(length));
  }
  bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) override {
    return Step("ExitWindowsEx " + std::to_string(flags) + " " + std::to_string(reason));
  }
  bool CloseHandle(SysHandle handle) override {
    return Step("CloseHandle " + std::to_string(handle));
  }
  std::uint32_t GetVersion() override { return version; }
  DateTime LocalNow() override { return now; }
  std::wstring DecimalSeparator() override { return separator; }
  double TwipsPerPixelX() override { return twipsPerPixel; }
  bool StartProgram(const std::wstring& path) override {
    return Step("StartProgram " + Narrow(path)) && startable.count(path);
  }
  bool FileExists(const std::wstring& path) override { return files.count(path) != 0; }
  void PopupTrayMenu() override { Step("PopupTrayMenu"); }
  TwipsPoint PointerPosition() const override { return pointer; }

 private:
  // Logs the call; a call named in failWith leaves its error behind and may fail.
  bool Step(const std::string& call) {
    log.push_back(call);
    const auto failing = failWith.find(call.substr(0, call.find(' ')));
    if (failing == failWith.end()) return true;
    lastError = failing->second.first;
    return !failing->second.second;
  }
};

// One class for every control with a text: buttons, labels, the text box, menu items and the
// mode list (whose filling is logged).
class FakeControl : public ListControl {
 public:
  explicit FakeControl(Log& shared) : log(shared) {}
  Log& log;
  std::wstring text;
  bool enabled = true;
  std::vector<std::wstring> items;
  std::wstring Text() const override { return text; }
  void SetText(const std::wstring& value) override { text = value; }
  bool Enabled() const override { return enabled; }
  void SetEnabled(bool value) override { enabled = value; }
  void Clear() override { items.clear(), text.clear(), log.push_back("Clear"); }
  void AddItem(const std::wstring& item) override {
    items.push_back(item), log.push_back("AddItem " + Narrow(item));
  }
  int ItemCount() const override { return static_cast<int>(items.size()); }
  std::wstring Item(int position) const override { return items.at(position); }
};

class FakePicker : public TimeControl {
 public:
  DateTime value;
  bool enabled = true;
  std::wstring Text() const override { return L""; }
  void SetText(const std::wstring&) override {}
  bool Enabled() const override { return enabled; }
  void SetEnabled(bool on) override { enabled = on; }
  DateTime Value() const override { return value; }
  void SetValue(DateTime at) override { value = at; }
};

class FakeTimer : public Timer {
 public:
  bool enabled = false;
  std::uint32_t interval = 0;
  bool Enabled() const override { return enabled; }
  void SetEnabled(bool on) override { enabled = on; }
  std::uint32_t Interval() const override { return interval; }
  void SetInterval(std::uint32_t milliseconds) override { interval = milliseconds; }
};

// A top-level window; Unload runs the window's unload handler first.
class FakeWindow : public FormWindow {
 public:
  FakeWindow(std::string windowName, Log& shared, bool isLoaded)
      : name(std::move(windowName)), log(shared), loaded(isLoaded) {}
  std::string name;
  Log& log;
  bool loaded, visible = false;
  int loads = 0;
  WindowState state = WindowState::kNormal;
  std::wstring caption;
  std::function<void()> onUnload;
  void Load() override { loaded = true, ++loads; }
  void Show() override { visible = true, Note("Show"); }
  void Hide() override { visible = false, Note("Hide"); }
  void Refresh() override { Note("Refresh"); }
  void Unload() override {
    if (onUnload) onUnload();
    loaded = visible = false, Note("Unload");
  }
  bool Loaded() const override { return loaded; }
  bool Visible() const override { return visible; }
  WindowState State() const override { return state; }
  void SetState(WindowState value) override {
    state = value, Note("SetState " + std::to_string(static_cast<int>(value)));
  }
  bool SetForeground() override { return Note("SetForeground"), true; }
  std::wstring Caption() const override { return caption; }
  void SetCaption(const std::wstring& value) override { caption = value; }
  std::uintptr_t Handle() const override { return 0x1234; }
  std::uintptr_t IconHandle() const override { return 0x5678; }

 private:
  void Note(const std::string& what) { log.push_back(name + "." + what); }
};

// Builds Form1's controls from the design as fakes, through the builder the real window uses.
class FakeFactory : public ControlFactory {
 public:
  explicit FakeFactory(Log& shared) : log(shared) {}
  Log& log;
  FakePicker picker;
  FakeTimer timer;
  Control& CreateButton(const ControlDesign&) override { return Make(); }
  Control& CreateLabel(const ControlDesign&) override { return Make(); }
  Control& CreateTextBox(const ControlDesign&) override { return Make(); }
  TimeControl& CreateTimePicker(const ControlDesign&) override { return picker; }
  ListControl& CreateList(const ControlDesign&) override { return Make(); }
  Timer& CreateTimer(const ControlDesign&) override { return timer; }
  Control& CreateMenuItem(const MenuItemDesign&) override { return Make(); }

 private:
  FakeControl& Make() { return *made_.emplace_back(std::make_unique<FakeControl>(log)); }
  std::vector<std::unique_ptr<FakeControl>> made_;
};

}  // namespace duskfall::testing
