// Every language's string table as rows, which the build reads from res/lang/ for these tests
// (cmake/texts.cmake): the native build has no resources to load them from.
#pragma once

#include <string_view>
#include <vector>

#include "text/texts.h"

namespace duskfall::testing {

struct TableText {
  TextId id;
  std::wstring_view text;
};

struct LanguageTable {
  std::string_view name;  // the file's, as "de" for res/lang/de.rc
  std::vector<TableText> texts;
};

extern const std::vector<LanguageTable> kLanguageTables;

class TableTexts : public TextSource {
 public:
  explicit TableTexts(const LanguageTable& table) : table_(table) {}
  std::wstring_view Find(TextId id) const override {
    for (const TableText& row : table_.texts) {
      if (row.id == id) return row.text;
    }
    return {};
  }

 private:
  const LanguageTable& table_;
};

inline const LanguageTable& Table(std::string_view name) {
  for (const LanguageTable& table : kLanguageTables) {
    if (table.name == name) return table;
  }
  return kLanguageTables.front();
}

// The program's texts in that language, with English where it has none.
inline void LoadLanguage(std::string_view name) {
  LoadTexts(TableTexts(Table(name)), TableTexts(Table("en")));
}

}  // namespace duskfall::testing
