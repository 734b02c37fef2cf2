#pragma once
// A real OLE drag from this thread: DoDragDrop with a data object of files (as the shell offers
// them) or of plain text, driven by SendInput: the cursor is moved onto the target point and the
// left button released there, and the drop source sees the button state the system reports.
#include <windows.h>

#include <string>
#include <vector>

namespace testing_support {

// The drag starts with a press at from, which must lie on a window of this thread where a press
// does nothing, and ends with the release at to (screen points). Returns the effect the drop
// ended with (DROPEFFECT_NONE when it was refused), or -1 when the drag did not complete.
long DragFilesTo(POINT from, POINT to, const std::vector<std::wstring>& paths);
long DragTextTo(POINT from, POINT to, const std::wstring& text);

// The screen point at the centre of a window.
POINT CentreOf(HWND window);

}  // namespace testing_support
