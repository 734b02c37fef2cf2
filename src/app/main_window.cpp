#include "app/main_window.h"

#include <commctrl.h>

#include "win/dpi.h"
#include "win/gbk.h"
#include "win/handles.h"
#include "win/messages.h"
#include "win/window_text.h"

using namespace main_window;

namespace {

constexpr const wchar_t* ClassName = L"CorvantaMainWindow";
constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD ExStyle = WS_EX_TOPMOST | WS_EX_APPWINDOW;
constexpr int ProgramIcon = 1;

HMENU BuildMenu() {
    win::UniqueMenu bar(CreateMenu());
    HMENU popup = CreatePopupMenu();
    if (!bar || !popup) {
        if (popup) DestroyMenu(popup);
        return nullptr;
    }
    for (const MenuItem& item : HelpMenuItems())
        AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(item.id), WideFromGbk(item.caption).c_str());
    if (!AppendMenuW(bar.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(popup),
                     WideFromGbk(HelpMenuCaption).c_str())) {
        DestroyMenu(popup);
        return nullptr;
    }
    return bar.release();
}

}  // namespace

MainWindow::~MainWindow() {
    // Destroyed here, while the handlers of this class can still run.
    if (Handle()) DestroyWindow(Handle());
}

bool MainWindow::Create(HINSTANCE instance, int showCommand) {
    WNDCLASSEXW wc{};
    wc.hInstance = instance;
    wc.lpszClassName = ClassName;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(ProgramIcon), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON),
                                             LR_SHARED));
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(ProgramIcon), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    if (!wc.hIcon) wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(ProgramIcon));
    if (!RegisterWindowClass(wc)) return false;

    win::UniqueMenu menu(BuildMenu());
    // The outer size is what CreateWindowEx takes, frame, caption and menu bar included.
    const int dpi = win::DpiOf(nullptr);
    const int width = win::Scale(OuterWidth, dpi);
    const int height = win::Scale(OuterHeight, dpi);
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    if (!CreateWindowOf(ClassName, ExStyle, Title, Style, x, y, width, height, nullptr, menu.get(),
                        instance))
        return false;
    menu.release();  // the window owns it now

    RunWindowCreatedSteps();
    ShowWindow(Handle(), showCommand);
    UpdateWindow(Handle());
    return true;
}

void MainWindow::RunWindowCreatedSteps() {
    // Each step runs whether or not the one before it succeeded.
    ArmBrowserDrop();
    SetTimer(Handle(), RefreshTimerId, RefreshPeriodMs, nullptr);
    list_.ApplyRowHeight();
    list_.AddColumns();
}

Text MainWindow::ControlText(ControlId id) const {
    const HWND h = Control(id);
    return h ? win::GetText(h) : Text{};
}

void MainWindow::SetControlText(ControlId id, const Text& text) {
    if (const HWND h = Control(id)) win::SetText(h, text);
}

void MainWindow::SetAlwaysOnTop(bool on) {
    SetWindowPos(Handle(), on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void MainWindow::ShowNotice(const Text& text, const Text& title) {
    ShowNoticeFrom([&text] { return text; }, title);
}

void MainWindow::ShowNoticeFrom(const std::function<Text()>& makeText, const Text& title) {
    SetAlwaysOnTop(false);
    const Text text = makeText();
    // No owner and task-modal: every window of the program is disabled while it is shown.
    MessageBoxW(nullptr, WideFromGbk(text).c_str(), WideFromGbk(title).c_str(), MB_OK | MB_TASKMODAL);
    SetAlwaysOnTop(true);
}

void MainWindow::GrowBy(int designPixels) {
    RECT outer{};
    GetWindowRect(Handle(), &outer);
    SetWindowPos(Handle(), nullptr, 0, 0, outer.right - outer.left,
                 outer.bottom - outer.top + win::Scale(designPixels, controls_.Dpi()),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT list = controls_.DesignRect(List1);
    list.bottom += designPixels;
    controls_.Move(List1, list);
    RECT calculator = controls_.DesignRect(Group6);
    OffsetRect(&calculator, 0, designPixels);
    controls_.Move(Group6, calculator);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate();
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_CTLCOLORSTATIC:
        return OnCtlColorStatic(message, wParam, lParam);
    case WM_MEASUREITEM:
        return OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    case WM_TIMER:
        if (wParam == RefreshTimerId) OnRefreshTick();
        return 0;
    case win::WM_FEED_ROWS_READY:
        refresh_.ApplyReadyRows(list_);
        return 0;
    case WM_DESTROY:
        // A worker still fetching must not post to a window that is going.
        refresh_.WindowGone();
        return Default(message, wParam, lParam);
    case win::WM_LABEL_PRESSED:
        if (wParam == Label9) OnHandicapLabelPressed(SideA);
        else if (wParam == Label10) OnHandicapLabelPressed(SideB);
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    default:
        return Default(message, wParam, lParam);
    }
}

LRESULT MainWindow::OnCreate() {
    const int dpi = win::DpiOf(Handle());
    if (!controls_.Create(Handle(), main_window::Controls(), dpi)) return -1;
    list_.Attach(Control(List1), dpi);
    refresh_.Attach(Handle(), win::WM_FEED_ROWS_READY);
    return 0;
}

void MainWindow::OnCommand(int id, int code, HWND from) {
    if (!from) {  // a menu item
        switch (id) {
        case MenuGuide: OnGuideMenu(); break;
        case MenuHandicapNotes: OnHandicapNotesMenu(); break;
        case MenuVideo: break;  // the video tutorial entry does nothing
        case MenuUpdate: OnUpdateMenu(); break;
        }
        return;
    }
    if (controls_.OnCommand(id, code)) {
        if (id >= Radio1 && id <= Radio7) OnFilterClicked();
        return;
    }
    if (code != BN_CLICKED) return;
    switch (id) {
    case Button5: GrowBy(ResizeStep); break;
    case Button6: GrowBy(-ResizeStep); break;
    case Button4: OnComputeClick(); break;
    case Button1: OnFlipClick(); break;
    case Button2: OnNavClick(SideA); break;
    case Button3: OnNavClick(SideB); break;
    }
}

// The next refresh filters by the button checked now; the rows shown stay until then.
void MainWindow::OnFilterClicked() {
    for (int id = Radio1; id <= Radio7; ++id)
        if (SendMessageW(Control(static_cast<ControlId>(id)), BM_GETCHECK, 0, 0) == BST_CHECKED)
            refresh_.SetFilter(id - Radio1);
}

LRESULT MainWindow::OnNotify(const NMHDR& header) {
    if (list_.OnNotify(header)) OnListClick();
    return 0;
}

LRESULT MainWindow::OnCtlColorStatic(UINT message, WPARAM wParam, LPARAM lParam) {
    if (HBRUSH brush = controls_.ColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
        return reinterpret_cast<LRESULT>(brush);
    return Default(message, wParam, lParam);
}

LRESULT MainWindow::OnMeasureItem(MEASUREITEMSTRUCT& item) {
    if (item.CtlType == ODT_LISTVIEW && item.CtlID == static_cast<UINT>(List1)) {
        item.itemHeight = static_cast<UINT>(list_.MeasuredRowHeight());
        return TRUE;
    }
    return FALSE;
}

void MainWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    controls_.SetDpi(dpi);
    list_.SetDpi(dpi);
}
