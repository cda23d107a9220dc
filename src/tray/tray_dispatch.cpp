// The tray icon's mouse reports and the tray menu's commands.
#include <cmath>
#include <cstdint>

#include "app/main_window.h"
#include "tray/tray_icon.h"

namespace duskfall {

namespace {

constexpr int kWmLButtonUp = 514;
constexpr int kWmLButtonDblClk = 515;
constexpr int kWmRButtonUp = 517;
constexpr int kNinBalloonUserClick = 1029;  // WM_USER + 5

}  // namespace

std::int32_t TrayMessage(double x, double twipsPerPixel) {
  if (!(twipsPerPixel > 0.0)) return 0;
  const double pixels = std::nearbyint(x / twipsPerPixel);
  if (!std::isfinite(pixels) || pixels < INT32_MIN || pixels > INT32_MAX) return 0;
  return static_cast<std::int32_t>(pixels);
}

void Form1::Form_MouseMove(int /*button*/, int /*shift*/, double x, double y) {
  // The tray reports its mouse message in X. A move at the pointer's own position is the pointer
  // crossing the window, which must not act as a tray click.
  if (menuHost_.PointerPosition() == TwipsPoint{x, y}) return;
  switch (TrayMessage(x, s_.system.TwipsPerPixelX())) {
    case kWmLButtonUp:
    case kWmLButtonDblClk:
      Restore();
      break;
    case kWmRButtonUp:
      if (consentAsked_) break;  // one menu command at a time
      self_.SetForeground();
      menuHost_.PopupTrayMenu();
      break;
    case kNinBalloonUserClick:
      // The warning was clicked: the window comes back ready to cancel, with the focus on
      // Cancel where Windows lets the window have the focus.
      if (Restore()) c_.CmdSaS[0]->SetFocus();
      break;
    default:
      break;
  }
}

bool Form1::Restore() {
  self_.SetState(WindowState::kNormal);
  // Windows refuses the foreground to a program the user is not working in: on Windows 10 and
  // 11 a click on the warning is the toast host's, not ours. The window still comes up over
  // the others then, and one click on it reaches its button.
  if (!self_.SetForeground()) {
    self_.ShowOnTopWithoutFocus(onTop_);
    return false;
  }
  // The user has the window in front: the warning need not keep it there.
  EndOnTop();
  self_.Show();
  return true;
}

void Form1::mpoprestore_Click() { Restore(); }

void Form1::mpopabout_Click() {
  if (consentAsked_) return;
  if (!about_.Loaded()) about_.Load();
  about_.Show();
}

void Form1::mpopexit_Click() { self_.Unload(); }

}  // namespace duskfall
