// Where the rest of the program plugs into MainWindow: each handler hands over to its subsystem.
#include "app/globals.h"
#include "app/main_window.h"
#include "calc/calculator_controls.h"
#include "detail/bookmaker_navigation.h"
#include "detail/detail_panel.h"
#include "help/help_menu.h"

void MainWindow::ArmBrowserDrop() { ::ArmBrowserDrop(Handle()); }
void MainWindow::OnRefreshTick() { refresh_.OnTick(); }
void MainWindow::OnListClick() { FillDetailPanel(*this); }
void MainWindow::OnComputeClick() { ComputeProfit(*this); }
void MainWindow::OnFlipClick() { FlipOdds(*this); }
void MainWindow::OnNavClick(int side) {
    OpenBookmakerPage(*this, side == SideA ? globals::FirstLinkUrl : globals::SecondLinkUrl);
}
void MainWindow::OnHandicapLabelPressed(int side) { ShowHandicapNote(*this, side); }
void MainWindow::OnGuideMenu() { ShowSiteGuide(*this); }
void MainWindow::OnHandicapNotesMenu() { ShowHandicapNotes(*this); }
void MainWindow::OnUpdateMenu() { OpenUpdatePage(); }
