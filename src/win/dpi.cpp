#include "win/dpi.h"

namespace win {
namespace {
int dpiOverride = 0;
}

int DpiOf(HWND window) {
    if (dpiOverride > 0) return dpiOverride;
    const UINT dpi = window ? GetDpiForWindow(window) : GetDpiForSystem();
    return dpi ? static_cast<int>(dpi) : DesignDpi;
}

void SetDpiOverride(int dpi) { dpiOverride = dpi; }

}  // namespace win
