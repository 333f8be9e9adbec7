// The native window of each kind of control, made and placed from the model's design.
#pragma once

#include <windows.h>

#include "forms/control.h"

namespace win32 {

// Frames and picture boxes: windows of ours that the view paints.
constexpr char kPanelClass[] = "ZarnPanel";

// The design measures in twips, 15 to a pixel.
int pixels(int twips);

// A child of `parent` with the control's styles, shown and enabled as the control is (its
// font and contents not yet set); null for a control without a window of its own (a shape,
// a menu entry).
HWND createControlWindow(const forms::Control& control, HWND parent, int id, void* panelData);

// Moves and sizes the window to the control's place; a combo box's window also holds its
// dropped-down list.
void placeControlWindow(HWND window, const forms::Control& control);

}  // namespace win32
