#include "calc/calculator_controls.h"

#include "app/main_window.h"

namespace {

main_window::ControlId ControlOf(CalcBox box) {
    using namespace main_window;
    switch (box) {
    case CalcBox::OddsA: return Edit1;
    case CalcBox::StakeA: return Edit5;
    case CalcBox::OddsB: return Edit4;
    case CalcBox::RebateA: return Edit8;
    case CalcBox::RebateB: return Edit7;
    case CalcBox::StakeB: return Edit6;
    case CalcBox::ResultA: return Label12;
    case CalcBox::ResultB: return Label11;
    case CalcBox::ListedOddsA: return Label6;
    case CalcBox::ListedOddsB: return Label7;
    }
    return Edit1;  // not reached: every box is listed above
}

}  // namespace

Text WindowCalculatorBoxes::Read(CalcBox box) { return window_.ControlText(ControlOf(box)); }

void WindowCalculatorBoxes::Write(CalcBox box, std::string_view text) {
    window_.SetControlText(ControlOf(box), Text(text));
}

void ComputeProfit(MainWindow& window) {
    WindowCalculatorBoxes boxes(window);
    ComputeProfit(boxes);
}

void FlipOdds(MainWindow& window) {
    WindowCalculatorBoxes boxes(window);
    FlipOdds(boxes);
}
