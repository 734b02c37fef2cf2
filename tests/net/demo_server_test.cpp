// The demo data server, started as its own process on a free port, read with FetchText.
#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "feed/record.h"
#include "net/endpoints.h"
#include "net/fetch_text.h"
#include "win/handles.h"

namespace {

// A port nobody listens on right now: bind to port 0 and take what the system gives.
int FreePort() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int size = sizeof address;
    int port = 0;
    if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        getsockname(s, reinterpret_cast<sockaddr*>(&address), &size) == 0)
        port = ntohs(address.sin_port);
    closesocket(s);
    WSACleanup();
    return port;
}

// The server process, ended when the test ends; its log goes nowhere, so it cannot hold the
// test's output open.
class DemoServer {
public:
    explicit DemoServer(int port) {
        std::wstring command = L"\"" CORVANTA_DEMO_SERVER L"\" --port " + std::to_wstring(port);
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        nul_.reset(CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr));
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = startup.hStdError = nul_.get();
        PROCESS_INFORMATION info{};
        if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                           nullptr, &startup, &info)) {
            process_.reset(info.hProcess);
            CloseHandle(info.hThread);
        }
    }
    ~DemoServer() {
        if (process_) {
            TerminateProcess(process_.get(), 0);
            WaitForSingleObject(process_.get(), 10000);
        }
    }
    bool Started() const { return process_ != nullptr; }
    bool Running() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

private:
    win::UniqueHandle nul_, process_;
};

TEST(DemoServer, ServesEveryEndpointInTheFeedFormats) {
    const int port = FreePort();
    ASSERT_NE(port, 0);
    DemoServer server(port);
    ASSERT_TRUE(server.Started());
    const std::string base = "http://127.0.0.1:" + std::to_string(port);

    // Until it listens: poll with a deadline.
    std::string home;
    for (ULONGLONG deadline = GetTickCount64() + 20000; home.empty() && GetTickCount64() < deadline;) {
        ASSERT_TRUE(server.Running());
        home = FetchText(base + HomePath);
        if (home.empty()) Sleep(50);
    }
    EXPECT_NE(home.find("charset=gbk"), std::string::npos) << home;

    const std::string feed = FetchText(base + FeedPath);
    const std::string linkMap = FetchText(base + LinkMapPath);
    const std::string notes = FetchText(base + HandicapNotesPath);
    EXPECT_NE(notes.find('|'), std::string::npos) << notes;

    const std::vector<Text> records = SplitFeed(feed);
    EXPECT_GE(records.size(), 20u);
    EXPECT_LE(records.size(), 40u);
    const std::string_view fieldKeys[] = {
        keys::Profit, keys::League1, keys::League2, keys::Odds1, keys::Odds2, keys::Handicap1,
        keys::Handicap2, keys::Teams1, keys::Teams2, keys::Bookmaker1, keys::Bookmaker2, keys::Sport,
        keys::SportDetail, keys::FirstLink, keys::SecondLink, keys::HandicapNote1,
        keys::HandicapNote2, keys::DwellTime};
    for (const Text& record : records) {
        for (std::string_view key : fieldKeys)
            EXPECT_FALSE(FieldValue(record, key).empty()) << key << " missing in " << record;
        EXPECT_FALSE(MatchTime(record).empty()) << record;
        const double a = ToNumber(FieldValue(record, keys::Odds1));
        const double b = ToNumber(FieldValue(record, keys::Odds2));
        const double profit = (1.0 / (1.0 / a + 1.0 / b) - 1.0) * 100.0;
        EXPECT_GT(profit, 0.0) << record;
        EXPECT_NEAR(ToNumber(FieldValue(record, keys::Profit)), profit, 0.0001) << record;
        for (std::string_view link : {keys::FirstLink, keys::SecondLink}) {
            const Text name = FieldValue(record, link);
            EXPECT_EQ(LinkAddress(linkMap, name), "http://127.0.0.1/book/" + name) << name;
        }
    }
    EXPECT_TRUE(server.Running());
}

}  // namespace
