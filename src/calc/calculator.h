// The stake calculator: side B's stake for a given stake on side A, and the net result of each
// outcome with both rebates. It keeps no state; every input is read from its box when a step needs
// it and every output is written back as text, so the window owns all of it.
#pragma once

#include <string_view>

#include "text/text.h"

// The boxes and labels the calculator reads and writes.
enum class CalcBox {
    OddsA,        // 编辑框1
    StakeA,       // 编辑框5
    OddsB,        // 编辑框4
    RebateA,      // 编辑框8, percent
    RebateB,      // 编辑框7, percent
    StakeB,       // 编辑框6, written by the calculator only
    ResultA,      // 标签12
    ResultB,      // 标签11
    ListedOddsA,  // 标签6, side A's odds as listed for the selected opportunity
    ListedOddsB,  // 标签7
};

// The window side: one text per box. Read gives the box's current text.
struct CalculatorBoxes {
    virtual Text Read(CalcBox box) = 0;
    virtual void Write(CalcBox box, std::string_view text) = 0;

protected:
    ~CalculatorBoxes() = default;
};

// Writes side B's stake into StakeB, then the two results into ResultA and ResultB.
void ComputeProfit(CalculatorBoxes& boxes);

// Swaps the two odds when they match the listed odds in either order, then recomputes.
void FlipOdds(CalculatorBoxes& boxes);
