// Files dragged from the shell onto a window: an OLE drop target that takes only file lists.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "text/text.h"

using FileDropHandler = std::function<void(const std::vector<std::wstring>& paths)>;

// Makes window an OLE drop target for files, dropped on it or on any of its controls; anything
// else dragged over it is refused. The target revokes itself when the window is destroyed. OLE
// must be initialised on the calling thread. False when the window already has a drop target or
// the registration fails.
bool AcceptFileDrops(HWND window, FileDropHandler onDrop);

// The text a drop delivers: one path as it is; several paths each followed by CR LF.
Text DroppedFilesText(const std::vector<std::wstring>& paths);
