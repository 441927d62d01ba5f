#include "keyboard_navigation.h"

#include "layer_state.h"
#include "main_window.h"
#include "platform/focus_order.h"

enum { MaxChildren = 32 };

static bool IsHeld(int key)
{
    return GetKeyState(key) < 0;
}

// The active window, when it is the layer's window. GetActiveWindow names
// only windows of the calling thread, so it is ours when it is that one.
static HWND OurActiveWindow()
{
    HWND active = GetActiveWindow();
    return active && active == Layer()->mainWindow ? active : NULL;
}

static bool IsEligible(HWND child)
{
    return IsWindowEnabled(child) && IsWindowVisible(child) &&
           (GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP);
}

static void MoveFocus(HWND window, bool backward)
{
    HWND children[MaxChildren];
    bool eligible[MaxChildren];
    int count = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child && count < MaxChildren;
         child = GetWindow(child, GW_HWNDNEXT)) {
        children[count] = child;
        eligible[count] = IsEligible(child);
        ++count;
    }

    // The focus may sit in a part of a control (the edit field of a combo
    // box, say): the reference is the direct child that holds it.
    int reference = -1;
    HWND focus = GetFocus();
    if (focus && IsChild(window, focus)) {
        while (GetParent(focus) != window)
            focus = GetParent(focus);
        for (int i = 0; i < count; ++i) {
            if (children[i] == focus)
                reference = i;
        }
    }

    int next = NextFocusIndex(eligible, count, reference, backward);
    if (next >= 0)
        SetFocus(children[next]);
}

bool TakeNavigationKey(const MSG& message)
{
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB &&
        !IsHeld(VK_CONTROL) && !IsHeld(VK_MENU)) {
        HWND window = OurActiveWindow();
        if (window) {
            MoveFocus(window, IsHeld(VK_SHIFT));
            ShowFocusRectangles(true);
            return true;
        }
    }
    if (IsHeld(VK_CONTROL) || IsHeld(VK_SHIFT) || IsHeld(VK_MENU))
        ShowFocusRectangles(true);
    return false;
}
