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
  for (const TextId mode : {kModeRelativeTime, kModeFixedTime}) {
    Rig r;
    r.factory.picker.value = DateTime{0, 100};
    r.sys.now = DateTime{46000, 99};
    r.StartWith(Text(mode), L"1");
    EXPECT_EQ(r.factory.timer.interval, mode == kModeFixedTime ? 1000u : 60000u);
    r.sys.now = DateTime{46000, 101};
    r.form.TMCounter_Timer();
    EXPECT_TRUE(r.Fired()) << int(mode);
  }
}

TEST_F(Texts, ACountDownStoredInOneLanguageResumesInAnother) {
  LoadLanguage("pl");
  Rig polish;
  polish.Choose(Text(kModeRelativeTime), L"45");
  polish.form.mpopdsk_Click();
  LoadLanguage("de");
  Rig german(false);
  german.registry.keys = polish.registry.keys;
  german.Start();
  EXPECT_TRUE(german.Running());
  EXPECT_EQ(german.c.CmbFunction->Text() + L"|" + german.c.mpopdsk->Text(),
            L"Relative Zeit|Duskfall aufheben");
}

TEST_F(Texts, PolishCountsTwoToFourMinutesInAFormOfTheirOwn) {
  LoadLanguage("pl");
  std::wstring tips;
  for (const int minutes : {1, 3, 5, 12, 22, 111}) tips += Text(MinutesTip(minutes)).substr(41);
  EXPECT_EQ(tips, L"1 minutę%1 minuty%1 minut%1 minut%1 minuty%1 minut");
}

}  // namespace
}  // namespace duskfall::testing
