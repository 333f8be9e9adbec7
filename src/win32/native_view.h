// The window on the screen: one native window per control of the form, kept in step with
// the model (the view observes every control) and turning the operator's typing, picking
// and clicking into the model's operator actions.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "forms/form.h"
#include "win32/gdi_cache.h"
#include "win32/list_sync.h"
#include "win32/tool_tips.h"
#include "win32/win32_platform.h"

namespace win32 {

class NativeView final : public forms::ControlObserver {
 public:
  // Makes every window, hidden, from the form's design and starts observing the controls.
  NativeView(forms::Form& form, Win32Platform& system);
  ~NativeView() override;
  NativeView(const NativeView&) = delete;
  NativeView& operator=(const NativeView&) = delete;

  // Centred on the screen, the keyboard in the first box.
  void show(int showCommand);
  HWND window() const { return main_; }
  void relayToToolTips(const MSG& message) { tips_->relay(message); }

  void propertyChanged(forms::Control& control, forms::Property property) override;

 private:
  struct Native {
    forms::Control* control;
    HWND window;                    // null for a shape: its container draws it
    std::optional<ListSync> items;  // for list and combo boxes
  };

  static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK optionButtonProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                                UINT_PTR id, DWORD_PTR view);
  LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  // native_view.cpp: making the windows
  void registerClasses();
  void createMainWindow();
  void createControls();
  void createMenu();
  void nameForAutomation(const std::string& name, int id);
  void removeAutomationNames();

  // view_sync.cpp: model -> native
  void sync(Native& native, forms::Property property);  // with the operator's notifications ignored
  void apply(Native& native, forms::Property property);
  void syncText(HWND window, const std::string& text);
  void syncMenu(forms::MenuEntry& entry, forms::Property property);
  void runTimer(const Native& native);
  void syncItems(Native& native);
  void itemsRefilled(Native& native);
  void catchUpLists();  // lists that came into sight

  // view_input.cpp: native -> model
  void command(int id, int code, HWND source);
  void controlCommand(Native& native, int code);
  void otherButtonDown(HWND option);
  bool focusWentElsewhere(HWND from) const;
  bool activate(WPARAM state);

  // view_paint.cpp
  LRESULT controlColours(HWND container, UINT message, HDC dc, HWND control);
  void paint(HWND window);
  void paintFrame(HDC dc, HWND window, const forms::Frame& frame);
  void paintShapes(HDC dc, const forms::Frame* container);

  Native* nativeAt(int id);
  Native* nativeOf(HWND window);
  Native* nativeOf(const forms::Control& control);
  HWND windowOf(const forms::Frame* container) const;

  static constexpr int kFirstMenuId = 100;      // menu entries, left to right
  static constexpr int kFirstControlId = 1000;  // controls, in the order of form.controls
  // Posted after a pick from a combo box's list, when the box has shown the item it picked.
  static constexpr UINT kShowModelText = WM_APP + 1;

  forms::Form& form_;
  Win32Platform& system_;
  GdiCache gdi_;
  HWND main_ = nullptr;
  HMENU menu_ = nullptr;
  HICON icon_ = nullptr;
  std::unique_ptr<ToolTips> tips_;
  std::vector<std::string> automationNames_;
  std::vector<Native> natives_;  // in the order of form.controls
  std::unordered_map<const forms::Control*, std::size_t> indexOf_;
  HWND lastFocus_ = nullptr;  // where the keyboard was when the window was last left
  bool syncing_ = false;      // native notifications now come from the view, not the operator
  bool ending_ = false;
};

}  // namespace win32
