#include "win/window_text.h"

#include <string>

#include "win/gbk.h"

namespace win {

void SetText(HWND window, std::string_view gbk) {
    const std::wstring wide = WideFromGbk(gbk);
    SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

Text GetText(HWND window) {
    const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0) return {};
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    const auto copied = SendMessageW(window, WM_GETTEXT, wide.size(), reinterpret_cast<LPARAM>(wide.data()));
    wide.resize(static_cast<size_t>(copied < 0 ? 0 : copied));
    return GbkFromWide(wide);
}

}  // namespace win
