#include "panel_fixture.h"

#include "win/window_text.h"

#include <commctrl.h>

namespace panel_testing {

bool PanelWindow::CreateForTest() {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    if (!Create(GetModuleHandleW(nullptr))) return false;
    KillTimer(Handle(), RefreshTimerId);
    return true;
}

void RightClickAt(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    SendInput(2, input, sizeof(INPUT));
}

POINT RowPoint(HWND list, int row, int xOffset) {
    RECT r{};
    r.left = LVIR_LABEL;
    SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    POINT p{(r.left + r.right) / 2 + xOffset, (r.top + r.bottom) / 2};
    ClientToScreen(list, &p);
    return p;
}

POINT CentreOf(HWND control) {
    RECT r{};
    GetClientRect(control, &r);
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(control, &p);
    return p;
}

NoticeWatcher::NoticeWatcher(DWORD windowThread, std::function<std::vector<Text>()> snapshot)
    : thread_(windowThread), snapshot_(std::move(snapshot)), worker_([this] { Run(); }) {}

NoticeWatcher::~NoticeWatcher() {
    stop_ = true;
    worker_.join();
}

std::vector<SeenNotice> NoticeWatcher::Seen() const {
    std::lock_guard<std::mutex> guard(lock_);
    return seen_;
}

void NoticeWatcher::Clear() {
    std::lock_guard<std::mutex> guard(lock_);
    seen_.clear();
}

namespace {

struct Search {
    DWORD thread;
    HWND found;
};

BOOL CALLBACK FindBox(HWND hwnd, LPARAM param) {
    auto& search = *reinterpret_cast<Search*>(param);
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    if (GetWindowThreadProcessId(hwnd, nullptr) == search.thread && IsWindowVisible(hwnd) &&
        std::wstring(cls) == L"#32770") {
        search.found = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

void NoticeWatcher::Run() {
    while (!stop_) {
        Search search{thread_, nullptr};
        EnumWindows(&FindBox, reinterpret_cast<LPARAM>(&search));
        if (!search.found) {
            Sleep(10);
            continue;
        }
        SeenNotice notice;
        notice.title = win::GetText(search.found);
        // The message box's text is its static control 0xFFFF.
        if (HWND text = GetDlgItem(search.found, 0xFFFF)) notice.text = win::GetText(text);
        if (snapshot_) notice.windowTexts = snapshot_();
        {
            std::lock_guard<std::mutex> guard(lock_);
            seen_.push_back(std::move(notice));
        }
        PostMessageW(search.found, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        // One box counted once: wait until it has gone before looking again.
        for (int i = 0; i < 500 && IsWindow(search.found) && IsWindowVisible(search.found); ++i)
            Sleep(10);
    }
}

}  // namespace panel_testing
