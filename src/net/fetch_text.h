#pragma once
// The one way the program reads from a server: GET a URL and take the body as text.
#include <string_view>

#include "text/text.h"

// Blocks the calling thread until the body has been read or the attempt has failed. Any failure,
// a body cut short or one beyond MaxBodyBytes included, gives the empty text. The status is not
// examined: an error page's body is returned like any other. Safe to call from several threads.
Text FetchText(std::string_view url);

// Larger bodies are refused rather than held in memory.
inline constexpr long long MaxBodyBytes = 64LL * 1024 * 1024;
