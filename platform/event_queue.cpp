#include "event_queue.h"

#include "platform.h"

static bool SameEvent(const Event& a, const Event& b)
{
    return a.kind == b.kind && a.control == b.control && a.detail == b.detail;
}

void ClearEvents(EventQueue* queue)
{
    queue->first = 0;
    queue->count = 0;
}

void AppendEvent(EventQueue* queue, Event event)
{
    if (queue->count > 0) {
        int tail = (queue->first + queue->count - 1) % EventQueueCapacity;
        if (SameEvent(queue->events[tail], event))
            return;
    }
    if (queue->count == EventQueueCapacity) {
        // A close request is never lost: it takes the newest event's place.
        if (event.kind == CloseWindow) {
            int tail = (queue->first + queue->count - 1) % EventQueueCapacity;
            queue->events[tail] = event;
        }
        return;
    }
    queue->events[(queue->first + queue->count) % EventQueueCapacity] = event;
    ++queue->count;
}

bool TakeOldestEvent(EventQueue* queue, Event* event)
{
    if (queue->count == 0)
        return false;
    *event = queue->events[queue->first];
    queue->first = (queue->first + 1) % EventQueueCapacity;
    --queue->count;
    return true;
}
