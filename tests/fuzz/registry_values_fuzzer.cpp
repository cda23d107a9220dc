// The readers of registry data from outside the program: a value of any type (first byte) and
// data (the rest) is read by the registry routines and by the About window, which must give
// a text value without its one terminating NUL and close every key they open.
#include <cstdint>
#include <cstdlib>

#include "about/about_window.h"
#include "fakes/fakes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace duskfall;
  if (size == 0) return 0;
  testing::Log log;
  testing::FakeSystem ansi(log);
  testing::FakeRegistry registry;
  const std::vector<std::uint8_t> stored(data + 1, data + size);
  registry.Put("K", "v", data[0] % 8, stored);
  std::wstring text, keyVal;
  ReadRegistryString({registry, ansi}, L"-2147483646", L"K", L"v", text);
  GetKeyValue({registry, ansi}, kHkeyLocalMachine, L"K", L"v", keyVal);
  const std::wstring expected(stored.begin(), stored.end() - (size > 1 && stored.back() == 0));
  if (!registry.handles.empty() || (data[0] % 8 == kRegSz && text != expected) ||
      (data[0] % 8 == kRegSz && size > 1 && size <= 1025 && keyVal != expected)) {
    std::abort();
  }
  return 0;
}
