// Text and number primitives. A text is a GBK byte string that never holds a zero byte; positions
// are 1-based byte positions, -1 means "not found". Searching, replacing, splitting and trimming
// step over a byte of 0x80 or above together with the byte after it, so they only match at
// character boundaries. No function here converts character sets or reads regional settings.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

using Text = std::string;

int TextLength(std::string_view t);
Text LeftText(std::string_view t, int count);
Text MidText(std::string_view t, int start, int count);
// start <= 0 searches from the first byte; ignoreCase folds ASCII letters only.
int FindText(std::string_view t, std::string_view sub, int start = 1, bool ignoreCase = false);
Text ReplaceSubtext(std::string_view t, std::string_view sub, std::string_view replacement);
Text TrimBoth(std::string_view t);
std::vector<Text> SplitText(std::string_view t, std::string_view separator);
double ToNumber(std::string_view t);
std::int32_t ToInt(double x);
Text NumberToText(std::int32_t i);
// The bytes up to the first zero byte.
// Taken by value so that a buffer moved in becomes the text without a second copy.
Text BytesToText(std::string bytes);
Text ConcatText(std::initializer_list<std::string_view> pieces);
bool TextEquals(std::string_view a, std::string_view b);
