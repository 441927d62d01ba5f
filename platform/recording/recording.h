// The platform layer of the host tests. It implements every operation of
// platform.h without a window system: it keeps the state of fake controls,
// plays a script of events the test has set, and writes down every call with
// its arguments so a test can compare what the program did with what it
// should have done.
//
// Everything lives in one record, Recording(); ResetRecording() brings it
// back to its start state between tests.
#ifndef TUSCHELPOST_PLATFORM_RECORDING_RECORDING_H
#define TUSCHELPOST_PLATFORM_RECORDING_RECORDING_H

#include <string>
#include <vector>

enum {
    // Control numbers the fake has room for; every other number has no
    // control.
    RecordedControlCount = 8,
    // RecordedCall::control of a call that names no control.
    NoControl = -1,
    // List selections: none, or left as it is by a script step.
    NoSelection = -1,
    KeepSelection = -2
};

// One call of a platform operation. `line` is the whole call written out,
// e.g. SetControlText(2, "Hallo"), with the text bytes as they came (a text
// is taken up to its first NUL, as a real control takes it). `control` is
// the control number the call names, NoControl if none; `texts` are its
// text arguments in order.
struct RecordedCall {
    std::string operation;
    int control;
    std::vector<std::string> texts;
    std::string line;
};

// A fake control: what a real one would show and hold.
struct FakeControl {
    bool exists;
    std::string kind;   // "TextField", "PushButton" or "DropDownList"
    bool enabled;
    bool readOnly;
    std::string text;   // not used by a list, which shows its selected item
    std::vector<std::string> items;
    int selection;      // index into items, or NoSelection
};

// One step of the script, made by the functions below: before the event
// comes out of WaitForEvent, the fake state may change as the user would
// have changed it. A ControlEvent of a missing or disabled control comes out
// as IgnoredEvent, since such a control gives no events.
struct ScriptStep {
    int kind;
    int control;
    int changedControl;   // control whose state changes first, or NoControl
    bool setsText;
    std::string text;     // its new text, when setsText
    int selection;        // its new selection, or KeepSelection
};

struct RecordingState {
    // Knobs, set by the test before RunProgram.
    bool mainWindowFails;
    bool controlFails[RecordedControlCount];
    int messageBoxResult;
    // Called by SetControlText before it returns, while the caller's
    // buffer is still what it handed over; NULL for none.
    void (*onSetControlText)(int control, const char* text);

    // The script and how far it was played. When it is used up,
    // WaitForEvent returns CloseWindow, so a loop that does not end cannot
    // hang a test, and counts that in closesAfterScript; after 100 of them
    // it ends the test program with the call log.
    std::vector<ScriptStep> script;
    size_t stepsPlayed;
    int closesAfterScript;
    int lastEventControl;

    bool started;
    bool stopped;
    bool mainWindowExists;
    FakeControl controls[RecordedControlCount];

    std::vector<RecordedCall> calls;
    // Calls the real layer could not take: before StartPlatform, after
    // StopPlatform, a second StartPlatform or main window, a control
    // created twice or before the main window.
    std::vector<std::string> misuses;
};

RecordingState& Recording();
void ResetRecording();

// Script steps: an event of the given kind and control, and the same event
// after a change to a control's text or to a list's selection.
ScriptStep EventStep(int kind, int control);
ScriptStep TextChangeStep(int kind, int control, int changedControl,
                          const std::string& text);
ScriptStep SelectionChangeStep(int kind, int control, int changedControl,
                               int selection);
void SetScript(const std::vector<ScriptStep>& steps);

// The recorded lines, and the lines written for reading: bytes outside
// printable ASCII as \xNN, long texts cut with their length added.
std::vector<std::string> CallLines();
std::string PrintableBytes(const std::string& bytes);
std::string FormatCalls(const std::vector<RecordedCall>& calls);

// Writes down one call (used by the fake operations).
void RecordCall(const char* operation, int control, const std::string& line,
                const std::vector<std::string>& texts);

#endif
