// frmAbout on a real window: a fixed dialog frame at its design position, loaded on demand and
// destroyed when closed; it can be loaded again.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "about/about_window.h"
#include "win32/controls_win32.h"
#include "win32/handles.h"
#include "win32/program_windows.h"
#include "win32/theme.h"
#include "win32/window_order.h"
#include "win32/window_thunk.h"

namespace duskfall {

class AboutWindow final : public FormWindow {
 public:
  AboutWindow(HINSTANCE instance, HWND owner, ProgramWindows& windows, Registry registry,
              SystemApi& system, Dialogs& dialogs);
  ~AboutWindow() override;
  AboutWindow(const AboutWindow&) = delete;
  AboutWindow& operator=(const AboutWindow&) = delete;

  // Dialog keys: Tab, Enter, Escape and the access keys.
  bool PreTranslateMessage(MSG& message);

  // The window procedure's hooks (see window_thunk.h).
  void AttachWindow(HWND window);
  void DetachWindow();
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void Load() override;
  void Show() override;
  void Hide() override;
  void Refresh() override;
  void Unload() override;
  bool Loaded() const override { return window_ != nullptr; }
  bool Visible() const override;
  WindowState State() const override;
  void SetState(WindowState state) override;
  bool SetForeground() override;
  void ShowOnTopWithoutFocus(bool topmost) override {
    ShowOnTopWithoutActivating(window_, topmost);
  }
  void EndTopmost() override { duskfall::EndTopmost(window_); }
  std::wstring Caption() const override;
  void SetCaption(const std::wstring& caption) override;
  std::uintptr_t Handle() const override { return reinterpret_cast<std::uintptr_t>(window_); }
  std::uintptr_t IconHandle() const override { return 0; }

 private:
  static bool RegisterWindowClass(HINSTANCE instance);
  void CreateControls();
  void ApplyDpi(UINT dpi);
  void PlaceAtDesignPosition();
  void Paint();

  HINSTANCE instance_;
  HWND owner_;
  ProgramWindows& windows_;
  Registry registry_;
  SystemApi& system_;
  Dialogs& dialogs_;

  bool classRegistered_ = false;
  HWND window_ = nullptr;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
  FocusKeeper focus_;
  UniqueFont font_;
  UniqueFont titleFont_;
  UniqueIcon picture_;
  BrushForColor labelBrush_;
  bool highContrast_ = false;
  struct PlacedControl {
    HWND window;
    const AboutControlDesign* design;
  };
  std::vector<PlacedControl> placed_;
  std::vector<std::unique_ptr<WindowControl>> labels_;
  std::unique_ptr<FrmAbout> form_;
};

}  // namespace duskfall
