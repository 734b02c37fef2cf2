// The browser's command line as Windows really parses it, and as a started program really sees it.
#include "detail/browser_launch.h"

#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_browser_log.h"
#include "win/gbk.h"

namespace {

std::vector<std::wstring> ParseCommandLine(const std::wstring& commandLine) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(commandLine.c_str(), &argc);
    std::vector<std::wstring> args;
    if (argv) {
        args.assign(argv, argv + argc);
        LocalFree(argv);
    }
    return args;
}

// Strings meant to break out of the quotes, end the argument early or start a second one.
const char* const kArguments[] = {
    "",
    "http://a.example/",
    "a b",
    "a\tb",
    "\"",
    "\"\"",
    "\\",
    "\\\\",
    "a\\",
    "a\\\\",
    "a\\\"b",
    "a\\\\\"b",
    "\\\"",
    "\" --gpu-launcher=calc.exe \"",
    "x\" \"--renderer-cmd-prefix=calc.exe",
    "x\\\" /utility-cmd-prefix=calc.exe \\",
    "C:\\Program Files\\x\\",
    "\"C:\\Program Files\\x\\\"",
    "%PATH% & calc | more ^ x",
    "  leading and trailing  ",
    "中文 \"足球\" 让球\\",
    "\x81\x5c\"",  // a GBK character whose trail byte is a backslash, then a quote
    "\x81\x5c",
};

TEST(QuoteCommandLineArgument, ParsesBackToExactlyOneArgument) {
    for (const char* argument : kArguments) {
        SCOPED_TRACE(argument);
        const std::wstring commandLine = L"browser.exe " + WideFromGbk(QuoteCommandLineArgument(argument));
        const std::vector<std::wstring> args = ParseCommandLine(commandLine);
        ASSERT_EQ(args.size(), 2u);
        EXPECT_EQ(args[1], WideFromGbk(argument));
    }
}

using testing_support::FakeBrowser;
using testing_support::LowerAscii;
using testing_support::Utf8;

TEST(BrowserLaunch, StartedBrowserSeesTheAddressAsItsOnlyArgument) {
    FakeBrowser browser(L"corvanta browser");
    ASSERT_TRUE(browser.copied());
    const std::string exe = Utf8(browser.exe());
    const char* const addresses[] = {
        "http://a.example/",
        "HTTPS://A.EXAMPLE:8443/zh-cn/sports?id=7&lang=zh|x^y",
        // No shell expands variables in a non-batch program's parameters.
        "http://a.example/%PATH%/%E4%B8%AD",
        // Unsafe: the browser starts with no argument at all.
        "http://a.example/\" --gpu-launcher=calc.exe \"",
        "--renderer-cmd-prefix=calc.exe",
        "",
    };
    for (const char* address : addresses) {
        SCOPED_TRACE(address);
        browser.ClearLog();
        const Text parameters = BrowserParameters(GbkFromWide(browser.exe()), address);
        const std::wstring wideParameters = WideFromGbk(parameters);
        const auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(
            nullptr, nullptr, browser.exe().c_str(), wideParameters.c_str(), L"", SW_SHOWMINIMIZED));
        ASSERT_GT(result, 32);
        const std::vector<std::string> fields = browser.WaitForStart();
        ASSERT_GE(fields.size(), 2u) << "the browser did not log a start";
        const std::vector<std::string> args(fields.begin() + 1, fields.end());
        EXPECT_EQ(LowerAscii(args[0]), LowerAscii(exe)) << "command line: " << fields[0];
        if (IsSafeBrowserAddress(address)) {
            ASSERT_EQ(args.size(), 2u) << "command line: " << fields[0];
            EXPECT_EQ(args[1], address);
        } else {
            EXPECT_EQ(args.size(), 1u) << "command line: " << fields[0];
        }
    }
}

}  // namespace
