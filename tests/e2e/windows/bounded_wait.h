// Every wait of the driver has a limit, and running out of it is a failure that says what
// was awaited.
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>

namespace zarndrive {

struct Failure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

constexpr DWORD kPollMilliseconds = 20;
constexpr DWORD kClosePollMilliseconds = 1;  // while a command is timed
// For one message to a window that is not busy: reading a text, a list's items.
constexpr DWORD kAnswerLimit = 5000;

// True as soon as `done()` holds; false when it still does not after `limitMilliseconds`.
template <typename Done>
bool waitUntil(Done done, DWORD limitMilliseconds, DWORD pollMilliseconds = kPollMilliseconds) {
  const ULONGLONG deadline = GetTickCount64() + limitMilliseconds;
  for (;;) {
    if (done()) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(pollMilliseconds);
  }
}

inline std::string seconds(DWORD milliseconds) { return std::to_string(milliseconds / 1000) + " s"; }

}  // namespace zarndrive
