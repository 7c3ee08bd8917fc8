// WinMain: the program, as app/board_start_win.cpp runs it.
#include "app/shell_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return RunBoardProgram(instance, showCommand);
}
