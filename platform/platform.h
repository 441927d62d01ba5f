// The layer between the program and the windowing system. The program sees
// numbers and texts only: window 0 is the main window, its controls are
// numbered from 0 and the number is also the control's child identifier.
// Every operation runs on the main thread.
#ifndef TUSCHELPOST_PLATFORM_PLATFORM_H
#define TUSCHELPOST_PLATFORM_PLATFORM_H

#include "text.h"

// Event kinds. Every other kind the layer returns is one the loop ignores.
// They sit in a namespace because user32 declares a CloseWindow function of
// its own: code that includes <windows.h> writes EventKind::CloseWindow.
namespace EventKind {
enum {
    IgnoredEvent = 0,
    CloseWindow = 16,
    ControlEvent = 13100
};
}
using namespace EventKind;

// Flags of ShowMessageBox and its button codes (the system's values).
enum {
    MessageBoxOk = 0,
    MessageBoxResultOk = 1
};

// Prepares the layer once, before any window exists.
void StartPlatform();

// Creates the main window with the given client size and outer top-left
// corner, shows and activates it. The controls created next are its
// children. False when the window could not be created.
bool CreateMainWindow(int x, int y, int clientWidth, int clientHeight,
                      const char* caption);

// Single-line text field with a sunken edge; read-only when asked.
bool CreateTextField(int control, int x, int y, int width, int height,
                     const char* text, bool readOnly);

// Plain push button, not a default button.
bool CreatePushButton(int control, int x, int y, int width, int height,
                      const char* caption);

// Drop-down list without an edit field, unsorted, with a vertical scroll
// bar; its closed box is exactly closedHeight tall.
bool CreateDropDownList(int control, int x, int y, int width,
                        int closedHeight);

// Operations on a number without a control do nothing (and read "").
void AddListItem(int control, int position, const char* text);
void DisableControl(int control, bool disabled);
Text GetControlText(int control);
void SetControlText(int control, const char* text);

// Modal message box over the program; returns the button code.
int ShowMessageBox(const char* caption, const char* message, unsigned flags);

// Blocks until the next event and returns its kind; EventControl gives the
// control (or window) number of that event.
int WaitForEvent();
int EventControl();

// Destroys every window still open and releases what the layer holds.
void StopPlatform();

#endif
