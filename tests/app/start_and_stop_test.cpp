// The main procedure's start, its end, and what happens when the window or a
// control cannot be created.
#include "app_fixture.h"

#include "app/main_procedure.h"
#include "platform/platform.h"

static const char* const MainWindowCall =
    "CreateMainWindow(564, 347, 600, 226, \"Tuschelpost Programm - Codieren/Decodieren\")";

TEST_F(AppTest, StartsWithWindowThenControlsInOrderThenListEntries)
{
    Run({CloseStep()});
    EXPECT_TRUE(CallsAre(CallLines(), {
        "StartPlatform()",
        MainWindowCall,
        "CreateTextField(0, 10, 10, 580, 80, \"Zu verschl\xFCsselndes\", false)",
        "CreatePushButton(1, 290, 100, 180, 30, \"Bitte Methode ausw\xE4hlen!\")",
        "CreateTextField(2, 10, 140, 580, 80, \"Verschl\xFCsseltes\", true)",
        "CreateDropDownList(3, 160, 105, 120, 20)",
        "DisableControl(1, true)",
        std::string("AddListItem(3, 0, \"") + ExpectedListLabels[0] + "\")",
        std::string("AddListItem(3, 1, \"") + ExpectedListLabels[1] + "\")",
        "WaitForEvent()",
        "StopPlatform()",
    }));
}

TEST_F(AppTest, WithoutMainWindowCreatesNothingShowsNothingAndEnds)
{
    Recording().mainWindowFails = true;
    SetScript({SelectStep(0), PressStep(), CloseStep()});
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_TRUE(CallsAre(CallLines(), { "StartPlatform()", MainWindowCall, "StopPlatform()" }));
    EXPECT_EQ(Recording().stepsPlayed, 0u);
}

// A control that cannot be created is not tested for: the loop runs as
// usual, and what the user does with the missing control comes to nothing.
struct MissingControlCase {
    int control;
    std::vector<std::string> handlerCalls;
    const char* resultShown;
};

TEST_F(AppTest, MissingControlLeavesLoopRunning)
{
    const std::vector<std::string> chooseEncoder = SelectionCalls(0);
    const MissingControlCase cases[] = {
        // The typed text goes nowhere; the press converts the empty text.
        { 0, Joined({chooseEncoder, {"GetControlText(0)", "SetControlText(2, \"\")"}}), "" },
        // No button, no press.
        { 1, chooseEncoder, "Verschl\xFCsseltes" },
        // The result is handed to a field that is not there.
        { 2, Joined({chooseEncoder, {"GetControlText(0)", "SetControlText(2, \"YWJj\")"}}), "" },
        // No list, no choice; the button stays disabled and takes no press.
        { 3, {}, "Verschl\xFCsseltes" },
    };
    for (const MissingControlCase& c : cases) {
        SCOPED_TRACE("control " + std::to_string(c.control) + " not created");
        StartCase();
        Recording().controlFails[c.control] = true;
        Run({SelectStep(0), TypeStep("abc"), PressStep(), CloseStep()});
        EXPECT_TRUE(CallsAre(HandlerCalls(), c.handlerCalls));
        EXPECT_EQ(PrintableBytes(ResultShown()), PrintableBytes(c.resultShown));
    }
}
