#include "feed/feed_rows.h"

#include <algorithm>
#include <cstddef>
#include <utility>

bool IsShortFeed(std::string_view feed) { return TextLength(feed) <= ShortFeedLimit; }

bool PassesFilter(std::string_view record, int filter) {
    if (filter == ShowAllFilter) return true;
    if (filter < 1 || filter >= FilterCount) return false;
    return ConcernsBookmaker(record, BookmakerTokens[static_cast<std::size_t>(filter - 1)]);
}

namespace {

constexpr bool HasQuoteWordMark(std::string_view key) { return key.find('#') != std::string_view::npos; }
static_assert(std::ranges::none_of(ListColumnKeys, HasQuoteWordMark),
              "the columns' keys are searched as they are, with no quote substitution");

// FieldValue without the copy: the same two searches, the value left inside the record.
std::string_view FieldView(std::string_view record, std::string_view key) {
    const int p = FindText(record, key);
    if (p == -1) return {};
    const std::size_t valueStart = static_cast<std::size_t>(p) - 1 + key.size();
    const int q = FindText(record, "=", static_cast<int>(valueStart) + 1);
    if (q == -1) return {};
    return record.substr(valueStart, static_cast<std::size_t>(q) - 1 - valueStart);
}

}  // namespace

FeedRow BuildRow(std::string_view record) {
    FeedRow row;
    for (std::size_t c = 0; c < ListColumnKeys.size(); ++c)
        row[c] = TrimBoth(FieldView(record, ListColumnKeys[c]));
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
    // The old records go first, so the old and the new never take memory side by side.
    state.RecordList.clear();
    state.RecordList.shrink_to_fit();
    state.RecordList = SplitFeed(state.FeedText);
    std::vector<FeedRow> rows = BuildRows(state.RecordList, filter);
    state.RecordIndex = static_cast<int>(state.RecordList.size());
    state.CurrentRow = rows.empty() ? 0 : static_cast<int>(rows.size()) - 1;
    return rows;
}
