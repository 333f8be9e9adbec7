// zarn.exe: the window `zarn` on the Windows desktop.
#include <windows.h>

#include "app/zarn.h"
#include "win32/artwork.h"
#include "win32/native_view.h"
#include "win32/win32_platform.h"

namespace {

int runMessageLoop(win32::NativeView& view) {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    view.relayToToolTips(message);
    // Tab and the arrow keys move between the controls, as in a dialog.
    if (IsDialogMessageA(view.window(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
  win32::Win32Platform system;
  Zarn zarn(system);
  zarn.picZARN.setPicture(win32::makeBackdrop());
  win32::NativeView view(zarn.form, system);
  zarn.Form_Load();
  view.show(showCommand);
  return runMessageLoop(view);
}
