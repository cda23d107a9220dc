// Helpers of the logon count-down setting.
#pragma once

#include <string>

namespace duskfall {

// The program's path as a Run command line: quoted when it holds a blank and is not quoted
// already; an empty path stays empty.
std::wstring QuotedCommandPath(const std::wstring& path);

}  // namespace duskfall
