#include "settings/elevated_request.h"

#include <optional>

#include "app/minutes_conversion.h"

namespace duskfall {

namespace {

constexpr wchar_t kVerbSet[] = L"set";
constexpr wchar_t kVerbClear[] = L"clear";
constexpr wchar_t kVerbRemove[] = L"remove";

bool MenuWouldTake(const std::wstring& minutes, std::wstring_view decimalSeparator) {
  const std::optional<double> number = ParseLocaleNumber(minutes, decimalSeparator);
  return number && *number > 0.0;
}

// Quoted by the rules that CommandLineToArgvW and the C runtime read: backslashes count only
// before a quote, where each is doubled, and a quote inside is escaped.
std::wstring QuotedArgument(const std::wstring& text) {
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : text) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    const std::size_t copies = c == L'"' ? 2 * backslashes + 1 : backslashes;
    quoted.append(copies, L'\\');
    quoted.push_back(c);
    backslashes = 0;
  }
  quoted.append(2 * backslashes, L'\\');
  quoted.push_back(L'"');
  return quoted;
}

}  // namespace

StartArguments ReadStartArguments(const std::vector<std::wstring>& arguments,
                                  std::wstring_view decimalSeparator) {
  StartArguments start;
  if (arguments.empty() || arguments[0] != kElevatedSwitch) return start;
  start.kind = StartKind::kRefusedRequest;
  if (arguments.size() == 3 && arguments[1] == kVerbSet &&
      MenuWouldTake(arguments[2], decimalSeparator)) {
    start.kind = StartKind::kElevatedRequest;
    start.request = {ElevatedVerb::kSet, arguments[2]};
  }
  if (arguments.size() == 2 && (arguments[1] == kVerbClear || arguments[1] == kVerbRemove)) {
    start.kind = StartKind::kElevatedRequest;
    start.request.verb = arguments[1] == kVerbClear ? ElevatedVerb::kClear : ElevatedVerb::kRemove;
  }
  return start;
}

std::wstring ElevatedParameters(const ElevatedRequest& request) {
  std::wstring parameters = std::wstring(kElevatedSwitch) + L" ";
  if (request.verb == ElevatedVerb::kSet) {
    return parameters + kVerbSet + L" " + QuotedArgument(request.minutes);
  }
  return parameters + (request.verb == ElevatedVerb::kClear ? kVerbClear : kVerbRemove);
}

}  // namespace duskfall
