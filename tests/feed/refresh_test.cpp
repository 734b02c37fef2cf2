// The feed refresh in the real MainWindow against scripted servers: what each answer does to the
// list, the bookmaker buttons, a server that hangs or is down. Ticks are driven directly except
// in the one test of the timer's own period.
#include "app/main_window.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "scripted_server.h"
#include "support/gui_pump.h"
#include "test_server_base.h"

using namespace main_window;
using namespace std::chrono_literals;
namespace ts = testing_support;

namespace {

using Records = std::vector<Text>;

Text Record(std::string_view profit, std::string_view more = "") {
    return ConcatText({"利润:", profit, "=时间:27号20:45=赔率1:2.05=赔率2:2.02=盘口1:主 -0.25=盘口2:客 +0.25=",
                       "队伍1:红队 - 蓝队=", more, "停留时间:15秒="});
}

Text Feed(const Records& records) {
    Text feed;
    for (const Text& r : records) feed += r + " \\*";
    return feed;
}

class RefreshTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&icc);
    }

    void Serve(std::vector<ts::Behaviour> script) {
        server = std::make_unique<ts::ScriptedServer>(std::move(script));
        ASSERT_TRUE(server->Listening());
        SetServerBaseForTest(server->Url(""));
    }
    void Open(bool keepTimer = false) {
        window = std::make_unique<MainWindow>();
        ASSERT_TRUE(window->Create(GetModuleHandleW(nullptr)));
        if (!keepTimer) KillTimer(window->Handle(), MainWindow::RefreshTimerId);
        gui::PumpPending();
    }
    void TearDown() override {
        // No worker may outlive the test that started it: the next test sets its own server.
        if (window) {
            EXPECT_TRUE(gui::PumpUntil([&] { return !window->Refresh().Running(); }, 15s));
        }
        window.reset();
        server.reset();
    }

    // One tick, then until that refresh has ended and what it handed over is shown.
    void Tick() {
        SendMessageW(window->Handle(), WM_TIMER, MainWindow::RefreshTimerId, 0);
        ASSERT_TRUE(gui::PumpUntil([&] { return !window->Refresh().Running(); }, 15s));
        gui::PumpPending();
    }

    std::vector<ListRow> Rows() {
        std::vector<ListRow> rows(static_cast<size_t>(window->List().RowCount()));
        for (size_t r = 0; r < rows.size(); ++r)
            for (int c = 0; c < ListColumnCount; ++c)
                rows[r][static_cast<size_t>(c)] = window->List().GetCell(static_cast<int>(r), c);
        return rows;
    }
    Records HiddenCells() {
        Records cells;
        for (const ListRow& row : Rows()) cells.push_back(row[RecordColumn]);
        return cells;
    }
    void Select(int row) {
        LVITEMW on{};
        on.state = on.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(window->List().Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&on));
    }
    void ClickRadio(ControlId id) {
        SendMessageW(window->Control(id), BM_CLICK, 0, 0);
        gui::PumpPending();
        ASSERT_EQ(SendMessageW(window->Control(id), BM_GETCHECK, 0, 0), BST_CHECKED);
    }
    size_t RequestCount() { return server->Requests().size(); }

    std::unique_ptr<ts::ScriptedServer> server;
    std::unique_ptr<MainWindow> window;
};

TEST_F(RefreshTest, FirstFetchComesWithTheFirstTickAfter6000ms) {
    const Records records = {Record("1"), Record("2")};
    Serve({ts::Http(200, Feed(records))});
    const ULONGLONG opened = GetTickCount64();
    Open(/*keepTimer=*/true);
    // Nothing is fetched at start-up nor during the first period.
    gui::PumpUntil([] { return false; }, std::chrono::milliseconds(5800 - (GetTickCount64() - opened)));
    EXPECT_EQ(RequestCount(), 0u);
    EXPECT_EQ(window->List().RowCount(), 0);
    ASSERT_TRUE(gui::PumpUntil([&] { return window->List().RowCount() == 2; }, 5s));
    EXPECT_GE(GetTickCount64() - opened, 6000u);
    EXPECT_EQ(RequestCount(), 1u);
    EXPECT_NE(server->Requests()[0].find("GET /777.asp HTTP/1.0\r\n"), std::string::npos);
}

TEST_F(RefreshTest, ShortAnswersKeepTheRowsAndTheSelection) {
    Serve({ts::Http(200, Feed({Record("1"), Record("2"), Record("3")})), ts::Http(200, "0123456789"),
           ts::Http(200, "")});
    Open();
    Tick();
    ASSERT_EQ(window->List().RowCount(), 3);
    Select(1);
    const std::vector<ListRow> before = Rows();
    for (size_t answer = 2; answer <= 3; ++answer) {
        SCOPED_TRACE(answer == 2 ? "10 bytes" : "empty");
        Tick();
        EXPECT_EQ(RequestCount(), answer);
        EXPECT_EQ(Rows(), before);
        EXPECT_EQ(window->List().SelectedIndex(), 1);
    }
}

TEST_F(RefreshTest, OneRowPerRecordLastOnTopCellsTrimmedRecordUntouched) {
    const Text spaced = "  利润: 3 =赔率1:　1.90　=队伍1: 白队 - 黑队 =停留时间:3秒 = ";
    const Records records = {Record("1"), "", Record("2", "庄家1:Bet365="), spaced};
    Serve({ts::Http(200, Feed(records)), ts::Http(200, "01234567890")});
    Open();
    Tick();
    EXPECT_EQ(HiddenCells(), (Records{spaced, Record("2", "庄家1:Bet365="), "", Record("1")}));
    const std::vector<ListRow> rows = Rows();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], (ListRow{"3", "1.90", "", "", "", "白队 - 黑队", "3秒", spaced}));
    EXPECT_EQ(rows[2], ListRow{});  // the empty record: eight empty cells
    EXPECT_EQ(rows[3], (ListRow{"1", "2.05", "2.02", "主 -0.25", "客 +0.25", "红队 - 蓝队", "15秒", Record("1")}));

    // Eleven bytes without a separator: one record, one row.
    Tick();
    EXPECT_EQ(HiddenCells(), Records{"01234567890"});
}

TEST_F(RefreshTest, EachBookmakerButtonShowsItsTokenOnlyFromTheNextRefresh) {
    const Records records = {
        Record("1", "庄家1:Bet365="), Record("2", "庄家2:DafaSports="), Record("3", "第一链接:188赌注="),
        Record("4", "联赛1:Newbb="),  Record("5", "庄家1:Sbobet="),     Record("6", "盘口说明2:Pinnacle="),
        Record("7", "庄家1:BET365=庄家2:NEWBB=联赛1:pinnacle SBOBET dafasports 188金宝博="),
        "",
        Record("9", "庄家1:Pinnacle=庄家2:Bet365="),
    };
    Serve({ts::Http(200, Feed(records))});
    Open();
    Tick();
    ASSERT_EQ(window->List().RowCount(), 9);
    struct Case { ControlId button; Records shown; };
    const Case cases[] = {
        {Radio2, {records[8], records[0]}}, {Radio3, {records[1]}}, {Radio4, {records[2]}},
        {Radio5, {records[3]}}, {Radio6, {records[4]}}, {Radio7, {records[8], records[5]}},
        {Radio1, {records.rbegin(), records.rend()}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button - Radio1 + 1);
        const Records before = HiddenCells();
        ClickRadio(c.button);
        EXPECT_EQ(HiddenCells(), before) << "the list changes only at the next refresh";
        Tick();
        EXPECT_EQ(HiddenCells(), c.shown);
    }
}

TEST_F(RefreshTest, SlowServerGetsOneFetchAndTheWindowKeepsAnswering) {
    const Records records = {Record("1"), Record("2")};
    Serve({ts::NeverAnswer(), ts::Http(200, Feed(records))});
    Open();
    // Another thread asks the window to answer all along; each ask fails if the window thread
    // is held.
    std::atomic<bool> asking{true};
    std::atomic<int> asked{0}, unanswered{0};
    const HWND main = window->Handle();
    std::thread asker([&] {
        while (asking) {
            DWORD_PTR result = 0;
            if (!SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 500, &result)) ++unanswered;
            ++asked;
            Sleep(50);
        }
    });
    SendMessageW(main, WM_TIMER, MainWindow::RefreshTimerId, 0);
    ASSERT_TRUE(gui::PumpUntil([&] { return RequestCount() == 1; }, 5s));
    // Ticks while the fetch hangs start nothing.
    for (int i = 0; i < 10; ++i) {
        SendMessageW(main, WM_TIMER, MainWindow::RefreshTimerId, 0);
        gui::PumpUntil([] { return false; }, 100ms);
        EXPECT_TRUE(window->Refresh().Running());
    }
    // The fetch gives up on its own; a second connection queued meanwhile would be taken now.
    EXPECT_TRUE(gui::PumpUntil([&] { return !window->Refresh().Running(); }, 15s));
    gui::PumpUntil([] { return false; }, 500ms);
    EXPECT_EQ(RequestCount(), 1u);
    EXPECT_EQ(window->List().RowCount(), 0);
    asking = false;
    asker.join();
    EXPECT_GT(asked.load(), 10);
    EXPECT_EQ(unanswered.load(), 0);
    // The next tick fetches again.
    Tick();
    EXPECT_EQ(RequestCount(), 2u);
    EXPECT_EQ(window->List().RowCount(), 2);
}

TEST_F(RefreshTest, ServerDownKeepsTheList) {
    Serve({ts::Http(200, Feed({Record("1"), Record("2")}))});
    Open();
    Tick();
    ASSERT_EQ(window->List().RowCount(), 2);
    const std::vector<ListRow> before = Rows();
    server.reset();  // its port now refuses connections
    Tick();
    EXPECT_EQ(Rows(), before);
}

}  // namespace
