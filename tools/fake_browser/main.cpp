// A stand-in for a web browser, for tests that start "the browser" through the shell. Each start
// appends one line to "<this exe's path>.log" and exits with status 0. The line holds the full
// command line, then each argument as CommandLineToArgvW splits it, all in UTF-8, separated by
// tabs; a backslash, tab, CR or LF inside a field is written as \\, \t, \r or \n.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <string_view>

#include "utf8.h"
#include "win/handles.h"

namespace {

using fake_browser::Utf8;

std::string Escaped(std::wstring_view field) {
    std::string out;
    for (char c : Utf8(field)) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '\t': out += "\\t"; break;
            case '\r': out += "\\r"; break;
            case '\n': out += "\\n"; break;
            default: out += c;
        }
    }
    return out;
}

std::wstring OwnPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const wchar_t* commandLine = GetCommandLineW();
    std::string line = Escaped(commandLine);
    int argc = 0;
    if (wchar_t** argv = CommandLineToArgvW(commandLine, &argc)) {
        for (int i = 0; i < argc; ++i) line += '\t' + Escaped(argv[i]);
        LocalFree(argv);
    }
    line += '\n';

    // One write per start, so lines of starts that overlap do not interleave.
    const win::UniqueHandle log(CreateFileW((OwnPath() + L".log").c_str(), FILE_APPEND_DATA,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (log.get() == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    WriteFile(log.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    return written == line.size() ? 0 : 1;
}
