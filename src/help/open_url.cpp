#include "help/open_url.h"

#include <shellapi.h>

#include <string>

#include "win/gbk.h"

namespace {

void RealShellOpen(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                   const wchar_t* directory, int show) {
    ShellExecuteW(owner, verb, file, parameters, directory, show);
}

ShellOpenFunction g_shellOpen = RealShellOpen;

}  // namespace

void SetShellOpenForTest(ShellOpenFunction function) { g_shellOpen = function ? function : RealShellOpen; }

void OpenUrl(std::string_view address) {
    const std::wstring file = WideFromGbk(address);
    // An open Internet Explorer window, when there is one, owns whatever the shell shows; the
    // address usually ends up in it.
    HWND owner = FindWindowW(nullptr, L"Microsoft Internet Explorer");
    g_shellOpen(owner, L"open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
