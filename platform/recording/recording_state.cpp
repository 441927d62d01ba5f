#include "recording.h"

#include <stdio.h>

static RecordingState state;

RecordingState& Recording()
{
    return state;
}

void ResetRecording()
{
    state = RecordingState();
    state.messageBoxResult = 1;  // IDOK, what a box with one OK button gives
    state.lastEventControl = 0;
    for (int n = 0; n < RecordedControlCount; ++n)
        state.controls[n].selection = NoSelection;
}

// ---- Script -----------------------------------------------------------

ScriptStep EventStep(int kind, int control)
{
    ScriptStep step = ScriptStep();
    step.kind = kind;
    step.control = control;
    step.changedControl = NoControl;
    step.selection = KeepSelection;
    return step;
}

ScriptStep TextChangeStep(int kind, int control, int changedControl,
                          const std::string& text)
{
    ScriptStep step = EventStep(kind, control);
    step.changedControl = changedControl;
    step.setsText = true;
    step.text = text;
    return step;
}

ScriptStep SelectionChangeStep(int kind, int control, int changedControl,
                               int selection)
{
    ScriptStep step = EventStep(kind, control);
    step.changedControl = changedControl;
    step.selection = selection;
    return step;
}

void SetScript(const std::vector<ScriptStep>& steps)
{
    state.script = steps;
    state.stepsPlayed = 0;
}

// ---- Call log ---------------------------------------------------------

void RecordCall(const char* operation, int control, const std::string& line,
                const std::vector<std::string>& texts)
{
    RecordedCall call;
    call.operation = operation;
    call.control = control;
    call.texts = texts;
    call.line = line;
    state.calls.push_back(call);
}

std::vector<std::string> CallLines()
{
    std::vector<std::string> lines;
    for (size_t i = 0; i < state.calls.size(); ++i)
        lines.push_back(state.calls[i].line);
    return lines;
}

// Texts of a few thousand bytes would bury the rest of a failure message;
// their start and their length are enough to tell them apart.
static const size_t PrintedBytesLimit = 120;

std::string PrintableBytes(const std::string& bytes)
{
    std::string out;
    size_t shown = bytes.size() > PrintedBytesLimit ? PrintedBytesLimit : bytes.size();
    for (size_t i = 0; i < shown; ++i) {
        unsigned char c = (unsigned char)bytes[i];
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += (char)c;
        } else {
            char escaped[8];
            snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        }
    }
    if (shown < bytes.size()) {
        char more[48];
        snprintf(more, sizeof more, "... (%zu bytes in all)", bytes.size());
        out += more;
    }
    return out;
}

std::string FormatCalls(const std::vector<RecordedCall>& calls)
{
    std::string out;
    for (size_t i = 0; i < calls.size(); ++i) {
        char number[32];
        snprintf(number, sizeof number, "  %2zu: ", i);
        out += number;
        out += PrintableBytes(calls[i].line);
        out += '\n';
    }
    return out;
}
