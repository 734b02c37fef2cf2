#include "app/program.h"

#include <commctrl.h>

#include "app/globals.h"
#include "app/main_window.h"
#include "win/window.h"

int RunProgram(HINSTANCE instance, int showCommand) {
    INITCOMMONCONTROLSEX icc{};
    icc.dwSize = sizeof icc;
    icc.dwICC = ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES;
    InitCommonControlsEx(&icc);

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
