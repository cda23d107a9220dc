// The remaining system services: the version, the clock, the user's locale, program launch, the
// file test and the rights of the process.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/date_time.h"

namespace duskfall {

// The process's rights as User Account Control gives them: no such thing (Windows XP), a limited
// token that Windows can raise with the user's consent, or administrator rights or none to ask
// for.
enum class Elevation { kNoUac, kLimited, kFull };

class SystemApi {
 public:
  virtual ~SystemApi() = default;
  virtual std::uint32_t GetVersion() = 0;
  // The local date and time, to the second.
  virtual DateTime LocalNow() = 0;
  // The time of day in the user's own format, with its seconds, as the time picker shows it.
  virtual std::wstring TimeOfDayText(DateTime time) = 0;
  // The user's decimal separator, such as "." or ",".
  virtual std::wstring DecimalSeparator() = 0;
  // The screen's horizontal twips per pixel (15 at 96 dpi).
  virtual double TwipsPerPixelX() = 0;
  // Starts a program as a normal window that takes the focus; false when it cannot start.
  virtual bool StartProgram(const std::wstring& path) = 0;
  // True when a directory search finds a normal file at path.
  virtual bool FileExists(const std::wstring& path) = 0;
  virtual Elevation ElevationState() = 0;
  // Starts the program's own file as administrator with these parameters, which makes Windows
  // ask the user's consent, and waits for it to end: its exit code, or nothing when the user
  // refused or it could not start.
  virtual std::optional<std::uint32_t> RunElevated(const std::wstring& parameters) = 0;
};

}  // namespace duskfall
