// The program's own start-up and shutdown with a feed server that never answers. With "hang",
// a tick first starts a fetch that hangs; with "idle", nothing is fetched. Then the window is
// closed. Run by refresh_shutdown_test, which times the end.
// Arguments: the name of an event to set just before the close is posted, then hang or idle.
#include <windows.h>

#include <string>
#include <thread>

#include "app/main_window.h"
#include "app/program.h"
#include "scripted_server.h"
#include "test_server_base.h"

namespace ts = testing_support;

namespace {

HWND FindOwnMainWindow() {
    HWND found = nullptr;
    EnumWindows([](HWND h, LPARAM p) {
        DWORD owner = 0;
        GetWindowThreadProcessId(h, &owner);
        wchar_t title[32] = {};
        GetWindowTextW(h, title, 32);
        if (owner == GetCurrentProcessId() && std::wstring(title) == L"Corvanta" && IsWindowVisible(h)) {
            *reinterpret_cast<HWND*>(p) = h;
            return FALSE;
        }
        return TRUE;
    }, reinterpret_cast<LPARAM>(&found));
    return found;
}

template <class Condition>
bool WaitFor(Condition done, DWORD ms) {
    const ULONGLONG deadline = GetTickCount64() + ms;
    while (!done()) {
        if (GetTickCount64() >= deadline) return false;
        Sleep(10);
    }
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) return 2;
    const HANDLE closing = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[1]);
    if (!closing) return 2;
    const bool hang = std::wstring(argv[2]) == L"hang";
    // Never destroyed: the end of the process stops it, as it stops the hanging fetch.
    auto* server = new ts::ScriptedServer({ts::NeverAnswer()});
    SetServerBaseForTest(server->Url(""));

    bool driven = false;
    std::thread driver([&] {
        HWND window = nullptr;
        if (!WaitFor([&] { return (window = FindOwnMainWindow()) != nullptr; }, 20000)) return;
        if (hang) {
            PostMessageW(window, WM_TIMER, MainWindow::RefreshTimerId, 0);
            driven = WaitFor([&] { return !server->Requests().empty(); }, 10000);
        } else {
            driven = true;
        }
        SetEvent(closing);
        PostMessageW(window, WM_CLOSE, 0, 0);
    });
    const int status = RunProgram(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
    driver.join();
    return driven ? status : 3;
}
