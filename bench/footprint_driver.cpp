// Footprint of the program next to the bare window (bare_window.exe) built
// with the same toolchain and flags: file size, time from process start
// until the window and its four controls exist, working set after start,
// processor time while idle, and for the program the time from a press of
// the button to the result shown for an input of 32,767 characters.
//
// Usage: footprint_driver PROGRAM.exe BARE.exe [STARTS]
// Prints one table; the times are medians over STARTS (20) runs.
#include <windows.h>
#include <psapi.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <vector>

namespace {

const char Caption[] = "Tuschelpost Programm - Codieren/Decodieren";
const int ControlCount = 4;
const DWORD WindowTimeoutMs = 30000;
const int LongInputLength = 32767;

double NowMs()
{
    static LARGE_INTEGER frequency;
    if (!frequency.QuadPart)
        QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return (double)now.QuadPart * 1000.0 / (double)frequency.QuadPart;
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

struct Run {
    PROCESS_INFORMATION process = {};
    HWND window = NULL;
    double startMs = -1;  // from CreateProcess until the four controls exist
};

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindProcessWindow(HWND window, LPARAM data)
{
    Search* search = (Search*)data;
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char caption[sizeof Caption + 1] = "";
    if (owner != search->processId || !GetWindowTextA(window, caption, sizeof caption) ||
        strcmp(caption, Caption) != 0)
        return TRUE;
    for (int control = 0; control < ControlCount; ++control)
        if (!GetDlgItem(window, control))
            return TRUE;
    search->found = window;
    return FALSE;
}

// Starts the executable and waits until its window and all four controls
// exist; false when that does not happen in time.
bool Start(const char* path, Run* run)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    char commandLine[MAX_PATH + 2];
    snprintf(commandLine, sizeof commandLine, "\"%s\"", path);
    double begin = NowMs();
    if (!CreateProcessA(path, commandLine, NULL, NULL, FALSE, 0, NULL, NULL, &startup,
                        &run->process)) {
        fprintf(stderr, "cannot start %s (error %lu)\n", path, GetLastError());
        return false;
    }
    Search search = {run->process.dwProcessId, NULL};
    while (NowMs() - begin < WindowTimeoutMs) {
        EnumWindows(FindProcessWindow, (LPARAM)&search);
        if (search.found) {
            run->startMs = NowMs() - begin;
            run->window = search.found;
            return true;
        }
        Sleep(1);
    }
    fprintf(stderr, "%s showed no window with four controls in time\n", path);
    return false;
}

// Asks the window to close, as the user would, and waits for the end.
void Stop(Run* run)
{
    if (run->window)
        PostMessageA(run->window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(run->process.hProcess, 10000) != WAIT_OBJECT_0) {
        fprintf(stderr, "process %lu did not end on WM_CLOSE; terminated\n",
                run->process.dwProcessId);
        TerminateProcess(run->process.hProcess, 1);
        WaitForSingleObject(run->process.hProcess, 5000);
    }
    CloseHandle(run->process.hThread);
    CloseHandle(run->process.hProcess);
    *run = Run();
}

double FileSize(const char* path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data))
        return -1;
    return (double)data.nFileSizeLow + 4294967296.0 * data.nFileSizeHigh;
}

double WorkingSetKiB(DWORD processId)
{
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (!process)
        return -1;
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    BOOL ok = GetProcessMemoryInfo(process, &counters, sizeof counters);
    CloseHandle(process);
    return ok ? (double)counters.WorkingSetSize / 1024.0 : -1;
}

double ProcessorMs(HANDLE process)
{
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user))
        return -1;
    ULARGE_INTEGER k, u;
    k.LowPart = kernel.dwLowDateTime;
    k.HighPart = kernel.dwHighDateTime;
    u.LowPart = user.dwLowDateTime;
    u.HighPart = user.dwHighDateTime;
    return (double)(k.QuadPart + u.QuadPart) / 10000.0;
}

// Working set after start, processor time of the start (which shows that
// the process's times can be read at all) and processor time over 5 idle
// seconds.
void MeasureIdle(Run* run, double* workingSetKiB, double* startMs, double* idleMs)
{
    WaitForInputIdle(run->process.hProcess, 5000);
    Sleep(500);
    *workingSetKiB = WorkingSetKiB(run->process.dwProcessId);
    double before = ProcessorMs(run->process.hProcess);
    Sleep(5000);
    *startMs = before;
    *idleMs = ProcessorMs(run->process.hProcess) - before;
}

LRESULT TextLength(HWND control)
{
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(control, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 5000, &length))
        return -1;
    return (LRESULT)length;
}

struct PressResult {
    LRESULT inputLength;
    LRESULT resultLength;
    double medianMs;
    int timeouts;
    std::vector<char> text;  // the result shown
};

// Puts the input into InputField, picks the method as a selection change of
// the list would, then presses the button `presses` times, emptying the
// result field before each press and polling its length until the result is
// there: the program sets the whole result with one SetWindowText, so any
// length above zero is the result's.
PressResult MeasurePress(HWND window, int method, const char* input, int presses)
{
    HWND inputField = GetDlgItem(window, 0);
    HWND button = GetDlgItem(window, 1);
    HWND resultField = GetDlgItem(window, 2);
    HWND list = GetDlgItem(window, 3);
    PressResult result = {};
    SendMessageA(inputField, WM_SETTEXT, 0, (LPARAM)input);
    result.inputLength = TextLength(inputField);
    SendMessageA(list, CB_SETCURSEL, (WPARAM)method, 0);
    // Posted, not sent: the program's loop sees a notification when it
    // comes out of a dispatch, as the list's own notification would. The
    // method is chosen once the button names it.
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(3, CBN_SELCHANGE), (LPARAM)list);
    const char* caption = method == 0 ? "Verschl\xFCsseln" : "Entschl\xFCsseln";
    double chosen = NowMs();
    char shown[64] = "";
    while (NowMs() - chosen < 10000) {
        DWORD_PTR copied = 0;
        SendMessageTimeoutA(button, WM_GETTEXT, sizeof shown, (LPARAM)shown, SMTO_NORMAL, 5000,
                            &copied);
        if (strcmp(shown, caption) == 0)
            break;
        Sleep(1);
    }

    std::vector<double> times;
    for (int press = 0; press < presses; ++press) {
        SendMessageA(resultField, WM_SETTEXT, 0, (LPARAM) "");
        double begin = NowMs();
        PostMessageA(button, BM_CLICK, 0, 0);
        LRESULT length = 0;
        while ((length = TextLength(resultField)) <= 0 && NowMs() - begin < 10000)
            Sleep(1);
        if (length > 0 && (press == 0 || length == result.resultLength))
            times.push_back(NowMs() - begin);
        else
            ++result.timeouts;
        if (press == 0)
            result.resultLength = length;
    }
    result.medianMs = Median(times);
    if (result.resultLength > 0) {
        result.text.assign((size_t)result.resultLength + 1, '\0');
        SendMessageA(resultField, WM_GETTEXT, (WPARAM)result.text.size(),
                     (LPARAM)result.text.data());
    }
    return result;
}

// The floor under the press: the time the result field of the bare window
// takes to show the same text, set from here with WM_SETTEXT.
double MeasureShowing(HWND window, const std::vector<char>& text, int times)
{
    if (text.empty())
        return -1;
    HWND resultField = GetDlgItem(window, 2);
    std::vector<double> ms;
    for (int time = 0; time < times; ++time) {
        SendMessageA(resultField, WM_SETTEXT, 0, (LPARAM) "");
        double begin = NowMs();
        SendMessageA(resultField, WM_SETTEXT, 0, (LPARAM)text.data());
        ms.push_back(NowMs() - begin);
    }
    return Median(ms);
}

// A negative figure is one that was not measured; it shows as "-".
void PrintRow(const char* what, double ours, double bare, const char* goal)
{
    char ratio[32] = "-", oursText[32] = "-", bareText[32] = "-";
    if (ours >= 0 && bare > 0)
        snprintf(ratio, sizeof ratio, "%.3f", ours / bare);
    if (ours >= 0)
        snprintf(oursText, sizeof oursText, "%.3f", ours);
    if (bare >= 0)
        snprintf(bareText, sizeof bareText, "%.3f", bare);
    printf("| %-38s | %12s | %12s | %8s | %-22s |\n", what, oursText, bareText, ratio, goal);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: footprint_driver PROGRAM.exe BARE.exe [STARTS]\n");
        return 2;
    }
    const char* paths[2] = {argv[1], argv[2]};
    int starts = argc > 3 ? atoi(argv[3]) : 20;
    if (starts < 1)
        starts = 1;

    // One start of each first, not counted: the first start in a prefix
    // pays for caches that every later start finds filled.
    for (int which = 0; which < 2; ++which) {
        Run run;
        if (!Start(paths[which], &run))
            return 1;
        Stop(&run);
    }

    // Pairs back to back, the order changing from pair to pair so that
    // neither side always runs second.
    std::vector<double> startMs[2];
    std::vector<double> pairRatios;
    for (int pair = 0; pair < starts; ++pair) {
        double ms[2];
        for (int step = 0; step < 2; ++step) {
            int which = (pair + step) % 2;
            Run run;
            if (!Start(paths[which], &run))
                return 1;
            ms[which] = run.startMs;
            startMs[which].push_back(run.startMs);
            Stop(&run);
        }
        pairRatios.push_back(ms[0] / ms[1]);
    }

    double workingSet[2], startProcessorMs[2], idleMs[2];
    PressResult encode = {}, decode = {}, shortEncode = {};
    double showEncoded = -1, showDecoded = -1;
    for (int which = 0; which < 2; ++which) {
        Run run;
        if (!Start(paths[which], &run))
            return 1;
        MeasureIdle(&run, &workingSet[which], &startProcessorMs[which], &idleMs[which]);
        if (which == 0) {
            // What a press costs whatever the input: one character.
            shortEncode = MeasurePress(run.window, 0, "a", starts);
            std::vector<char> input(LongInputLength + 1, 'a');
            input[LongInputLength] = '\0';
            encode = MeasurePress(run.window, 0, input.data(), starts);
            // Base64 of "abc" repeated, so that the result has no NUL.
            for (int i = 0; i < LongInputLength; ++i)
                input[i] = "YWJj"[i % 4];
            decode = MeasurePress(run.window, 1, input.data(), starts);
        } else {
            showEncoded = MeasureShowing(run.window, encode.text, starts);
            showDecoded = MeasureShowing(run.window, decode.text, starts);
        }
        Stop(&run);
    }

    printf("| %-38s | %12s | %12s | %8s | %-22s |\n", "measure", "tuschelpost", "bare window",
           "ratio", "goal");
    printf("|%s|%s|%s|%s|%s|\n", "----------------------------------------", "--------------",
           "--------------", "----------", "------------------------");
    PrintRow("file size (KiB)", FileSize(paths[0]) / 1024, FileSize(paths[1]) / 1024,
             "ratio at most 2");
    PrintRow("start to four controls (ms, median)", Median(startMs[0]), Median(startMs[1]),
             "ratio at most 1.1");
    printf("| %-38s | %12s | %12s | %8.3f | %-22s |\n", "  median of the per-pair ratios", "",
           "", Median(pairRatios), "");
    PrintRow("  fastest start (ms)", *std::min_element(startMs[0].begin(), startMs[0].end()),
             *std::min_element(startMs[1].begin(), startMs[1].end()), "");
    PrintRow("working set after start (KiB)", workingSet[0], workingSet[1], "");
    PrintRow("processor time of the start (ms)", startProcessorMs[0], startProcessorMs[1], "");
    PrintRow("processor time, 5 s idle (ms)", idleMs[0], idleMs[1], "0");
    PrintRow("press to result, encode \"a\" (ms)", shortEncode.medianMs, -1, "");
    PrintRow("press to result, encode (ms, median)", encode.medianMs, showEncoded, "under 50");
    PrintRow("press to result, decode (ms, median)", decode.medianMs, showDecoded, "under 50");
    printf("\nbare window column of the press rows: WM_SETTEXT of the same result text into its\n"
           "result field, sent from the driver (the part of the press that is the edit\n"
           "control's).\n");
    printf("input length read back: encode %ld, decode %ld characters; result length: "
           "encode %ld, decode %ld; presses without the same result in 10 s: %d, %d; starts: %d\n",
           (long)encode.inputLength, (long)decode.inputLength, (long)encode.resultLength,
           (long)decode.resultLength, encode.timeouts, decode.timeouts, starts);
    fflush(stdout);
    return 0;
}
