// The program's version, 1.0.2: the one place it is written. The resource script and the build
// read it from here.
#pragma once

#define DUSKFALL_VERSION_MAJOR 1
#define DUSKFALL_VERSION_MINOR 0
#define DUSKFALL_VERSION_PATCH 2

#ifdef __cplusplus
namespace duskfall {
inline constexpr int kVersionMajor = DUSKFALL_VERSION_MAJOR;
inline constexpr int kVersionMinor = DUSKFALL_VERSION_MINOR;
inline constexpr int kVersionRevision = DUSKFALL_VERSION_PATCH;
}  // namespace duskfall
#endif
