#include "app/program.h"

#include <commctrl.h>
#include <ole2.h>

#include "app/globals.h"
#include "app/main_window.h"
#include "win/window.h"

namespace {

// OLE drag and drop needs OLE on the window thread for as long as a drop target is registered.
class OleSession {
public:
    OleSession() : ok_(SUCCEEDED(OleInitialize(nullptr))) {}
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;
    ~OleSession() {
        if (ok_) OleUninitialize();
    }

private:
    bool ok_;
};

}  // namespace

int RunProgram(HINSTANCE instance, int showCommand) {
    INITCOMMONCONTROLSEX icc{};
    icc.dwSize = sizeof icc;
    icc.dwICC = ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES;
    InitCommonControlsEx(&icc);

    const OleSession ole;  // outlives every window below
    ReleaseGlobalsAtExit releaseGlobals;
    win::Window::QuitWhenLastWindowCloses(true);

    MainWindow window;
    if (!window.Create(instance, showCommand)) {
        releaseGlobals.Dismiss();
        MessageBoxW(nullptr, L"无法创建主窗口，程序不能运行。", L"Corvanta", MB_OK | MB_ICONERROR | MB_TASKMODAL);
        return 1;
    }
    win::RunMessageLoop();
    // The globals are released by the guard when this returns, after the loop has ended.
    return 0;
}
