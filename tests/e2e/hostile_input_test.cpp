// Hostile input from another program: far more text than a user can type,
// every byte value, floods of notifications, of presses and of WM_QUIT,
// messages sent instead of posted. The program must show whole and right
// results, keep its memory bounded, keep answering and end with exit code 0.
#include "tests/e2e/process_memory.h"
#include "tests/e2e/real_input.h"
#include "tests/e2e/running_program.h"
#include "tests/e2e/wait_until.h"
#include "tests/e2e/window_reading.h"

#include <gtest/gtest.h>

#include <stdio.h>

#include <algorithm>
#include <vector>

// Growth of the working set (and the pagefile usage) that a flood may cause
// at most, measured after a warm-up round of the same flood.
static const SIZE_T MemoryGrowthBound = 1024 * 1024;

// Long texts cross processes and go through Wine's edit control in one
// piece; that takes a while, so such waits get more time.
static const DWORD LongTextTimeoutMs = 60000;

// Messages in one flood, and how many of them go first as a warm-up.
enum { FloodCount = 10000, PressCount = 1000, QuitCount = 1000, WarmUpCount = 100 };

static const char EncoderCaption[] = "Verschl\xFCsseln";
static const char DecoderCaption[] = "Entschl\xFCsseln";

// A plain encoder to check the program's results against.
static std::string ReferenceBase64(const std::string& bytes)
{
    static const char Alphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    for (size_t i = 0; i < bytes.size(); i += 3) {
        size_t left = bytes.size() - i;
        unsigned group = (unsigned char)bytes[i] << 16;
        if (left > 1)
            group |= (unsigned char)bytes[i + 1] << 8;
        if (left > 2)
            group |= (unsigned char)bytes[i + 2];
        text += Alphabet[group >> 18 & 63];
        text += Alphabet[group >> 12 & 63];
        text += left > 1 ? Alphabet[group >> 6 & 63] : '=';
        text += left > 2 ? Alphabet[group & 63] : '=';
    }
    return text;
}

// Printable ASCII from a fixed seed: survives every code page unchanged.
static std::string PrintableText(size_t length, unsigned seed)
{
    std::string text(length, ' ');
    for (char& c : text) {
        seed = seed * 1103515245u + 12345u;
        c = (char)(' ' + (seed >> 16) % 95);
    }
    return text;
}

// Where two long texts part, with a few bytes around it in hex.
static std::string FirstDifference(const std::string& got, const std::string& want)
{
    size_t at = std::mismatch(got.begin(), got.begin() + std::min(got.size(), want.size()),
                              want.begin()).first - got.begin();
    return "got " + std::to_string(got.size()) + " bytes, want " + std::to_string(want.size()) +
           "; first difference at byte " + std::to_string(at) + ": got [" +
           Hex(got.substr(at, 12)) + "], want [" + Hex(want.substr(at, 12)) + "]";
}

struct PostedMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class HostileInput : public RunningProgram {
protected:
    // WM_SETTEXT from this program, as another program may send it.
    bool SetTextFromOutside(HWND window, const std::string& text)
    {
        DWORD_PTR answer = 0;
        return SendMessageTimeoutA(window, WM_SETTEXT, 0, (LPARAM)text.c_str(), SMTO_NORMAL,
                                   LongTextTimeoutMs, &answer) != 0;
    }

    // True when the program handles a message sent to it within 10 s.
    bool Answers()
    {
        DWORD_PTR answer = 0;
        return SendMessageTimeoutA(mainWindow, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000,
                                   &answer) != 0;
    }

    // Posts the messages in turn until count are posted. A full message
    // queue (Windows allows 10,000 posted messages) is waited out.
    void PostFlood(const std::vector<PostedMessage>& messages, int count)
    {
        for (int i = 0; i < count; ++i) {
            const PostedMessage& m = messages[i % messages.size()];
            ASSERT_TRUE(WaitUntil([&] {
                return PostMessageA(m.window, m.message, m.wParam, m.lParam) != FALSE;
            })) << "message " << i << " of " << count << " could not be posted";
        }
    }

    // Sends the messages in turn, each answered before the next.
    void SendFlood(const std::vector<PostedMessage>& messages, int count)
    {
        for (int i = 0; i < count; ++i) {
            const PostedMessage& m = messages[i % messages.size()];
            DWORD_PTR answer = 0;
            ASSERT_TRUE(SendMessageTimeoutA(m.window, m.message, m.wParam, m.lParam,
                                            SMTO_NORMAL, 10000, &answer))
                << "message " << i << " of " << count << " was not answered";
        }
    }

    void PostListEvent()
    {
        PostMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(ListId, CBN_SELCHANGE),
                     (LPARAM)Control(ListId));
    }

    void PostPress()
    {
        PostMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(ButtonId, BN_CLICKED),
                     (LPARAM)Control(ButtonId));
    }

    // Waits until every message posted before has been handled, for floods
    // that do not depend on the input field: a character posted behind them
    // to the emptied field shows up once they are through.
    void WaitUntilPostedHandledByMarker()
    {
        HWND input = Control(InputId);
        ASSERT_TRUE(SetTextFromOutside(input, ""));
        PostMessageA(input, WM_CHAR, '#', 1);
        ASSERT_TRUE(WaitUntil([&] { return WindowText(input) == "#"; }, LongTextTimeoutMs))
            << "the flood was not handled within " << LongTextTimeoutMs << " ms; input \""
            << WindowText(input) << "\"; the program "
            << (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT ? "runs" : "has ended");
    }

    // Waits until every message posted before has been handled, for floods
    // of presses: the list is switched to the other entry and its event
    // posted behind them, so the button's caption changes once they are
    // through. The presses themselves use the method chosen before.
    void WaitUntilPostedHandledBySwitch()
    {
        HWND list = Control(ListId);
        int other = SendMessageW(list, CB_GETCURSEL, 0, 0) == 0 ? 1 : 0;
        SendMessageW(list, CB_SETCURSEL, other, 0);
        PostListEvent();
        const char* caption = other == 0 ? EncoderCaption : DecoderCaption;
        ASSERT_TRUE(WaitUntil([&] { return WindowText(Control(ButtonId)) == caption; },
                              LongTextTimeoutMs))
            << "the flood was not handled within " << LongTextTimeoutMs << " ms; button \""
            << WindowText(Control(ButtonId)) << "\"";
    }

    // Empties the result field, clicks the button and compares the whole
    // result once it has the length wanted.
    void PressByMouseAndExpect(const std::string& want, const std::string& what)
    {
        HWND result = Control(ResultId);
        ASSERT_TRUE(SetTextFromOutside(result, ""));
        ASSERT_TRUE(ClickCenterOf(Control(ButtonId))) << "xdotool did not run";
        ExpectResult(want, what);
    }

    void ExpectResult(const std::string& want, const std::string& what)
    {
        HWND result = Control(ResultId);
        bool complete = WaitUntil([&] {
            return SendMessageW(result, WM_GETTEXTLENGTH, 0, 0) == (LRESULT)want.size();
        }, LongTextTimeoutMs);
        std::string got = WindowText(result);
        EXPECT_TRUE(complete && got == want)
            << what << ": " << FirstDifference(got, want)
            << (complete ? "" : " (length not reached in time)");
    }

    // Floods of 10,000 for tuschelpost64, half that for tuschelpost32,
    // which runs through an emulator on some machines and handles messages
    // several times slower there.
    int FloodSize() const { return is32Bit ? FloodCount / 2 : FloodCount; }

    std::string Counted(int count, const char* what) const
    {
        return std::to_string(count) + " " + what;
    }

    MemoryUse Memory()
    {
        MemoryUse use = {};
        EXPECT_TRUE(ReadMemoryUse(process.hProcess, &use))
            << "GetProcessMemoryInfo failed with error " << GetLastError();
        return use;
    }

    void ExpectBoundedGrowth(const MemoryUse& before, const MemoryUse& after,
                             const std::string& what)
    {
        printf("[ figures  ] %s: before %s; after %s\n", what.c_str(), Describe(before).c_str(),
               Describe(after).c_str());
        EXPECT_LT(after.workingSet, before.workingSet + MemoryGrowthBound)
            << what << ": the working set grew from " << Describe(before) << " to "
            << Describe(after);
        EXPECT_LT(after.pagefileUsage, before.pagefileUsage + MemoryGrowthBound)
            << what << ": the pagefile usage grew from " << Describe(before) << " to "
            << Describe(after);
    }

    void CloseAndExpectZero()
    {
        PostMessageA(mainWindow, WM_CLOSE, 0, 0);
        ExpectEndsWithZero("WM_CLOSE after hostile input");
    }
};

// ---- Long texts --------------------------------------------------------

struct LongTextCase {
    const char* what;
    int method;
    size_t length;  // of the printable text that is encoded
};

// 256 KiB into the field: far beyond the 32,767 characters a user can type,
// below the size at which Wine's edit control stalls. The decoder gets the
// encoding of 192 KiB, which is 256 KiB of Base64.
static const LongTextCase LongTextCases[] = {
    {"256 KiB of text encoded", 0, 256 * 1024},
    {"256 KiB of Base64 decoded", 1, 192 * 1024},
};

TEST_F(HostileInput, QuarterMebibyteSetByAnotherProgramConvertsInFull)
{
    for (const LongTextCase& c : LongTextCases) {
        SCOPED_TRACE(c.what);
        std::string plain = PrintableText(c.length, 7);
        std::string input = c.method == 0 ? plain : ReferenceBase64(plain);
        std::string want = c.method == 0 ? ReferenceBase64(plain) : plain;
        ASSERT_EQ(input.size(), 256u * 1024);

        ChooseEntryByMouse(c.method);
        ASSERT_TRUE(SetTextFromOutside(Control(InputId), input)) << "WM_SETTEXT timed out";
        LRESULT length = SendMessageW(Control(InputId), WM_GETTEXTLENGTH, 0, 0);
        ASSERT_EQ(length, (LRESULT)input.size()) << "the input field did not take the text";
        PressByMouseAndExpect(want, c.what);
    }
    EXPECT_TRUE(Answers());
    CloseAndExpectZero();
}

// ---- Every byte value --------------------------------------------------

struct ByteCase {
    const char* what;
    std::string (*bytes)();
};

static std::string EveryByteButNul()
{
    std::string bytes;
    for (int b = 1; b <= 255; ++b)
        bytes += (char)b;
    return bytes;
}

// A single-line field may stop at a line break; this order puts CR and LF
// last, so everything before them reaches the program whatever it does.
static std::string LineBreaksLast()
{
    std::string bytes;
    for (int b = 1; b <= 255; ++b)
        if (b != '\r' && b != '\n')
            bytes += (char)b;
    return bytes + "\r\n";
}

static const ByteCase ByteCases[] = {
    {"bytes 01 to FF in order", EveryByteButNul},
    {"bytes 01 to FF, CR and LF last", LineBreaksLast},
};

TEST_F(HostileInput, EveryByteValueEncodesAndDecodesBack)
{
    for (const ByteCase& c : ByteCases) {
        SCOPED_TRACE(c.what);
        std::string sent = c.bytes();
        HWND input = Control(InputId);
        ASSERT_TRUE(SetTextFromOutside(input, sent));
        // What the field holds is what the program reads, after the code
        // page conversion of the way there.
        std::string held = WindowText(input);
        printf("[ figures  ] %s: %zu bytes sent, the field holds %zu\n", c.what, sent.size(),
               held.size());
        ASSERT_FALSE(held.empty()) << "the field holds nothing of [" << Hex(sent) << "]";
        EXPECT_EQ(sent.compare(0, held.size(), held), 0)
            << "the field holds [" << Hex(held) << "], not a start of [" << Hex(sent) << "]";
        if (c.bytes == LineBreaksLast)
            EXPECT_GE(held.size(), sent.size() - 2) << "bytes before the line break were lost";

        if (SendMessageW(Control(ListId), CB_GETCURSEL, 0, 0) != 0)
            ChooseEntryByMouse(0);
        std::string encoded = ReferenceBase64(held);
        PressByMouseAndExpect(encoded, std::string("encoding [") + Hex(held) + "]");

        ChooseEntryByMouse(1);
        ASSERT_TRUE(SetTextFromOutside(input, encoded));
        PressByMouseAndExpect(held, "decoding " + encoded);
    }
    CloseAndExpectZero();
}

// ---- Buffer edges ------------------------------------------------------

struct EdgeCase {
    int method;
    size_t inputLength;
};

// Around the 1024-character result buffer: 768 bytes encode to exactly
// 1024 characters, 1367 characters of Base64 decode to at most 1023 bytes.
static const EdgeCase EdgeCases[] = {
    {0, 767}, {0, 768}, {0, 769}, {0, 770},
    {1, 1364}, {1, 1366}, {1, 1367}, {1, 1368}, {1, 1369},
};

TEST_F(HostileInput, InputsAtTheResultBufferEdgesConvertInFull)
{
    int chosen = -1;
    for (const EdgeCase& c : EdgeCases) {
        std::string input, want;
        if (c.method == 0) {
            input = PrintableText(c.inputLength, (unsigned)c.inputLength);
            want = ReferenceBase64(input);
        } else {
            // Base64 of enough bytes, cut to the length: whole groups decode,
            // one to three characters left over are dropped.
            std::string plain = PrintableText(c.inputLength, (unsigned)c.inputLength);
            input = ReferenceBase64(plain).substr(0, c.inputLength);
            want = plain.substr(0, c.inputLength / 4 * 3);
        }
        std::string what = std::string(c.method == 0 ? "encoding " : "decoding ") +
                           std::to_string(c.inputLength) + " characters";
        SCOPED_TRACE(what);
        if (chosen != c.method)
            ChooseEntryByMouse(chosen = c.method);
        ASSERT_TRUE(SetTextFromOutside(Control(InputId), input));
        PressByMouseAndExpect(want, what);
    }
    CloseAndExpectZero();
}

// ---- Floods of messages ------------------------------------------------

TEST_F(HostileInput, SelectionChangeFloodKeepsMemoryBoundedAndAnswers)
{
    ChooseEntryByMouse(0);
    ASSERT_TRUE(SetTextFromOutside(Control(InputId), "abc"));
    std::vector<PostedMessage> selectionChange = {
        {mainWindow, WM_COMMAND, MAKEWPARAM(ListId, CBN_SELCHANGE), (LPARAM)Control(ListId)}};
    // A press posted behind the flood shows once the flood is through.
    auto floodAndWait = [&](int count) {
        ASSERT_TRUE(SetTextFromOutside(Control(ResultId), ""));
        PostFlood(selectionChange, count);
        PostPress();
        ExpectResult("YWJj", "the press behind the flood");
    };
    floodAndWait(WarmUpCount);
    MemoryUse before = Memory();
    floodAndWait(FloodSize());
    ASSERT_TRUE(Answers()) << "no answer after the flood";
    ExpectBoundedGrowth(before, Memory(), Counted(FloodSize(), "selection changes"));
    EXPECT_EQ(WindowText(Control(ButtonId)), EncoderCaption);

    ChooseEntryByMouse(1);
    ASSERT_TRUE(SetTextFromOutside(Control(InputId), "SGFsbG8="));
    PressByMouseAndExpect("Hallo", "a conversion after the flood");
    CloseAndExpectZero();
}

TEST_F(HostileInput, IgnoredMessageFloodChangesNothingAndKeepsMemoryBounded)
{
    HWND input = Control(InputId), button = Control(ButtonId);
    HWND result = Control(ResultId), list = Control(ListId);
    // Messages the program must drop: notifications of the text fields,
    // other notifications of the list and the button, control numbers that
    // disagree with the handle, commands from no control or from a window
    // that is none of the controls, private messages, mouse moves.
    std::vector<PostedMessage> ignored = {
        {mainWindow, WM_NULL, 0, 0},
        {mainWindow, WM_COMMAND, MAKEWPARAM(InputId, EN_CHANGE), (LPARAM)input},
        {mainWindow, WM_COMMAND, MAKEWPARAM(InputId, EN_SETFOCUS), (LPARAM)input},
        {mainWindow, WM_COMMAND, MAKEWPARAM(ResultId, EN_CHANGE), (LPARAM)result},
        {mainWindow, WM_COMMAND, MAKEWPARAM(ResultId, EN_KILLFOCUS), (LPARAM)result},
        {mainWindow, WM_COMMAND, MAKEWPARAM(ListId, CBN_DROPDOWN), (LPARAM)list},
        {mainWindow, WM_COMMAND, MAKEWPARAM(ListId, CBN_SETFOCUS), (LPARAM)list},
        {mainWindow, WM_COMMAND, MAKEWPARAM(ButtonId, BN_SETFOCUS), (LPARAM)button},
        {mainWindow, WM_COMMAND, MAKEWPARAM(ListId, CBN_SELCHANGE), (LPARAM)button},
        {mainWindow, WM_COMMAND, MAKEWPARAM(ButtonId, BN_CLICKED), (LPARAM)list},
        {mainWindow, WM_COMMAND, MAKEWPARAM(ButtonId, BN_CLICKED), 0},
        {mainWindow, WM_COMMAND, MAKEWPARAM(ListId, CBN_SELCHANGE), (LPARAM)mainWindow},
        {mainWindow, WM_USER + 1, 1, 2},
        {mainWindow, WM_APP + 7, 0, 0},
        {mainWindow, WM_TIMER, 1, 0},
        {input, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)},
        {button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)},
    };
    PostFlood(ignored, WarmUpCount);
    WaitUntilPostedHandledByMarker();
    MemoryUse before = Memory();
    PostFlood(ignored, FloodSize());
    WaitUntilPostedHandledByMarker();
    ASSERT_TRUE(Answers()) << "no answer after the flood";
    ExpectBoundedGrowth(before, Memory(), Counted(FloodSize(), "ignored messages"));

    EXPECT_FALSE(IsWindowEnabled(button)) << "the flood enabled the button";
    EXPECT_EQ(WindowText(button), InitialButtonCaption);
    EXPECT_EQ(WindowText(result), InitialResult);
    EXPECT_EQ(FindProcessWindow(process.dwProcessId, "#32770"), (HWND)NULL)
        << "the flood called up a message box";

    ChooseEntryByMouse(0);
    ASSERT_TRUE(SetTextFromOutside(input, "Hallo"));
    PressByMouseAndExpect("SGFsbG8=", "a conversion after the flood");
    CloseAndExpectZero();
}

struct PressFloodCase {
    const char* what;
    bool sent;  // BM_CLICK sent to the button, else BN_CLICKED posted
};

static const PressFloodCase PressFloodCases[] = {
    {"1,000 BM_CLICK sent", true},
    {"1,000 BN_CLICKED posted", false},
};

TEST_F(HostileInput, ThousandPressesInARowKeepResultAndMemory)
{
    // Longer than 768 bytes, so every press makes and frees a buffer sized
    // to its result.
    std::string input = PrintableText(1200, 11);
    std::string want = ReferenceBase64(input);
    ASSERT_TRUE(SetTextFromOutside(Control(InputId), input));
    ChooseEntryByMouse(0);
    PressByMouseAndExpect(want, "the first press");

    for (const PressFloodCase& c : PressFloodCases) {
        SCOPED_TRACE(c.what);
        // The flood ends by switching the list; every flood starts from the
        // encoder.
        if (SendMessageW(Control(ListId), CB_GETCURSEL, 0, 0) != 0)
            ChooseEntryByMouse(0);
        auto pressAndWait = [&](int count) {
            for (int i = 0; i < count; ++i) {
                if (c.sent) {
                    DWORD_PTR answer = 0;
                    ASSERT_TRUE(SendMessageTimeoutA(Control(ButtonId), BM_CLICK, 0, 0,
                                                    SMTO_NORMAL, 10000, &answer))
                        << "BM_CLICK " << i << " was not answered";
                } else {
                    PostPress();
                }
            }
            WaitUntilPostedHandledBySwitch();
            ChooseEntryByMouse(0);
        };
        ASSERT_TRUE(SetTextFromOutside(Control(ResultId), ""));
        pressAndWait(WarmUpCount);
        MemoryUse before = Memory();
        ASSERT_TRUE(SetTextFromOutside(Control(ResultId), ""));
        pressAndWait(PressCount);
        ExpectResult(want, c.what);
        ASSERT_TRUE(Answers()) << "no answer after the presses";
        ExpectBoundedGrowth(before, Memory(), c.what);
    }
    CloseAndExpectZero();
}

TEST_F(HostileInput, QuitFloodDoesNotEndIt)
{
    for (int i = 0; i < QuitCount; ++i)
        ASSERT_TRUE(WaitUntil([&] {
            return PostThreadMessageA(process.dwThreadId, WM_QUIT, 0, 0) != FALSE;
        })) << "WM_QUIT " << i << " could not be posted";
    WaitUntilPostedHandledByMarker();
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 0), (DWORD)WAIT_TIMEOUT)
        << "WM_QUIT ended the program";
    ASSERT_TRUE(Answers()) << "no answer after 1,000 WM_QUIT";
    ChooseEntryByMouse(0);
    ASSERT_TRUE(SetTextFromOutside(Control(InputId), "abc"));
    PressByMouseAndExpect("YWJj", "a conversion after 1,000 WM_QUIT");
    CloseAndExpectZero();
}

// ---- Messages sent instead of posted ------------------------------------

// A message sent from another program is handled inside the program's wait
// for the next message, not by a dispatch of its own: the event it raises
// must still be handled without any further message coming in.
TEST_F(HostileInput, SentSelectionChangeIsHandledWithoutFurtherMessages)
{
    SendMessageW(Control(ListId), CB_SETCURSEL, 1, 0);
    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutA(mainWindow, WM_COMMAND, MAKEWPARAM(ListId, CBN_SELCHANGE),
                                    (LPARAM)Control(ListId), SMTO_NORMAL, 10000, &answer));
    auto handled = [&] { return WindowText(Control(ButtonId)) == DecoderCaption; };
    if (!WaitUntil(handled, 10000)) {
        PostMessageA(mainWindow, WM_NULL, 0, 0);
        bool afterNull = WaitUntil(handled, 10000);
        ADD_FAILURE() << "10 s after the sent selection change the button still reads \""
                      << InitialButtonCaption << "\", want \"" << DecoderCaption << "\"; "
                      << (afterNull ? "a WM_NULL posted then got it handled"
                                    : "a WM_NULL posted then did not help either");
    }
    CloseAndExpectZero();
}

TEST_F(HostileInput, SentCloseRequestEndsWithZero)
{
    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutA(mainWindow, WM_CLOSE, 0, 0, SMTO_NORMAL, 10000, &answer));
    if (WaitForSingleObject(process.hProcess, 10000) == WAIT_TIMEOUT) {
        PostMessageA(mainWindow, WM_NULL, 0, 0);
        bool afterNull = WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0;
        ADD_FAILURE() << "10 s after the sent WM_CLOSE the program still runs; "
                      << (afterNull ? "a WM_NULL posted then ended it"
                                    : "a WM_NULL posted then did not end it either");
    }
    ExpectEndsWithZero("WM_CLOSE sent by another program");
}

// Events raised by sent messages wait in the layer's queue until the wait
// wakes; a list event and an input field event in turn defeat the rule that
// drops an event equal to the tail, so they fill the fixed ring. A close
// request sent on top of them must still end the program.
TEST_F(HostileInput, SentFloodOfDistinctEventsStaysBoundedAndCloseStillEnds)
{
    SendMessageW(Control(ListId), CB_SETCURSEL, 0, 0);
    std::vector<PostedMessage> distinct = {
        {mainWindow, WM_COMMAND, MAKEWPARAM(ListId, CBN_SELCHANGE), (LPARAM)Control(ListId)},
        {mainWindow, WM_COMMAND, MAKEWPARAM(InputId, EN_CHANGE), (LPARAM)Control(InputId)},
    };
    SendFlood(distinct, WarmUpCount);
    // Wakes the wait, which then works through the queue.
    PostMessageA(mainWindow, WM_NULL, 0, 0);
    WaitUntilPostedHandledByMarker();
    MemoryUse before = Memory();
    SendFlood(distinct, FloodSize());
    ASSERT_TRUE(Answers()) << "no answer after the flood";
    ExpectBoundedGrowth(before, Memory(), Counted(FloodSize(), "sent events of two kinds"));

    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutA(mainWindow, WM_CLOSE, 0, 0, SMTO_NORMAL, 10000, &answer));
    PostMessageA(mainWindow, WM_NULL, 0, 0);
    ExpectEndsWithZero("a WM_CLOSE sent on top of a flood of sent events");
}

// ---- Notifications claiming a disabled control --------------------------

// Before any choice the button is disabled and gives no events. A press that
// another program posts in its name must not call up the error message.
TEST_F(HostileInput, PressPostedForTheDisabledButtonShowsNoMessage)
{
    ASSERT_FALSE(IsWindowEnabled(Control(ButtonId)));
    PostPress();
    WaitUntilPostedHandledByMarker();
    EXPECT_EQ(FindProcessWindow(process.dwProcessId, "#32770"), (HWND)NULL)
        << "a press posted for the disabled button showed a message box";
    EXPECT_EQ(WindowText(Control(ResultId)), InitialResult);
    ASSERT_TRUE(Answers());
    CloseAndExpectZero();
}

// ---- Texts of the other controls ---------------------------------------

// Another program renames the button and writes into the list: the program
// goes by what the list has selected and by nothing else.
TEST_F(HostileInput, ForeignTextsOnButtonAndListChangeNoMethod)
{
    ChooseEntryByMouse(1);
    ASSERT_TRUE(SetTextFromOutside(Control(ButtonId), PrintableText(4096, 3)));
    ASSERT_TRUE(SetTextFromOutside(Control(ListId), EntryLabel(0)));
    PostListEvent();
    ASSERT_TRUE(WaitUntil([&] { return WindowText(Control(ButtonId)) == DecoderCaption; }))
        << "after the list's event the button reads \""
        << WindowText(Control(ButtonId)).substr(0, 40) << "\"; the list shows \""
        << WindowText(Control(ListId)) << "\"";
    ASSERT_TRUE(SetTextFromOutside(Control(InputId), "SGFsbG8="));
    PressByMouseAndExpect("Hallo", "a press after foreign texts");
    CloseAndExpectZero();
}

// A posted WM_TIMER carries a callback address in its lParam, which the
// system calls on dispatch unless it checks that the program set such a
// timer. The program sets none.
TEST_F(HostileInput, TimerMessageWithForeignCallbackDoesNotCrashIt)
{
    PostMessageA(mainWindow, WM_TIMER, 1, (LPARAM)0x12345678);
    PostMessageA(Control(InputId), WM_TIMER, 1, (LPARAM)0x1000);
    WaitUntilPostedHandledByMarker();
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 0), (DWORD)WAIT_TIMEOUT)
        << "a WM_TIMER with a foreign callback ended the program";
    ASSERT_TRUE(Answers());
    CloseAndExpectZero();
}
