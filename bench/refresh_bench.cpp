// The feed refresh at growing feed sizes, in the real MainWindow against a scripted server on
// 127.0.0.1. For each size it prints the worker's time to split, filter and build the rows, the
// longest the window thread was kept busy by one message meanwhile (swapping the rows in,
// painting them), the time from the end of the fetch to every row shown (painted), and the
// process's peak working set.
#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "feed/record.h"
#include "scripted_server.h"
#include "test_server_base.h"
#include "win/window.h"

namespace ts = testing_support;

namespace {

double TicksToMs(std::int64_t ticks) {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return 1000.0 * static_cast<double>(ticks) / static_cast<double>(f.QuadPart);
}

double Mb(SIZE_T bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

PROCESS_MEMORY_COUNTERS Memory() {
    PROCESS_MEMORY_COUNTERS m{};
    m.cb = sizeof m;
    GetProcessMemoryInfo(GetCurrentProcess(), &m, sizeof m);
    return m;
}

// A record as the server writes one: every field, about 600 bytes, bookmakers spread over the
// six the filter knows.
std::string MakeRecord(int i) {
    static const char* const books[] = {"Bet365", "DafaSports", "188赌注", "Newbb", "Sbobet", "Pinnacle"};
    const std::string n = std::to_string(i);
    const char* a = books[i % 6];
    const char* b = books[(i / 6 + 1 + i) % 6];
    std::string r;
    r.reserve(640);
    r += "利润:" + std::to_string(1 + i % 7) + "." + std::to_string(1000 + i % 9000) + "=";
    r += "时间:" + std::to_string(1 + i % 28) + "号20:45=";
    r += "联赛1:国际友谊赛 第" + n + "轮=联赛2:友谊赛 Round " + n + "=";
    r += "赔率1:2.0" + std::to_string(i % 10) + "=赔率2:1.9" + std::to_string(i % 10) + "=";
    r += "盘口1:主 -0.25=盘口2:客 +0.25=";
    r += "队伍1: 红队" + n + " - 蓝队" + n + " =队伍2:红队" + n + " v 蓝队" + n + "=";
    r += std::string("庄家1:") + a + "=庄家2:" + b + "=";
    r += "体育类别:足球=体育小类:让球=";
    r += "第一链接:A" + n + "=第二链接:B" + n + "=";
    r += "盘口说明1:主队让0.25球，主队赢则全赢，平局则输一半，主队输则全输，以全场90分钟比分为准=";
    r += "盘口说明2:客队受让0.25球，客队赢则全赢，平局则赢一半，客队输则全输，以全场90分钟比分为准=";
    r += "停留时间:" + std::to_string(i % 120) + "秒=";
    while (r.size() < 600) r += "备注:x=";
    return r;
}

std::string MakeFeed(int records) {
    std::string feed;
    feed.reserve(static_cast<size_t>(records) * 620);
    for (int i = 0; i < records; ++i) feed += MakeRecord(i) + " \\*";
    return feed;
}

std::int64_t Now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}

// Pumps the window thread's messages until done() holds; longest is the longest time one
// message kept the thread busy, which is how long the window could not answer the user.
bool PumpUntil(const std::function<bool()>& done, DWORD ms, std::int64_t& longest) {
    const ULONGLONG deadline = GetTickCount64() + ms;
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            const std::int64_t start = Now();
            win::TranslateAndDispatch(msg);
            longest = std::max(longest, Now() - start);
            if (done()) return true;
        }
        if (done()) return true;
        if (GetTickCount64() >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

}  // namespace

int wmain() {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    MainWindow window;
    if (!window.Create(GetModuleHandleW(nullptr))) return 1;
    KillTimer(window.Handle(), MainWindow::RefreshTimerId);  // the benchmark drives the ticks
    constexpr int Repeats = 3;

    std::printf("%8s %9s | %12s %12s %12s | %10s %10s %8s\n", "records", "feed MB", "worker ms",
                "window ms", "shown ms", "peak WS MB", "growth MB", "x feed");
    for (const int count : {100, 1000, 10000, 50000}) {
        std::string feed = MakeFeed(count);
        const double feedMb = Mb(feed.size());
        ts::ScriptedServer server({ts::Http(200, std::move(feed))});
        SetServerBaseForTest(server.Url(""));
        double worker = 0, held = 0, shown = 0;
        SIZE_T before = Memory().WorkingSetSize, peak = 0;
        for (int r = 0; r < Repeats; ++r) {
            const RefreshTimes old = window.Refresh().LastTimes();
            std::int64_t longest = 0;
            SendMessageW(window.Handle(), WM_TIMER, MainWindow::RefreshTimerId, 0);
            // Shown: the rows are in and the list has painted them (no region left to paint).
            std::int64_t painted = 0;
            const HWND list = window.List().Handle();
            auto shownAndPainted = [&] {
                if (window.Refresh().LastTimes().shown == old.shown) return false;
                if (GetUpdateRect(list, nullptr, FALSE)) return false;
                painted = Now();
                return true;
            };
            if (!PumpUntil(shownAndPainted, 120000, longest)) {
                std::printf("%d records: no rows after 120 s\n", count);
                return 1;
            }
            const RefreshTimes t = window.Refresh().LastTimes();
            if (window.List().RowCount() != count) {
                std::printf("%d records: %d rows shown\n", count, window.List().RowCount());
                return 1;
            }
            // The worst of the repeats: what a user would notice.
            worker = std::max(worker, TicksToMs(t.rowsBuilt - t.fetchEnd));
            held = std::max(held, TicksToMs(longest));
            shown = std::max(shown, TicksToMs(painted - t.fetchEnd));
            peak = Memory().PeakWorkingSetSize;
        }
        // The server's copy of the feed is in "before"; growth is what the refresh added.
        const double growth = Mb(peak > before ? peak - before : 0);
        std::printf("%8d %9.2f | %12.1f %12.1f %12.1f | %10.1f %10.1f %8.1f\n", count, feedMb, worker,
                    held, shown, Mb(peak), growth, growth / feedMb);
        std::fflush(stdout);
    }
    return 0;
}
