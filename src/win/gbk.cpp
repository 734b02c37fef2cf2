#include "win/gbk.h"

#include <windows.h>

#include <utility>

namespace {
constexpr UINT GbkCodePage = 936;
}

std::wstring WideFromGbk(std::string_view gbk) {
    if (gbk.empty()) return {};
    const int n = MultiByteToWideChar(GbkCodePage, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(GbkCodePage, 0, gbk.data(), static_cast<int>(gbk.size()), wide.data(), n);
    return wide;
}

Text GbkFromWide(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int n = WideCharToMultiByte(GbkCodePage, 0, wide.data(), static_cast<int>(wide.size()),
                                      nullptr, 0, nullptr, nullptr);
    Text gbk(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(GbkCodePage, 0, wide.data(), static_cast<int>(wide.size()), gbk.data(), n,
                        nullptr, nullptr);
    // A text never holds a zero byte; a control's text may.
    return BytesToText(std::move(gbk));
}
