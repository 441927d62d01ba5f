// Choosing a method and converting, by mouse and keyboard as a user does.
#include "tests/e2e/real_input.h"
#include "tests/e2e/running_program.h"
#include "tests/e2e/wait_until.h"
#include "tests/e2e/window_reading.h"

#include <gtest/gtest.h>

using Conversion = RunningProgram;

static std::string Repeat(const std::string& part, int times)
{
    std::string whole;
    for (int i = 0; i < times; ++i)
        whole += part;
    return whole;
}

// WM_SETTEXT stands in for typing where the text is too long to type.
static void SetInput(HWND input, const std::string& text)
{
    SendMessageA(input, WM_SETTEXT, 0, (LPARAM)text.c_str());
    ASSERT_EQ(WindowText(input).size(), text.size());
}

TEST_F(Conversion, DisabledButtonTakesNoClickBeforeAnyChoice)
{
    ClickAndWaitForFocus(Control(InputId));
    ASSERT_TRUE(ClickCenterOf(Control(ButtonId)));
    // The click on the result field is handled after the one on the button.
    ClickAndWaitForFocus(Control(ResultId));
    EXPECT_EQ(FindProcessWindow(process.dwProcessId, "#32770"), (HWND)NULL)
        << "a message box appeared";
    EXPECT_EQ(WindowText(Control(ResultId)), InitialResult);
    EXPECT_FALSE(IsWindowEnabled(Control(ButtonId)));
    EXPECT_EQ(WindowText(Control(ButtonId)), InitialButtonCaption);
}

TEST_F(Conversion, ChoosingEachEntryByMouseGivesItsCaption)
{
    static const char* const Captions[] = {"Verschl\xFCsseln", "Entschl\xFCsseln"};
    for (int index : {0, 1, 0}) {
        ChooseEntryByMouse(index);
        EXPECT_TRUE(WaitUntil([&] { return WindowText(Control(ButtonId)) == Captions[index]; }))
            << "after choosing \"" << EntryLabel(index) << "\" the button reads \""
            << WindowText(Control(ButtonId)) << "\", want \"" << Captions[index] << "\"";
        EXPECT_TRUE(IsWindowEnabled(Control(ButtonId)));
        EXPECT_EQ(WindowText(Control(ListId)), EntryLabel(index));
        EXPECT_EQ(WindowText(Control(ResultId)), InitialResult) << "choosing changed the result";
    }
}

TEST_F(Conversion, InitialTextEncodes)
{
    ChooseEntryByMouse(0);
    ConvertAndExpect("WnUgdmVyc2NobPxzc2VsbmRlcw==");
}

struct TypedCase {
    int method;
    const char* input;
    const char* shown;
};

// Typed inputs, converted one after the other in the same window: each
// result replaces the one before, a shorter one too.
static const TypedCase TypedCases[] = {
    {1, "SGFsbG8=", "Hallo"},
    {0, "Hallo Welt", "SGFsbG8gV2VsdA=="},
    {0, "a", "YQ=="},
    {0, "", ""},
    {1, "aGFsbG8gV2VsdA==", "hallo Welt"},
    {1, "YQBi", "a"},          // a decoded NUL ends what is shown
    {1, "", ""},
};

TEST_F(Conversion, TypedInputsConvertOneAfterTheOther)
{
    for (const TypedCase& c : TypedCases) {
        SCOPED_TRACE(std::string("method ") + std::to_string(c.method) + ", input \"" +
                     c.input + "\"");
        if (SendMessageW(Control(ListId), CB_GETCURSEL, 0, 0) != c.method)
            ChooseEntryByMouse(c.method);
        TypeInput(c.input);
        ConvertAndExpect(c.shown);
    }
}

TEST_F(Conversion, LargestInputThatFillsTheBufferEncodesInFull)
{
    ChooseEntryByMouse(0);
    SetInput(Control(InputId), Repeat("abc", 256));   // 768 bytes
    ConvertAndExpect(Repeat("YWJj", 256));            // 1024 characters
    ChooseEntryByMouse(1);
    SetInput(Control(InputId), Repeat("YWJj", 256));
    ConvertAndExpect(Repeat("abc", 256));
}

TEST_F(Conversion, InputOfEditLimitConvertsInFullBothWays)
{
    // 32,767 characters, the edit control's default limit for typing.
    ChooseEntryByMouse(0);
    SetInput(Control(InputId), Repeat("abc", 10922) + "a");
    ConvertAndExpect(Repeat("YWJj", 10922) + "YQ==");
    ChooseEntryByMouse(1);
    // Three characters left over after the last group are dropped.
    SetInput(Control(InputId), Repeat("YWJj", 8191) + "YWJ");
    ConvertAndExpect(Repeat("abc", 8191));
}

TEST_F(Conversion, ResultFieldCanBeSelectedAndCopiedButNotTypedInto)
{
    ChooseEntryByMouse(0);
    TypeInput("abc");
    ConvertAndExpect("YWJj");
    HWND result = Control(ResultId);
    ClickAndWaitForFocus(result);
    TypeText("xyz");
    PressChord({VK_BACK});
    PressChord({VK_CONTROL, 'A'});
    // The selection of all four characters shows that the keys before it
    // were handled too.
    ASSERT_TRUE(WaitUntil([&] {
        DWORD start = 0, end = 0;
        SendMessageW(result, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
        return start == 0 && end == 4;
    })) << "Ctrl+A did not select the result";
    EXPECT_EQ(WindowText(result), "YWJj") << "typing changed the read-only field";

    if (OpenClipboard(NULL)) {
        EmptyClipboard();
        CloseClipboard();
    }
    PressChord({VK_CONTROL, 'C'});
    std::string copied;
    EXPECT_TRUE(WaitUntil([&] {
        if (!OpenClipboard(NULL))
            return false;
        HANDLE data = GetClipboardData(CF_TEXT);
        const char* text = data ? (const char*)GlobalLock(data) : NULL;
        copied = text ? text : "";
        if (text)
            GlobalUnlock(data);
        CloseClipboard();
        return copied == "YWJj";
    })) << "clipboard holds \"" << copied << "\", want \"YWJj\"";
}
