// The tray menu's About window with its system information launcher, and the standing logon
// count-down: stored, resumed at the next start, cancelled.
#include "e2e/program_fixture.h"

namespace duskfall::e2e {
namespace {

constexpr int kAboutItem = 0;
constexpr int kLogonItem = 1;
constexpr int kExitItem = 3;

std::vector<std::wstring> ChildTexts(HWND window, const wchar_t* windowClass) {
  std::vector<std::wstring> texts;
  for (HWND child : Children(window)) {
    if (ClassName(child) == windowClass) texts.push_back(Text(child));
  }
  return texts;
}

bool Contains(const std::vector<std::wstring>& texts, const std::wstring& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

class About : public ProgramTest {
 protected:
  HWND OpenAbout() {
    EXPECT_TRUE(ChooseTrayMenuItem(program(), window(), kAboutItem));
    HWND about = nullptr;
    EXPECT_TRUE(WaitUntil([&] { return (about = AboutWindow()) != nullptr; }));
    return about;
  }
  HWND AboutWindow() {
    for (HWND about : program().Windows(L"DuskfallAbout")) {
      if (IsWindowVisible(about)) return about;
    }
    return nullptr;
  }
  void PressSystemInfo(HWND about) {
    PostMessageW(FindChild(about, L"Button", L"&System Info..."), BM_CLICK, 0, 0);
  }
  void TearDown() override {
    EndProgramsWithWindow(L"Notepad");
    EndProgramsWithWindow(L"DuskfallForm1");
  }
};

TEST_F(About, ShowsTitleVersionAndDescription) {
  const HWND about = OpenAbout();
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(Text(about), L"About Duskfall");
  const auto labels = ChildTexts(about, L"Static");
  EXPECT_TRUE(Contains(labels, L"Duskfall"));
  EXPECT_TRUE(Contains(labels, L"Version 1.0.2"));
  EXPECT_TRUE(Contains(labels, L"Utility for shutting down your computer at a preset time"));
  const LONG style = GetWindowLongW(about, GWL_STYLE);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_NE(GetWindow(about, GW_OWNER), window()) << "the main window does not own it";
  EXPECT_FALSE(TaskbarShowsButtonFor(about));
  EXPECT_TRUE(WaitUntil([&] { return FocusOf(about) == FindChild(about, L"Button", L"OK"); }));
  SaveScreenshot(about, L"about-window");
  Click(FindChild(about, L"Button", L"OK"));
  EXPECT_TRUE(WaitUntil([&] { return AboutWindow() == nullptr; }));
  EXPECT_TRUE(program().Running());
}

TEST_F(About, ChoosingItTwiceKeepsOneWindow) {
  ASSERT_NE(OpenAbout(), nullptr);
  ASSERT_TRUE(ChooseTrayMenuItem(program(), window(), kAboutItem));
  EXPECT_EQ(program().Windows(L"DuskfallAbout").size(), 1u);
}

TEST_F(About, EscapeClosesIt) {
  const HWND about = OpenAbout();
  SetForegroundWindow(about);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == about; }));
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(WaitUntil([&] { return AboutWindow() == nullptr; }));
}

TEST_F(About, SystemInfoIsUnavailableWithoutItsRegistryEntries) {
  const HWND about = OpenAbout();
  PressSystemInfo(about);
  const auto box = program().AnswerMessageBox();
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->text, L"System Information Is Unavailable At This Time");
  EXPECT_EQ(box->title, L"Duskfall");
  EXPECT_FALSE(box->icon);
  EXPECT_NE(AboutWindow(), nullptr);
}

TEST_F(About, SystemInfoStartsTheProgramItsPathNames) {
  SetSystemInfoPath(L"C:\\windows\\notepad.exe");
  PressSystemInfo(OpenAbout());
  EXPECT_TRUE(WaitUntil([] { return FindWindowW(L"Notepad", nullptr) != nullptr; }));
  EXPECT_EQ(program().WaitForMessageBox(0ms), nullptr);
}

TEST_F(About, SystemInfoFindsTheToolInItsFolder) {
  // Any program serves as the tool; a copy of Duskfall shows whether it was started.
  CreateDirectoryW(L"C:\\SysInfoTool", nullptr);
  const std::wstring tool = L"C:\\SysInfoTool\\MSINFO32.EXE";
  ASSERT_TRUE(CopyFileW((Program::Directory() + L"\\Duskfall.exe").c_str(), tool.c_str(), FALSE));
  SetSystemInfoFolder(L"C:\\SysInfoTool");
  PressSystemInfo(OpenAbout());
  EXPECT_TRUE(WaitUntil([&] { return WindowFromImage(L"DuskfallForm1", tool); }));
  EXPECT_EQ(program().WaitForMessageBox(0ms), nullptr);
}

TEST_F(About, SystemInfoInAFolderWithoutTheToolIsUnavailable) {
  CreateDirectoryW(L"C:\\EmptyToolFolder", nullptr);
  SetSystemInfoFolder(L"C:\\EmptyToolFolder");
  PressSystemInfo(OpenAbout());
  const auto box = program().AnswerMessageBox();
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->text, L"System Information Is Unavailable At This Time");
}

TEST_F(About, ExitLeavesTheProcessUntilAboutCloses) {
  const HWND about = OpenAbout();
  ASSERT_TRUE(ChooseTrayMenuItem(program(), window(), kExitItem));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(window()); }));
  EXPECT_TRUE(program().Running());
  Click(FindChild(about, L"Button", L"OK"));
  EXPECT_TRUE(program().WaitForExit());
}

class LogonSetting : public ProgramTest {
 protected:
  void BeforeStart() override { SetAppPath(kInstalledPath); }
  static constexpr wchar_t kInstalledPath[] = L"C:\\Program Files\\Duskfall\\Duskfall.exe";

  std::optional<MessageBoxView> ChooseLogonItemExpectingABox() {
    EXPECT_TRUE(ChooseTrayMenuItem(program(), window(), kLogonItem));
    return program().AnswerMessageBox();
  }
};

TEST_F(LogonSetting, IsStoredResumedAtTheNextStartAndCancelled) {
  view().ChooseMode(2);
  view().SetMinutes(L"45");
  ASSERT_TRUE(ChooseTrayMenuItem(program(), window(), kLogonItem));
  ASSERT_TRUE(WaitUntil([&] { return view().Running(); }));
  EXPECT_EQ(StoredLogonMinutes(), L"45");
  EXPECT_EQ(RunValue(), L"\"C:\\Program Files\\Duskfall\\Duskfall.exe\"");
  EXPECT_TRUE(IsWindowVisible(window()));

  ASSERT_TRUE(ChooseTrayMenuItem(program(), window(), kExitItem));
  ASSERT_TRUE(program().WaitForExit());

  Program next;
  const HWND resumed = next.WaitForMainWindow();
  ASSERT_NE(resumed, nullptr);
  const MainWindowView view(resumed);
  ASSERT_TRUE(WaitUntil([&] { return view.Running(); }));
  EXPECT_FALSE(IsWindowVisible(resumed));
  EXPECT_EQ(Text(view.Minutes()), L"45");

  ASSERT_TRUE(ChooseTrayMenuItem(next, resumed, kLogonItem));
  EXPECT_TRUE(WaitUntil([&] { return !view.Running() && IsWindowVisible(resumed); }));
  EXPECT_EQ(StoredLogonMinutes(), L"");
  EXPECT_EQ(RunValue(), L"");
  EXPECT_EQ(next.WaitForMessageBox(0ms), nullptr);
}

TEST_F(LogonSetting, NeedsAnIdleRelativeCountDown) {
  auto box = ChooseLogonItemExpectingABox();
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->text,
            L"Please make sure you have selected Relative Time and you have set a value higher "
            L"than 0.");
  EXPECT_EQ(box->title, L"Qorvelix Duskfall");
  EXPECT_TRUE(box->icon);

  view().ChooseMode(1);
  view().PressSet();
  ASSERT_TRUE(WaitUntil([&] { return view().Running(); }));
  box = ChooseLogonItemExpectingABox();
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->text, L"An active count down is in force. Please cancel it and try again");
  EXPECT_EQ(StoredLogonMinutes(), L"<missing>");
  EXPECT_EQ(RunValue(), L"<missing>");
}

class LogonWithoutWriteRights : public LogonSetting {
  void BeforeStart() override {
    LogonSetting::BeforeStart();
    StoreLogonMinutes(L"");
    MakeSettingsKeyReadOnly();
  }
};

TEST_F(LogonWithoutWriteRights, TellsTheUserAndChangesNothing) {
  view().ChooseMode(2);
  view().SetMinutes(L"45");
  const auto box = ChooseLogonItemExpectingABox();
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->text,
            L"The logon count-down could not be stored. Storing it needs administrator rights.");
  EXPECT_FALSE(view().Running());
  EXPECT_EQ(StoredLogonMinutes(), L"");
  EXPECT_EQ(RunValue(), L"<missing>");
}

}  // namespace
}  // namespace duskfall::e2e
