// Opening a web address in the user's default browser through the desktop shell.
#pragma once

#include <windows.h>

#include <string_view>

// The shell call OpenUrl makes, with ShellExecuteW's arguments. Replaceable so that a test can see
// exactly what the shell is asked; nullptr puts the real call back.
using ShellOpenFunction = void (*)(HWND owner, const wchar_t* verb, const wchar_t* file,
                                   const wchar_t* parameters, const wchar_t* directory, int show);
void SetShellOpenForTest(ShellOpenFunction function);

// The shell's "open" verb on address (GBK), in a normal window. Does not wait for the browser and
// does not report a failure.
void OpenUrl(std::string_view address);
