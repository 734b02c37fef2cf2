#pragma once
// The stand-in browser (tools/fake_browser), copied into a folder of the test's own so that its
// log is the test's alone, and the log read back: one line per start, with the command line and
// each argument as the started program saw them.
#include <string>
#include <string_view>
#include <vector>

#include "fake_browser/utf8.h"

namespace testing_support {

class FakeBrowser {
public:
    // folderName: a name under the temporary folder; exeName: the copy's file name.
    explicit FakeBrowser(std::wstring_view folderName, std::wstring_view exeName = L"browser.exe");
    ~FakeBrowser();
    FakeBrowser(const FakeBrowser&) = delete;
    FakeBrowser& operator=(const FakeBrowser&) = delete;

    bool copied() const { return copied_; }
    const std::wstring& folder() const { return folder_; }
    const std::wstring& exe() const { return exe_; }
    void ClearLog() const;
    // A file of the test's own in the folder, removed with it.
    std::wstring WriteFile(std::wstring_view name, std::string_view content);

    // The fields of the first logged start (command line, then each argument, in UTF-8), waiting
    // for it up to a deadline; empty if none came.
    std::vector<std::string> WaitForStart(int timeoutMs = 20000) const;

private:
    std::string ReadLog() const;

    std::wstring folder_, exe_, log_;
    std::vector<std::wstring> extraFiles_;
    bool copied_ = false;
};

using fake_browser::Utf8;
std::string LowerAscii(std::string s);

}  // namespace testing_support
