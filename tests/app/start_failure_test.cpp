// Start-up when the main window cannot be created: the user is told, the program ends with a
// non-zero status, and the globals are left to the process end rather than released.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/globals.h"
#include "app/program.h"
#include "support/gui_message_box.h"

namespace {

bool refused = false;

// Refuses the first top-level window this thread creates: the main window.
LRESULT CALLBACK RefuseMainWindow(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && !refused) {
        const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
        if (!create->lpcs->hwndParent) {
            refused = true;
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

TEST(StartFailure, ReportsInABoxAndEndsWithNonZeroStatus) {
    globals::BrowserPath = "kept";
    const HHOOK hook = SetWindowsHookExW(WH_CBT, RefuseMainWindow, nullptr, GetCurrentThreadId());
    ASSERT_TRUE(hook);
    int status = 0;
    const auto box = gui::WatchMessageBox([&] { status = RunProgram(GetModuleHandleW(nullptr), SW_SHOWNORMAL); });
    UnhookWindowsHookEx(hook);

    EXPECT_TRUE(refused);
    EXPECT_NE(status, 0);
    ASSERT_TRUE(box) << "no message box told the user";
    EXPECT_EQ(box->title, L"Corvanta");
    EXPECT_FALSE(box->text.empty());
    EXPECT_EQ(box->buttons, 1);
    EXPECT_FALSE(box->owned);
    // ReleaseGlobals does not run on this path.
    EXPECT_EQ(globals::BrowserPath, "kept");
}
