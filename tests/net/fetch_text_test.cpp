// FetchText against scripted servers on 127.0.0.1: what it sends, and what each kind of answer
// becomes.
#include "net/fetch_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scripted_server.h"

namespace ts = testing_support;

namespace {

std::string Fetch(const ts::ScriptedServer& server, const std::string& target) {
    return FetchText(server.Url(target));
}

// The header lines of a raw request, the request line first.
std::vector<std::string> Lines(const std::string& request) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = request.find("\r\n", start)) != std::string::npos; start = end + 2) {
        if (end == start) break;
        lines.push_back(request.substr(start, end - start));
    }
    return lines;
}

struct AnswerCase {
    const char* name;
    ts::Behaviour behaviour;
    std::string expected;
};

const std::string Page404 = "<html><body><h1>404 Not Found</h1></body></html>";
const std::string Page500 = "<html><body>500 Internal Server Error</body></html>";
const std::string Headers = "Content-Type: text/plain\r\n";

std::vector<AnswerCase> AnswerCases() {
    return {
        {"200 with Content-Length", ts::Http(200, "feed body"), "feed body"},
        {"200 without Content-Length", ts::Http(200, Headers, "until the server closes"),
         "until the server closes"},
        {"Content-Length 0, no body", ts::Http(200, "Content-Length: 0\r\n", ""), ""},
        // With the connection closing, the HTTP layer delivers every byte the server sent, and
        // the whole body is the answer whatever Content-Length said.
        {"Content-Length 0, bytes follow", ts::Http(200, "Content-Length: 0\r\n", "stray"), "stray"},
        {"Content-Length smaller than the body", ts::Http(200, "Content-Length: 4\r\n", "abcdefgh"),
         "abcdefgh"},
        {"Content-Length larger than the body", ts::Http(200, "Content-Length: 20\r\n", "abcdefgh"), ""},
        {"60 KB with Content-Length, read whole", ts::Http(200, std::string(60000, 'f')),
         std::string(60000, 'f')},
        {"404 with an HTML page", ts::Http(404, Page404), Page404},
        {"500 with an HTML page", ts::Http(500, Page500), Page500},
        {"zero byte in the body", ts::Http(200, std::string("abc\0def", 7)), "abc"},
        {"GBK bytes pass unchanged", ts::Http(200, "\xC0\xFB\xC8\xF3:1.74="), "\xC0\xFB\xC8\xF3:1.74="},
        {"reset half-way with Content-Length",
         ts::ResetAfter("HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\nhalf of it"), ""},
        // Without Content-Length a cut is not always detectable: Wine's HTTP layer ends such a
        // body quietly at a reset once bytes have arrived, and a plain close is a normal end.
        {"closed half-way without Content-Length (looks complete)",
         ts::Respond("HTTP/1.0 200 OK\r\n\r\nhalf of it"), "half of it"},
        {"stalls half-way", [] {
             ts::Behaviour b = ts::Respond("HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\nhalf");
             b.hang = true;
             return b;
         }(), ""},
        {"slow but steady", ts::Slowly("HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\nslow!", 5), "slow!"},
        {"accepts and never answers", ts::NeverAnswer(), ""},
    };
}

TEST(FetchText, EachKindOfAnswerBecomesTheExpectedText) {
    for (const AnswerCase& c : AnswerCases()) {
        ts::ScriptedServer server({c.behaviour});
        ASSERT_TRUE(server.Listening()) << c.name;
        EXPECT_EQ(Fetch(server, "/777.asp"), c.expected) << c.name;
        EXPECT_EQ(server.Requests().size(), 1u) << c.name;
    }
}

TEST(FetchText, SendsAPlainHttp10GetWithTheTargetCutAtTheFragment) {
    struct { const char* target; const char* requestLine; } cases[] = {
        {"/777.asp", "GET /777.asp HTTP/1.0"},
        {"/999.txt#P01", "GET /999.txt HTTP/1.0"},
        {"/user.asp?a=8", "GET /user.asp?a=8 HTTP/1.0"},
        {"/user.asp?a=8#top", "GET /user.asp?a=8 HTTP/1.0"},
        {"", "GET / HTTP/1.0"},
    };
    for (const auto& c : cases) {
        ts::ScriptedServer server({ts::Http(200, "ok")});
        EXPECT_EQ(Fetch(server, c.target), "ok") << c.target;
        std::vector<std::string> requests = server.Requests();
        ASSERT_EQ(requests.size(), 1u) << c.target;
        std::vector<std::string> lines = Lines(requests[0]);
        ASSERT_FALSE(lines.empty()) << c.target;
        EXPECT_EQ(lines[0], c.requestLine);
        int agents = 0, accepts = 0;
        for (const std::string& line : lines) {
            if (line.rfind("User-Agent:", 0) == 0) {
                ++agents;
                EXPECT_EQ(line, "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)");
            }
            if (line.rfind("Accept:", 0) == 0) {
                ++accepts;
                EXPECT_NE(line.find("*/*"), std::string::npos) << line;
            }
            EXPECT_NE(line.rfind("Cookie", 0), 0u) << line;
        }
        EXPECT_EQ(agents, 1) << requests[0];
        EXPECT_GE(accepts, 1) << requests[0];
        EXPECT_EQ(requests[0].find("\r\n\r\n") + 4, requests[0].size()) << "no body expected";
    }
}

TEST(FetchText, FollowsARedirect) {
    ts::ScriptedServer server({ts::Redirect("/final.txt"), ts::Http(200, "arrived")});
    EXPECT_EQ(Fetch(server, "/777.asp"), "arrived");
    std::vector<std::string> requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(Lines(requests[1]).at(0), "GET /final.txt HTTP/1.0");
}

TEST(FetchText, NothingToReachGivesTheEmptyText) {
    int closedPort = 0;
    {
        ts::ScriptedServer gone({ts::Http(200, "never seen")});
        closedPort = gone.Port();
    }
    const std::string urls[] = {
        "http://127.0.0.1:" + std::to_string(closedPort) + "/777.asp",  // refused
        "http://no-such-host.invalid/777.asp",
        "",
        "not a url",
        "http://",
        "ftp://127.0.0.1/777.asp",
    };
    for (const std::string& url : urls) EXPECT_EQ(FetchText(url), "") << url;
}

TEST(FetchText, RefusesABodyBeyondTheLimit) {
    const std::string head = "HTTP/1.0 200 OK\r\n";
    ts::Behaviour declared = ts::Respond(head + "Content-Length: " +
                                         std::to_string(MaxBodyBytes + 1) + "\r\n\r\n");
    declared.fillerBytes = 1 << 20;  // the client gives up at the header
    ts::Behaviour streamed = ts::Respond(head + "\r\n");
    streamed.fillerBytes = MaxBodyBytes + 1;
    ts::Behaviour atLimit = ts::Respond(head + "\r\n");
    atLimit.fillerBytes = MaxBodyBytes;
    ts::ScriptedServer server({declared, streamed, atLimit});
    EXPECT_EQ(Fetch(server, "/777.asp"), "") << "declared too large";
    EXPECT_EQ(Fetch(server, "/777.asp"), "") << "streamed too large";
    EXPECT_EQ(Fetch(server, "/777.asp").size(), static_cast<std::size_t>(MaxBodyBytes)) << "at the limit";
}

}  // namespace
