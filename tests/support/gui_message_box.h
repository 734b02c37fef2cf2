// Watching the program's task-modal message boxes from a thread of their own while the window
// thread is blocked inside them: each box is read, then its OK button is pressed.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace gui {

struct SeenMessageBox {
    std::wstring text;
    std::wstring title;
    int buttons = 0;
    bool hasIcon = false;
    bool owned = false;                  // the box has an owner window
    std::vector<std::wstring> snapshot;  // what the watcher's snapshot returned while it was up
};

// Looks for visible dialog-class windows (#32770) of this process for as long as it lives. Each
// box is recorded once; snapshot runs on the watcher thread while the box is still up (the blocked
// window thread still answers sent messages, so it may read controls), then OK is pressed.
class MessageBoxWatcher {
public:
    explicit MessageBoxWatcher(std::function<std::vector<std::wstring>()> snapshot = {});
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    std::vector<SeenMessageBox> Seen() const;
    void Clear();

private:
    void Run();

    std::function<std::vector<std::wstring>()> snapshot_;
    std::atomic<bool> stop_{false};
    mutable std::mutex lock_;
    std::vector<SeenMessageBox> seen_;
    std::thread worker_;
};

// Runs show(), which is expected to block in a message box, under a watcher; whileShown runs on
// the watcher thread while the box is up. Returns the first box seen, or nothing when show()
// returned without one.
std::optional<SeenMessageBox> WatchMessageBox(const std::function<void()>& show,
                                              const std::function<void()>& whileShown = {});

}  // namespace gui
