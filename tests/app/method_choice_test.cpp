// Choosing a method: the button is enabled and named after the choice.
#include "app_fixture.h"

#include "app/handlers.h"

struct ChoiceCase {
    const char* name;
    std::vector<int> picks;   // list entries picked in turn, or NoSelection
    const char* caption;      // the button's caption afterwards
    int selectedEntry;        // what selectedMethod holds, or NoSelection
};

TEST_F(AppTest, ChoosingMethodEnablesAndNamesButton)
{
    const ChoiceCase cases[] = {
        { "encoder", {0}, ENCODE_CAPTION, 0 },
        { "decoder", {1}, DECODE_CAPTION, 1 },
        { "encoder, then decoder", {0, 1}, DECODE_CAPTION, 1 },
        { "decoder, then encoder", {1, 0}, ENCODE_CAPTION, 0 },
        { "the same entry again", {0, 0}, ENCODE_CAPTION, 0 },
        { "nothing shown", {NoSelection}, "Bitte Methode ausw\xE4hlen!", NoSelection },
        { "encoder, then nothing shown", {0, NoSelection}, ENCODE_CAPTION, NoSelection },
        { "decoder, then nothing, then decoder", {1, NoSelection, 1}, DECODE_CAPTION, 1 },
    };
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(c.name);
        StartCase();
        std::vector<ScriptStep> steps;
        std::vector<std::vector<std::string> > calls;
        for (int pick : c.picks) {
            steps.push_back(SelectStep(pick));
            calls.push_back(SelectionCalls(pick));
        }
        steps.push_back(CloseStep());
        Run(steps);

        EXPECT_TRUE(CallsAre(HandlerCalls(), Joined(calls)));
        const FakeControl& button = Recording().controls[1];
        EXPECT_TRUE(button.enabled);
        EXPECT_EQ(PrintableBytes(button.text), PrintableBytes(c.caption));
        const char* wantSelected =
            c.selectedEntry == NoSelection ? "" : ExpectedListLabels[c.selectedEntry];
        EXPECT_EQ(PrintableBytes(TextBytes(selectedMethod)), PrintableBytes(wantSelected));
        EXPECT_EQ(PrintableBytes(ResultShown()), "Verschl\\xFCsseltes");
    }
}
