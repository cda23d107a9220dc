// A user32 function that older Windows versions lack, looked up at run time so that the program
// still starts there; null where it does not exist.
#pragma once

#include <windows.h>

namespace duskfall {

template <typename Function>
Function User32Function(const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace duskfall
