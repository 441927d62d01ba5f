// The window and its controls as the program made them, read from outside.
#include "tests/e2e/running_program.h"
#include "tests/e2e/window_reading.h"

#include <gtest/gtest.h>

using WindowLayout = RunningProgram;

TEST_F(WindowLayout, MainWindowHasCaptionPlaceAndFixedFrame)
{
    EXPECT_EQ(WindowText(mainWindow), MainWindowCaption);
    RECT outer, client;
    GetWindowRect(mainWindow, &outer);
    GetClientRect(mainWindow, &client);
    EXPECT_EQ(outer.left, 564);
    EXPECT_EQ(outer.top, 347);
    EXPECT_EQ(client.right - client.left, 600);
    EXPECT_EQ(client.bottom - client.top, 226);

    LONG style = Style(mainWindow);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU) << std::hex << style;
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0) << std::hex << style;
    // The system adds WS_EX_WINDOWEDGE to every window with a caption.
    EXPECT_EQ(ExStyle(mainWindow) & ~WS_EX_WINDOWEDGE, 0) << std::hex << ExStyle(mainWindow);
    EXPECT_EQ(GetWindow(mainWindow, GW_OWNER), (HWND)NULL) << "the window has an owner";
    EXPECT_TRUE(IsWindowVisible(mainWindow));
}

struct ControlLayout {
    int id;
    const char* className;
    RECT rect;           // in the main window's client area
    LONG styleSet;       // bits that must be set
    LONG styleClear;     // bits that must be clear
    LONG exStyleSet;
};

static const ControlLayout Layouts[] = {
    {InputId, "Edit", {10, 10, 590, 90}, WS_TABSTOP | ES_AUTOHSCROLL,
     ES_MULTILINE | ES_READONLY, WS_EX_CLIENTEDGE},
    {ButtonId, "Button", {290, 100, 470, 130}, WS_TABSTOP, BS_NOTIFY | BS_DEFPUSHBUTTON, 0},
    {ResultId, "Edit", {10, 140, 590, 220}, WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY,
     ES_MULTILINE, WS_EX_CLIENTEDGE},
    // Closed, the list is exactly 20 pixels tall.
    {ListId, "ComboBox", {160, 105, 280, 125}, WS_TABSTOP | CBS_DROPDOWNLIST, CBS_SORT, 0},
};

TEST_F(WindowLayout, ControlsHaveClassIdPlaceAndStyles)
{
    for (const ControlLayout& want : Layouts) {
        SCOPED_TRACE("control " + std::to_string(want.id));
        HWND control = Control(want.id);
        ASSERT_NE(control, (HWND)NULL);
        EXPECT_EQ(ClassName(control), want.className);
        EXPECT_EQ(GetDlgCtrlID(control), want.id);
        EXPECT_EQ(GetParent(control), mainWindow);
        RECT rect = RectInParent(control);
        EXPECT_EQ(rect.left, want.rect.left);
        EXPECT_EQ(rect.top, want.rect.top);
        EXPECT_EQ(rect.right, want.rect.right);
        EXPECT_EQ(rect.bottom, want.rect.bottom);
        LONG style = Style(control);
        EXPECT_EQ(style & want.styleSet, want.styleSet) << std::hex << style;
        EXPECT_EQ(style & want.styleClear, 0) << std::hex << style;
        EXPECT_EQ(ExStyle(control) & want.exStyleSet, want.exStyleSet)
            << std::hex << ExStyle(control);
        EXPECT_TRUE(style & WS_VISIBLE);
    }
    LONG buttonStyle = Style(Control(ButtonId));
    EXPECT_EQ(buttonStyle & BS_TYPEMASK, BS_PUSHBUTTON) << std::hex << buttonStyle;
    LONG listStyle = Style(Control(ListId));
    EXPECT_EQ(listStyle & 3, CBS_DROPDOWNLIST) << std::hex << listStyle;
}

TEST_F(WindowLayout, StartsWithInitialTextsDisabledButtonAndNoChoice)
{
    EXPECT_EQ(WindowText(Control(InputId)), InitialInput)
        << Hex(WindowText(Control(InputId)));
    EXPECT_EQ(WindowText(Control(ButtonId)), InitialButtonCaption)
        << Hex(WindowText(Control(ButtonId)));
    EXPECT_EQ(WindowText(Control(ResultId)), InitialResult)
        << Hex(WindowText(Control(ResultId)));
    EXPECT_FALSE(IsWindowEnabled(Control(ButtonId)));

    HWND list = Control(ListId);
    ASSERT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), 2);
    for (int index = 0; index < 2; ++index)
        EXPECT_EQ(ComboEntryText(list, index), EntryLabel(index))
            << "entry " << index << ": " << Hex(ComboEntryText(list, index));
    EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), CB_ERR) << "an entry is selected at start";
    EXPECT_EQ(WindowText(list), "");
}
