// Conversion between the program's GBK texts and the UTF-16 of the wide Win32 functions. Used at
// the window-system and shell boundary only.
#pragma once

#include <string>
#include <string_view>

#include "text/text.h"

std::wstring WideFromGbk(std::string_view gbk);
Text GbkFromWide(std::wstring_view wide);
