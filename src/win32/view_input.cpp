// Native -> model: what the operator does to the native controls becomes the model's
// operator action; the model then decides, and the view shows what it decided.
#include "win32/ansi.h"
#include "win32/native_view.h"

namespace win32 {

using forms::Kind;
using forms::Property;

void NativeView::command(int id, int code, HWND source) {
  if (syncing_ || ending_) return;
  if (!source) {
    const int index = id - kFirstMenuId;
    if (index >= 0 && index < static_cast<int>(form_.menu.size())) form_.menu[static_cast<std::size_t>(index)]->operatorClick();
    return;
  }
  if (Native* native = nativeOf(source)) controlCommand(*native, code);
}

void NativeView::controlCommand(Native& native, int code) {
  HWND window = native.window;
  switch (native.control->kind()) {
    case Kind::TextBox: {
      auto& box = static_cast<forms::TextBox&>(*native.control);
      if (code == EN_CHANGE) {
        box.operatorType(windowText(window));
        sync(native, Property::Text);  // the model may have refused or rewritten it
      } else if (code == EN_KILLFOCUS && focusWentElsewhere(window)) {
        box.operatorLeave();
      }
      break;
    }
    case Kind::ComboBox: {
      auto& box = static_cast<forms::ComboBox&>(*native.control);
      if (code == CBN_EDITCHANGE) {
        box.operatorType(windowText(window));
        sync(native, Property::Text);
      } else if (code == CBN_SELCHANGE) {
        const LRESULT picked = SendMessageA(window, CB_GETCURSEL, 0, 0);
        if (picked != CB_ERR) box.operatorPick(static_cast<int>(picked));
        // The box puts the picked item into its edit after this notification; the model's
        // text goes there once it has.
        PostMessageA(main_, kShowModelText, static_cast<WPARAM>(GetDlgCtrlID(window)), 0);
      } else if (code == CBN_KILLFOCUS && focusWentElsewhere(window)) {
        box.operatorLeave();
      }
      break;
    }
    case Kind::ListBox: {
      if (code != LBN_SELCHANGE && code != LBN_DBLCLK) break;
      auto& list = static_cast<forms::ListBox&>(*native.control);
      const int selected = static_cast<int>(SendMessageA(window, LB_GETCURSEL, 0, 0));
      if (code == LBN_SELCHANGE)
        list.operatorPick(selected);
      else
        list.operatorDoubleClick(selected);
      sync(native, Property::ListIndex);
      break;
    }
    case Kind::CheckBox:
      if (code != BN_CLICKED) break;
      static_cast<forms::CheckBox&>(*native.control).operatorClick();
      sync(native, Property::Value);
      break;
    case Kind::OptionButton:
      // Every press, also on the selected option: the model runs MouseDown each time.
      if (code != BN_CLICKED) break;
      static_cast<forms::OptionButton&>(*native.control).operatorPress();
      sync(native, Property::Value);
      break;
    case Kind::CommandButton:
      if (code == BN_CLICKED) static_cast<forms::CommandButton&>(*native.control).operatorClick();
      break;
    default:
      break;
  }
}

void NativeView::otherButtonDown(HWND option) {
  if (syncing_ || ending_) return;
  if (Native* native = nativeOf(option)) static_cast<forms::OptionButton&>(*native->control).operatorMouseDown();
}

// A box is left when the keyboard moves to another control of the window; a message box
// or another program taking the keyboard for a while does not count.
bool NativeView::focusWentElsewhere(HWND from) const {
  HWND to = GetFocus();
  return to && IsChild(main_, to) && to != from && !IsChild(from, to);
}

// Back from a message box or another program, the keyboard returns to where it was, so
// that the box it was in is not left.
bool NativeView::activate(WPARAM state) {
  if (LOWORD(state) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus && IsChild(main_, focus)) lastFocus_ = focus;
    return false;
  }
  if (!lastFocus_ || !IsWindow(lastFocus_) || !IsWindowVisible(lastFocus_) || !IsWindowEnabled(lastFocus_))
    return false;
  SetFocus(lastFocus_);
  return true;
}

}  // namespace win32
