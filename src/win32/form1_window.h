// Form1 on a real window: creates the controls from the design, turns window messages into
// the handlers of Form1, and raises the minutes box's validation before the focus leaves it.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "app/form_builder.h"
#include "app/main_window.h"
#include "win32/controls_win32.h"
#include "win32/handles.h"
#include "win32/program_windows.h"
#include "win32/theme.h"
#include "win32/window_order.h"
#include "win32/window_thunk.h"

namespace duskfall {

class Form1Window final : public FormWindow, public TrayMenuHost, private ControlFactory {
 public:
  Form1Window(HINSTANCE instance, HWND owner, ProgramWindows& windows, FormWindow& about,
              Services services, ProgramModule& module);
  ~Form1Window() override;
  Form1Window(const Form1Window&) = delete;
  Form1Window& operator=(const Form1Window&) = delete;

  static bool RegisterWindowClass(HINSTANCE instance);

  // Creates the window, then runs Form_Initialize and Form_Load; false when the window could
  // not be created.
  bool Start();

  // Called by the message loop before a message is dispatched. True when the message was
  // handled here (validation refused the focus change, or a dialog key was processed).
  bool PreTranslateMessage(MSG& message);

  HWND Window() const { return window_; }

  // The window procedure's hooks (see window_thunk.h).
  void AttachWindow(HWND window);
  void DetachWindow();
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // FormWindow
  void Load() override {}
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
  std::uintptr_t IconHandle() const override {
    return reinterpret_cast<std::uintptr_t>(trayIcon_.get());
  }

  // TrayMenuHost
  void PopupTrayMenu() override;
  TwipsPoint PointerPosition() const override;

 private:
  // ControlFactory
  Control& CreateButton(const ControlDesign& design) override;
  Control& CreateLabel(const ControlDesign& design) override;
  Control& CreateTextBox(const ControlDesign& design) override;
  TimeControl& CreateTimePicker(const ControlDesign& design) override;
  ListControl& CreateList(const ControlDesign& design) override;
  Timer& CreateTimer(const ControlDesign& design) override;
  Control& CreateMenuItem(const MenuItemDesign& design) override;

  HWND CreateChild(const wchar_t* windowClass, const ControlDesign& design, DWORD style,
                   DWORD exStyle = 0);
  void AddTooltips();
  void AllowTaskbarCreated();
  SIZE WindowSize(UINT dpi) const;
  RECT ControlRect(const ControlDesign& design) const;
  HGDIOBJ FontFor(const ControlDesign& design) const;
  void LoadIcons();
  void ApplyDpi(UINT dpi);
  HFONT FittingLabel1Font() const;
  bool MovesFocusFromMinutes(const MSG& message) const;
  double TwipsPerPixel() const;
  void PutShield(POINT pointer);
  // Every timer of the window takes its id here, so that no two can share one.
  UINT_PTR NewTimerId() { return ++lastTimerId_; }

  HINSTANCE instance_;
  HWND owner_;
  ProgramWindows& windows_;
  FormWindow& about_;
  Services services_;
  ProgramModule& module_;

  HWND window_ = nullptr;
  HWND tooltip_ = nullptr;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
  UINT taskbarCreatedMessage_ = 0;
  UINT_PTR lastTimerId_ = 0;
  UniqueIcon trayIcon_;
  UniqueIcon smallIcon_;
  UniqueIcon bigIcon_;
  FocusKeeper focus_;
  UniqueFont font_;
  UniqueFont label1Font_;
  BrushForColor label1Brush_;
  bool highContrast_ = false;
  UniqueBitmap shield_;  // on mpopdsk, where it asks for consent; outlives the menu
  UniqueMenu menuBar_;   // holds mpopupsys; never attached to the window
  HMENU trayMenu_ = nullptr;
  UINT consentItem_ = 0;                // mpopdsk
  std::optional<bool> asksForConsent_;  // asked when the menu first opens
  UINT shieldDpi_ = 0;                  // the DPI the shield was drawn for

  struct PlacedControl {
    HWND window;
    const ControlDesign* design;
  };
  std::vector<PlacedControl> placed_;
  std::vector<std::unique_ptr<WindowControl>> windowControls_;
  std::unique_ptr<ListWindow> list_;
  std::unique_ptr<TimePickerWindow> picker_;
  std::unique_ptr<WindowTimer> timer_;
  std::optional<WindowTimer> trayRetry_;
  std::vector<std::unique_ptr<MenuItemControl>> menuItems_;
  std::unique_ptr<Form1> form_;
  Form1Controls controls_;
};

}  // namespace duskfall
