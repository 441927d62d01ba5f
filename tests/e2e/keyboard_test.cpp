// Moving the focus with Tab and Shift+Tab, the keys the program leaves to
// its controls, and the focus kept while another program is active, with
// real key strokes to the foreground window.
#include "tests/e2e/keyboard_input.h"
#include "tests/e2e/real_input.h"
#include "tests/e2e/running_program.h"
#include "tests/e2e/wait_until.h"
#include "tests/e2e/window_reading.h"

#include <gtest/gtest.h>

#include <vector>

using Keyboard = RunningProgram;

static const KeyChord CtrlTabKey = {VK_CONTROL, VK_TAB, "Ctrl+Tab"};
static const KeyChord EnterKey = {0, VK_RETURN, "Enter"};
static const KeyChord EscapeKey = {0, VK_ESCAPE, "Escape"};
static const KeyChord SpaceKey = {0, VK_SPACE, "Space"};
static const KeyChord DownKey = {0, VK_DOWN, "Down"};
static const KeyChord UpKey = {0, VK_UP, "Up"};

// The order of the controls while the button is enabled.
static int NextControl(int id)
{
    return (id + 1) % 4;
}

// Presses the chord and waits until the control has the focus.
static void PressAndExpectFocus(HWND mainWindow, const KeyChord& chord, int wantId)
{
    std::string before = DescribeFocus(mainWindow);
    Press(chord);
    HWND want = GetDlgItem(mainWindow, wantId);
    ASSERT_TRUE(WaitUntil([&] { return FocusIn(mainWindow) == want; }))
        << chord.name << " with the focus on " << before << ": the focus is on "
        << DescribeFocus(mainWindow) << ", want " << ControlName(wantId);
}

// Presses the chord once for each control and expects the focus on them in
// turn.
static void ExpectFocusRound(HWND mainWindow, const KeyChord& chord, const std::vector<int>& ids)
{
    for (size_t step = 0; step < ids.size(); ++step) {
        SCOPED_TRACE(std::string(chord.name) + " number " + std::to_string(step + 1));
        ASSERT_NO_FATAL_FAILURE(PressAndExpectFocus(mainWindow, chord, ids[step]));
    }
}

// Presses Tab until the control has the focus.
static void FocusByTab(HWND mainWindow, int id)
{
    HWND want = GetDlgItem(mainWindow, id);
    for (int presses = 0; presses < 5 && FocusIn(mainWindow) != want; ++presses) {
        HWND before = FocusIn(mainWindow);
        std::string described = DescribeFocus(mainWindow);
        Press(TabKey);
        ASSERT_TRUE(WaitUntil([&] { return FocusIn(mainWindow) != before; }))
            << "Tab with the focus on " << described << " moved no focus";
    }
    ASSERT_EQ(FocusIn(mainWindow), want)
        << "five Tabs did not reach " << ControlName(id) << "; the focus is on "
        << DescribeFocus(mainWindow);
}

// Focuses the closed list by Tab and moves its selection to the entry with
// the arrow keys, which enables the button.
static void ChooseEntryByKeyboard(HWND mainWindow, int index)
{
    ASSERT_NO_FATAL_FAILURE(FocusByTab(mainWindow, ListId));
    HWND list = GetDlgItem(mainWindow, ListId);
    auto selection = [&] { return (int)SendMessageW(list, CB_GETCURSEL, 0, 0); };
    for (int presses = 0; presses < 4 && selection() != index; ++presses) {
        int before = selection();
        const KeyChord& key = before < index ? DownKey : UpKey;
        Press(key);
        ASSERT_TRUE(WaitUntil([&] { return selection() != before; }))
            << key.name << " on the closed list left the selection at " << before;
    }
    ASSERT_EQ(selection(), index) << "the arrow keys did not select entry " << index;
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(GetDlgItem(mainWindow, ButtonId)) != FALSE; }))
        << "choosing entry " << index << " by keyboard did not enable the button";
}

TEST_F(Keyboard, NoControlHasTheFocusAtStart)
{
    BringToFront();
    ASSERT_TRUE(ProgramHandledEarlierMessages(mainWindow));
    HWND focus = FocusIn(mainWindow);
    EXPECT_TRUE(focus == NULL || !IsChild(mainWindow, focus))
        << "right after start the focus is on " << DescribeFocus(mainWindow);
}

TEST_F(Keyboard, FirstTabFocusesInputField)
{
    BringToFront();
    PressAndExpectFocus(mainWindow, TabKey, InputId);
}

TEST_F(Keyboard, FirstShiftTabFocusesMethodList)
{
    BringToFront();
    PressAndExpectFocus(mainWindow, ShiftTabKey, ListId);
}

TEST_F(Keyboard, RoundsSkipDisabledButton)
{
    BringToFront();
    ASSERT_NO_FATAL_FAILURE(ExpectFocusRound(mainWindow, TabKey, {InputId, ResultId, ListId, InputId}));
    ExpectFocusRound(mainWindow, ShiftTabKey, {ListId, ResultId, InputId, ListId});
}

// Both rounds from the list, where the choice of an entry leaves the focus.
static void ExpectRoundsWithButton(HWND mainWindow)
{
    ASSERT_NO_FATAL_FAILURE(
        ExpectFocusRound(mainWindow, TabKey, {InputId, ButtonId, ResultId, ListId}));
    ExpectFocusRound(mainWindow, ShiftTabKey, {ResultId, ButtonId, InputId, ListId});
}

TEST_F(Keyboard, RoundsIncludeButtonOnceEntryChosenByMouse)
{
    ASSERT_NO_FATAL_FAILURE(ChooseEntryByMouse(0));
    BringToFront();
    ASSERT_TRUE(WaitUntil([&] { return FocusIn(mainWindow) == Control(ListId); }))
        << "after choosing by mouse the focus is on " << DescribeFocus(mainWindow);
    ExpectRoundsWithButton(mainWindow);
}

TEST_F(Keyboard, RoundsIncludeButtonOnceEntryChosenByKeyboard)
{
    BringToFront();
    ASSERT_NO_FATAL_FAILURE(ChooseEntryByKeyboard(mainWindow, 0));
    ExpectRoundsWithButton(mainWindow);
}

TEST_F(Keyboard, TabIsNotTypedIntoInputField)
{
    BringToFront();
    HWND input = Control(InputId);
    ASSERT_NO_FATAL_FAILURE(PressAndExpectFocus(mainWindow, TabKey, InputId));
    ASSERT_NO_FATAL_FAILURE(PressAndExpectFocus(mainWindow, TabKey, ResultId));
    EXPECT_EQ(Hex(WindowText(input)), Hex(InitialInput)) << "input after Tab in it";
    ASSERT_NO_FATAL_FAILURE(PressAndExpectFocus(mainWindow, ShiftTabKey, InputId));
    ASSERT_NO_FATAL_FAILURE(PressAndExpectFocus(mainWindow, ShiftTabKey, ListId));
    EXPECT_EQ(Hex(WindowText(input)), Hex(InitialInput)) << "input after Shift+Tab in it";
}

struct QuietKeyCase {
    const KeyChord* chord;
    int control;
};

// Keys the program leaves to the focused control: none of them moves the
// focus, converts, shows a message or closes the window.
static const QuietKeyCase QuietKeyCases[] = {
    {&CtrlTabKey, InputId}, {&CtrlTabKey, ButtonId}, {&CtrlTabKey, ResultId},
    {&CtrlTabKey, ListId},  {&EnterKey, InputId},    {&EnterKey, ButtonId},
    {&EnterKey, ResultId},  {&EscapeKey, InputId},   {&EscapeKey, ButtonId},
    {&EscapeKey, ResultId}, {&EscapeKey, ListId},
};

TEST_F(Keyboard, KeysLeftToControlsMoveNoFocusAndConvertNothing)
{
    BringToFront();
    // With a method chosen, a conversion would change the result field.
    ASSERT_NO_FATAL_FAILURE(ChooseEntryByKeyboard(mainWindow, 0));
    for (const QuietKeyCase& c : QuietKeyCases) {
        std::string where = std::string(c.chord->name) + " on " + ControlName(c.control);
        SCOPED_TRACE(where);
        ASSERT_NO_FATAL_FAILURE(FocusByTab(mainWindow, c.control));
        Press(*c.chord);
        // The Tab after it reaches the control after this one only if the
        // key left the focus here; once it has, the key has been handled.
        ASSERT_NO_FATAL_FAILURE(PressAndExpectFocus(mainWindow, TabKey, NextControl(c.control)));
        EXPECT_EQ(WaitForSingleObject(process.hProcess, 0), (DWORD)WAIT_TIMEOUT)
            << where << " ended the program";
        ASSERT_TRUE(IsWindow(mainWindow) && IsWindowVisible(mainWindow))
            << where << " removed the window";
        EXPECT_EQ(FindProcessWindow(process.dwProcessId, "#32770"), (HWND)NULL)
            << where << " showed a message box";
        EXPECT_EQ(WindowText(Control(ResultId)), InitialResult)
            << where << " changed the result field";
    }
}

struct SpaceCase {
    int method;
    const char* input;
    const char* shown;
};

// Keyboard only: the method by arrow keys, the input typed, the button
// pressed with Space; one after the other in the same window.
static const SpaceCase SpaceCases[] = {
    {0, "abc", "YWJj"},
    {1, "SGFsbG8=", "Hallo"},
};

TEST_F(Keyboard, SpaceOnFocusedButtonConverts)
{
    BringToFront();
    HWND input = Control(InputId);
    HWND result = Control(ResultId);
    for (const SpaceCase& c : SpaceCases) {
        SCOPED_TRACE(std::string("method ") + std::to_string(c.method) + ", input \"" +
                     c.input + "\"");
        ASSERT_NO_FATAL_FAILURE(ChooseEntryByKeyboard(mainWindow, c.method));
        ASSERT_NO_FATAL_FAILURE(FocusByTab(mainWindow, InputId));
        PressChord({VK_CONTROL, 'A'});
        TypeText(c.input);
        ASSERT_TRUE(WaitUntil([&] { return WindowText(input) == c.input; }))
            << "typed \"" << c.input << "\", the input field shows \"" << WindowText(input)
            << "\"";
        ASSERT_NO_FATAL_FAILURE(FocusByTab(mainWindow, ButtonId));
        Press(SpaceKey);
        EXPECT_TRUE(WaitUntil([&] { return WindowText(result) == c.shown; }))
            << "Space on the button: result \"" << WindowText(result) << "\", want \""
            << c.shown << "\"";
    }
}

// Switches to the other window and back with the focus on each control in
// turn; the focus must come back to it, and Tab go on from there.
static void ExpectFocusKeptAcrossSwitches(HWND mainWindow, HWND other)
{
    for (int id : {InputId, ButtonId, ResultId, ListId}) {
        SCOPED_TRACE(std::string("focus on ") + ControlName(id));
        ASSERT_NO_FATAL_FAILURE(FocusByTab(mainWindow, id));
        ASSERT_TRUE(ActivateAndWait(other, mainWindow))
            << "the other window did not become active; the foreground window is \""
            << WindowText(GetForegroundWindow()) << "\"";
        ASSERT_TRUE(ActivateAndWait(mainWindow, mainWindow))
            << "the main window did not become active again";
        EXPECT_TRUE(WaitUntil([&] { return FocusIn(mainWindow) == GetDlgItem(mainWindow, id); }))
            << "after switching back the focus is on " << DescribeFocus(mainWindow)
            << ", want " << ControlName(id);
        ASSERT_NO_FATAL_FAILURE(PressAndExpectFocus(mainWindow, TabKey, NextControl(id)));
    }
}

TEST_F(Keyboard, FocusComesBackAfterAnotherWindowWasActive)
{
    BringToFront();
    ASSERT_NO_FATAL_FAILURE(ChooseEntryByKeyboard(mainWindow, 0));
    HWND other = CreateOtherWindow();
    ASSERT_NE(other, (HWND)NULL) << "cannot make the other window: error " << GetLastError();
    ExpectFocusKeptAcrossSwitches(mainWindow, other);
    DestroyWindow(other);
}

TEST_F(Keyboard, NoFocusAfterSwitchingBackWhenNoneHadIt)
{
    BringToFront();
    HWND other = CreateOtherWindow();
    ASSERT_NE(other, (HWND)NULL) << "cannot make the other window: error " << GetLastError();
    EXPECT_TRUE(ActivateAndWait(other, mainWindow)) << "the other window did not become active";
    EXPECT_TRUE(ActivateAndWait(mainWindow, mainWindow))
        << "the main window did not become active again";
    DestroyWindow(other);
    HWND focus = FocusIn(mainWindow);
    EXPECT_TRUE(focus == NULL || !IsChild(mainWindow, focus))
        << "after switching away and back with nothing focused, the focus is on "
        << DescribeFocus(mainWindow);
    // Keys still reach the window: the first Tab starts at the beginning.
    PressAndExpectFocus(mainWindow, TabKey, InputId);
}
