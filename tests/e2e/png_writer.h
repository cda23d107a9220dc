// Writes 32-bit BGRA pixels as an RGB PNG file, uncompressed: enough for screenshots.
#pragma once

#include <cstdint>
#include <string>

namespace duskfall::e2e {

bool WritePng(const std::wstring& path, int width, int height, const std::uint8_t* bgra);

}  // namespace duskfall::e2e
