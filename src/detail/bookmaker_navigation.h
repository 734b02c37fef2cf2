// The two navigation buttons: the bookmaker's page opened in the browser the user dropped on
// the window.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "help/open_url.h"
#include "text/text.h"

class MainWindow;

// Window-created step: MainWindow takes files dropped from the shell, and each drop goes to
// StoreBrowserPath. False when the window could not be made a drop target.
bool ArmBrowserDrop(HWND mainWindow);

// The handler of a drop: BrowserPath becomes the dropped files' text (one path, or every path
// followed by CR LF). The wide paths are kept too, so a path with characters GBK cannot hold
// still reaches the shell intact.
void StoreBrowserPath(const std::vector<std::wstring>& paths);

// 按钮2 / 按钮3: with no browser dropped, a notice explaining what to do; otherwise the dropped
// file started minimised, with address as its one argument when that is safe.
void OpenBookmakerPage(MainWindow& window, const Text& address);

// The parameters the shell gets when it starts the dropped file browserPath: like
// BrowserParameters, and a shortcut is judged by its target, so one that leads to a batch file
// (or cannot be resolved) gets no address either.
std::wstring LaunchParameters(const std::wstring& browserPath, const Text& address);

// The shell call OpenBookmakerPage makes; nullptr puts the real ShellExecuteW back.
void SetBrowserShellExecuteForTest(ShellOpenFunction function);

inline constexpr const char* NoBrowserNotice = "请鼠标拖动，常用浏览器图标到本软件上";
inline constexpr const char* NoBrowserNoticeTitle = "说明";
