// A real MainWindow for the detail panel and calculator tests, with the means to drive it as a
// user would: real clicks and the list's rows.
#pragma once

#include <windows.h>

#include "app/main_window.h"

namespace panel_testing {

// Counts the list clicks that reached the detail panel's hook.
class PanelWindow : public MainWindow {
public:
    // Creates and shows the window, without the refresh timer: no refresh may take a scripted
    // answer or replace a test's rows.
    bool CreateForTest();
    int Fills() const { return fills_; }

protected:
    void OnListClick() override {
        MainWindow::OnListClick();
        ++fills_;
    }

private:
    int fills_ = 0;
};

// A real right click through SendInput, at a point in screen coordinates (the left click and
// keys come from the shared GUI test support).
void RightClickAt(POINT screen);

// The centre of a row (0-based) in screen coordinates; xOffset moves right from the centre,
// so two clicks on one row need not make a double click.
POINT RowPoint(HWND list, int row, int xOffset = 0);
POINT CentreOf(HWND control);

}  // namespace panel_testing
