#include "text/extract.h"

namespace {
// Lets a marker stand for a double quote without holding one.
constexpr std::string_view QuoteWord = "#\xD2\xFD\xBA\xC5";  // #引号
}  // namespace

Text ExtractBetween(std::string_view source, std::string_view startMarker,
                    std::string_view endMarker, int start, bool ignoreCase) {
    const Text startText = ReplaceSubtext(startMarker, QuoteWord, "\"");
    const Text endText = ReplaceSubtext(endMarker, QuoteWord, "\"");
    int p = FindText(source, startText, start, ignoreCase);
    if (p == -1) return {};
    p += TextLength(startText);
    // The end marker is looked for only after the start marker, never before or inside it.
    const int q = FindText(source, endText, p, ignoreCase);
    if (q == -1) return {};
    return MidText(source, p, q - p);
}
