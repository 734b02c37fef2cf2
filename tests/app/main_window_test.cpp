// MainWindow as the window system shows it: every control, the window's frame and place, the
// keys, the buttons, the menu and the notice box, driven with real input.
#include "app/main_window.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/gui_query.h"
#include "support/gui_input.h"
#include "support/gui_message_box.h"
#include "support/gui_pump.h"
#include "win/dpi.h"
#include "win/gbk.h"

using namespace main_window;

namespace {

// Records what reaches the wiring points, with the list's selection at the moment of a click.
class RecordingWindow : public MainWindow {
public:
    std::vector<std::string> events;
    int selectedAtClick = -2;

protected:
    void ArmBrowserDrop() override { events.push_back("arm"); }
    void OnRefreshTick() override { events.push_back("tick"); }
    void OnListClick() override {
        events.push_back("list");
        selectedAtClick = List().SelectedIndex();
    }
    void OnComputeClick() override { events.push_back("compute"); }
    void OnFlipClick() override { events.push_back("flip"); }
    void OnNavClick(int side) override { events.push_back("nav" + std::to_string(side)); }
    void OnHandicapLabelPressed(int side) override { events.push_back("handicap" + std::to_string(side)); }
    void OnGuideMenu() override { events.push_back("guide"); }
    void OnHandicapNotesMenu() override { events.push_back("notes"); }
    void OnUpdateMenu() override { events.push_back("update"); }
};

std::unique_ptr<RecordingWindow> Open() {
    auto window = std::make_unique<RecordingWindow>();
    if (!window->Create(GetModuleHandleW(nullptr))) return nullptr;
    gui::PumpPending();
    return window;
}

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != 0; }
std::string Show(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) +
           "x" + std::to_string(r.bottom - r.top);
}

bool IsTopmost(HWND h) { return (GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

class MainWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&icc);
    }
    void SetUp() override {
        window = Open();
        ASSERT_TRUE(window);
    }
    void TearDown() override { win::SetDpiOverride(0); }

    HWND Main() { return window->Handle(); }
    HWND Ctl(ControlId id) { return window->Control(id); }
    std::vector<RECT> AllRects() {
        std::vector<RECT> rects;
        for (const auto& row : window->ControlTable().Rows()) rects.push_back(gui::RectInParent(Ctl(ControlId(row.id))));
        return rects;
    }
    void Click(ControlId id, const char* expectedEvent) {
        const size_t before = window->events.size();
        gui::ClickControl(Ctl(id));
        ASSERT_TRUE(gui::PumpUntil([&] { return window->events.size() > before; })) << expectedEvent;
        EXPECT_EQ(window->events.back(), expectedEvent);
    }

    std::unique_ptr<RecordingWindow> window;
};

TEST_F(MainWindowTest, EveryControlSitsInItsParentWithItsText) {
    const auto rows = window->ControlTable().Rows();
    EXPECT_EQ(rows.size(), 48u);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const HWND h = Ctl(ControlId(row.id));
        ASSERT_TRUE(h);
        EXPECT_EQ(GetParent(h), row.parent ? Ctl(ControlId(row.parent)) : Main());
        const RECT expected{row.x, row.y, row.x + row.width, row.y + row.height};
        const RECT actual = gui::RectInParent(h);
        EXPECT_TRUE(SameRect(actual, expected)) << Show(actual) << " instead of " << Show(expected);
        EXPECT_EQ(window->ControlText(ControlId(row.id)), Text(row.text));
        EXPECT_TRUE(IsWindowVisible(h));
        EXPECT_TRUE(IsWindowEnabled(h));
    }
    EXPECT_EQ(window->ControlText(Label4), "B站联赛名称");
}

TEST_F(MainWindowTest, OverlappingControlsStackSoTheActiveOneIsOnTop) {
    const struct {
        ControlId parent;  // NoControl: the window
        POINT at;          // in the parent's client area
        ControlId expected;
    } cases[] = {
        {Group6, {44, 30}, Edit8},   // the edit box over the end of 标签20
        {Group6, {44, 70}, Edit7},   // and over 标签19
        {NoControl, {480, 80}, Label7},   // labels over a group box's area
        {NoControl, {565, 38}, Label9},
        {NoControl, {565, 57}, Label8},
        {NoControl, {565, 79}, Label10},
        {NoControl, {157, 119}, Radio3},  // the radio buttons overlap each other
    };
    for (const auto& c : cases) {
        const HWND parent = c.parent ? Ctl(c.parent) : Main();
        EXPECT_EQ(ChildWindowFromPointEx(parent, c.at, CWP_SKIPINVISIBLE), Ctl(c.expected))
            << window->ControlTable().Row(c.expected)->name;
    }
}

TEST_F(MainWindowTest, FontsAreTheGivenOnesAndTheDefaultGuiFontElsewhere) {
    LOGFONTW gui{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof gui, &gui);
    struct FontCase {
        ControlId id;
        const wchar_t* face;  // null: the default face
        int height;           // 0: the default height
        int weight;
        int charset;
    };
    const FontCase given[] = {
        {Label1, L"Arial Black", -19, 900, ANSI_CHARSET},
        {Label2, L"新宋体", -12, 700, GB2312_CHARSET},
        {Label6, nullptr, 0, 700, GB2312_CHARSET},
        {Label7, nullptr, 0, 700, GB2312_CHARSET},
        {Label9, nullptr, 0, 700, GB2312_CHARSET},
        {Label10, nullptr, 0, 700, GB2312_CHARSET},
        {Edit8, nullptr, -12, 700, GB2312_CHARSET},
        {Edit1, nullptr, -12, 700, GB2312_CHARSET},
        {Edit5, nullptr, -12, 700, GB2312_CHARSET},
        {Edit7, nullptr, -12, 700, GB2312_CHARSET},
        {Edit4, nullptr, -12, 700, GB2312_CHARSET},
        {Edit6, nullptr, -12, 700, GB2312_CHARSET},
        {Label12, L"微软雅黑", -12, 700, GB2312_CHARSET},
        {Label11, L"微软雅黑", -12, 700, GB2312_CHARSET},
        {List1, L"宋体", -12, 400, GB2312_CHARSET},
    };
    for (const auto& row : window->ControlTable().Rows()) {
        SCOPED_TRACE(row.name);
        FontCase expected{ControlId(row.id), nullptr, 0, static_cast<int>(gui.lfWeight), gui.lfCharSet};
        for (const auto& g : given)
            if (g.id == row.id) expected = g;
        const LOGFONTW actual = gui::FontOf(Ctl(ControlId(row.id)));
        EXPECT_EQ(std::wstring(actual.lfFaceName), std::wstring(expected.face ? expected.face : gui.lfFaceName));
        EXPECT_EQ(actual.lfHeight, expected.height ? expected.height : gui.lfHeight);
        EXPECT_EQ(actual.lfWeight, expected.weight);
        EXPECT_EQ(actual.lfCharSet, expected.charset);
    }
}

TEST_F(MainWindowTest, LabelsAreColouredSingleLinesAlignedAsDesigned) {
    const COLORREF red = RGB(255, 0, 0), grey = RGB(128, 128, 128), blue = RGB(0, 0, 255), black = 0;
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    struct ColorCase {
        ControlId id;
        COLORREF text;
        COLORREF back;
        bool centred;
    };
    const ColorCase cases[] = {
        {Label1, red, face, true},      {Label2, RGB(96, 96, 96), face, true},
        {Label3, grey, face, false},    {Label4, grey, face, false},
        {Label6, red, face, true},      {Label5, grey, face, true},
        {Label7, red, face, true},      {Label9, blue, face, true},
        {Label8, grey, face, true},     {Label10, blue, face, true},
        {Label20, black, face, false},  {Label18, black, face, false},
        {Label16, black, face, false},  {Label14, black, face, false},
        {Label12, red, face, false},    {Label19, black, face, false},
        {Label17, black, face, false},  {Label15, black, face, false},
        {Label13, black, face, false},  {Label11, red, face, false},
        {Edit6, black, RGB(255, 255, 255), false},  // read-only, yet black on white
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(window->ControlTable().Row(c.id)->name);
        // Asked of the real parent, so a label inside a group box tests the forwarding too.
        const gui::StaticColors colors = gui::AskStaticColors(Ctl(c.id));
        EXPECT_EQ(colors.text, c.text);
        EXPECT_EQ(colors.back, c.back);
        if (c.id == Edit6) continue;
        const auto style = GetWindowLongW(Ctl(c.id), GWL_STYLE);
        EXPECT_TRUE(style & SS_CENTERIMAGE);
        EXPECT_EQ(style & SS_TYPEMASK, c.centred ? SS_CENTER : SS_LEFTNOWORDWRAP);
    }
    int labels = 0;
    for (const auto& row : window->ControlTable().Rows()) labels += row.kind == win::ControlKind::Label;
    EXPECT_EQ(labels, 20);
}

TEST_F(MainWindowTest, FixedFrameCentredOnTheScreenAndTopmost) {
    wchar_t title[32] = {};
    GetWindowTextW(Main(), title, 32);
    EXPECT_STREQ(title, L"Corvanta");
    const auto style = GetWindowLongW(Main(), GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX), WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
    EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
    const auto ex = GetWindowLongW(Main(), GWL_EXSTYLE);
    EXPECT_TRUE(ex & WS_EX_TOPMOST);
    EXPECT_TRUE(ex & WS_EX_APPWINDOW);  // a taskbar button
    EXPECT_FALSE(ex & WS_EX_TOOLWINDOW);
    EXPECT_EQ(GetWindow(Main(), GW_OWNER), nullptr);
    EXPECT_TRUE(IsWindowVisible(Main()));

    const RECT outer = gui::OuterRect(Main());
    const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(outer.right - outer.left, 625);
    EXPECT_EQ(outer.bottom - outer.top, 438);
    EXPECT_EQ(outer.left, (screenW - 625) / 2);
    EXPECT_EQ(outer.top, (screenH - 438) / 2);
    if (screenW == 1024 && screenH == 768) {
        EXPECT_EQ(outer.left, 199);
        EXPECT_EQ(outer.top, 165);
    }
}

TEST_F(MainWindowTest, WindowCreatedStepsRan) {
    ASSERT_FALSE(window->events.empty());
    EXPECT_EQ(window->events.front(), "arm");
    EXPECT_TRUE(KillTimer(Main(), MainWindow::RefreshTimerId)) << "the refresh timer was not set";
    const HWND header = reinterpret_cast<HWND>(SendMessageW(Ctl(List1), LVM_GETHEADER, 0, 0));
    EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 8);
    EXPECT_EQ(window->List().RowCount(), 0);
}

TEST_F(MainWindowTest, EscClosesWhateverHasTheFocus) {
    const ControlId focused[] = {NoControl, Edit2, Edit3, Edit5, Edit6, Button4, List1, Radio1};
    for (ControlId id : focused) {
        if (!window) window = Open();
        ASSERT_TRUE(window);
        SCOPED_TRACE(id == NoControl ? "the window" : window->ControlTable().Row(id)->name);
        gui::BringToFront(Main());
        SetFocus(id == NoControl ? Main() : Ctl(id));
        const HWND handle = Main();
        gui::PressKey(VK_ESCAPE);
        EXPECT_TRUE(gui::PumpUntil([&] { return !IsWindow(handle); }));
        window.reset();
    }
}

TEST_F(MainWindowTest, PlusGrowsWindowAndListAndMovesTheCalculatorMinusUndoesIt) {
    const RECT outerBefore = gui::OuterRect(Main());
    const std::vector<RECT> before = AllRects();
    const auto rows = window->ControlTable().Rows();

    gui::ClickControl(Ctl(Button5));
    ASSERT_TRUE(gui::PumpUntil([&] { return gui::OuterRect(Main()).bottom != outerBefore.bottom; }));
    RECT outer = gui::OuterRect(Main());
    EXPECT_EQ(outer.bottom - outer.top, outerBefore.bottom - outerBefore.top + 60);
    EXPECT_EQ(outer.right - outer.left, outerBefore.right - outerBefore.left);
    EXPECT_EQ(outer.left, outerBefore.left);
    EXPECT_EQ(outer.top, outerBefore.top);
    const std::vector<RECT> grown = AllRects();
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].name);
        RECT expected = before[i];
        if (rows[i].id == List1) expected.bottom += 60;
        if (rows[i].id == Group6) OffsetRect(&expected, 0, 60);
        EXPECT_TRUE(SameRect(grown[i], expected)) << Show(grown[i]) << " instead of " << Show(expected);
    }

    gui::ClickControl(Ctl(Button6));
    ASSERT_TRUE(gui::PumpUntil([&] { return gui::OuterRect(Main()).bottom == outerBefore.bottom; }));
    EXPECT_TRUE(SameRect(gui::OuterRect(Main()), outerBefore));
    const std::vector<RECT> back = AllRects();
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_TRUE(SameRect(back[i], before[i])) << rows[i].name << ": " << Show(back[i]);
}

TEST_F(MainWindowTest, NoticeBoxStepsOutOfTheTopmostLayerWhileShown) {
    const struct {
        const char* text;
        const char* title;
    } cases[] = {
        {"当前某赔率低于0.7，现金网不建议跟进，信用网随意", "提醒"},
        {"", "盘口说明"},  // an empty text gives an empty box
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        bool topmostWhileShown = true, enabledWhileShown = true;
        const auto box = gui::WatchMessageBox(
            [&] { window->ShowNotice(c.text, c.title); },
            [&] {
                topmostWhileShown = IsTopmost(Main());
                enabledWhileShown = IsWindowEnabled(Main());
            });
        ASSERT_TRUE(box);
        EXPECT_EQ(box->text, WideFromGbk(c.text));
        EXPECT_EQ(box->title, WideFromGbk(c.title));
        EXPECT_EQ(box->buttons, 1);
        EXPECT_FALSE(box->hasIcon);
        EXPECT_FALSE(topmostWhileShown);
        EXPECT_FALSE(enabledWhileShown) << "the box must be task-modal";
        EXPECT_TRUE(IsTopmost(Main()));
        EXPECT_TRUE(IsWindowEnabled(Main()));
    }
}

TEST_F(MainWindowTest, HelpMenuHasItsFourItemsWiredInOrder) {
    const HMENU bar = GetMenu(Main());
    ASSERT_TRUE(bar);
    ASSERT_EQ(GetMenuItemCount(bar), 1);
    wchar_t caption[64] = {};
    GetMenuStringW(bar, 0, caption, 64, MF_BYPOSITION);
    EXPECT_EQ(std::wstring(caption), WideFromGbk("说明帮助"));
    const HMENU help = GetSubMenu(bar, 0);
    ASSERT_TRUE(help);
    const struct {
        const char* caption;
        const char* event;  // null: choosing it does nothing
    } items[] = {{"支持网站", "guide"}, {"盘口说明", "notes"}, {"视频教程", nullptr}, {"软件更新", "update"}};
    ASSERT_EQ(GetMenuItemCount(help), 4);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(items[i].caption);
        GetMenuStringW(help, static_cast<UINT>(i), caption, 64, MF_BYPOSITION);
        EXPECT_EQ(std::wstring(caption), WideFromGbk(items[i].caption));  // no shortcut text either
        EXPECT_EQ(GetMenuState(help, static_cast<UINT>(i), MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_POPUP), 0u);
        const size_t before = window->events.size();
        const RECT outer = gui::OuterRect(Main());
        SendMessageW(Main(), WM_COMMAND, MAKEWPARAM(GetMenuItemID(help, i), 0), 0);
        gui::PumpPending();
        if (items[i].event) {
            ASSERT_EQ(window->events.size(), before + 1);
            EXPECT_EQ(window->events.back(), items[i].event);
        } else {
            EXPECT_EQ(window->events.size(), before);
            EXPECT_TRUE(SameRect(gui::OuterRect(Main()), outer));
            EXPECT_TRUE(IsTopmost(Main()));
        }
    }
}

TEST_F(MainWindowTest, ButtonsAndHandicapLabelsReachTheirHandlers) {
    const struct {
        ControlId id;
        const char* event;
    } buttons[] = {{Button4, "compute"}, {Button1, "flip"}, {Button2, "nav1"}, {Button3, "nav2"}};
    for (const auto& b : buttons) Click(b.id, b.event);

    // The labels act on the press, before the button is released.
    const struct {
        ControlId id;
        const char* event;
    } labels[] = {{Label9, "handicap1"}, {Label10, "handicap2"}};
    for (const auto& l : labels) {
        const size_t before = window->events.size();
        gui::PressControl(Ctl(l.id));
        const bool pressed = gui::PumpUntil([&] { return window->events.size() > before; });
        gui::ReleaseMouse();
        gui::PumpPending();
        ASSERT_TRUE(pressed) << l.event;
        EXPECT_EQ(window->events.back(), l.event);
        EXPECT_EQ(window->events.size(), before + 1) << "one press, one call";
    }
}

TEST_F(MainWindowTest, RadioButtonsFormOneGroupStartingAtShowAll) {
    const ControlId radios[] = {Radio1, Radio2, Radio3, Radio4, Radio5, Radio6, Radio7};
    EXPECT_TRUE(GetWindowLongW(Ctl(Radio1), GWL_STYLE) & WS_GROUP);
    auto checked = [&] {
        std::vector<ControlId> on;
        for (ControlId r : radios)
            if (SendMessageW(Ctl(r), BM_GETCHECK, 0, 0) == BST_CHECKED) on.push_back(r);
        return on;
    };
    EXPECT_EQ(checked(), std::vector<ControlId>{Radio1});
    for (ControlId target : {Radio3, Radio7, Radio1}) {
        gui::ClickControl(Ctl(target));
        EXPECT_TRUE(gui::PumpUntil([&] { return checked() == std::vector<ControlId>{target}; }))
            << window->ControlTable().Row(target)->name;
    }
}

TEST_F(MainWindowTest, EditBoxesAreUnlimitedSingleLinesAndOnlyEdit6IsReadOnly) {
    for (const auto& row : window->ControlTable().Rows()) {
        if (row.kind != win::ControlKind::Edit) continue;
        SCOPED_TRACE(row.name);
        const auto style = GetWindowLongW(Ctl(ControlId(row.id)), GWL_STYLE);
        EXPECT_TRUE(style & ES_AUTOHSCROLL);
        EXPECT_FALSE(style & ES_MULTILINE);
        EXPECT_EQ((style & ES_READONLY) != 0, row.id == Edit6);
        EXPECT_GE(static_cast<unsigned long>(SendMessageW(Ctl(ControlId(row.id)), EM_GETLIMITTEXT, 0, 0)), 0x7FFFFFFEul);
    }
    // Well past the 32K characters of an edit box's default limit, read back whole.
    Text longText;
    while (longText.size() < 80000) longText += "赔率1:1.95=";
    window->SetControlText(Edit5, longText);
    EXPECT_EQ(window->ControlText(Edit5), longText);
}

TEST_F(MainWindowTest, ListRowsAreTwentyPixelsAndAClickReportsTheNewSelection) {
    OpportunityList& list = window->List();
    for (const char* profit : {"1.1", "2.2", "3.3"}) list.SetCell(list.InsertRow(), 0, profit);
    gui::PumpPending();
    RECT row{};
    row.left = LVIR_BOUNDS;
    SendMessageW(Ctl(List1), LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
    EXPECT_EQ(row.bottom - row.top, 20);

    gui::ClickClientPoint(Ctl(List1), {60, (row.top + row.bottom) / 2});
    ASSERT_TRUE(gui::PumpUntil([&] { return !window->events.empty() && window->events.back() == "list"; }));
    EXPECT_EQ(window->selectedAtClick, 2);
}

TEST_F(MainWindowTest, FollowsTheDpi) {
    const int dpi = 144;
    auto scaled = [&](int v) { return MulDiv(v, dpi, 96); };
    auto check = [&](const char* how) {
        SCOPED_TRACE(how);
        const RECT outer = gui::OuterRect(Main());
        EXPECT_EQ(outer.right - outer.left, scaled(625));
        EXPECT_EQ(outer.bottom - outer.top, scaled(438));
        for (const auto& row : window->ControlTable().Rows()) {
            const RECT expected{scaled(row.x), scaled(row.y), scaled(row.x) + scaled(row.width),
                                scaled(row.y) + scaled(row.height)};
            const RECT actual = gui::RectInParent(Ctl(ControlId(row.id)));
            EXPECT_TRUE(SameRect(actual, expected)) << row.name << ": " << Show(actual);
        }
        EXPECT_EQ(gui::FontOf(Ctl(List1)).lfHeight, -scaled(12));
        EXPECT_EQ(gui::FontOf(Ctl(Label1)).lfHeight, -scaled(19));
        EXPECT_EQ(SendMessageW(Ctl(List1), LVM_GETCOLUMNWIDTH, 5, 0), scaled(200));
        window->List().ReplaceRows(std::vector<ListRow>(2));
        RECT row{};
        row.left = LVIR_BOUNDS;
        SendMessageW(Ctl(List1), LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
        EXPECT_EQ(row.bottom - row.top, scaled(20));
    };

    // Moved to a monitor of another DPI.
    win::SetDpiOverride(dpi);
    const RECT at96 = gui::OuterRect(Main());
    RECT suggested{at96.left, at96.top, at96.left + scaled(625), at96.top + scaled(438)};
    SendMessageW(Main(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    gui::PumpPending();
    check("after WM_DPICHANGED");

    // Opened on it.
    window.reset();
    window = Open();
    ASSERT_TRUE(window);
    check("created at 144 DPI");
}

}  // namespace
