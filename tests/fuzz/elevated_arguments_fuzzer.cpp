// The arguments of a copy that runs as administrator, split at each newline, with a period or
// (first byte odd) a comma as the separator: only a request in exactly one of its forms is
// taken, with the minutes it names, and only arguments that begin with the switch are refused.
#include <cstdlib>

#include "app/minutes_conversion.h"
#include "settings/elevated_request.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace duskfall;
  if (size == 0) return 0;
  const std::wstring separator = data[0] % 2 ? L"," : L".";
  std::vector<std::wstring> a(1);
  for (std::size_t i = 1; i < size; ++i) {
    if (data[i] == '\n') a.emplace_back();
    if (data[i] != '\n') a.back().push_back(data[i]);
  }
  const StartArguments start = ReadStartArguments(a, separator);
  const std::optional<double> minutes = ParseLocaleNumber(a.back(), separator);
  const bool set = a.size() == 3 && a[1] == L"set" && minutes && *minutes > 0.0;
  const bool other = a.size() == 2 && (a[1] == L"clear" || a[1] == L"remove");
  const bool switched = a[0] == kElevatedSwitch;
  const bool taken = start.kind == StartKind::kElevatedRequest;
  const wchar_t* const verbs[] = {L"set", L"clear", L"remove"};
  if (taken != (switched && (set || other)) || (start.kind == StartKind::kOrdinary) == switched ||
      (taken && (a[1] != verbs[static_cast<int>(start.request.verb)] ||
                 start.request.minutes != (set ? a[2] : L"")))) {
    std::abort();
  }
  return 0;
}
