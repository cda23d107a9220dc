#include "win32/form1_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cwchar>
#include <string_view>

#include "settings/logon_setting.h"
#include "text/texts.h"
#include "win32/dpi.h"
#include "win32/program_icon.h"
#include "win32/services_win32.h"
#include "win32/shield_bitmap.h"
#include "win32/theme.h"
#include "win32/user32_function.h"
#include "win32/window_thunk.h"

namespace duskfall {

namespace {

constexpr wchar_t kClassName[] = L"DuskfallForm1";
// No WS_CLIPCHILDREN: the window paints nothing but its background, and with the flag showing
// it would erase every control in a pass of its own before the pass that paints them.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX;
constexpr DWORD kExStyle = 0;
constexpr int kFirstControlId = 1000;  // clear of IDOK and IDCANCEL
constexpr UINT kFirstMenuId = 2000;
constexpr int kListDropDownRows = 6;  // the open list shows its three entries without a scroll

int ControlId(const ControlDesign& design) {
  return kFirstControlId + static_cast<int>(&design - Form1ControlDesigns().data());
}

}  // namespace

Form1Window::Form1Window(HINSTANCE instance, HWND owner, ProgramWindows& windows, FormWindow& about,
                         Services services, ProgramModule& module)
    : instance_(instance),
      owner_(owner),
      windows_(windows),
      about_(about),
      services_(services),
      module_(module),
      // The notification area shows small icons at the system's DPI.
      trayIcon_(LoadProgramIcon(instance, GetSystemMetrics(SM_CXSMICON))) {}

Form1Window::~Form1Window() {
  if (window_ != nullptr) DestroyWindow(window_);
}

bool Form1Window::RegisterWindowClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = &WindowThunk<Form1Window>;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  return RegisterClassExW(&windowClass) != 0;
}

bool Form1Window::Start() {
  taskbarCreatedMessage_ = RegisterWindowMessageW(L"TaskbarCreated");
  // The window is made hidden, at its size for the DPI it most likely gets: its controls are
  // built in their final state before Form_Load shows it.
  dpi_ = SystemDpi();
  const SIZE size = WindowSize(dpi_);
  CreateWindowExW(kExStyle, kClassName, kForm1Design.caption, kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                  size.cx, size.cy, owner_, nullptr, instance_, this);
  if (window_ == nullptr) return false;
  AllowTaskbarCreated();
  form_ = std::make_unique<Form1>(*this, about_, *this, controls_, services_, module_);
  form_->Form_Initialize();
  form_->Form_Load();
  return true;
}

void Form1Window::AllowTaskbarCreated() {
  // The shell sends "TaskbarCreated" from a lower integrity level than an elevated copy of the
  // program runs at: without this, such a copy never hears of a restarted taskbar.
  using ChangeWindowMessageFilterExFn = BOOL(WINAPI*)(HWND, UINT, DWORD, PCHANGEFILTERSTRUCT);
  static const auto allow =
      User32Function<ChangeWindowMessageFilterExFn>("ChangeWindowMessageFilterEx");
  if (allow != nullptr) allow(window_, taskbarCreatedMessage_, MSGFLT_ALLOW, nullptr);
}

void Form1Window::AttachWindow(HWND window) {
  window_ = window;
  windows_.Opened();
}

void Form1Window::DetachWindow() {
  window_ = nullptr;
  windows_.Closed();
}

LRESULT Form1Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      // A monitor of another DPI than the system's: the size follows the window's own.
      const UINT dpi = DpiForWindow(window_);
      if (dpi != dpi_) {
        dpi_ = dpi;
        const SIZE size = WindowSize(dpi_);
        SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      }
      highContrast_ = HighContrastOn();
      tooltip_ =
          CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                          WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance_, nullptr);
      LoadIcons();
      font_.reset(CreateDialogFont(dpi_));
      label1Font_.reset(FittingLabel1Font());
      if (tooltip_ != nullptr) {
        SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
      }
      controls_ = BuildForm1(*this);
      trayRetry_.emplace(window_, NewTimerId());
      controls_.TrayRetry = &*trayRetry_;
      // Keyboard users see where the focus is from the start.
      SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
      // Last: a tool hooks its control, and every message the control takes after that costs
      // more.
      AddTooltips();
      return 0;
    }
    case WM_COMMAND: {
      if (form_ == nullptr || lParam == 0) return 0;
      const int id = LOWORD(wParam);
      const int code = HIWORD(wParam);
      for (const PlacedControl& placed : placed_) {
        if (ControlId(*placed.design) != id) continue;
        if (placed.design->kind == ControlKind::kButton && code == BN_CLICKED) {
          form_->CmdSaS_Click(static_cast<std::int16_t>(placed.design->index));
        } else if (placed.design->kind == ControlKind::kList && code == CBN_SELCHANGE) {
          form_->CmbFunction_Click();
        }
        return 0;
      }
      return 0;
    }
    case DM_GETDEFID: {
      // Enter presses the focused button, as it does in the program's dialogs.
      const HWND focus = GetFocus();
      for (const PlacedControl& placed : placed_) {
        if (placed.window == focus && placed.design->kind == ControlKind::kButton) {
          return MAKELRESULT(ControlId(*placed.design), DC_HASDEFID);
        }
      }
      return 0;
    }
    case WM_TIMER:
      if (timer_ != nullptr && wParam == timer_->Id() && form_ != nullptr && timer_->Enabled()) {
        form_->TMCounter_Timer();
      }
      if (wParam == trayRetry_->Id() && form_ != nullptr && trayRetry_->Enabled()) {
        form_->TrayRetry_Timer();
      }
      return 0;
    case WM_SIZE:
      if (form_ != nullptr) form_->Form_Resize();
      return 0;
    case WM_MOUSEMOVE:
      if (form_ != nullptr) {
        const int buttons = ((wParam & MK_LBUTTON) ? 1 : 0) | ((wParam & MK_RBUTTON) ? 2 : 0) |
                            ((wParam & MK_MBUTTON) ? 4 : 0);
        const int shift = ((wParam & MK_SHIFT) ? 1 : 0) | ((wParam & MK_CONTROL) ? 2 : 0) |
                          (GetKeyState(VK_MENU) < 0 ? 4 : 0);
        const double twips = TwipsPerPixel();
        form_->Form_MouseMove(buttons, shift, GET_X_LPARAM(lParam) * twips,
                              GET_Y_LPARAM(lParam) * twips);
      }
      return 0;
    case WM_CTLCOLORSTATIC:
      if (controls_.Label1 != nullptr &&
          reinterpret_cast<HWND>(lParam) ==
              static_cast<WindowControl*>(controls_.Label1)->Window()) {
        const TextColors colors = CautionColors(highContrast_, CurrentThemeColors());
        SetTextColor(reinterpret_cast<HDC>(wParam), colors.text);
        SetBkColor(reinterpret_cast<HDC>(wParam), colors.background);
        return reinterpret_cast<LRESULT>(label1Brush_.For(colors.background));
      }
      break;
    case WM_SYSCOLORCHANGE:
      // Only a top-level window hears of new colors: the common controls need to be told.
      for (const PlacedControl& placed : placed_) SendMessageW(placed.window, message, 0, 0);
      if (tooltip_ != nullptr) SendMessageW(tooltip_, message, 0, 0);
      [[fallthrough]];
    case WM_SETTINGCHANGE:
      if (ColorsMayHaveChanged(message, wParam)) {
        highContrast_ = HighContrastOn();
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      }
      break;
    case WM_ACTIVATE:
      focus_.OnActivate(window_, wParam);
      // Only the foreground counts: a window shown without activation may still become its
      // thread's active one, with the user's keys going elsewhere.
      if (LOWORD(wParam) != WA_INACTIVE && GetForegroundWindow() == window_ && form_ != nullptr) {
        form_->Form_Activate();
      }
      return 0;
    case WM_DPICHANGED:
      TakeSuggestedRect(window_, lParam);
      ApplyDpi(HIWORD(wParam));
      return 0;
    case WM_CLOSE:
      Unload();
      return 0;
    case WM_ENDSESSION:
      if (wParam != FALSE) Unload();
      return 0;
    case kElevatedAnswerMessage:
      // Any program may post it: only an end that exists reaches the form.
      if (form_ != nullptr && wParam <= static_cast<WPARAM>(ElevatedEnd::kNoAnswer)) {
        form_->ElevatedCopy_Answered(
            {static_cast<ElevatedEnd>(wParam), static_cast<std::uint32_t>(lParam)});
      }
      return 0;
    default:
      if (message == taskbarCreatedMessage_ && taskbarCreatedMessage_ != 0) {
        if (form_ != nullptr) form_->TaskbarCreated();
        return 0;
      }
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

HWND Form1Window::CreateChild(const wchar_t* windowClass, const ControlDesign& design, DWORD style,
                              DWORD exStyle) {
  // Made in place, with its text, state and font, while the window is hidden: nothing is moved
  // or drawn twice. WS_GROUP on each control: arrow keys do not move the focus between them.
  const RECT rect = ControlRect(design);
  const DWORD state = design.enabled ? 0 : WS_DISABLED;
  const HWND child = CreateWindowExW(
      exStyle, windowClass, Text(design.text).c_str(),
      WS_CHILD | WS_VISIBLE | WS_GROUP | state | style, rect.left, rect.top, rect.right - rect.left,
      rect.bottom - rect.top, window_,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(design))), instance_, nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(design)), FALSE);
  placed_.push_back({child, &design});
  return child;
}

void Form1Window::AddTooltips() {
  if (tooltip_ == nullptr) return;
  for (const PlacedControl& placed : placed_) {
    if (placed.design->tooltip == TextId::kNone) continue;
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(placed.window);
    tool.lpszText = const_cast<wchar_t*>(Text(placed.design->tooltip).c_str());
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

Control& Form1Window::CreateButton(const ControlDesign& design) {
  const HWND button = CreateChild(WC_BUTTONW, design, WS_TABSTOP | BS_PUSHBUTTON);
  return *windowControls_.emplace_back(std::make_unique<WindowControl>(button));
}

Control& Form1Window::CreateLabel(const ControlDesign& design) {
  const HWND label = CreateChild(WC_STATICW, design, SS_LEFT | SS_NOPREFIX);
  return *windowControls_.emplace_back(std::make_unique<WindowControl>(label));
}

Control& Form1Window::CreateTextBox(const ControlDesign& design) {
  const HWND edit =
      CreateChild(WC_EDITW, design, WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE);
  SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);  // no length limit
  return *windowControls_.emplace_back(std::make_unique<WindowControl>(edit));
}

TimeControl& Form1Window::CreateTimePicker(const ControlDesign& design) {
  const HWND picker = CreateChild(DATETIMEPICK_CLASSW, design,
                                  WS_TABSTOP | DTS_TIMEFORMAT | DTS_UPDOWN, WS_EX_CLIENTEDGE);
  SYSTEMTIME range[2] = {};
  range[0].wYear = 1601;
  range[0].wMonth = 1;
  range[0].wDay = 1;
  range[1].wYear = 9999;
  range[1].wMonth = 12;
  range[1].wDay = 31;
  range[1].wHour = 23;
  range[1].wMinute = 59;
  range[1].wSecond = 59;
  SendMessageW(picker, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range));
  picker_ = std::make_unique<TimePickerWindow>(picker);
  return *picker_;
}

ListControl& Form1Window::CreateList(const ControlDesign& design) {
  const HWND list = CreateChild(WC_COMBOBOXW, design, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST);
  list_ = std::make_unique<ListWindow>(list);
  return *list_;
}

Timer& Form1Window::CreateTimer(const ControlDesign&) {
  timer_ = std::make_unique<WindowTimer>(window_, NewTimerId());
  return *timer_;
}

Control& Form1Window::CreateMenuItem(const MenuItemDesign& design) {
  if (!menuBar_) {
    menuBar_.reset(CreateMenu());
    trayMenu_ = CreatePopupMenu();
    AppendMenuW(menuBar_.get(), MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(trayMenu_),
                kTrayMenuCaption);
  }
  const UINT id = kFirstMenuId + static_cast<UINT>(menuItems_.size());
  AppendMenuW(trayMenu_, MF_STRING, id, Text(design.caption).c_str());
  if (std::wstring_view(design.name) == L"mpopdsk") consentItem_ = id;
  return *menuItems_.emplace_back(std::make_unique<MenuItemControl>(trayMenu_, id));
}

SIZE Form1Window::WindowSize(UINT dpi) const {
  return WindowSizeForClient(kForm1Design.clientWidthTwips, kForm1Design.clientHeightTwips, kStyle,
                             kExStyle, dpi);
}

RECT Form1Window::ControlRect(const ControlDesign& design) const {
  RECT rect = TwipsToPixels(design.position, dpi_);
  // A drop-down list's window height is that of its open list; its closed height follows the
  // font.
  if (design.kind == ControlKind::kList) {
    rect.bottom = rect.top + (rect.bottom - rect.top) * kListDropDownRows;
  }
  return rect;
}

HGDIOBJ Form1Window::FontFor(const ControlDesign& design) const {
  const bool caution =
      design.kind == ControlKind::kLabel && std::wcscmp(design.name, L"Label1") == 0;
  return caution ? label1Font_.get() : font_.get();
}

void Form1Window::LoadIcons() {
  // The caption's and the taskbar's icons, drawn for this DPI; the old ones go once replaced.
  // At the system's DPI the caption's icon is the tray's, already loaded.
  const int captionSize = SystemMetricForDpi(SM_CXSMICON, dpi_);
  UniqueIcon captionIcon;
  if (captionSize != GetSystemMetrics(SM_CXSMICON)) {
    captionIcon = LoadProgramIcon(instance_, captionSize);
  }
  UniqueIcon taskbarIcon = LoadProgramIcon(instance_, SystemMetricForDpi(SM_CXICON, dpi_));
  const HICON caption = captionIcon ? captionIcon.get() : trayIcon_.get();
  SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(caption));
  SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(taskbarIcon.get()));
  smallIcon_ = std::move(captionIcon);
  bigIcon_ = std::move(taskbarIcon);
}

void Form1Window::ApplyDpi(UINT dpi) {
  dpi_ = dpi;
  LoadIcons();
  // The controls take the new fonts before the old ones go: none may draw with a deleted font.
  UniqueFont font(CreateDialogFont(dpi_));
  UniqueFont label1Font(FittingLabel1Font());
  std::swap(font_, font);
  std::swap(label1Font_, label1Font);
  for (const PlacedControl& placed : placed_) {
    SendMessageW(placed.window, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(*placed.design)),
                 TRUE);
    const RECT rect = ControlRect(*placed.design);
    MoveWindow(placed.window, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               TRUE);
  }
  if (tooltip_ != nullptr) {
    SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  }
}

HFONT Form1Window::FittingLabel1Font() const {
  // The caution must be read in full: step the size down until the wrapped text fits.
  const ControlDesign* caution = FindControl(L"Label1", -1);
  const RECT box = TwipsToPixels(caution->position, dpi_);
  const HDC dc = GetDC(window_);
  HFONT font = nullptr;
  for (int tenths = 80; tenths >= 60; tenths -= 5) {
    if (font != nullptr) DeleteObject(font);
    font = CreateDialogFont(dpi_, tenths);
    const HGDIOBJ previous = SelectObject(dc, font);
    RECT needed{0, 0, box.right - box.left, 0};
    DrawTextW(dc, Text(caution->text).c_str(), -1, &needed,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, previous);
    if (needed.bottom <= box.bottom - box.top) break;
  }
  ReleaseDC(window_, dc);
  return font;
}

double Form1Window::TwipsPerPixel() const { return services_.system.TwipsPerPixelX(); }

bool Form1Window::MovesFocusFromMinutes(const MSG& message) const {
  const HWND minutes = static_cast<WindowControl*>(controls_.TxtCount)->Window();
  switch (message.message) {
    case WM_KEYDOWN:
      return message.hwnd == minutes && message.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0 &&
             GetKeyState(VK_MENU) >= 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: {
      // The control of this window that the press lands in, if it would take the focus.
      HWND control = message.hwnd;
      while (control != nullptr && GetAncestor(control, GA_PARENT) != window_) {
        control = GetAncestor(control, GA_PARENT);
        if (control == GetDesktopWindow()) return false;
      }
      return control != nullptr && control != minutes && IsWindowEnabled(control) &&
             (GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP) != 0;
    }
    default:
      return false;
  }
}

bool Form1Window::PreTranslateMessage(MSG& message) {
  if (window_ == nullptr || form_ == nullptr) return false;
  if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
  const HWND minutes = static_cast<WindowControl*>(controls_.TxtCount)->Window();
  if (GetFocus() == minutes && MovesFocusFromMinutes(message)) {
    bool cancel = false;
    form_->TxtCount_Validate(cancel);
    if (cancel) return true;  // the focus stays, and the press or key never arrives
    if (window_ == nullptr) return true;
  }
  return IsDialogMessageW(window_, &message) != FALSE;
}

void Form1Window::Show() { ShowWindow(window_, SW_SHOW); }
void Form1Window::Hide() { ShowWindow(window_, SW_HIDE); }

// Paints now what waits to be painted, the controls too: just shown, that is all of it, and
// painting it a second time would only cost.
void Form1Window::Refresh() {
  RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void Form1Window::Unload() {
  if (window_ == nullptr) return;
  bool cancel = false;
  if (form_ != nullptr) form_->Form_Unload(cancel);
  if (cancel) return;
  // Windows does not promise to end a tracked popup menu when its owner goes, and the menu's
  // loop would wait on; with no menu open this does nothing.
  EndMenu();
  DestroyWindow(window_);
}

bool Form1Window::Visible() const { return window_ != nullptr && IsWindowVisible(window_); }

WindowState Form1Window::State() const {
  if (IsIconic(window_)) return WindowState::kMinimized;
  if (IsZoomed(window_)) return WindowState::kMaximized;
  return WindowState::kNormal;
}

void Form1Window::SetState(WindowState state) {
  if (State() == state) return;
  switch (state) {
    case WindowState::kNormal:
      ShowWindow(window_, SW_RESTORE);
      break;
    case WindowState::kMinimized:
      ShowWindow(window_, SW_MINIMIZE);
      break;
    case WindowState::kMaximized:
      ShowWindow(window_, SW_MAXIMIZE);
      break;
  }
}

bool Form1Window::SetForeground() { return SetForegroundWindow(window_) != FALSE; }

std::wstring Form1Window::Caption() const { return WindowText(window_); }
void Form1Window::SetCaption(const std::wstring& caption) {
  SetWindowTextW(window_, caption.c_str());
}

void Form1Window::PutShield(POINT pointer) {
  // The shield waits for the menu's first opening: the token's elevation never changes, and
  // asking for it and drawing the shield would only slow the start. It is drawn for the DPI of
  // the monitor the menu opens on, and again when that changes.
  if (!asksForConsent_) asksForConsent_ = ItemAsksForConsent(services_.system.ElevationState());
  const UINT dpi = DpiAtPoint(pointer);
  if (consentItem_ == 0 || !*asksForConsent_ || dpi == shieldDpi_) return;
  shieldDpi_ = dpi;
  UniqueBitmap shield(ShieldMenuBitmap(dpi));
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_BITMAP;
  info.hbmpItem = static_cast<HBITMAP>(shield.get());
  SetMenuItemInfoW(trayMenu_, consentItem_, FALSE, &info);
  std::swap(shield_, shield);  // the old one goes once the item no longer shows it
}

void Form1Window::PopupTrayMenu() {
  POINT pointer{};
  GetCursorPos(&pointer);
  PutShield(pointer);
  const UINT command =
      static_cast<UINT>(TrackPopupMenu(trayMenu_, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                       pointer.x, pointer.y, 0, window_, nullptr));
  // Lets the menu close when the user clicks elsewhere next time.
  if (window_ != nullptr) PostMessageW(window_, WM_NULL, 0, 0);
  const std::size_t item = command - kFirstMenuId;
  if (command == 0 || form_ == nullptr || item >= TrayMenuItems().size()) return;
  const std::wstring_view name = TrayMenuItems()[item].name;
  if (name == L"mpopabout") form_->mpopabout_Click();
  if (name == L"mpopdsk") form_->mpopdsk_Click();
  if (name == L"mpoprestore") form_->mpoprestore_Click();
  if (name == L"mpopexit") form_->mpopexit_Click();
}

TwipsPoint Form1Window::PointerPosition() const {
  const DWORD position = GetMessagePos();
  POINT pointer{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  ScreenToClient(window_, &pointer);
  const double twips = TwipsPerPixel();
  return TwipsPoint{pointer.x * twips, pointer.y * twips};
}

}  // namespace duskfall
