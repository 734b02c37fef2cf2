// The browser's command line as Windows really parses it, and as a started program really sees it.
#include "detail/browser_launch.h"

#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win/gbk.h"
#include "win/handles.h"

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

// The fake browser, copied into a folder of this test's own so that its log is ours alone.
class FakeBrowser {
public:
    FakeBrowser() {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + L"corvanta browser " + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(folder_.c_str(), nullptr);
        exe_ = folder_ + L"\\browser.exe";
        log_ = exe_ + L".log";
        std::string source = FAKE_BROWSER_EXE;
        // The build runs on Linux; Wine sees its root as drive Z:.
        if (!source.empty() && source.front() == '/') source = "Z:" + source;
        for (char& c : source) {
            if (c == '/') c = '\\';
        }
        copied_ = CopyFileW(WideFromGbk(source).c_str(), exe_.c_str(), FALSE) != 0;
    }
    ~FakeBrowser() {
        DeleteFileW(log_.c_str());
        DeleteFileW(exe_.c_str());
        RemoveDirectoryW(folder_.c_str());
    }

    bool copied() const { return copied_; }
    const std::wstring& exe() const { return exe_; }
    void ClearLog() const { DeleteFileW(log_.c_str()); }

    // The fields of the first logged start, waiting for it up to a deadline; empty if none came.
    std::vector<std::string> WaitForStart() const {
        const ULONGLONG deadline = GetTickCount64() + 20000;
        while (GetTickCount64() < deadline) {
            const std::string log = ReadLog();
            const std::size_t end = log.find('\n');
            if (end != std::string::npos) return Fields(log.substr(0, end));
            Sleep(20);
        }
        return {};
    }

private:
    std::string ReadLog() const {
        const win::UniqueHandle file(CreateFileW(log_.c_str(), GENERIC_READ,
                                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        std::string content;
        if (file.get() == INVALID_HANDLE_VALUE) return content;
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) content.append(buffer, got);
        return content;
    }

    static std::vector<std::string> Fields(const std::string& line) {
        std::vector<std::string> fields(1);
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '\t') {
                fields.emplace_back();
            } else if (line[i] == '\\' && i + 1 < line.size()) {
                const char e = line[++i];
                fields.back() += e == 't' ? '\t' : e == 'r' ? '\r' : e == 'n' ? '\n' : e;
            } else {
                fields.back() += line[i];
            }
        }
        return fields;
    }

    std::wstring folder_, exe_, log_;
    bool copied_ = false;
};

std::string Utf8(const std::wstring& wide) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::string LowerAscii(std::string s) {
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

TEST(BrowserLaunch, StartedBrowserSeesTheAddressAsItsOnlyArgument) {
    FakeBrowser browser;
    ASSERT_TRUE(browser.copied()) << FAKE_BROWSER_EXE;
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
