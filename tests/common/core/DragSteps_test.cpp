#include "common/core/DragSteps.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// One mouse event of a drag: a press with the handles it picks, a motion with a button held, or
// the release; with what the steps report for it.
struct Event {
    enum Kind { Press, Motion, Release, Other } kind;
    int x, y;
    luvo::DragHandles picked;  // Press only
    bool step;
    luvo::DragHandles held;  // the handles the step moves
};

void RunEvents(const std::vector<Event>& events) {
    luvo::DragSteps steps;
    int i = 0;
    for (const Event& e : events) {
        SCOPED_TRACE(i++);
        if (e.kind == Event::Press) steps.Press(e.picked);
        const bool step = steps.IsStep(e.kind == Event::Motion, e.kind == Event::Release, e.x, e.y);
        EXPECT_EQ(step, e.step);
        if (step) {
            EXPECT_EQ(steps.Held(), e.held);
        }
    }
}

// A press, two motions, then a release: the release acts only where the last motion did not.
TEST(DragSteps, ReleaseActsOnlyAwayFromTheLastMotion) {
    const struct Case {
        const char* name;
        std::vector<Event> events;
    } cases[] = {
        {"release where the last motion was",
         {{Event::Press, 0, 0, 0, false, 0},
          {Event::Motion, 0, -5, 0, true, 0},
          {Event::Release, 0, -5, 0, false, 0}}},
        {"release beyond merged motions",
         {{Event::Press, 0, 0, 0, false, 0},
          {Event::Motion, 0, -5, 0, true, 0},
          {Event::Release, 0, -20, 0, true, 0}}},
        {"release without a drag",
         {{Event::Press, 0, 0, 0, false, 0}, {Event::Release, 0, -20, 0, false, 0}}},
        {"a second release after the drag ended",
         {{Event::Motion, 3, 3, 0, true, 0},
          {Event::Release, 4, 4, 0, true, 0},
          {Event::Release, 9, 9, 0, false, 0}}},
        {"a new press forgets the old drag",
         {{Event::Motion, 3, 3, 0, true, 0},
          {Event::Press, 0, 0, 0, false, 0},
          {Event::Release, 9, 9, 0, false, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RunEvents(c.events);
    }
}

// The handles a press picks are held by every step up to and including the release, wherever
// the pointer goes; after the release, and after a press that picked none, nothing is held.
TEST(DragSteps, PressHoldsItsHandlesUntilTheRelease) {
    const luvo::DragHandles bc = luvo::DragHandle(1) | luvo::DragHandle(2);
    const struct Case {
        const char* name;
        std::vector<Event> events;
    } cases[] = {
        {"far from the press",
         {{Event::Press, 100, 40, bc, false, 0},
          {Event::Motion, 140, 90, 0, true, bc},
          {Event::Other, 300, 300, 0, false, 0},
          {Event::Motion, -50, -80, 0, true, bc},
          {Event::Release, -60, -90, 0, true, bc}}},
        {"after the release",
         {{Event::Press, 100, 40, bc, false, 0},
          {Event::Release, 100, 40, 0, false, 0},
          {Event::Motion, 100, 45, 0, true, 0}}},
        {"the next press decides",
         {{Event::Press, 100, 40, bc, false, 0},
          {Event::Motion, 100, 45, 0, true, bc},
          {Event::Press, 100, 45, luvo::DragHandle(0), false, 0},
          {Event::Motion, 100, 50, 0, true, luvo::DragHandle(0)},
          {Event::Press, 10, 10, 0, false, 0},
          {Event::Motion, 100, 50, 0, true, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RunEvents(c.events);
    }
    // Stop ends the hold before the release.
    luvo::DragSteps steps;
    steps.Press(bc);
    EXPECT_TRUE(steps.IsStep(true, false, 1, 1));
    steps.Stop();
    EXPECT_TRUE(steps.IsStep(true, false, 2, 2));
    EXPECT_EQ(steps.Held(), 0u);
    EXPECT_TRUE(steps.IsStep(false, true, 3, 3));
    EXPECT_EQ(steps.Held(), 0u);
}

}  // namespace
