// What the system says about an error code, as a short text for the operator.
#pragma once

#include <windows.h>

#include <string>

namespace win32 {

std::string systemErrorText(DWORD code);

}  // namespace win32
