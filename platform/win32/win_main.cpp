// The executables' entry point: the program reads no command line.
#include "app/main_procedure.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    ExitProcess((UINT)RunProgram());
}
