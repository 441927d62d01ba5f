#include "platform/focus_order.h"

#include <gtest/gtest.h>

namespace {

// The main window's four controls in child order: InputField,
// ConvertButton, ResultField, MethodList.
const bool ButtonDisabled[4] = { true, false, true, true };
const bool ButtonEnabled[4] = { true, true, true, true };

struct OrderCase {
    const char* name;
    const bool* eligible;
    int reference;
    bool backward;
    int want;
};

const OrderCase OrderCases[] = {
    { "no reference, forward: first", ButtonDisabled, -1, false, 0 },
    { "no reference, backward: last", ButtonDisabled, -1, true, 3 },
    { "forward skips the disabled button", ButtonDisabled, 0, false, 2 },
    { "forward from the middle", ButtonDisabled, 2, false, 3 },
    { "forward wraps at the end", ButtonDisabled, 3, false, 0 },
    { "backward skips the disabled button", ButtonDisabled, 2, true, 0 },
    { "backward from the middle", ButtonDisabled, 3, true, 2 },
    { "backward wraps at the start", ButtonDisabled, 0, true, 3 },
    { "forward reaches the enabled button", ButtonEnabled, 0, false, 1 },
    { "forward from the enabled button", ButtonEnabled, 1, false, 2 },
    { "backward reaches the enabled button", ButtonEnabled, 2, true, 1 },
    { "backward from the enabled button", ButtonEnabled, 1, true, 0 },
    { "forward wraps with the button enabled", ButtonEnabled, 3, false, 0 },
    { "backward wraps with the button enabled", ButtonEnabled, 0, true, 3 },
    { "a reference out of range counts as none", ButtonEnabled, 7, false, 0 },
};

TEST(NextFocusIndex, FollowsTheChildOrderAndWraps)
{
    for (const OrderCase& c : OrderCases) {
        EXPECT_EQ(NextFocusIndex(c.eligible, 4, c.reference, c.backward), c.want)
            << c.name << ": reference " << c.reference
            << (c.backward ? " backward" : " forward");
    }
}

TEST(NextFocusIndex, FullCyclesVisitEveryEligibleControlOnce)
{
    const int wantForward[] = { 0, 2, 3, 0 };
    int index = -1;
    for (int want : wantForward) {
        index = NextFocusIndex(ButtonDisabled, 4, index, false);
        EXPECT_EQ(index, want);
    }
    const int wantBackward[] = { 3, 2, 1, 0, 3 };
    index = -1;
    for (int want : wantBackward) {
        index = NextFocusIndex(ButtonEnabled, 4, index, true);
        EXPECT_EQ(index, want);
    }
}

TEST(NextFocusIndex, StaysOnTheOnlyEligibleControl)
{
    const bool onlyResult[4] = { false, false, true, false };
    EXPECT_EQ(NextFocusIndex(onlyResult, 4, 2, false), 2);
    EXPECT_EQ(NextFocusIndex(onlyResult, 4, 2, true), 2);
    EXPECT_EQ(NextFocusIndex(onlyResult, 4, 0, true), 2);
}

TEST(NextFocusIndex, NothingEligibleGivesNone)
{
    const bool none[4] = { false, false, false, false };
    EXPECT_EQ(NextFocusIndex(none, 4, -1, false), -1);
    EXPECT_EQ(NextFocusIndex(none, 4, 1, true), -1);
    EXPECT_EQ(NextFocusIndex(none, 0, -1, false), -1);
}

}  // namespace
