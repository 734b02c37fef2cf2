// UTF-16 to UTF-8, shared by the stand-in browser that writes its log and the tests that read it.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace fake_browser {

inline std::string Utf8(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr, nullptr);
    return out;
}

}  // namespace fake_browser
