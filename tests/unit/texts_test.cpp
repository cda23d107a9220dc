// The program's texts in every language: complete, filled the same way as English, and the
// count-down working the same whichever language shows.
#include <gtest/gtest.h>

#include <string>

#include "fakes/rig.h"
#include "unit/language_tables.h"

namespace duskfall::testing {
namespace {

// Every test of the program starts in English, as on a Windows of a language it does not speak.
struct EnglishTexts : ::testing::Environment {
  void SetUp() override { LoadLanguage("en"); }
};
const auto* const kEnglishFirst = ::testing::AddGlobalTestEnvironment(new EnglishTexts);

struct Texts : ::testing::Test {
  void TearDown() override { LoadLanguage("en"); }
};

// Each placeholder's count, and of '%' signs in all: a translation fills as English does.
std::wstring Placeholders(std::wstring_view text) {
  std::wstring counts;
  for (const wchar_t* mark : {L"%1", L"%2", L"%"}) {
    std::size_t count = 0;
    for (std::size_t at = text.find(mark); at != text.npos; at = text.find(mark, at + 1)) ++count;
    counts += std::to_wstring(count);
  }
  return counts;
}

TEST_F(Texts, EveryLanguageHasEveryTextWithTheEnglishPlaceholders) {
  EXPECT_EQ(kLanguageTables.size(), 6u);
  const TableTexts english(Table("en"));
  for (const LanguageTable& table : kLanguageTables) {
    const TableTexts language(table);
    for (auto id = TextId::kCaptionExit; id < TextId::kCount; id = TextId(int(id) + 1)) {
      const std::wstring_view text = language.Find(id);
      EXPECT_FALSE(text.empty()) << table.name << " lacks text " << int(id);
      EXPECT_EQ(Placeholders(text), Placeholders(english.Find(id))) << table.name << int(id);
    }
  }
}

TEST_F(Texts, ATextALanguageLacksComesInEnglish) {
  LanguageTable german = Table("de");
  std::erase_if(german.texts, [](const TableText& row) { return row.id == TextId::kLabelMode; });
  LoadTexts(TableTexts(german), TableTexts(Table("en")));
  EXPECT_EQ(Text(TextId::kLabelMode), L"Mode");
  EXPECT_EQ(Text(TextId::kLabelTime), L"Uhrzeit");
  EXPECT_EQ(Fill(Text(TextId::kMsgPowerOffError), L"ExitWindowsEx", L"5"),
            L"ExitWindowsEx Fehler==5");
}

TEST_F(Texts, TheModeIsRecognisedFromATranslatedEntry) {
  LoadLanguage("pl");
  Rig r;
  r.StartWith(Text(TextId::kModeRelativeTime), L"5");
  EXPECT_TRUE(r.Running());
  EXPECT_EQ(r.factory.timer.interval, 60000u);
  EXPECT_EQ(r.c.CmdSaS[0]->Text(), L"Anuluj");
  r.form.CmdSaS_Click(0);
  r.Choose(Text(TextId::kModeFixedTime));
  EXPECT_TRUE(r.c.DtTime->Enabled());
  EXPECT_EQ(r.factory.timer.interval, 1000u);
}

TEST_F(Texts, ACountDownStoredInOneLanguageResumesInAnother) {
  LoadLanguage("de");
  Rig german;
  german.Choose(Text(TextId::kModeRelativeTime), L"45");
  german.form.mpopdsk_Click();
  EXPECT_EQ(german.registry.Text(kSettings, kMinutes), "45");
  LoadLanguage("en");
  Rig english(false);
  english.registry.keys = german.registry.keys;
  english.Start();
  EXPECT_TRUE(english.Running());
  EXPECT_EQ(english.c.CmbFunction->Text(), L"Relative Time");
  EXPECT_EQ(english.c.mpopdsk->Text(), L"Cancel Duskfall");
}

TEST_F(Texts, PolishCountsTwoToFourMinutesInAFormOfTheirOwn) {
  const std::vector<std::pair<double, TextId>> rows{
      {1, TextId::kTipPowerOffInOne},   {2, TextId::kTipPowerOffInFew},
      {4, TextId::kTipPowerOffInFew},   {5, TextId::kTipPowerOffInMany},
      {12, TextId::kTipPowerOffInMany}, {22, TextId::kTipPowerOffInFew},
      {111, TextId::kTipPowerOffInMany}};
  for (const auto& [minutes, tip] : rows) EXPECT_EQ(MinutesTip(minutes), tip) << minutes;
  LoadLanguage("pl");
  EXPECT_EQ(Fill(Text(MinutesTip(3)), L"3"), L"Qorvelix Duskfall: zamknięcie systemu za 3 minuty");
}

}  // namespace
}  // namespace duskfall::testing
