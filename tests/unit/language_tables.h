// Every language's string table by its file's name ("de" for res/lang/de.rc), read by the build
// (cmake/texts.cmake): the native build has no resources to load them from.
#pragma once

#include <map>
#include <string_view>

#include "text/texts.h"

namespace duskfall::testing {

using LanguageTable = std::map<TextId, std::wstring_view>;
extern const std::map<std::string_view, LanguageTable> kLanguageTables;

struct TableTexts : TextSource {
  explicit TableTexts(const LanguageTable& texts) : table(texts) {}
  std::wstring_view Find(TextId id) const override {
    return table.contains(id) ? table.at(id) : std::wstring_view();
  }
  const LanguageTable& table;
};

// The program's texts in that language, with English where it has none.
inline void LoadLanguage(std::string_view name) {
  LoadTexts(TableTexts(kLanguageTables.at(name)), TableTexts(kLanguageTables.at("en")));
}

}  // namespace duskfall::testing
