// Form1, the program's one working window: its controls, the services it calls, and every
// event handler. The handlers are defined in the files of the subsystem they belong to
// (count-down in app/, tray in tray/, logon setting in settings/).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/ansi_code_page.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/power_api.h"
#include "platform/registry_api.h"
#include "platform/system_api.h"
#include "platform/tray_api.h"
#include "settings/elevated_request.h"
#include "text/texts.h"

namespace duskfall {

// The controls of Form1, named and indexed as in the design.
struct Form1Controls {
  std::array<Control*, 2> CmdSaS{};
  Timer* TMCounter = nullptr;
  Control* TxtCount = nullptr;
  TimeControl* DtTime = nullptr;
  ListControl* CmbFunction = nullptr;
  Control* Label1 = nullptr;
  std::array<Control*, 3> LblSaS{};
  Control* mpopabout = nullptr;
  Control* mpopdsk = nullptr;
  Control* mpoprestore = nullptr;
  Control* mpopexit = nullptr;
  // Not part of the design: offers a refused tray icon to the shell again.
  Timer* TrayRetry = nullptr;
};

// The system as the program's logic reaches it.
struct Services {
  Dialogs& dialogs;
  RegistryApi& registry;
  AnsiCodePage& ansi;
  TrayApi& tray;
  PowerApi& power;
  SystemApi& system;
};

// Module-level state shared by the plain routines: written once at start-up.
struct ProgramModule {
  std::int32_t PlatformIsNT = 0;
  NotifyIconRecord TrayIconData;
};

// Pop-up menu service of the main window; the Win32 adapter tracks the menu at the pointer.
class TrayMenuHost {
 public:
  virtual ~TrayMenuHost() = default;
  // Opens mpopupsys at the pointer and returns after the user has chosen or dismissed it; a
  // chosen item runs its handler before this returns.
  virtual void PopupTrayMenu() = 0;
  // The pointer's own position at the message being handled, in the window's twips.
  virtual TwipsPoint PointerPosition() const = 0;
};

class Form1 {
 public:
  Form1(FormWindow& self, FormWindow& about, TrayMenuHost& menuHost, const Form1Controls& controls,
        const Services& services, ProgramModule& module);

  // Start-up and exit.
  void Form_Initialize();
  void Form_Load();
  void Form_Unload(bool& cancel);

  // Count-down.
  void CmbFunction_Click();
  void CmdSaS_Click(std::int16_t index);
  void TxtCount_Validate(bool& cancel);
  void TMCounter_Timer();
  // The window became the active one.
  void Form_Activate();

  // Tray.
  void Form_Resize();
  void Form_MouseMove(int button, int shift, double x, double y);
  void mpopabout_Click();
  void mpopdsk_Click();
  void mpoprestore_Click();
  void mpopexit_Click();
  // The shell's taskbar was created again (Explorer restarted): the icon has to come back.
  void TaskbarCreated();
  void TrayRetry_Timer();

  // Logon setting: the copy started as administrator for the tray item has ended.
  void ElevatedCopy_Answered(ElevatedAnswer answer);

 private:
  void FillModeList();
  void AddTrayIcon();
  void IconTaken();
  void StartPath();
  void CancelPath();
  // True when the window came back in the foreground; refused it, the window still comes up.
  bool Restore();
  void Fire();
  bool FixedTimeReached(DateTime now);
  bool FiresWithinAMinute(DateTime now) const;
  void WarnOfLastMinute(DateTime now);
  void EndOnTop();
  void TakeWarningAway();
  std::wstring CountDownTip() const;
  void UpdateTip();
  void MainBox(TextId text, std::uint32_t icon);
  void LogonSettingAnswered(const ElevatedRequest& request, ElevatedAnswer answer);

  FormWindow& self_;
  FormWindow& about_;
  TrayMenuHost& menuHost_;
  Form1Controls c_;
  Services s_;
  ProgramModule& module_;
  // Clock time (seconds since the zero date) of the previous fixed-time tick or of the start:
  // a tick that comes late can still see that the target second passed in between.
  std::optional<std::int64_t> previousTickSeconds_;
  // Whether this count-down's balloon has gone out. The controls cannot tell: a clock set back
  // after the warning would bring a fixed-time count-down into its last minute a second time,
  // and a cancel takes the balloon away only when there is one.
  bool warned_ = false;
  // Whether the warning keeps the window topmost: until the user turns to it, cancels, or the
  // moment comes.
  bool onTop_ = false;
  // The tip the shell was last asked to show; an icon added from TrayIconData shows the title.
  std::wstring tipAsked_;
  // The request of the tray item that waits for the user's consent and the copy's answer. Until
  // it comes, the tray menu, the menu's commands, Set/Cancel and Exit are held back.
  std::optional<ElevatedRequest> consentAsked_;
};

}  // namespace duskfall
