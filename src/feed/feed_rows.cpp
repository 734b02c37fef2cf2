#include "feed/feed_rows.h"

#include <cstddef>
#include <utility>

bool IsShortFeed(std::string_view feed) { return TextLength(feed) <= ShortFeedLimit; }

bool PassesFilter(std::string_view record, int filter) {
    if (filter == ShowAllFilter) return true;
    if (filter < 1 || filter >= FilterCount) return false;
    return ConcernsBookmaker(record, BookmakerTokens[static_cast<std::size_t>(filter - 1)]);
}

FeedRow BuildRow(std::string_view record) {
    FeedRow row;
    for (std::size_t c = 0; c < ListColumnKeys.size(); ++c)
        row[c] = TrimBoth(FieldValue(record, ListColumnKeys[c]));
    row[FeedRowCells - 1] = Text(record);
    return row;
}

std::vector<FeedRow> BuildRows(const std::vector<Text>& records, int filter) {
    // Which records pass first, so the rows are allocated once and exactly.
    std::vector<std::size_t> shown;
    shown.reserve(filter == ShowAllFilter ? records.size() : records.size() / 4);
    for (std::size_t i = 0; i < records.size(); ++i)
        if (PassesFilter(records[i], filter)) shown.push_back(i);
    std::vector<FeedRow> rows;
    rows.reserve(shown.size());
    for (auto i = shown.rbegin(); i != shown.rend(); ++i) rows.push_back(BuildRow(records[*i]));
    return rows;
}

std::optional<std::vector<FeedRow>> ApplyFeed(FeedState& state, Text fetched, int filter) {
    state.FeedText = std::move(fetched);
    if (IsShortFeed(state.FeedText)) return std::nullopt;
    state.RecordList = SplitFeed(state.FeedText);
    std::vector<FeedRow> rows = BuildRows(state.RecordList, filter);
    state.RecordIndex = static_cast<int>(state.RecordList.size());
    state.CurrentRow = rows.empty() ? 0 : static_cast<int>(rows.size()) - 1;
    return rows;
}
