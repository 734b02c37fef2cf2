// The base of the program's windows: one window procedure that attaches the C++ object at
// WM_NCCREATE and hands every later message to it, and the count of live top-level windows
// that ends the message loop when the last one is gone.
#pragma once

#include <windows.h>

namespace win {

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return hwnd_; }

    // The program's top-level windows that exist right now (message boxes are not ours).
    static int LiveTopLevelWindows();
    // When on, the destruction of the last top-level window posts WM_QUIT. The program turns it
    // on; tests leave it off so a closed window does not end their own message pumping.
    static void QuitWhenLastWindowCloses(bool on);
    // True for a window whose procedure is this class's.
    static bool IsProgramWindow(HWND window);

protected:
    // Registers the class once per process; the class procedure is the shared thunk.
    static bool RegisterWindowClass(WNDCLASSEXW wc);
    bool CreateWindowOf(const wchar_t* className, DWORD exStyle, const wchar_t* title, DWORD style,
                        int x, int y, int width, int height, HWND parent, HMENU menu,
                        HINSTANCE instance);

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    bool topLevel_ = false;
};

// Esc closes any of the program's top-level windows, whichever control has the focus: handled
// here, before the message reaches the control. Returns true when the message was consumed.
bool HandleEscape(const MSG& msg);
// One step of the message loop: Esc handling, then translate and dispatch.
void TranslateAndDispatch(MSG& msg);
// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop();

}  // namespace win
