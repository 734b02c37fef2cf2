// The refresh's pure part: a fetched feed turned into the opportunity list's rows for one
// bookmaker filter. No window code here, so it builds and tests natively.
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "feed/record.h"
#include "text/text.h"

// A list row: seven visible cells, then the whole record (the hidden column).
inline constexpr int FeedRowCells = 8;
using FeedRow = std::array<Text, FeedRowCells>;

// The filter is the index of the checked radio button: 0 shows every record, 1 to 6 the records
// that name BookmakerTokens[filter - 1].
inline constexpr int ShowAllFilter = 0;
inline constexpr int FilterCount = 1 + static_cast<int>(BookmakerTokens.size());

// The refresh's own state: the last answer, the records of the last feed that was a list, and
// the loop positions. Only the refresh running at the time touches it.
struct FeedState {
    Text FeedText;
    std::vector<Text> RecordList;
    int RecordIndex = 0;  // 1-based, the record being examined
    int CurrentRow = 0;   // 0-based, the row being filled
};

// A feed of ShortFeedLimit bytes or fewer is not a list: it changes nothing on screen.
bool IsShortFeed(std::string_view feed);
bool PassesFilter(std::string_view record, int filter);
// Visible cells: the trimmed values of ListColumnKeys; the hidden cell: the record untouched.
FeedRow BuildRow(std::string_view record);
// The rows of the records that pass, in list order: the last shown record first.
std::vector<FeedRow> BuildRows(const std::vector<Text>& records, int filter);

// Takes a newly fetched answer into state. A short one is only stored and gives nothing (the
// list keeps its rows); a longer one replaces RecordList and gives the complete new rows.
std::optional<std::vector<FeedRow>> ApplyFeed(FeedState& state, Text fetched, int filter);
