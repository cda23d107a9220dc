// The private arguments with which the program starts a copy of itself as administrator to
// store, clear or (for an uninstaller) remove the logon count-down. They are no user interface:
// a start with any other arguments is an ordinary start.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace duskfall {

inline constexpr wchar_t kElevatedSwitch[] = L"--elevated-logon-setting";

enum class ElevatedVerb { kSet, kClear, kRemove };

struct ElevatedRequest {
  ElevatedVerb verb = ElevatedVerb::kClear;
  std::wstring minutes;  // for kSet only, exactly as typed
};

// What a start's arguments ask for: an ordinary start, one of the requests, or a refusal of
// anything else that begins with the switch.
enum class StartKind { kOrdinary, kElevatedRequest, kRefusedRequest };

struct StartArguments {
  StartKind kind = StartKind::kOrdinary;
  ElevatedRequest request;
};

// Reads the arguments after the program's name. A request is accepted only in exactly one of
// these forms, compared exactly: the switch, "set" and minutes that the menu item would take (a
// number above 0 in the user's decimal format); the switch and "clear"; the switch and "remove".
StartArguments ReadStartArguments(const std::vector<std::wstring>& arguments,
                                  std::wstring_view decimalSeparator);

// The request as the parameters of a command line, each argument quoted so that Windows' own
// splitting gives back exactly these texts.
std::wstring ElevatedParameters(const ElevatedRequest& request);

}  // namespace duskfall
