#include "calc/calculator.h"

#include <cfloat>

// The results must come out the same on every build: each operation rounded to a double, in the
// written order. -ffp-contract=off keeps multiply-add pairs unfused; this keeps out x87 extended
// precision, which would round 2.01 x 2000 differently from every other build.
static_assert(FLT_EVAL_METHOD == 0, "double arithmetic must be evaluated in double precision");

namespace {

double ReadNumber(CalculatorBoxes& boxes, CalcBox box) { return ToNumber(boxes.Read(box)); }

// Both operands of a comparison are read only when it is made, so the second comparison of a rule
// reads nothing when the first fails.
bool Matches(CalculatorBoxes& boxes, CalcBox box, CalcBox label) {
    // Two reads as call arguments would run in either order.
    const Text boxText = boxes.Read(box);
    return TextEquals(boxText, boxes.Read(label));
}

}  // namespace

void ComputeProfit(CalculatorBoxes& boxes) {
    double a = ReadNumber(boxes, CalcBox::OddsA);
    double s = ReadNumber(boxes, CalcBox::StakeA);
    const std::int32_t payout = ToInt(a * s);

    double b = ReadNumber(boxes, CalcBox::OddsB);

    // Odds of 0 give an infinite or undefined quotient, which ToInt turns into 0.
    const std::int32_t stakeB = ToInt(static_cast<double>(payout) / b);
    boxes.Write(CalcBox::StakeB, NumberToText(stakeB));

    // From here on side B's stake is whatever the box holds now, as for every other input.
    const double ra = ReadNumber(boxes, CalcBox::RebateA);
    s = ReadNumber(boxes, CalcBox::StakeA);
    const double rb = ReadNumber(boxes, CalcBox::RebateB);
    double t = ReadNumber(boxes, CalcBox::StakeB);
    // Rebates count in whole units only: the sum is truncated before it joins either result.
    const std::int32_t rebate = ToInt((ra * s) / 100 + (rb * t) / 100);

    a = ReadNumber(boxes, CalcBox::OddsA);
    s = ReadNumber(boxes, CalcBox::StakeA);
    t = ReadNumber(boxes, CalcBox::StakeB);
    // The product itself, not the truncated payout: that only sizes side B's stake.
    const std::int32_t resultA = ToInt(((a * s - s) - t) + rebate);
    boxes.Write(CalcBox::ResultA, NumberToText(resultA));

    b = ReadNumber(boxes, CalcBox::OddsB);
    t = ReadNumber(boxes, CalcBox::StakeB);
    s = ReadNumber(boxes, CalcBox::StakeA);
    const std::int32_t resultB = ToInt(((b * t - s) - t) + rebate);
    boxes.Write(CalcBox::ResultB, NumberToText(resultB));
}

void FlipOdds(CalculatorBoxes& boxes) {
    if (Matches(boxes, CalcBox::OddsA, CalcBox::ListedOddsA) &&
        Matches(boxes, CalcBox::OddsB, CalcBox::ListedOddsB)) {
        boxes.Write(CalcBox::OddsB, boxes.Read(CalcBox::ListedOddsA));
        boxes.Write(CalcBox::OddsA, boxes.Read(CalcBox::ListedOddsB));
    } else if (Matches(boxes, CalcBox::OddsA, CalcBox::ListedOddsB) &&
               Matches(boxes, CalcBox::OddsB, CalcBox::ListedOddsA)) {
        boxes.Write(CalcBox::OddsB, boxes.Read(CalcBox::ListedOddsB));
        boxes.Write(CalcBox::OddsA, boxes.Read(CalcBox::ListedOddsA));
    }
    ComputeProfit(boxes);
}
