// The event loop: which events end it, which run a handler, which it drops.
#include "app_fixture.h"

#include "app/main_procedure.h"
#include "platform/platform.h"

TEST_F(AppTest, CloseEndsLoopInItsOwnTurn)
{
    SetScript({CloseStep(), SelectStep(0), TypeStep("abc"), PressStep()});
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(Recording().stepsPlayed, 1u) << "events after the close were fetched";
    EXPECT_TRUE(CallsAre(HandlerCalls(), {}));
    std::vector<std::string> lines = CallLines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], "WaitForEvent()");
    EXPECT_EQ(lines.back(), "StopPlatform()");
}

TEST_F(AppTest, QueuedEventsAreHandledOldestFirst)
{
    Run({SelectStep(0), SelectStep(1), SelectStep(0), CloseStep()});
    EXPECT_TRUE(CallsAre(HandlerCalls(),
                         Joined({SelectionCalls(0), SelectionCalls(1), SelectionCalls(0)})));
}

TEST_F(AppTest, SelectionBeforeCloseIsHandledThenProgramEnds)
{
    Run({SelectStep(1), CloseStep()});
    EXPECT_TRUE(CallsAre(HandlerCalls(), SelectionCalls(1)));
    EXPECT_EQ(CallLines().back(), "StopPlatform()");
}

// Each event comes after a choice of the encoder, so a handler run by
// mistake would show in the log: a press would convert, a list event would
// read the list.
TEST_F(AppTest, EventsOfTheTextFieldsAreDropped)
{
    const int fields[] = { 0, 2 };
    for (int field : fields) {
        SCOPED_TRACE("ControlEvent of control " + std::to_string(field));
        StartCase();
        Run({SelectStep(0), EventStep(ControlEvent, field), EventStep(ControlEvent, field),
             CloseStep()});
        EXPECT_TRUE(CallsAre(HandlerCalls(), SelectionCalls(0)));
        EXPECT_EQ(PrintableBytes(ResultShown()), "Verschl\\xFCsseltes");
    }
}

TEST_F(AppTest, EventsOfOtherKindsAreIgnored)
{
    const int kinds[] = { IgnoredEvent, 1, 15, 17, 13099, 13101, -1, 0x7FFFFFFF };
    for (int kind : kinds) {
        SCOPED_TRACE("event kind " + std::to_string(kind));
        StartCase();
        Run({SelectStep(0), EventStep(kind, 3), EventStep(kind, 1), EventStep(kind, 0),
             CloseStep()});
        EXPECT_TRUE(CallsAre(HandlerCalls(), SelectionCalls(0)));
    }
}

TEST_F(AppTest, ButtonTakesNoPressBeforeAnyChoice)
{
    Run({PressStep(), TypeStep("abc"), PressStep(), CloseStep()});
    EXPECT_TRUE(CallsAre(HandlerCalls(), {}));
    EXPECT_FALSE(Recording().controls[1].enabled);
}
