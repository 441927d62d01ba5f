#include "tests/e2e/program_process.h"

#include "tests/e2e/wait_until.h"

#include <stdio.h>
#include <stdlib.h>

#include <vector>

std::string WindowsPath(const std::string& path)
{
    if (path.empty() || path[0] != '/')
        return path;
    std::string converted = "Z:" + path;
    for (char& c : converted)
        if (c == '/')
            c = '\\';
    return converted;
}

std::string ProgramUnderTest(int argc, char** argv)
{
    if (argc > 1)
        return WindowsPath(argv[1]);
    const char* fromEnvironment = getenv("TUSCHELPOST_PROGRAM");
    return fromEnvironment ? WindowsPath(fromEnvironment) : std::string();
}

bool StartProcess(const std::string& commandLine, PROCESS_INFORMATION* process,
                  std::string* error)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    // CreateProcessA may write into the command line.
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    *process = PROCESS_INFORMATION();
    if (!CreateProcessA(NULL, line.data(), NULL, NULL, FALSE, 0, NULL, NULL, &startup,
                        process)) {
        *error = "CreateProcessA(" + commandLine + ") failed with error " +
                 std::to_string(GetLastError());
        return false;
    }
    return true;
}

bool WaitForExit(const PROCESS_INFORMATION& process, DWORD timeoutMs, DWORD* exitCode)
{
    if (WaitForSingleObject(process.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return false;
    GetExitCodeProcess(process.hProcess, exitCode);
    return true;
}

bool RunLinuxCommand(const std::string& command, DWORD timeoutMs, int* status)
{
    static int count = 0;
    std::string statusFile = "/tmp/tuschelpost-e2e-" + std::to_string(GetCurrentProcessId()) +
                             "-" + std::to_string(++count) + ".status";
    std::string shellLine = command + "; echo $? > " + statusFile + ".part; mv " + statusFile +
                            ".part " + statusFile;
    PROCESS_INFORMATION process;
    std::string error;
    if (!StartProcess("Z:\\bin\\sh -c \"" + shellLine + "\"", &process, &error)) {
        fprintf(stderr, "%s\n", error.c_str());
        return false;
    }
    EndProcess(&process);
    std::string windowsFile = WindowsPath(statusFile);
    FILE* file = NULL;
    bool ended = WaitUntil([&] { return (file = fopen(windowsFile.c_str(), "r")) != NULL; },
                           timeoutMs);
    if (!ended) {
        fprintf(stderr, "%s did not end within %lu ms\n", command.c_str(),
                (unsigned long)timeoutMs);
        return false;
    }
    *status = -1;
    if (fscanf(file, "%d", status) != 1)
        *status = -1;
    fclose(file);
    DeleteFileA(windowsFile.c_str());
    if (*status != 0)
        fprintf(stderr, "%s ended with status %d\n", command.c_str(), *status);
    return true;
}

void EndProcess(PROCESS_INFORMATION* process)
{
    if (!process->hProcess)
        return;
    if (WaitForSingleObject(process->hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process->hProcess, 1);
        WaitForSingleObject(process->hProcess, 5000);
    }
    CloseHandle(process->hThread);
    CloseHandle(process->hProcess);
    *process = PROCESS_INFORMATION();
}

bool Is32BitProgram(const std::string& windowsPath)
{
    DWORD type = 0;
    return GetBinaryTypeA(windowsPath.c_str(), &type) && type == SCS_32BIT_BINARY;
}
