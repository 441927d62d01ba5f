// Waiting for a condition in another process: poll it until it holds or the
// deadline has passed. Every wait of the Windows tests goes through here.
#ifndef TUSCHELPOST_TESTS_E2E_WAIT_UNTIL_H
#define TUSCHELPOST_TESTS_E2E_WAIT_UNTIL_H

#include <windows.h>

// Long enough for a program start under Wine on a busy machine.
enum { DefaultTimeoutMs = 20000, PollIntervalMs = 20 };

// True as soon as condition() is true; false if it is still false when
// timeoutMs have passed.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs = DefaultTimeoutMs)
{
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start >= timeoutMs)
            return condition();
        Sleep(PollIntervalMs);
    }
    return true;
}

#endif
