// A real MainWindow for the detail panel and calculator tests, with the means to drive it as a
// user would: real clicks and keys, the list's rows, and a watcher that reads and dismisses the
// task-modal notice boxes while the window thread is blocked inside them.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/main_window.h"
#include "text/text.h"

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

struct SeenNotice {
    Text text;
    Text title;
    std::vector<Text> windowTexts;  // what snapshot() returned while the box was open
};

// Watches for message boxes of the window thread on a thread of its own; each one is read,
// snapshot is taken (it may read the window's controls: the blocked thread still answers
// sent messages), then it is dismissed with OK.
class NoticeWatcher {
public:
    NoticeWatcher(DWORD windowThread, std::function<std::vector<Text>()> snapshot = {});
    ~NoticeWatcher();
    NoticeWatcher(const NoticeWatcher&) = delete;
    NoticeWatcher& operator=(const NoticeWatcher&) = delete;

    std::vector<SeenNotice> Seen() const;
    void Clear();

private:
    void Run();

    DWORD thread_;
    std::function<std::vector<Text>()> snapshot_;
    std::atomic<bool> stop_{false};
    mutable std::mutex lock_;
    std::vector<SeenNotice> seen_;
    std::thread worker_;
};

}  // namespace panel_testing
