// The program's texts in every language: complete, filled as English is, and the count-down
// working the same whichever language shows.
#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/rig.h"
#include "unit/language_tables.h"

namespace duskfall::testing {
namespace {

// Every test starts in English, as on a Windows of a language Duskfall does not speak.
struct EnglishTexts : ::testing::Environment {
  void SetUp() override { LoadLanguage("en"); }
};
const auto* const kEnglishFirst = ::testing::AddGlobalTestEnvironment(new EnglishTexts);
struct Texts : ::testing::Test {
  void TearDown() override { LoadLanguage("en"); }
};

// Whether it has %1 and %2, and its count of '%': a translation fills as English does.
std::wstring Placeholders(std::wstring_view text) {
  return std::to_wstring(text.find(L"%1") != text.npos) +
         std::to_wstring(text.find(L"%2") != text.npos) +
         std::to_wstring(std::ranges::count(text, L'%'));
}

TEST_F(Texts, EveryLanguageHasEveryTextWithTheEnglishPlaceholders) {
  for (const auto& [name, table] : kLanguageTables) {
    for (auto id = kCaptionExit; id < kCount; id = TextId(int(id) + 1)) {
      const std::wstring_view text = TableTexts(table).Find(id);
      EXPECT_FALSE(text.empty()) << name << " lacks text " << int(id);
      EXPECT_EQ(Placeholders(text), Placeholders(kLanguageTables.at("en").at(id))) << name;
    }
  }
}

TEST_F(Texts, ATextALanguageLacksComesInEnglish) {
  LanguageTable german = kLanguageTables.at("de");
  german.erase(kLabelMode);
  LoadTexts(TableTexts(german), TableTexts(kLanguageTables.at("en")));
  EXPECT_EQ(Text(kLabelMode) + Text(kLabelTime), L"ModeUhrzeit");
}

TEST_F(Texts, TheModeIsRecognisedFromATranslatedEntry) {
  LoadLanguage("pl");
  Rig r;
  r.StartWith(Text(kModeRelativeTime), L"5");
  EXPECT_TRUE(r.Running() && r.factory.timer.interval == 60000u);
  r.form.CmdSaS_Click(0);
  r.Choose(Text(kModeFixedTime));
  EXPECT_TRUE(r.c.DtTime->Enabled() && r.factory.timer.interval == 1000u);
}

TEST_F(Texts, ACountDownStoredInOneLanguageResumesInAnother) {
  LoadLanguage("de");
  Rig german;
  german.Choose(Text(kModeRelativeTime), L"45");
  german.form.mpopdsk_Click();
  LoadLanguage("en");
  Rig english(false);
  english.registry.keys = german.registry.keys;
  english.Start();
  EXPECT_TRUE(english.Running());
  EXPECT_EQ(english.c.CmbFunction->Text() + english.c.mpopdsk->Text(),
            L"Relative TimeCancel Duskfall");
}

TEST_F(Texts, PolishCountsTwoToFourMinutesInAFormOfTheirOwn) {
  LoadLanguage("pl");
  std::wstring tips;
  for (const double minutes : {1, 3, 5, 12, 22, 111}) {
    tips += Fill(Text(MinutesTip(minutes)), std::to_wstring(int(minutes))).substr(41) + L"|";
  }
  EXPECT_EQ(tips, L"1 minutę|3 minuty|5 minut|12 minut|22 minuty|111 minut|");
}

}  // namespace
}  // namespace duskfall::testing
