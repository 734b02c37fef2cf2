#include "win/window.h"

namespace win {
namespace {
int liveTopLevel = 0;
bool quitWhenLastCloses = false;
}

Window::~Window() {
    // A derived window destroys itself in its own destructor; this is the fallback, and by now
    // only Window's handler runs, so detach first.
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        const HWND h = hwnd_;
        hwnd_ = nullptr;
        if (topLevel_ && --liveTopLevel == 0 && quitWhenLastCloses) PostQuitMessage(0);
        topLevel_ = false;
        DestroyWindow(h);
    }
}

int Window::LiveTopLevelWindows() { return liveTopLevel; }
void Window::QuitWhenLastWindowCloses(bool on) { quitWhenLastCloses = on; }

bool Window::IsProgramWindow(HWND window) {
    // The class's procedure, not the window's: a subclassed window of ours is still ours.
    return window && GetClassLongPtrW(window, GCLP_WNDPROC) == reinterpret_cast<ULONG_PTR>(&Procedure);
}

bool Window::RegisterWindowClass(WNDCLASSEXW wc) {
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &Procedure;
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(wc.hInstance, wc.lpszClassName, &existing)) return true;
    return RegisterClassExW(&wc) != 0;
}

bool Window::CreateWindowOf(const wchar_t* className, DWORD exStyle, const wchar_t* title,
                            DWORD style, int x, int y, int width, int height, HWND parent,
                            HMENU menu, HINSTANCE instance) {
    return CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, menu,
                           instance, this) != nullptr;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        const LRESULT ok = DefWindowProcW(hwnd, message, wParam, lParam);
        if (!ok || !self) return ok;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->hwnd_ = hwnd;
        self->topLevel_ = (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD) == 0;
        if (self->topLevel_) ++liveTopLevel;
        return ok;
    }
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        const LRESULT result = self->HandleMessage(message, wParam, lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        if (self->topLevel_) {
            self->topLevel_ = false;
            if (--liveTopLevel == 0 && quitWhenLastCloses) PostQuitMessage(0);
        }
        return result;
    }
    return self->HandleMessage(message, wParam, lParam);
}

bool HandleEscape(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_ESCAPE || !msg.hwnd) return false;
    const HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    if (!Window::IsProgramWindow(root)) return false;
    PostMessageW(root, WM_CLOSE, 0, 0);
    return true;
}

void TranslateAndDispatch(MSG& msg) {
    if (HandleEscape(msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

int RunMessageLoop() {
    MSG msg{};
    BOOL got;
    while ((got = GetMessageW(&msg, nullptr, 0, 0)) > 0) TranslateAndDispatch(msg);
    return got == 0 ? static_cast<int>(msg.wParam) : 1;
}

}  // namespace win
