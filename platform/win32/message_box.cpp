#include "layer_state.h"
#include "platform/platform.h"

// The thread's top-level windows that the box turns off while it shows.
enum { MaxSetAside = 32 };

struct SetAside {
    HWND foreground;
    HWND disabled[MaxSetAside];
    int disabledCount;
    HWND topMost[MaxSetAside];
    int topMostCount;
};

static BOOL CALLBACK SetAsideWindow(HWND window, LPARAM parameter)
{
    SetAside* aside = (SetAside*)parameter;
    if (window == aside->foreground)
        return TRUE;
    if (IsWindowEnabled(window) && aside->disabledCount < MaxSetAside) {
        EnableWindow(window, FALSE);
        aside->disabled[aside->disabledCount++] = window;
    }
    if ((GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) &&
        aside->topMostCount < MaxSetAside) {
        SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        aside->topMost[aside->topMostCount++] = window;
    }
    return TRUE;
}

static void Restore(const SetAside& aside)
{
    for (int i = 0; i < aside.topMostCount; ++i) {
        if (IsWindow(aside.topMost[i]))
            SetWindowPos(aside.topMost[i], HWND_TOPMOST, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    for (int i = 0; i < aside.disabledCount; ++i) {
        if (IsWindow(aside.disabled[i]))
            EnableWindow(aside.disabled[i], TRUE);
    }
}

int ShowMessageBox(const char* caption, const char* message, unsigned flags)
{
    // The owner is the foreground window only when it is one of ours; the
    // box disables its owner itself, and the thread's other windows here.
    HWND foreground = GetForegroundWindow();
    DWORD process = 0;
    if (foreground)
        GetWindowThreadProcessId(foreground, &process);
    HWND owner = process == GetCurrentProcessId() ? foreground : NULL;

    SetAside aside = {};
    aside.foreground = owner;
    EnumThreadWindows(GetCurrentThreadId(), SetAsideWindow, (LPARAM)&aside);
    int button = MessageBoxA(owner, message, caption, flags);
    Restore(aside);
    return button;
}
