#include "win32/about_window_win32.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>

#include "win32/dpi.h"
#include "win32/program_icon.h"
#include "win32/theme.h"
#include "win32/window_thunk.h"

namespace duskfall {

namespace {

constexpr wchar_t kClassName[] = L"DuskfallAbout";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;  // the dialog frame shows no icon
constexpr int kFirstControlId = 3000;

int ControlId(const AboutControlDesign& design) {
  return kFirstControlId + static_cast<int>(&design - AboutControlDesigns().data());
}

bool Named(const AboutControlDesign& design, const wchar_t* name) {
  return std::wcscmp(design.name, name) == 0;
}

}  // namespace

AboutWindow::AboutWindow(HINSTANCE instance, HWND owner, ProgramWindows& windows, Registry registry,
                         SystemApi& system, Dialogs& dialogs)
    : instance_(instance),
      owner_(owner),
      windows_(windows),
      registry_(registry),
      system_(system),
      dialogs_(dialogs) {}

AboutWindow::~AboutWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
}

bool AboutWindow::RegisterWindowClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &WindowThunk<AboutWindow>;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  return RegisterClassExW(&windowClass) != 0;
}

void AboutWindow::Load() {
  if (window_ != nullptr) return;
  // The previous load's objects are released here, never while one of their handlers runs.
  form_.reset();
  labels_.clear();
  placed_.clear();
  // The class is registered the first time the window opens: a start that never shows it
  // does not pay for it.
  if (!classRegistered_) classRegistered_ = RegisterWindowClass(instance_);
  CreateWindowExW(kExStyle, kClassName, L"", kStyle, 0, 0, 0, 0, owner_, nullptr, instance_, this);
  if (window_ == nullptr) return;
  AboutControls controls;
  for (std::size_t i = 0; i < placed_.size(); ++i) {
    if (Named(*placed_[i].design, L"lblTitle")) controls.lblTitle = labels_[i].get();
    if (Named(*placed_[i].design, L"lblVersion")) controls.lblVersion = labels_[i].get();
  }
  form_ = std::make_unique<FrmAbout>(*this, controls, registry_, system_, dialogs_);
  form_->Form_Load();
}

void AboutWindow::AttachWindow(HWND window) {
  window_ = window;
  windows_.Opened();
}

void AboutWindow::DetachWindow() {
  window_ = nullptr;
  windows_.Closed();
}

LRESULT AboutWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      highContrast_ = HighContrastOn();
      CreateControls();
      ApplyDpi(DpiForWindow(window_));
      PlaceAtDesignPosition();
      SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
      return 0;
    case WM_COMMAND: {
      if (form_ == nullptr) return 0;
      const int id = LOWORD(wParam);
      if (id == IDCANCEL) {
        form_->cmdOK_Click();  // Escape presses OK
        return 0;
      }
      for (const PlacedControl& placed : placed_) {
        if (ControlId(*placed.design) != id || HIWORD(wParam) != BN_CLICKED) continue;
        if (Named(*placed.design, L"cmdOK")) form_->cmdOK_Click();
        if (Named(*placed.design, L"cmdSysInfo")) form_->cmdSysInfo_Click();
        return 0;
      }
      return 0;
    }
    case DM_GETDEFID:
      for (const PlacedControl& placed : placed_) {
        if (Named(*placed.design, L"cmdOK")) {
          return MAKELRESULT(ControlId(*placed.design), DC_HASDEFID);
        }
      }
      return 0;
    case WM_ACTIVATE:
      focus_.OnActivate(window_, wParam);
      return 0;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_CTLCOLORSTATIC: {
      const TextColors colors = AboutLabelColors(highContrast_, CurrentThemeColors());
      SetTextColor(reinterpret_cast<HDC>(wParam), colors.text);
      SetBkColor(reinterpret_cast<HDC>(wParam), colors.background);
      return reinterpret_cast<LRESULT>(labelBrush_.For(colors.background));
    }
    case WM_SYSCOLORCHANGE:
      // Only a top-level window hears of new colors: its controls need to be told.
      for (const PlacedControl& placed : placed_) SendMessageW(placed.window, message, 0, 0);
      [[fallthrough]];
    case WM_SETTINGCHANGE:
      if (ColorsMayHaveChanged(message, wParam)) {
        highContrast_ = HighContrastOn();
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      }
      break;
    case WM_DPICHANGED:
      TakeSuggestedRect(window_, lParam);
      ApplyDpi(HIWORD(wParam));
      return 0;
    case WM_CLOSE:
      Unload();
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void AboutWindow::CreateControls() {
  for (const AboutControlDesign& design : AboutControlDesigns()) {
    const wchar_t* windowClass = nullptr;
    DWORD style = WS_CHILD | WS_VISIBLE | WS_GROUP;
    DWORD exStyle = 0;
    switch (design.kind) {
      case AboutControlKind::kLine:
        continue;  // drawn in Paint
      case AboutControlKind::kPicture:
        windowClass = WC_STATICW;
        style |= SS_ICON | SS_CENTERIMAGE | SS_REALSIZECONTROL;
        exStyle = WS_EX_STATICEDGE;
        break;
      case AboutControlKind::kButton:
        windowClass = WC_BUTTONW;
        style |= WS_TABSTOP | (Named(design, L"cmdOK") ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        break;
      case AboutControlKind::kLabel:
        windowClass = WC_STATICW;
        style |= SS_LEFT | SS_NOPREFIX;
        break;
    }
    const HWND child = CreateWindowExW(
        exStyle, windowClass, Text(design.text).c_str(), style, 0, 0, 0, 0, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(design))), instance_, nullptr);
    placed_.push_back({child, &design});
    labels_.push_back(std::make_unique<WindowControl>(child));
  }
  // The tab order follows the z-order; controls that take no focus go last, in creation order.
  std::vector<PlacedControl> ordered = placed_;
  auto position = [](const PlacedControl& control) {
    const int tab = control.design->tabIndex;
    const auto created = static_cast<int>(control.design - AboutControlDesigns().data());
    return tab >= 0 ? tab : 100 + created;
  };
  std::sort(ordered.begin(), ordered.end(), [&](const PlacedControl& a, const PlacedControl& b) {
    return position(a) < position(b);
  });
  for (const PlacedControl& placed : ordered) {
    SetWindowPos(placed.window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void AboutWindow::ApplyDpi(UINT dpi) {
  dpi_ = dpi;
  // The controls take the new fonts before the old ones go: none may draw with a deleted font.
  UniqueFont font(CreateDialogFont(dpi_));
  LOGFONTW title{};
  GetObjectW(font.get(), sizeof title, &title);
  title.lfHeight = title.lfHeight * 3 / 2;
  title.lfWeight = FW_BOLD;
  UniqueFont titleFont(CreateFontIndirectW(&title));

  // The picture shows the image drawn for 32 pixels at 100 %: 48 at 150 %, and so on.
  UniqueIcon picture =
      LoadProgramIcon(instance_, MulDiv(32, static_cast<int>(dpi_), USER_DEFAULT_SCREEN_DPI));
  for (const PlacedControl& placed : placed_) {
    if (placed.design->kind == AboutControlKind::kPicture) {
      SendMessageW(placed.window, STM_SETICON, reinterpret_cast<WPARAM>(picture.get()), 0);
    }
    const HGDIOBJ chosen = Named(*placed.design, L"lblTitle") ? titleFont.get() : font.get();
    SendMessageW(placed.window, WM_SETFONT, reinterpret_cast<WPARAM>(chosen), TRUE);
    const RECT rect = TwipsToPixels(placed.design->position, dpi_);
    MoveWindow(placed.window, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               TRUE);
  }
  font_ = std::move(font);
  titleFont_ = std::move(titleFont);
  picture_ = std::move(picture);
  InvalidateRect(window_, nullptr, TRUE);
}

void AboutWindow::PlaceAtDesignPosition() {
  // The client area's top-left corner sits at its design position on the screen.
  const int left = TwipsToPixels(kAboutDesign.screenLeftTwips, dpi_);
  const int top = TwipsToPixels(kAboutDesign.screenTopTwips, dpi_);
  const RECT frame =
      WindowRectForClient(RECT{left, top, left + TwipsToPixels(kAboutDesign.clientWidthTwips, dpi_),
                               top + TwipsToPixels(kAboutDesign.clientHeightTwips, dpi_)},
                          kStyle, kExStyle, dpi_);
  SetWindowPos(window_, nullptr, frame.left, frame.top, frame.right - frame.left,
               frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void AboutWindow::Paint() {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(window_, &paint);
  // The etched separator: a dark line with a light line below it.
  const SeparatorColors colors = AboutSeparatorColors(highContrast_, CurrentThemeColors());
  for (const AboutControlDesign& design : AboutControlDesigns()) {
    if (design.kind != AboutControlKind::kLine) continue;
    const bool light = design.index == 0;
    const int width = MulDiv(light ? 2 : 1, static_cast<int>(dpi_), USER_DEFAULT_SCREEN_DPI);
    UniqueAny<HGDIOBJ, GdiObjectCloser> pen(
        CreatePen(PS_INSIDEFRAME, width, light ? colors.light : colors.dark));
    const HGDIOBJ previous = SelectObject(dc, pen.get());
    MoveToEx(dc, TwipsToPixels(design.position.left, dpi_),
             TwipsToPixels(design.position.top, dpi_), nullptr);
    LineTo(dc, TwipsToPixels(design.position.width, dpi_),
           TwipsToPixels(design.position.height, dpi_));
    SelectObject(dc, previous);
  }
  EndPaint(window_, &paint);
}

bool AboutWindow::PreTranslateMessage(MSG& message) {
  if (window_ == nullptr) return false;
  if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
  return IsDialogMessageW(window_, &message) != FALSE;
}

void AboutWindow::Show() {
  if (window_ == nullptr) return;
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
}

void AboutWindow::Hide() {
  if (window_ != nullptr) ShowWindow(window_, SW_HIDE);
}

void AboutWindow::Refresh() {
  if (window_ != nullptr) UpdateWindow(window_);
}

void AboutWindow::Unload() {
  if (window_ != nullptr) DestroyWindow(window_);
}

bool AboutWindow::Visible() const { return window_ != nullptr && IsWindowVisible(window_); }
WindowState AboutWindow::State() const { return WindowState::kNormal; }
void AboutWindow::SetState(WindowState) {}
bool AboutWindow::SetForeground() { return SetForegroundWindow(window_) != FALSE; }
std::wstring AboutWindow::Caption() const { return WindowText(window_); }
void AboutWindow::SetCaption(const std::wstring& caption) {
  SetWindowTextW(window_, caption.c_str());
}

}  // namespace duskfall
