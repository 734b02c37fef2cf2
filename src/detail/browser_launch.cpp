#include "detail/browser_launch.h"

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (LowerAscii(text[i]) != prefix[i]) return false;
    }
    return true;
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && StartsWithNoCase(text.substr(text.size() - suffix.size()), suffix);
}

bool IsAllowedAddressByte(unsigned char c) {
    // Printable ASCII without the blank, and without the two bytes that change how a Windows
    // command line splits.
    return c > 0x20 && c < 0x7F && c != '"' && c != '\\';
}

bool IsGbkLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

}  // namespace

bool IsSafeBrowserAddress(std::string_view address) {
    if (address.size() > MaxBrowserAddressLength) return false;
    for (char c : address) {
        if (!IsAllowedAddressByte(static_cast<unsigned char>(c))) return false;
    }
    std::string_view rest;
    if (StartsWithNoCase(address, "http://")) {
        rest = address.substr(7);
    } else if (StartsWithNoCase(address, "https://")) {
        rest = address.substr(8);
    } else {
        return false;
    }
    // An absolute address names a host.
    return !rest.empty() && rest.front() != '/' && rest.front() != '?' && rest.front() != '#';
}

Text QuoteCommandLineArgument(std::string_view argument) {
    Text out = "\"";
    std::size_t backslashes = 0;
    for (std::size_t i = 0; i < argument.size(); ++i) {
        const char c = argument[i];
        if (c == '\\') {
            ++backslashes;
            out += c;
            continue;
        }
        if (c == '"') {
            // Backslashes before a quote are escapes: double them, then escape the quote.
            out.append(backslashes + 1, '\\');
        }
        backslashes = 0;
        out += c;
        if (IsGbkLeadByte(static_cast<unsigned char>(c)) && i + 1 < argument.size()) {
            out += argument[++i];
        }
    }
    // Trailing backslashes would escape the closing quote.
    out.append(backslashes, '\\');
    out += '"';
    return out;
}

bool IsBatchFile(std::string_view path) {
    // Windows drops trailing dots and blanks from a file name; control bytes are stripped as well,
    // to err on the side of calling a file a batch file.
    while (!path.empty()) {
        const unsigned char last = static_cast<unsigned char>(path.back());
        if (last != '.' && last > 0x20) break;
        path.remove_suffix(1);
    }
    return EndsWithNoCase(path, ".bat") || EndsWithNoCase(path, ".cmd");
}

Text BrowserParameters(std::string_view browserPath, std::string_view address) {
    if (IsBatchFile(browserPath) || !IsSafeBrowserAddress(address)) return {};
    return QuoteCommandLineArgument(address);
}
