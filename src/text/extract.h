// Reading a marked field out of a server text.
#pragma once

#include "text/text.h"

// The text after the first occurrence of startMarker (searched from start) and before the next
// endMarker; empty when either is missing. "#引号" in a marker stands for a double quote.
Text ExtractBetween(std::string_view source, std::string_view startMarker,
                    std::string_view endMarker, int start = 0, bool ignoreCase = false);
