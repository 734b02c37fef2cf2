// Where the rest of the program plugs into MainWindow. Each of these is an empty wiring point
// until its part is built.
#include "app/main_window.h"

#include "app/globals.h"
#include "detail/bookmaker_navigation.h"
#include "help/help_menu.h"

void MainWindow::ArmBrowserDrop() { ::ArmBrowserDrop(Handle()); }
void MainWindow::OnRefreshTick() {}
void MainWindow::OnListClick() {}
void MainWindow::OnComputeClick() {}
void MainWindow::OnFlipClick() {}
void MainWindow::OnNavClick(int side) {
    OpenBookmakerPage(*this, side == SideA ? globals::FirstLinkUrl : globals::SecondLinkUrl);
}
void MainWindow::OnHandicapLabelPressed(int) {}
void MainWindow::OnGuideMenu() { ShowSiteGuide(*this); }
void MainWindow::OnHandicapNotesMenu() { ShowHandicapNotes(*this); }
void MainWindow::OnUpdateMenu() { OpenUpdatePage(); }
