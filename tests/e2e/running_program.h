// The fixture of the end-to-end tests: the executable under test, started
// fresh for every case and ended after it, with its window and controls
// found, and the steps a user takes on it.
#ifndef TUSCHELPOST_TESTS_E2E_RUNNING_PROGRAM_H
#define TUSCHELPOST_TESTS_E2E_RUNNING_PROGRAM_H

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

extern const char MainWindowCaption[];
extern const char InitialInput[];
extern const char InitialButtonCaption[];
extern const char InitialResult[];

// The child identifiers of the controls.
enum { InputId = 0, ButtonId = 1, ResultId = 2, ListId = 3 };

class RunningProgram : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The list's two entries in the executable under test.
    const char* EntryLabel(int index) const;

    // Clicks the closed list, then the entry in the opened list, and waits
    // until the list shows it.
    void ChooseEntryByMouse(int index);

    // Clicks into the input field, selects all with Ctrl+A and types text
    // over it (an empty text deletes the selection).
    void TypeInput(const std::string& text);

    // Clicks the button and waits until the result field shows want.
    void ConvertAndExpect(const std::string& want);

    // Makes the main window the foreground window, for key strokes.
    void BringToFront();

    // Clicks the control and waits until it has the keyboard focus. Every
    // input given before it has then been handled: a barrier for checks that
    // something did not happen.
    void ClickAndWaitForFocus(HWND control);

    // Waits for the process to end and expects exit code 0.
    void ExpectEndsWithZero(const char* how);

    HWND Control(int id) const { return GetDlgItem(mainWindow, id); }

    std::string program;
    bool is32Bit = false;
    PROCESS_INFORMATION process = {};
    HWND mainWindow = NULL;
};

#endif
