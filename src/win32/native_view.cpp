#include "win32/native_view.h"

#include <commctrl.h>

#include "win32/ansi.h"
#include "win32/artwork.h"
#include "win32/control_windows.h"

namespace win32 {

namespace {

constexpr char kMainClass[] = "ZarnWindow";
constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

// Automation (the end-to-end driver) finds a control or menu entry by its name in the
// model: a property of the main window named "zarn:" and the name holds its id.
std::string automationName(const std::string& name) { return "zarn:" + name; }

}  // namespace

NativeView::NativeView(forms::Form& form, Win32Platform& system) : form_(form), system_(system) {
  icon_ = makeWindowIcon();
  registerClasses();
  createMenu();
  createMainWindow();
  system_.setOwner(main_);
  tips_ = std::make_unique<ToolTips>(main_);
  createControls();
}

NativeView::~NativeView() {
  for (forms::Control* control : form_.controls) control->setObserver(nullptr);
  for (forms::MenuEntry* entry : form_.menu) entry->setObserver(nullptr);
  system_.setOwner(nullptr);
  ending_ = true;
  if (IsWindow(main_)) DestroyWindow(main_);
  if (icon_) DestroyIcon(icon_);
}

void NativeView::registerClasses() {
  WNDCLASSEXA main{};
  main.cbSize = sizeof main;
  main.lpfnWndProc = windowProcedure;
  main.hInstance = GetModuleHandleA(nullptr);
  main.hIcon = icon_;
  main.hIconSm = icon_;
  main.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  main.lpszClassName = kMainClass;
  RegisterClassExA(&main);
  WNDCLASSEXA panel = main;
  panel.hIcon = panel.hIconSm = nullptr;
  panel.lpszClassName = kPanelClass;
  RegisterClassExA(&panel);
}

void NativeView::createMenu() {
  menu_ = CreateMenu();
  for (std::size_t index = 0; index < form_.menu.size(); ++index) {
    forms::MenuEntry& entry = *form_.menu[index];
    const int id = kFirstMenuId + static_cast<int>(index);
    AppendMenuA(menu_, MF_STRING | (entry.enabled() ? MF_ENABLED : MF_GRAYED), static_cast<UINT_PTR>(id),
                toAnsi(entry.caption()).c_str());
    entry.setObserver(this);
  }
}

void NativeView::createMainWindow() {
  RECT frame{0, 0, pixels(form_.clientWidth), pixels(form_.clientHeight)};
  AdjustWindowRectEx(&frame, kMainStyle, TRUE, WS_EX_CONTROLPARENT);
  main_ = CreateWindowExA(WS_EX_CONTROLPARENT, kMainClass, toAnsi(form_.caption).c_str(), kMainStyle, CW_USEDEFAULT,
                          CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, nullptr, menu_,
                          GetModuleHandleA(nullptr), this);
  for (std::size_t index = 0; index < form_.menu.size(); ++index)
    nameForAutomation(form_.menu[index]->name(), kFirstMenuId + static_cast<int>(index));
}

void NativeView::createControls() {
  natives_.reserve(form_.controls.size());
  for (std::size_t index = 0; index < form_.controls.size(); ++index) {
    forms::Control& control = *form_.controls[index];
    const int id = kFirstControlId + static_cast<int>(index);
    indexOf_[&control] = index;
    Native& native = natives_.emplace_back(Native{&control, nullptr, std::nullopt});
    native.window = createControlWindow(control, windowOf(control.container()), id, this);
    control.setObserver(this);
    nameForAutomation(control.name(), id);
    if (!native.window) continue;
    SendMessageA(native.window, WM_SETFONT, reinterpret_cast<WPARAM>(gdi_.font(control.font)), FALSE);
    // Made in place; a combo box's height counts its dropped list, which needs the font.
    if (control.kind() == forms::Kind::ComboBox) placeControlWindow(native.window, control);
    if (control.kind() == forms::Kind::ComboBox || control.kind() == forms::Kind::ListBox)
      native.items.emplace(native.window, control.kind() == forms::Kind::ComboBox);
    for (forms::Property property : {forms::Property::Caption, forms::Property::Text, forms::Property::Value,
                                     forms::Property::Items, forms::Property::ListIndex})
      sync(native, property);
    if (!control.toolTip.empty()) tips_->add(native.window, control.toolTip);
    if (control.kind() == forms::Kind::OptionButton)
      SetWindowSubclass(native.window, optionButtonProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
  }
}

void NativeView::nameForAutomation(const std::string& name, int id) {
  const std::string property = automationName(name);
  SetPropA(main_, property.c_str(), reinterpret_cast<HANDLE>(static_cast<INT_PTR>(id)));
  automationNames_.push_back(property);
}

void NativeView::removeAutomationNames() {
  for (const std::string& property : automationNames_) RemovePropA(main_, property.c_str());
  automationNames_.clear();
}

void NativeView::show(int showCommand) {
  RECT window{}, screen{};
  GetWindowRect(main_, &window);
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &screen, 0);
  const int width = window.right - window.left, height = window.bottom - window.top;
  SetWindowPos(main_, nullptr, screen.left + (screen.right - screen.left - width) / 2,
               screen.top + (screen.bottom - screen.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ShowWindow(main_, showCommand);
  UpdateWindow(main_);
  if (HWND first = GetNextDlgTabItem(main_, nullptr, FALSE)) SetFocus(first);
}

LRESULT CALLBACK NativeView::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE)
    SetWindowLongPtrA(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
  auto* view = reinterpret_cast<NativeView*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  return view ? view->handle(window, message, wParam, lParam) : DefWindowProcA(window, message, wParam, lParam);
}

// A standard button answers only the left mouse button; an option's MouseDown runs for
// the right and the middle one too.
LRESULT CALLBACK NativeView::optionButtonProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                   DWORD_PTR view) {
  if (message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN) reinterpret_cast<NativeView*>(view)->otherButtonDown(window);
  if (message == WM_NCDESTROY) RemoveWindowSubclass(window, optionButtonProcedure, 0);
  return DefSubclassProc(window, message, wParam, lParam);
}

// The main window and the panels (frames, picture boxes) share this procedure, so a
// frame's controls report to the view just as the window's own do.
LRESULT NativeView::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      command(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_TIMER:
      // Also while a message box is up: its own loop dispatches the main window's timers.
      if (Native* native = nativeAt(static_cast<int>(wParam)); native && !ending_ &&
          native->control->kind() == forms::Kind::Timer)
        static_cast<forms::Timer&>(*native->control).elapse();
      return 0;
    case kShowModelText:
      if (Native* native = nativeAt(static_cast<int>(wParam))) sync(*native, forms::Property::Text);
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return controlColours(window, message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel
    case WM_PAINT:
      paint(window);
      return 0;
    case WM_SETCURSOR:
      if (!system_.busy()) break;
      SetCursor(LoadCursorA(nullptr, IDC_WAIT));
      return TRUE;
    case WM_ACTIVATE:
      if (window == main_ && activate(wParam)) return 0;
      break;
    case WM_CLOSE:
      if (window != main_) break;
      // Closing ends the program at once: nothing the window does while it goes away (a
      // box losing the keyboard) reaches the model.
      ending_ = true;
      DestroyWindow(main_);
      return 0;
    case WM_DESTROY:
      if (window != main_) break;
      removeAutomationNames();
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

NativeView::Native* NativeView::nativeAt(int id) {
  const int index = id - kFirstControlId;
  if (index < 0 || index >= static_cast<int>(natives_.size())) return nullptr;
  return &natives_[static_cast<std::size_t>(index)];
}

NativeView::Native* NativeView::nativeOf(HWND window) {
  if (!window) return nullptr;
  Native* native = nativeAt(GetDlgCtrlID(window));
  return native && native->window == window ? native : nullptr;
}

NativeView::Native* NativeView::nativeOf(const forms::Control& control) {
  const auto found = indexOf_.find(&control);
  return found == indexOf_.end() ? nullptr : &natives_[found->second];
}

HWND NativeView::windowOf(const forms::Frame* container) const {
  if (!container) return main_;
  const auto found = indexOf_.find(container);
  return found == indexOf_.end() ? main_ : natives_[found->second].window;
}

}  // namespace win32
