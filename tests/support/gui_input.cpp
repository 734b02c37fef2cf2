#include "support/gui_input.h"

#include <cstdlib>

namespace gui {
namespace {

POINT lastClick{-10000, -10000};
DWORD lastClickTime = 0;

// Two clicks at one spot within the double-click time make a double click, which a list takes
// as activation rather than selection; each ClickAt is meant as a click of its own.
void WaitOutDoubleClick(POINT at) {
    const DWORD elapsed = GetTickCount() - lastClickTime;
    const DWORD limit = GetDoubleClickTime();
    if (elapsed <= limit && std::abs(at.x - lastClick.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
        std::abs(at.y - lastClick.y) <= GetSystemMetrics(SM_CYDOUBLECLK))
        Sleep(limit - elapsed + 50);
}

void SendMouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

POINT CentreOf(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

}  // namespace

void BringToFront(HWND window) {
    const HWND root = GetAncestor(window, GA_ROOT);
    SetForegroundWindow(root);
    SetWindowPos(root, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void ClickAt(POINT screen) {
    WaitOutDoubleClick(screen);
    SetCursorPos(screen.x, screen.y);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
    lastClick = screen;
    lastClickTime = GetTickCount();
}

void ClickClientPoint(HWND window, POINT client) {
    BringToFront(window);
    ClientToScreen(window, &client);
    ClickAt(client);
}

void ClickControl(HWND control) {
    BringToFront(control);
    ClickAt(CentreOf(control));
}

void PressControl(HWND control) {
    BringToFront(control);
    const POINT p = CentreOf(control);
    WaitOutDoubleClick(p);
    SetCursorPos(p.x, p.y);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    lastClick = p;
    lastClickTime = GetTickCount();
}

void ReleaseMouse() { SendMouse(MOUSEEVENTF_LEFTUP); }

void SendMouseAt(DWORD flags, POINT screen) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

void PressKey(WORD virtualKey) {
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = virtualKey;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof keys[0]);
}

}  // namespace gui
