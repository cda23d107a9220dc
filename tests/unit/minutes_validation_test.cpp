// The minutes box's check when the focus leaves it: message, icon, whether the focus stays,
// and that the text is never touched.
#include "unit/form1_harness.h"

namespace duskfall::testing {
namespace {

struct Case {
  const wchar_t* text;
  const wchar_t* message;  // nullptr: accepted silently
  std::uint32_t icon;
  bool keepsFocus;
};

constexpr const wchar_t* kBelow = kMsgBelowOne;
constexpr const wchar_t* kType = kMsgWrongType;
constexpr const wchar_t* kLarge = kMsgTooLarge;

void PrintTo(const Case& validation, std::ostream* out) {
  *out << ::testing::PrintToString(std::wstring(validation.text));
}

class MinutesValidation : public StartedForm1, public ::testing::WithParamInterface<Case> {};

TEST_P(MinutesValidation, RefusesWhatIsNotAWholeNumberFromOneUp) {
  const Case& expected = GetParam();
  Choose(kModeRelativeTime);
  c.TxtCount->SetText(expected.text);
  bool cancel = false;
  form.TxtCount_Validate(cancel);
  EXPECT_EQ(cancel, expected.keepsFocus);
  EXPECT_EQ(c.TxtCount->Text(), expected.text);
  if (expected.message == nullptr) {
    EXPECT_TRUE(dialogs.boxes.empty());
    return;
  }
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].text, expected.message);
  EXPECT_EQ(dialogs.boxes[0].style, expected.icon);
  EXPECT_EQ(dialogs.boxes[0].title, L"Qorvelix Duskfall");
}

INSTANTIATE_TEST_SUITE_P(
    Table, MinutesValidation,
    ::testing::Values(Case{L"1", nullptr, 0, false}, Case{L"2147483647", nullptr, 0, false},
                      Case{L"2147483648", kLarge, 64, true}, Case{L"0", kBelow, 64, true},
                      Case{L"-5", kBelow, 64, true}, Case{L"-2147483648", kBelow, 64, true},
                      Case{L"-2147483649", kLarge, 64, true}, Case{L"", kType, 64, true},
                      Case{L"abc", kType, 64, true}, Case{L"5 apples", kType, 64, true},
                      Case{L"2.5", nullptr, 0, false}, Case{L"0.5", kBelow, 64, true},
                      Case{L"1.5", nullptr, 0, false}, Case{L" 7 ", nullptr, 0, false}),
    [](const ::testing::TestParamInfo<Case>& param) { return std::to_string(param.index); });

TEST_F(StartedForm1, ValidationReadsTheUsersDecimalComma) {
  system.decimalSeparator = L",";
  c.TxtCount->SetText(L"0,5");
  bool cancel = false;
  form.TxtCount_Validate(cancel);
  EXPECT_TRUE(cancel);
  EXPECT_EQ(LastBoxText(), kMsgBelowOne);
  c.TxtCount->SetText(L"2,5");
  cancel = false;
  dialogs.boxes.clear();
  form.TxtCount_Validate(cancel);
  EXPECT_FALSE(cancel);
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(StartedForm1, ValidationFailingForAnotherReasonLetsTheFocusGo) {
  system.decimalSeparator = L"";
  bool cancel = false;
  form.TxtCount_Validate(cancel);
  EXPECT_FALSE(cancel);
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].text, L"An unknown error has occured.");
  EXPECT_EQ(dialogs.boxes[0].style, kMbIconHand);
}

TEST_F(StartedForm1, ValidationNeverClearsAFlagAlreadySet) {
  c.TxtCount->SetText(L"5");
  bool cancel = true;
  form.TxtCount_Validate(cancel);
  EXPECT_TRUE(cancel);
}

}  // namespace
}  // namespace duskfall::testing
