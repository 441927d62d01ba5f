#include "tests/e2e/running_program.h"

#include "tests/e2e/program_process.h"
#include "tests/e2e/real_input.h"
#include "tests/e2e/wait_until.h"
#include "tests/e2e/window_reading.h"

const char MainWindowCaption[] = "Tuschelpost Programm - Codieren/Decodieren";
const char InitialInput[] = "Zu verschl\xFCsselndes";
const char InitialButtonCaption[] = "Bitte Methode ausw\xE4hlen!";
const char InitialResult[] = "Verschl\xFCsseltes";

static const char* const Labels64[] = {"Base 64 Encoder", "Base 64 Decoder"};
static const char* const Labels32[] = {"Verschl\xFCsseln", "Entschl\xFCsseln"};

void RunningProgram::SetUp()
{
    program = ProgramUnderTest(0, NULL);
    ASSERT_FALSE(program.empty()) << "TUSCHELPOST_PROGRAM names no executable";
    is32Bit = Is32BitProgram(program);
    std::string error;
    ASSERT_TRUE(StartProcess("\"" + program + "\"", &process, &error)) << error;
    ASSERT_TRUE(WaitUntil([&] {
        mainWindow = FindProcessWindowByCaption(process.dwProcessId, MainWindowCaption);
        return mainWindow != NULL;
    }))
        << program << ": no main window within " << DefaultTimeoutMs << " ms";
    // Ready once both entries are in and the loop waits for input.
    ASSERT_TRUE(WaitUntil([&] {
        return Control(ListId) && SendMessageW(Control(ListId), CB_GETCOUNT, 0, 0) == 2;
    })) << "the list did not get its two entries";
    WaitForInputIdle(process.hProcess, DefaultTimeoutMs);
}

void RunningProgram::TearDown()
{
    if (process.hProcess && WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
        // Close an error box left open, then the window itself.
        HWND box = FindProcessWindow(process.dwProcessId, "#32770");
        if (box)
            PostMessageA(box, WM_CLOSE, 0, 0);
        PostMessageA(mainWindow, WM_CLOSE, 0, 0);
        WaitForSingleObject(process.hProcess, 5000);
    }
    EndProcess(&process);
}

const char* RunningProgram::EntryLabel(int index) const
{
    return (is32Bit ? Labels32 : Labels64)[index];
}

void RunningProgram::ChooseEntryByMouse(int index)
{
    HWND list = Control(ListId);
    ASSERT_TRUE(ClickCenterOf(list)) << "xdotool did not run";
    HWND dropped = NULL;
    ASSERT_TRUE(WaitUntil([&] {
        return (dropped = FindProcessWindow(process.dwProcessId, "ComboLBox")) != NULL;
    })) << "the list did not open on a click";
    // The entries stand one item height apart from the top of the open
    // list's client area.
    RECT client;
    GetClientRect(dropped, &client);
    POINT top = {client.left, client.top};
    ClientToScreen(dropped, &top);
    LRESULT itemHeight = SendMessageW(list, CB_GETITEMHEIGHT, 0, 0);
    ASSERT_GT(itemHeight, 0);
    int x = top.x + (client.right - client.left) / 2;
    int y = top.y + (int)itemHeight * index + (int)itemHeight / 2;
    ASSERT_TRUE(ClickAt(x, y));
    ASSERT_TRUE(WaitUntil([&] {
        return !FindProcessWindow(process.dwProcessId, "ComboLBox") &&
               SendMessageW(list, CB_GETCURSEL, 0, 0) == index;
    })) << "clicking entry " << index << " at " << x << "," << y
        << " did not select it; selection is " << SendMessageW(list, CB_GETCURSEL, 0, 0);
}

void RunningProgram::BringToFront()
{
    SetForegroundWindow(mainWindow);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == mainWindow; }))
        << "the main window did not come to the foreground";
}

void RunningProgram::ClickAndWaitForFocus(HWND control)
{
    ASSERT_TRUE(ClickCenterOf(control)) << "xdotool did not run";
    DWORD thread = GetWindowThreadProcessId(mainWindow, NULL);
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(thread) == control; }))
        << "control " << GetDlgCtrlID(control) << " did not take the focus by a click";
}

void RunningProgram::TypeInput(const std::string& text)
{
    HWND input = Control(InputId);
    ClickAndWaitForFocus(input);
    PressChord({VK_CONTROL, 'A'});
    if (text.empty())
        PressChord({VK_DELETE});
    else
        TypeText(text);
    ASSERT_TRUE(WaitUntil([&] { return WindowText(input) == text; }))
        << "typed \"" << text << "\", the input field shows \"" << WindowText(input) << "\"";
}

void RunningProgram::ConvertAndExpect(const std::string& want)
{
    HWND result = Control(ResultId);
    ASSERT_TRUE(ClickCenterOf(Control(ButtonId))) << "xdotool did not run";
    bool shown = WaitUntil([&] { return WindowText(result) == want; });
    std::string got = WindowText(result);
    EXPECT_TRUE(shown) << "input \"" << WindowText(Control(InputId)).substr(0, 80)
                       << "\": result \"" << got.substr(0, 80) << "\" (" << got.size()
                       << " bytes), want \"" << want.substr(0, 80) << "\" (" << want.size()
                       << " bytes)";
}

void RunningProgram::ExpectEndsWithZero(const char* how)
{
    DWORD exitCode = 1;
    ASSERT_TRUE(WaitForExit(process, 10000, &exitCode)) << how << " did not end the program";
    EXPECT_EQ(exitCode, 0u) << "exit code after " << how;
}
