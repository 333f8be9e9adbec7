// The running zarn.exe as the driver sees it: its window, its controls found by their
// names in the program, its message boxes and its process.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "bounded_wait.h"

namespace zarndrive {

struct MessageBoxShown {
  HWND window;
  std::string title;
  std::string text;
};

class ZarnWindow {
 public:
  ZarnWindow() = default;
  ZarnWindow(const ZarnWindow&) = delete;
  ZarnWindow& operator=(const ZarnWindow&) = delete;
  ~ZarnWindow();

  void launch(const std::string& program);  // and wait until its window shows
  void attach();                            // to the window that shows already
  HWND main() const;

  HWND control(const std::string& name) const;  // the native window of the named control
  int menuCommand(const std::string& name) const;
  // Fails unless the operator could reach the control: shown and enabled.
  void requireOperable(HWND control, const std::string& name) const;

  // Sends without waiting for the answer, then waits until zarn has handled it: done, or
  // stopped in a message box it shows.
  void deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const;
  void settle() const;
  void waitUntilPainted() const;  // settled, and nothing waits to be painted
  void settlePainting() const;    // ... and the picture has reached the screen
  // How often the waits look; closely while a command is timed.
  void setPolling(DWORD milliseconds) { poll_ = milliseconds; }

  std::optional<MessageBoxShown> messageBox() const;
  bool hasEnded(DWORD limitMilliseconds) const;
  // Ends a zarn that this driver started and that is still running (after a failure).
  void stopLaunched() const;

 private:
  int idOf(const std::string& name) const;

  HWND main_ = nullptr;
  HANDLE process_ = nullptr;
  bool launched_ = false;
  DWORD poll_ = kPollMilliseconds;
};

// Texts of native controls, read across the process boundary, in UTF-8.
std::string windowText(HWND window);
std::string className(HWND window);
std::vector<std::string> listItems(HWND list);  // of a list box or combo box

}  // namespace zarndrive
