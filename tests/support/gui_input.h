// Real mouse and keyboard input for GUI tests, through SendInput: the system routes it to the
// window under the cursor or with the focus, as it would for a user.
#pragma once

#include <windows.h>

namespace gui {

// Makes the window the foreground window, above the others.
void BringToFront(HWND window);
// Moves the cursor to a point (screen coordinates) and presses and releases the left button.
void ClickAt(POINT screen);
// The same at a point of window's client area.
void ClickClientPoint(HWND window, POINT client);
// The centre of a control (its window is brought to the front first).
void ClickControl(HWND control);
// The left button pressed (and not released) at the centre of a control; ReleaseMouse() ends it.
void PressControl(HWND control);
void ReleaseMouse();
// One mouse event (MOUSEEVENTF_MOVE, _LEFTDOWN, ...) at a point of the screen.
void SendMouseAt(DWORD flags, POINT screen);
void PressKey(WORD virtualKey);

}  // namespace gui
