#ifndef TUSCHELPOST_PLATFORM_WIN32_MAIN_WINDOW_H
#define TUSCHELPOST_PLATFORM_WIN32_MAIN_WINDOW_H

#include "platform/event_queue.h"

#include <windows.h>

LRESULT CALLBACK MainWindowProcedure(HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam);

// Hands an event raised by a notification to the waits. One that may come
// out at the current wait does so when the wait dispatched the message
// itself; everything else waits in the queue.
void RaiseEvent(Event event, bool mayReturnAtThisWait);

// Shows or hides the focus rectangles of the main window's controls.
void ShowFocusRectangles(bool show);

#endif
