// The layer's queue of waiting events: a fixed ring, so queuing never
// allocates. An event equal to the one at the tail is not appended again,
// which keeps a burst of identical notifications (a drag, a flood of
// selection changes) from growing the queue.
#ifndef TUSCHELPOST_PLATFORM_EVENT_QUEUE_H
#define TUSCHELPOST_PLATFORM_EVENT_QUEUE_H

struct Event {
    int kind;
    int control;
    int detail;  // the notification that raised it
};

enum { EventQueueCapacity = 256 };

struct EventQueue {
    Event events[EventQueueCapacity];
    int first;
    int count;
};

void ClearEvents(EventQueue* queue);

// Appends the event unless it equals the tail. A full queue drops the new
// event, except a close request, which replaces the newest one: only a
// flood of distinct events inside one dispatch can fill it.
void AppendEvent(EventQueue* queue, Event event);

// Takes the oldest event; false when the queue is empty.
bool TakeOldestEvent(EventQueue* queue, Event* event);

#endif
