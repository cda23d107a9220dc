// The readers of registry data from outside the program, given a value of any type (the first
// byte) and data (the rest): a text value reads without its one terminating NUL, and every key
// they open is closed again.
#include <cstdlib>

#include "about/about_window.h"
#include "fakes/fakes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace duskfall;
  testing::Log log;
  testing::FakeSystem ansi(log);
  testing::FakeRegistry registry;
  const testing::Bytes stored(data + (size > 0), data + size);
  registry.Put("K", "v", size > 0 ? data[0] % 8 : 0, stored);
  std::wstring read;
  std::wstring keyVal;
  ReadRegistryString({registry, ansi}, L"-2147483646", L"K", L"v", read);
  GetKeyValue({registry, ansi}, kHkeyLocalMachine, L"K", L"v", keyVal);
  const std::wstring text(stored.begin(), stored.end() - (size > 1 && stored.back() == 0));
  if (!registry.handles.empty() || (size > 0 && data[0] % 8 == kRegSz && read != text))
    std::abort();
  return 0;
}
