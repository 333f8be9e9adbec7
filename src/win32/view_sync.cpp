// Model -> native: the view as the observer of every control.
#include <algorithm>
#include <utility>

#include "win32/ansi.h"
#include "win32/control_windows.h"
#include "win32/native_view.h"

namespace win32 {

using forms::Kind;
using forms::Property;

namespace {
WPARAM checkState(bool checked) { return checked ? BST_CHECKED : BST_UNCHECKED; }
}  // namespace

void NativeView::propertyChanged(forms::Control& control, Property property) {
  if (control.kind() == Kind::Menu) {
    syncMenu(static_cast<forms::MenuEntry&>(control), property);
    return;
  }
  if (Native* native = nativeOf(control)) sync(*native, property);
}

void NativeView::sync(Native& native, Property property) {
  if (native.control->kind() == Kind::Timer) {
    runTimer(native);
    return;
  }
  // What the native controls report while they are being set is the view's doing.
  const bool wasSyncing = std::exchange(syncing_, true);
  if (native.window)
    apply(native, property);
  else  // a shape: its container draws it
    InvalidateRect(windowOf(native.control->container()), nullptr, TRUE);
  syncing_ = wasSyncing;
}

void NativeView::apply(Native& native, Property property) {
  forms::Control& control = *native.control;
  HWND window = native.window;
  const Kind kind = control.kind();
  switch (property) {
    case Property::Caption:
      if (kind == Kind::TextBox || kind == Kind::ComboBox) return;
      syncText(window, control.caption());
      if (kind == Kind::Frame) InvalidateRect(window, nullptr, TRUE);  // it draws its caption itself
      return;
    case Property::Text:
      if (kind == Kind::TextBox) syncText(window, static_cast<forms::TextBox&>(control).text());
      if (kind == Kind::ComboBox) syncText(window, static_cast<forms::ComboBox&>(control).text());
      return;
    case Property::Value:
      if (kind == Kind::CheckBox)
        SendMessageA(window, BM_SETCHECK, checkState(static_cast<forms::CheckBox&>(control).checked()), 0);
      if (kind == Kind::OptionButton)
        SendMessageA(window, BM_SETCHECK, checkState(static_cast<forms::OptionButton&>(control).value()), 0);
      return;
    case Property::Enabled:
      EnableWindow(window, control.enabled());
      return;
    case Property::Visible:
      ShowWindow(window, control.visible() ? SW_SHOWNA : SW_HIDE);
      if (control.visible()) catchUpLists();
      return;
    case Property::Geometry:
      placeControlWindow(window, control);
      return;
    case Property::Items:
      if (native.items) syncItems(native);
      return;
    case Property::ListIndex:
      if (kind == Kind::ListBox)
        SendMessageA(window, LB_SETCURSEL, static_cast<WPARAM>(static_cast<forms::ListBox&>(control).listIndex()), 0);
      return;
    case Property::Locked:
      if (kind == Kind::TextBox) SendMessageA(window, EM_SETREADONLY, static_cast<forms::TextBox&>(control).locked(), 0);
      return;
    case Property::BackColor:
    case Property::ForeColor:
    case Property::Picture:
      InvalidateRect(window, nullptr, TRUE);
      return;
    case Property::Interval:  // a timer's, which has no window: sync runs it
      return;
  }
}

// A timer is the main window's, under the control's id: WM_TIMER names the control. Setting
// it again starts its interval anew, as a new interval does.
void NativeView::runTimer(const Native& native) {
  const auto& timer = static_cast<const forms::Timer&>(*native.control);
  const auto id = static_cast<UINT_PTR>(kFirstControlId + indexOf_.at(&timer));
  if (timer.enabled() && timer.interval() > 0)
    SetTimer(main_, id, static_cast<UINT>(timer.interval()), nullptr);
  else
    KillTimer(main_, id);
}

// A list out of sight falls behind and catches up when it comes into sight: choosing a mod
// puts its thousands of maps into the lists of pages that are hidden.
void NativeView::syncItems(Native& native) {
  const forms::Control& control = *native.control;
  const auto& model = dynamic_cast<const forms::ItemList&>(control);
  if (native.items->update(model, control.shown()))
    itemsRefilled(native);
  else if (control.kind() == Kind::ListBox && model.lastChange().kind == forms::ItemChange::Kind::Removed)
    apply(native, Property::ListIndex);  // the selection may have moved
}

// Emptying a combo box's list empties its edit too; a list box loses its selection.
void NativeView::itemsRefilled(Native& native) {
  apply(native, native.control->kind() == Kind::ComboBox ? Property::Text : Property::ListIndex);
}

void NativeView::catchUpLists() {
  for (Native& native : natives_)
    if (native.items && native.control->shown() &&
        native.items->catchUp(dynamic_cast<const forms::ItemList&>(*native.control)))
      itemsRefilled(native);
}

// Only when it differs: setting an edit's text moves its caret to the start. In the box
// being typed into (a clamp writing a number back at each key), the caret goes to the end
// instead, so that the next key follows what the box shows.
void NativeView::syncText(HWND window, const std::string& text) {
  if (windowText(window) == text) return;
  setWindowText(window, text);
  HWND focus = GetFocus();
  if (!focus || (focus != window && !IsChild(window, focus))) return;
  const WPARAM end = static_cast<WPARAM>(GetWindowTextLengthA(focus));
  SendMessageA(focus, EM_SETSEL, end, static_cast<LPARAM>(end));
}

// Menu entries follow their caption and enabling; no entry is ever hidden.
void NativeView::syncMenu(forms::MenuEntry& entry, Property property) {
  const auto found = std::find(form_.menu.begin(), form_.menu.end(), &entry);
  if (found == form_.menu.end()) return;
  const UINT id = static_cast<UINT>(kFirstMenuId + (found - form_.menu.begin()));
  if (property == Property::Caption)
    ModifyMenuA(menu_, id, MF_BYCOMMAND | MF_STRING, id, toAnsi(entry.caption()).c_str());
  else if (property == Property::Enabled)
    EnableMenuItem(menu_, id, MF_BYCOMMAND | (entry.enabled() ? MF_ENABLED : MF_GRAYED));
  else
    return;
  DrawMenuBar(main_);
}

}  // namespace win32
