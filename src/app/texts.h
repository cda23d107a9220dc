// The program's own texts: titles, mode names, captions and messages, exactly as the user sees
// them. Other code compares against these, so they are written in one place.
#pragma once

namespace duskfall {

inline constexpr wchar_t kAppTitle[] = L"Duskfall";
inline constexpr wchar_t kMainTitle[] = L"Qorvelix Duskfall";

inline constexpr wchar_t kModeNone[] = L" ";
inline constexpr wchar_t kModeFixedTime[] = L"Fixed Time";
inline constexpr wchar_t kModeRelativeTime[] = L"Relative Time";

inline constexpr wchar_t kCaptionSet[] = L"Set";
inline constexpr wchar_t kCaptionCancel[] = L"Cancel";
inline constexpr wchar_t kMenuSetDuskfall[] = L"&Set Duskfall";
inline constexpr wchar_t kMenuCancelDuskfall[] = L"Cancel Duskfall";

inline constexpr wchar_t kMsgSelectFunction[] = L"Please select a function";
inline constexpr wchar_t kMsgEnterTime[] = L"Please enter a time and try again";

inline constexpr wchar_t kMsgBelowOne[] =
    L"Unable to begin count-down. Please check that value is between 1 and 2147483647";
inline constexpr wchar_t kMsgWrongType[] =
    L"Wrong data type. Please make sure the value entered is a number and try again";
inline constexpr wchar_t kMsgTooLarge[] =
    L"Value is too large. Please make sure value is between 1 and 2147483647";
inline constexpr wchar_t kMsgUnknownError[] = L"An unknown error has occured.";
inline constexpr wchar_t kMsgNoTimer[] =
    L"The count-down could not be started: Windows has no timer left for it. Close some "
    L"programs and try again.";
inline constexpr wchar_t kMsgStartFailed[] =
    L"Duskfall could not create its window and cannot run. Close some programs and start it "
    L"again.";

inline constexpr wchar_t kMsgActiveCountDown[] =
    L"An active count down is in force. Please cancel it and try again";
inline constexpr wchar_t kMsgSelectRelative[] =
    L"Please make sure you have selected Relative Time and you have set a value higher than 0.";
inline constexpr wchar_t kMsgLogonNotStored[] =
    L"The logon count-down could not be stored. Storing it needs administrator rights.";
inline constexpr wchar_t kMsgLogonNotCleared[] =
    L"The logon count-down could not be cleared. Clearing it needs administrator rights.";
inline constexpr wchar_t kMsgLogonNeedsInstall[] =
    L"The logon count-down needs an installed copy of Duskfall: Windows starts only an installed "
    L"program at logon. Install Duskfall with its setup program, then try again.";
inline constexpr wchar_t kMsgLogonNoAnswer[] =
    L"The logon count-down could not be changed: the copy of Duskfall that runs as administrator "
    L"did not finish.";

// The tray balloon a minute before the power-off, under the title kAppTitle. Two lines, for a
// shell that does not wrap a balloon's text.
inline constexpr wchar_t kMsgLastMinute[] =
    L"Your PC will shut down in about a minute, and any unsaved work will be lost.\n"
    L"To stop it, click this message or the Duskfall icon, then press Cancel.";

// The tray icon's tip while a count-down runs: the title and when the power-off comes, as
// "Qorvelix Duskfall: power-off at 23:30:00" or "... power-off in 12 minutes".
inline constexpr wchar_t kTipPowerOffAt[] = L"Qorvelix Duskfall: power-off at ";
inline constexpr wchar_t kTipPowerOffIn[] = L"Qorvelix Duskfall: power-off in ";
inline constexpr wchar_t kTipMinute[] = L" minute";
inline constexpr wchar_t kTipMinutes[] = L" minutes";

inline constexpr wchar_t kMsgSysInfoUnavailable[] =
    L"System Information Is Unavailable At This Time";

}  // namespace duskfall
