#include <windows.h>
int ProbeWin() { return GetSystemMetrics(SM_CXSCREEN); }
