// The very first two fetches of a process, started at the same moment on two threads, share one
// client context. Its own program, so no other test has fetched before.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "net/fetch_client_stats.h"
#include "net/fetch_text.h"
#include "scripted_server.h"

namespace ts = testing_support;

TEST(FirstFetch, TwoAtOnceCreateOneClientContext) {
    ts::ScriptedServer server({ts::Http(200, "both get this")});
    ASSERT_EQ(FetchClientContextCreations(), 0);
    // A spinning start line, not std::latch: MinGW's latch has been seen to lose the wake-up of
    // its second waiter, hanging the test.
    std::atomic<int> arrived{0};
    std::string results[2];
    auto fetch = [&](int i) {
        arrived.fetch_add(1);
        while (arrived.load() < 2) std::this_thread::yield();
        results[i] = FetchText(server.Url("/777.asp"));
    };
    std::thread a(fetch, 0), b(fetch, 1);
    a.join();
    b.join();
    EXPECT_EQ(results[0], "both get this");
    EXPECT_EQ(results[1], "both get this");
    EXPECT_EQ(FetchClientContextCreations(), 1);
    EXPECT_EQ(server.Requests().size(), 2u);
}
