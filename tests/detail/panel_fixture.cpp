#include "panel_fixture.h"

#include <commctrl.h>

namespace panel_testing {

bool PanelWindow::CreateForTest() {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    if (!Create(GetModuleHandleW(nullptr))) return false;
    KillTimer(Handle(), RefreshTimerId);
    return true;
}

void RightClickAt(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    SendInput(2, input, sizeof(INPUT));
}

POINT RowPoint(HWND list, int row, int xOffset) {
    RECT r{};
    r.left = LVIR_LABEL;
    SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    POINT p{(r.left + r.right) / 2 + xOffset, (r.top + r.bottom) / 2};
    ClientToScreen(list, &p);
    return p;
}

POINT CentreOf(HWND control) {
    RECT r{};
    GetClientRect(control, &r);
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(control, &p);
    return p;
}

}  // namespace panel_testing
