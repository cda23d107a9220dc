// What the fuzz targets share: reading the fuzzer's bytes as text and lines, and stopping
// loudly when a property fails, so that libFuzzer keeps the input that broke it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace duskfall::fuzzing {

// Reads bytes as UTF-8 into UTF-16 code units, the way a Windows text holds them. A byte that
// starts no sequence stands for the Latin-1 character of its value, so every input is some text
// and every 16-bit unit (lone surrogates too) can be reached, while seed files stay readable.
inline std::wstring DecodeText(std::string_view bytes) {
  std::wstring text;
  std::size_t pos = 0;
  auto continuation = [&bytes](std::size_t at) {
    return at < bytes.size() && (static_cast<unsigned char>(bytes[at]) & 0xC0) == 0x80;
  };
  while (pos < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[pos]);
    std::uint32_t code = lead;
    std::size_t length = 1;
    if (lead >= 0xC2 && lead <= 0xDF && continuation(pos + 1)) {
      code = ((lead & 0x1Fu) << 6) | (static_cast<unsigned char>(bytes[pos + 1]) & 0x3Fu);
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF && continuation(pos + 1) && continuation(pos + 2)) {
      code = ((lead & 0x0Fu) << 12) | ((static_cast<unsigned char>(bytes[pos + 1]) & 0x3Fu) << 6) |
             (static_cast<unsigned char>(bytes[pos + 2]) & 0x3Fu);
      length = code >= 0x800 ? 3 : 1;
    } else if (lead >= 0xF0 && lead <= 0xF4 && continuation(pos + 1) && continuation(pos + 2) &&
               continuation(pos + 3)) {
      code = ((lead & 0x07u) << 18) | ((static_cast<unsigned char>(bytes[pos + 1]) & 0x3Fu) << 12) |
             ((static_cast<unsigned char>(bytes[pos + 2]) & 0x3Fu) << 6) |
             (static_cast<unsigned char>(bytes[pos + 3]) & 0x3Fu);
      length = code >= 0x10000 && code <= 0x10FFFF ? 4 : 1;
    }
    if (length == 1) code = lead;
    if (code >= 0x10000) {
      code -= 0x10000;
      text += static_cast<wchar_t>(0xD800 + (code >> 10));
      text += static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
    } else {
      text += static_cast<wchar_t>(code);
    }
    pos += length;
  }
  return text;
}

// Takes the next line (up to a line feed, which is dropped) off the front of the input. The
// last line is whatever remains.
inline std::string_view NextLine(std::string_view& rest) {
  const std::size_t end = rest.find('\n');
  const std::string_view line = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  return line;
}

// The decimal number at the start of a line, of at most nine digits; no digits read as 0.
inline std::uint32_t LineNumber(std::string_view line) {
  std::uint32_t number = 0;
  for (std::size_t i = 0; i < line.size() && i < 9 && line[i] >= '0' && line[i] <= '9'; ++i) {
    number = number * 10 + static_cast<std::uint32_t>(line[i] - '0');
  }
  return number;
}

[[noreturn]] inline void Fail(const char* property, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: property failed: %s\n", file, line, property);
  std::abort();
}

}  // namespace duskfall::fuzzing

// A property of the code under test; on failure libFuzzer saves the input as a crash.
#define DUSKFALL_FUZZ_CHECK(condition) \
  ((condition) ? static_cast<void>(0) : ::duskfall::fuzzing::Fail(#condition, __FILE__, __LINE__))
