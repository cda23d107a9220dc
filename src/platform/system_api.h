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

// How the copy started as administrator ended: refused (the user said no, or it could not
// start), with an exit code, or with no answer: still running a minute after the prompt was
// answered.
enum class ElevatedEnd { kRefused, kExited, kNoAnswer };

struct ElevatedAnswer {
  ElevatedEnd end = ElevatedEnd::kRefused;
  std::uint32_t exitCode = 0;
};

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
  // ask the user's consent in front of the window owner, and returns at once: false when it
  // cannot even begin. The answer comes later, on the window's own thread, to
  // Form1::ElevatedCopy_Answered.
  virtual bool StartElevated(std::uintptr_t owner, const std::wstring& parameters) = 0;
};

}  // namespace duskfall
