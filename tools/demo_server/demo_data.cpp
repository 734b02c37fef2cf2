#include "demo_data.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "feed/record.h"
#include "net/endpoints.h"

namespace demo {
namespace {

struct Match {
    const char* sport;
    const char* league1;
    const char* league2;
    const char* home;
    const char* away;
};

const Match Matches[] = {
    {"足球", "英格兰超级联赛", "英超", "曼城", "阿森纳"},
    {"足球", "英格兰超级联赛", "英超", "利物浦", "切尔西"},
    {"足球", "西班牙甲级联赛", "西甲", "皇家马德里", "塞维利亚"},
    {"足球", "西班牙甲级联赛", "西甲", "巴塞罗那", "比利亚雷亚尔"},
    {"足球", "意大利甲级联赛", "意甲", "国际米兰", "罗马"},
    {"足球", "德国甲级联赛", "德甲", "拜仁慕尼黑", "多特蒙德"},
    {"足球", "法国甲级联赛", "法甲", "里昂", "马赛"},
    {"足球", "中国超级联赛", "中超", "上海海港", "山东泰山"},
    {"足球", "日本职业联赛", "日职联", "川崎前锋", "横滨水手"},
    {"足球", "国际友谊赛", "友谊赛", "巴西", "阿根廷"},
    {"篮球", "美国职业篮球联赛", "NBA", "湖人", "勇士"},
    {"篮球", "美国职业篮球联赛", "NBA", "凯尔特人", "热火"},
    {"篮球", "中国男子篮球职业联赛", "CBA", "广东", "辽宁"},
    {"篮球", "欧洲篮球联赛", "欧篮联", "皇家马德里", "费内巴切"},
    {"网球", "温布尔登网球锦标赛", "温网", "德约科维奇", "阿尔卡拉斯"},
    {"网球", "美国网球公开赛", "美网", "辛纳", "梅德韦杰夫"},
    {"冰球", "北美职业冰球联赛", "NHL", "多伦多枫叶", "蒙特利尔加拿大人"},
    {"棒球", "美国职业棒球大联盟", "MLB", "纽约洋基", "波士顿红袜"},
    {"排球", "世界女排联赛", "女排联赛", "中国女排", "意大利女排"},
    {"电子竞技", "英雄联盟职业联赛", "LPL", "京东", "滔搏"},
};
constexpr int MatchCount = static_cast<int>(std::size(Matches));

// One market: the sub-category, each side's wording of it and its explanation.
struct Market {
    const char* sub;
    const char* side1;
    const char* side2;
    const char* note1;
    const char* note2;
};

const Market FootballMarkets[] = {
    {"让球", "主 -0.25", "客 +0.25", "主队让0.25球", "客队受让0.25球"},
    {"让球", "主 -0.5", "客 +0.5", "主队让半球", "客队受让半球"},
    {"大小球", "大 2.5", "小 2.5", "总进球大于2.5", "总进球小于2.5"},
    {"大小球", "大 3", "小 3", "总进球大于3，等于3退还本金", "总进球小于3，等于3退还本金"},
};
const Market BasketballMarkets[] = {
    {"让分", "主 -4.5", "客 +4.5", "主队让4.5分", "客队受让4.5分"},
    {"总分", "大 210.5", "小 210.5", "总得分大于210.5", "总得分小于210.5"},
};
const Market OtherMarkets[] = {
    {"独赢", "主胜", "客胜", "主队获胜", "客队获胜"},
    {"让盘", "主 -1.5", "客 +1.5", "主方让1.5", "客方受让1.5"},
};

const Market& MarketFor(const Match& m, std::uint64_t r) {
    std::string_view sport = m.sport;
    if (sport == "足球") return FootballMarkets[r % std::size(FootballMarkets)];
    if (sport == "篮球") return BasketballMarkets[r % std::size(BasketballMarkets)];
    return OtherMarkets[r % std::size(OtherMarkets)];
}

// The six bookmakers of the filter and two others; the code prefixes the link names.
struct Bookmaker {
    std::string_view name;
    const char* code;
};
const std::array<Bookmaker, 8> Bookmakers = {{
    {BookmakerTokens[0], "BT"}, {BookmakerTokens[1], "DF"}, {BookmakerTokens[2], "YB"},
    {BookmakerTokens[3], "NB"}, {BookmakerTokens[4], "SB"}, {BookmakerTokens[5], "PN"},
    {"12Bet", "TB"}, {"澳门彩", "MC"},
}};

// Every (bookmaker, match) pair has its page; names have one length, so none is the tail of another.
std::string LinkName(int bookmaker, int match) {
    char name[16];
    std::snprintf(name, sizeof name, "%s%04d", Bookmakers[bookmaker].code, 101 + match);
    return name;
}

std::uint64_t Mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

double Unit(std::uint64_t r) { return static_cast<double>(r >> 11) / 9007199254740992.0; }

double Round2(double x) { return std::round(x * 100.0) / 100.0; }

double Profit(double a, double b) { return (1.0 / (1.0 / a + 1.0 / b) - 1.0) * 100.0; }

std::string Fixed(double x, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, x);
    return text;
}

std::string Dwell(std::int64_t seconds) {
    if (seconds < 60) return std::to_string(seconds) + "秒";
    return std::to_string(seconds / 60) + "分" + std::to_string(seconds % 60) + "秒";
}

// Kick-off in China time, e.g. 27号20:45.
std::string MatchTime(std::int64_t now, int match) {
    std::time_t kickoff = static_cast<std::time_t>(now + 8 * 3600 + (match % 12) * 900 + 3600);
    kickoff -= kickoff % 900;
    std::tm parts = *std::gmtime(&kickoff);
    char text[32];
    std::snprintf(text, sizeof text, "%d号%02d:%02d", parts.tm_mday, parts.tm_hour, parts.tm_min);
    return text;
}

void Field(std::string& record, std::string_view key, std::string_view value) {
    record.append(key).append(value).append("=");
}

// One opportunity, drawn from r; age is how long it has stood, in seconds.
std::string Opportunity(std::uint64_t r, std::int64_t now, std::int64_t age) {
    const int match = static_cast<int>(Mix(r) % MatchCount);
    const Match& m = Matches[match];
    const Market& market = MarketFor(m, Mix(r + 1));
    const int bookA = static_cast<int>(Mix(r + 2) % Bookmakers.size());
    const int bookB = (bookA + 1 + static_cast<int>(Mix(r + 3) % (Bookmakers.size() - 1))) %
                      static_cast<int>(Bookmakers.size());
    // Odds of side A from 1.45 (below the warning level of 1.7) to 2.85; side B follows from a
    // profit of 0.2 % to 4 %, rounded to two decimals like the odds themselves.
    const double a = Round2(1.45 + 1.4 * Unit(Mix(r + 4)));
    const double target = 0.002 + 0.038 * Unit(Mix(r + 5));
    double b = Round2(1.0 / (1.0 / (1.0 + target) - 1.0 / a));
    while (Profit(a, b) < 0.01) b += 0.01;

    std::string record;
    Field(record, keys::Profit, Fixed(Profit(a, b), 4));
    // The match time is found through the "=" before its key, so it never comes first.
    Field(record, keys::TimeMarker.substr(1), MatchTime(now, match));
    Field(record, keys::League1, m.league1);
    Field(record, keys::League2, m.league2);
    Field(record, keys::Odds1, Fixed(a, 2));
    Field(record, keys::Odds2, Fixed(b, 2));
    Field(record, keys::Handicap1, market.side1);
    Field(record, keys::Handicap2, market.side2);
    Field(record, keys::Teams1, std::string(m.home) + " - " + m.away);
    Field(record, keys::Teams2, std::string(m.home) + " v " + m.away);
    Field(record, keys::Bookmaker1, Bookmakers[bookA].name);
    Field(record, keys::Bookmaker2, Bookmakers[bookB].name);
    Field(record, keys::Sport, m.sport);
    Field(record, keys::SportDetail, market.sub);
    Field(record, keys::FirstLink, LinkName(bookA, match));
    Field(record, keys::SecondLink, LinkName(bookB, match));
    Field(record, keys::HandicapNote1, market.note1);
    Field(record, keys::HandicapNote2, market.note2);
    Field(record, keys::DwellTime, Dwell(age));
    return record;
}

// Steady slots always hold an opportunity, which is replaced when its period ends; flickering
// slots are empty half of the time. So the feed holds 30 to 36 records, and some appear or
// disappear every few seconds.
constexpr int SteadySlots = 30;
constexpr int FlickerSlots = 6;

}  // namespace

std::string Feed(std::int64_t now) {
    std::string feed;
    for (int slot = 0; slot < SteadySlots + FlickerSlots; ++slot) {
        const std::uint64_t seed = Mix(static_cast<std::uint64_t>(slot) * 7919);
        const std::int64_t period = 8 + static_cast<std::int64_t>(seed % 50);
        const std::int64_t shifted = now + static_cast<std::int64_t>(Mix(seed) % period);
        const std::int64_t generation = shifted / period;
        const std::int64_t age = shifted % period;
        if (slot >= SteadySlots && (Mix(seed + generation) & 1)) continue;
        if (!feed.empty()) feed += RecordSeparator;
        feed += Opportunity(Mix(seed ^ static_cast<std::uint64_t>(generation)), now, age);
    }
    return feed;
}

std::string LinkMap() {
    std::string map;
    for (int b = 0; b < static_cast<int>(Bookmakers.size()); ++b)
        for (int m = 0; m < MatchCount; ++m) {
            const std::string name = LinkName(b, m);
            map += name + "[http://127.0.0.1/book/" + name + "]\r\n";
        }
    return map;
}

std::string HandicapNotes() {
    return "让球：让球方的进球数减去让球数后与对方比较，定输赢。|"
           "受让：受让方的进球数加上受让数后与对方比较。|"
           "让0.25球：一半本金按平手盘结算，一半按让半球结算。|"
           "大小球：全场总进球数大于盘口为大，小于盘口为小，等于时退还本金。|"
           "让分：篮球中让分方的得分减去让分数后与对方比较。|"
           "总分：篮球全场双方得分之和与盘口比较。|"
           "独赢：只看比赛胜负，不设让球。|"
           "赔率：每投注1元可得的总返还（含本金）。";
}

std::string HomePage() {
    return "<!DOCTYPE html>\r\n<html><head><meta charset=\"gbk\">"
           "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gbk\">"
           "<title>演示数据服务器</title></head>\r\n<body>"
           "<h1>演示数据服务器</h1>"
           "<p>本服务器提供演示用的套利机会数据，每隔几秒变化一次。</p>"
           "<ul><li><a href=\"/777.asp\">/777.asp</a> 套利机会列表</li>"
           "<li><a href=\"/999.txt\">/999.txt</a> 链接表</li>"
           "<li><a href=\"/user.asp?a=8\">/user.asp?a=8</a> 盘口说明</li></ul>"
           "<p>当前版本：1.0</p></body></html>\r\n";
}

Answer AnswerFor(std::string_view target, std::int64_t now) {
    const char* plain = "text/plain; charset=gbk";
    const char* html = "text/html; charset=gbk";
    if (target == FeedPath) return {200, plain, Feed(now)};
    if (target == LinkMapPath) return {200, plain, LinkMap()};
    if (target == HandicapNotesPath) return {200, plain, HandicapNotes()};
    if (target == HomePath) return {200, html, HomePage()};
    constexpr std::string_view book = "/book/";
    if (target.substr(0, book.size()) == book) {
        std::string name(target.substr(book.size()));
        if (!name.empty() && LinkMap().find(name + "[") != std::string::npos)
            return {200, html,
                    "<html><head><meta charset=\"gbk\"><title>" + name + "</title></head><body>"
                    "<h1>演示投注页面 " + name + "</h1></body></html>"};
    }
    return {404, html,
            "<html><head><meta charset=\"gbk\"><title>404</title></head>"
            "<body><h1>404 页面不存在</h1></body></html>"};
}

}  // namespace demo
