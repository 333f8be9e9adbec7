// The tool tips of the window's controls: one tool tip window, one tool per control.
#pragma once

#include <windows.h>

#include <string>

namespace win32 {

class ToolTips {
 public:
  explicit ToolTips(HWND owner);
  // Shows `text` while the mouse rests on `control` (or, for a combo box, on its edit too).
  void add(HWND control, const std::string& text);
  // Every mouse message of the window passes here. Relayed rather than subclassed: under
  // Wine a subclassed control pays for it on every message, thousands of list items too.
  void relay(const MSG& message);

 private:
  void addTool(HWND tool, const std::string& text);
  HWND owner_;
  HWND tips_;
};

}  // namespace win32
