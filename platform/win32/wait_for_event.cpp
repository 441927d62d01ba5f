#include "keyboard_navigation.h"
#include "layer_state.h"
#include "main_window.h"
#include "platform/platform.h"

void RaiseEvent(Event event, bool mayReturnAtThisWait)
{
    LayerState* layer = Layer();
    // Depth 1 means the window procedure was called by the dispatch of the
    // wait itself, not by a modal loop (moving, the window menu) inside it.
    bool atThisWait = mayReturnAtThisWait && layer->dispatching &&
                      layer->procedureDepth == 1 && !layer->hasEventForThisWait;
    if (atThisWait) {
        layer->eventForThisWait = event;
        layer->hasEventForThisWait = true;
    } else {
        AppendEvent(&layer->queue, event);
        if (layer->waitingForMessage && !layer->wakePosted && layer->mainWindow)
            layer->wakePosted = PostMessageA(layer->mainWindow, WM_NULL, 0, 0) != 0;
    }
}

static int Return(Event event)
{
    Layer()->lastEvent = event;
    return event.kind;
}

int WaitForEvent()
{
    LayerState* layer = Layer();
    Event event;
    if (TakeOldestEvent(&layer->queue, &event))
        return Return(event);

    // WM_QUIT (GetMessageA gives 0) is a message like any other here: the
    // program ends only on a close request.
    MSG message = {};
    layer->waitingForMessage = true;
    BOOL fetched = GetMessageA(&message, NULL, 0, 0);
    layer->waitingForMessage = false;
    if (message.message == WM_NULL && message.hwnd == layer->mainWindow)
        layer->wakePosted = false;
    if (fetched == -1) {
        Event nothing = { EventKind::IgnoredEvent, -1, 0 };
        return Return(nothing);
    }

    if (TakeNavigationKey(message)) {
        Event nothing = { EventKind::IgnoredEvent, -1, 0 };
        return Return(nothing);
    }

    layer->hasEventForThisWait = false;
    layer->dispatching = true;
    TranslateMessage(&message);
    DispatchMessageA(&message);
    layer->dispatching = false;

    if (layer->hasEventForThisWait) {
        layer->hasEventForThisWait = false;
        return Return(layer->eventForThisWait);
    }
    Event nothing = { EventKind::IgnoredEvent, -1, (int)message.message };
    return Return(nothing);
}

int EventControl()
{
    return Layer()->lastEvent.control;
}
