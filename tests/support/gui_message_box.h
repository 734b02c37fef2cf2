// Finding, reading and dismissing the program's task-modal message boxes from a test.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

namespace gui {

struct SeenMessageBox {
    bool shown = false;
    std::wstring text;
    std::wstring title;
    int buttons = 0;
    bool hasIcon = false;
};

// A visible dialog-class window (#32770) of this process, or nullptr.
HWND FindMessageBox();

// Runs show(), which is expected to block in a message box; a watcher thread finds the box,
// reads it, runs whileShown(box) on the watcher thread while the box is still up, then presses
// its first button. When show() returns without a box, shown stays false.
SeenMessageBox WatchMessageBox(const std::function<void()>& show,
                               const std::function<void(HWND box)>& whileShown = {},
                               std::chrono::milliseconds timeout = std::chrono::seconds(10));

}  // namespace gui
