#include "win32/control_windows.h"

#include <cmath>

namespace win32 {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kDroppedItems = 12;

struct WindowKind {
  const char* className;
  DWORD style;
  DWORD extendedStyle;
};

DWORD labelAlignment(forms::Align align) {
  switch (align) {
    case forms::Align::Left: return SS_LEFT;
    case forms::Align::Center: return SS_CENTER;
    case forms::Align::Right: return SS_RIGHT;
  }
  return SS_LEFT;
}

DWORD textBoxStyle(const forms::TextBox& box) {
  DWORD style = WS_TABSTOP | ES_LEFT;
  if (box.locked()) style |= ES_READONLY;
  if (!box.multiLine) return style | ES_AUTOHSCROLL;
  style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
  if (box.verticalScroll) style |= WS_VSCROLL;
  // Without a horizontal scroll bar the lines wrap at the box's edge.
  if (box.horizontalScroll) style |= WS_HSCROLL | ES_AUTOHSCROLL;
  return style;
}

bool windowKind(const forms::Control& control, WindowKind& kind) {
  using forms::Kind;
  switch (control.kind()) {
    case Kind::Label: kind = {"STATIC", SS_NOPREFIX | labelAlignment(control.alignment), 0}; return true;
    case Kind::TextBox:
      kind = {"EDIT", textBoxStyle(static_cast<const forms::TextBox&>(control)), WS_EX_CLIENTEDGE};
      return true;
    case Kind::CheckBox: kind = {"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 0}; return true;
    // Not automatic: the model decides which option is selected.
    case Kind::OptionButton: kind = {"BUTTON", WS_TABSTOP | BS_RADIOBUTTON, 0}; return true;
    case Kind::ComboBox: kind = {"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0}; return true;
    case Kind::ListBox:
      kind = {"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE};
      return true;
    case Kind::CommandButton: kind = {"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0}; return true;
    case Kind::Frame: kind = {kPanelClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT}; return true;
    case Kind::PictureBox: kind = {kPanelClass, WS_CLIPCHILDREN, 0}; return true;
    case Kind::Shape:
    case Kind::Menu:
    case Kind::Timer: return false;
  }
  return false;
}

}  // namespace

int pixels(int twips) { return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel)); }

HWND createControlWindow(const forms::Control& control, HWND parent, int id, void* panelData) {
  WindowKind kind{};
  if (!windowKind(control, kind)) return nullptr;
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | kind.style;
  if (control.visible()) style |= WS_VISIBLE;
  if (!control.enabled()) style |= WS_DISABLED;
  return CreateWindowExA(kind.extendedStyle, kind.className, "", style, pixels(control.left()), pixels(control.top()),
                         pixels(control.width()), pixels(control.height()), parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), panelData);
}

void placeControlWindow(HWND window, const forms::Control& control) {
  int height = pixels(control.height());
  if (control.kind() == forms::Kind::ComboBox)
    height += kDroppedItems * static_cast<int>(SendMessageA(window, CB_GETITEMHEIGHT, 0, 0)) + 2;
  MoveWindow(window, pixels(control.left()), pixels(control.top()), pixels(control.width()), height, TRUE);
}

}  // namespace win32
