// Input as a user gives it: key strokes through SendInput, which under Wine
// reach the foreground window, and mouse clicks through the X server with
// xdotool, because Wine on Xvfb does not move the pointer for SendInput.
// Wine's virtual desktop sits at 0,0, so screen and X coordinates agree.
#ifndef TUSCHELPOST_TESTS_E2E_REAL_INPUT_H
#define TUSCHELPOST_TESTS_E2E_REAL_INPUT_H

#include <windows.h>

#include <initializer_list>
#include <string>

// A left click at the screen point; false if xdotool did not run.
bool ClickAt(int x, int y);

// A left click in the middle of the window.
bool ClickCenterOf(HWND window);

// Presses the keys in order and lets them go in reverse: {VK_MENU, VK_F4}.
void PressChord(std::initializer_list<WORD> keys);

// Types the characters as they are (Unicode key strokes, Windows-1252).
void TypeText(const std::string& text);

#endif
