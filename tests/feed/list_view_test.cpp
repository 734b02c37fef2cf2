// The opportunity list in a small host window that answers for it the way MainWindow does.
#include "feed/list_view.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/gui_input.h"
#include "support/gui_pump.h"
#include "win/controls.h"
#include "win/dpi.h"
#include "win/gbk.h"
#include "win/window.h"

namespace {

constexpr int ListId = 1;
constexpr win::ControlSpec HostControls[] = {
    {win::ControlKind::List, ListId, 0, "list", 7, 13, 604, 150, "",
     {.face = "宋体", .fontHeight = 12, .fontWeight = FW_NORMAL}},
};

class ListHost : public win::Window {
public:
    bool Create() {
        WNDCLASSEXW wc{};
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"CorvantaListHost";
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        if (!RegisterWindowClass(wc)) return false;
        if (!CreateWindowOf(wc.lpszClassName, WS_EX_TOPMOST, L"list host",
                            WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 100, 100, 640, 220,
                            nullptr, nullptr, wc.hInstance))
            return false;
        if (!controls.Create(Handle(), HostControls, win::DpiOf(Handle()))) return false;
        list.Attach(controls.Get(ListId), win::DpiOf(Handle()));
        list.ApplyRowHeight();
        list.AddColumns();
        return true;
    }
    ~ListHost() override {
        if (Handle()) DestroyWindow(Handle());
    }

    win::ControlSet controls;
    OpportunityList list;
    std::vector<int> clicks;  // the selected index seen by each click

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_MEASUREITEM) {
            auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (item.CtlType == ODT_LISTVIEW) item.itemHeight = static_cast<UINT>(list.MeasuredRowHeight());
            return TRUE;
        }
        if (message == WM_NOTIFY && list.OnNotify(*reinterpret_cast<const NMHDR*>(lParam)))
            clicks.push_back(list.SelectedIndex());
        return Default(message, wParam, lParam);
    }
};

class ListViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&icc);
        ASSERT_TRUE(host.Create());
        gui::PumpPending();
    }
    HWND List() { return host.list.Handle(); }
    RECT ItemRect(int row, int code = LVIR_BOUNDS) {
        RECT r{};
        r.left = code;
        SendMessageW(List(), LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
        return r;
    }
    // The text the control shows in a cell, through its own GETDISPINFO round trip.
    std::wstring Shown(int row, int column, int room = 1024) {
        std::wstring buffer(static_cast<size_t>(room), L'\x7f');
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = room;
        const auto n = SendMessageW(List(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        buffer.resize(static_cast<size_t>(n));
        return buffer;
    }
    void AddRows(std::initializer_list<const char*> profits) {
        for (const char* p : profits) host.list.SetCell(host.list.InsertRow(), 0, p);
    }
    void ClickRow(int row) {
        const RECT r = ItemRect(row, LVIR_LABEL);
        gui::ClickClientPoint(List(), {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    }

    ListHost host;
};

TEST_F(ListViewTest, HasTheEightColumnsInOrder) {
    struct Column {
        const char* title;
        int width;
    };
    const Column expected[] = {{"利润", 50},  {"A赔率", 50},    {"B赔率", 50},    {"A盘口", 80},
                               {"B盘口", 80}, {"比赛球队", 200}, {"停留时间", 80}, {" ", 0}};
    const HWND header = reinterpret_cast<HWND>(SendMessageW(List(), LVM_GETHEADER, 0, 0));
    ASSERT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 8);
    for (int i = 0; i < 8; ++i) {
        wchar_t title[64] = {};
        LVCOLUMNW c{};
        c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        c.pszText = title;
        c.cchTextMax = 64;
        ASSERT_TRUE(SendMessageW(List(), LVM_GETCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&c)));
        EXPECT_EQ(title, WideFromGbk(expected[i].title)) << "column " << i;
        EXPECT_EQ(c.cx, expected[i].width) << "column " << i;
        EXPECT_EQ(c.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT) << "column " << i;
    }
}

TEST_F(ListViewTest, ConfiguredAsASingleSelectionReportWithGridAndDraggableHeader) {
    const auto style = GetWindowLongW(List(), GWL_STYLE);
    EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_TRUE(style & LVS_SINGLESEL);
    EXPECT_FALSE(style & (LVS_EDITLABELS | LVS_NOCOLUMNHEADER | LVS_OWNERDRAWFIXED));
    const auto ex = SendMessageW(List(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    EXPECT_EQ(ex & (LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_HEADERDRAGDROP),
              LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_HEADERDRAGDROP);
    EXPECT_FALSE(ex & (LVS_EX_CHECKBOXES | LVS_EX_TRACKSELECT));
}

TEST_F(ListViewTest, EveryRowIsTwentyPixelsHighTheFirstIncluded) {
    AddRows({"1.5"});
    const RECT first = ItemRect(0);
    EXPECT_EQ(first.bottom - first.top, 20);
    AddRows({"2.5", "3.5"});
    for (int row = 0; row < 3; ++row) {
        const RECT r = ItemRect(row);
        EXPECT_EQ(r.bottom - r.top, 20) << "row " << row;
        EXPECT_EQ(r.top, ItemRect(0).top + 20 * row) << "row " << row;
    }
}

TEST_F(ListViewTest, NewRowIsEmptyAndGoesToTheTop) {
    // As a refresh fills the list: insert, then write the cells at the returned index.
    for (const char* record : {"R1", "R2", "R3"}) {
        const int row = host.list.InsertRow();
        ASSERT_EQ(row, 0);
        for (int column = 0; column < ListColumnCount; ++column)
            EXPECT_EQ(host.list.GetCell(row, column), "") << "column " << column;
        host.list.SetCell(row, 0, "9.9");
        host.list.SetCell(row, RecordColumn, record);
    }
    EXPECT_EQ(host.list.GetCell(0, RecordColumn), "R3");
    EXPECT_EQ(host.list.GetCell(1, RecordColumn), "R2");
    EXPECT_EQ(host.list.GetCell(2, RecordColumn), "R1");
    EXPECT_EQ(SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0), 3);
}

TEST_F(ListViewTest, CellsReadBackWholeAndShowWhatFits) {
    // A record of several kilobytes in the hidden column, GBK with double-byte characters.
    Text record;
    while (record.size() < 6000) record += "利润:3.21=队伍1:曼联 vs 切尔西=";
    const int row = host.list.InsertRow();
    host.list.SetCell(row, RecordColumn, record);
    host.list.SetCell(row, 5, "曼联 vs 切尔西");
    EXPECT_EQ(host.list.GetCell(row, RecordColumn), record);
    EXPECT_EQ(Shown(row, 5), WideFromGbk("曼联 vs 切尔西"));

    const std::wstring wide = WideFromGbk(record);
    EXPECT_EQ(Shown(row, RecordColumn, static_cast<int>(wide.size()) + 1), wide);
    // A small buffer gets a prefix cut between characters, terminated inside the buffer.
    EXPECT_EQ(Shown(row, RecordColumn, 8), wide.substr(0, 7));
}

TEST_F(ListViewTest, MissingRowsAndColumnsReadEmptyAndIgnoreWrites) {
    AddRows({"1.0"});
    host.list.SetCell(-1, 0, "x");
    host.list.SetCell(1, 0, "x");
    host.list.SetCell(0, ListColumnCount, "x");
    const struct {
        int row, column;
    } missing[] = {{-1, 0}, {1, 0}, {0, -1}, {0, ListColumnCount}, {-1, RecordColumn}};
    for (const auto& m : missing)
        EXPECT_EQ(host.list.GetCell(m.row, m.column), "") << m.row << "," << m.column;
    EXPECT_EQ(host.list.GetCell(0, 0), "1.0");
    EXPECT_EQ(host.list.RowCount(), 1);
}

TEST_F(ListViewTest, ClickSelectsOneRowAndReportsAfterTheSelectionMoved) {
    AddRows({"1", "2", "3"});
    EXPECT_EQ(host.list.SelectedIndex(), -1);
    for (int row : {1, 2, 0}) {
        const size_t before = host.clicks.size();
        ClickRow(row);
        ASSERT_TRUE(gui::PumpUntil([&] { return host.clicks.size() > before; })) << "row " << row;
        EXPECT_EQ(host.clicks.back(), row);
        EXPECT_EQ(host.list.SelectedIndex(), row);
        EXPECT_EQ(SendMessageW(List(), LVM_GETSELECTEDCOUNT, 0, 0), 1);
    }
}

TEST_F(ListViewTest, ClickOnAColumnTitleChangesNothing) {
    AddRows({"1", "3", "2"});
    const HWND header = reinterpret_cast<HWND>(SendMessageW(List(), LVM_GETHEADER, 0, 0));
    RECT title{};
    SendMessageW(header, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&title));
    gui::ClickClientPoint(header, {(title.left + title.right) / 2, (title.top + title.bottom) / 2});
    gui::PumpUntil([] { return false; }, std::chrono::milliseconds(200));
    EXPECT_EQ(host.list.GetCell(0, 0), "2");
    EXPECT_EQ(host.list.GetCell(1, 0), "3");
    EXPECT_EQ(host.list.GetCell(2, 0), "1");
    EXPECT_EQ(host.list.SelectedIndex(), -1);
    EXPECT_TRUE(host.clicks.empty());
}

TEST_F(ListViewTest, RebuildingLeavesNoRowSelected) {
    const struct {
        const char* name;
        void (*rebuild)(OpportunityList&);
    } cases[] = {
        {"delete all", [](OpportunityList& l) { l.DeleteAllRows(); }},
        {"replace", [](OpportunityList& l) {
             std::vector<ListRow> rows(2);
             rows[0][0] = "new top";
             rows[1][RecordColumn] = "record";
             l.ReplaceRows(std::move(rows));
         }},
    };
    for (const auto& c : cases) {
        host.list.DeleteAllRows();
        AddRows({"1", "2", "3"});
        ClickRow(1);
        ASSERT_TRUE(gui::PumpUntil([&] { return host.list.SelectedIndex() == 1; })) << c.name;
        c.rebuild(host.list);
        gui::PumpPending();
        EXPECT_EQ(host.list.SelectedIndex(), -1) << c.name;
        EXPECT_EQ(SendMessageW(List(), LVM_GETSELECTEDCOUNT, 0, 0), 0) << c.name;
        EXPECT_EQ(SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0), host.list.RowCount()) << c.name;
    }
    EXPECT_EQ(host.list.GetCell(0, 0), "new top");
    EXPECT_EQ(host.list.GetCell(1, RecordColumn), "record");
    EXPECT_EQ(ItemRect(1).bottom - ItemRect(1).top, 20);
}

TEST_F(ListViewTest, InsertKeepsTheSelectedRowSelected) {
    AddRows({"a", "b"});  // "b" on top
    ClickRow(1);          // "a"
    ASSERT_TRUE(gui::PumpUntil([&] { return host.list.SelectedIndex() == 1; }));
    host.list.InsertRow();
    EXPECT_EQ(host.list.SelectedIndex(), 2);
    EXPECT_EQ(host.list.GetCell(host.list.SelectedIndex(), 0), "a");
}

}  // namespace
