#include "feed/feed_rows.h"

#include <gtest/gtest.h>

namespace {

using Records = std::vector<Text>;

Text Record(std::string_view profit, std::string_view extra = "") {
    return ConcatText({"利润:", profit, "=赔率1:2.05=", extra});
}

std::vector<Text> FirstCells(const std::vector<FeedRow>& rows) {
    std::vector<Text> cells;
    for (const FeedRow& row : rows) cells.push_back(row[0]);
    return cells;
}

TEST(FeedRows, VisibleCellsTrimmedHiddenCellUntouched) {
    const Text record =
        "  利润: 1.74 =赔率1:　2.05　=赔率2:2.02 =盘口1:主 -0.25=盘口2: 客 +0.25=队伍1:\t红队 =停留时间:15秒=  ";
    const FeedRow row = BuildRow(record);
    const FeedRow expected = {"1.74", "2.05", "2.02", "主 -0.25", "客 +0.25", "\t红队", "15秒", record};
    EXPECT_EQ(row, expected);
    EXPECT_EQ(BuildRow(""), FeedRow{});  // an empty record: eight empty cells
}

TEST(FeedRows, ShowAllGivesEveryRecordLastFirst) {
    const Records records = {Record("1"), "", Record("3"), Record("4")};
    EXPECT_EQ(FirstCells(BuildRows(records, ShowAllFilter)), (Records{"4", "3", "", "1"}));
}

// Each bookmaker button against records naming one token, another's caption, or letter case.
TEST(FeedRows, EachFilterShowsOnlyItsTokenCaseSensitive) {
    const Records records = {
        Record("a", "庄家1:Bet365="),  Record("b", "庄家2:DafaSports="), Record("c", "第一链接:188赌注x="),
        Record("d", "队伍1:Newbb="),   Record("e", "庄家1:Sbobet="),     Record("f", "盘口说明2:Pinnacle="),
        Record("g", "庄家1:BET365=庄家2:NEWBB=庄家1:pinnacle=188金宝博 大发 利记 平博="),
        "",
        Record("h", "庄家1:Pinnacle=庄家2:Bet365="),
    };
    struct Case { int filter; Records firstCells; };
    const Case cases[] = {
        {1, {"h", "a"}}, {2, {"b"}}, {3, {"c"}}, {4, {"d"}}, {5, {"e"}}, {6, {"h", "f"}},
        {0, {"h", "", "g", "f", "e", "d", "c", "b", "a"}},
        {7, {}}, {-1, {}},  // no such button: nothing passes
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "filter " << c.filter);
        EXPECT_EQ(FirstCells(BuildRows(records, c.filter)), c.firstCells);
    }
}

TEST(FeedRows, TokenCountsOnlyAtCharacterBoundaries) {
    // 0xC1 opens a two-byte character, which swallows the token's first letter.
    struct Case { Text record; int filter; bool passes; };
    const Case cases[] = {
        {"xNewbb", 4, true},
        {Text("\xC1") + "Newbb", 4, false},
        {Text("\xC1") + "NNewbb", 4, true},
        {Text("\xC1") + "Bet365", 1, false},
        {"", 1, false},
        {"", ShowAllFilter, true},
    };
    for (const Case& c : cases) EXPECT_EQ(PassesFilter(c.record, c.filter), c.passes) << c.record;
}

TEST(FeedRows, ShortAnswerIsStoredAndChangesNothingElse) {
    FeedState state;
    ASSERT_TRUE(ApplyFeed(state, ConcatText({Record("1"), " \\*", Record("2")}), ShowAllFilter));
    const Records before = state.RecordList;
    for (const Text& answer : {Text(""), Text("0123456789")}) {
        EXPECT_FALSE(ApplyFeed(state, answer, ShowAllFilter).has_value());
        EXPECT_EQ(state.FeedText, answer);
        EXPECT_EQ(state.RecordList, before);
    }
}

TEST(FeedRows, LongerAnswerReplacesRecordsAndRows) {
    FeedState state;
    state.RecordList = {"old"};
    // Eleven bytes without a separator: one record, one row.
    auto rows = ApplyFeed(state, "01234567890", ShowAllFilter);
    ASSERT_TRUE(rows);
    EXPECT_EQ(state.RecordList, Records{"01234567890"});
    ASSERT_EQ(rows->size(), 1u);
    EXPECT_EQ((*rows)[0][7], "01234567890");
    EXPECT_EQ((*rows)[0][0], "");

    // A list that no record passes still empties the list: an empty set of rows, not none.
    rows = ApplyFeed(state, ConcatText({Record("1"), " \\* \\*", Record("2"), " \\*"}), 3);
    ASSERT_TRUE(rows);
    EXPECT_TRUE(rows->empty());
    EXPECT_EQ(state.RecordList, (Records{Record("1"), "", Record("2")}));
    EXPECT_EQ(FirstCells(*ApplyFeed(state, state.FeedText, ShowAllFilter)), (Records{"2", "", "1"}));
}

}  // namespace
