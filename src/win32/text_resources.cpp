#include "win32/text_resources.h"

namespace duskfall {

std::wstring_view ResourceTexts::Find(TextId id) const {
  // A string table is kept in blocks of 16 texts, each a length and that many characters, with
  // no terminating zero; a text the table lacks has length 0.
  const auto number = static_cast<unsigned>(id);
  const HRSRC block =
      FindResourceExW(module_, RT_STRING, MAKEINTRESOURCEW(number / 16 + 1), language_);
  if (block == nullptr) return {};
  const auto* entry = static_cast<const wchar_t*>(LockResource(LoadResource(module_, block)));
  if (entry == nullptr) return {};
  for (unsigned skipped = number % 16; skipped > 0; --skipped) entry += 1 + *entry;
  return {entry + 1, static_cast<std::size_t>(*entry)};
}

LANGID DisplayLanguage() {
  return MAKELANGID(PRIMARYLANGID(GetUserDefaultUILanguage()), SUBLANG_NEUTRAL);
}

void LoadDisplayTexts(HMODULE module) {
  LoadTexts(ResourceTexts(module, DisplayLanguage()), ResourceTexts(module, kEnglish));
}

}  // namespace duskfall
