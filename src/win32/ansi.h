// The one place where the program's UTF-8 texts meet the system's ANSI code page: files,
// paths, native windows and message boxes all pass through here.
#pragma once

#include <windows.h>

#include <string>

namespace win32 {

std::string toAnsi(const std::string& utf8);
std::string fromAnsi(const std::string& ansi);

// A native window's text, and setting it, in the program's terms.
std::string windowText(HWND window);
void setWindowText(HWND window, const std::string& utf8);

}  // namespace win32
