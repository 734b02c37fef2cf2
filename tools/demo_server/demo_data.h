#pragma once
// What the demo data server answers: realistic GBK texts that change with the time.
#include <cstdint>
#include <string>
#include <string_view>

namespace demo {

// now: seconds since 1970. The same second always gives the same feed.
std::string Feed(std::int64_t now);
std::string LinkMap();
std::string HandicapNotes();
std::string HomePage();

struct Answer {
    int status = 200;
    std::string contentType;
    std::string body;
};

// The answer to a GET of target (path and query as sent by the client).
Answer AnswerFor(std::string_view target, std::int64_t now);

}  // namespace demo
