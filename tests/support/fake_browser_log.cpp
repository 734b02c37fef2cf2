#include "fake_browser_log.h"

#include <windows.h>

#include "win/gbk.h"
#include "win/handles.h"

namespace testing_support {
namespace {

std::vector<std::string> Fields(const std::string& line) {
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

}  // namespace

FakeBrowser::FakeBrowser(std::wstring_view folderName, std::wstring_view exeName) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + std::wstring(folderName) + L" " + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder_.c_str(), nullptr);
    exe_ = folder_ + L"\\" + std::wstring(exeName);
    log_ = exe_ + L".log";
    std::string source = FAKE_BROWSER_EXE;
    // The build runs on Linux; Wine sees its root as drive Z:.
    if (!source.empty() && source.front() == '/') source = "Z:" + source;
    for (char& c : source) {
        if (c == '/') c = '\\';
    }
    copied_ = CopyFileW(WideFromGbk(source).c_str(), exe_.c_str(), FALSE) != 0;
}

FakeBrowser::~FakeBrowser() {
    for (const std::wstring& file : extraFiles_) DeleteFileW(file.c_str());
    DeleteFileW(log_.c_str());
    DeleteFileW(exe_.c_str());
    RemoveDirectoryW(folder_.c_str());
}

void FakeBrowser::ClearLog() const { DeleteFileW(log_.c_str()); }

std::wstring FakeBrowser::WriteFile(std::wstring_view name, std::string_view content) {
    const std::wstring path = folder_ + L"\\" + std::wstring(name);
    const win::UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        ::WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    }
    extraFiles_.push_back(path);
    return path;
}

std::vector<std::string> FakeBrowser::WaitForStart(int timeoutMs) const {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    while (GetTickCount64() < deadline) {
        const std::string log = ReadLog();
        const std::size_t end = log.find('\n');
        if (end != std::string::npos) return Fields(log.substr(0, end));
        Sleep(20);
    }
    return {};
}

std::string FakeBrowser::ReadLog() const {
    const win::UniqueHandle file(CreateFileW(log_.c_str(), GENERIC_READ,
                                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string content;
    if (file.get() == INVALID_HANDLE_VALUE) return content;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) content.append(buffer, got);
    return content;
}

std::string LowerAscii(std::string s) {
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

}  // namespace testing_support
