// The detail panel driven through the real window: rows in the list, real clicks on them, the
// link map served by a scripted server, every control read back afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/globals.h"
#include "panel_fixture.h"
#include "support/gui_input.h"
#include "support/gui_message_box.h"
#include "support/gui_pump.h"
#include "scripted_server.h"
#include "test_server_base.h"
#include "win/gbk.h"
#include "win/window_text.h"

using namespace main_window;
using gui::PumpUntil;
using panel_testing::RowPoint;
using testing_support::Http;
using testing_support::ScriptedServer;

namespace {

const Text LowOddsText = "当前某赔率低于0.7，现金网不建议跟进，信用网随意";

const Text Record1 =
    "利润:1.7445=时间:27号20:45=联赛1:国际友谊赛=联赛2:友谊赛=赔率1:2.05=赔率2:2.02="
    "盘口1:主 -0.25=盘口2:客 +0.25=队伍1:红队 - 蓝队=队伍2:红队 v 蓝队=庄家1:Pinnacle="
    "庄家2:Sbobet=体育类别:足球=体育小类:让球=第一链接:P01=第二链接:S01="
    "盘口说明1:主队让0.25球=盘口说明2:客队受让0.25球=停留时间:15秒=";
const Text Record2 =
    "利润:2.4138=时间:27号21:00=联赛1:甲级联赛=联赛2:甲级=赔率1:1.65=赔率2:2.70="
    "盘口1:大 2.5=盘口2:小 2.5=队伍1:白队 - 黑队=队伍2:白队 v 黑队=庄家1:Bet365="
    "庄家2:DafaSports=体育类别:足球=体育小类:大小球=第一链接:B02=第二链接:D02="
    "盘口说明1:总进球大于2.5=盘口说明2:总进球小于2.5=停留时间:3秒=";

const Text LinkMap =
    "P01[http://p.example/1]\r\nS01[http://s.example/2]\r\nB02[http://b.example/3]\r\n"
    "D02[http://d.example/4]\r\n";

// A record with the given odds and nothing else that could warn.
Text WithOdds(const Text& a, const Text& b) { return "利润:1.0=赔率1:" + a + "=赔率2:" + b + "="; }

// The detail panel's controls, in the order a fill writes them, and the calculator's.
constexpr ControlId PanelControls[] = {Label1, Label2, Label3, Label4, Label6, Label7, Label9,
                                       Label10, Edit2, Edit3, Button2, Button3, Group3,
                                       Edit1, Edit4, Edit6, Label12, Label11};

class DetailPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window_.CreateForTest());
    }

    void Serve(std::vector<testing_support::Behaviour> script) {
        server_ = std::make_unique<ScriptedServer>(std::move(script));
        ASSERT_TRUE(server_->Listening());
        SetServerBaseForTest(server_->Url(""));
    }
    int Requests() const { return server_ ? static_cast<int>(server_->Requests().size()) : 0; }

    void ShowRecords(const std::vector<Text>& records) {
        std::vector<ListRow> rows;
        for (const Text& record : records) {
            ListRow row;
            row[0] = "row";
            row[RecordColumn] = record;
            rows.push_back(std::move(row));
        }
        window_.List().ReplaceRows(std::move(rows));
        UpdateWindow(window_.List().Handle());
    }

    // A real left click; returns once the click has gone through the panel's hook.
    bool ClickAt(POINT screen) {
        const int before = window_.Fills();
        gui::ClickAt(screen);
        return PumpUntil([&] { return window_.Fills() > before; });
    }
    bool ClickRow(int row, int xOffset = 0) {
        return ClickAt(RowPoint(window_.List().Handle(), row, xOffset));
    }
    // Clicks records[i], showing the records five at a time so that every row is in view; the
    // clicked row moves on each time, so no two clicks make a double click.
    bool ClickRecord(const std::vector<Text>& records, size_t i) {
        const size_t first = i - i % 5;
        const size_t last = std::min(records.size(), first + 5);
        ShowRecords(std::vector<Text>(records.begin() + first, records.begin() + last));
        return ClickRow(static_cast<int>(i % 5));
    }

    Text TextOf(ControlId id) const { return window_.ControlText(id); }
    std::vector<Text> PanelTexts() const {
        std::vector<Text> texts;
        for (ControlId id : PanelControls) texts.push_back(win::GetText(window_.Control(id)));
        return texts;
    }

    panel_testing::PanelWindow window_;
    std::unique_ptr<ScriptedServer> server_;
    // While a box is open: the panel's texts, then how many link maps had been asked for.
    gui::MessageBoxWatcher notices_{[this] {
        std::vector<std::wstring> texts;
        for (const Text& text : PanelTexts()) texts.push_back(WideFromGbk(text));
        texts.push_back(std::to_wstring(Requests()));
        return texts;
    }};
};

TEST_F(DetailPanelTest, ClickOnRowFillsEveryControlAndTheSharedTexts) {
    Serve({Http(200, LinkMap)});
    ShowRecords({Record2, Record1});
    ASSERT_TRUE(ClickRow(1));

    const std::pair<ControlId, Text> expected[] = {
        {Label1, "1.74%"}, {Label2, "27号20:45"}, {Label3, "国际友谊赛"}, {Label4, "友谊赛"},
        {Label6, "2.05"}, {Label7, "2.02"}, {Label9, "主 -0.25"}, {Label10, "客 +0.25"},
        {Edit2, "红队 - 蓝队"}, {Edit3, "红队 v 蓝队"}, {Button2, "Pinnacle"}, {Button3, "Sbobet"},
        {Group3, "足球   让球"},
        // The calculator got both odds and ran: 4100 / 2.02 gives 2029 on side B.
        {Edit1, "2.05"}, {Edit4, "2.02"}, {Edit6, "2029"}, {Label12, "71"}, {Label11, "69"},
        // What the user typed stays.
        {Edit5, "2000"}, {Edit8, "0"}, {Edit7, "0"}};
    for (const auto& [id, text] : expected) EXPECT_EQ(TextOf(id), text) << "control " << id;

    EXPECT_EQ(globals::SelectedRecord, Record1);
    EXPECT_EQ(globals::FirstLinkName, "P01");
    EXPECT_EQ(globals::SecondLinkName, "S01");
    EXPECT_EQ(globals::LinkMapText, LinkMap);
    EXPECT_EQ(globals::FirstLinkUrl, "http://p.example/1");
    EXPECT_EQ(globals::SecondLinkUrl, "http://s.example/2");
    EXPECT_EQ(globals::HandicapNote1, "主队让0.25球");
    EXPECT_EQ(globals::HandicapNote2, "客队受让0.25球");

    EXPECT_TRUE(notices_.Seen().empty());
    const auto requests = server_->Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].rfind("GET /999.txt HTTP/1.0\r\n", 0), 0u) << requests[0];
}

TEST_F(DetailPanelTest, WarningComesAfterTheOddsAndBeforeTheRest) {
    Serve({Http(200, LinkMap)});
    ShowRecords({Record1, Record2});
    ASSERT_TRUE(ClickRow(0));
    const std::vector<Text> first = PanelTexts();
    ASSERT_TRUE(notices_.Seen().empty());

    ASSERT_TRUE(ClickRow(1));
    const auto seen = notices_.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, WideFromGbk(LowOddsText));
    EXPECT_EQ(seen[0].title, L"提醒");

    // While the box was open: profit to odds show the new row, the rest still the first one's,
    // and the link map had not been fetched again.
    const std::vector<std::wstring>& during = seen[0].snapshot;
    ASSERT_EQ(during.size(), std::size(PanelControls) + 1);
    const std::vector<Text> newOnes = {"2.41%", "27号21:00", "甲级联赛", "甲级", "1.65", "2.70"};
    for (size_t i = 0; i < std::size(PanelControls); ++i) {
        if (i < newOnes.size())
            EXPECT_EQ(during[i], WideFromGbk(newOnes[i])) << "control " << PanelControls[i];
        else
            EXPECT_EQ(during[i], WideFromGbk(first[i])) << "control " << PanelControls[i];
    }
    EXPECT_EQ(during.back(), L"1");

    EXPECT_EQ(Requests(), 2);
    EXPECT_EQ(TextOf(Edit2), "白队 - 黑队");
    EXPECT_EQ(TextOf(Group3), "足球   大小球");
    EXPECT_EQ(TextOf(Edit1), "1.65");
    EXPECT_EQ(globals::FirstLinkUrl, "http://b.example/3");
    EXPECT_EQ(globals::SecondLinkUrl, "http://d.example/4");
}

TEST_F(DetailPanelTest, LowOddsWarnOncePerFill) {
    struct Case {
        Text a, b;
        bool warns;
    };
    const Case cases[] = {
        {"1.7", "2.0", false},  {"2.0", "1.7", false},  {"1.69", "2.0", true},
        {"2.0", "1.5", true},   {"1.5", "1.6", true},   {" 1.65", "2.0", true},
        {"2.0", "", true},      {"abc", "2.0", true},   {"1.699999", "2.0", true},
        // Within the tolerance of 1.7.
        {"1.69999999", "2.0", false},
    };
    Serve({Http(200, LinkMap)});
    std::vector<Text> records;
    for (const Case& c : cases) records.push_back(WithOdds(c.a, c.b));

    for (size_t i = 0; i < std::size(cases); ++i) {
        notices_.Clear();
        ASSERT_TRUE(ClickRecord(records, i));
        const auto seen = notices_.Seen();
        EXPECT_EQ(seen.size(), cases[i].warns ? 1u : 0u) << "odds '" << cases[i].a << "' '" << cases[i].b << "'";
        for (const auto& notice : seen) {
            EXPECT_EQ(notice.text, WideFromGbk(LowOddsText));
            EXPECT_EQ(notice.title, L"提醒");
        }
        // Shown as extracted, blanks kept.
        EXPECT_EQ(TextOf(Label6), cases[i].a);
        EXPECT_EQ(TextOf(Edit1), cases[i].a);
    }
}

TEST_F(DetailPanelTest, ProfitAndMatchTimeAsTheyAreCut) {
    struct Case {
        Text record, profit, time;
    };
    const Case cases[] = {
        {"利润:12.345=赔率1:2=赔率2:2=", "12.3%", ""},
        {"利润:5=赔率1:2=赔率2:2=", "5%", ""},
        {"利润:一二三=赔率1:2=赔率2:2=", "一二%", ""},
        {"赔率1:2=赔率2:2=停留时间:5秒=时间:10:30=", "%", "10:30"},
        {"时间:10:30=赔率1:2=赔率2:2=", "%", ""},
    };
    Serve({Http(200, LinkMap)});
    std::vector<Text> records;
    for (const Case& c : cases) records.push_back(c.record);
    ShowRecords(records);
    for (size_t i = 0; i < std::size(cases); ++i) {
        ASSERT_TRUE(ClickRow(static_cast<int>(i)));
        EXPECT_EQ(TextOf(Label1), cases[i].profit) << cases[i].record;
        EXPECT_EQ(TextOf(Label2), cases[i].time) << cases[i].record;
    }
    EXPECT_TRUE(notices_.Seen().empty());
}

TEST_F(DetailPanelTest, LinkNamesResolveInEachFreshlyFetchedMap) {
    struct Case {
        Text map, first, second, firstUrl, secondUrl;
    };
    const Case cases[] = {
        // A longer name listed first wins for its tail.
        {"XP01[http://x.example/9] P01[http://p.example/1] S01[http://s.example/2]", "P01", "S01",
         "http://x.example/9", "http://s.example/2"},
        // A name the map lacks: that side only is empty.
        {"S01[http://s.example/2]", "P01", "S01", "", "http://s.example/2"},
        // An empty map.
        {"", "P01", "S01", "", ""},
        // A record without link names: the map's first address on both sides.
        {"P01[http://p.example/1]\r\nS01[http://s.example/2]", "", "", "http://p.example/1",
         "http://p.example/1"},
        // The map may change between two clicks: never cached.
        {"P01[http://p.example/new] S01[ http://s.example/blank ]", "P01", "S01",
         "http://p.example/new", " http://s.example/blank "},
    };
    std::vector<testing_support::Behaviour> script;
    std::vector<Text> records;
    for (const Case& c : cases) {
        script.push_back(Http(200, c.map));
        Text record = WithOdds("2.0", "2.0");
        if (!c.first.empty()) record += "第一链接:" + c.first + "=";
        if (!c.second.empty()) record += "第二链接:" + c.second + "=";
        records.push_back(record);
    }
    Serve(script);
    ShowRecords(records);
    for (size_t i = 0; i < std::size(cases); ++i) {
        ASSERT_TRUE(ClickRow(static_cast<int>(i)));
        EXPECT_EQ(globals::LinkMapText, cases[i].map);
        EXPECT_EQ(globals::FirstLinkUrl, cases[i].firstUrl) << "case " << i;
        EXPECT_EQ(globals::SecondLinkUrl, cases[i].secondUrl) << "case " << i;
    }
    EXPECT_EQ(Requests(), static_cast<int>(std::size(cases)));
}

TEST_F(DetailPanelTest, ServerDownLeavesBothAddressesEmptyAndFillsTheRest) {
    Serve({Http(200, LinkMap)});
    ShowRecords({Record1, Record2});
    ASSERT_TRUE(ClickRow(0));
    ASSERT_EQ(globals::FirstLinkUrl, "http://p.example/1");

    // A port nobody listens on any more.
    const std::string base = server_->Url("");
    server_.reset();
    SetServerBaseForTest(base);
    ASSERT_TRUE(ClickRow(1));
    EXPECT_EQ(globals::LinkMapText, "");
    EXPECT_EQ(globals::FirstLinkUrl, "");
    EXPECT_EQ(globals::SecondLinkUrl, "");
    EXPECT_EQ(TextOf(Button3), "DafaSports");
    EXPECT_EQ(TextOf(Edit4), "2.70");
    EXPECT_EQ(globals::HandicapNote2, "总进球小于2.5");
}

TEST_F(DetailPanelTest, ClickBelowTheRowsFillsFromTheEmptyRecord) {
    Serve({Http(200, "none here P01[http://p.example/1] S01[http://s.example/2]")});
    ShowRecords({Record1});
    ASSERT_TRUE(ClickRow(0));
    ASSERT_TRUE(notices_.Seen().empty());

    RECT client{};
    GetClientRect(window_.List().Handle(), &client);
    POINT below{client.right / 3, client.bottom - 10};
    ClientToScreen(window_.List().Handle(), &below);
    ASSERT_TRUE(ClickAt(below));

    EXPECT_EQ(window_.List().SelectedIndex(), -1);
    EXPECT_EQ(globals::SelectedRecord, "");
    const std::pair<ControlId, Text> expected[] = {
        {Label1, "%"}, {Label2, ""}, {Label3, ""}, {Label4, ""}, {Label6, ""}, {Label7, ""},
        {Label9, ""}, {Label10, ""}, {Edit2, ""}, {Edit3, ""}, {Button2, ""}, {Button3, ""},
        {Group3, "   "}, {Edit1, ""}, {Edit4, ""}, {Edit6, "0"}, {Label12, "-2000"},
        {Label11, "-2000"}};
    for (const auto& [id, text] : expected) EXPECT_EQ(TextOf(id), text) << "control " << id;
    const auto seen = notices_.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, WideFromGbk(LowOddsText));
    EXPECT_EQ(globals::FirstLinkUrl, "http://p.example/1");
    EXPECT_EQ(globals::SecondLinkUrl, "http://p.example/1");
    EXPECT_EQ(globals::HandicapNote1, "");
}

TEST_F(DetailPanelTest, SameRowTwiceFetchesAndWarnsTwiceAndResetsTheOdds) {
    Serve({Http(200, LinkMap)});
    ShowRecords({Record2});
    ASSERT_TRUE(ClickRow(0));
    window_.SetControlText(Edit1, "3.00");
    window_.SetControlText(Edit4, "1.01");
    // Far enough from the first click not to make a double click.
    ASSERT_TRUE(ClickRow(0, 40));
    EXPECT_EQ(notices_.Seen().size(), 2u);
    EXPECT_EQ(Requests(), 2);
    EXPECT_EQ(TextOf(Edit1), "1.65");
    EXPECT_EQ(TextOf(Edit4), "2.70");
}

TEST_F(DetailPanelTest, OnlyALeftClickFills) {
    Serve({Http(200, LinkMap)});
    ShowRecords({Record1, Record2, WithOdds("3.0", "3.0")});
    ASSERT_TRUE(ClickRow(0));
    const std::vector<Text> shown = PanelTexts();

    // The arrow key moves the selection; the panel stays as it is.
    gui::PressKey(VK_DOWN);
    ASSERT_TRUE(PumpUntil([&] { return window_.List().SelectedIndex() == 1; }));
    EXPECT_EQ(window_.Fills(), 1);
    EXPECT_EQ(PanelTexts(), shown);

    // A right click on the third row, then a left click on the first: input is handled in order,
    // so once the left click has filled, the right one has been handled and did nothing.
    panel_testing::RightClickAt(RowPoint(window_.List().Handle(), 2));
    ASSERT_TRUE(ClickRow(0, 40));
    EXPECT_EQ(window_.Fills(), 2);
    EXPECT_EQ(Requests(), 2);
    EXPECT_EQ(PanelTexts(), shown);
    EXPECT_TRUE(notices_.Seen().empty());
}

TEST_F(DetailPanelTest, PressingAHandicapLabelShowsItsNote) {
    Serve({Http(200, LinkMap)});
    ShowRecords({Record1});
    const auto press = [&](ControlId label, size_t count) {
        gui::ClickAt(panel_testing::CentreOf(window_.Control(label)));
        return PumpUntil([&] { return notices_.Seen().size() == count; });
    };
    globals::HandicapNote1.clear();
    ASSERT_TRUE(press(Label9, 1));
    ASSERT_TRUE(ClickRow(0));
    ASSERT_TRUE(press(Label9, 2));
    ASSERT_TRUE(press(Label10, 3));

    const auto seen = notices_.Seen();
    ASSERT_EQ(seen.size(), 3u);
    const Text notes[] = {"", "主队让0.25球", "客队受让0.25球"};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(seen[i].text, WideFromGbk(notes[i]));
        EXPECT_EQ(seen[i].title, L"盘口说明");
    }
}

}  // namespace
