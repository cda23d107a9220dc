// The texts from a module's string tables, in one language.
#pragma once

#include <windows.h>

#include "text/texts.h"

namespace duskfall {

class ResourceTexts : public TextSource {
 public:
  ResourceTexts(HMODULE module, LANGID language) : module_(module), language_(language) {}
  std::wstring_view Find(TextId id) const override;

 private:
  HMODULE module_;
  LANGID language_;
};

// The language of the user's Windows display: its primary language, as the string tables name
// theirs. Where the module has no table in it, every text comes from English.
LANGID DisplayLanguage();
inline constexpr LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_NEUTRAL);

// Loads the texts of the display language from the module's string tables.
void LoadDisplayTexts(HMODULE module);

}  // namespace duskfall
