#include "support/gui_message_box.h"

#include "support/gui_query.h"

#include <utility>

namespace gui {
namespace {

std::wstring TextOf(HWND h) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(h)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(h, text.data(), static_cast<int>(text.size()))));
    return text;
}

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

std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(parent, [](HWND h, LPARAM p) {
        reinterpret_cast<std::vector<HWND>*>(p)->push_back(h);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&children));
    return children;
}

// Reads the box and returns its first button, the one to press.
HWND Read(HWND box, SeenMessageBox& seen) {
    seen.title = TextOf(box);
    // A message box's text is its static control 0xFFFF.
    if (HWND text = GetDlgItem(box, 0xFFFF)) seen.text = TextOf(text);
    seen.owned = GetWindow(box, GW_OWNER) != nullptr;
    HWND firstButton = nullptr;
    for (HWND child : ChildrenOf(box)) {
        if (!IsWindowVisible(child)) continue;
        const std::wstring cls = ClassOf(child);
        if (cls == L"Button") {
            ++seen.buttons;
            if (!firstButton) firstButton = child;
        } else if (cls == L"Static" && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
                   SendMessageW(child, STM_GETICON, 0, 0)) {
            seen.hasIcon = true;
        }
    }
    return firstButton;
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher(std::function<std::vector<std::wstring>()> snapshot)
    : snapshot_(std::move(snapshot)), worker_([this] { Run(); }) {}

MessageBoxWatcher::~MessageBoxWatcher() {
    stop_ = true;
    worker_.join();
}

std::vector<SeenMessageBox> MessageBoxWatcher::Seen() const {
    std::lock_guard<std::mutex> guard(lock_);
    return seen_;
}

void MessageBoxWatcher::Clear() {
    std::lock_guard<std::mutex> guard(lock_);
    seen_.clear();
}

void MessageBoxWatcher::Run() {
    while (!stop_) {
        const HWND box = FindMessageBox();
        if (!box) {
            Sleep(10);
            continue;
        }
        SeenMessageBox seen;
        const HWND ok = Read(box, seen);
        if (snapshot_) seen.snapshot = snapshot_();
        {
            std::lock_guard<std::mutex> guard(lock_);
            seen_.push_back(std::move(seen));
        }
        const int id = ok ? GetDlgCtrlID(ok) : IDOK;
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
        // One box is counted once: wait until it has gone before looking again.
        while (!stop_ && IsWindow(box) && IsWindowVisible(box)) Sleep(10);
    }
}

std::optional<SeenMessageBox> WatchMessageBox(const std::function<void()>& show,
                                              const std::function<void()>& whileShown) {
    std::vector<SeenMessageBox> seen;
    {
        MessageBoxWatcher watcher([&] {
            if (whileShown) whileShown();
            return std::vector<std::wstring>{};
        });
        show();
        seen = watcher.Seen();
    }
    if (seen.empty()) return std::nullopt;
    return seen.front();
}

}  // namespace gui
