// The calculator through the window's own boxes and buttons.
#include <gtest/gtest.h>

#include <string>

#include "panel_fixture.h"
#include "support/gui_input.h"
#include "support/gui_pump.h"
#include "win/window_text.h"

using namespace main_window;

namespace {

class CalculatorWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(window_.CreateForTest()); }

    void Type(ControlId box, const Text& text) { win::SetText(window_.Control(box), text); }
    void Press(ControlId button) { SendMessageW(window_.Control(button), BM_CLICK, 0, 0); }
    // A real click; returns once the click has been handled (the result label was rewritten).
    bool RealClick(ControlId button) {
        window_.SetControlText(Label12, "pending");
        gui::ClickAt(panel_testing::CentreOf(window_.Control(button)));
        return gui::PumpUntil([&] { return Text_(Label12) != "pending"; });
    }
    Text Text_(ControlId id) const { return window_.ControlText(id); }

    void ExpectResults(const Text& stakeB, const Text& resultA, const Text& resultB,
                       const std::string& what) {
        EXPECT_EQ(Text_(Edit6), stakeB) << what;
        EXPECT_EQ(Text_(Label12), resultA) << what;
        EXPECT_EQ(Text_(Label11), resultB) << what;
    }

    panel_testing::PanelWindow window_;
};

TEST_F(CalculatorWindowTest, ComputeRightAfterStartWorksOnTheInitialTexts) {
    EXPECT_EQ(Text_(Edit6), "等待计算");
    EXPECT_EQ(Text_(Label12), "等待计算");
    ASSERT_TRUE(RealClick(Button4));
    ExpectResults("0", "-2000", "-2000", "initial texts");
}

TEST_F(CalculatorWindowTest, WorkedExamplesThroughTheBoxes) {
    struct Case {
        Text oddsA, stakeA, oddsB, rebateA, rebateB, stakeB, resultA, resultB;
    };
    const Case cases[] = {
        {"2.10", "2000", "2.05", "0", "0", "2048", "152", "150"},
        {"2.10", "2000", "2.05", "0.5", "0.8", "2048", "178", "176"},
        {"2.05", "2000", "2.10", "0", "0", "1952", "148", "147"},
        {"1.95", "2000", "2.05", "0", "0", "1902", "-2", "-2"},
        {"2.01", "2000", "2.05", "0", "0", "1960", "59", "57"},
        {"1.85", "1000", "2.10", "0.3", "0", "880", "-27", "-29"},
        {"1.95", "2000", "0", "0", "0", "0", "1900", "-2000"},
        {"", "2000", "", "0", "0", "0", "-2000", "-2000"},
        // A negative total rebate is truncated toward zero too: -2.5 counts as -2.
        {"2.10", "2000", "2.05", "-0.125", "0", "2048", "150", "148"},
        // Text after a number is ignored; text before it makes the box count as 0.
        {"2.10", "2000元", "2.05", "0", "0", "2048", "152", "150"},
        {"2.10", "元2000", "2.05", "0", "0", "0", "0", "0"},
    };
    for (const Case& c : cases) {
        Type(Edit1, c.oddsA);
        Type(Edit5, c.stakeA);
        Type(Edit4, c.oddsB);
        Type(Edit8, c.rebateA);
        Type(Edit7, c.rebateB);
        // Whatever side B's box held plays no part.
        win::SetText(window_.Control(Edit6), "99999");
        Press(Button4);
        ExpectResults(c.stakeB, c.resultA, c.resultB,
                      c.oddsA + " " + c.stakeA + " " + c.oddsB + " " + c.rebateA + " " + c.rebateB);
        // The inputs are left as typed.
        EXPECT_EQ(Text_(Edit5), c.stakeA);
        EXPECT_EQ(Text_(Edit8), c.rebateA);
        EXPECT_EQ(Text_(Edit7), c.rebateB);
    }
}

TEST_F(CalculatorWindowTest, FlipSwapsTheListedOddsAndBack) {
    // As a fill of the detail panel leaves them.
    window_.SetControlText(Label6, "2.10");
    window_.SetControlText(Label7, "2.05");
    Type(Edit1, "2.10");
    Type(Edit4, "2.05");

    ASSERT_TRUE(RealClick(Button1));
    EXPECT_EQ(Text_(Edit1), "2.05");
    EXPECT_EQ(Text_(Edit4), "2.10");
    ExpectResults("1952", "148", "147", "after one flip");

    ASSERT_TRUE(RealClick(Button1));
    EXPECT_EQ(Text_(Edit1), "2.10");
    EXPECT_EQ(Text_(Edit4), "2.05");
    ExpectResults("2048", "152", "150", "after two flips");
    EXPECT_EQ(Text_(Label6), "2.10");
    EXPECT_EQ(Text_(Label7), "2.05");
}

TEST_F(CalculatorWindowTest, FlipWithOtherOddsOnlyRecomputes) {
    window_.SetControlText(Label6, "2.10");
    window_.SetControlText(Label7, "2.05");
    struct Case {
        Text oddsA, oddsB, stakeB;
    };
    const Case cases[] = {
        {"1.95", "2.05", "1902"},  // typed over side A
        {"2.10", "2.00", "2100"},  // typed over side B
        {"2.1", "2.05", "2048"},   // same number, other text: exact texts are compared
    };
    for (const Case& c : cases) {
        Type(Edit1, c.oddsA);
        Type(Edit4, c.oddsB);
        win::SetText(window_.Control(Edit6), "99999");
        Press(Button1);
        EXPECT_EQ(Text_(Edit1), c.oddsA);
        EXPECT_EQ(Text_(Edit4), c.oddsB);
        EXPECT_EQ(Text_(Edit6), c.stakeB) << c.oddsA << " " << c.oddsB;
    }

    // Both labels alike and the boxes holding them: the first rule matches and nothing moves.
    window_.SetControlText(Label7, "2.10");
    Type(Edit1, "2.10");
    Type(Edit4, "2.10");
    Press(Button1);
    EXPECT_EQ(Text_(Edit1), "2.10");
    EXPECT_EQ(Text_(Edit4), "2.10");
    EXPECT_EQ(Text_(Edit6), "2000");
}

TEST_F(CalculatorWindowTest, SideBStakeCannotBeTyped) {
    const HWND stakeB = window_.Control(Edit6);
    EXPECT_TRUE(GetWindowLongW(stakeB, GWL_STYLE) & ES_READONLY);
    EXPECT_FALSE(GetWindowLongW(window_.Control(Edit5), GWL_STYLE) & ES_READONLY);

    // Real keys: one into side B's box, then one into A's stake. Input is handled in order, so
    // once the stake has taken its key, side B's box has had its own.
    const Text stakeBefore = Text_(Edit6);
    gui::ClickAt(panel_testing::CentreOf(stakeB));
    gui::PressKey('7');
    gui::ClickAt(panel_testing::CentreOf(window_.Control(Edit5)));
    gui::PressKey('8');
    ASSERT_TRUE(gui::PumpUntil([&] { return Text_(Edit5).find('8') != Text::npos; }));
    EXPECT_EQ(Text_(Edit6), stakeBefore);
    // WM_CHAR straight to the box: refused as well.
    SendMessageW(stakeB, WM_CHAR, L'5', 0);
    EXPECT_EQ(Text_(Edit6), stakeBefore);
}

}  // namespace
