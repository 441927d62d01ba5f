#include "layer_state.h"
#include "platform/platform.h"

static const DWORD ChildStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

static bool CreateControl(int control, ControlKind kind, const char* className,
                          DWORD style, DWORD extendedStyle, int x, int y,
                          int width, int height, const char* text)
{
    LayerState* layer = Layer();
    if (control < 0 || control >= MaxControls || !layer->mainWindow)
        return false;
    // The child identifier is the control number.
    HWND window = CreateWindowExA(extendedStyle, className, text, ChildStyle | style,
                                  x, y, width, height, layer->mainWindow,
                                  (HMENU)(INT_PTR)control, layer->instance, NULL);
    if (!window)
        return false;
    SendMessageA(window, WM_SETFONT, (WPARAM)layer->font, FALSE);
    layer->controls[control] = window;
    layer->controlKinds[control] = kind;
    return true;
}

bool CreateTextField(int control, int x, int y, int width, int height,
                     const char* text, bool readOnly)
{
    // Single line on purpose, whatever the height: the text scrolls sideways.
    DWORD style = ES_LEFT | ES_AUTOHSCROLL | (readOnly ? ES_READONLY : 0);
    return CreateControl(control, TextFieldControl, "Edit", style, WS_EX_CLIENTEDGE,
                         x, y, width, height, text);
}

bool CreatePushButton(int control, int x, int y, int width, int height,
                      const char* caption)
{
    return CreateControl(control, PushButtonControl, "Button", BS_PUSHBUTTON, 0,
                         x, y, width, height, caption);
}

// The control is created with room for the list that drops down; the closed
// box's height follows the height of its selection field. The two do not
// map one to one on every platform (Wine answers CB_GETITEMHEIGHT with two
// more than it was given), so the field height asked for is corrected by
// what the window's height turned out to be, until the box fits.
static void SetClosedHeight(HWND list, int closedHeight)
{
    LRESULT fieldHeight = SendMessageA(list, CB_GETITEMHEIGHT, (WPARAM)-1, 0);
    if (fieldHeight == CB_ERR)
        return;
    for (int attempt = 0; attempt < 8; ++attempt) {
        RECT box;
        GetWindowRect(list, &box);
        int difference = closedHeight - (box.bottom - box.top);
        if (difference == 0 || fieldHeight + difference < 1)
            return;
        fieldHeight += difference;
        SendMessageA(list, CB_SETITEMHEIGHT, (WPARAM)-1, fieldHeight);
    }
}

bool CreateDropDownList(int control, int x, int y, int width, int closedHeight)
{
    const int droppedHeight = 350;
    DWORD style = CBS_DROPDOWNLIST | WS_VSCROLL;
    if (!CreateControl(control, DropDownListControl, "ComboBox", style, 0,
                       x, y, width, droppedHeight, NULL))
        return false;
    SetClosedHeight(ControlWindow(control), closedHeight);
    return true;
}

void AddListItem(int control, int position, const char* text)
{
    HWND list = ControlWindow(control);
    if (list)
        SendMessageA(list, CB_INSERTSTRING, (WPARAM)position, (LPARAM)text);
}

void DisableControl(int control, bool disabled)
{
    HWND window = ControlWindow(control);
    if (window)
        EnableWindow(window, !disabled);
}

Text GetControlText(int control)
{
    Text text = {};
    HWND window = ControlWindow(control);
    if (!window)
        return text;
    int length = GetWindowTextLengthA(window);
    if (length <= 0 || !FillText(&text, '\0', (size_t)length))
        return text;
    // The length is an upper bound; the text itself may be shorter.
    int copied = GetWindowTextA(window, text.bytes, length + 1);
    text.length = copied > 0 ? (size_t)copied : 0;
    text.bytes[text.length] = '\0';
    return text;
}

void SetControlText(int control, const char* text)
{
    HWND window = ControlWindow(control);
    if (window)
        SetWindowTextA(window, text);
}
