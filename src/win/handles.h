// Owning wrappers for Win32 handles: each handle is released exactly once, by its owner's
// destructor, whatever path the code takes.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace win {

struct WindowDeleter {
    void operator()(HWND h) const { if (h) DestroyWindow(h); }
};
struct GdiDeleter {
    void operator()(HGDIOBJ h) const { if (h) DeleteObject(h); }
};
struct KernelHandleDeleter {
    void operator()(HANDLE h) const { if (h && h != INVALID_HANDLE_VALUE) CloseHandle(h); }
};
struct MenuDeleter {
    void operator()(HMENU h) const { if (h) DestroyMenu(h); }
};

using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDeleter>;
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiDeleter>;
using UniqueBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiDeleter>;
using UniqueHandle = std::unique_ptr<void, KernelHandleDeleter>;
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

}  // namespace win
