#include "detail/browser_launch.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(IsSafeBrowserAddress, AcceptsAbsoluteWebAddresses) {
    const std::string longest = "http://a.example/" + std::string(MaxBrowserAddressLength - 17, 'x');
    const char* const accepted[] = {
        "http://www.bet365.com/",
        "https://sports.example.com/zh-cn/odds?id=7&lang=zh",
        "HTTP://EXAMPLE.COM",
        "hTtPs://example.com:8080/a/b",
        "http://127.0.0.1/",
        "http://example.com/%E4%B8%AD?a=1&b=2|c^d'e",
        "http://user@example.com/#frag",
    };
    for (const char* address : accepted) EXPECT_TRUE(IsSafeBrowserAddress(address)) << address;
    EXPECT_TRUE(IsSafeBrowserAddress(longest));
}

TEST(IsSafeBrowserAddress, RejectsEverythingElse) {
    const std::string tooLong = "http://a.example/" + std::string(MaxBrowserAddressLength - 16, 'x');
    const std::string withZero("http://a.example/\0x", 19);
    const std::string cases[] = {
        "",
        "--gpu-launcher=calc.exe",
        "--GPU-LAUNCHER=calc.exe",
        "/renderer-cmd-prefix=calc.exe",
        "-Utility-Cmd-Prefix=calc.exe",
        "http://x.example/ --gpu-launcher=calc.exe",
        "http://x.example/\t--gpu-launcher=calc.exe",
        "http://x.example/\" --renderer-cmd-prefix=calc.exe \"",
        "http://x.example/\\\" --utility-cmd-prefix=calc.exe",
        "http://x.example/\\",
        "http://x.example/\r\n--gpu-launcher=calc.exe",
        "http://x.example/\x7f",
        "http://x.example/\x1b",
        withZero,
        "http://\xc0\xfd.example/",  // non-ASCII bytes
        "javascript:alert(1)",
        "JavaScript://example.com/%0aalert(1)",
        "file:///C:/Windows/System32/calc.exe",
        "\\\\attacker.example\\share\\x.exe",
        "//attacker.example/share",
        "C:\\Windows\\System32\\calc.exe",
        "calc.exe",
        "http:example.com",
        "http:/example.com",
        "http://",
        "http:///etc/passwd",
        "http://?q",
        "https//example.com",
        "ftp://example.com/",
        "httpx://example.com/",
        " http://example.com/",
        "http://example.com/ ",
        tooLong,
    };
    for (const std::string& address : cases) EXPECT_FALSE(IsSafeBrowserAddress(address)) << address;
}

TEST(QuoteCommandLineArgument, EscapesQuotesAndTheBackslashesBeforeThem) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"", R"("")"},
        {"http://a.example/", R"("http://a.example/")"},
        {"a b\tc", "\"a b\tc\""},
        {R"(say "hi")", R"("say \"hi\"")"},
        {R"(a\b)", R"("a\b")"},
        {R"(a\\b)", R"("a\\b")"},
        {R"(a\")", R"("a\\\"")"},
        {R"(a\\")", R"("a\\\\\"")"},
        {R"(dir\)", R"("dir\\")"},
        {R"(dir\\)", R"("dir\\\\")"},
        {R"(" --gpu-launcher=x ")", R"("\" --gpu-launcher=x \"")"},
        // A GBK character whose trail byte is 0x5C stays one character, not a backslash.
        {"\x81\x5c\"", "\"\x81\x5c\\\"\""},
        {"\x81\x5c", "\"\x81\x5c\""},
    };
    for (const auto& c : cases) EXPECT_EQ(QuoteCommandLineArgument(c.in), c.out) << c.in;
}

TEST(IsBatchFile, MatchesBatchAndCommandFilesHoweverSpelled) {
    const char* const batch[] = {
        "C:\\x\\run.bat", "C:\\x\\RUN.BAT", "run.Cmd", "run.bat.", "run.bat...", "run.cmd ",
        "run.bat . .", "C:\\x y\\run.bat\r\n", ".bat",
    };
    const char* const notBatch[] = {
        "", "C:\\Program Files\\Browser\\browser.exe", "C:\\x\\run.bat.exe", "C:\\x\\bat",
        "C:\\x\\runbat", "C:\\x\\run.lnk", "C:\\x\\run.ba", "C:\\x\\run.cmdx", "C:\\x.bat\\browser.exe",
    };
    for (const char* path : batch) EXPECT_TRUE(IsBatchFile(path)) << path;
    for (const char* path : notBatch) EXPECT_FALSE(IsBatchFile(path)) << path;
}

TEST(BrowserParameters, QuotedSafeAddressOrNothing) {
    const char* browser = "C:\\Program Files\\Browser\\browser.exe";
    EXPECT_EQ(BrowserParameters(browser, "http://a.example/x?y=1&z=%41"), "\"http://a.example/x?y=1&z=%41\"");
    EXPECT_EQ(BrowserParameters(browser, "HTTPS://A.EXAMPLE"), "\"HTTPS://A.EXAMPLE\"");
    EXPECT_EQ(BrowserParameters(browser, ""), "");
    EXPECT_EQ(BrowserParameters(browser, "--gpu-launcher=calc.exe"), "");
    EXPECT_EQ(BrowserParameters(browser, "http://a.example/ --gpu-launcher=calc.exe"), "");
    EXPECT_EQ(BrowserParameters("C:\\x\\open.bat", "http://a.example/"), "");
    EXPECT_EQ(BrowserParameters("C:\\x\\open.CMD. ", "http://a.example/&calc"), "");
}

}  // namespace
