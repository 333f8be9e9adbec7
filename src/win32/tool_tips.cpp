#include "win32/tool_tips.h"

#include <commctrl.h>

#include "win32/ansi.h"

namespace win32 {

namespace {
constexpr int kMaximumTipWidth = 400;  // pixels; longer tips wrap
}

ToolTips::ToolTips(HWND owner) : owner_(owner) {
  INITCOMMONCONTROLSEX common{sizeof common, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&common);
  // Tips show also while the window is not the active one.
  tips_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                          GetModuleHandleA(nullptr), nullptr);
  SendMessageA(tips_, TTM_SETMAXTIPWIDTH, 0, kMaximumTipWidth);
}

void ToolTips::add(HWND control, const std::string& text) {
  addTool(control, text);
  COMBOBOXINFO combo{};
  combo.cbSize = sizeof combo;
  if (GetComboBoxInfo(control, &combo) && combo.hwndItem) addTool(combo.hwndItem, text);
}

void ToolTips::relay(const MSG& message) {
  if (message.message < WM_MOUSEFIRST || message.message > WM_MOUSELAST) return;
  MSG copy = message;
  SendMessageA(tips_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&copy));
}

void ToolTips::addTool(HWND tool, const std::string& text) {
  std::string ansi = toAnsi(text);
  TOOLINFOA info{};
  // The size every version of the common controls accepts.
  info.cbSize = TTTOOLINFOA_V2_SIZE;
  info.uFlags = TTF_IDISHWND;
  info.hwnd = owner_;
  info.uId = reinterpret_cast<UINT_PTR>(tool);
  info.lpszText = ansi.data();
  SendMessageA(tips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace win32
