// The last minute's warning as a user meets it, and the tip that tells the moment.
#include "fakes/rig.h"

namespace duskfall::testing {
namespace {

TEST(Warning, TheWindowComesUpTopmostWithoutTheFocusUntilActivatedCancelledOrFired) {
  const Log warned{"Shell_NotifyIconW 1", "Shell_NotifyIconW 1", "Form1.ShowOnTopWithoutFocus 1"};
  // A cancel takes the balloon down first, then the icon goes and comes back.
  const Log cancelled{"Form1.EndTopmost", "Shell_NotifyIconW 1", "Shell_NotifyIconW 2",
                      "Shell_NotifyIconW 0"};
  const std::vector<std::pair<void (Form1::*)(), Log>> rows{
      {&Form1::Form_Activate, {"Form1.EndTopmost"}},
      {&Form1::TMCounter_Timer, {"Form1.EndTopmost", "Shell_NotifyIconW 2", "Form1.Unload"}},
      {&Form1::mpoprestore_Click,
       {"Form1.SetState 0", "Form1.SetForeground", "Form1.EndTopmost", "Form1.Show"}}};
  for (const auto& [end, expected] : rows) {
    Rig r;
    r.StartWith(Text(kModeRelativeTime), L"1");
    EXPECT_EQ(r.log, warned);
    EXPECT_TRUE(r.self.visible && r.self.topmost);
    r.log.clear();
    (r.form.*end)();
    r.log.resize(expected.size());
    EXPECT_EQ(r.log, expected);
    EXPECT_FALSE(r.self.topmost);
  }
  Rig r;
  r.StartWith(Text(kModeRelativeTime), L"1");
  r.log.clear();
  r.form.CmdSaS_Click(0);
  r.log.resize(cancelled.size());
  EXPECT_EQ(r.log, cancelled);
  EXPECT_EQ(std::pair(r.sys.balloons.back().szInfo[0], r.sys.balloons.back().icon.uFlags),
            std::pair(L'\0', 0x10u));
  EXPECT_FALSE(r.self.topmost);
}

TEST(Tray, TheTipCarriesALongTimeWholeAndIsCutAt127CharactersBetweenTwo) {
  const std::wstring at = Fill(Text(kTipPowerOffAt), L"");
  const std::wstring pair = L"\xD83D\xDD52";  // one character in two units
  const auto filler = [&](std::size_t units) { return std::wstring(units - at.size(), L'x'); };
  const std::vector<std::pair<std::wstring, std::wstring>> rows{
      {filler(100), at + filler(100)},
      {filler(125) + pair, at + filler(125) + pair},
      {filler(126) + pair, at + filler(126)},
      {filler(127) + L"yz", at + filler(127)}};
  for (const auto& [time, tip] : rows) {
    Rig r;
    r.sys.timeText = time;
    r.Choose(Text(kModeFixedTime));
    r.form.CmdSaS_Click(0);
    EXPECT_EQ(std::wstring(r.sys.tray.back().szTip.data()), tip) << time.size();
  }
}

}  // namespace
}  // namespace duskfall::testing
