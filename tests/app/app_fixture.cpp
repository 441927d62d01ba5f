#include "app_fixture.h"

#include "app/handlers.h"
#include "app/main_procedure.h"
#include "platform/platform.h"

#if defined(EXPECT_LABELS_32)
const char* const ExpectedListLabels[2] = { "Verschl\xFCsseln", "Entschl\xFCsseln" };
#else
const char* const ExpectedListLabels[2] = { "Base 64 Encoder", "Base 64 Decoder" };
#endif

// The control numbers, written out: a wrong number in the program must not
// be copied into its tests.
enum { InputFieldNumber = 0, ConvertButtonNumber = 1, ResultFieldNumber = 2, MethodListNumber = 3 };

ScriptStep CloseStep()
{
    return EventStep(CloseWindow, 0);
}

ScriptStep SelectStep(int position)
{
    return SelectionChangeStep(ControlEvent, MethodListNumber, MethodListNumber, position);
}

ScriptStep TypeStep(const std::string& text)
{
    return TextChangeStep(ControlEvent, InputFieldNumber, InputFieldNumber, text);
}

ScriptStep PressStep()
{
    return EventStep(ControlEvent, ConvertButtonNumber);
}

std::vector<std::string> HandlerCalls()
{
    std::vector<std::string> lines;
    bool looping = false;
    const std::vector<RecordedCall>& calls = Recording().calls;
    for (size_t i = 0; i < calls.size(); ++i) {
        const std::string& op = calls[i].operation;
        if (op == "WaitForEvent")
            looping = true;
        if (looping && op != "WaitForEvent" && op != "EventControl" && op != "StopPlatform")
            lines.push_back(calls[i].line);
    }
    return lines;
}

static std::string Listed(const std::vector<std::string>& lines)
{
    std::string out;
    for (size_t i = 0; i < lines.size(); ++i)
        out += "  " + std::to_string(i) + ": " + PrintableBytes(lines[i]) + "\n";
    return out.empty() ? "  (none)\n" : out;
}

::testing::AssertionResult CallsAre(const std::vector<std::string>& got,
                                    const std::vector<std::string>& want)
{
    if (got == want)
        return ::testing::AssertionSuccess();
    size_t i = 0;
    while (i < got.size() && i < want.size() && got[i] == want[i])
        ++i;
    std::string first = "calls differ at " + std::to_string(i) + ": got "
        + (i < got.size() ? PrintableBytes(got[i]) : "(no call)") + ", want "
        + (i < want.size() ? PrintableBytes(want[i]) : "(no call)");
    return ::testing::AssertionFailure()
        << first << "\ngot:\n" << Listed(got) << "want:\n" << Listed(want)
        << "whole log:\n" << FormatCalls(Recording().calls);
}

std::vector<std::string> SelectionCalls(int position)
{
    std::vector<std::string> calls = { "DisableControl(1, false)", "GetControlText(3)" };
    if (position == 0)
        calls.push_back("SetControlText(1, \"" ENCODE_CAPTION "\")");
    if (position == 1)
        calls.push_back("SetControlText(1, \"" DECODE_CAPTION "\")");
    return calls;
}

std::vector<std::string> Joined(const std::vector<std::vector<std::string> >& parts)
{
    std::vector<std::string> all;
    for (size_t i = 0; i < parts.size(); ++i)
        all.insert(all.end(), parts[i].begin(), parts[i].end());
    return all;
}

std::string ResultShown()
{
    return Recording().controls[ResultFieldNumber].text;
}

void AppTest::SetUp()
{
    ResetRecording();
    // The program's variables outlive RunProgram; each test starts as a
    // fresh process would.
    EmptyText(&selectedMethod);
    EmptyText(&inputText);
}

void AppTest::TearDown()
{
    std::string misuses;
    for (size_t i = 0; i < Recording().misuses.size(); ++i)
        misuses += "  " + Recording().misuses[i] + "\n";
    EXPECT_TRUE(misuses.empty()) << "platform calls out of order:\n" << misuses
                                 << "whole log:\n" << FormatCalls(Recording().calls);
}

void AppTest::StartCase()
{
    TearDown();
    SetUp();
}

void AppTest::Run(const std::vector<ScriptStep>& steps)
{
    SetScript(steps);
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(Recording().stepsPlayed, steps.size())
        << "the loop ended before the script did\n" << FormatCalls(Recording().calls);
    EXPECT_EQ(Recording().closesAfterScript, 0)
        << "the loop went on after the scripted close\n" << FormatCalls(Recording().calls);
}
