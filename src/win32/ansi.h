// The one place where the program's UTF-8 texts meet the system's encodings: the ANSI code
// page of file contents, native windows and message boxes, the OEM code page of batch
// files, and the wide characters of names on disk.
#pragma once

#include <windows.h>

#include <string>

namespace win32 {

std::string toAnsi(const std::string& utf8);
std::string fromAnsi(const std::string& ansi);
// What the command interpreter reads from a batch file.
std::string toOem(const std::string& utf8);

// Paths and names as the wide-character calls take and give them: exact, whatever the
// ANSI code page holds.
std::wstring toWide(const std::string& utf8);
std::string fromWide(const wchar_t* wide);

// A native window's text, and setting it, in the program's terms.
std::string windowText(HWND window);
void setWindowText(HWND window, const std::string& utf8);

}  // namespace win32
