// Form1 on fakes: the controls built from the design, every service in memory, and a shared
// call log. Tests drive the handlers and read the controls as a user would see them.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/form_builder.h"
#include "app/main_window.h"
#include "app/texts.h"
#include "fakes/call_log.h"
#include "fakes/fake_controls.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_services.h"

namespace duskfall::testing {

class FakeMenuHost : public TrayMenuHost {
 public:
  void PopupTrayMenu() override {
    ++popups;
    if (choose) choose();
  }
  TwipsPoint PointerPosition() const override { return pointer; }

  int popups = 0;
  std::function<void()> choose;              // what the user picks in the open menu
  TwipsPoint pointer{-100000.0, -100000.0};  // far from anything a test reports
};

class Form1Harness {
 public:
  Form1Harness() {
    self.onUnload = [this](bool& cancel) { form.Form_Unload(cancel); };
    registry.SetLog(&log);
    dialogs.log = &log;
    tray.log = &log;
    power.onCall = [this](const std::string& call) { log.Add(call); };
    log.Clear();  // what building the controls wrote
  }

  // Start-up as the program runs it.
  void Start() {
    form.Form_Initialize();
    form.Form_Load();
  }

  void Choose(const wchar_t* mode) {
    factory.list.Choose(mode);
    form.CmbFunction_Click();
  }

  // Picks relative mode, types the minutes and presses Set.
  void StartRelative(const std::wstring& minutes) {
    Choose(kModeRelativeTime);
    c.TxtCount->SetText(minutes);
    form.CmdSaS_Click(0);
  }

  bool Running() const { return c.CmdSaS[0]->Text() == kCaptionCancel && factory.timer.Enabled(); }

  std::wstring LastBoxText() const {
    return dialogs.boxes.empty() ? L"" : dialogs.boxes.back().text;
  }

  CallLog log;
  FakeControlFactory factory{&log};
  FakeTimer trayRetry;
  Form1Controls c = [this] {
    Form1Controls built = BuildForm1(factory);
    built.TrayRetry = &trayRetry;
    return built;
  }();
  FakeWindow self{"Form1", &log};
  FakeWindow about{"frmAbout", &log, false};
  FakeMenuHost menuHost;
  FakeDialogs dialogs;
  FakeRegistry registry;
  FakeAnsiCodePage ansi;
  FakeTray tray;
  FakePower power;
  FakeSystem system;
  ProgramModule module;
  Form1 form{self,  about, menuHost, c, Services{dialogs, registry, ansi, tray, power, system},
             module};
};

// A harness whose start-up has run with nothing stored: the idle window of a normal start.
class StartedHarness : public Form1Harness {
 public:
  StartedHarness() {
    Start();
    log.Clear();
  }
};

// The same two as test fixtures.
class Form1Test : public ::testing::Test, public Form1Harness {};
class StartedForm1 : public ::testing::Test, public StartedHarness {};

}  // namespace duskfall::testing
