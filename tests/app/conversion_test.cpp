// Pressing the button: the input field's text converted into the result
// field, or the error message when no method is chosen.
#include "app_fixture.h"

#include "app/handlers.h"
#include "app/main_procedure.h"
#include "app/method_table.h"
#include "platform/platform.h"

static std::string Repeated(const std::string& piece, size_t times)
{
    std::string out;
    for (size_t i = 0; i < times; ++i)
        out += piece;
    return out;
}

static const char* MethodName(int method)
{
    return method == 0 ? "encode" : "decode";
}

// The press's own calls: read the input, hand the result over.
static std::vector<std::string> PressCalls(const std::string& result)
{
    return { "GetControlText(0)", "SetControlText(2, \"" + result + "\")" };
}

static const std::vector<std::string> ErrorPressCalls = {
    "GetControlText(0)", "ShowMessageBox(\"Fehler!\", \"Nichts ausgew\xE4hlt!\", 0)"
};

// Both result buffers are given back as soon as the result is shown.
static void ExpectBuffersEmpty()
{
    EXPECT_EQ(encodedText.bytes, nullptr) << "encodedText kept " << encodedText.length << " bytes";
    EXPECT_EQ(decodedText.bytes, nullptr) << "decodedText kept " << decodedText.length << " bytes";
}

struct ConversionCase {
    const char* name;
    int method;           // list entry: 0 encodes, 1 decodes
    std::string input;
    std::string result;   // what the result field shows
};

TEST_F(AppTest, PressConvertsInputIntoResultField)
{
    const ConversionCase cases[] = {
        { "three bytes", 0, "abc", "YWJj" },
        { "padded", 1, "SGFsbG8=", "Hallo" },
        { "Windows-1252 bytes", 0, "\xFC\xE4", "/OQ=" },
        { "Windows-1252 bytes back", 1, "/OQ=", "\xFC\xE4" },
        { "decoded NUL ends the text", 1, "YQBi", "a" },
        { "empty input, encoder", 0, "", "" },
        { "empty input, decoder", 1, "", "" },
        { "768 bytes fill the buffer", 0, Repeated("abc", 256), Repeated("YWJj", 256) },
        { "769 bytes, one group past the buffer", 0, Repeated("abc", 256) + "a",
          Repeated("YWJj", 256) + "YQ==" },
        { "3000 bytes", 0, Repeated("abc", 1000), Repeated("YWJj", 1000) },
        { "1024 decoded bytes", 1, Repeated("YWJj", 341) + "YQ==", Repeated("abc", 341) + "a" },
        { "1026 decoded bytes", 1, Repeated("YWJj", 342), Repeated("abc", 342) },
        { "4000 characters decode back", 1, Repeated("YWJj", 1000), Repeated("abc", 1000) },
        { "5000 characters", 1, Repeated("YWJj", 1250), Repeated("abc", 1250) },
    };
    for (const ConversionCase& c : cases) {
        SCOPED_TRACE(std::string(MethodName(c.method)) + " " + c.name + ": "
                     + PrintableBytes(c.input));
        StartCase();
        Run({SelectStep(c.method), TypeStep(c.input), PressStep(), CloseStep()});
        EXPECT_TRUE(CallsAre(HandlerCalls(), Joined({SelectionCalls(c.method), PressCalls(c.result)})));
        EXPECT_EQ(ResultShown().size(), c.result.size());
        ExpectBuffersEmpty();
    }
}

// The result buffer as the result field got it: every byte up to the
// buffer's own NUL, or nothing when neither buffer was in use.
static std::string bufferWhenShown;

static void KeepResultBuffer(int control, const char* text)
{
    const Text* buffer = encodedText.bytes ? &encodedText : &decodedText;
    if (control != 2 || !buffer->bytes)
        return;
    EXPECT_EQ(text, buffer->bytes) << "the result field was not given the result buffer";
    bufferWhenShown.assign(buffer->bytes, buffer->length + 1);
}

struct BufferCase {
    const char* name;
    int method;
    std::string input;
    std::string result;
    size_t bufferSize;   // characters before the buffer's NUL
};

// Each press fills a fresh buffer with spaces: at least 1024, and as many
// as a longer result needs. The codec's NUL ends the result; the spaces
// behind it stay.
TEST_F(AppTest, ResultBufferHoldsResultThenSpaces)
{
    const BufferCase cases[] = {
        { "short result", 0, "abc", "YWJj", 1024 },
        { "decoded NUL inside", 1, "YQBi", std::string("a\0b", 3), 1024 },
        { "empty result", 1, "", "", 1024 },
        { "result fills the buffer", 0, Repeated("abc", 256), Repeated("YWJj", 256), 1024 },
        { "result one group longer", 0, Repeated("abc", 256) + "a",
          Repeated("YWJj", 256) + "YQ==", 1028 },
        { "long decoded result", 1, Repeated("YWJj", 1250), Repeated("abc", 1250), 3750 },
    };
    for (const BufferCase& c : cases) {
        SCOPED_TRACE(std::string(MethodName(c.method)) + " " + c.name);
        StartCase();
        bufferWhenShown.clear();
        Recording().onSetControlText = KeepResultBuffer;
        Run({SelectStep(c.method), TypeStep(c.input), PressStep(), CloseStep()});

        std::string want = c.result;
        if (want.size() < c.bufferSize) {
            want += '\0';
            want += std::string(c.bufferSize - want.size(), ' ');
        }
        want += '\0';
        EXPECT_EQ(bufferWhenShown.size(), want.size());
        EXPECT_TRUE(bufferWhenShown == want) << "buffer: " << PrintableBytes(bufferWhenShown)
                                             << "\nwant:   " << PrintableBytes(want);
    }
}

TEST_F(AppTest, InitialInputTextEncodes)
{
    Run({SelectStep(0), PressStep(), CloseStep()});
    EXPECT_TRUE(CallsAre(HandlerCalls(),
                         Joined({SelectionCalls(0), PressCalls("WnUgdmVyc2NobPxzc2VsbmRlcw==")})));
    EXPECT_EQ(PrintableBytes(TextBytes(inputText)), "Zu verschl\\xFCsselndes");
}

// Every byte but NUL, over many groups: what the encoder makes of it the
// decoder turns back, with no byte lost at a group's or the buffer's edge.
TEST_F(AppTest, LongInputEncodesAndDecodesBack)
{
    std::string input;
    for (size_t i = 0; i < 3000; ++i)
        input += (char)(1 + i % 255);

    Run({SelectStep(0), TypeStep(input), PressStep(), CloseStep()});
    std::string encoded = ResultShown();
    EXPECT_EQ(encoded.size(), 4000u);

    StartCase();
    Run({SelectStep(1), TypeStep(encoded), PressStep(), CloseStep()});
    EXPECT_EQ(ResultShown().size(), input.size());
    EXPECT_TRUE(ResultShown() == input) << "decoded: " << PrintableBytes(ResultShown());
}

// Every press starts from a fresh buffer: nothing of a longer result shows
// behind a shorter one.
TEST_F(AppTest, ShorterResultAfterLongerShowsOnlyItself)
{
    const ConversionCase cases[] = {
        { "encode", 0, "abcdef", "YWJjZGVm" },
        { "decode", 1, "YWJjZGVm", "abcdef" },
    };
    const std::string shortInput[] = { "a", "YQ==" };
    const std::string shortResult[] = { "YQ==", "a" };
    for (int i = 0; i < 2; ++i) {
        const ConversionCase& c = cases[i];
        SCOPED_TRACE(c.name);
        StartCase();
        Run({SelectStep(c.method), TypeStep(c.input), PressStep(), TypeStep(shortInput[i]),
             PressStep(), CloseStep()});
        EXPECT_TRUE(CallsAre(HandlerCalls(), Joined({SelectionCalls(c.method), PressCalls(c.result),
                                                     PressCalls(shortResult[i])})));
        EXPECT_EQ(ResultShown(), shortResult[i]);
    }
}

TEST_F(AppTest, ChangingMethodKeepsResultAndNextPressUsesIt)
{
    Run({SelectStep(0), TypeStep("YWJj"), PressStep(), SelectStep(1), PressStep(), CloseStep()});
    EXPECT_TRUE(CallsAre(HandlerCalls(), Joined({SelectionCalls(0), PressCalls("WVdKag=="),
                                                 SelectionCalls(1), PressCalls("abc")})));
}

// A list event while the list shows nothing leaves no method chosen: the
// press then shows the error message and changes nothing, whatever button
// closed the box, and the window goes on working.
TEST_F(AppTest, PressWithNothingChosenShowsErrorAndChangesNothing)
{
    const int boxResults[] = { MessageBoxResultOk, 2, 0 };
    for (int boxResult : boxResults) {
        SCOPED_TRACE("message box returns " + std::to_string(boxResult));
        StartCase();
        Recording().messageBoxResult = boxResult;
        Run({SelectStep(0), TypeStep("abc"), PressStep(), SelectStep(NoSelection),
             TypeStep("xyz"), PressStep(), CloseStep()});
        EXPECT_TRUE(CallsAre(HandlerCalls(), Joined({SelectionCalls(0), PressCalls("YWJj"),
                                                     SelectionCalls(NoSelection), ErrorPressCalls})));
        EXPECT_EQ(ResultShown(), "YWJj");
        EXPECT_EQ(PrintableBytes(Recording().controls[1].text), PrintableBytes(ENCODE_CAPTION));
        EXPECT_TRUE(Recording().controls[1].enabled);
        EXPECT_EQ(std::string(TextBytes(selectedMethod)), "");
        EXPECT_EQ(std::string(TextBytes(inputText)), "xyz") << "the input is read on every press";
        ExpectBuffersEmpty();
    }
}

TEST_F(AppTest, WindowWorksAgainAfterErrorMessage)
{
    Run({SelectStep(NoSelection), PressStep(), SelectStep(1), TypeStep("YWJj"), PressStep(),
         CloseStep()});
    EXPECT_TRUE(CallsAre(HandlerCalls(), Joined({SelectionCalls(NoSelection), ErrorPressCalls,
                                                 SelectionCalls(1), PressCalls("abc")})));
    EXPECT_EQ(ResultShown(), "abc");
}
