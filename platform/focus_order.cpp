#include "focus_order.h"

int NextFocusIndex(const bool* eligible, int count, int reference, bool backward)
{
    if (count <= 0)
        return -1;
    if (reference < 0 || reference >= count)
        reference = backward ? count : -1;
    int step = backward ? count - 1 : 1;
    int index = reference;
    for (int tried = 0; tried < count; ++tried) {
        index = (index + step + count) % count;
        if (eligible[index])
            return index;
    }
    return -1;
}
