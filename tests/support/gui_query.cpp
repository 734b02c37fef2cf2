#include "support/gui_query.h"

namespace gui {

RECT RectInParent(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

RECT OuterRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

LOGFONTW FontOf(HWND control) {
    LOGFONTW lf{};
    if (const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)))
        GetObjectW(font, sizeof lf, &lf);
    return lf;
}

StaticColors AskStaticColors(HWND control) {
    StaticColors colors;
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    // Start from values no answer would give, so an unset colour shows.
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkColor(dc, RGB(4, 5, 6));
    const LRESULT brush = SendMessageW(GetParent(control), WM_CTLCOLORSTATIC,
                                       reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    colors.brush = brush != 0;
    colors.text = GetTextColor(dc);
    colors.back = GetBkColor(dc);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return colors;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

}  // namespace gui
