// Feeds arbitrary bytes to the text primitives, ExtractBetween and the feed format, and checks
// the properties every caller relies on. Any broken property aborts, so libFuzzer reports it.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "feed/feed_rows.h"
#include "feed/record.h"
#include "text/extract.h"
#include "text/text.h"

namespace {

constexpr std::string_view QuoteWord = "#\xD2\xFD\xBA\xC5";  // #引号

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

bool IsLead(char c) { return static_cast<unsigned char>(c) >= 0x80; }

// Byte indexes (0-based) where a character starts, walking from index from.
std::vector<bool> Boundaries(std::string_view t, std::size_t from) {
    std::vector<bool> at(t.size() + 1, false);
    for (std::size_t i = from; i < t.size(); i += IsLead(t[i]) ? 2 : 1) at[i] = true;
    return at;
}

bool EndsInLoneLead(std::string_view t) {
    std::size_t i = 0;
    while (i < t.size()) {
        if (IsLead(t[i]) && i + 1 == t.size()) return true;
        i += IsLead(t[i]) ? 2 : 1;
    }
    return false;
}

bool Contains(std::string_view t, std::string_view part) {
    return t.find(part) != std::string_view::npos;
}

void CheckText(std::string_view t, const char* what) {
    Check(t.find('\0') == std::string_view::npos, what);
}

char Fold(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

void CheckFind(std::string_view t, std::string_view u, int start, bool ignoreCase) {
    const int p = FindText(t, u, start, ignoreCase);
    const std::size_t from = start <= 1 ? 0 : static_cast<std::size_t>(start) - 1;
    if (u.empty()) {
        Check(p == (from < t.size() ? 1 : -1), "FindText of the empty text");
        return;
    }
    if (p == -1) return;
    Check(p >= 1 && static_cast<std::size_t>(p) - 1 >= from, "FindText before its start");
    const std::size_t at = static_cast<std::size_t>(p) - 1;
    Check(at + u.size() <= t.size(), "FindText match past the end");
    for (std::size_t k = 0; k < u.size(); ++k) {
        const char a = t[at + k], b = u[k];
        Check(ignoreCase ? Fold(a) == Fold(b) : a == b, "FindText reports a mismatch");
    }
    const std::vector<bool> boundary = Boundaries(t, from);
    Check(boundary[at], "FindText match inside a character");
    // No earlier character boundary matches.
    for (std::size_t i = from; i < at; ++i) {
        if (!boundary[i] || i + u.size() > t.size()) continue;
        bool same = true;
        for (std::size_t k = 0; k < u.size() && same; ++k)
            same = ignoreCase ? Fold(t[i + k]) == Fold(u[k]) : t[i + k] == u[k];
        Check(!same, "FindText missed an earlier match");
    }
}

void CheckReplace(std::string_view t, std::string_view u, std::string_view r) {
    const Text out = ReplaceSubtext(t, u, r);
    CheckText(out, "ReplaceSubtext");
    if (t.empty() || u.empty()) {
        Check(out == t, "ReplaceSubtext with nothing to replace");
        return;
    }
    // Only a one-byte pattern walks onto a lone lead byte at the end, which is then dropped.
    const bool drops = u.size() == 1 && EndsInLoneLead(t);
    const Text kept = drops ? Text(t.substr(0, t.size() - 1)) : Text(t);
    if (FindText(t, u) == -1) Check(out == kept, "ReplaceSubtext changed a text without the pattern");
    // A pattern that ends in half a character shifts the walk after a match, so only whole
    // characters give back the text when replaced by themselves.
    if (!EndsInLoneLead(u))
        Check(ReplaceSubtext(t, u, u) == kept, "ReplaceSubtext of a pattern by itself");
}

void CheckTrim(std::string_view t) {
    const Text out = TrimBoth(t);
    CheckText(out, "TrimBoth");
    Check(Contains(t, out), "TrimBoth result is not part of the text");
    Check(out.empty() || out[0] != ' ', "TrimBoth left a leading space");
    Check(out.rfind("\xA1\xA1", 0) != 0, "TrimBoth left a leading full-width space");
    if (!EndsInLoneLead(t)) {
        Check(TrimBoth(out) == out, "TrimBoth is not idempotent");
        if (!out.empty()) {
            const std::vector<bool> boundary = Boundaries(out, 0);
            Check(!(boundary[out.size() - 1] && out.back() == ' '), "TrimBoth left a trailing space");
        }
    }
}

void CheckSplit(std::string_view t, std::string_view d, const std::vector<Text>& pieces) {
    if (t.empty()) {
        Check(pieces.empty(), "SplitText of the empty text");
        return;
    }
    if (d.empty()) {
        Check(pieces.size() == 1 && pieces[0] == t, "SplitText without a separator");
        return;
    }
    Text joined;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        CheckText(pieces[i], "SplitText");
        Check(FindText(pieces[i], d) == -1, "SplitText piece holds the separator");
        if (i > 0) joined += d;
        joined += pieces[i];
    }
    // A separator at the very end leaves no empty last piece.
    Check(joined == t || joined + Text(d) == t, "SplitText pieces do not give back the text");
}

void CheckInt(double x) {
    const std::int32_t i = ToInt(x);
    if (std::fabs(x) < 2147483648.0) Check(i == static_cast<std::int32_t>(std::trunc(x)), "ToInt");
    if (std::isnan(x) || std::fabs(x) >= 9223372036854775808.0) Check(i == 0, "ToInt out of range");
}

bool IsPlainDecimal(std::string_view s) {
    std::size_t i = 0, digits = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        const std::size_t expBegin = i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
        if (i == expBegin) return false;
    }
    return i == s.size();
}

void CheckNumber(std::string_view t) {
    const double x = ToNumber(t);
    Check(!std::isnan(x), "ToNumber gave NaN");
    // glibc's strtod rounds correctly and reads only this plain form in the "C" locale.
    if (IsPlainDecimal(t) && t.size() < 400) {
        const std::string s(t);
        Check(x == std::strtod(s.c_str(), nullptr), "ToNumber differs from strtod");
    }
    // Full-width forms read exactly like their ASCII forms.
    bool printable = true;
    Text wide;
    for (char c : t) {
        if (c == ' ') wide += "\xA1\xA1";
        else if (c > ' ' && c < 0x7F) wide += {'\xA3', static_cast<char>(c + 0x80)};
        else printable = false;
    }
    if (printable) {
        const double y = ToNumber(wide);
        Check(x == y && std::signbit(x) == std::signbit(y), "full-width digits read differently");
    }
    CheckInt(x);
}

// Straightforward versions of the searching primitives, stepping one character at a time and
// comparing at every boundary. The fast ones must agree with them byte for byte.
namespace ref {

bool MatchesAt(std::string_view t, std::size_t at, std::string_view u, bool ignoreCase) {
    for (std::size_t k = 0; k < u.size(); ++k)
        if (ignoreCase ? Fold(t[at + k]) != Fold(u[k]) : t[at + k] != u[k]) return false;
    return true;
}

int Find(std::string_view t, std::string_view u, int start, bool ignoreCase) {
    const std::size_t from = start <= 1 ? 0 : static_cast<std::size_t>(start) - 1;
    if (from >= t.size()) return -1;
    if (u.empty()) return 1;
    for (std::size_t i = from; t.size() - i >= u.size();) {
        if (MatchesAt(t, i, u, ignoreCase)) return static_cast<int>(i + 1);
        if (IsLead(t[i]) && i + 1 == t.size()) break;
        i += IsLead(t[i]) ? 2 : 1;
    }
    return -1;
}

Text Replace(std::string_view t, std::string_view u, std::string_view r) {
    if (t.empty() || u.empty()) return Text(t);
    Text out;
    std::size_t i = 0;
    while (t.size() - i >= u.size()) {
        if (MatchesAt(t, i, u, false)) {
            out += r;
            i += u.size();
        } else if (IsLead(t[i])) {
            if (i + 1 == t.size()) return out;
            out += t.substr(i, 2);
            i += 2;
        } else {
            out += t[i++];
        }
    }
    return out + Text(t.substr(i));
}

std::vector<Text> Split(std::string_view t, std::string_view d) {
    std::vector<Text> pieces;
    if (t.empty()) return pieces;
    if (d.empty()) return {Text(t)};
    std::size_t pieceStart = 0;
    for (std::size_t i = 0; t.size() - i >= d.size();) {
        if (MatchesAt(t, i, d, false)) {
            pieces.emplace_back(t.substr(pieceStart, i - pieceStart));
            i += d.size();
            pieceStart = i;
        } else if (IsLead(t[i]) && i + 1 == t.size()) {
            break;
        } else {
            i += IsLead(t[i]) ? 2 : 1;
        }
    }
    if (pieceStart < t.size()) pieces.emplace_back(t.substr(pieceStart));
    return pieces;
}

Text Extract(std::string_view source, std::string_view a, std::string_view b, int start, bool ignoreCase) {
    const Text startText = Replace(a, QuoteWord, "\"");
    const Text endText = Replace(b, QuoteWord, "\"");
    int p = Find(source, startText, start, ignoreCase);
    if (p == -1) return {};
    p += TextLength(startText);
    const int q = Find(source, endText, p, ignoreCase);
    if (q == -1) return {};
    return MidText(source, p, q - p);
}

FeedRow Row(std::string_view record) {
    FeedRow row;
    for (std::size_t c = 0; c < ListColumnKeys.size(); ++c)
        row[c] = TrimBoth(Extract(record, ListColumnKeys[c], "=", 0, false));
    row[FeedRowCells - 1] = Text(record);
    return row;
}

}  // namespace ref

void CheckAgainstReference(std::string_view t, std::string_view u, std::string_view r, int start,
                           bool ignoreCase) {
    Check(FindText(t, u, start, ignoreCase) == ref::Find(t, u, start, ignoreCase), "FindText differs");
    Check(FindText(t, u, start, !ignoreCase) == ref::Find(t, u, start, !ignoreCase), "FindText differs");
    Check(FindText(t, r) == ref::Find(t, r, 1, false), "FindText differs");
    Check(ReplaceSubtext(t, u, r) == ref::Replace(t, u, r), "ReplaceSubtext differs");
    Check(ReplaceSubtext(t, r, u) == ref::Replace(t, r, u), "ReplaceSubtext differs");
    Check(SplitText(t, u) == ref::Split(t, u), "SplitText differs");
    Check(SplitFeed(t) == ref::Split(t, RecordSeparator), "SplitFeed differs");
    Check(ExtractBetween(t, u, r, start, ignoreCase) == ref::Extract(t, u, r, start, ignoreCase),
          "ExtractBetween differs");
    Check(ExtractBetween(t, r, u) == ref::Extract(t, r, u, 0, false), "ExtractBetween differs");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const Text t = BytesToText(in.ConsumeRandomLengthString(4096));
    Text u = BytesToText(in.ConsumeRandomLengthString(24));
    const Text r = BytesToText(in.ConsumeRandomLengthString(24));
    const int start = in.ConsumeBool() ? in.ConsumeIntegralInRange<int>(-2, TextLength(t) + 2)
                                       : in.ConsumeIntegral<int>();
    const bool ignoreCase = in.ConsumeBool();
    const int count = in.ConsumeIntegral<int>();
    const double raw = in.ConsumeFloatingPoint<double>();
    if (in.ConsumeBool()) u = QuoteWord;
    const Text u2 = u;

    Check(TextLength(t) == static_cast<int>(t.size()), "TextLength");
    const Text left = LeftText(t, count);
    Check(left == t.substr(0, count <= 0 ? 0 : static_cast<std::size_t>(count)), "LeftText");
    const Text mid = MidText(t, start, count);
    CheckText(mid, "MidText");
    if (start >= 1 && static_cast<std::size_t>(start) <= t.size() && count > 0)
        Check(mid == t.substr(static_cast<std::size_t>(start) - 1, static_cast<std::size_t>(count)), "MidText");
    else
        Check(mid.empty(), "MidText out of range");

    CheckFind(t, u, start, ignoreCase);
    CheckFind(t, u, 1, false);
    CheckReplace(t, u, r);
    CheckReplace(t, "|", "\r\n");
    CheckTrim(t);
    CheckSplit(t, u, SplitText(t, u));
    CheckSplit(t, RecordSeparator, SplitFeed(t));
    CheckNumber(t);
    CheckNumber(u);
    CheckInt(raw);

    const std::int32_t n = ToInt(raw);
    const Text digits = NumberToText(n);
    Check(ToInt(ToNumber(digits)) == n, "NumberToText does not read back");
    CheckText(ConcatText({t, u, r}), "ConcatText");
    Check(TextEquals(ConcatText({t, u}), t + u), "ConcatText");

    // ExtractBetween reads a part of its source and leaves the markers alone.
    const Text between = ExtractBetween(t, u, r, start, ignoreCase);
    CheckText(between, "ExtractBetween");
    Check(Contains(t, between), "ExtractBetween result is not part of the source");
    Check(u == u2, "ExtractBetween changed its marker");
    if (!Contains(u, QuoteWord) && !Contains(r, QuoteWord) && !u.empty() && !r.empty()) {
        const Text plain = ExtractBetween(t, u, r);
        if (!plain.empty()) {
            const std::size_t p = static_cast<std::size_t>(FindText(t, u)) - 1 + u.size();
            Check(t.compare(p, plain.size(), plain) == 0, "ExtractBetween not after the marker");
            Check(t.compare(p + plain.size(), r.size(), r) == 0, "ExtractBetween not before the end");
            Check(FindText(plain, r) == -1, "ExtractBetween result holds the end marker");
        }
    }

    CheckAgainstReference(t, u, r, start, ignoreCase);

    // The feed: every record's fields and every link lookup.
    for (const Text& record : SplitFeed(t)) {
        Check(BuildRow(record) == ref::Row(record), "BuildRow differs");
        for (std::string_view key : ListColumnKeys) {
            const Text value = FieldValue(record, key);
            CheckText(value, "FieldValue");
            Check(Contains(record, value), "FieldValue is not part of the record");
            Check(FindText(value, "=") == -1, "FieldValue holds a field end");
        }
        const Text time = MatchTime(record);
        Check(Contains(record, time), "MatchTime is not part of the record");
        for (std::string_view token : BookmakerTokens) (void)ConcernsBookmaker(record, token);
    }
    const Text address = LinkAddress(t, u);
    CheckText(address, "LinkAddress");
    Check(Contains(t, address), "LinkAddress is not part of the map");
    Check(FindText(address, "]") == -1, "LinkAddress holds a closing bracket");
    return 0;
}
