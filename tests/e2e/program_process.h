// Starting the program under test as a process of its own and ending it.
#ifndef TUSCHELPOST_TESTS_E2E_PROGRAM_PROCESS_H
#define TUSCHELPOST_TESTS_E2E_PROGRAM_PROCESS_H

#include <windows.h>

#include <string>

// A Linux path (/...) as Wine's drive Z: sees it; other paths unchanged.
std::string WindowsPath(const std::string& path);

// The program to test: the first argument if given, else the environment
// variable TUSCHELPOST_PROGRAM; "" when neither names one.
std::string ProgramUnderTest(int argc, char** argv);

// Starts commandLine; false (and the reason in *error) when it cannot.
bool StartProcess(const std::string& commandLine, PROCESS_INFORMATION* process,
                  std::string* error);

// Waits for the process to end; false after timeoutMs. *exitCode receives
// its exit code.
bool WaitForExit(const PROCESS_INFORMATION& process, DWORD timeoutMs, DWORD* exitCode);

// Runs a Linux shell command (xdotool, import) to its end and gives its
// exit status; false if it cannot start or does not end in time. Wine gives
// no waitable handle for a Linux process, so the shell leaves its status in
// a file that is polled for.
bool RunLinuxCommand(const std::string& command, DWORD timeoutMs, int* status);

// Ends a process that is still running and closes its handles.
void EndProcess(PROCESS_INFORMATION* process);

// True when the file is a 32-bit Windows program.
bool Is32BitProgram(const std::string& windowsPath);

#endif
