#include "main_window.h"

#include "layer_state.h"
#include "platform/platform.h"

static const char WindowClassName[] = "TuschelpostMainWindow";
static const DWORD MainWindowStyle = WS_CAPTION | WS_SYSMENU;

bool CreateMainWindow(int x, int y, int clientWidth, int clientHeight,
                      const char* caption)
{
    LayerState* layer = Layer();
    if (!layer->windowClass) {
        WNDCLASSEXA windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = MainWindowProcedure;
        windowClass.hInstance = layer->instance;
        windowClass.hIcon = layer->icon;
        windowClass.hCursor = layer->cursor;
        windowClass.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = WindowClassName;
        layer->windowClass = RegisterClassExA(&windowClass);
        if (!layer->windowClass)
            return false;
    }

    // The size asked for is the client area; the position is the outer
    // corner, used as it is even where the screen is too small.
    RECT outer = { 0, 0, clientWidth, clientHeight };
    AdjustWindowRectEx(&outer, MainWindowStyle, FALSE, 0);
    HWND window = CreateWindowExA(0, MAKEINTATOM(layer->windowClass), caption,
                                  MainWindowStyle, x, y, outer.right - outer.left,
                                  outer.bottom - outer.top, NULL, NULL,
                                  layer->instance, NULL);
    if (!window)
        return false;
    layer->mainWindow = window;
    ShowWindow(window, SW_SHOWNORMAL);
    return true;
}

void ShowFocusRectangles(bool show)
{
    LayerState* layer = Layer();
    if (!layer->mainWindow || layer->focusRectanglesShown == show)
        return;
    layer->focusRectanglesShown = show;
    SendMessageA(layer->mainWindow, WM_CHANGEUISTATE,
                 MAKEWPARAM(show ? UIS_CLEAR : UIS_SET, UISF_HIDEFOCUS), 0);
}

// The child identifier is the control number; the window must be the one
// the layer made under it.
static int ControlNumber(HWND child)
{
    int control = GetDlgCtrlID(child);
    return child && ControlWindow(control) == child ? control : -1;
}

// A notification of a child control, turned into the event it stands for.
static void OnControlNotification(HWND child, int code)
{
    // A disabled control raises no events; a notification that claims to
    // come from one was sent by another program.
    int control = ControlNumber(child);
    if (control < 0 || !IsWindowEnabled(child))
        return;
    Event event = { EventKind::ControlEvent, control, code };
    switch (Layer()->controlKinds[control]) {
    case PushButtonControl:
        if (code == BN_CLICKED)
            RaiseEvent(event, true);
        break;
    case DropDownListControl:
        if (code == CBN_SELCHANGE)
            RaiseEvent(event, false);
        break;
    case TextFieldControl:
        RaiseEvent(event, code != EN_SETFOCUS && code != EN_KILLFOCUS);
        break;
    case NoControl:
        break;
    }
}

static void OnActivate(bool active)
{
    LayerState* layer = Layer();
    if (!active) {
        layer->rememberedFocus = GetFocus();
        ShowFocusRectangles(false);
    } else if (layer->rememberedFocus && IsWindow(layer->rememberedFocus)) {
        SetFocus(layer->rememberedFocus);
    }
}

LRESULT CALLBACK MainWindowProcedure(HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam)
{
    LayerState* layer = Layer();
    LRESULT result = 0;
    ++layer->procedureDepth;
    switch (message) {
    case WM_CLOSE: {
        // The window stays until StopPlatform; the loop decides.
        Event event = { EventKind::CloseWindow, 0, WM_CLOSE };
        RaiseEvent(event, false);
        break;
    }
    case WM_COMMAND:
        if (lParam)
            OnControlNotification((HWND)lParam, HIWORD(wParam));
        break;
    case WM_ACTIVATE:
        // No default processing: it would put the focus on the window.
        OnActivate(LOWORD(wParam) != WA_INACTIVE);
        break;
    default:
        result = DefWindowProcA(window, message, wParam, lParam);
        break;
    }
    --layer->procedureDepth;
    return result;
}
