// Reading the windows of another process the way Wine answers across
// processes: texts travel as UTF-16 (SendMessageW) and are turned into
// Windows-1252 bytes here, the code page of the program's texts.
#ifndef TUSCHELPOST_TESTS_E2E_WINDOW_READING_H
#define TUSCHELPOST_TESTS_E2E_WINDOW_READING_H

#include <windows.h>

#include <string>

// The window text (WM_GETTEXT) as Windows-1252 bytes.
std::string WindowText(HWND window);

// The text of a list entry (CB_GETLBTEXT) as Windows-1252 bytes.
std::string ComboEntryText(HWND combo, int index);

std::string ClassName(HWND window);
LONG Style(HWND window);
LONG ExStyle(HWND window);

// The window's rectangle in the client coordinates of its parent.
RECT RectInParent(HWND window);

// The first visible top-level window of the process with this class
// ("#32770" for a message box, "ComboLBox" for an open list), or NULL.
HWND FindProcessWindow(DWORD processId, const char* className);

// The process's top-level window with this caption, or NULL.
HWND FindProcessWindowByCaption(DWORD processId, const char* caption);

// The thread's window with the keyboard focus, and its active window.
HWND FocusOf(DWORD threadId);
HWND ActiveOf(DWORD threadId);

// Bytes as hex, for failure messages about texts with odd characters.
std::string Hex(const std::string& bytes);

#endif
