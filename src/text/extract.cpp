#include "text/extract.h"

namespace {
// Lets a marker stand for a double quote without holding one.
constexpr std::string_view QuoteWord = "#\xD2\xFD\xBA\xC5";  // #引号

// The marker to search for: the caller's own bytes unless it holds QuoteWord, which is then
// replaced in a copy kept in storage. Most markers have no '#', so most calls copy nothing.
std::string_view Marker(std::string_view marker, Text& storage) {
    if (marker.find('#') == std::string_view::npos) return marker;
    storage = ReplaceSubtext(marker, QuoteWord, "\"");
    return storage;
}
}  // namespace

Text ExtractBetween(std::string_view source, std::string_view startMarker,
                    std::string_view endMarker, int start, bool ignoreCase) {
    Text startStorage, endStorage;
    const std::string_view startText = Marker(startMarker, startStorage);
    const std::string_view endText = Marker(endMarker, endStorage);
    int p = FindText(source, startText, start, ignoreCase);
    if (p == -1) return {};
    p += TextLength(startText);
    // The end marker is looked for only after the start marker, never before or inside it.
    const int q = FindText(source, endText, p, ignoreCase);
    if (q == -1) return {};
    return MidText(source, p, q - p);
}
