// GuideWindow: static notes on the supported bookmakers, each with a link that opens in the
// default browser. A top-level window of its own, without owner, so it outlives MainWindow.
#pragma once

#include <windows.h>

#include "help/guide_window_layout.h"
#include "win/controls.h"
#include "win/window.h"

class GuideWindow : public win::Window {
public:
    GuideWindow() = default;
    ~GuideWindow() override;

    bool Create(HINSTANCE instance);

    HWND Control(guide_window::ControlId id) const { return controls_.Get(id); }
    const win::ControlSet& ControlTable() const { return controls_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool IsLink(HWND control) const;
    void OnDpiChanged(int dpi, const RECT& suggested);

    win::ControlSet controls_;
};

// The one GuideWindow: created and shown when there is none; otherwise restored when minimised,
// else made the active window. Returns it, or nullptr when it could not be created.
GuideWindow* ShowGuideWindow(HINSTANCE instance);
// The open GuideWindow, or nullptr.
GuideWindow* OpenGuideWindow();
