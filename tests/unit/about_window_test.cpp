// The About window's texts, its registry reader and the system information launcher.
#include <gtest/gtest.h>

#include <algorithm>

#include "about/about_window.h"
#include "fakes/fake_controls.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_services.h"

namespace duskfall::testing {
namespace {

const std::string kMsInfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kLocation = "SOFTWARE\\Microsoft\\Shared Tools Location";

class AboutWindowTexts : public ::testing::Test {
 protected:
  FakeWindow window{"frmAbout", nullptr};
  FakeControl title{"lblTitle", nullptr};
  FakeControl version{"lblVersion", nullptr};
  FakeRegistry registry;
  FakeAnsiCodePage ansi;
  FakeSystem system;
  FakeDialogs dialogs;
  FrmAbout about{window, AboutControls{&title, &version}, Registry{registry, ansi}, system,
                 dialogs};
};

TEST_F(AboutWindowTexts, LoadFillsCaptionTitleAndVersionAfresh) {
  version.SetText(L"stale");
  about.Form_Load();
  EXPECT_EQ(window.Caption(), L"About Duskfall");
  EXPECT_EQ(title.Text(), L"Duskfall");
  EXPECT_EQ(version.Text(), L"Version 1.0.2");
}

TEST_F(AboutWindowTexts, OkUnloadsTheWindow) {
  about.cmdOK_Click();
  EXPECT_FALSE(window.Loaded());
}

TEST(AboutWindowDesign, TheDescriptionAndANoticeOfTwoSentencesAreThere) {
  int sentences = 0;
  bool description = false;
  for (const AboutControlDesign& design : AboutControlDesigns()) {
    const std::wstring text = design.text != nullptr ? design.text : L"";
    if (std::wstring(design.name) == L"lblDescription") {
      description = text == L"Utility for shutting down your computer at a preset time";
    }
    if (std::wstring(design.name) == L"lblDisclaimer") {
      sentences = static_cast<int>(std::count(text.begin(), text.end(), L'.'));
    }
  }
  EXPECT_TRUE(description);
  EXPECT_EQ(sentences, 2);
}

class KeyValue : public ::testing::Test {
 protected:
  std::optional<bool> Read(const std::string& name, std::wstring& value) {
    return GetKeyValue(Registry{registry, ansi}, kHkeyLocalMachine,
                       std::wstring(kMsInfo.begin(), kMsInfo.end()),
                       std::wstring(name.begin(), name.end()), value);
  }
  void TearDown() override { EXPECT_EQ(registry.OpenHandles(), 0); }
  FakeRegistry registry;
  FakeAnsiCodePage ansi;
};

TEST_F(KeyValue, TextLosesItsTerminatingZeroOnly) {
  registry.PutString(kMsInfo, "PATH", "C:\\msinfo32.exe");
  registry.PutValue(kMsInfo, "BARE", kRegSz, {'a', 'b'});
  std::wstring value;
  EXPECT_EQ(Read("PATH", value), std::optional<bool>(true));
  EXPECT_EQ(value, L"C:\\msinfo32.exe");
  EXPECT_EQ(Read("BARE", value), std::optional<bool>(true));
  EXPECT_EQ(value, L"ab");
}

TEST_F(KeyValue, MissingKeyOrValueEmptiesTheTextAndIsFalse) {
  std::wstring value = L"old";
  EXPECT_EQ(Read("PATH", value), std::optional<bool>(false));
  EXPECT_EQ(value, L"");
  registry.CreateKey(kMsInfo);
  value = L"old";
  EXPECT_EQ(Read("PATH", value), std::optional<bool>(false));
  EXPECT_EQ(value, L"");
}

TEST_F(KeyValue, AValueWithoutDataIsAFailureNotARead) {
  registry.PutValue(kMsInfo, "PATH", kRegSz, {});
  std::wstring value;
  EXPECT_FALSE(Read("PATH", value).has_value());
}

TEST_F(KeyValue, IntegersBecomeHexadecimalLastByteFirst) {
  registry.PutValue(kMsInfo, "N", kRegDword, {0x0A, 0x01, 0xFF, 0x12});
  std::wstring value;
  EXPECT_EQ(Read("N", value), std::optional<bool>(true));
  EXPECT_EQ(value, L"&h12FF1A");
  // A zero highest byte counts as a terminating zero and goes.
  registry.PutValue(kMsInfo, "M", kRegDword, {0x05, 0x00, 0x01, 0x00});
  value.clear();
  Read("M", value);
  EXPECT_EQ(value, L"&h105");
}

TEST_F(KeyValue, OtherTypesLeaveTheTextAsItWasAndAreTrue) {
  registry.PutValue(kMsInfo, "PATH", kRegExpandSz, {'%', 'x', '%', 0});
  std::wstring value = L"as before";
  EXPECT_EQ(Read("PATH", value), std::optional<bool>(true));
  EXPECT_EQ(value, L"as before");
}

TEST_F(KeyValue, ValuesOverTheBufferAreNotRead) {
  registry.PutString(kMsInfo, "PATH", std::string(1023, 'x'));
  std::wstring value;
  EXPECT_EQ(Read("PATH", value), std::optional<bool>(true));
  EXPECT_EQ(value.size(), 1023u);
  registry.PutString(kMsInfo, "PATH", std::string(1024, 'x'));
  EXPECT_EQ(Read("PATH", value), std::optional<bool>(false));
  EXPECT_EQ(value, L"");
}

TEST_F(KeyValue, AKeyThatMayOnlyBeReadIsRead) {
  registry.PutString(kMsInfo, "PATH", "C:\\msinfo32.exe");
  registry.DenyWrite(kMsInfo);
  std::wstring value;
  EXPECT_EQ(Read("PATH", value), std::optional<bool>(true));
  EXPECT_EQ(registry.requestedAccess, std::vector<std::uint32_t>{0x20019});
}

class SysInfo : public ::testing::Test {
 protected:
  void Start() { StartSysInfo(Registry{registry, ansi}, system, dialogs); }
  void ExpectUnavailable() {
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, L"System Information Is Unavailable At This Time");
    EXPECT_EQ(dialogs.boxes[0].style, 0u);
    EXPECT_EQ(dialogs.boxes[0].title, L"Duskfall");
  }
  FakeRegistry registry;
  FakeAnsiCodePage ansi;
  FakeSystem system;
  FakeDialogs dialogs;
};

TEST_F(SysInfo, StartsTheToolNamedByPathWithoutTestingIt) {
  registry.PutString(kMsInfo, "PATH", "C:\\Tools\\msinfo32.exe");
  system.startable = {L"C:\\Tools\\msinfo32.exe"};
  Start();
  EXPECT_EQ(system.started, std::vector<std::wstring>{L"C:\\Tools\\msinfo32.exe"});
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(SysInfo, APathThatCannotStartIsUnavailableAndTheFolderIsNotTried) {
  registry.PutString(kMsInfo, "PATH", "C:\\Gone\\msinfo32.exe");
  registry.PutString(kLocation, "MSINFO", "C:\\Tools");
  system.files = {L"C:\\Tools\\MSINFO32.EXE"};
  system.startable = {L"C:\\Tools\\MSINFO32.EXE"};
  Start();
  EXPECT_EQ(system.started, std::vector<std::wstring>{L"C:\\Gone\\msinfo32.exe"});
  ExpectUnavailable();
}

TEST_F(SysInfo, WithoutPathTheToolIsFoundInTheMsinfoFolder) {
  registry.PutString(kLocation, "MSINFO", "C:\\Tools");
  system.files = {L"C:\\Tools\\MSINFO32.EXE"};
  system.startable = {L"C:\\Tools\\MSINFO32.EXE"};
  Start();
  EXPECT_EQ(system.started, std::vector<std::wstring>{L"C:\\Tools\\MSINFO32.EXE"});
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(SysInfo, AFolderWithoutTheToolIsUnavailableAndStartsNothing) {
  registry.PutString(kLocation, "MSINFO", "C:\\Empty");
  Start();
  EXPECT_TRUE(system.started.empty());
  ExpectUnavailable();
}

TEST_F(SysInfo, NothingRegisteredIsUnavailable) {
  Start();
  EXPECT_TRUE(system.started.empty());
  ExpectUnavailable();
}

TEST_F(SysInfo, AnExpandableStringLeavesThePathEmptySoItCannotStart) {
  registry.PutValue(kMsInfo, "PATH", kRegExpandSz, {'C', ':', 0});
  registry.PutString(kLocation, "MSINFO", "C:\\Tools");
  system.files = {L"C:\\Tools\\MSINFO32.EXE"};
  Start();
  EXPECT_EQ(system.started, std::vector<std::wstring>{L""});
  ExpectUnavailable();
}

TEST_F(SysInfo, AValueWithoutDataEndsInTheMessage) {
  registry.PutValue(kMsInfo, "PATH", kRegSz, {});
  registry.PutString(kLocation, "MSINFO", "C:\\Tools");
  system.files = {L"C:\\Tools\\MSINFO32.EXE"};
  Start();
  EXPECT_TRUE(system.started.empty());
  ExpectUnavailable();
}

TEST_F(SysInfo, KeysThatMayOnlyBeReadStillFindTheTool) {
  registry.PutString(kMsInfo, "PATH", "C:\\Tools\\msinfo32.exe");
  registry.DenyWrite(kMsInfo);
  system.startable = {L"C:\\Tools\\msinfo32.exe"};
  Start();
  EXPECT_TRUE(dialogs.boxes.empty());
}

}  // namespace
}  // namespace duskfall::testing
