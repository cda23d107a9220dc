// Duskfall with one import more, GetTickCount64, which Windows XP lacks: the import guard must
// refuse it. Built, never run.
#include <windows.h>

[[maybe_unused]] static const ULONGLONG kStartTicks = GetTickCount64();
