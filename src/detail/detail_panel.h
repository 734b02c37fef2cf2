// The detail panel: what a click on a row of the opportunity list shows and resolves.
#pragma once

#include "text/text.h"

class MainWindow;

// Below this, an odds value raises the low-odds warning; the tolerance keeps 1.7 itself quiet.
inline constexpr double LowOddsThreshold = 1.7;
inline constexpr double LowOddsTolerance = 0.0000001;
bool IsLowOdds(double odds);

// Fills the panel from the selected row's record (the empty record when no row is selected),
// warns about low odds, resolves both bookmaker links in a freshly fetched link map and hands
// both odds to the calculator. Runs on the window thread; blocks during the fetch and while the
// warning is open.
void FillDetailPanel(MainWindow& window);

// The stored handicap note of a side (MainWindow::SideA or SideB) in a notice box.
void ShowHandicapNote(MainWindow& window, int side);
