#include "text/extract.h"

#include <gtest/gtest.h>

namespace {

TEST(ExtractBetween, ReadsAfterTheFirstStartMarkerUpToTheNextEndMarker) {
    struct Case { std::string_view source, startMarker, endMarker, expected; };
    const Case cases[] = {
        {"利润:2.5=赔率1:1.95=", "利润:", "=", "2.5"},
        {"利润:2.5=赔率1:1.95=", "赔率1:", "=", "1.95"},
        {"利润:=赔率1:1.95=", "利润:", "=", ""},
        {"赔率1:1.95=", "利润:", "=", ""},                  // start marker missing
        {"利润:2.5", "利润:", "=", ""},                     // no end marker after it
        {"停留时间:5=时间:10:30=", "时间:", "=", "5"},       // the key matches inside 停留时间:
        {"停留时间:5=时间:10:30=", "=时间:", "=", "10:30"},
        {"A[x]B[y]", "B[", "]", "y"},
        {"A[x]B[y]", "C[", "]", ""},
        {"利润:2.5=", "利润:#引号", "=", ""},               // looks for 利润:" which is absent
        {"时间:10=30=", "时间:", "=", "10"},
        {"x=利润:", "利润:", "=", ""},                      // start marker at the very end
        {"]k[a]", "k[", "]", "a"},                          // end marker before the start is not used
        {"a=\"q\"=", "a=#引号", "#引号", "q"},              // both markers get the quote
        {"\xD5=x=", "x", "=", ""},                          // no marker inside a character
        {"ab=c", "", "=", "ab"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.source << "\" between \"" << c.startMarker
                                        << "\" and \"" << c.endMarker << '"');
        EXPECT_EQ(ExtractBetween(c.source, c.startMarker, c.endMarker), c.expected);
    }
}

TEST(ExtractBetween, HonoursStartPositionAndIgnoreCase) {
    EXPECT_EQ(ExtractBetween("k:1=k:2=", "k:", "=", 0), "1");
    EXPECT_EQ(ExtractBetween("k:1=k:2=", "k:", "=", 2), "2");
    EXPECT_EQ(ExtractBetween("k:1=k:2=", "k:", "=", 9), "");
    EXPECT_EQ(ExtractBetween("x K:1=", "k:", "=", 0, false), "");
    EXPECT_EQ(ExtractBetween("x K:1=", "k:", "=", 0, true), "1");
}

TEST(ExtractBetween, LeavesTheCallersMarkersAlone) {
    const Text startMarker = "a=#引号";
    const Text endMarker = "#引号";
    const Text source = "a=\"q\"";
    EXPECT_EQ(ExtractBetween(source, startMarker, endMarker), "q");
    EXPECT_EQ(startMarker, "a=#引号");
    EXPECT_EQ(endMarker, "#引号");
    EXPECT_EQ(source, "a=\"q\"");
}

}  // namespace
