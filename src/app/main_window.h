// The program's main window: the detail panel, the bookmaker filter, the opportunity list and
// the calculator, under one help menu.
#pragma once

#include <windows.h>

#include <functional>

#include "app/main_window_layout.h"
#include "feed/list_view.h"
#include "feed/refresh.h"
#include "text/text.h"
#include "win/controls.h"
#include "win/window.h"

class MainWindow : public win::Window {
public:
    static constexpr UINT_PTR RefreshTimerId = 1;  // 时钟1
    static constexpr UINT RefreshPeriodMs = 6000;
    static constexpr int SideA = 1;
    static constexpr int SideB = 2;

    MainWindow() = default;
    ~MainWindow() override;

    // Creates the window, its controls and menu, runs the window-created steps and shows it.
    bool Create(HINSTANCE instance, int showCommand = SW_SHOWNORMAL);

    HWND Control(main_window::ControlId id) const { return controls_.Get(id); }
    Text ControlText(main_window::ControlId id) const;
    void SetControlText(main_window::ControlId id, const Text& text);
    const win::ControlSet& ControlTable() const { return controls_; }
    OpportunityList& List() { return list_; }
    FeedRefresh& Refresh() { return refresh_; }

    // Keeps the window above every window that is not itself always on top; changes nothing
    // else (no activation, no move).
    void SetAlwaysOnTop(bool on);
    // Every message box of the program goes through here: the window steps out of the
    // always-on-top layer so the task-modal box can stand in front of it.
    void ShowNotice(const Text& text, const Text& title);
    // The same, with a text that is only worked out once the window is out of that layer (a
    // fetch that holds the window thread).
    void ShowNoticeFrom(const std::function<Text()>& makeText, const Text& title);

    // "+" and "-": window and list taller by designPixels, the calculator moved down as much.
    void GrowBy(int designPixels);

protected:
    // Wiring points for the other parts of the program (main_window_hooks.cpp).
    virtual void ArmBrowserDrop();               // window-created step 1: drop target
    virtual void OnRefreshTick();                // each tick of 时钟1
    virtual void OnListClick();                  // NM_CLICK in the list, selection already moved
    virtual void OnComputeClick();               // 按钮4
    virtual void OnFlipClick();                  // 按钮1
    virtual void OnNavClick(int side);           // 按钮2 (SideA), 按钮3 (SideB)
    virtual void OnHandicapLabelPressed(int side);  // 标签9 (SideA), 标签10 (SideB), left press
    virtual void OnGuideMenu();                  // 支持网站
    virtual void OnHandicapNotesMenu();          // 盘口说明
    virtual void OnUpdateMenu();                 // 软件更新

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnCreate();
    void OnCommand(int id, int code, HWND from);
    LRESULT OnNotify(const NMHDR& header);
    LRESULT OnCtlColorStatic(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMeasureItem(MEASUREITEMSTRUCT& item);
    void OnDpiChanged(int dpi, const RECT& suggested);
    void RunWindowCreatedSteps();
    void OnFilterClicked();

    win::ControlSet controls_;
    OpportunityList list_;
    FeedRefresh refresh_;  // after list_: no rows are handed to a list that has gone
};
