// Where the rest of the program plugs into MainWindow. Each of these is an empty wiring point
// until its part is built.
#include "app/main_window.h"

void MainWindow::ArmBrowserDrop() {}
void MainWindow::OnRefreshTick() { refresh_.OnTick(); }
void MainWindow::OnListClick() {}
void MainWindow::OnComputeClick() {}
void MainWindow::OnFlipClick() {}
void MainWindow::OnNavClick(int) {}
void MainWindow::OnHandicapLabelPressed(int) {}
void MainWindow::OnGuideMenu() {}
void MainWindow::OnHandicapNotesMenu() {}
void MainWindow::OnUpdateMenu() {}
