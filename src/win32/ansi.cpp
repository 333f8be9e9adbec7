#include "win32/ansi.h"

#include <algorithm>
#include <cwchar>

namespace win32 {

namespace {

bool isAscii(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::wstring decode(const std::string& text, UINT codePage) {
  const int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::string encode(const wchar_t* wide, std::size_t size, UINT codePage) {
  const int length = WideCharToMultiByte(codePage, 0, wide, static_cast<int>(size), nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, wide, static_cast<int>(size), text.data(), length, nullptr, nullptr);
  return text;
}

std::string encode(const std::wstring& wide, UINT codePage) { return encode(wide.data(), wide.size(), codePage); }

}  // namespace

// ASCII is the same in all of them, and it is nearly every text: lists of thousands of map
// names skip the round trip.
std::string toAnsi(const std::string& utf8) { return isAscii(utf8) ? utf8 : encode(decode(utf8, CP_UTF8), CP_ACP); }

std::string fromAnsi(const std::string& ansi) { return isAscii(ansi) ? ansi : encode(decode(ansi, CP_ACP), CP_UTF8); }

std::wstring toWide(const std::string& utf8) { return decode(utf8, CP_UTF8); }

std::string fromWide(const wchar_t* wide) {
  const std::size_t size = std::wcslen(wide);
  if (std::all_of(wide, wide + size, [](wchar_t c) { return c < 0x80; })) return std::string(wide, wide + size);
  return encode(wide, size, CP_UTF8);
}

std::string toOem(const std::string& utf8) { return isAscii(utf8) ? utf8 : encode(decode(utf8, CP_UTF8), CP_OEMCP); }

std::string windowText(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return fromAnsi(text);
}

void setWindowText(HWND window, const std::string& utf8) { SetWindowTextA(window, toAnsi(utf8).c_str()); }

}  // namespace win32
