#ifndef TUSCHELPOST_PLATFORM_WIN32_KEYBOARD_NAVIGATION_H
#define TUSCHELPOST_PLATFORM_WIN32_KEYBOARD_NAVIGATION_H

#include <windows.h>

// Looks at a fetched message before it is dispatched. Tab and Shift+Tab
// pressed while one of our windows is active move the focus among its
// controls and are taken out of the stream: the result is true and the
// message must be neither translated nor dispatched. A message fetched
// while Ctrl, Shift or Alt is held shows the focus rectangles.
bool TakeNavigationKey(const MSG& message);

#endif
