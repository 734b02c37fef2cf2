// Runs the program's start-up and message loop, and opens GuideWindow from the help menu as soon
// as the loop runs. The guide window test closes the windows from outside and reads the exit status.
#include <windows.h>

#include "app/main_window_layout.h"
#include "app/program.h"

namespace {

void CALLBACK OpenGuide(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (HWND main = FindWindowW(L"CorvantaMainWindow", nullptr))
        SendMessageW(main, WM_COMMAND, main_window::MenuGuide, 0);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    SetTimer(nullptr, 0, 0, OpenGuide);
    return RunProgram(instance, SW_SHOWNORMAL);
}
