// The one place where the program's UTF-8 texts meet the system's code pages: files,
// paths, native windows and message boxes pass through here, in the ANSI code page, and
// batch files in the OEM code page.
#pragma once

#include <windows.h>

#include <string>

namespace win32 {

std::string toAnsi(const std::string& utf8);
std::string fromAnsi(const std::string& ansi);
// What the command interpreter reads from a batch file.
std::string toOem(const std::string& utf8);

// A native window's text, and setting it, in the program's terms.
std::string windowText(HWND window);
void setWindowText(HWND window, const std::string& utf8);

}  // namespace win32
