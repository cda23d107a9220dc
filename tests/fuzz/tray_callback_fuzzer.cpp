// The tray icon's callback, which any program on the desktop can post to the window: a mouse
// move whose X is a 16-bit message times the twips per pixel of the window's DPI reads back as
// that message at any DPI, and any other X and scale read without breaking.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

#include "tray/tray_icon.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const auto message = input.ConsumeIntegral<std::int16_t>();
  const double twipsPerPixel = 1440.0 / input.ConsumeIntegralInRange(1, 1000);  // the DPI
  const double x = input.ConsumeFloatingPoint<double>();
  if (duskfall::TrayMessage(message * twipsPerPixel, twipsPerPixel) != message) std::abort();
  duskfall::TrayMessage(x, twipsPerPixel);
  duskfall::TrayMessage(x, x);
  return 0;
}
