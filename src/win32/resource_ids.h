// Resource identifiers shared by the resource script and the program.
#pragma once

#define DUSKFALL_ICON_ID 1

#ifdef __cplusplus
namespace duskfall {
inline constexpr int kIconId = DUSKFALL_ICON_ID;
}  // namespace duskfall
#endif
