#include "text/texts.h"

#include <array>
#include <cmath>

namespace duskfall {

namespace {

constexpr auto kTextCount = static_cast<std::size_t>(TextId::kCount);

std::array<std::wstring, kTextCount>& Loaded() {
  static std::array<std::wstring, kTextCount> texts;
  return texts;
}

}  // namespace

void LoadTexts(const TextSource& chosen, const TextSource& english) {
  for (std::size_t i = 1; i < kTextCount; ++i) {
    const auto id = static_cast<TextId>(i);
    std::wstring_view text = chosen.Find(id);
    if (text.empty()) text = english.Find(id);
    Loaded()[i] = text;
  }
}

const std::wstring& Text(TextId id) { return Loaded().at(static_cast<std::size_t>(id)); }

std::wstring Fill(std::wstring_view text, std::wstring_view first, std::wstring_view second) {
  std::wstring filled;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t next = i + 1 < text.size() ? text[i + 1] : L'\0';
    if (text[i] == L'%' && (next == L'1' || next == L'2')) {
      filled += next == L'1' ? first : second;
      ++i;
    } else {
      filled += text[i];
    }
  }
  return filled;
}

TextId MinutesTip(double minutes) {
  if (minutes == 1.0) return TextId::kTipPowerOffInOne;
  const double units = std::fmod(minutes, 10.0);
  const double tens = std::fmod(minutes, 100.0);
  const bool few = units >= 2.0 && units <= 4.0 && (tens < 12.0 || tens > 14.0);
  return few ? TextId::kTipPowerOffInFew : TextId::kTipPowerOffInMany;
}

}  // namespace duskfall
