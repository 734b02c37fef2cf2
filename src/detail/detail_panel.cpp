#include "detail/detail_panel.h"

#include "app/globals.h"
#include "app/main_window.h"
#include "calc/calculator_controls.h"
#include "feed/record.h"
#include "net/endpoints.h"
#include "net/fetch_text.h"

namespace {

// The text says 0.7 although the threshold is 1.7; both are what users have always seen.
constexpr char LowOddsText[] = "当前某赔率低于0.7，现金网不建议跟进，信用网随意";
constexpr char LowOddsTitle[] = "提醒";
constexpr char HandicapNoteTitle[] = "盘口说明";

}  // namespace

bool IsLowOdds(double odds) { return odds - LowOddsThreshold < -LowOddsTolerance; }

void FillDetailPanel(MainWindow& window) {
    using namespace main_window;
    using globals::SelectedRecord;

    // Row -1 reads as the empty record, which fills every control with its empty value.
    SelectedRecord = window.List().GetCell(window.List().SelectedIndex(), RecordColumn);
    const auto value = [](std::string_view key) { return FieldValue(SelectedRecord, key); };

    window.SetControlText(Label1, ConcatText({LeftText(value(keys::Profit), 4), "%"}));
    window.SetControlText(Label2, MatchTime(SelectedRecord));
    window.SetControlText(Label3, value(keys::League1));
    window.SetControlText(Label4, value(keys::League2));
    window.SetControlText(Label6, value(keys::Odds1));
    window.SetControlText(Label7, value(keys::Odds2));

    // The labels are read back, as the calculator reads them: one warning at most.
    if (IsLowOdds(ToNumber(window.ControlText(Label6))) ||
        IsLowOdds(ToNumber(window.ControlText(Label7))))
        window.ShowNotice(LowOddsText, LowOddsTitle);

    window.SetControlText(Label9, value(keys::Handicap1));
    window.SetControlText(Label10, value(keys::Handicap2));
    window.SetControlText(Edit2, value(keys::Teams1));
    window.SetControlText(Edit3, value(keys::Teams2));
    window.SetControlText(Button2, value(keys::Bookmaker1));
    window.SetControlText(Button3, value(keys::Bookmaker2));
    window.SetControlText(Group3, ConcatText({value(keys::Sport), "   ", value(keys::SportDetail)}));

    globals::FirstLinkName = value(keys::FirstLink);
    // Fetched on every fill: the server moves bookmaker pages around.
    globals::LinkMapText = FetchText(ServerBase() + LinkMapPath);
    globals::FirstLinkUrl = LinkAddress(globals::LinkMapText, globals::FirstLinkName);
    globals::SecondLinkName = value(keys::SecondLink);
    globals::SecondLinkUrl = LinkAddress(globals::LinkMapText, globals::SecondLinkName);

    globals::HandicapNote1 = value(keys::HandicapNote1);
    globals::HandicapNote2 = value(keys::HandicapNote2);

    window.SetControlText(Edit1, window.ControlText(Label6));
    window.SetControlText(Edit4, window.ControlText(Label7));
    ComputeProfit(window);
}

void ShowHandicapNote(MainWindow& window, int side) {
    window.ShowNotice(side == MainWindow::SideA ? globals::HandicapNote1 : globals::HandicapNote2,
                      HandicapNoteTitle);
}
