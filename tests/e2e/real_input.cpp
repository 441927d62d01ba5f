#include "tests/e2e/real_input.h"

#include "tests/e2e/program_process.h"

#include <vector>

bool ClickAt(int x, int y)
{
    int status = -1;
    return RunLinuxCommand("/usr/bin/xdotool mousemove " + std::to_string(x) + " " +
                               std::to_string(y) + " click 1",
                           10000, &status) &&
           status == 0;
}

bool ClickCenterOf(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return ClickAt((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

static INPUT KeyInput(WORD key, bool up)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = (WORD)MapVirtualKeyA(key, MAPVK_VK_TO_VSC);
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

void PressChord(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> inputs;
    for (WORD key : keys)
        inputs.push_back(KeyInput(key, false));
    for (auto key = keys.end(); key != keys.begin();)
        inputs.push_back(KeyInput(*--key, true));
    SendInput((UINT)inputs.size(), inputs.data(), sizeof(INPUT));
}

void TypeText(const std::string& text)
{
    std::vector<INPUT> inputs;
    for (char c : text) {
        wchar_t wide = 0;
        MultiByteToWideChar(1252, 0, &c, 1, &wide, 1);
        for (bool up : {false, true}) {
            INPUT input = {};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = wide;
            input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
            inputs.push_back(input);
        }
    }
    if (!inputs.empty())
        SendInput((UINT)inputs.size(), inputs.data(), sizeof(INPUT));
}
