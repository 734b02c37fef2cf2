#include "notice_watch.h"

namespace testing_support {
namespace {

struct Search {
    DWORD threadId;
    HWND found = nullptr;
};

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    wchar_t name[16] = {};
    GetClassNameW(hwnd, name, 16);
    if (std::wstring(name) == L"#32770" && IsWindowVisible(hwnd)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

std::wstring TextOf(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

NoticeWatch::NoticeWatch(HWND watched, int timeoutMs)
    : thread_(&NoticeWatch::Run, this, watched, timeoutMs, GetCurrentThreadId()) {}

NoticeWatch::~NoticeWatch() {
    if (thread_.joinable()) thread_.join();
}

SeenNotice NoticeWatch::Result() {
    if (thread_.joinable()) thread_.join();
    return seen_;
}

void NoticeWatch::Run(HWND watched, int timeoutMs, DWORD threadId) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    while (GetTickCount64() < deadline) {
        Search search{threadId};
        EnumThreadWindows(threadId, FindDialog, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            const HWND box = search.found;
            seen_.seen = true;
            seen_.title = TextOf(box);
            // The message text is the box's static control with ID 0xFFFF.
            if (HWND text = GetDlgItem(box, 0xFFFF)) seen_.text = TextOf(text);
            seen_.ownerless = GetWindow(box, GW_OWNER) == nullptr;
            if (watched) {
                seen_.watchedTopmost = (GetWindowLongPtrW(watched, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
                seen_.watchedEnabled = IsWindowEnabled(watched) != FALSE;
            }
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            return;
        }
        Sleep(20);
    }
}

}  // namespace testing_support
