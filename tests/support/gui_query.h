// Reading back what the window system shows: places, fonts and colours of controls.
#pragma once

#include <windows.h>

#include <string>

namespace gui {

// The control's rectangle in its parent's client coordinates.
RECT RectInParent(HWND control);
// The outer rectangle in screen coordinates.
RECT OuterRect(HWND window);
LOGFONTW FontOf(HWND control);
// What the control's parent answers to WM_CTLCOLORSTATIC for it, read off a scratch DC.
struct StaticColors {
    bool brush = false;  // the parent gave a brush of its own
    COLORREF text = CLR_INVALID;
    COLORREF back = CLR_INVALID;
};
StaticColors AskStaticColors(HWND control);
std::wstring ClassOf(HWND window);

}  // namespace gui
