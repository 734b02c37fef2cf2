// GuideWindow: its layout, its links, its keys, and a process that outlives MainWindow.
#include "help/guide_window.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/main_window.h"
#include "help/open_url.h"
#include "support/gui_input.h"
#include "win/gbk.h"
#include "win/window.h"
#include "win/window_text.h"

namespace {

using namespace guide_window;

void PumpUntil(bool (*done)(), int timeoutMs = 5000) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    MSG msg;
    do {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) win::TranslateAndDispatch(msg);
        if (done && done()) return;
        Sleep(5);
    } while (GetTickCount64() < deadline);
}
void Pump() { PumpUntil(nullptr, 50); }

std::wstring g_opened;
int g_opens = 0;
void RecordShellOpen(HWND, const wchar_t*, const wchar_t* file, const wchar_t*, const wchar_t*, int) {
    ++g_opens;
    g_opened = file ? file : L"";
}


POINT CentreOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class GuideWindowTest : public testing::Test {
protected:
    void SetUp() override {
        g_opened.clear();
        g_opens = 0;
        SetShellOpenForTest(RecordShellOpen);
        guide_ = ShowGuideWindow(GetModuleHandleW(nullptr));
        ASSERT_NE(guide_, nullptr);
        Pump();
    }
    void TearDown() override {
        SetShellOpenForTest(nullptr);
        if (GuideWindow* open = OpenGuideWindow()) DestroyWindow(open->Handle());
        Pump();
    }
    GuideWindow* guide_ = nullptr;
};

TEST_F(GuideWindowTest, WindowProperties) {
    const HWND h = guide_->Handle();
    wchar_t title[64] = {};
    GetWindowTextW(h, title, 64);
    EXPECT_STREQ(title, L"以下站点本金安全有保证");
    RECT r{};
    GetWindowRect(h, &r);
    EXPECT_EQ(r.right - r.left, 569);
    EXPECT_EQ(r.bottom - r.top, 696);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 569) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 696) / 2);
    const LONG_PTR style = GetWindowLongPtrW(h, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(h, GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_TRUE(exStyle & WS_EX_APPWINDOW);
    EXPECT_FALSE(exStyle & WS_EX_TOPMOST);
    EXPECT_EQ(GetWindow(h, GW_OWNER), nullptr);
    EXPECT_EQ(GetMenu(h), nullptr);
    EXPECT_TRUE(IsWindowVisible(h));
}

TEST_F(GuideWindowTest, EveryControlAtItsPlaceWithItsText) {
    struct Expected {
        int id;
        int parent;
        int x, y, w, h;
    };
    const Expected expected[] = {
        {Group1, 0, 16, 16, 528, 144},   {Label1, Group1, 8, 22, 512, 112}, {Label3, Group1, 370, 117, 142, 16},
        {Group2, 0, 16, 184, 528, 144},  {Label2, Group2, 8, 22, 512, 112}, {Label4, 0, 384, 296, 142, 16},
        {Group3, 0, 15, 353, 528, 87},   {Label6, Group3, 8, 22, 512, 49},  {Label5, 0, 322, 376, 218, 16},
        {Label7, 0, 365, 403, 171, 16},  {Group4, 0, 14, 460, 528, 87},     {Label10, Group4, 8, 22, 512, 49},
        {Label9, 0, 326, 523, 207, 16},  {Group5, 0, 15, 560, 528, 87},     {Label12, Group5, 8, 22, 512, 49},
        {Label8, 0, 389, 618, 139, 16},
    };
    EXPECT_EQ(guide_->ControlTable().Rows().size(), std::size(expected));
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.id);
        const HWND control = guide_->Control(static_cast<ControlId>(e.id));
        ASSERT_NE(control, nullptr);
        const HWND parent = e.parent ? guide_->Control(static_cast<ControlId>(e.parent)) : guide_->Handle();
        EXPECT_EQ(GetParent(control), parent);
        RECT r{};
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, e.x);
        EXPECT_EQ(r.top, e.y);
        EXPECT_EQ(r.right - r.left, e.w);
        EXPECT_EQ(r.bottom - r.top, e.h);
        EXPECT_TRUE(IsWindowVisible(control));
        EXPECT_TRUE(IsWindowEnabled(control));
    }
    EXPECT_EQ(win::GetText(guide_->Control(Group4)), "NEWBB平台介绍");
    EXPECT_EQ(win::GetText(guide_->Control(Label1)),
              "资金安全 ★★★★★\r\n\r\nBET365是英国老牌公司,比赛全，盘口全，全球最大足球公司，至今没有听说过资金出现问题。"
              "\r\n\r\n优点：盘口多，比赛全，资金安全，利润机会多。\r\n\r\n缺点：出款时间48小时，新号容易被封账号。"
              "封号也出款.老账号没问题。\r\n\r\n注意：不可以满额投注，如最高4132，投入4000即可。");
    EXPECT_EQ(win::GetText(guide_->Control(Label10)),
              "资金安全 ★★★★\r\n\r\nNEWBB平台一般直营网都还可以，网站多，有奔驰，赌王，E世博等，需要自行分辨");
    EXPECT_EQ(win::GetText(guide_->Control(Label12)), "资金安全 ★★★★★\r\n\r\n老牌信用和现金网，资金安全");
    // Description labels wrap at word boundaries, from the top.
    for (const ControlId id : {Label1, Label2, Label6, Label10, Label12}) {
        const LONG_PTR style = GetWindowLongPtrW(guide_->Control(id), GWL_STYLE);
        EXPECT_EQ(style & SS_TYPEMASK, SS_LEFT) << id;
        EXPECT_FALSE(style & SS_CENTERIMAGE) << id;
    }
}

struct Link {
    ControlId id;
    const char* prefix;
    const wchar_t* opens;
};
const Link kLinks[] = {
    {Label3, "http", L"https://www.bet365.com"},
    {Label4, "http", L"https://www.dafabet.com/go/?ref=corvanta"},
    {Label5, "金宝博：http", L"https://www.188bet.com/zh-cn/"},
    {Label7, "万博：http", L"http://www.manbetx.com/sports/"},
    {Label9, "NEWBB平台例：http", L"http://www.nb88.com:8080/sports/"},
    {Label8, "http", L"https://www.sbobet.com/zh-cn/betting.aspx"},
};

TEST_F(GuideWindowTest, LinksAreBlueUnderlinedTwelvePixelLabelsWithAHandCursor) {
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    for (const Link& link : kLinks) {
        SCOPED_TRACE(link.id);
        const HWND label = guide_->Control(link.id);
        EXPECT_EQ(win::GetText(label).rfind(link.prefix, 0), 0u) << win::GetText(label);
        const LONG_PTR style = GetWindowLongPtrW(label, GWL_STYLE);
        EXPECT_EQ(style & SS_TYPEMASK, SS_LEFTNOWORDWRAP);
        EXPECT_TRUE(style & SS_CENTERIMAGE);

        SetTextColor(dc, RGB(1, 2, 3));
        SendMessageW(GetParent(label), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(label));
        EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 255));

        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_EQ(font.lfHeight, -12);
        EXPECT_EQ(font.lfWeight, FW_NORMAL);
        EXPECT_TRUE(font.lfUnderline);

        gui::SendMouseAt(MOUSEEVENTF_MOVE, CentreOf(label));
        static HCURSOR hand;
        hand = LoadCursorW(nullptr, IDC_HAND);
        PumpUntil([] { return GetCursor() == hand; });
        EXPECT_EQ(GetCursor(), hand);
    }
    // Off the links the cursor is the window's own arrow again.
    gui::SendMouseAt(MOUSEEVENTF_MOVE, CentreOf(guide_->Control(Label2)));
    static HCURSOR arrow;
    arrow = LoadCursorW(nullptr, IDC_ARROW);
    PumpUntil([] { return GetCursor() == arrow; });
    EXPECT_EQ(GetCursor(), arrow);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
}

TEST_F(GuideWindowTest, EachLinkOpensItsAddressOnThePress) {
    for (const Link& link : kLinks) {
        SCOPED_TRACE(link.id);
        g_opens = 0;
        g_opened.clear();
        const POINT at = CentreOf(guide_->Control(link.id));
        gui::SendMouseAt(MOUSEEVENTF_MOVE, at);
        gui::SendMouseAt(MOUSEEVENTF_LEFTDOWN, at);
        PumpUntil([] { return g_opens > 0; });
        // Opened before the button goes up.
        EXPECT_EQ(g_opens, 1);
        EXPECT_EQ(g_opened, link.opens);
        gui::SendMouseAt(MOUSEEVENTF_LEFTUP, at);
        Pump();
        EXPECT_EQ(g_opens, 1);
    }
    // The referral address is not the one written on the label.
    EXPECT_NE(WideFromGbk(win::GetText(guide_->Control(Label4))), kLinks[1].opens);
}

TEST_F(GuideWindowTest, EscClosesOnlyTheGuide) {
    MainWindow main;
    ASSERT_TRUE(main.Create(GetModuleHandleW(nullptr)));
    KillTimer(main.Handle(), MainWindow::RefreshTimerId);
    ShowGuideWindow(GetModuleHandleW(nullptr));  // in front again
    Pump();
    ASSERT_EQ(GetForegroundWindow(), guide_->Handle());
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = VK_ESCAPE;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof keys[0]);
    PumpUntil([] { return OpenGuideWindow() == nullptr; });
    EXPECT_EQ(OpenGuideWindow(), nullptr);
    EXPECT_TRUE(IsWindow(main.Handle()));
    EXPECT_EQ(win::Window::LiveTopLevelWindows(), 1);
}

// The guide host runs the program's own start-up and opens GuideWindow from the menu.
TEST(GuideWindowProcess, OutlivesMainWindowThenEndsWithStatusZero) {
    std::string exe = GUIDE_HOST_EXE;
    if (!exe.empty() && exe.front() == '/') exe = "Z:" + exe;
    for (char& c : exe) {
        if (c == '/') c = '\\';
    }
    std::wstring commandLine = L"\"" + WideFromGbk(exe) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process));
    const auto find = [&](const wchar_t* className) {
        const ULONGLONG deadline = GetTickCount64() + 20000;
        while (GetTickCount64() < deadline) {
            for (HWND h = FindWindowExW(nullptr, nullptr, className, nullptr); h;
                 h = FindWindowExW(nullptr, h, className, nullptr)) {
                DWORD pid = 0;
                GetWindowThreadProcessId(h, &pid);
                if (pid == process.dwProcessId) return h;
            }
            Sleep(20);
        }
        return HWND{};
    };
    const HWND main = find(L"CorvantaMainWindow");
    const HWND guide = find(L"CorvantaGuideWindow");
    EXPECT_NE(main, nullptr);
    EXPECT_NE(guide, nullptr);

    if (main) PostMessageW(main, WM_CLOSE, 0, 0);
    const ULONGLONG deadline = GetTickCount64() + 10000;
    while (main && IsWindow(main) && GetTickCount64() < deadline) Sleep(20);
    EXPECT_FALSE(IsWindow(main));
    // With MainWindow gone the process keeps running for the guide.
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 500), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_TRUE(IsWindow(guide));

    if (guide) PostMessageW(guide, WM_CLOSE, 0, 0);
    const bool ended = WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0;
    if (!ended) TerminateProcess(process.hProcess, 99);
    EXPECT_TRUE(ended);
    DWORD status = 99;
    GetExitCodeProcess(process.hProcess, &status);
    EXPECT_EQ(status, 0u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace
