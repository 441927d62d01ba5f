// Smoke test of one executable, run under Wine: it starts, its main window
// appears with the caption and four controls, and a WM_CLOSE from this
// process ends it with exit code 0.
//
// Usage: smoke_test PROGRAM.exe   (or TUSCHELPOST_PROGRAM=PROGRAM.exe)
#include "tests/e2e/program_process.h"
#include "tests/e2e/wait_until.h"
#include "tests/e2e/window_reading.h"

#include <windows.h>

#include <stdio.h>

static const char MainWindowCaption[] = "Tuschelpost Programm - Codieren/Decodieren";

struct ExpectedControl {
    int id;
    const char* className;
};

static const ExpectedControl Controls[] = {
    {0, "Edit"}, {1, "Button"}, {2, "Edit"}, {3, "ComboBox"}};

static int Fail(const char* what, PROCESS_INFORMATION* process)
{
    printf("FAILED: %s\n", what);
    EndProcess(process);
    return 1;
}

static int CountChildren(HWND window)
{
    int count = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ++count;
    return count;
}

int main(int argc, char** argv)
{
    std::string program = ProgramUnderTest(argc, argv);
    if (program.empty()) {
        printf("usage: smoke_test PROGRAM.exe\n");
        return 2;
    }
    PROCESS_INFORMATION process;
    std::string error;
    if (!StartProcess("\"" + program + "\"", &process, &error)) {
        printf("FAILED: %s\n", error.c_str());
        return 1;
    }

    HWND window = NULL;
    if (!WaitUntil([&] {
            window = FindProcessWindowByCaption(process.dwProcessId, MainWindowCaption);
            return window != NULL;
        }))
        return Fail("no window with the caption \"Tuschelpost Programm - "
                    "Codieren/Decodieren\" appeared within 20 s", &process);
    if (!WaitUntil([&] { return CountChildren(window) == 4; })) {
        printf("the main window has %d child windows, want 4\n", CountChildren(window));
        return Fail("the four controls did not appear", &process);
    }
    for (const ExpectedControl& expected : Controls) {
        HWND control = GetDlgItem(window, expected.id);
        std::string className = control ? ClassName(control) : "(none)";
        if (className != expected.className) {
            printf("control %d: class %s, want %s\n", expected.id, className.c_str(),
                   expected.className);
            return Fail("a control is missing or of the wrong class", &process);
        }
    }

    PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD exitCode = 0;
    if (!WaitForExit(process, 10000, &exitCode))
        return Fail("the program did not end within 10 s of WM_CLOSE", &process);
    EndProcess(&process);
    if (exitCode != 0) {
        printf("FAILED: exit code %lu after WM_CLOSE, want 0\n", (unsigned long)exitCode);
        return 1;
    }
    printf("%s: window and four controls seen, WM_CLOSE ended it with exit code 0\n",
           program.c_str());
    return 0;
}
