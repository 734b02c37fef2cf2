// Files dropped on MainWindow through its real OLE drop target, and the navigation buttons
// starting the dropped program through the shell.
#include <windows.h>
#include <ole2.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/globals.h"
#include "app/main_window.h"
#include "detail/bookmaker_navigation.h"
#include "fake_browser_log.h"
#include "shell_drag.h"
#include "support/gui_message_box.h"
#include "win/gbk.h"
#include "win/window.h"

namespace {

using main_window::ControlId;
using testing_support::FakeBrowser;

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) win::TranslateAndDispatch(msg);
}

POINT ClientToScreenPoint(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    return p;
}

class NavigationTest : public testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); }
    static void TearDownTestSuite() { OleUninitialize(); }

    void SetUp() override {
        ResetGlobals();
        ASSERT_TRUE(window_.Create(GetModuleHandleW(nullptr)));
        KillTimer(window_.Handle(), MainWindow::RefreshTimerId);
        Pump();
    }
    void TearDown() override { ResetGlobals(); }

    static void ResetGlobals() {
        StoreBrowserPath({});
        globals::FirstLinkUrl.clear();
        globals::SecondLinkUrl.clear();
    }

    void Click(ControlId button) {
        SendMessageW(window_.Control(button), BM_CLICK, 0, 0);
        Pump();
    }

    // The arguments the stand-in browser was started with, its own path left out.
    static std::vector<std::string> ArgumentsOfStart(const FakeBrowser& browser) {
        std::vector<std::string> fields = browser.WaitForStart();
        if (fields.size() < 2) return {"(no start)"};
        return {fields.begin() + 2, fields.end()};
    }

    // A point of the window's client area with no control, where a press does nothing.
    POINT EmptySpot() const { return ClientToScreenPoint(window_.Handle(), 540, 120); }

    MainWindow window_;
};

TEST_F(NavigationTest, DroppedFilesBecomeTheBrowserPath) {
    const std::wstring a = L"C:\\Program Files\\浏览器\\browser.exe";
    const std::wstring b = L"C:\\other\\second.exe";
    struct Case {
        const char* where;
        POINT at;
        std::vector<std::wstring> files;
        Text expected;
    };
    const Case cases[] = {
        {"window", ClientToScreenPoint(window_.Handle(), 300, 300), {a}, GbkFromWide(a)},
        {"button inside a group box", testing_support::CentreOf(window_.Control(main_window::Button2)), {a, b},
         GbkFromWide(a) + "\r\n" + GbkFromWide(b) + "\r\n"},
        {"list", testing_support::CentreOf(window_.Control(main_window::List1)), {b}, GbkFromWide(b)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        globals::BrowserPath = "before";
        EXPECT_EQ(testing_support::DragFilesTo(EmptySpot(), c.at, c.files), DROPEFFECT_COPY);
        Pump();
        EXPECT_EQ(globals::BrowserPath, c.expected);
    }
}

TEST_F(NavigationTest, DropOfSomethingElseIsRefusedAndChangesNothing) {
    globals::BrowserPath = "C:\\kept.exe";
    const POINT list = testing_support::CentreOf(window_.Control(main_window::List1));
    EXPECT_EQ(testing_support::DragTextTo(EmptySpot(), list, L"C:\\evil.exe"), DROPEFFECT_NONE);
    Pump();
    EXPECT_EQ(globals::BrowserPath, "C:\\kept.exe");
    // The same drag with a file is taken, so the refusal above was the target's.
    EXPECT_EQ(testing_support::DragFilesTo(EmptySpot(), list, {L"C:\\b.exe"}), DROPEFFECT_COPY);
    EXPECT_EQ(globals::BrowserPath, "C:\\b.exe");
}

TEST_F(NavigationTest, EachButtonStartsTheDroppedBrowserWithItsSidesAddress) {
    // A folder name GBK cannot hold: the shell must still get the exact path.
    FakeBrowser browser(L"corvanta nav 한글");
    ASSERT_TRUE(browser.copied());
    ASSERT_EQ(testing_support::DragFilesTo(EmptySpot(), EmptySpot(), {browser.exe()}),
              DROPEFFECT_COPY);
    globals::FirstLinkUrl = "http://a.example/zh-cn/sports?id=17&x=1";
    globals::SecondLinkUrl = "https://b.example:8443/%E8%B6%B3/";

    Click(main_window::Button2);
    EXPECT_EQ(ArgumentsOfStart(browser), std::vector<std::string>{"http://a.example/zh-cn/sports?id=17&x=1"});
    browser.ClearLog();
    Click(main_window::Button3);
    EXPECT_EQ(ArgumentsOfStart(browser), std::vector<std::string>{"https://b.example:8443/%E8%B6%B3/"});
}

struct ShellCall {
    int count = 0;
    HWND owner = reinterpret_cast<HWND>(1);
    bool hasVerb = true;
    std::wstring file, parameters, directory;
    int show = -1;
};
ShellCall g_call;

void RecordShellExecute(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                        const wchar_t* directory, int show) {
    ++g_call.count;
    g_call.owner = owner;
    g_call.hasVerb = verb != nullptr;
    g_call.file = file ? file : L"(null)";
    g_call.parameters = parameters ? parameters : L"(null)";
    g_call.directory = directory ? directory : L"(null)";
    g_call.show = show;
}

TEST_F(NavigationTest, TheShellStartsTheFileMinimisedWithNoVerbAndNoFolder) {
    g_call = {};
    SetBrowserShellExecuteForTest(RecordShellExecute);
    StoreBrowserPath({L"C:\\b\\browser.exe"});
    Click(main_window::Button3);  // no address resolved yet
    SetBrowserShellExecuteForTest(nullptr);
    EXPECT_EQ(g_call.count, 1);
    EXPECT_EQ(g_call.owner, nullptr);
    EXPECT_FALSE(g_call.hasVerb);
    EXPECT_EQ(g_call.file, L"C:\\b\\browser.exe");
    EXPECT_EQ(g_call.parameters, L"");
    EXPECT_EQ(g_call.directory, L"");
    EXPECT_EQ(g_call.show, SW_SHOWMINIMIZED);
}

TEST_F(NavigationTest, NoHostileAddressReachesTheBrowsersCommandLine) {
    FakeBrowser browser(L"corvanta nav hostile");
    ASSERT_TRUE(browser.copied());
    StoreBrowserPath({browser.exe()});
    const char* const hostile[] = {
        "http://a.example/\" --gpu-launcher=calc.exe \"",
        "--renderer-cmd-prefix=calc.exe",
        "http://a.example/ --utility-cmd-prefix=calc.exe",
        "http://a.example/\\\" x",
        "javascript:alert(1)",
        "file:///C:/Windows/system32/calc.exe",
        "\\\\server\\share\\x.exe",
        "http://a.example/\r\nx",
    };
    for (const char* address : hostile) {
        SCOPED_TRACE(address);
        browser.ClearLog();
        globals::FirstLinkUrl = address;
        Click(main_window::Button2);
        EXPECT_EQ(ArgumentsOfStart(browser), std::vector<std::string>{});
    }
}

// A shortcut at linkPath to target, saved through the shell's own link object.
bool WriteShortcut(const std::wstring& linkPath, const std::wstring& target) {
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))))
        return false;
    link->SetPath(target.c_str());
    IPersistFile* file = nullptr;
    bool saved = false;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        saved = SUCCEEDED(file->Save(linkPath.c_str(), TRUE));
        file->Release();
    }
    link->Release();
    return saved;
}

TEST_F(NavigationTest, BatchFilesAndShortcutsToThemNeverGetTheAddress) {
    FakeBrowser browser(L"corvanta nav batch");
    ASSERT_TRUE(browser.copied());
    // Each of these would hand its parameters on to the stand-in browser.
    const std::string run = "@\"" + GbkFromWide(browser.exe()) + "\" %*\r\n";
    const std::wstring bat = browser.WriteFile(L"open.bat", run);
    const std::wstring cmd = browser.WriteFile(L"OPEN.CMD", run);
    const std::wstring batLink = browser.folder() + L"\\open bat.lnk";
    const std::wstring exeLink = browser.folder() + L"\\browser.lnk";
    ASSERT_TRUE(WriteShortcut(batLink, bat));
    ASSERT_TRUE(WriteShortcut(exeLink, browser.exe()));
    globals::FirstLinkUrl = "http://a.example/page";

    for (const std::wstring& dropped : {bat, cmd}) {
        SCOPED_TRACE(testing_support::Utf8(dropped));
        browser.ClearLog();
        StoreBrowserPath({dropped});
        Click(main_window::Button2);
        EXPECT_EQ(ArgumentsOfStart(browser), std::vector<std::string>{});
    }
    // The shortcut to the batch file is judged by its target; one to a program is not held back.
    EXPECT_EQ(LaunchParameters(batLink, "http://a.example/page"), L"");
    EXPECT_EQ(LaunchParameters(browser.folder() + L"\\missing.lnk", "http://a.example/page"), L"");
    EXPECT_EQ(LaunchParameters(exeLink, "http://a.example/page"), L"\"http://a.example/page\"");
    browser.ClearLog();
    StoreBrowserPath({exeLink});
    Click(main_window::Button2);
    EXPECT_EQ(ArgumentsOfStart(browser), std::vector<std::string>{"http://a.example/page"});
    DeleteFileW(exeLink.c_str());
    DeleteFileW(batLink.c_str());
}

TEST_F(NavigationTest, WithoutABrowserEachButtonExplainsWhatToDo) {
    for (const ControlId button : {main_window::Button2, main_window::Button3}) {
        bool topmostWhileShown = true, enabledWhileShown = true;
        const auto seen = gui::WatchMessageBox([&] { Click(button); }, [&] {
            topmostWhileShown = (GetWindowLongPtrW(window_.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
            enabledWhileShown = IsWindowEnabled(window_.Handle());
        });
        ASSERT_TRUE(seen);
        EXPECT_EQ(seen->title, L"说明");
        EXPECT_EQ(seen->text, L"请鼠标拖动，常用浏览器图标到本软件上");
        EXPECT_FALSE(seen->owned);
        EXPECT_FALSE(topmostWhileShown);
        EXPECT_FALSE(enabledWhileShown);
        EXPECT_TRUE(GetWindowLongPtrW(window_.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    }
}

}  // namespace
