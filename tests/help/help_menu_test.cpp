// The help menu's items, chosen on a real MainWindow.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/main_window.h"
#include "help/guide_window.h"
#include "help/open_url.h"
#include "scripted_server.h"
#include "support/gui_message_box.h"
#include "test_server_base.h"
#include "win/gbk.h"
#include "win/window.h"

namespace {

using testing_support::Http;
using testing_support::ScriptedServer;

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) win::TranslateAndDispatch(msg);
}

std::wstring g_opened;
int g_opens = 0;
void RecordShellOpen(HWND, const wchar_t*, const wchar_t* file, const wchar_t*, const wchar_t*, int) {
    ++g_opens;
    g_opened = file ? file : L"";
}

class HelpMenuTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window_.Create(GetModuleHandleW(nullptr)));
        KillTimer(window_.Handle(), MainWindow::RefreshTimerId);
        Pump();
        g_opened.clear();
        g_opens = 0;
        SetShellOpenForTest(RecordShellOpen);
    }
    void TearDown() override {
        SetShellOpenForTest(nullptr);
        if (GuideWindow* guide = OpenGuideWindow()) DestroyWindow(guide->Handle());
        Pump();
    }

    void Choose(main_window::MenuId item) {
        SendMessageW(window_.Handle(), WM_COMMAND, MAKEWPARAM(item, 0), 0);
        Pump();
    }
    bool Topmost() const { return (GetWindowLongPtrW(window_.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

    MainWindow window_;
};

TEST_F(HelpMenuTest, HandicapNotesShowTheServersTextWithBarsAsLineBreaks) {
    struct Case {
        const char* name;
        const char* served;  // nullptr: the server is down
        std::wstring shown;
    };
    const Case cases[] = {
        {"bars", "x|y||z", L"x\r\ny\r\n\r\nz"},
        {"Chinese", "让球|大小球", L"让球\r\n大小球"},
        // 0x81 0x7C is one character whose second byte is a bar; only the bar after it is a line break.
        {"bar as a second byte", "\x81|a|b", WideFromGbk("\x81|a") + L"\r\nb"},
        {"server down", nullptr, L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<ScriptedServer> server;
        if (c.served) {
            server = std::make_unique<ScriptedServer>(std::vector{Http(200, c.served)});
            ASSERT_TRUE(server->Listening());
            SetServerBaseForTest(server->Url(""));
        } else {
            // A port that nobody listens on any more.
            ScriptedServer gone({Http(200, "unused")});
            SetServerBaseForTest(gone.Url(""));
        }
        ASSERT_TRUE(Topmost());
        bool topmostWhileShown = true, enabledWhileShown = true;
        const auto seen = gui::WatchMessageBox([&] { Choose(main_window::MenuHandicapNotes); }, [&] {
            topmostWhileShown = Topmost();
            enabledWhileShown = IsWindowEnabled(window_.Handle());
        });
        ASSERT_TRUE(seen);
        EXPECT_EQ(seen->title, L"盘口说明");
        EXPECT_EQ(seen->text, c.shown);
        EXPECT_FALSE(seen->owned);
        EXPECT_FALSE(topmostWhileShown);
        EXPECT_FALSE(enabledWhileShown);
        EXPECT_TRUE(Topmost());
        if (server) {
            ASSERT_EQ(server->Requests().size(), 1u);
            EXPECT_EQ(server->Requests()[0].rfind("GET /user.asp?a=8 HTTP/1.0\r\n", 0), 0u) << server->Requests()[0];
        }
    }
}

TEST_F(HelpMenuTest, UpdateOpensTheServersHomePageAndLeavesTheStackingAlone) {
    SetServerBaseForTest("http://127.0.0.1:8123");
    Choose(main_window::MenuUpdate);
    EXPECT_EQ(g_opens, 1);
    EXPECT_EQ(g_opened, L"http://127.0.0.1:8123/");
    EXPECT_TRUE(Topmost());
}

TEST_F(HelpMenuTest, SiteGuideOpensOneWindowAndLeavesMainWindowOffTop) {
    Choose(main_window::MenuGuide);
    GuideWindow* guide = OpenGuideWindow();
    ASSERT_NE(guide, nullptr);
    const HWND first = guide->Handle();
    EXPECT_FALSE(Topmost());
    EXPECT_EQ(GetForegroundWindow(), first);
    EXPECT_EQ(GetWindow(first, GW_OWNER), nullptr);

    // Chosen again: the same window, brought forward; restored when it was minimised.
    SetForegroundWindow(window_.Handle());
    Choose(main_window::MenuGuide);
    ASSERT_EQ(OpenGuideWindow(), guide);
    EXPECT_EQ(guide->Handle(), first);
    EXPECT_EQ(GetForegroundWindow(), first);
    ShowWindow(first, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(first));
    Choose(main_window::MenuGuide);
    EXPECT_FALSE(IsIconic(first));
    EXPECT_TRUE(IsWindowVisible(first));
    EXPECT_EQ(win::Window::LiveTopLevelWindows(), 2);
    EXPECT_FALSE(Topmost());

    // After it is closed, the next choice makes a fresh one.
    SendMessageW(first, WM_CLOSE, 0, 0);
    Pump();
    EXPECT_EQ(OpenGuideWindow(), nullptr);
    Choose(main_window::MenuGuide);
    ASSERT_NE(OpenGuideWindow(), nullptr);
    EXPECT_TRUE(IsWindowVisible(OpenGuideWindow()->Handle()));
}

TEST_F(HelpMenuTest, VideoTutorialDoesNothing) {
    Choose(main_window::MenuVideo);
    EXPECT_EQ(g_opens, 0);
    EXPECT_EQ(OpenGuideWindow(), nullptr);
    EXPECT_TRUE(Topmost());
    EXPECT_EQ(win::Window::LiveTopLevelWindows(), 1);
}

}  // namespace
