#include "text/text.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstddef>
#include <limits>

namespace {

// Any byte of 0x80 or above starts a two-byte character; no table of real GBK lead bytes is used.
bool IsLead(char c) { return static_cast<unsigned char>(c) >= 0x80; }

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool MatchesAt(std::string_view t, std::size_t at, std::string_view u, bool ignoreCase) {
    if (!ignoreCase) return t.compare(at, u.size(), u) == 0;
    for (std::size_t k = 0; k < u.size(); ++k)
        if (FoldAscii(t[at + k]) != FoldAscii(u[k])) return false;
    return true;
}

// The first index at or after from where u starts at a character boundary, or npos; from must be
// a boundary. A byte below 0x80 always ends a character, so an index is a boundary exactly when
// the run of lead-range bytes just before it, back to from, has even length. Scanning that run
// back to the last known boundary keeps the whole search linear.
std::size_t FindAtBoundary(std::string_view t, std::string_view u, std::size_t from) {
    for (std::size_t c = t.find(u, from); c != std::string_view::npos; c = t.find(u, from)) {
        std::size_t k = c;
        while (k > from && IsLead(t[k - 1])) --k;
        if ((c - k) % 2 == 0) return c;
        from = c + 1;  // c is the second byte of a character, so the next index is a boundary
    }
    return std::string_view::npos;
}

// Whether index at (after from, a boundary) starts a character.
bool IsBoundary(std::string_view t, std::size_t from, std::size_t at) {
    std::size_t k = at;
    while (k > from && IsLead(t[k - 1])) --k;
    return (at - k) % 2 == 0;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr unsigned char FullWidthLead = 0xA3;  // A3 A1..A3 FE: full-width forms of 0x21..0x7E
constexpr unsigned char BlankByte = 0xA1;      // A1 A1: the full-width space

// Full-width digits, signs and the full-width space become their ASCII forms.
Text FoldFullWidth(std::string_view t) {
    Text out;
    out.reserve(t.size());
    for (std::size_t i = 0; i < t.size();) {
        const auto c = static_cast<unsigned char>(t[i]);
        if (c < 0x80 || i + 1 == t.size()) {
            out += t[i++];
            continue;
        }
        const auto d = static_cast<unsigned char>(t[i + 1]);
        if (c == FullWidthLead && d >= 0xA1 && d <= 0xFE) {
            out += static_cast<char>(d - 0x80);
        } else if (c == BlankByte && d == BlankByte) {
            out += ' ';
        } else {
            out += t.substr(i, 2);
        }
        i += 2;
    }
    return out;
}

}  // namespace

int TextLength(std::string_view t) {
    return t.size() > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(t.size());
}

Text LeftText(std::string_view t, int count) {
    if (count <= 0) return {};
    return Text(t.substr(0, static_cast<std::size_t>(count)));
}

Text MidText(std::string_view t, int start, int count) {
    const long long p = static_cast<long long>(start) - 1;  // start may be INT_MIN
    if (p < 0 || static_cast<unsigned long long>(p) >= t.size() || count <= 0) return {};
    return Text(t.substr(static_cast<std::size_t>(p), static_cast<std::size_t>(count)));
}

int FindText(std::string_view t, std::string_view sub, int start, bool ignoreCase) {
    const std::size_t from = start <= 1 ? 0 : static_cast<std::size_t>(start) - 1;
    if (from >= t.size()) return -1;
    if (sub.empty()) return 1;
    if (!ignoreCase) {
        const std::size_t at = FindAtBoundary(t, sub, from);
        return at == std::string_view::npos ? -1 : static_cast<int>(at + 1);
    }
    std::size_t i = from;
    while (t.size() - i >= sub.size()) {
        if (MatchesAt(t, i, sub, ignoreCase)) return static_cast<int>(i + 1);
        if (IsLead(t[i])) {
            if (i + 1 == t.size()) break;  // a lone lead byte ends the search
            i += 2;
        } else {
            i += 1;
        }
    }
    return -1;
}

Text ReplaceSubtext(std::string_view t, std::string_view sub, std::string_view replacement) {
    if (t.empty() || sub.empty()) return Text(t);
    Text out;
    out.reserve(t.size());
    std::size_t i = 0;
    for (std::size_t at = FindAtBoundary(t, sub, 0); at != std::string_view::npos;
         at = FindAtBoundary(t, sub, i)) {
        out.append(t, i, at - i);
        out += replacement;
        i = at + sub.size();
    }
    // A lone lead byte at the very end is not a character: it is dropped. Only a one-byte
    // pattern walks that far; a longer one leaves its last bytes to be copied as they are.
    std::size_t end = t.size();
    if (sub.size() == 1 && end > i && IsLead(t[end - 1]) && IsBoundary(t, i, end - 1)) --end;
    out.append(t, i, end - i);
    return out;
}

Text TrimBoth(std::string_view t) {
    const std::size_t n = t.size();
    auto blankPairAt = [&](std::size_t i) {
        return i + 1 < n && static_cast<unsigned char>(t[i]) == BlankByte &&
               static_cast<unsigned char>(t[i + 1]) == BlankByte;
    };
    std::size_t begin = 0;
    while (begin < n) {
        if (t[begin] == ' ') begin += 1;
        else if (blankPairAt(begin)) begin += 2;
        else break;
    }
    constexpr std::size_t NoRun = std::string_view::npos;
    std::size_t runStart = NoRun;
    for (std::size_t i = begin; i < n;) {
        if (t[i] == ' ' || blankPairAt(i)) {
            if (runStart == NoRun) runStart = i;
            i += t[i] == ' ' ? 1 : 2;
        } else if (IsLead(t[i])) {
            // A lone lead byte at the end is cut instead, and the blanks before it stay.
            if (i + 1 == n) return Text(t.substr(begin, i - begin));
            runStart = NoRun;
            i += 2;
        } else {
            runStart = NoRun;
            i += 1;
        }
    }
    const std::size_t end = runStart == NoRun ? n : runStart;
    return Text(t.substr(begin, end - begin));
}

std::vector<Text> SplitText(std::string_view t, std::string_view separator) {
    std::vector<Text> pieces;
    if (t.empty()) return pieces;
    if (separator.empty()) {
        pieces.emplace_back(t);
        return pieces;
    }
    std::size_t pieceStart = 0;
    for (std::size_t at = FindAtBoundary(t, separator, 0); at != std::string_view::npos;
         at = FindAtBoundary(t, separator, pieceStart)) {
        pieces.emplace_back(t.substr(pieceStart, at - pieceStart));
        pieceStart = at + separator.size();
    }
    // A separator at the very end leaves no empty last piece.
    if (pieceStart < t.size()) pieces.emplace_back(t.substr(pieceStart));
    return pieces;
}

double ToNumber(std::string_view t) {
    const Text s = FoldFullWidth(t);
    const std::size_t n = s.size();
    std::size_t i = 0;
    while (i < n && IsWhiteSpace(s[i])) ++i;
    bool negative = false;
    if (i < n && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';

    const std::size_t intBegin = i;
    while (i < n && IsDigit(s[i])) ++i;
    const std::string_view intDigits(s.data() + intBegin, i - intBegin);
    std::string_view fracDigits;
    if (i < n && s[i] == '.') {
        const std::size_t fracBegin = ++i;
        while (i < n && IsDigit(s[i])) ++i;
        fracDigits = std::string_view(s.data() + fracBegin, i - fracBegin);
    }
    if (intDigits.empty() && fracDigits.empty()) return 0.0;

    // The exponent counts only when its letter is followed by at least one digit.
    bool expNegative = false;
    std::string_view expDigits;
    if (i < n && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        bool minus = false;
        if (j < n && (s[j] == '+' || s[j] == '-')) minus = s[j++] == '-';
        const std::size_t expBegin = j;
        while (j < n && IsDigit(s[j])) ++j;
        if (j > expBegin) {
            expNegative = minus;
            expDigits = std::string_view(s.data() + expBegin, j - expBegin);
        }
    }

    // A clean ASCII copy for std::from_chars, which rounds correctly and ignores the locale.
    Text clean;
    clean.reserve(intDigits.size() + fracDigits.size() + expDigits.size() + 4);
    clean += intDigits.empty() ? std::string_view("0") : intDigits;
    if (!fracDigits.empty()) {
        clean += '.';
        clean += fracDigits;
    }
    if (!expDigits.empty()) {
        clean += expNegative ? "e-" : "e";
        clean += expDigits;
    }

    double value = 0.0;
    const auto [ptr, ec] =
        std::from_chars(clean.data(), clean.data() + clean.size(), value, std::chars_format::general);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        // Beyond the range of a double: too large gives infinity, too small gives zero (both
        // keep the sign). The decimal exponent of the leading significant digit tells which.
        const Text digits = Text(intDigits) + Text(fracDigits);
        const std::size_t lead = digits.find_first_not_of('0');
        if (lead == Text::npos) return 0.0;
        long long exp10 = 0;
        for (char c : expDigits) {
            if (exp10 > 1'000'000'000'000LL) break;  // saturate; only the sign of the sum matters
            exp10 = exp10 * 10 + (c - '0');
        }
        if (expNegative) exp10 = -exp10;
        const long long leadExp =
            static_cast<long long>(intDigits.size()) - 1 - static_cast<long long>(lead) + exp10;
        value = leadExp > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (ec != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

std::int32_t ToInt(double x) {
    // Casting a double outside the range of int64 is undefined, so those values are caught first.
    constexpr double TwoPow63 = 9223372036854775808.0;
    if (std::isnan(x) || !(std::fabs(x) < TwoPow63)) return 0;
    const auto wide = static_cast<std::int64_t>(x);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(wide));
}

Text NumberToText(std::int32_t i) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, i);
    return Text(buffer, result.ptr);
}

Text BytesToText(std::string bytes) {
    const size_t zero = bytes.find('\0');
    if (zero != std::string::npos) bytes.resize(zero);
    return bytes;
}

Text ConcatText(std::initializer_list<std::string_view> pieces) {
    Text out;
    for (std::string_view piece : pieces) out += piece;
    return out;
}

bool TextEquals(std::string_view a, std::string_view b) { return a == b; }
