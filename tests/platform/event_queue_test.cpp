#include "platform/event_queue.h"

#include <gtest/gtest.h>

namespace {

const Event Close = { 16, 0, 0x10 };
const Event Selection = { 13100, 3, 1 };
const Event Click = { 13100, 1, 0 };

class EventQueueTest : public testing::Test {
protected:
    void SetUp() override { ClearEvents(&queue); }

    Event Take()
    {
        Event event = { -1, -1, -1 };
        EXPECT_TRUE(TakeOldestEvent(&queue, &event));
        return event;
    }

    EventQueue queue;
};

bool operator==(const Event& a, const Event& b)
{
    return a.kind == b.kind && a.control == b.control && a.detail == b.detail;
}

TEST_F(EventQueueTest, GivesEventsOldestFirst)
{
    AppendEvent(&queue, Selection);
    AppendEvent(&queue, Close);
    EXPECT_TRUE(Take() == Selection);
    EXPECT_TRUE(Take() == Close);
    Event none;
    EXPECT_FALSE(TakeOldestEvent(&queue, &none));
}

TEST_F(EventQueueTest, EventEqualToTheTailIsNotAppendedAgain)
{
    for (int i = 0; i < 10000; ++i)
        AppendEvent(&queue, Selection);
    EXPECT_EQ(queue.count, 1);

    // Equal to an older event but not to the tail: appended.
    AppendEvent(&queue, Click);
    AppendEvent(&queue, Selection);
    EXPECT_EQ(queue.count, 3);

    // Another notification of the same control is another event.
    Event otherDetail = Selection;
    otherDetail.detail = 2;
    AppendEvent(&queue, otherDetail);
    EXPECT_EQ(queue.count, 4);
}

TEST_F(EventQueueTest, TakenTailNoLongerBlocksAnEqualEvent)
{
    AppendEvent(&queue, Selection);
    Take();
    AppendEvent(&queue, Selection);
    EXPECT_EQ(queue.count, 1);
}

TEST_F(EventQueueTest, FullQueueKeepsItsEventsAndDropsNewOnes)
{
    for (int i = 0; i < EventQueueCapacity + 10; ++i) {
        Event event = { 13100, i % 4, i };
        AppendEvent(&queue, event);
    }
    EXPECT_EQ(queue.count, EventQueueCapacity);
    for (int i = 0; i < EventQueueCapacity; ++i)
        EXPECT_EQ(Take().detail, i);
}

TEST_F(EventQueueTest, FullQueueStillTakesACloseRequest)
{
    for (int i = 0; i < EventQueueCapacity; ++i) {
        Event event = { 13100, i % 4, i };
        AppendEvent(&queue, event);
    }
    AppendEvent(&queue, Close);
    EXPECT_EQ(queue.count, EventQueueCapacity);
    Event last = { -1, -1, -1 };
    while (queue.count > 0)
        last = Take();
    EXPECT_TRUE(last == Close);
}

TEST_F(EventQueueTest, WrapsAroundTheRing)
{
    for (int round = 0; round < 3 * EventQueueCapacity; ++round) {
        Event first = { 13100, 0, round };
        Event second = { 13100, 2, round };
        AppendEvent(&queue, first);
        AppendEvent(&queue, second);
        EXPECT_TRUE(Take() == first);
        EXPECT_TRUE(Take() == second);
    }
    EXPECT_EQ(queue.count, 0);
}

}  // namespace
