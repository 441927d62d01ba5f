// Which control Tab and Shift+Tab move the focus to, among the children of
// the active window in the platform's child order.
#ifndef TUSCHELPOST_PLATFORM_FOCUS_ORDER_H
#define TUSCHELPOST_PLATFORM_FOCUS_ORDER_H

// eligible[i] tells whether child i may take the focus (enabled, visible,
// tab stop). reference is the index of the child that has the focus, or -1.
// Forward: the first eligible child after the reference, wrapping to the
// first; with no reference, the first. Backward: the nearest eligible child
// before the reference, wrapping to the last; with no reference, the last.
// Returns -1 when no child is eligible.
int NextFocusIndex(const bool* eligible, int count, int reference, bool backward);

#endif
