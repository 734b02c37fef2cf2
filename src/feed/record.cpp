#include "feed/record.h"

#include "text/extract.h"

std::vector<Text> SplitFeed(std::string_view feed) { return SplitText(feed, RecordSeparator); }

Text FieldValue(std::string_view record, std::string_view key) {
    return ExtractBetween(record, key, "=");
}

// Read with the "=" of the field before it, so that the tail of the dwell-time key never matches.
Text MatchTime(std::string_view record) { return FieldValue(record, keys::TimeMarker); }

bool ConcernsBookmaker(std::string_view record, std::string_view token) {
    return FindText(record, token) != -1;
}

Text LinkAddress(std::string_view linkMap, std::string_view name) {
    return ExtractBetween(linkMap, ConcatText({name, "["}), "]");
}
