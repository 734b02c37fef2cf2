#include "support/gui_message_box.h"

#include <atomic>
#include <thread>
#include <vector>

namespace gui {
namespace {

std::wstring ClassOf(HWND h) {
    wchar_t name[64] = {};
    GetClassNameW(h, name, 64);
    return name;
}

std::wstring TextOf(HWND h) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(h)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(h, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(parent, [](HWND h, LPARAM p) {
        reinterpret_cast<std::vector<HWND>*>(p)->push_back(h);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&children));
    return children;
}

}  // namespace

HWND FindMessageBox() {
    struct Search {
        DWORD process;
        HWND found;
    } search{GetCurrentProcessId(), nullptr};
    EnumWindows([](HWND h, LPARAM p) {
        auto& s = *reinterpret_cast<Search*>(p);
        DWORD process = 0;
        GetWindowThreadProcessId(h, &process);
        if (process == s.process && IsWindowVisible(h) && ClassOf(h) == L"#32770") {
            s.found = h;
            return FALSE;
        }
        return TRUE;
    }, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

SeenMessageBox WatchMessageBox(const std::function<void()>& show,
                               const std::function<void(HWND)>& whileShown,
                               std::chrono::milliseconds timeout) {
    SeenMessageBox seen;
    std::atomic<bool> returned{false};
    std::thread watcher([&] {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        HWND box = nullptr;
        while (!returned && std::chrono::steady_clock::now() < deadline && !(box = FindMessageBox()))
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (!box) return;
        seen.shown = true;
        seen.title = TextOf(box);
        HWND firstButton = nullptr;
        for (HWND child : ChildrenOf(box)) {
            const std::wstring cls = ClassOf(child);
            if (cls == L"Button" && IsWindowVisible(child)) {
                ++seen.buttons;
                if (!firstButton) firstButton = child;
            } else if (cls == L"Static" && IsWindowVisible(child)) {
                if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
                    if (SendMessageW(child, STM_GETICON, 0, 0)) seen.hasIcon = true;
                } else if (seen.text.empty()) {
                    seen.text = TextOf(child);
                }
            }
        }
        if (whileShown) whileShown(box);
        const int id = firstButton ? GetDlgCtrlID(firstButton) : IDOK;
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(firstButton));
    });
    show();
    returned = true;
    watcher.join();
    return seen;
}

}  // namespace gui
