#include "detail/bookmaker_navigation.h"

#include <ole2.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cwctype>
#include <memory>

#include "app/globals.h"
#include "app/main_window.h"
#include "detail/browser_drop.h"
#include "detail/browser_launch.h"
#include "win/gbk.h"

namespace {

// The dropped files as the shell gave them; BrowserPath is their GBK text.
std::wstring g_browserPathWide;

void RealShellExecute(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                      const wchar_t* directory, int show) {
    ShellExecuteW(owner, verb, file, parameters, directory, show);
}

ShellOpenFunction g_shellExecute = RealShellExecute;

// Windows ignores trailing dots and blanks in a file name.
bool IsShortcut(std::wstring path) {
    while (!path.empty() && (path.back() == L'.' || path.back() == L' ')) path.pop_back();
    if (path.size() < 4) return false;
    std::wstring extension = path.substr(path.size() - 4);
    for (wchar_t& c : extension) c = static_cast<wchar_t>(std::towlower(c));
    return extension == L".lnk";
}

template <typename T>
struct ComReleaser {
    void operator()(T* p) const {
        if (p) p->Release();
    }
};
template <typename T>
using ComPtr = std::unique_ptr<T, ComReleaser<T>>;

// The file a shortcut starts, or the empty string when it cannot be read.
std::wstring ShortcutTarget(const std::wstring& shortcut) {
    IShellLinkW* rawLink = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&rawLink))))
        return {};
    const ComPtr<IShellLinkW> link(rawLink);
    IPersistFile* rawFile = nullptr;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&rawFile)))) return {};
    const ComPtr<IPersistFile> file(rawFile);
    if (FAILED(file->Load(shortcut.c_str(), STGM_READ))) return {};
    wchar_t target[MAX_PATH + 1] = {};
    if (link->GetPath(target, MAX_PATH, nullptr, 0) != S_OK) return {};
    return target;
}

// The file whose kind decides whether the address may be passed; empty when it is unknown.
std::wstring LaunchedFile(const std::wstring& path) {
    if (!IsShortcut(path)) return path;
    std::wstring target = ShortcutTarget(path);
    // A shortcut to a shortcut is not followed further.
    if (target.empty() || IsShortcut(target)) return {};
    return target;
}

}  // namespace

bool ArmBrowserDrop(HWND mainWindow) { return AcceptFileDrops(mainWindow, StoreBrowserPath); }

void StoreBrowserPath(const std::vector<std::wstring>& paths) {
    globals::BrowserPath = DroppedFilesText(paths);
    g_browserPathWide.clear();
    if (paths.size() == 1) {
        g_browserPathWide = paths.front();
    } else {
        for (const std::wstring& path : paths) g_browserPathWide += path + L"\r\n";
    }
}

std::wstring LaunchParameters(const std::wstring& browserPath, const Text& address) {
    const std::wstring launched = LaunchedFile(browserPath);
    if (launched.empty()) return {};
    return WideFromGbk(BrowserParameters(GbkFromWide(launched), address));
}

void OpenBookmakerPage(MainWindow& window, const Text& address) {
    if (TextEquals(globals::BrowserPath, "")) {
        window.ShowNotice(NoBrowserNotice, NoBrowserNoticeTitle);
        return;
    }
    // The wide copy only while it still belongs to BrowserPath.
    const std::wstring file = GbkFromWide(g_browserPathWide) == globals::BrowserPath
                                  ? g_browserPathWide
                                  : WideFromGbk(globals::BrowserPath);
    const std::wstring parameters = LaunchParameters(file, address);
    // No verb: the file's default action. Whatever the shell answers is not shown.
    g_shellExecute(nullptr, nullptr, file.c_str(), parameters.c_str(), L"", SW_SHOWMINIMIZED);
}

void SetBrowserShellExecuteForTest(ShellOpenFunction function) {
    g_shellExecute = function ? function : RealShellExecute;
}
