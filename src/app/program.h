// The life of the process: start-up, the message loop, shutdown.
#pragma once

#include <windows.h>

// Returns the process exit status: 0 on a normal end, non-zero when the window could not be made.
int RunProgram(HINSTANCE instance, int showCommand);
