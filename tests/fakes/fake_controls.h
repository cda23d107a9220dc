// In-memory controls and windows: the same properties the real ones have, held in fields, so
// a test reads the state a user would see.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/form_builder.h"
#include "fakes/call_log.h"
#include "platform/controls.h"

namespace duskfall::testing {

class FakeControl : public Control {
 public:
  FakeControl(std::string name, CallLog* log) : name_(std::move(name)), log_(log) {}
  std::wstring Text() const override { return text_; }
  void SetText(const std::wstring& text) override {
    text_ = text;
    if (log_ != nullptr) log_->Add(name_ + ".SetText " + std::string(text.begin(), text.end()));
  }
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }

 private:
  std::string name_;
  CallLog* log_;
  std::wstring text_;
  bool enabled_ = true;
};

class FakeList : public ListControl {
 public:
  explicit FakeList(CallLog* log) : log_(log) {}
  std::wstring Text() const override { return text_; }
  // Like the real list: only one of its entries can be chosen; any other text chooses none.
  void SetText(const std::wstring& text) override;
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  void Clear() override;
  void AddItem(const std::wstring& item) override;
  int ItemCount() const override { return static_cast<int>(items_.size()); }
  std::wstring Item(int position) const override { return items_.at(position); }
  // The user picks an entry: the tests then raise CmbFunction_Click themselves.
  void Choose(const std::wstring& entry) { text_ = entry; }

 private:
  CallLog* log_;
  std::vector<std::wstring> items_;
  std::wstring text_;
  bool enabled_ = true;
};

class FakePicker : public TimeControl {
 public:
  std::wstring Text() const override { return L""; }
  void SetText(const std::wstring&) override {}
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  DateTime Value() const override {
    ++reads_;
    return value_;
  }
  void SetValue(DateTime value) override { value_ = value; }
  int Reads() const { return reads_; }

 private:
  DateTime value_;
  bool enabled_ = true;
  mutable int reads_ = 0;
};

class FakeTimer : public Timer {
 public:
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override {
    enabled_ = enabled;
    if (enabled) ++starts_;
  }
  std::uint32_t Interval() const override { return interval_; }
  void SetInterval(std::uint32_t milliseconds) override { interval_ = milliseconds; }
  int Starts() const { return starts_; }

 private:
  bool enabled_ = false;
  std::uint32_t interval_ = 0;
  int starts_ = 0;
};

// A top-level window. Unload runs the unload handler given, then marks the window gone.
class FakeWindow : public FormWindow {
 public:
  FakeWindow(std::string name, CallLog* log, bool loaded = true)
      : name_(std::move(name)), log_(log), loaded_(loaded) {}
  void Load() override;
  void Show() override;
  void Hide() override;
  void Refresh() override { Log("Refresh"); }
  void Unload() override;
  bool Loaded() const override { return loaded_; }
  bool Visible() const override { return visible_; }
  WindowState State() const override { return state_; }
  void SetState(WindowState state) override;
  bool SetForeground() override;
  std::wstring Caption() const override { return caption_; }
  void SetCaption(const std::wstring& caption) override { caption_ = caption; }
  std::uintptr_t Handle() const override { return 0x1234; }
  std::uintptr_t IconHandle() const override { return 0x5678; }

  std::function<void(bool&)> onUnload;
  std::function<void()> onLoad;
  int loads = 0;
  bool foreground = false;
  void Minimize() { state_ = WindowState::kMinimized; }

 private:
  void Log(const std::string& what) {
    if (log_ != nullptr) log_->Add(name_ + "." + what);
  }
  std::string name_;
  CallLog* log_;
  bool loaded_;
  bool visible_ = false;
  WindowState state_ = WindowState::kNormal;
  std::wstring caption_;
};

// Builds Form1's controls as fakes, through the same builder the real window uses.
class FakeControlFactory : public ControlFactory {
 public:
  explicit FakeControlFactory(CallLog* log) : log_(log), list(log) {}
  Control& CreateButton(const ControlDesign& design) override { return Make(design); }
  Control& CreateLabel(const ControlDesign& design) override { return Make(design); }
  Control& CreateTextBox(const ControlDesign& design) override { return Make(design); }
  TimeControl& CreateTimePicker(const ControlDesign& design) override {
    created.push_back(&design);
    return picker;
  }
  ListControl& CreateList(const ControlDesign& design) override {
    created.push_back(&design);
    return list;
  }
  Timer& CreateTimer(const ControlDesign& design) override {
    created.push_back(&design);
    return timer;
  }
  Control& CreateMenuItem(const MenuItemDesign& design) override;

 private:
  CallLog* log_;

 public:
  FakeList list;
  FakePicker picker;
  FakeTimer timer;
  std::vector<const ControlDesign*> created;  // in creation order

 private:
  Control& Make(const ControlDesign& design);
  std::vector<std::unique_ptr<FakeControl>> controls_;
};

}  // namespace duskfall::testing
