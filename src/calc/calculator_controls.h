// The calculator over MainWindow's real boxes and labels: every read takes the control's text at
// that moment, every write sets it, so the window stays the only place the figures live.
#pragma once

#include <string_view>

#include "calc/calculator.h"
#include "text/text.h"

class MainWindow;

class WindowCalculatorBoxes final : public CalculatorBoxes {
public:
    explicit WindowCalculatorBoxes(MainWindow& window) : window_(window) {}

    Text Read(CalcBox box) override;
    void Write(CalcBox box, std::string_view text) override;

private:
    MainWindow& window_;
};

// 按钮4 and the last step of a detail fill.
void ComputeProfit(MainWindow& window);
// 按钮1.
void FlipOdds(MainWindow& window);
