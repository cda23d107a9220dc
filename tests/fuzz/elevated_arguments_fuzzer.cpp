// The arguments of a copy that runs as administrator, any text (fuzz_input.h) split at each
// newline: nothing but one request in exactly one of its forms is taken.
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "settings/elevated_request.h"
#include "text/minutes_conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace duskfall;
  const auto [separator, text] = testing::ReadFuzzText(data, size);
  std::vector<std::wstring> a(1);
  for (const wchar_t c : text) {
    if (c == L'\n') a.emplace_back();
    if (c != L'\n') a.back().push_back(c);
  }
  const StartArguments start = ReadStartArguments(a, separator);
  // A request taken is exactly the switch, the verb and, for "set" only, minutes that the menu
  // item would take.
  const wchar_t* const verbs[] = {L"set", L"clear", L"remove"};
  std::vector<std::wstring> named{kElevatedSwitch, verbs[static_cast<int>(start.request.verb)]};
  if (start.request.verb == ElevatedVerb::kSet) named.push_back(start.request.minutes);
  const bool valid = named.size() == 2 || ParseLocaleNumber(named[2], separator) > 0.0;
  if (start.kind == StartKind::kElevatedRequest && (named != a || !valid)) std::abort();
  return 0;
}
