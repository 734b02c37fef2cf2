#include "feed/record.h"

#include <gtest/gtest.h>

namespace {

using Records = std::vector<Text>;

// Two records and a trailing separator, as the server sends them.
constexpr std::string_view Record1 =
    "利润:1.7445=时间:27号20:45=联赛1:国际友谊赛=联赛2:友谊赛=赔率1:2.05=赔率2:2.02="
    "盘口1:主 -0.25=盘口2:客 +0.25=队伍1:红队 - 蓝队=队伍2:红队 v 蓝队=庄家1:Pinnacle="
    "庄家2:Sbobet=体育类别:足球=体育小类:让球=第一链接:P01=第二链接:S01="
    "盘口说明1:主队让0.25球=盘口说明2:客队受让0.25球=停留时间:15秒=";
constexpr std::string_view Record2 =
    "利润:2.4138=时间:27号21:00=联赛1:甲级联赛=联赛2:甲级=赔率1:1.65=赔率2:2.70="
    "盘口1:大 2.5=盘口2:小 2.5=队伍1:白队 - 黑队=队伍2:白队 v 黑队=庄家1:Bet365="
    "庄家2:DafaSports=体育类别:足球=体育小类:大小球=第一链接:B02=第二链接:D02="
    "盘口说明1:总进球大于2.5=盘口说明2:总进球小于2.5=停留时间:3秒=";
const Text Feed = ConcatText({Record1, " \\*", Record2, " \\*"});

constexpr std::string_view LinkMap =
    "P01[ADDRESS-1]\r\nS01[ADDRESS-2]\r\nB02[ADDRESS-3]\r\nD02[ADDRESS-4]\r\n";

// The compiler's GBK encoding of each key must match the bytes the program searches for.
TEST(Record, KeysAndTokensAreTheGbkWords) {
    struct Case { std::string_view key, word; };
    const Case cases[] = {
        {keys::Profit, "利润:"}, {keys::TimeMarker, "=时间:"}, {keys::League1, "联赛1:"},
        {keys::League2, "联赛2:"}, {keys::Odds1, "赔率1:"}, {keys::Odds2, "赔率2:"},
        {keys::Handicap1, "盘口1:"}, {keys::Handicap2, "盘口2:"}, {keys::Teams1, "队伍1:"},
        {keys::Teams2, "队伍2:"}, {keys::Bookmaker1, "庄家1:"}, {keys::Bookmaker2, "庄家2:"},
        {keys::Sport, "体育类别:"}, {keys::SportDetail, "体育小类:"},
        {keys::FirstLink, "第一链接:"}, {keys::SecondLink, "第二链接:"},
        {keys::HandicapNote1, "盘口说明1:"}, {keys::HandicapNote2, "盘口说明2:"},
        {keys::DwellTime, "停留时间:"}, {BookmakerTokens[2], "188赌注"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.key, c.word);
    EXPECT_EQ(RecordSeparator, "\x20\x5C\x2A");
}

TEST(Record, WorkedExampleFeed) {
    const Records records = SplitFeed(Feed);
    ASSERT_EQ(records, (Records{Text(Record1), Text(Record2)}));
    const Text& r1 = records[0];

    struct Case { std::string_view key, expected; };
    const Case cases[] = {
        {keys::Profit, "1.7445"}, {keys::League1, "国际友谊赛"}, {keys::League2, "友谊赛"},
        {keys::Odds1, "2.05"}, {keys::Odds2, "2.02"}, {keys::Handicap1, "主 -0.25"},
        {keys::Handicap2, "客 +0.25"}, {keys::Teams1, "红队 - 蓝队"},
        {keys::Teams2, "红队 v 蓝队"}, {keys::Bookmaker1, "Pinnacle"},
        {keys::Bookmaker2, "Sbobet"}, {keys::Sport, "足球"}, {keys::SportDetail, "让球"},
        {keys::FirstLink, "P01"}, {keys::SecondLink, "S01"},
        {keys::HandicapNote1, "主队让0.25球"}, {keys::HandicapNote2, "客队受让0.25球"},
        {keys::DwellTime, "15秒"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.key);
        EXPECT_EQ(FieldValue(r1, c.key), c.expected);
    }
    EXPECT_EQ(MatchTime(r1), "27号20:45");
    EXPECT_EQ(LeftText(FieldValue(r1, keys::Profit), 4), "1.74");

    Records row;
    for (std::string_view key : ListColumnKeys) row.push_back(TrimBoth(FieldValue(r1, key)));
    EXPECT_EQ(row, (Records{"1.7445", "2.05", "2.02", "主 -0.25", "客 +0.25", "红队 - 蓝队",
                            "15秒"}));
    EXPECT_EQ(MatchTime(records[1]), "27号21:00");
    EXPECT_EQ(FieldValue(records[1], keys::Odds2), "2.70");

    EXPECT_TRUE(ConcernsBookmaker(records[0], "Pinnacle"));
    EXPECT_TRUE(ConcernsBookmaker(records[0], "Sbobet"));
    EXPECT_FALSE(ConcernsBookmaker(records[0], "Bet365"));
    EXPECT_TRUE(ConcernsBookmaker(records[1], "Bet365"));
    EXPECT_TRUE(ConcernsBookmaker(records[1], "DafaSports"));
    EXPECT_FALSE(ConcernsBookmaker(records[1], "Pinnacle"));
    for (const Text& r : records) EXPECT_FALSE(ConcernsBookmaker(r, "Newbb"));

    EXPECT_EQ(LinkAddress(LinkMap, FieldValue(records[0], keys::FirstLink)), "ADDRESS-1");
    EXPECT_EQ(LinkAddress(LinkMap, FieldValue(records[0], keys::SecondLink)), "ADDRESS-2");
    EXPECT_EQ(LinkAddress(LinkMap, FieldValue(records[1], keys::FirstLink)), "ADDRESS-3");
    EXPECT_EQ(LinkAddress(LinkMap, FieldValue(records[1], keys::SecondLink)), "ADDRESS-4");
    // A record without its link field resolves to the map's first address.
    EXPECT_EQ(LinkAddress(LinkMap, FieldValue("利润:1=", keys::FirstLink)), "ADDRESS-1");
}

TEST(Record, SplitFeed) {
    struct Case { std::string_view feed; Records expected; };
    const Case cases[] = {
        {"0123456789A", {"0123456789A"}},       // 11 bytes, no separator: one record
        {" \\*r1=", {"", "r1="}},
        {"r1= \\* \\*r2=", {"r1=", "", "r2="}},
        {"r1= \\*r2= \\*", {"r1=", "r2="}},
        {"队伍1:\xD5 \\*=", {"队伍1:\xD5 \\*="}},  // D5 20 is one character
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.feed << '"');
        EXPECT_EQ(SplitFeed(c.feed), c.expected);
    }
    // The refresh ignores a feed up to this length; 11 bytes are a list.
    EXPECT_EQ(ShortFeedLimit, 10);
}

TEST(Record, FieldReadingEdgeCases) {
    struct Case { std::string_view record, key, expected; };
    const Case cases[] = {
        {"停留时间:5=时间:10:30=", keys::DwellTime, "5"},
        {"盘口说明1:见赔率1:说明=赔率1:2.05=", keys::Odds1, "说明"},  // key inside an earlier value
        {"利润:1.74赔率1:2.05=", keys::Profit, "1.74赔率1:2.05"},     // field without its "="
        {"利润:1.74赔率1:2.05=", keys::Odds1, "2.05"},
        {"赔率1:2.05=利润:1.74", keys::Profit, ""},                   // last field without "="
        {"利润:1=2=", keys::Profit, "1"},
        {"利润：1.5=", keys::Profit, ""},                             // full-width colon
        {"利润 :1.5=", keys::Profit, ""},
        {"利潤:1.5=", keys::Profit, ""},                              // traditional character
        {"利润:=", keys::Profit, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.record << "\" key " << c.key);
        EXPECT_EQ(FieldValue(c.record, c.key), c.expected);
    }
    EXPECT_EQ(MatchTime("停留时间:5=时间:10:30="), "10:30");
    EXPECT_EQ(MatchTime("时间:10:30=停留时间:5="), "");  // first field has no "=" before it
}

TEST(Record, EmptyRecordHoldsNothing) {
    for (std::string_view key : {keys::Profit, keys::Odds1, keys::FirstLink, keys::DwellTime})
        EXPECT_EQ(FieldValue("", key), "");
    EXPECT_EQ(MatchTime(""), "");
    for (std::string_view token : BookmakerTokens) EXPECT_FALSE(ConcernsBookmaker("", token));
}

TEST(Record, BookmakerTokensAreCaseSensitive) {
    EXPECT_TRUE(ConcernsBookmaker("庄家1:188赌注=", BookmakerTokens[2]));
    EXPECT_FALSE(ConcernsBookmaker("庄家1:BET365=", "Bet365"));
    EXPECT_FALSE(ConcernsBookmaker("庄家1:newbb=", "Newbb"));
    EXPECT_TRUE(ConcernsBookmaker("队伍1:Newbb=", "Newbb"));  // any field counts
}

TEST(Record, LinkAddressLookup) {
    struct Case { std::string_view map, name, expected; };
    const Case cases[] = {
        {"XP01[ADDRESS-9] P01[ADDRESS-1]", "P01", "ADDRESS-9"},  // tail of an earlier name
        {"P01[ADDRESS-1]", "Q01", ""},
        {"", "P01", ""},
        {"", "", ""},
        {"x P01[ a b ]", "P01", " a b "},
        {"A\"B[ADDRESS-7]", "A#引号B", "ADDRESS-7"},
        {"P01[ADDRESS-1", "P01", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.map << "\" name \"" << c.name << '"');
        EXPECT_EQ(LinkAddress(c.map, c.name), c.expected);
    }
}

}  // namespace
