// Keyboard steps on the program's window from outside: key chords, where
// the focus is, and a window of the driver's own that takes the activation
// away from the program, as another program would.
#ifndef TUSCHELPOST_TESTS_E2E_KEYBOARD_INPUT_H
#define TUSCHELPOST_TESTS_E2E_KEYBOARD_INPUT_H

#include <windows.h>

#include <string>

// A key with at most one modifier held down; modifier 0 for none.
struct KeyChord {
    WORD modifier;
    WORD key;
    const char* name;
};

extern const KeyChord TabKey;
extern const KeyChord ShiftTabKey;

void Press(const KeyChord& chord);

// The window with the keyboard focus in the thread of the main window.
HWND FocusIn(HWND mainWindow);

// For failure messages: "InputField", "no window", "the main window", ...
std::string DescribeFocus(HWND mainWindow);

// The name of the control with this identifier ("InputField", ...).
const char* ControlName(int id);

// Returns once the program has handled every message sent to it before:
// a barrier for checks that something did not happen.
bool ProgramHandledEarlierMessages(HWND mainWindow);

// A visible top-level window of the driver's own: another program as far
// as the program under test knows, shown but not activated. NULL if it
// cannot be made.
HWND CreateOtherWindow();

// Makes window the foreground window and waits until the program's thread
// agrees (its active window is mainWindow exactly when window is
// mainWindow). Pumps the driver's messages meanwhile, for its own window.
bool ActivateAndWait(HWND window, HWND mainWindow);

#endif
