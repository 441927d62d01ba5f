// The operations of platform.h over the fake controls of recording.h.
#include "platform/platform.h"
#include "recording.h"

#include <stdio.h>
#include <stdlib.h>

#include <string>

// ---- Writing calls down -----------------------------------------------

static std::string Number(long value)
{
    return std::to_string(value);
}

static std::string Flag(bool value)
{
    return value ? "true" : "false";
}

// A text as a real control takes it: the bytes up to the first NUL.
static std::string Bytes(const char* text)
{
    return text ? std::string(text) : std::string();
}

static std::string Quoted(const std::string& bytes)
{
    return "\"" + bytes + "\"";
}

static void Record(const char* operation, int control,
                   const std::vector<std::string>& arguments,
                   const std::vector<std::string>& texts = std::vector<std::string>())
{
    std::string line = operation;
    line += '(';
    for (size_t i = 0; i < arguments.size(); ++i) {
        if (i > 0)
            line += ", ";
        line += arguments[i];
    }
    line += ')';
    RecordCall(operation, control, line, texts);
}

// ---- Checks of the order of calls -------------------------------------

static void Misuse(const char* operation, const char* what)
{
    Recording().misuses.push_back(std::string(operation) + ": " + what);
}

static void CheckRunning(const char* operation)
{
    if (!Recording().started)
        Misuse(operation, "called before StartPlatform");
    if (Recording().stopped)
        Misuse(operation, "called after StopPlatform");
}

// The control with this number, or NULL when there is none.
static FakeControl* Control(int control)
{
    if (control < 0 || control >= RecordedControlCount)
        return NULL;
    FakeControl* fake = &Recording().controls[control];
    return fake->exists ? fake : NULL;
}

static bool CreateControl(const char* operation, int control, const char* kind,
                          const std::string& text, bool readOnly)
{
    CheckRunning(operation);
    RecordingState& s = Recording();
    if (control < 0 || control >= RecordedControlCount)
        return false;
    if (!s.mainWindowExists) {
        Misuse(operation, "no main window to be the parent");
        return false;
    }
    if (s.controls[control].exists) {
        Misuse(operation, "control number already in use");
        return false;
    }
    if (s.controlFails[control])
        return false;

    FakeControl fake = FakeControl();
    fake.exists = true;
    fake.kind = kind;
    fake.enabled = true;
    fake.readOnly = readOnly;
    fake.text = text;
    fake.selection = NoSelection;
    s.controls[control] = fake;
    return true;
}

// ---- The operations ---------------------------------------------------

void StartPlatform()
{
    Record("StartPlatform", NoControl, {});
    if (Recording().started)
        Misuse("StartPlatform", "called twice");
    Recording().started = true;
}

bool CreateMainWindow(int x, int y, int clientWidth, int clientHeight,
                      const char* caption)
{
    std::string text = Bytes(caption);
    Record("CreateMainWindow", NoControl,
           {Number(x), Number(y), Number(clientWidth), Number(clientHeight), Quoted(text)},
           {text});
    CheckRunning("CreateMainWindow");
    RecordingState& s = Recording();
    if (s.mainWindowExists) {
        Misuse("CreateMainWindow", "a main window exists already");
        return false;
    }
    if (s.mainWindowFails)
        return false;
    s.mainWindowExists = true;
    return true;
}

bool CreateTextField(int control, int x, int y, int width, int height,
                     const char* text, bool readOnly)
{
    std::string bytes = Bytes(text);
    Record("CreateTextField", control,
           {Number(control), Number(x), Number(y), Number(width), Number(height),
            Quoted(bytes), Flag(readOnly)},
           {bytes});
    return CreateControl("CreateTextField", control, "TextField", bytes, readOnly);
}

bool CreatePushButton(int control, int x, int y, int width, int height,
                      const char* caption)
{
    std::string bytes = Bytes(caption);
    Record("CreatePushButton", control,
           {Number(control), Number(x), Number(y), Number(width), Number(height),
            Quoted(bytes)},
           {bytes});
    return CreateControl("CreatePushButton", control, "PushButton", bytes, false);
}

bool CreateDropDownList(int control, int x, int y, int width, int closedHeight)
{
    Record("CreateDropDownList", control,
           {Number(control), Number(x), Number(y), Number(width), Number(closedHeight)});
    return CreateControl("CreateDropDownList", control, "DropDownList", "", false);
}

void AddListItem(int control, int position, const char* text)
{
    std::string bytes = Bytes(text);
    Record("AddListItem", control, {Number(control), Number(position), Quoted(bytes)},
           {bytes});
    CheckRunning("AddListItem");
    FakeControl* fake = Control(control);
    if (!fake || fake->kind != "DropDownList")
        return;
    // As CB_INSERTSTRING: -1 appends, a position past the end is refused.
    std::vector<std::string>& items = fake->items;
    if (position == -1)
        items.push_back(bytes);
    else if (position >= 0 && (size_t)position <= items.size())
        items.insert(items.begin() + position, bytes);
}

void DisableControl(int control, bool disabled)
{
    Record("DisableControl", control, {Number(control), Flag(disabled)});
    CheckRunning("DisableControl");
    FakeControl* fake = Control(control);
    if (fake)
        fake->enabled = !disabled;
}

// What the control shows: a drop-down list without an edit field shows its
// selected item, or nothing.
static std::string ShownText(const FakeControl& fake)
{
    if (fake.kind != "DropDownList")
        return fake.text;
    if (fake.selection < 0 || (size_t)fake.selection >= fake.items.size())
        return std::string();
    return fake.items[fake.selection];
}

Text GetControlText(int control)
{
    Record("GetControlText", control, {Number(control)});
    CheckRunning("GetControlText");
    Text text = Text();
    FakeControl* fake = Control(control);
    if (fake) {
        std::string shown = ShownText(*fake);
        SetText(&text, shown.data(), shown.size());
    }
    return text;
}

void SetControlText(int control, const char* text)
{
    std::string bytes = Bytes(text);
    Record("SetControlText", control, {Number(control), Quoted(bytes)}, {bytes});
    CheckRunning("SetControlText");
    FakeControl* fake = Control(control);
    // A drop-down list without an edit field keeps showing its selection.
    if (fake && fake->kind != "DropDownList")
        fake->text = bytes;
    if (Recording().onSetControlText)
        Recording().onSetControlText(control, text);
}

int ShowMessageBox(const char* caption, const char* message, unsigned flags)
{
    std::string captionBytes = Bytes(caption);
    std::string messageBytes = Bytes(message);
    Record("ShowMessageBox", NoControl,
           {Quoted(captionBytes), Quoted(messageBytes), Number((long)flags)},
           {captionBytes, messageBytes});
    CheckRunning("ShowMessageBox");
    return Recording().messageBoxResult;
}

// Applies what the user did before the step's event.
static void ApplyChange(const ScriptStep& step)
{
    FakeControl* fake = Control(step.changedControl);
    if (!fake)
        return;
    if (step.setsText)
        fake->text = step.text;
    if (step.selection != KeepSelection)
        fake->selection = step.selection;
}

enum { CloseRequestsBeforeGivingUp = 100 };

int WaitForEvent()
{
    Record("WaitForEvent", NoControl, {});
    CheckRunning("WaitForEvent");
    RecordingState& s = Recording();
    if (s.stepsPlayed >= s.script.size()) {
        // A loop that does not end on a close would ask for ever: stop the
        // test program rather than hang it.
        if (s.closesAfterScript >= CloseRequestsBeforeGivingUp) {
            fprintf(stderr, "The loop did not end after %d close requests.\nCalls:\n%s",
                    s.closesAfterScript, FormatCalls(s.calls).c_str());
            abort();
        }
        ++s.closesAfterScript;
        s.lastEventControl = 0;
        return CloseWindow;
    }

    const ScriptStep& step = s.script[s.stepsPlayed++];
    ApplyChange(step);
    s.lastEventControl = step.control;
    // A missing or disabled control gives no events: the wait then comes
    // back with nothing for the loop, as the real one does.
    if (step.kind == ControlEvent) {
        FakeControl* fake = Control(step.control);
        if (!fake || !fake->enabled)
            return IgnoredEvent;
    }
    return step.kind;
}

int EventControl()
{
    Record("EventControl", NoControl, {});
    CheckRunning("EventControl");
    return Recording().lastEventControl;
}

// The controls keep their last state, so the test can read what the user
// would have seen when the window closed.
void StopPlatform()
{
    Record("StopPlatform", NoControl, {});
    CheckRunning("StopPlatform");
    Recording().mainWindowExists = false;
    Recording().stopped = true;
}
