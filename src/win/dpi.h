// Sizes are written at 96 DPI and scaled to the DPI of the monitor a window is on.
#pragma once

#include <windows.h>

namespace win {

inline constexpr int DesignDpi = 96;

// The DPI of the monitor that holds the window (the system DPI for a null window), or the
// override when a test has set one.
int DpiOf(HWND window);
// Tests run at one fixed DPI under Wine; this lets them exercise the scaling. 0 switches it off.
void SetDpiOverride(int dpi);

inline int Scale(int designValue, int dpi) { return MulDiv(designValue, dpi, DesignDpi); }

}  // namespace win
