// The error box: a list event while nothing is selected, then a press.
#include "tests/e2e/real_input.h"
#include "tests/e2e/running_program.h"
#include "tests/e2e/wait_until.h"
#include "tests/e2e/window_reading.h"

#include <gtest/gtest.h>

using ErrorMessage = RunningProgram;

static int VisibleButtons(HWND box, std::string* texts)
{
    int count = 0;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassName(child) == "Button" && IsWindowVisible(child)) {
            ++count;
            *texts += "\"" + WindowText(child) + "\" ";
        }
    }
    return count;
}

// An icon control that shows an icon; Wine keeps an empty one.
static bool ShowsIcon(HWND box)
{
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassName(child) == "Static" && IsWindowVisible(child) &&
            (Style(child) & SS_TYPEMASK) == SS_ICON &&
            SendMessageW(child, STM_GETICON, 0, 0) != 0)
            return true;
    }
    return false;
}

TEST_F(ErrorMessage, PressAfterListEventWithoutSelectionShowsBox)
{
    // Another program clears the selection and tells the window that the
    // selection changed: the list event then finds nothing selected.
    HWND list = Control(ListId);
    SendMessageW(list, CB_SETCURSEL, (WPARAM)-1, 0);
    PostMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(ListId, CBN_SELCHANGE), (LPARAM)list);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(Control(ButtonId)) != FALSE; }))
        << "the list event did not enable the button";
    EXPECT_EQ(WindowText(Control(ButtonId)), InitialButtonCaption)
        << "the caption changed although no entry matched";

    ASSERT_TRUE(ClickCenterOf(Control(ButtonId)));
    HWND box = NULL;
    ASSERT_TRUE(WaitUntil([&] { return (box = FindProcessWindow(process.dwProcessId, "#32770")) != NULL; }))
        << "no message box appeared";
    EXPECT_EQ(WindowText(box), "Fehler!");
    EXPECT_EQ(WindowText(GetDlgItem(box, 0xFFFF)), "Nichts ausgew\xE4hlt!")
        << Hex(WindowText(GetDlgItem(box, 0xFFFF)));
    std::string buttons;
    EXPECT_EQ(VisibleButtons(box, &buttons), 1) << "visible buttons: " << buttons;
    HWND ok = GetDlgItem(box, IDOK);
    ASSERT_NE(ok, (HWND)NULL);
    EXPECT_TRUE(IsWindowVisible(ok));
    EXPECT_EQ(WindowText(ok), "OK");
    EXPECT_FALSE(ShowsIcon(box)) << "the box shows an icon";
    EXPECT_FALSE(IsWindowEnabled(mainWindow)) << "the main window takes input under the box";
    EXPECT_EQ(WindowText(Control(ResultId)), InitialResult);

    ASSERT_TRUE(ClickCenterOf(ok));
    ASSERT_TRUE(WaitUntil([&] { return !FindProcessWindow(process.dwProcessId, "#32770"); }))
        << "OK did not close the box";
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(mainWindow) != FALSE; }));
    EXPECT_EQ(WindowText(Control(ResultId)), InitialResult);

    // The window works again.
    ChooseEntryByMouse(0);
    ConvertAndExpect("WnUgdmVyc2NobPxzc2VsbmRlcw==");
}
