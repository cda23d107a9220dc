#include "settings/elevated_request.h"

#include <optional>

#include "text/minutes_conversion.h"

namespace duskfall {

namespace {

// Indexed by ElevatedVerb.
constexpr const wchar_t* kVerbs[] = {L"set", L"clear", L"remove"};

bool MenuWouldTake(const std::wstring& minutes, std::wstring_view decimalSeparator) {
  const std::optional<double> number = ParseLocaleNumber(minutes, decimalSeparator);
  return number && *number > 0.0;
}

// Quoted by the rules that CommandLineToArgvW and the C runtime read: backslashes count only
// before a quote, where each is doubled, and a quote inside is escaped.
void AppendQuoted(std::wstring& line, const std::wstring& text) {
  line.push_back(L'"');
  std::size_t backslashes = 0;
  for (const wchar_t c : text) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    const std::size_t copies = c == L'"' ? 2 * backslashes + 1 : backslashes;
    line.append(copies, L'\\');
    line.push_back(c);
    backslashes = 0;
  }
  line.append(2 * backslashes, L'\\');
  line.push_back(L'"');
}

}  // namespace

StartArguments ReadStartArguments(const std::vector<std::wstring>& arguments,
                                  std::wstring_view decimalSeparator) {
  StartArguments start;
  if (arguments.empty() || arguments[0] != kElevatedSwitch) return start;
  start.kind = StartKind::kRefusedRequest;
  for (const ElevatedVerb verb :
       {ElevatedVerb::kSet, ElevatedVerb::kClear, ElevatedVerb::kRemove}) {
    if (arguments.size() < 2 || arguments[1] != kVerbs[static_cast<int>(verb)]) continue;
    // Only "set" takes minutes, and only minutes that the menu item would take.
    const bool set = verb == ElevatedVerb::kSet;
    if (arguments.size() != (set ? 3u : 2u)) continue;
    if (set && !MenuWouldTake(arguments[2], decimalSeparator)) continue;
    start.kind = StartKind::kElevatedRequest;
    start.request.verb = verb;
    if (set) start.request.minutes = arguments[2];
  }
  return start;
}

std::wstring ElevatedParameters(const ElevatedRequest& request) {
  std::wstring parameters = kElevatedSwitch;
  parameters.push_back(L' ');
  parameters.append(kVerbs[static_cast<int>(request.verb)]);
  if (request.verb == ElevatedVerb::kSet) {
    parameters.push_back(L' ');
    AppendQuoted(parameters, request.minutes);
  }
  return parameters;
}

}  // namespace duskfall
