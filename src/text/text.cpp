#include "text/text.h"

Text BytesToText(std::string_view bytes) {
    return Text(bytes.substr(0, bytes.find('\0')));
}

Text ConcatText(std::initializer_list<std::string_view> pieces) {
    Text out;
    for (std::string_view piece : pieces) out += piece;
    return out;
}

bool TextEquals(std::string_view a, std::string_view b) { return a == b; }
