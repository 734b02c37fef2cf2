// The program's private window messages, in one place so no two share a number.
#pragma once

#include <windows.h>

namespace win {

// Sent to the top-level window when a label that asks for it is pressed with the left mouse
// button. wParam: the label's control ID.
inline constexpr UINT WM_LABEL_PRESSED = WM_APP + 1;

// Posted to MainWindow by a refresh worker when the complete new rows of the list wait to be
// swapped in. No payload: the rows wait in the refresh's own state.
inline constexpr UINT WM_FEED_ROWS_READY = WM_APP + 2;

}  // namespace win
