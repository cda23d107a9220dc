// The parameters of the copy that runs as administrator, made by ElevatedParameters from any
// minutes text (fuzz_input.h) and split back as the C runtime splits a command line: the same
// arguments come back, and the copy takes back the same minutes or refuses them.
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "settings/elevated_request.h"

namespace {

// The arguments after the program's name, by the rules of "Parsing C++ command-line arguments".
std::vector<std::wstring> SplitAsTheRuntimeDoes(std::wstring_view line) {
  std::vector<std::wstring> arguments;
  bool inArgument = false;
  bool quoted = false;
  std::size_t slashes = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const wchar_t c = line[i];
    const bool blank = !quoted && (c == L' ' || c == L'\t');
    if (!blank && !inArgument) arguments.emplace_back();
    inArgument = inArgument || !blank;
    if (c == L'\\') {
      ++slashes;
      continue;
    }
    // Backslashes count only before a quote: each pair gives one, an odd one escapes it.
    if (inArgument) arguments.back().append(c == L'"' ? slashes / 2 : slashes, L'\\');
    const bool escaped = c == L'"' && slashes % 2 == 1;
    slashes = 0;
    if (blank) inArgument = false;
    if (blank) continue;
    const bool pairInQuotes = quoted && i + 1 < line.size() && line[i + 1] == L'"';
    if (c == L'"' && !escaped && !pairInQuotes) quoted = !quoted;
    if (c != L'"' || escaped || pairInQuotes) arguments.back() += c;
    if (c == L'"' && pairInQuotes) ++i;
  }
  if (inArgument) arguments.back().append(slashes, L'\\');
  return arguments;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace duskfall;
  const testing::FuzzText in = testing::ReadFuzzText(data, size);
  const std::wstring parameters = ElevatedParameters({ElevatedVerb::kSet, in.text});
  const std::vector<std::wstring> split = SplitAsTheRuntimeDoes(parameters);
  if (split != std::vector<std::wstring>{kElevatedSwitch, L"set", in.text}) std::abort();
  const StartArguments read = ReadStartArguments(split, in.separator);
  if (read.kind == StartKind::kElevatedRequest && read.request.minutes != in.text) std::abort();
  return 0;
}
