// Fuzzes the readers of registry values, ReadTypedValue, ReadRegistryString and the About
// window's GetKeyValue, over values of any type, size and bytes kept in the in-memory registry.
// The input is read as lines:
//   1  the stored value's type, in decimal
//   2  the stored value's name, as ANSI bytes
//   3  the value name asked for
//   4  the key path asked for, under HKEY_LOCAL_MACHINE
//   5  the root asked for by ReadRegistryString, as text ("-2147483646" is the machine's)
//   6  the text GetKeyValue is handed
//   7  the size of the stored data in decimal; empty for the size of what follows
//   8+ the stored data, repeated to that size
// The value is always stored in the key the About window reads.
//
// Every reader must give what the stored bytes say (texts without their one terminating zero,
// integers as little-endian, other types refused), fail plainly when the key or value is
// missing, never touch memory outside its buffers, and close every key it opened.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "about/about_window.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_services.h"
#include "fuzz/fuzz_input.h"
#include "settings/registry_routines.h"

namespace duskfall {
namespace {

using testing::FakeAnsiCodePage;
using testing::FakeRegistry;

constexpr char kStoredKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
// Enough to pass the About window's 1024-byte buffer by far, small enough to stay quick.
constexpr std::uint32_t kLargestData = 1 << 16;
constexpr std::uint32_t kAboutBufferSize = 1024;
constexpr std::uint32_t kDwordSize = 4;

// What the registry holds under the asked key and name, looked up by the fake's own means.
struct Stored {
  bool keyFound = false;
  bool valueFound = false;
  std::uint32_t type = 0;
  std::vector<std::uint8_t> data;
};

Stored Lookup(const FakeRegistry& registry, const std::string& keyPath, const std::string& name) {
  Stored stored;
  stored.keyFound = registry.HasKey(keyPath);
  stored.valueFound = stored.keyFound && registry.HasValue(keyPath, name);
  if (stored.valueFound) {
    stored.type = registry.ValueType(keyPath, name);
    stored.data = registry.ValueData(keyPath, name);
  }
  return stored;
}

std::wstring Latin1(const std::uint8_t* bytes, std::size_t count) {
  return std::wstring(bytes, bytes + count);
}

// A text value: its bytes without one terminating zero.
std::wstring StoredText(const Stored& stored) {
  std::size_t length = stored.data.size();
  if (length > 0 && stored.data[length - 1] == 0) --length;
  return Latin1(stored.data.data(), length);
}

// An integer value of up to four bytes, little-endian, missing bytes zero.
std::int32_t StoredInteger(const Stored& stored) {
  std::uint32_t bits = 0;
  for (std::size_t i = 0; i < stored.data.size() && i < kDwordSize; ++i) {
    bits |= static_cast<std::uint32_t>(stored.data[i]) << (8 * i);
  }
  std::int32_t number = 0;
  std::memcpy(&number, &bits, sizeof number);
  return number;
}

void CheckReadTypedValue(FakeRegistry& registry, const FakeAnsiCodePage& ansi,
                         const std::wstring& keyPath, const std::wstring& name) {
  const Stored stored = Lookup(registry, ansi.ToAnsi(keyPath), ansi.ToAnsi(name));
  RegKey key = 0;
  const std::int32_t openStatus =
      registry.RegOpenKeyExA(kHkeyLocalMachine, ansi.ToAnsi(keyPath), 0, kKeyRead, &key);
  DUSKFALL_FUZZ_CHECK((openStatus == kErrorSuccess) == stored.keyFound);
  if (openStatus != kErrorSuccess) return;

  // A value the reader leaves alone keeps what it held.
  const RegValue untouched = std::wstring(L"\u2603 untouched");
  RegValue value = untouched;
  const std::int32_t status = ReadTypedValue(Registry{registry, ansi}, key, name, value);
  if (!stored.valueFound) {
    DUSKFALL_FUZZ_CHECK(status == kErrorFileNotFound && value == untouched);
  } else if (stored.type == kRegSz) {
    DUSKFALL_FUZZ_CHECK(status == kErrorSuccess);
    if (stored.data.empty()) {
      DUSKFALL_FUZZ_CHECK(value == untouched);
    } else {
      DUSKFALL_FUZZ_CHECK(value == RegValue(StoredText(stored)));
    }
  } else if (stored.type == kRegDword) {
    if (stored.data.size() <= kDwordSize) {
      DUSKFALL_FUZZ_CHECK(status == kErrorSuccess && value == RegValue(StoredInteger(stored)));
    } else {
      // Longer than an integer: the registry says more data, and nothing is read.
      DUSKFALL_FUZZ_CHECK(status == kErrorMoreData && value == untouched);
    }
  } else {
    DUSKFALL_FUZZ_CHECK(status == kUnsupportedType && value == untouched);
  }
  DUSKFALL_FUZZ_CHECK(registry.RegCloseKey(key) == kErrorSuccess);
  DUSKFALL_FUZZ_CHECK(registry.OpenHandles() == 0);
}

// Whether a root text names HKEY_LOCAL_MACHINE: a sign and digits whose value is its number.
// Blanks around the digits may go either way, so such a text gives no answer.
std::optional<bool> NamesMachine(std::wstring_view root) {
  auto isBlank = [](wchar_t ch) { return ch == L' ' || (ch >= L'\t' && ch <= L'\r'); };
  if (!root.empty() && (isBlank(root.front()) || isBlank(root.back()))) return std::nullopt;
  const bool negative = !root.empty() && root.front() == L'-';
  if (!root.empty() && (root.front() == L'-' || root.front() == L'+')) root.remove_prefix(1);
  if (root.empty()) return false;
  for (wchar_t ch : root) {
    if (ch < L'0' || ch > L'9') return false;
  }
  while (root.size() > 1 && root.front() == L'0') root.remove_prefix(1);
  return negative && root == L"2147483646";
}

void CheckReadRegistryString(FakeRegistry& registry, const FakeAnsiCodePage& ansi,
                             const std::wstring& root, const std::wstring& keyPath,
                             const std::wstring& name) {
  const Stored stored = Lookup(registry, ansi.ToAnsi(keyPath), ansi.ToAnsi(name));
  std::wstring machineText;
  if (stored.valueFound) {
    if (stored.type == kRegSz) machineText = StoredText(stored);
    if (stored.type == kRegDword && stored.data.size() <= kDwordSize) {
      machineText = std::to_wstring(StoredInteger(stored));
    }
  }
  std::wstring text = L"old text";
  ReadRegistryString(Registry{registry, ansi}, root, keyPath, name, text);
  const std::optional<bool> machine = NamesMachine(root);
  if (machine) {
    DUSKFALL_FUZZ_CHECK(text == (*machine ? machineText : std::wstring()));
  } else {
    DUSKFALL_FUZZ_CHECK(text == machineText || text.empty());
  }
  DUSKFALL_FUZZ_CHECK(registry.OpenHandles() == 0);
}

// Hexadecimal of the bytes, last byte first, each without a leading zero.
std::wstring ReversedHex(const std::vector<std::uint8_t>& data, std::size_t count) {
  std::wstring hex;
  for (std::size_t i = count; i > 0; --i) {
    wchar_t digits[3] = {};
    std::swprintf(digits, 3, L"%X", static_cast<unsigned>(data[i - 1]));
    hex += digits;
  }
  return hex;
}

void CheckGetKeyValue(FakeRegistry& registry, const FakeAnsiCodePage& ansi,
                      const std::wstring& keyPath, const std::wstring& name,
                      const std::wstring& handed) {
  const Stored stored = Lookup(registry, ansi.ToAnsi(keyPath), ansi.ToAnsi(name));
  std::wstring keyVal = handed;
  const std::optional<bool> found =
      GetKeyValue(Registry{registry, ansi}, kHkeyLocalMachine, keyPath, name, keyVal);
  DUSKFALL_FUZZ_CHECK(registry.OpenHandles() == 0);
  if (!stored.valueFound || stored.data.size() > kAboutBufferSize) {
    // Missing, or too long for the buffer: the registry refuses, and the text is emptied.
    DUSKFALL_FUZZ_CHECK(found == std::optional<bool>(false) && keyVal.empty());
    return;
  }
  if (stored.data.empty()) {
    DUSKFALL_FUZZ_CHECK(!found.has_value() && keyVal == handed);
    return;
  }
  DUSKFALL_FUZZ_CHECK(found == std::optional<bool>(true));
  const std::size_t kept = stored.data.size() - (stored.data.back() == 0 ? 1 : 0);
  if (stored.type == kRegSz) {
    DUSKFALL_FUZZ_CHECK(keyVal == Latin1(stored.data.data(), kept));
  } else if (stored.type == kRegDword) {
    DUSKFALL_FUZZ_CHECK(keyVal == L"&h" + handed + ReversedHex(stored.data, kept));
  } else {
    DUSKFALL_FUZZ_CHECK(keyVal == handed);
  }
}

}  // namespace
}  // namespace duskfall

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using duskfall::fuzzing::DecodeText;
  using duskfall::fuzzing::LineNumber;
  using duskfall::fuzzing::NextLine;

  std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::uint32_t type = LineNumber(NextLine(input));
  const std::string storedName(NextLine(input));
  const std::wstring askedName = DecodeText(NextLine(input));
  const std::wstring askedKey = DecodeText(NextLine(input));
  const std::wstring root = DecodeText(NextLine(input));
  const std::wstring handed = DecodeText(NextLine(input));
  const std::string_view sizeLine = NextLine(input);
  const std::uint32_t dataSize = std::min<std::uint32_t>(
      sizeLine.empty() ? static_cast<std::uint32_t>(input.size()) : LineNumber(sizeLine),
      duskfall::kLargestData);
  std::vector<std::uint8_t> stored(dataSize, 0);
  for (std::size_t i = 0; i < stored.size() && !input.empty(); ++i) {
    stored[i] = static_cast<std::uint8_t>(input[i % input.size()]);
  }

  duskfall::testing::FakeRegistry registry;
  const duskfall::testing::FakeAnsiCodePage ansi;
  registry.PutValue(duskfall::kStoredKey, storedName, type, stored);

  duskfall::CheckReadTypedValue(registry, ansi, askedKey, askedName);
  duskfall::CheckReadRegistryString(registry, ansi, root, askedKey, askedName);
  duskfall::CheckGetKeyValue(registry, ansi, askedKey, askedName, handed);
  return 0;
}
