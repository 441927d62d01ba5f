#include "tests/e2e/window_reading.h"

#include <stdio.h>

#include <vector>

static std::string To1252(const std::vector<wchar_t>& wide, int length)
{
    if (length <= 0)
        return std::string();
    int size = WideCharToMultiByte(1252, 0, wide.data(), length, NULL, 0, NULL, NULL);
    std::string bytes(size, '\0');
    WideCharToMultiByte(1252, 0, wide.data(), length, &bytes[0], size, NULL, NULL);
    return bytes;
}

std::string WindowText(HWND window)
{
    LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::vector<wchar_t> wide(length + 1);
    LRESULT copied = SendMessageW(window, WM_GETTEXT, wide.size(), (LPARAM)wide.data());
    return To1252(wide, (int)copied);
}

std::string ComboEntryText(HWND combo, int index)
{
    LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR)
        return "(no entry " + std::to_string(index) + ")";
    std::vector<wchar_t> wide(length + 1);
    LRESULT copied = SendMessageW(combo, CB_GETLBTEXT, index, (LPARAM)wide.data());
    return To1252(wide, (int)copied);
}

std::string ClassName(HWND window)
{
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

LONG Style(HWND window)
{
    return GetWindowLongA(window, GWL_STYLE);
}

LONG ExStyle(HWND window)
{
    return GetWindowLongA(window, GWL_EXSTYLE);
}

RECT RectInParent(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), (POINT*)&rect, 2);
    return rect;
}

struct ProcessWindowSearch {
    DWORD processId;
    const char* className;
    HWND found;
};

static BOOL CALLBACK MatchProcessWindow(HWND window, LPARAM parameter)
{
    ProcessWindowSearch* search = (ProcessWindowSearch*)parameter;
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window) &&
        ClassName(window) == search->className) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindProcessWindow(DWORD processId, const char* className)
{
    ProcessWindowSearch search = {processId, className, NULL};
    EnumWindows(MatchProcessWindow, (LPARAM)&search);
    return search.found;
}

HWND FindProcessWindowByCaption(DWORD processId, const char* caption)
{
    HWND window = NULL;
    while ((window = FindWindowExA(NULL, window, NULL, caption)) != NULL) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId)
            return window;
    }
    return NULL;
}

static GUITHREADINFO ThreadInfo(DWORD threadId)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(threadId, &info);
    return info;
}

HWND FocusOf(DWORD threadId)
{
    return ThreadInfo(threadId).hwndFocus;
}

HWND ActiveOf(DWORD threadId)
{
    return ThreadInfo(threadId).hwndActive;
}

std::string Hex(const std::string& bytes)
{
    std::string hex;
    char digits[4];
    for (unsigned char c : bytes) {
        snprintf(digits, sizeof digits, "%02X ", c);
        hex += digits;
    }
    if (!hex.empty())
        hex.pop_back();
    return hex;
}
