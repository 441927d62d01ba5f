// The one record that holds everything the Win32 layer owns.
#ifndef TUSCHELPOST_PLATFORM_WIN32_LAYER_STATE_H
#define TUSCHELPOST_PLATFORM_WIN32_LAYER_STATE_H

#include "platform/event_queue.h"

#include <windows.h>

enum { MaxControls = 8 };

enum ControlKind {
    NoControl,
    TextFieldControl,
    PushButtonControl,
    DropDownListControl
};

struct LayerState {
    HINSTANCE instance;
    HFONT font;
    HCURSOR cursor;
    HICON icon;
    ATOM windowClass;
    HWND mainWindow;
    HWND controls[MaxControls];  // by control number; NULL where none exists
    ControlKind controlKinds[MaxControls];

    EventQueue queue;
    Event lastEvent;             // what WaitForEvent returned last

    // Set while WaitForEvent dispatches a message it fetched itself: events
    // raised directly by that dispatch (depth 1 in the window procedure)
    // may be returned by this very wait.
    bool dispatching;
    int procedureDepth;
    bool hasEventForThisWait;
    Event eventForThisWait;

    // Set while WaitForEvent blocks in GetMessageA. A message sent from
    // another thread or program is handled in there, and GetMessageA then
    // goes on waiting for a posted one: an event it raises must wake it.
    bool waitingForMessage;
    bool wakePosted;

    HWND rememberedFocus;        // the focus when the window was deactivated
    bool focusRectanglesShown;
};

LayerState* Layer();

// The control's window, or NULL for a number without a control.
HWND ControlWindow(int control);

#endif
