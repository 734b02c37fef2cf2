// Where the rest of the program plugs into MainWindow. Each of these is an empty wiring point
// until its part is built.
#include "app/main_window.h"
#include "calc/calculator_controls.h"
#include "detail/detail_panel.h"

void MainWindow::ArmBrowserDrop() {}
void MainWindow::OnRefreshTick() { refresh_.OnTick(); }
void MainWindow::OnListClick() { FillDetailPanel(*this); }
void MainWindow::OnComputeClick() { ComputeProfit(*this); }
void MainWindow::OnFlipClick() { FlipOdds(*this); }
void MainWindow::OnNavClick(int) {}
void MainWindow::OnHandicapLabelPressed(int side) { ShowHandicapNote(*this, side); }
void MainWindow::OnGuideMenu() {}
void MainWindow::OnHandicapNotesMenu() {}
void MainWindow::OnUpdateMenu() {}
