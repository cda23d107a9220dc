// Form1 on the fakes, as the unit tests of the main window and its tray menu build it.
#pragma once

#include <gtest/gtest.h>

#include "fakes/fakes.h"
#include "settings/settings_keys.h"
#include "text/texts.h"

namespace duskfall::testing {

using enum TextId;  // the program's texts by name, as Text(kCaptionSet)

inline const std::string kSettings = Lower(kSettingsKey);
inline const std::string kMinutes = Lower(kStoredMinutesValue);
inline const std::string kRun = Lower(kRunKey);
inline const std::string kProgram = "C:\\Program Files\\Duskfall.exe";

// Form1 on the fakes, started with nothing stored unless told otherwise.
struct Rig {
  explicit Rig(bool started = true) {
    registry.log = &log;
    registry.keys[kRun];
    about.loaded = false;
    self.onUnload = [this](bool& cancel) { form.Form_Unload(cancel); };
    registry.Put(Lower(kAppPathsKey), "", kRegSz, Sz(kProgram));
    if (started) Start();
    log.clear();
  }
  // Whatever a test did, every key the program opened is closed again.
  ~Rig() { EXPECT_TRUE(registry.handles.empty()) << "a key left open"; }
  void Start() {
    form.Form_Initialize();
    form.Form_Load();
  }
  // The mode chosen from the list, then the minutes typed, if any.
  void Choose(const std::wstring& mode, const wchar_t* minutes = nullptr) {
    c.CmbFunction->SetText(mode);
    form.CmbFunction_Click();
    if (minutes) c.TxtCount->SetText(minutes);
  }
  void StartWith(const std::wstring& mode, const wchar_t* minutes) {
    Choose(mode, minutes);
    form.CmdSaS_Click(0);
  }
  bool Running() const {
    return c.CmdSaS[0]->Text() == Text(kCaptionCancel) && factory.timer.enabled;
  }
  // The window went first, then the privilege and the power-off were asked for.
  bool Fired() const {
    return !std::ranges::search(log, Log{"Form1.Unload", "GetCurrentProcess"}).empty() &&
           log.back().starts_with("ExitWindowsEx");
  }

  Log log;
  FakeFactory factory{log};
  FakeControl trayRetry{log};
  Form1Controls c = [this] {
    Form1Controls built = BuildForm1(factory);
    built.TrayRetry = &trayRetry;
    return built;
  }();
  FakeWindow self{"Form1", log};
  FakeWindow about{"frmAbout", log};
  FakeSystem sys{log};
  FakeRegistry registry;
  ProgramModule module;
  Form1 form{self, about, sys, c, Services{sys, registry, sys, sys, sys, sys}, module};
};

}  // namespace duskfall::testing
