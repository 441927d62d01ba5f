// The yardstick of the footprint benchmark: the program's window with its
// four controls, made with the same class settings, sizes, styles, texts and
// font, and nothing else: no event queue, no codec, no keyboard navigation.
// It is built with the same flags and manifest as the program, so what the
// program costs beyond it is what its own code costs.
#include <windows.h>
#include <commctrl.h>

static const DWORD MainWindowStyle = WS_CAPTION | WS_SYSMENU;
static const DWORD ChildStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

static LRESULT CALLBACK BareWindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam)
{
    if (message == WM_CLOSE) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

static HWND CreateChild(HWND parent, HINSTANCE instance, int number, const char* className,
                        DWORD style, DWORD extendedStyle, int x, int y, int width,
                        int height, const char* text)
{
    HWND child = CreateWindowExA(extendedStyle, className, text, ChildStyle | style, x, y,
                                 width, height, parent, (HMENU)(INT_PTR)number, instance,
                                 NULL);
    SendMessageA(child, WM_SETFONT, (WPARAM)GetStockObject(DEFAULT_GUI_FONT), FALSE);
    return child;
}

// The closed box gets exactly the program's height, set the same way: set,
// read back, correct. A copy of the platform layer's loop on purpose: this
// program must not link that layer, which is what it is compared with.
static void SetClosedHeight(HWND list, int closedHeight)
{
    for (int attempt = 0; attempt < 8; ++attempt) {
        RECT box;
        GetWindowRect(list, &box);
        int difference = closedHeight - (box.bottom - box.top);
        if (difference == 0)
            return;
        LRESULT fieldHeight = SendMessageA(list, CB_GETITEMHEIGHT, (WPARAM)-1, 0);
        if (fieldHeight == CB_ERR || fieldHeight + difference < 1)
            return;
        SendMessageA(list, CB_SETITEMHEIGHT, (WPARAM)-1, fieldHeight + difference);
    }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    INITCOMMONCONTROLSEX controls;
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);

    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = BareWindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIcon(NULL, IDI_APPLICATION);
    windowClass.hCursor = LoadCursor(NULL, IDC_ARROW);
    windowClass.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "BareWindow";
    ATOM atom = RegisterClassExA(&windowClass);

    RECT outer = {0, 0, 600, 226};
    AdjustWindowRectEx(&outer, MainWindowStyle, FALSE, 0);
    HWND window = CreateWindowExA(0, MAKEINTATOM(atom),
                                  "Tuschelpost Programm - Codieren/Decodieren",
                                  MainWindowStyle, 564, 347, outer.right - outer.left,
                                  outer.bottom - outer.top, NULL, NULL, instance, NULL);
    if (!window)
        ExitProcess(0);
    ShowWindow(window, SW_SHOWNORMAL);

    CreateChild(window, instance, 0, "Edit", ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 10,
                10, 580, 80, "Zu verschl\xFCsselndes");
    HWND button = CreateChild(window, instance, 1, "Button", BS_PUSHBUTTON, 0, 290, 100, 180,
                              30, "Bitte Methode ausw\xE4hlen!");
    CreateChild(window, instance, 2, "Edit", ES_LEFT | ES_AUTOHSCROLL | ES_READONLY,
                WS_EX_CLIENTEDGE, 10, 140, 580, 80, "Verschl\xFCsseltes");
    HWND list = CreateChild(window, instance, 3, "ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, 0,
                            160, 105, 120, 350, NULL);
    SetClosedHeight(list, 20);
    EnableWindow(button, FALSE);
    SendMessageA(list, CB_INSERTSTRING, 0, (LPARAM) "Base 64 Encoder");
    SendMessageA(list, CB_INSERTSTRING, 1, (LPARAM) "Base 64 Decoder");

    MSG message;
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    DestroyWindow(window);
    ExitProcess(0);
}
