// Every way of closing the window ends the program at once with exit code
// 0; a WM_QUIT does not end it.
#include "tests/e2e/real_input.h"
#include "tests/e2e/running_program.h"
#include "tests/e2e/wait_until.h"
#include "tests/e2e/window_reading.h"

#include <gtest/gtest.h>

using Ending = RunningProgram;

// The screen point of the close button, found by hit-testing the caption
// bar from the right.
static bool FindCloseButton(HWND window, POINT* point)
{
    RECT outer;
    GetWindowRect(window, &outer);
    int captionBottom = outer.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION);
    for (int y = outer.top + 2; y < captionBottom; y += 2) {
        for (int x = outer.right - 2; x > outer.right - 80; --x) {
            LRESULT hit = SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y));
            if (hit == HTCLOSE) {
                // The middle of the run of HTCLOSE on this row.
                int right = x;
                while (x > outer.left &&
                       SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x - 1, y)) == HTCLOSE)
                    --x;
                point->x = (x + right) / 2;
                point->y = y + 3 < captionBottom ? y + 3 : y;
                return true;
            }
        }
    }
    return false;
}

TEST_F(Ending, CloseButtonEndsWithZero)
{
    POINT close;
    ASSERT_TRUE(FindCloseButton(mainWindow, &close)) << "no HTCLOSE on the caption bar";
    ASSERT_TRUE(ClickAt(close.x, close.y));
    ExpectEndsWithZero("a click on the close button");
}

TEST_F(Ending, CloseInWindowMenuEndsWithZero)
{
    BringToFront();
    PressChord({VK_MENU, VK_SPACE});
    // The window menu runs its own loop; wait until it is open.
    DWORD thread = GetWindowThreadProcessId(mainWindow, NULL);
    ASSERT_TRUE(WaitUntil([&] {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(thread, &info) && (info.flags & GUI_INMENUMODE);
    })) << "Alt+Space did not open the window menu";
    PressChord({'C'});
    ExpectEndsWithZero("Close in the window menu");
}

TEST_F(Ending, AltF4EndsWithZero)
{
    BringToFront();
    PressChord({VK_MENU, VK_F4});
    ExpectEndsWithZero("Alt+F4");
}

TEST_F(Ending, CloseMessageFromAnotherProgramEndsWithZero)
{
    PostMessageA(mainWindow, WM_CLOSE, 0, 0);
    ExpectEndsWithZero("WM_CLOSE from another process");
}

TEST_F(Ending, QuitMessageDoesNotEndIt)
{
    PostThreadMessageA(process.dwThreadId, WM_QUIT, 0, 0);
    // A list event posted after the WM_QUIT enables the button: once that
    // happened, the WM_QUIT has been fetched and the program still runs.
    PostMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(ListId, CBN_SELCHANGE),
                 (LPARAM)Control(ListId));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(Control(ButtonId)) != FALSE; }))
        << "no message after WM_QUIT was handled";
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 0), (DWORD)WAIT_TIMEOUT)
        << "WM_QUIT ended the program";
    DWORD_PTR answer = 0;
    EXPECT_TRUE(SendMessageTimeoutA(mainWindow, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer))
        << "the window does not answer after WM_QUIT";
    PostMessageA(mainWindow, WM_CLOSE, 0, 0);
    ExpectEndsWithZero("WM_CLOSE after WM_QUIT");
}
