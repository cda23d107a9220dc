// The program's own texts. The names stay the same in every language; the words come from the
// string tables of res/lang/, one file per language, in the language the user's Windows shows.
// Other code compares with the loaded texts, never with the English ones.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace duskfall {

// The same in every language.
inline constexpr wchar_t kAppTitle[] = L"Duskfall";
inline constexpr wchar_t kMainTitle[] = L"Qorvelix Duskfall";
inline constexpr wchar_t kModeNone[] = L" ";  // the mode list's first entry: no mode

// Each text's number in the string tables. The build reads the "kName = number," lines below
// for the resource scripts, so keep one a line. A text's placeholders are %1 and %2, filled by
// Fill.
enum class TextId : std::uint16_t {
  kNone = 0,  // a control without a text
  // The main window.
  kCaptionExit = 1,
  kCaptionSet = 2,
  kCaptionCancel = 3,
  kTooltipExit = 4,
  kTooltipSetCancel = 5,
  kTooltipMinutes = 6,
  kTooltipTime = 7,
  kTooltipFunction = 8,
  kCaution = 9,
  kLabelTime = 10,
  kLabelMinutes = 11,
  kLabelMode = 12,
  kModeFixedTime = 13,
  kModeRelativeTime = 14,
  // The tray menu.
  kMenuAbout = 15,
  kMenuSetDuskfall = 16,
  kMenuCancelDuskfall = 17,
  kMenuRestore = 18,
  kMenuExit = 19,
  // Message boxes.
  kMsgSelectFunction = 20,
  kMsgEnterTime = 21,
  kMsgBelowOne = 22,
  kMsgWrongType = 23,
  kMsgTooLarge = 24,
  kMsgUnknownError = 25,
  kMsgNoTimer = 26,
  kMsgStartFailed = 27,
  kMsgActiveCountDown = 28,
  kMsgSelectRelative = 29,
  kMsgLogonNotStored = 30,
  kMsgLogonNotCleared = 31,
  kMsgLogonNeedsInstall = 32,
  kMsgLogonNoAnswer = 33,
  kMsgSysInfoUnavailable = 34,
  kMsgPowerOffError = 35,  // %1 the failed step, %2 its error number
  // The tray: the balloon a minute before the power-off, under the title kAppTitle (two lines,
  // for a shell that does not wrap a balloon's text), and the icon's tip while a count-down runs.
  kMsgLastMinute = 36,
  kTipPowerOffAt = 37,      // %1 the time of day, as the picker shows it
  kTipPowerOffInOne = 38,   // the last minute
  kTipPowerOffInFew = 39,   // %1 minutes, where a language has a form of its own for 2 to 4
  kTipPowerOffInMany = 40,  // %1 minutes
  // The About window.
  kAboutCaption = 41,
  kAboutOk = 42,
  kAboutSysInfo = 43,
  kAboutDescription = 44,
  kAboutDisclaimer = 45,
  kAboutVersion = 46,  // %1 the version
  kCount
};

// One language's string table.
class TextSource {
 public:
  virtual ~TextSource() = default;
  // The text, or nothing where this language has none.
  virtual std::wstring_view Find(TextId id) const = 0;
};

// Takes every text from the chosen language, or from English where it has none. Done once at
// start-up, before any window.
void LoadTexts(const TextSource& chosen, const TextSource& english);

// A loaded text; empty for kNone.
const std::wstring& Text(TextId id);

// The text with %1 and %2 replaced.
std::wstring Fill(std::wstring_view text, std::wstring_view first, std::wstring_view second = {});

// The tip's text for the minutes still to come: Polish names 2 to 4 (but not 12 to 14) in a form
// of its own, and the other languages' tables give that form the same words as "many".
TextId MinutesTip(double minutes);

}  // namespace duskfall
