#include "tests/e2e/keyboard_input.h"

#include "tests/e2e/real_input.h"
#include "tests/e2e/wait_until.h"
#include "tests/e2e/window_reading.h"

const KeyChord TabKey = {0, VK_TAB, "Tab"};
const KeyChord ShiftTabKey = {VK_SHIFT, VK_TAB, "Shift+Tab"};

void Press(const KeyChord& chord)
{
    if (chord.modifier)
        PressChord({chord.modifier, chord.key});
    else
        PressChord({chord.key});
}

static DWORD ThreadOf(HWND window)
{
    return GetWindowThreadProcessId(window, NULL);
}

HWND FocusIn(HWND mainWindow)
{
    return FocusOf(ThreadOf(mainWindow));
}

const char* ControlName(int id)
{
    static const char* const Names[] = {"InputField", "ConvertButton", "ResultField",
                                        "MethodList"};
    return id >= 0 && id < 4 ? Names[id] : "an unknown control";
}

std::string DescribeFocus(HWND mainWindow)
{
    HWND focus = FocusIn(mainWindow);
    if (!focus)
        return "no window";
    if (focus == mainWindow)
        return "the main window";
    if (GetParent(focus) == mainWindow)
        return ControlName(GetDlgCtrlID(focus));
    if (IsChild(mainWindow, focus))
        return "a part of a control, class " + ClassName(focus);
    return "a window of class " + ClassName(focus);
}

bool ProgramHandledEarlierMessages(HWND mainWindow)
{
    // Messages sent from one thread are handled in the order sent, the
    // activation that SetForegroundWindow sends along with them.
    DWORD_PTR answer = 0;
    return SendMessageTimeoutA(mainWindow, WM_NULL, 0, 0, SMTO_ABORTIFHUNG,
                               DefaultTimeoutMs, &answer) != 0;
}

static const char OtherWindowClass[] = "TuschelpostTestOtherProgram";

HWND CreateOtherWindow()
{
    static ATOM windowClass = 0;
    if (!windowClass) {
        WNDCLASSA description = {};
        description.lpfnWndProc = DefWindowProcA;
        description.hInstance = GetModuleHandleA(NULL);
        description.hCursor = LoadCursor(NULL, IDC_ARROW);
        description.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
        description.lpszClassName = OtherWindowClass;
        windowClass = RegisterClassA(&description);
        if (!windowClass)
            return NULL;
    }
    // Shown without taking the activation: the tests switch to it.
    HWND window = CreateWindowExA(0, OtherWindowClass, "Another program", WS_OVERLAPPEDWINDOW,
                                  40, 40, 320, 200, NULL, NULL, GetModuleHandleA(NULL), NULL);
    if (window)
        ShowWindow(window, SW_SHOWNOACTIVATE);
    return window;
}

static void PumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

bool ActivateAndWait(HWND window, HWND mainWindow)
{
    SetForegroundWindow(window);
    bool programActive = window == mainWindow;
    bool switched = WaitUntil([&] {
        PumpMessages();
        return GetForegroundWindow() == window &&
               (ActiveOf(ThreadOf(mainWindow)) == mainWindow) == programActive;
    });
    return switched && ProgramHandledEarlierMessages(mainWindow);
}
