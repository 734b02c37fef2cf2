#pragma once
// Watches for the program's task-modal message box from a thread of its own while the test's
// thread is blocked showing it: records what the box showed and the state of a window at that
// moment, then presses OK.
#include <windows.h>

#include <string>
#include <thread>

namespace testing_support {

struct SeenNotice {
    bool seen = false;
    std::wstring title;
    std::wstring text;
    bool ownerless = false;
    bool watchedTopmost = false;  // the watched window's WS_EX_TOPMOST while the box was up
    bool watchedEnabled = false;  // whether the watched window still took input
};

class NoticeWatch {
public:
    // watched: a window whose state is recorded while the box is shown (may be null).
    explicit NoticeWatch(HWND watched, int timeoutMs = 20000);
    ~NoticeWatch();
    NoticeWatch(const NoticeWatch&) = delete;
    NoticeWatch& operator=(const NoticeWatch&) = delete;

    // Joins the watcher and returns what it saw.
    SeenNotice Result();

private:
    void Run(HWND watched, int timeoutMs, DWORD threadId);

    SeenNotice seen_;
    std::thread thread_;
};

}  // namespace testing_support
