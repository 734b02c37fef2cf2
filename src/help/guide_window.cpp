#include "help/guide_window.h"

#include <memory>

#include "help/open_url.h"
#include "win/dpi.h"
#include "win/messages.h"

using namespace guide_window;

namespace {

constexpr const wchar_t* ClassName = L"CorvantaGuideWindow";
constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD ExStyle = WS_EX_APPWINDOW;
constexpr int ProgramIcon = 1;

std::unique_ptr<GuideWindow> g_guide;

HICON ProgramIconOf(HINSTANCE instance, int metricX, int metricY) {
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(ProgramIcon), IMAGE_ICON,
                                         GetSystemMetrics(metricX), GetSystemMetrics(metricY), LR_SHARED));
}

}  // namespace

GuideWindow::~GuideWindow() {
    if (Handle()) DestroyWindow(Handle());
}

bool GuideWindow::Create(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.hInstance = instance;
    wc.lpszClassName = ClassName;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.hIcon = ProgramIconOf(instance, SM_CXICON, SM_CYICON);
    wc.hIconSm = ProgramIconOf(instance, SM_CXSMICON, SM_CYSMICON);
    if (!RegisterWindowClass(wc)) return false;

    const int dpi = win::DpiOf(nullptr);
    const int width = win::Scale(OuterWidth, dpi);
    const int height = win::Scale(OuterHeight, dpi);
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    if (!CreateWindowOf(ClassName, ExStyle, Title, Style, x, y, width, height, nullptr, nullptr, instance))
        return false;
    ShowWindow(Handle(), SW_SHOWNORMAL);
    UpdateWindow(Handle());
    return true;
}

bool GuideWindow::IsLink(HWND control) const {
    if (!control) return false;
    const int id = GetDlgCtrlID(control);
    return LinkAddress(id) && controls_.Get(id) == control;
}

LRESULT GuideWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return controls_.Create(Handle(), Controls(), win::DpiOf(Handle())) ? 0 : -1;
    case WM_CTLCOLORSTATIC:
        if (HBRUSH brush = controls_.ColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
            return reinterpret_cast<LRESULT>(brush);
        return Default(message, wParam, lParam);
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && IsLink(reinterpret_cast<HWND>(wParam))) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        }
        return Default(message, wParam, lParam);
    case win::WM_LABEL_PRESSED:
        if (const char* address = LinkAddress(static_cast<int>(wParam))) OpenUrl(address);
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    default:
        return Default(message, wParam, lParam);
    }
}

void GuideWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    controls_.SetDpi(dpi);
}

GuideWindow* OpenGuideWindow() { return g_guide && g_guide->Handle() ? g_guide.get() : nullptr; }

GuideWindow* ShowGuideWindow(HINSTANCE instance) {
    if (GuideWindow* open = OpenGuideWindow()) {
        if (IsIconic(open->Handle())) ShowWindow(open->Handle(), SW_RESTORE);
        else SetForegroundWindow(open->Handle());
        return open;
    }
    auto guide = std::make_unique<GuideWindow>();
    if (!guide->Create(instance)) return nullptr;
    g_guide = std::move(guide);
    return g_guide.get();
}
