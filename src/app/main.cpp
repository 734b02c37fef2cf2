// The program entry. It reads no command line.
#include <windows.h>

#include "app/program.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    return RunProgram(instance, showCommand);
}
