#include "calc/calculator.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

const char* Name(CalcBox box) {
    switch (box) {
        case CalcBox::OddsA: return "OddsA";
        case CalcBox::StakeA: return "StakeA";
        case CalcBox::OddsB: return "OddsB";
        case CalcBox::RebateA: return "RebateA";
        case CalcBox::RebateB: return "RebateB";
        case CalcBox::StakeB: return "StakeB";
        case CalcBox::ResultA: return "ResultA";
        case CalcBox::ResultB: return "ResultB";
        case CalcBox::ListedOddsA: return "ListedOddsA";
        case CalcBox::ListedOddsB: return "ListedOddsB";
    }
    return "?";
}

// The calculator's boxes as the window starts them, recording every read and write in order.
class FakeBoxes final : public CalculatorBoxes {
public:
    std::map<CalcBox, Text> texts{
        {CalcBox::RebateA, "0"},        {CalcBox::OddsA, ""},
        {CalcBox::StakeA, "2000"},      {CalcBox::ResultA, "等待计算"},
        {CalcBox::RebateB, "0"},        {CalcBox::OddsB, ""},
        {CalcBox::StakeB, "等待计算"},  {CalcBox::ResultB, "等待计算"},
        {CalcBox::ListedOddsA, ""},     {CalcBox::ListedOddsB, ""},
    };
    std::vector<std::string> log;
    // Side B's stake box keeps at most this many bytes of what is written, like a length limit.
    std::size_t stakeBCapacity = std::string::npos;

    Text Read(CalcBox box) override {
        log.push_back(std::string("read ") + Name(box));
        return texts[box];
    }
    void Write(CalcBox box, std::string_view text) override {
        log.push_back(std::string("write ") + Name(box) + " " + std::string(text));
        texts[box] = box == CalcBox::StakeB ? Text(text.substr(0, stakeBCapacity)) : Text(text);
    }

    void SetOdds(const char* a, const char* b) {
        texts[CalcBox::OddsA] = a;
        texts[CalcBox::OddsB] = b;
    }
    void SetListed(const char* a, const char* b) {
        texts[CalcBox::ListedOddsA] = a;
        texts[CalcBox::ListedOddsB] = b;
    }
};

struct ProfitCase {
    const char* what;
    const char* oddsA;
    const char* stakeA;
    const char* oddsB;
    const char* rebateA;
    const char* rebateB;
    const char* stakeB;
    const char* resultA;
    const char* resultB;
};

const ProfitCase kProfitCases[] = {
    {"plain", "2.10", "2000", "2.05", "0", "0", "2048", "152", "150"},
    {"rebates truncated to 26 before adding", "2.10", "2000", "2.05", "0.5", "0.8", "2048", "178", "176"},
    {"odds the other way round", "2.05", "2000", "2.10", "0", "0", "1952", "148", "147"},
    {"negative result truncated toward zero", "1.95", "2000", "2.05", "0", "0", "1902", "-2", "-2"},
    // 2.01 x 2000 is 4019.9999999999995 in doubles: the payout drops to 4019, and result A uses
    // the product itself.
    {"product just below a whole number", "2.01", "2000", "2.05", "0", "0", "1960", "59", "57"},
    {"rebate on side A only", "1.85", "1000", "2.10", "0.3", "0", "880", "-27", "-29"},
    {"side B odds 0", "1.95", "2000", "0", "0", "0", "0", "1900", "-2000"},
    {"empty boxes after start-up", "", "2000", "", "0", "0", "0", "-2000", "-2000"},
    {"stake followed by a Chinese character", "2.10", "2000元", "2.05", "0", "0", "2048", "152", "150"},
    {"stake after a Chinese character", "2.10", "元2000", "2.05", "0", "0", "0", "0", "0"},
    // -0.125% of 2000 is -2.5, truncated to -2: 152 - 2 and 150.4 - 2, not 149.5 and 147.9.
    {"negative rebate truncated toward zero", "2.10", "2000", "2.05", "-0.125", "0", "2048", "150", "148"},
    {"unreadable odds", "abc", "2000", "2.05", "0", "0", "0", "-2000", "-2000"},
};

TEST(ComputeProfit, WorkedExamples) {
    for (const ProfitCase& c : kProfitCases) {
        SCOPED_TRACE(c.what);
        FakeBoxes boxes;
        boxes.SetOdds(c.oddsA, c.oddsB);
        boxes.texts[CalcBox::StakeA] = c.stakeA;
        boxes.texts[CalcBox::RebateA] = c.rebateA;
        boxes.texts[CalcBox::RebateB] = c.rebateB;
        ComputeProfit(boxes);
        EXPECT_EQ(boxes.texts[CalcBox::StakeB], c.stakeB);
        EXPECT_EQ(boxes.texts[CalcBox::ResultA], c.resultA);
        EXPECT_EQ(boxes.texts[CalcBox::ResultB], c.resultB);
        // Inputs are never written.
        EXPECT_EQ(boxes.texts[CalcBox::OddsA], c.oddsA);
        EXPECT_EQ(boxes.texts[CalcBox::StakeA], c.stakeA);
    }
}

TEST(ComputeProfit, ReadsEachBoxWhenItsStepNeedsItAndWritesStakeBFirst) {
    FakeBoxes boxes;
    boxes.SetOdds("2.10", "2.05");
    ComputeProfit(boxes);
    const std::vector<std::string> expected{
        "read OddsA",  "read StakeA", "read OddsB",    "write StakeB 2048",
        "read RebateA", "read StakeA", "read RebateB", "read StakeB",
        "read OddsA",  "read StakeA", "read StakeB",   "write ResultA 152",
        "read OddsB",  "read StakeB", "read StakeA",   "write ResultB 150",
    };
    EXPECT_EQ(boxes.log, expected);
}

TEST(ComputeProfit, UsesSideBStakeAsTheBoxHoldsIt) {
    // A box that keeps only "204" of "2048": every later step must see 204, as the user does.
    FakeBoxes boxes;
    boxes.SetOdds("2.10", "2.05");
    boxes.texts[CalcBox::RebateB] = "1";
    boxes.stakeBCapacity = 3;
    ComputeProfit(boxes);
    EXPECT_EQ(boxes.texts[CalcBox::StakeB], "204");
    // R = 2.04 -> 2; A: 4200 - 2000 - 204 + 2; B: 2.05 x 204 - 2000 - 204 + 2 = -1783.8.
    EXPECT_EQ(boxes.texts[CalcBox::ResultA], "1998");
    EXPECT_EQ(boxes.texts[CalcBox::ResultB], "-1783");
}

struct Shown {
    const char* oddsA;
    const char* oddsB;
    const char* stakeB;
    const char* resultA;
    const char* resultB;
};

void ExpectShown(FakeBoxes& boxes, const Shown& s) {
    EXPECT_EQ(boxes.texts[CalcBox::OddsA], s.oddsA);
    EXPECT_EQ(boxes.texts[CalcBox::OddsB], s.oddsB);
    EXPECT_EQ(boxes.texts[CalcBox::StakeB], s.stakeB);
    EXPECT_EQ(boxes.texts[CalcBox::ResultA], s.resultA);
    EXPECT_EQ(boxes.texts[CalcBox::ResultB], s.resultB);
}

TEST(FlipOdds, SwapsListedOddsAndBackAgain) {
    FakeBoxes boxes;
    boxes.SetListed("2.10", "2.05");
    boxes.SetOdds("2.10", "2.05");
    FlipOdds(boxes);
    ExpectShown(boxes, {"2.05", "2.10", "1952", "148", "147"});
    FlipOdds(boxes);
    ExpectShown(boxes, {"2.10", "2.05", "2048", "152", "150"});
    // Labels are only read.
    EXPECT_EQ(boxes.texts[CalcBox::ListedOddsA], "2.10");
    EXPECT_EQ(boxes.texts[CalcBox::ListedOddsB], "2.05");
}

TEST(FlipOdds, OnlyRecomputesWhenTheOddsAreNotTheListedPair) {
    struct Case {
        const char* what;
        const char* oddsA;
        const char* oddsB;
        Shown shown;
    } const cases[] = {
        {"other odds typed into A", "1.95", "2.05", {"1.95", "2.05", "1902", "-2", "-2"}},
        {"other odds typed into B", "2.10", "2.00", {"2.10", "2.00", "2100", "100", "100"}},
        {"same value, other text", "2.1", "2.05", {"2.1", "2.05", "2048", "152", "150"}},
        {"both boxes hold A's odds", "2.10", "2.10", {"2.10", "2.10", "2000", "200", "200"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeBoxes boxes;
        boxes.SetListed("2.10", "2.05");
        boxes.SetOdds(c.oddsA, c.oddsB);
        FlipOdds(boxes);
        ExpectShown(boxes, c.shown);
        for (const std::string& entry : boxes.log) {
            EXPECT_NE(entry.rfind("write Odds", 0), 0u) << entry;
        }
    }
}

TEST(FlipOdds, MakesTheSecondComparisonOnlyWhenTheFirstHolds) {
    FakeBoxes boxes;
    boxes.SetListed("2.10", "2.05");
    boxes.SetOdds("1.95", "2.05");
    FlipOdds(boxes);
    const std::vector<std::string> comparisons(boxes.log.begin(), boxes.log.begin() + 5);
    const std::vector<std::string> expected{
        "read OddsA", "read ListedOddsA", "read OddsA", "read ListedOddsB",
        "read OddsA",  // ComputeProfit starts here
    };
    EXPECT_EQ(comparisons, expected);
}

TEST(FlipOdds, IdenticalListedOddsKeepTheBoxes) {
    FakeBoxes boxes;
    boxes.SetListed("1.90", "1.90");
    boxes.SetOdds("1.90", "1.90");
    FlipOdds(boxes);
    const std::vector<std::string> flip(boxes.log.begin(), boxes.log.begin() + 8);
    const std::vector<std::string> expected{
        "read OddsA",       "read ListedOddsA", "read OddsB",       "read ListedOddsB",
        "read ListedOddsA", "write OddsB 1.90", "read ListedOddsB", "write OddsA 1.90",
    };
    EXPECT_EQ(flip, expected);
    ExpectShown(boxes, {"1.90", "1.90", "2000", "-200", "-200"});
}

}  // namespace
