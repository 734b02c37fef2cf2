// A control's text in and out as GBK, converted to and from UTF-16 at this boundary only.
#pragma once

#include <windows.h>

#include <string_view>

#include "text/text.h"

namespace win {

void SetText(HWND window, std::string_view gbk);
// The whole text, whatever its length.
Text GetText(HWND window);

}  // namespace win
