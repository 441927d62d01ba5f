// The Win32 platform layer checked from inside its own process, for what
// Wine does not show to another process: the font of the controls, the
// styles the layer asked for (a drop-down list hands WS_VSCROLL on to its
// list), and the list's dropped and closed heights.
#include "platform/platform.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string.h>

#include <string>
#include <vector>

namespace {

const char Caption[] = "Tuschelpost Programm - Codieren/Decodieren";

// The class and style of every window created while the hook is set, as
// the creator asked for them.
struct Creation {
    std::string className;
    LONG style;
    LONG exStyle;
    int height;
};
std::vector<Creation> creations;
HHOOK creationHook;

LRESULT CALLBACK RecordCreation(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        CREATESTRUCTA* create = ((CBT_CREATEWNDA*)lParam)->lpcs;
        std::string name = HIWORD((ULONG_PTR)create->lpszClass) ? create->lpszClass : "(atom)";
        creations.push_back({name, create->style, (LONG)create->dwExStyle, create->cy});
    }
    return CallNextHookEx(creationHook, code, wParam, lParam);
}

class PlatformLayer : public ::testing::Test {
protected:
    void SetUp() override
    {
        creations.clear();
        creationHook = SetWindowsHookExA(WH_CBT, RecordCreation, NULL, GetCurrentThreadId());
        StartPlatform();
        ASSERT_TRUE(CreateMainWindow(564, 347, 600, 226, Caption));
        ASSERT_TRUE(CreateTextField(0, 10, 10, 580, 80, "Zu verschl\xFCsselndes", false));
        ASSERT_TRUE(CreatePushButton(1, 290, 100, 180, 30, "Bitte Methode ausw\xE4hlen!"));
        ASSERT_TRUE(CreateTextField(2, 10, 140, 580, 80, "Verschl\xFCsseltes", true));
        ASSERT_TRUE(CreateDropDownList(3, 160, 105, 120, 20));
        AddListItem(3, 0, "Base 64 Encoder");
        AddListItem(3, 1, "Base 64 Decoder");
        UnhookWindowsHookEx(creationHook);
        window = FindWindowA(NULL, Caption);
        ASSERT_NE(window, (HWND)NULL);
    }

    void TearDown() override { StopPlatform(); }

    // What was asked for the window of this class, created n-th among them.
    const Creation* Created(const char* className, int n = 0)
    {
        for (const Creation& c : creations)
            if (_stricmp(c.className.c_str(), className) == 0 && n-- == 0)
                return &c;
        return NULL;
    }

    HWND window = NULL;
};

TEST_F(PlatformLayer, EveryControlUsesDefaultGuiFont)
{
    HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
    for (int id = 0; id < 4; ++id)
        EXPECT_EQ((HGDIOBJ)SendMessageA(GetDlgItem(window, id), WM_GETFONT, 0, 0), font)
            << "control " << id;
}

TEST_F(PlatformLayer, ListIsAskedForVerticalScrollBarUnsorted)
{
    const Creation* list = Created("ComboBox");
    ASSERT_NE(list, (const Creation*)NULL) << "no ComboBox was created";
    EXPECT_TRUE(list->style & WS_VSCROLL) << std::hex << list->style;
    EXPECT_EQ(list->style & 3, CBS_DROPDOWNLIST) << std::hex << list->style;
    EXPECT_FALSE(list->style & CBS_SORT) << std::hex << list->style;
    EXPECT_TRUE(list->style & WS_TABSTOP) << std::hex << list->style;
}

// Wine measures the dropped rectangle from the created height less the
// closed box as it was at creation (350 gives 326); Windows gives the
// created height itself.
bool RunningUnderWine()
{
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

TEST_F(PlatformLayer, ListDropsDown350AndIsClosed20Tall)
{
    const Creation* created = Created("ComboBox");
    ASSERT_NE(created, (const Creation*)NULL) << "no ComboBox was created";
    EXPECT_EQ(created->height, 350) << "the room for the list that drops down";

    HWND list = GetDlgItem(window, 3);
    RECT dropped = {}, closed = {};
    SendMessageA(list, CB_GETDROPPEDCONTROLRECT, 0, (LPARAM)&dropped);
    GetWindowRect(list, &closed);
    EXPECT_EQ(closed.bottom - closed.top, 20);
    EXPECT_EQ(closed.right - closed.left, 120);
    EXPECT_EQ(dropped.top, closed.top);
    if (RunningUnderWine())
        EXPECT_GT(dropped.bottom - dropped.top, 300) << "dropped " << dropped.top << ".." << dropped.bottom;
    else
        EXPECT_EQ(dropped.bottom - dropped.top, 350);
}

TEST_F(PlatformLayer, MainWindowIsAskedForCaptionAndWindowMenuOnly)
{
    const Creation* main = &creations.at(0);
    EXPECT_EQ(main->style & ~WS_VISIBLE, WS_CAPTION | WS_SYSMENU) << std::hex << main->style;
    // Wine adds WS_EX_WINDOWEDGE for the caption before the hook sees it.
    EXPECT_EQ(main->exStyle & ~WS_EX_WINDOWEDGE, 0) << std::hex << main->exStyle;
}

TEST_F(PlatformLayer, ControlTextsGoInAndOutAsWindows1252Bytes)
{
    SetControlText(2, "Gr\xFC\xDF" "e \xE4");
    Text text = GetControlText(2);
    EXPECT_STREQ(TextBytes(text), "Gr\xFC\xDF" "e \xE4");
    EmptyText(&text);

    // The list reads as its selected entry, and as "" with none selected.
    text = GetControlText(3);
    EXPECT_STREQ(TextBytes(text), "");
    EmptyText(&text);
    SendMessageA(GetDlgItem(window, 3), CB_SETCURSEL, 1, 0);
    text = GetControlText(3);
    EXPECT_STREQ(TextBytes(text), "Base 64 Decoder");
    EmptyText(&text);
}

TEST_F(PlatformLayer, NumberWithoutControlDoesNothing)
{
    SetControlText(7, "x");
    DisableControl(7, true);
    AddListItem(7, 0, "x");
    Text text = GetControlText(7);
    EXPECT_STREQ(TextBytes(text), "");
    EmptyText(&text);
}

} // namespace
