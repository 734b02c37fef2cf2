// The real program as a child process: it ends with status 0 once its last window is gone.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/gui_pump.h"

namespace {

std::wstring ProgramPath() {
    // Copied beside this test by the build.
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    path.resize(path.find_last_of(L"\\/") + 1);
    return path + L"corvanta.exe";
}

HWND FindMainWindow(DWORD process) {
    struct Search {
        DWORD process;
        HWND found;
    } search{process, nullptr};
    EnumWindows([](HWND h, LPARAM p) {
        auto& s = *reinterpret_cast<Search*>(p);
        DWORD owner = 0;
        GetWindowThreadProcessId(h, &owner);
        wchar_t title[32] = {};
        GetWindowTextW(h, title, 32);
        if (owner == s.process && std::wstring(title) == L"Corvanta" && IsWindowVisible(h)) {
            s.found = h;
            return FALSE;
        }
        return TRUE;
    }, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST(ProgramTest, EndsWithStatusZeroWhenItsWindowCloses) {
    const struct {
        const char* how;
        UINT message;
        WPARAM wParam;
    } closes[] = {
        {"close request", WM_CLOSE, 0},
        {"Esc key", WM_KEYDOWN, VK_ESCAPE},
    };
    for (const auto& c : closes) {
        SCOPED_TRACE(c.how);
        std::wstring command = L"\"" + ProgramPath() + L"\"";
        STARTUPINFOW si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
            << "cannot start " << std::string(command.begin(), command.end());
        CloseHandle(pi.hThread);

        HWND window = nullptr;
        EXPECT_TRUE(gui::PumpUntil([&] { return (window = FindMainWindow(pi.dwProcessId)) != nullptr; }, std::chrono::seconds(20)));
        if (window) {
            PostMessageW(window, c.message, c.wParam, 0);
        }
        const DWORD waited = WaitForSingleObject(pi.hProcess, 20000);
        EXPECT_EQ(waited, WAIT_OBJECT_0) << "the process did not end";
        if (waited != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 99);
        DWORD status = 12345;
        GetExitCodeProcess(pi.hProcess, &status);
        EXPECT_EQ(status, 0u);
        CloseHandle(pi.hProcess);
    }
}

}  // namespace
