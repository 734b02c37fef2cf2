#include "support/gui_pump.h"

#include <windows.h>

#include "win/window.h"

namespace gui {

void PumpPending() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) continue;  // a test's windows never end the test's pumping
        win::TranslateAndDispatch(msg);
    }
}

bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        PumpPending();
        if (done()) return true;
        const auto left = deadline - std::chrono::steady_clock::now();
        if (left <= 0ms) return done();
        const auto wait = std::min<std::chrono::milliseconds>(
            std::chrono::duration_cast<std::chrono::milliseconds>(left), 20ms);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(wait.count()), QS_ALLINPUT);
    }
}

}  // namespace gui
