// The two formats of the data server: the opportunity feed (records separated by " \*", each a
// run of key, value, "=") and the link map (entries of a name followed by "[address]").
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "text/text.h"

namespace keys {
// Texts in this program are GBK bytes; each key is spelled out byte for byte.
inline constexpr std::string_view Profit = "\xC0\xFB\xC8\xF3:";              // 利润:
inline constexpr std::string_view TimeMarker = "=\xCA\xB1\xBC\xE4:";          // =时间:
inline constexpr std::string_view League1 = "\xC1\xAA\xC8\xFC" "1:";         // 联赛1:
inline constexpr std::string_view League2 = "\xC1\xAA\xC8\xFC" "2:";         // 联赛2:
inline constexpr std::string_view Odds1 = "\xC5\xE2\xC2\xCA" "1:";           // 赔率1:
inline constexpr std::string_view Odds2 = "\xC5\xE2\xC2\xCA" "2:";           // 赔率2:
inline constexpr std::string_view Handicap1 = "\xC5\xCC\xBF\xDA" "1:";       // 盘口1:
inline constexpr std::string_view Handicap2 = "\xC5\xCC\xBF\xDA" "2:";       // 盘口2:
inline constexpr std::string_view Teams1 = "\xB6\xD3\xCE\xE9" "1:";          // 队伍1:
inline constexpr std::string_view Teams2 = "\xB6\xD3\xCE\xE9" "2:";          // 队伍2:
inline constexpr std::string_view Bookmaker1 = "\xD7\xAF\xBC\xD2" "1:";      // 庄家1:
inline constexpr std::string_view Bookmaker2 = "\xD7\xAF\xBC\xD2" "2:";      // 庄家2:
inline constexpr std::string_view Sport = "\xCC\xE5\xD3\xFD\xC0\xE0\xB1\xF0:";      // 体育类别:
inline constexpr std::string_view SportDetail = "\xCC\xE5\xD3\xFD\xD0\xA1\xC0\xE0:"; // 体育小类:
inline constexpr std::string_view FirstLink = "\xB5\xDA\xD2\xBB\xC1\xB4\xBD\xD3:";   // 第一链接:
inline constexpr std::string_view SecondLink = "\xB5\xDA\xB6\xFE\xC1\xB4\xBD\xD3:";  // 第二链接:
inline constexpr std::string_view HandicapNote1 = "\xC5\xCC\xBF\xDA\xCB\xB5\xC3\xF7" "1:"; // 盘口说明1:
inline constexpr std::string_view HandicapNote2 = "\xC5\xCC\xBF\xDA\xCB\xB5\xC3\xF7" "2:"; // 盘口说明2:
inline constexpr std::string_view DwellTime = "\xCD\xA3\xC1\xF4\xCA\xB1\xBC\xE4:";  // 停留时间:
}  // namespace keys

// The keys of the list's seven visible columns, in column order.
inline constexpr std::array<std::string_view, 7> ListColumnKeys = {
    keys::Profit, keys::Odds1, keys::Odds2, keys::Handicap1, keys::Handicap2, keys::Teams1,
    keys::DwellTime};

// The bookmaker filter's tokens, as the records spell them, in the order of the radio buttons
// that follow "show all".
inline constexpr std::array<std::string_view, 6> BookmakerTokens = {
    "Bet365", "DafaSports", "188\xB6\xC4\xD7\xA2" /* 188赌注 */, "Newbb", "Sbobet", "Pinnacle"};

inline constexpr std::string_view RecordSeparator = " \\*";

// A feed of this many bytes or fewer is not a list: the refresh keeps what it shows.
inline constexpr int ShortFeedLimit = 10;

std::vector<Text> SplitFeed(std::string_view feed);
// The value of key in record: up to the next "=" after the key's first occurrence.
Text FieldValue(std::string_view record, std::string_view key);
Text MatchTime(std::string_view record);
bool ConcernsBookmaker(std::string_view record, std::string_view token);
// The address the link map holds for name (empty name: the map's first address).
Text LinkAddress(std::string_view linkMap, std::string_view name);
